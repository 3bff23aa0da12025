#include "tables/win/CHebListBox.h"

#include "classlib/win/CDC.h"
#include "classlib/win/CFont.h"
#include "classlib/win/MessageMap.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/DrawItemFocusFrame.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "hebtext/win/KeyboardState.h"
#include "hebtext/win/SharedControlMessages.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/HebWordRec.h"
#include "tables/core/HebListKeys.h"
#include "tables/win/GrammarViewMessages.h"

IMPLEMENT_DYNAMIC(CHebListBox, CListBox)

BEGIN_MESSAGE_MAP(CHebListBox, CListBox)
  ON_WM_GETDLGCODE()
  ON_WM_SETFOCUS()
  ON_WM_CHAR()
  ON_WM_KEYDOWN()
  ON_CONTROL_REFLECT(LBN_SELCHANGE, OnSelChange)
  ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace {

constexpr COLORREF kSelectedBackground = RGB(0, 0, 0xA0);
constexpr COLORREF kSelectedText = RGB(255, 255, 255);
constexpr COLORREF kItemBackground = RGB(255, 255, 255);
constexpr COLORREF kItemText = RGB(0, 0, 0);
// Room for a verb's root: at most ten letters and the terminator.
constexpr int kRootCapacity = 11;

bool IsDeclensionMode(int mode) {
  return mode >= CHebListBox::kNouns && mode <= CHebListBox::kVocabulary;
}

// The entry's word as letters and vowels (vowels all 0 for a verb root, which
// is drawn without points); 0 letters for an entry outside its table.
int GetEntryWord(int mode, int entry, HebWordRec& word) {
  ClearWordRec(word);
  if (entry < 0) return 0;
  if (mode == CHebListBox::kVerbRoots) {
    BYTE root[kRootCapacity] = {};
    const int count = GetVerbRootLetters(entry, root);
    for (int i = 0; i < count; ++i) word.letters[i] = root[i];
    return count;
  }
  if (!IsDeclensionMode(mode) || static_cast<DWORD>(entry) >= GetNounTableCount(mode)) return 0;
  const BYTE* entries = GetNounTableBlock(mode).Data();
  if (entries == nullptr) return 0;
  return GetNounWord(entries + static_cast<size_t>(entry) * GrammarLayout::kNounEntrySize,
                     word.letters, word.vowels, kWordPlaneSize);
}

}  // namespace

BOOL CHebListBox::Attach(UINT nItemId, CWnd* pParent, int nListMode, CHebEdit* pEdit,
                         UINT nCommandId) {
  m_nListMode = nListMode;
  m_pEdit = pEdit;
  m_nCommandId = nCommandId;
  if (!SubclassDlgItem(nItemId, pParent)) return FALSE;
  // A fixed-height list measures its items once, while it is created and
  // before it is ours: measure them now.
  MEASUREITEMSTRUCT measure = {};
  measure.CtlType = ODT_LISTBOX;
  measure.CtlID = nItemId;
  measure.itemHeight = static_cast<UINT>(GetItemHeight(0));
  MeasureItem(&measure);
  SetItemHeight(0, measure.itemHeight);
  return TRUE;
}

// ---- Entries.

BOOL CHebListBox::GetItemText(int nIndex, CString& text) const {
  text.Empty();
  if (nIndex < 0 || nIndex >= GetCount()) return FALSE;
  if (!IsDeclensionMode(m_nListMode) && m_nListMode != kVerbRoots) return FALSE;
  HebWordRec word;
  const int count = GetEntryWord(m_nListMode, static_cast<int>(GetItemData(nIndex)), word);
  if (m_nListMode == kVerbRoots)
    text = reinterpret_cast<LPCSTR>(word.letters);
  else
    MergeLettersAndVowels(text, word.letters, word.vowels, count);
  return TRUE;
}

void CHebListBox::SelectToEdit(int nIndex) {
  if (m_pEdit == nullptr) return;
  CString text;
  if (GetItemText(nIndex, text)) m_pEdit->SetText(text);
}

void CHebListBox::CenterSelection() {
  SetTopIndex(HebListCenteredTop(GetCurSel(), m_nVisibleRows));
}

// ---- Drawing.

