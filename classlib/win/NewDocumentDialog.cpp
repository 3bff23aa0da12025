#include "classlib/win/NewDocumentDialog.h"

#include "classlib/win/DialogTemplate.h"

namespace {

constexpr char kTitle[] = "New";

struct ChoiceState {
  const CStringArray* pNames;
  int nChosen;
};

INT_PTR CALLBACK ChoiceDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hList = ::GetDlgItem(hWnd, kNewDocumentTypeList);
  switch (message) {
    case WM_INITDIALOG: {
      ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
      const auto* pState = reinterpret_cast<const ChoiceState*>(lParam);
      for (int i = 0; i < pState->pNames->GetSize(); ++i)
        ::SendMessageA(hList, LB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(static_cast<LPCSTR>((*pState->pNames)[i])));
      ::SendMessageA(hList, LB_SETCURSEL, 0, 0);
      return TRUE;
    }
    case WM_COMMAND: {
      auto* pState = reinterpret_cast<ChoiceState*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
      const bool bDoubleClicked =
          LOWORD(wParam) == kNewDocumentTypeList && HIWORD(wParam) == LBN_DBLCLK;
      if (LOWORD(wParam) == IDOK || bDoubleClicked) {
        pState->nChosen = static_cast<int>(::SendMessageA(hList, LB_GETCURSEL, 0, 0));
        ::EndDialog(hWnd, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(hWnd, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    }
    default: return FALSE;
  }
}

}  // namespace

int ChooseNewDocumentType(HWND hWndOwner, const CStringArray& typeNames) {
  DialogTemplateBuilder builder(kTitle, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 180,
                                90);
  builder.AddItem(kDialogListBoxClass, kNewDocumentTypeList,
                  WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 7, 7, 110, 76, "");
  builder.AddItem(kDialogButtonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 124, 7, 50, 14, "OK");
  builder.AddItem(kDialogButtonClass, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 124, 24, 50, 14,
                  "Cancel");
  ChoiceState state = {&typeNames, -1};
  INT_PTR nResult = ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr), builder.Get(), hWndOwner,
                                              ChoiceDialogProc, reinterpret_cast<LPARAM>(&state));
  return nResult == IDOK ? state.nChosen : -1;
}
