// The documents of the Keyboard Guides window: empty documents.
#pragma once

#include "classlib/win/CDocument.h"

class CKeyboardDoc : public CDocument {
  DECLARE_DYNCREATE(CKeyboardDoc)
};

class CKeyMapDoc : public CDocument {
  DECLARE_DYNCREATE(CKeyMapDoc)
};
