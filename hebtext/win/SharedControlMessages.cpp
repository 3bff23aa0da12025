#include "hebtext/win/SharedControlMessages.h"

#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"

void SendControlFocus(CWnd* pControl) {
  if (CWnd* pParent = pControl->GetParent())
    pParent->SendMessage(kControlFocusMessage, reinterpret_cast<WPARAM>(pControl), 0);
}

void SendTabToParent(CWnd* pControl) {
  if (CWnd* pParent = pControl->GetParent())
    pParent->SendMessage(WM_NEXTDLGCTL, ::GetKeyState(VK_SHIFT) < 0 ? 1 : 0, 0);
}

void PostActiveDocumentFocus() {
  if (CWnd* pMainWnd = AfxGetMainWnd())
    pMainWnd->PostMessage(WM_COMMAND, ID_ACTIVE_DOCUMENT_FOCUS, 0);
}
