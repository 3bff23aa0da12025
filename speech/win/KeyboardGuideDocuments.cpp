#include "speech/win/KeyboardGuideDocuments.h"

IMPLEMENT_DYNCREATE(CKeyboardDoc, CDocument)
IMPLEMENT_DYNCREATE(CKeyMapDoc, CDocument)
