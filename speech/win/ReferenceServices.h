// What the language reference's dialogs take from the program: its speech
// engine and the Preferences dialogs of their menus, which the program runs
// modally over the given window with its live settings.
#pragma once

#include <functional>

class CSpeechEngine;
class CWnd;

struct ReferenceServices {
  CSpeechEngine* engine = nullptr;  // none: the words are not spoken
  std::function<void(CWnd*)> settings;
  std::function<void(CWnd*)> phonemeSet;
  // Stops speech and closes the speaking face first.
  std::function<void(CWnd*)> voiceSettings;
};
