// The German module's entry in the speech engine's list of user-interface
// languages, under the local machine's
// "Software\Norvane\Vocarin Spokwell 5.0\UserInterfaceLanguages\<language>\<dialect>".
#pragma once

// Writes the entry for the module files in `folder` (ending with a backslash);
// existing keys are opened and their values overwritten. False on any registry
// failure; the values written before it stay.
bool RegisterUiLanguage(const char* folder);

// Removes the entry, then each key above it up to the product key that is left
// empty. Missing keys count as success.
bool UnregisterUiLanguage();
