// Window messages other parts of the program send to an editor view.
#pragma once

#include <windows.h>

// The lookup list opened a result of a word the view looked up: the view
// shows its selection again.
constexpr UINT WM_LOOKUP_RETURN = WM_USER + 304;
