// How the windows around speech stop it: the owner of the speech engine (the
// main frame) sets the engine's Stop here, so that the popups and dialogs of
// speech need not reach the frame.
#pragma once

#include <windows.h>

// TRUE when it stopped output in progress.
using SpeechStopper = BOOL (*)();

void SetSpeechStopper(SpeechStopper stop);

// The engine's Stop; FALSE while none is set.
BOOL StopSpeechOutput();
