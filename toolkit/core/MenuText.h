// Menu and button texts as the toolkit shows them.
#pragma once

#include "classlib/core/CString.h"

// Drops every mnemonic ampersand; a doubled ampersand (a literal one) stays doubled.
void StripMnemonics(CString& text);
