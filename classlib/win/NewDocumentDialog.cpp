#include "classlib/win/NewDocumentDialog.h"

#include <vector>

namespace {

constexpr WORD kListBoxClass = 0x0083;
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kFontPoints = 8;
constexpr char kTitle[] = "New";
constexpr char kFontName[] = "MS Shell Dlg";

// A dialog template built in memory, laid out in dialog units.
class DialogTemplateBuilder {
 public:
  DialogTemplateBuilder(LPCSTR lpszTitle, short cx, short cy) {
    DLGTEMPLATE header = {};
    header.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    header.cx = cx;
    header.cy = cy;
    AppendStruct(header);
    AppendWord(0);  // no menu
    AppendWord(0);  // the standard dialog class
    AppendText(lpszTitle);
    AppendWord(kFontPoints);
    AppendText(kFontName);
  }

  void AddItem(WORD wClass, WORD wID, DWORD dwStyle, short x, short y, short cx, short cy,
               LPCSTR lpszText) {
    AlignToDword();
    DLGITEMTEMPLATE item = {};
    item.style = dwStyle | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = wID;
    AppendStruct(item);
    AppendWord(0xFFFF);  // a predefined class by its number
    AppendWord(wClass);
    AppendText(lpszText);
    AppendWord(0);  // no creation data
    ++reinterpret_cast<DLGTEMPLATE*>(m_words.data())->cdit;
  }

  LPCDLGTEMPLATEA Get() const { return reinterpret_cast<LPCDLGTEMPLATEA>(m_words.data()); }

 private:
  template <typename T>
  void AppendStruct(const T& value) {
    static_assert(sizeof(T) % sizeof(WORD) == 0, "whole words");
    const WORD* pWords = reinterpret_cast<const WORD*>(&value);
    m_words.insert(m_words.end(), pWords, pWords + sizeof(T) / sizeof(WORD));
  }
  void AppendWord(WORD w) { m_words.push_back(w); }
  // Texts of a template are UTF-16; ours are ASCII.
  void AppendText(LPCSTR lpsz) {
    for (; *lpsz != '\0'; ++lpsz) m_words.push_back(static_cast<BYTE>(*lpsz));
    m_words.push_back(0);
  }
  void AlignToDword() {
    if (m_words.size() % 2 != 0) m_words.push_back(0);
  }

  // DWORD-aligned storage for the template.
  std::vector<WORD> m_words;
};

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
    default:
      return FALSE;
  }
}

}  // namespace

int ChooseNewDocumentType(HWND hWndOwner, const CStringArray& typeNames) {
  DialogTemplateBuilder builder(kTitle, 180, 90);
  builder.AddItem(kListBoxClass, kNewDocumentTypeList,
                  WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 7, 7, 110, 76, "");
  builder.AddItem(kButtonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 124, 7, 50, 14, "OK");
  builder.AddItem(kButtonClass, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 124, 24, 50, 14, "Cancel");
  ChoiceState state = {&typeNames, -1};
  INT_PTR nResult = ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr), builder.Get(), hWndOwner,
                                              ChoiceDialogProc, reinterpret_cast<LPARAM>(&state));
  return nResult == IDOK ? state.nChosen : -1;
}
