// What leaves the verb table: a form copied to the clipboard, the table
// printed or previewed, and the arrival of a dictionary look-up's form.
#include "classlib/win/AfxRes.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CFont.h"
#include "classlib/win/WindowDCs.h"
#include "classlib/win/CPrintInfo.h"
#include "editor/win/PagePrinter.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/ClipboardText.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/VerbFormGenerator.h"
#include "resources/VerbTableIds.h"
#include "tables/core/KtivKhaser.h"
#include "tables/core/VerbFormCopy.h"
#include "tables/core/VerbTableNavigation.h"
#include "tables/win/GramKinuiView.h"
#include "tables/win/GramVerbView.h"
#include "tables/win/DefinitionWnd.h"
#include "tables/win/GrammarFrame.h"
#include "tables/win/GrammarPrinting.h"
#include "tables/win/GrammarViewMessages.h"

namespace {

constexpr COLORREF kPrintedRoot = RGB(0, 0, 255);
constexpr BYTE kNoFollowUp = 0xFF;
const char* const kFormSetNames[VerbFormSet::Count] = {"Regular Forms", "Vav Inversive", "Pausal"};
// The statics printed as text at their places ("&" removed).
const UINT kPrintedLabels[] = {
    IDC_VERB_ROOT_LABEL, IDC_VERB_PREPOSITIONS_LABEL, IDC_VERB_PRESENT,    IDC_VERB_PAST,
    IDC_VERB_FUTURE,     IDC_VERB_IMPERATIVE,         IDC_VERB_INFINITIVE, IDC_VERB_PARTICIPLE};

}  // namespace

// ---- Copying.

void CGramVerbView::CopySelectedForm(bool withoutStress) {
  int slot = GetSelectedForm();
  if (slot < 0) return;
  VerbFormCopy copy = BuildVerbFormCopy(m_sets[m_formSet].cells[slot], m_alternate,
                                        g_ktivKhaser != 0, withoutStress);
  if (copy.text.IsEmpty()) return;
  if (CopyTextToClipboard(copy.text, CF_TEXT, TRUE))
    CopyTextToClipboard(copy.unicode.c_str(), FALSE);
}

void CGramVerbView::OnCopyForm() { CopySelectedForm(false); }

void CGramVerbView::OnCopyFormNoMeteg() { CopySelectedForm(true); }

// ---- Printing.

void CGramVerbView::OnPrintPreviewSheet() {
  RunGrammarPrintSheet(this, m_pageSettings, m_bPageSettingsTaken);
}

BOOL CGramVerbView::OnPreparePrinting(CPrintInfo* pInfo) {
  if (!m_bTableBuilt) return FALSE;
  pInfo->SetMinPage(1);
  pInfo->SetMaxPage(1);
  return PrinterSetup(pInfo, &m_pageSettings);
}

void CGramVerbView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
  if (m_pRootEdit == nullptr) return;
  GrammarPrintPage page;
  if (!BeginGrammarPrintPage(pDC, pInfo, m_pageSettings, this, m_pRootEdit->GetHebrewFont(), page))
    return;
  const GrammarPrintLayout& layout = page.layout;
  const CRect& printable = page.printable;
  CFontInfo& printFont = page.hebrewFont;
  DrawTarget target{pDC, &printFont, layout.scale, printable.TopLeft(), true};
  for (int slot = 0; slot < kVerbTableSlots; ++slot) DrawCell(target, slot);
  DrawPrepositions(target);

  // The labels, headings and the list's place: text at the controls' places.
  CFont* pOld = pDC->SelectObject(&page.labelFont);
  pDC->SetTextColor(RGB(0, 0, 0));
  auto at = [&](const CRect& control) {
    return CPoint(static_cast<int>(control.left * layout.scale) + printable.left,
                  static_cast<int>(control.top * layout.scale) + printable.top);
  };
  for (UINT id : kPrintedLabels) {
    CWnd* pLabel = GetDlgItem(id);
    // The preview hides the view: the label's own style says whether it shows.
    if (pLabel == nullptr || (pLabel->GetStyle() & WS_VISIBLE) == 0) continue;
    CString text;
    pLabel->GetWindowText(text);
    text.Remove('&');
    CRect control = ControlRect(id);
    CPoint place = at(control);
    // The headings stand right-aligned over their columns.
    if ((pLabel->GetStyle() & SS_TYPEMASK) == SS_RIGHT)
      place.x = at(CRect(control.right, control.top, control.right, control.bottom)).x -
                pDC->GetTextExtent(text).cx;
    pDC->TextOut(place.x, place.y, text);
  }
  CRect list = ControlRect(IDC_VERB_LIST);
  CPoint place = at(list);
  CString binyanName;
  GetBinyanName(m_binyan, binyanName);
  CString line;
  line.Format("Binyan: %s", static_cast<LPCSTR>(binyanName));
  pDC->TextOut(place.x, place.y, line);
  CSize lineSize = pDC->GetTextExtent(line);
  pDC->TextOut(place.x, place.y + lineSize.cy, kFormSetNames[m_formSet]);
  // Captions in the printer's label font.
  DrawCaptions(target);
  pDC->SelectObject(pOld);

  // The root, unpointed, where the edit stands.
  CString root;
  m_list.GetItemText(m_list.GetCurSel(), root);
  CRect edit = ControlRect(IDC_VERB_ROOT);
  CPoint rootAt = at(edit);
  CFont* pOldHebrew = pDC->SelectObject(printFont.GetFont());
  DrawHebrewText(pDC, &printFont, rootAt.x + static_cast<int>(edit.Width() * layout.scale),
                 rootAt.y, reinterpret_cast<const BYTE*>(static_cast<LPCSTR>(root)), nullptr,
                 root.GetLength(), kPrintedRoot, kPrintedRoot, FALSE, kQamatsQatanAsText, nullptr,
                 FALSE, kPrintedRoot, kPrintedRoot, kNoHighlight);
  pDC->SelectObject(pOldHebrew);
  // The definition at its place.
  if (m_pDefinition != nullptr) {
    const CRect control = ControlRect(IDC_VERB_DEFINITION);
    const CPoint topLeft = at(control);
    const CPoint bottomRight = at(CRect(control.BottomRight(), control.BottomRight()));
    m_pDefinition->PrintText(pDC, layout.scale, CRect(topLeft, bottomRight));
  }
}

