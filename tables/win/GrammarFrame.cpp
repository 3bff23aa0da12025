#include "tables/win/GrammarFrame.h"

#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"

IGrammarFrame* GetGrammarFrame() { return dynamic_cast<IGrammarFrame*>(AfxGetMainWnd()); }
