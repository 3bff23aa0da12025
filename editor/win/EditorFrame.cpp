#include "editor/win/EditorFrame.h"

#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"

IEditorFrame* GetEditorFrame() { return dynamic_cast<IEditorFrame*>(AfxGetMainWnd()); }