// ---- Arriving from a look-up.

LRESULT CGramVerbView::OnSetParams(WPARAM wParam, LPARAM lParam) {
  m_lookupRecord = static_cast<DWORD>(wParam);
  m_lookupExtra = static_cast<BYTE>(lParam & 0xFF);
  return 0;
}

LRESULT CGramVerbView::OnSelectWord(WPARAM, LPARAM) {
  DWORD record = m_lookupRecord;
  BYTE extra = m_lookupExtra;
  m_lookupRecord = 0;
  m_lookupExtra = 0;
  UnpackedWordRec word;
  // The extra byte says what to show, not which spelling variant.
  if (DecodeWordRecord(record, 0, &word) != kKindVerb || word.entryIndex >= GetVerbCount() ||
      word.binyan < 0 || word.binyan >= Binyan::kCount || word.formSlot >= kVerbTableSlots) {
    m_bLookupInProgress = FALSE;
    return 0;
  }
  m_bLookupInProgress = TRUE;
  // The spelling follows the look-up only with the General/NikudToggle
  // preference, which the program does not offer yet (its default is off).
  if (m_verb != word.entryIndex || !m_bTableBuilt) {
    m_list.SetCurSel(word.entryIndex);
    m_list.SelectToEdit(word.entryIndex);
    SelectVerb(word.entryIndex);
    if (m_binyanButtons[word.binyan].IsWindowEnabled()) CheckBinyan(word.binyan);
    BuildTable();
  }
  if (m_binyan != word.binyan && m_binyanButtons[word.binyan].IsWindowEnabled()) {
    CheckBinyan(word.binyan);
    SendMessage(WM_COMMAND, IDC_VERB_PAAL + word.binyan,
                reinterpret_cast<LPARAM>(m_binyanButtons[word.binyan].m_hWnd));
    m_binyanButtons[word.binyan].SetFocus();
  }
  int formSet = word.vavInversive ? VerbFormSet::VavInversive : VerbFormSet::Regular;
  if (formSet != m_formSet) {
    m_formSetCombo.SetCurSel(formSet);
    OnFormSetChanged();
  }
  for (int presses =
           AlternatePresses(m_alternate, m_sets[m_formSet].highestAlternate, word.alternative);
       presses > 0; --presses)
    OnAlternateForms();
  m_bLookupInProgress = FALSE;
  DeselectCell();
  if (extra != kNoFollowUp) {
    // Another extra byte is the definition whose keyword the look-up found.
    if (m_pDefinition != nullptr) m_pDefinition->SendMessage(WM_DEFN_HIGHLIGHT, extra);
  } else if (!IsGrammarCellEmpty(m_cells[m_formSet][word.formSlot])) {
    SelectSlot(word.formSlot);
  }
  Invalidate();
  // A suffixed form or an infinitive noun goes on to the suffix table,
  // which selects it there.
  if (word.pronominalSuffix != 0 &&
      HandOverSelectedForm(word.suffixBase != 0 ? kKinuiInfinitiveNoun : kKinuiSuffixForms)) {
    CWnd* pSuffixView = GetGrammarFrame()->GetGrammarView();
    pSuffixView->SendMessage(WM_GRAM_SETPARAMS, record, extra);
    pSuffixView->PostMessage(WM_GRAM_SELECTWORD, 0, 0);
  }
  return 0;
}
