// What leaves the declension table: a form copied to the clipboard, and
// the arrival of a dictionary look-up's form.
#include "classlib/win/CDC.h"
#include "classlib/win/CPrintInfo.h"
#include "editor/win/PagePrinter.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/ClipboardText.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/PackedWordRecord.h"
#include "tables/core/KtivKhaser.h"
#include "tables/core/VerbFormCopy.h"
#include "tables/core/VerbTableNavigation.h"
#include "resources/PrepositionTableIds.h"
#include "tables/win/DefinitionWnd.h"
#include "tables/win/GramDeclineView.h"
#include "tables/win/GrammarPrinting.h"

namespace {

constexpr BYTE kSelectTheForm = 0xFF;

// The kind of look-up record each table type takes.
int RecordKindOf(int tableType) {
  switch (tableType) {
    case TableType::Noun: return kKindNoun;
    case TableType::Preposition: return kKindPrep;
    case TableType::Adjective: return kKindAdj;
    default: return kKindVocab;
  }
}

}  // namespace

// ---- Copying.

void CGramDeclineView::CopySelectedForm(bool withoutStress) {
  int cell = GetSelectedCell();
  if (cell < 0) return;
  VerbFormCopy copy =
      BuildVerbFormCopy(m_table.cells[cell], m_alternate, g_ktivKhaser != 0, withoutStress);
  if (copy.text.IsEmpty()) return;
  if (CopyTextToClipboard(copy.text, CF_TEXT, TRUE))
    CopyTextToClipboard(copy.unicode.c_str(), FALSE);
}

void CGramDeclineView::OnCopyForm() { CopySelectedForm(false); }

void CGramDeclineView::OnCopyFormNoMeteg() { CopySelectedForm(true); }

// ---- Arriving from a look-up.

LRESULT CGramDeclineView::OnSetParams(WPARAM wParam, LPARAM lParam) {
  m_lookupRecord = static_cast<DWORD>(wParam);
  m_lookupExtra = static_cast<BYTE>(lParam & 0xFF);
  return 0;
}

LRESULT CGramDeclineView::OnSelectWord(WPARAM wParam, LPARAM) {
  DWORD record = m_lookupRecord;
  m_lookupRecord = 0;
  m_lookupExtra = 0;
  UnpackedWordRec word;
  // An entry the list does not show has no row to go to.
  int row = DecodeWordRecord(record, 0, &word) == RecordKindOf(m_tableType)
                ? ListRowOfEntry(m_rows, word.entryIndex)
                : -1;
  if (row < 0) {
    m_bKeepAlternate = FALSE;
    return 0;
  }
  m_bKeepAlternate = TRUE;
  if (row != m_currentRow || !m_bTableShown) {
    m_list.SetCurSel(row);
    m_list.SelectToEdit(row);
    SelectEntryRow(row);
    OnShowTable();
  }
  if (m_tableType == TableType::Noun && word.numberField != m_shownNumber &&
      (word.numberField == kSingularForms || word.numberField == kPluralForms))
    ShowNumberForms(word.numberField);
  for (int presses = AlternatePresses(m_alternate, m_table.highestAlternate, word.alternative);
       presses > 0; --presses)
    OnAlternateForms();
  m_bKeepAlternate = FALSE;
  DeselectCell();
  const BYTE definition = static_cast<BYTE>(wParam);
  if (definition != kSelectTheForm) {
    if (m_pDefinition == nullptr) return 0;
    m_pDefinition->SendMessage(WM_DEFN_HIGHLIGHT, definition, 0);
    ScrollControlIntoView(m_pDefinition);
    return 0;
  }
  int cell = m_tableType == TableType::Vocabulary ? FirstCell() : word.cell;
  if (cell >= FirstCell() && cell <= LastCell() && !IsGrammarCellEmpty(m_cells[cell]))
    SelectCell(cell);
  return 0;
}

// ---- Printing.

void CGramDeclineView::OnPrintPreviewSheet() {
  RunGrammarPrintSheet(this, m_pageSettings, m_bPageSettingsTaken);
}

BOOL CGramDeclineView::OnPreparePrinting(CPrintInfo* pInfo) {
  if (!m_bTableShown) return FALSE;
  pInfo->SetMinPage(1);
  pInfo->SetMaxPage(1);
  return PrinterSetup(pInfo, &m_pageSettings);
}

void CGramDeclineView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
  if (m_pSearchEdit == nullptr) return;
  GrammarPrintPage page;
  if (!BeginGrammarPrintPage(pDC, pInfo, m_pageSettings, this, m_pSearchEdit->GetHebrewFont(),
                             page))
    return;
  GrammarDrawTarget target{pDC, &page.hebrewFont, page.layout.scale, page.printable.TopLeft(),
                           true};
  for (int cell = FirstCell(); cell <= LastCell(); ++cell)
    DrawGrammarCell(target, m_cells[cell], m_table.cells[cell], m_anchors[cell], m_alternate);
  CFont* pOld = pDC->SelectObject(&page.labelFont);
  pDC->SetTextColor(RGB(0, 0, 0));
  DrawCaptions(target);
  PrintTableKind(target);
  pDC->SelectObject(pOld);
  // The definition at its place, laid out by its own painter.
  if (m_pDefinition == nullptr) return;
  CRect printed = PlaceOnTarget(target, ControlRect(IDC_DECLINE_DEFINITION));
  m_pDefinition->PaintText(pDC, &page.englishFont, &page.hebrewFont, &printed);
}
