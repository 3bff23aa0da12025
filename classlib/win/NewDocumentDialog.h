// The File/New choice when the application has several kinds of document:
// a small modal dialog with a list of the kinds, OK and Cancel.
#pragma once

#include <windows.h>

#include "classlib/core/Collections.h"

// The control ids of the dialog, for tests that answer it.
constexpr int kNewDocumentTypeList = 100;

// The index of the chosen name (the first is selected to begin with), or
// -1 when the user cancelled.
int ChooseNewDocumentType(HWND hWndOwner, const CStringArray& typeNames);
