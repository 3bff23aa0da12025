// The declension view's noun and general-vocabulary parts: the noun table's
// "&Singular" and "Plu&ral" radios, which choose the forms it shows and which
// Tab and the arrow keys reach, and the entry's gender and number.
#include "classlib/win/AfxMsg.h"
#include "classlib/win/CDC.h"
#include "hebtext/win/CHebEdit.h"
#include "lexicon/core/DeclensionCells.h"
#include "lexicon/core/GenderNumberText.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/core/NounPatternForm.h"
#include "resources/DeclensionTableIds.h"
#include "tables/win/GramDeclineView.h"
#include "tables/win/GrammarCellPaint.h"

namespace {

constexpr int kNoRadioChecked = 0;
constexpr const char* kNounWord = "Noun";
constexpr const char* kAdjectiveWord = "Adjective";
constexpr const char* kSingularWord = "Singular";
constexpr const char* kPluralWord = "Plural";

}  // namespace

void CGramDeclineView::SetNumberRadios(const BYTE* entry) {
  m_singular.SetCheck(BST_UNCHECKED);
  m_plural.SetCheck(BST_UNCHECKED);
  m_shownNumber = kNoNumberForms;
  if (entry == nullptr) return;
  const WORD id = ReadU16LE(entry + GrammarLayout::kNounEntryTableIdOffset);
  const BYTE* record = nullptr;
  if (id != kNoNounTable && id != kSingleFormNounTable)
    record = GetNounTableRun(m_context, static_cast<short>(id)).records;
  // An id whose record is missing leaves the radios as they are.
  if (!EnableNumberRadios(id, IsPatternClassPlural(entry), record, m_radios)) return;
  m_singular.EnableWindow(m_radios.singularEnabled);
  m_plural.EnableWindow(m_radios.pluralEnabled);
}

int CGramDeclineView::ChooseNumberRadio() {
  int checked = kNoRadioChecked;
  if (m_singular.GetCheck() == BST_CHECKED) checked = kSingularForms;
  if (m_plural.GetCheck() == BST_CHECKED) checked = kPluralForms;
  const NumberChoice choice = ChooseNumberForms(m_radios, checked);
  if (choice.checked != kNoRadioChecked) NumberRadio(choice.checked).SetCheck(BST_CHECKED);
  return choice.forms;
}

void CGramDeclineView::ShowNumberForms(int forms) {
  CMyNavButton& chosen = NumberRadio(forms);
  CMyNavButton& other = NumberRadio(forms == kPluralForms ? kSingularForms : kPluralForms);
  other.SetCheck(BST_UNCHECKED);
  chosen.SetCheck(BST_CHECKED);
  OnShowTable();
}

void CGramDeclineView::OnSingular() { ShowNumberForms(kSingularForms); }

void CGramDeclineView::OnPlural() { ShowNumberForms(kPluralForms); }

void CGramDeclineView::ShowGenderText(const BYTE* entry) {
  const std::string text =
      entry != nullptr
          ? FormatGenderNumber(entry[GrammarLayout::kNounEntryClassOffset], false, m_tableType)
          : std::string();
  SetDlgItemText(IDC_GENDER_TEXT, text.c_str());
}

void CGramDeclineView::PrintTableKind(const GrammarDrawTarget& target) {
  const bool noun = m_tableType == TableType::Noun;
  if (!noun && m_tableType != TableType::Adjective) return;
  const CRect place = PlaceOnTarget(target, ControlRect(IDC_DECLINE_SEARCH));
  const char* kind = noun ? kNounWord : kAdjectiveWord;
  target.pDC->TextOut(place.left, place.top, kind);
  if (!noun || (m_shownNumber != kSingularForms && m_shownNumber != kPluralForms)) return;
  const int below = place.top + target.pDC->GetTextExtent(kind).cy;
  target.pDC->TextOut(place.left, below,
                      m_shownNumber == kSingularForms ? kSingularWord : kPluralWord);
}

LRESULT CGramDeclineView::OnNextDlgCtl(WPARAM wParam, LPARAM lParam) {
  if (m_tableType != TableType::Noun) return Default();
  if (LOWORD(lParam) != 0) {  // wParam names the control
    ::SetFocus(reinterpret_cast<HWND>(wParam));
    return 0;
  }
  const bool previous = wParam != 0;
  HWND hFocus = ::GetFocus();
  const bool fromEdit = m_pSearchEdit != nullptr && hFocus == m_pSearchEdit->m_hWnd;
  const bool fromList = hFocus == m_list.m_hWnd;
  if ((previous && fromEdit) || (!previous && fromList)) {
    const bool wasChecked =
        m_singular.GetCheck() == BST_CHECKED || m_plural.GetCheck() == BST_CHECKED;
    const int forms = ChooseNumberRadio();
    if (forms != kNoNumberForms) {
      CMyNavButton& radio = NumberRadio(forms);
      if (!wasChecked)
        SendMessage(WM_COMMAND, MAKEWPARAM(radio.GetDlgCtrlID(), BN_CLICKED),
                    reinterpret_cast<LPARAM>(radio.m_hWnd));
      radio.SetFocus();
      return 0;
    }
  }
  HWND hNext = ::GetNextDlgTabItem(m_hWnd, hFocus, previous);
  if (hNext != nullptr) ::SetFocus(hNext);
  return 0;
}

LRESULT CGramDeclineView::OnArrowKey(WPARAM, LPARAM lParam) {
  if (m_tableType != TableType::Noun) return 0;
  CMyNavButton& other = reinterpret_cast<CWnd*>(lParam) == &m_singular ? m_plural : m_singular;
  if (!other.IsWindowEnabled()) return 0;
  SendMessage(WM_COMMAND, MAKEWPARAM(other.GetDlgCtrlID(), BN_CLICKED),
              reinterpret_cast<LPARAM>(other.m_hWnd));
  other.SetFocus();
  return 0;
}