void CHebListBox::DrawItem(LPDRAWITEMSTRUCT pDIS) {
  const bool noItem = pDIS->itemID == static_cast<UINT>(-1);
  if (!noItem && (pDIS->itemAction == ODA_DRAWENTIRE || pDIS->itemAction == ODA_SELECT)) {
    CDC* pDC = CDC::FromHandle(pDIS->hDC);
    const BOOL selected = (pDIS->itemState & ODS_SELECTED) != 0;
    pDC->FillSolidRect(&pDIS->rcItem, selected ? kSelectedBackground : kItemBackground);
    DrawEntry(pDC, pDIS->rcItem, static_cast<int>(pDIS->itemData),
              selected ? kSelectedText : kItemText);
  } else if (!noItem && pDIS->itemAction != ODA_FOCUS) {
    return;  // nothing else changes how an item looks
  }
  DrawItemFocusFrame(pDIS);
}

void CHebListBox::DrawEntry(CDC* pDC, const RECT& item, int nEntry, COLORREF textColor) {
  if (m_pEdit == nullptr) return;
  CFontInfo& font = m_pEdit->GetHebrewFont();
  CFont* pOldFont = pDC->SelectObject(font.GetFont());
  pDC->SetBkMode(TRANSPARENT);
  HebWordRec word;
  const int count = GetEntryWord(m_nListMode, nEntry, word);
  const BOOL withVowels = m_nListMode != kVerbRoots;
  DrawHebrewText(pDC, &font, item.right, item.top, word.letters, word.vowels, count, textColor,
                 textColor, withVowels, kQamatsQatanAsText, nullptr, FALSE, textColor, textColor,
                 kNoHighlight);
  pDC->SelectObject(pOldFont);
}

void CHebListBox::MeasureItem(LPMEASUREITEMSTRUCT pMIS) {
  if (m_pEdit != nullptr)
    pMIS->itemHeight = static_cast<UINT>(m_pEdit->GetHebrewFont().GetLineHeight());
  if (!m_bSizePending || m_hWnd == nullptr) return;
  m_bSizePending = FALSE;
  CRect client;
  GetClientRect(&client);
  const int itemHeight = static_cast<int>(pMIS->itemHeight);
  m_nVisibleRows = HebListVisibleRows(client.Height(), itemHeight);
  // A whole number of rows inside the frame.
  CRect window;
  GetWindowRect(&window);
  const int height = ::GetSystemMetrics(SM_CYDLGFRAME) + ::GetSystemMetrics(SM_CYBORDER) +
                     m_nVisibleRows * itemHeight;
  SetWindowPos(nullptr, 0, 0, window.Width(), height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Input.

UINT CHebListBox::OnGetDlgCode() { return DLGC_WANTALLKEYS | DLGC_WANTCHARS; }

void CHebListBox::OnSetFocus(CWnd* pOldWnd) {
  CListBox::OnSetFocus(pOldWnd);
  SendControlFocus(this);
}

void CHebListBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (m_pEdit == nullptr || !IsHebrewLetter(MapKeyToHebrew(static_cast<int>(nChar)))) return;
  // The letter starts a new entry text in the edit.
  m_pEdit->ClearText(TRUE);
  m_pEdit->SetFocus();
  m_pEdit->SendMessage(WM_CHAR, nChar, MAKELPARAM(nRepCnt, nFlags));
}

void CHebListBox::OnKeyDown(UINT nChar, UINT, UINT) {
  CWnd* pParent = GetParent();
  switch (nChar) {
    case VK_TAB: SendTabToParent(this); return;
    case VK_RETURN:
      SetFocus();
      if (m_nCommandId != 0 && pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, m_nCommandId, 0);
      return;
    default: break;
  }
  const HebListState state{GetCurSel(), GetTopIndex(), m_nVisibleRows, GetCount()};
  const HebListMove move = HebListKeyMove(nChar, state);
  if (!move.moves) return;
  SetTopIndex(move.top);
  MoveTo(move.selected);
}

void CHebListBox::MoveTo(int nIndex) {
  SetCurSel(nIndex);
  SelectToEdit(nIndex);
  if (CWnd* pParent = GetParent()) pParent->SendMessage(WM_HEBLIST_SELECT, nIndex, 0);
}

void CHebListBox::OnSelChange() {
  const int nCurrent = GetCurSel();
  SelectToEdit(nCurrent);
  if (CWnd* pParent = GetParent()) pParent->SendMessage(WM_HEBLIST_SELECT, nCurrent, 0);
}

void CHebListBox::OnLButtonDblClk(UINT, CPoint) {
  Default();
  if (CWnd* pParent = GetParent()) pParent->SendMessage(WM_COMMAND, CHebEdit::kEnterCommand, 0);
}
