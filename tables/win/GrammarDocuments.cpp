#include "tables/win/GrammarDocuments.h"

IMPLEMENT_DYNCREATE(CGramVerbDoc, CDocument)
IMPLEMENT_DYNCREATE(CGramPrepDoc, CDocument)
IMPLEMENT_DYNCREATE(CGramKinuiDoc, CDocument)
IMPLEMENT_DYNCREATE(CGramNumberDoc, CDocument)
IMPLEMENT_DYNCREATE(CGramNounDoc, CDocument)
IMPLEMENT_DYNCREATE(CGramAdjDoc, CDocument)
IMPLEMENT_DYNCREATE(CGramGeneralDoc, CDocument)
