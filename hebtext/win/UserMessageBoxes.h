// Shows what a portable operation had to say (UserMessage.h).
#pragma once

#include "hebtext/core/UserMessage.h"

class CWnd;

// Each message in its own box with an OK button, owned by pOwner (may be
// null); an empty caption gives the system's.
void ShowUserMessages(CWnd* pOwner, const UserMessageList& messages);
