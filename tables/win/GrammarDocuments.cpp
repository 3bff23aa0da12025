#include "tables/win/GrammarDocuments.h"

IMPLEMENT_DYNCREATE(CGramVerbDoc, CDocument)
IMPLEMENT_DYNCREATE(CGramPrepDoc, CDocument)
IMPLEMENT_DYNCREATE(CGramKinuiDoc, CDocument)
IMPLEMENT_DYNCREATE(CGramNumberDoc, CDocument)
