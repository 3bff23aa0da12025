#include "tables/win/GramDeclineView.h"

#include <cstring>
#include <string>

#include "classlib/win/AfxMsg.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/ScrollIntoView.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/DestroyAndDelete.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "resources/MainFrameIds.h"
#include "resources/DeclensionTableIds.h"
#include "tables/core/CellRangeWalk.h"
#include "tables/core/DeclensionCaptions.h"
#include "tables/core/KtivKhaser.h"
#include "tables/core/PersonTipText.h"
#include "tables/core/VerbFormCopy.h"
#include "tables/core/VerbTableNavigation.h"
#include "tables/win/DefinitionWnd.h"
#include "tables/win/GrammarViewMessages.h"

IMPLEMENT_DYNAMIC(CGramDeclineView, CGramTableView)

BEGIN_MESSAGE_MAP(CGramDeclineView, CGramTableView)
  ON_EN_CHANGE(IDC_DECLINE_SEARCH, OnSearchChanged)
  ON_COMMAND(CHebEdit::kEnterCommand, OnShowTable)
  ON_BN_CLICKED(IDC_DECLINE_ALTERNATES, OnAlternateForms)
  ON_BN_CLICKED(IDC_DECLINE_KTIV_KHASER, OnKtivKhaser)
  ON_COMMAND(ID_EDIT_COPY, OnCopyForm)
  ON_COMMAND(ID_DECLINE_COPY_NO_METEG, OnCopyFormNoMeteg)
  ON_COMMAND(ID_GRAMMAR_NEXT_FORM, OnNextForm)
  ON_COMMAND(ID_GRAMMAR_PRINT_PREVIEW, OnPrintPreviewSheet)
  ON_WM_LBUTTONDOWN()
  ON_WM_CONTEXTMENU()
  ON_WM_DESTROY()
  ON_MESSAGE(WM_HEBLIST_SELECT, OnListSelect)
  ON_MESSAGE(WM_GRAM_GETMAXALTERNATE, OnGetMaxAlternate)
  ON_MESSAGE(WM_GRAM_GETSELECTEDCELL, OnGetSelectedCell)
  ON_MESSAGE(WM_GRAM_SETPARAMS, OnSetParams)
  ON_MESSAGE(WM_GRAM_SELECTWORD, OnSelectWord)
  ON_BN_CLICKED(IDC_NOUN_SINGULAR, OnSingular)
  ON_BN_CLICKED(IDC_NOUN_PLURAL, OnPlural)
  ON_MESSAGE(WM_NEXTDLGCTL, OnNextDlgCtl)
  ON_MESSAGE(WM_GRAM_ARROWKEY, OnArrowKey)
END_MESSAGE_MAP()

namespace {

// The search edit: right to left, telling the view when it takes the focus.
constexpr DWORD kSearchEditStyle = 10;
// A caption stands this far beside its anchor.
constexpr int kCaptionGap = 5;

// The table type of each template.
struct TemplateType {
  UINT templateId;
  int tableType;
};
constexpr TemplateType kTemplateTypes[] = {
    {IDD_GRAM_NOUN, TableType::Noun},
    {IDD_GRAM_PREPOSITION, TableType::Preposition},
    {IDD_GRAM_ADJECTIVE, TableType::Adjective},
    {IDD_GRAM_VOCABULARY, TableType::Vocabulary},
};

int TableTypeOf(UINT nIDTemplate) {
  for (const TemplateType& entry : kTemplateTypes)
    if (entry.templateId == nIDTemplate) return entry.tableType;
  return TableType::Preposition;
}

}  // namespace

CGramDeclineView::CGramDeclineView(UINT nIDTemplate)
    : CGramTableView(
          nIDTemplate, [this](CPoint logical) { return HitTestCaptions(logical); },
          [this](int index) { return CaptionTip(index); },
          [this](int index) { return m_hoverRects[index]; }),
      m_tableType(TableTypeOf(nIDTemplate)),
      m_nTemplateId(nIDTemplate),
      m_alternate(kFirstSpelling) {
  ClearGrammarCells(m_cells, DeclensionCell::Count);
}

CGramDeclineView::~CGramDeclineView() {
  delete m_pSearchEdit;
  DestroyAndDelete(m_pDefinition);
}

int CGramDeclineView::FirstCell() const { return NounTableFirstCell(m_tableType); }

int CGramDeclineView::LastCell() const { return NounTableLastCell(m_tableType); }

// ---- Set-up.

void CGramDeclineView::OnInitialUpdate() {
  CGramTableView::OnInitialUpdate();
  if (m_bEntriesFilled) return;
  m_bEntriesFilled = TRUE;
  InitPageSettings(&m_pageSettings, 1, -1);
  for (int cell = FirstCell(); cell <= LastCell(); ++cell) {
    CRect anchor = ControlRect(DeclensionCellCaption(m_tableType, cell).controlId);
    m_anchors[cell] = CPoint(anchor.right, anchor.top);
  }
  if (m_tableType == TableType::Noun) {
    m_singular.SubclassDlgItem(IDC_NOUN_SINGULAR, this);
    m_plural.SubclassDlgItem(IDC_NOUN_PLURAL, this);
  }
  m_pDefinition = CDefinitionWnd::CreateInPlace(this, IDC_DECLINE_DEFINITION);
  m_pSearchEdit = CreateHebEditInPlace(this, IDC_DECLINE_SEARCH, TRUE, kSearchEditStyle);
  m_list.Attach(IDC_DECLINE_LIST, this, m_tableType, m_pSearchEdit, CHebEdit::kEnterCommand);
  FillEntryList(kNoCategoryFilter);
  if (m_list.GetCount() > 0) {
    m_list.SetCurSel(0);
    m_list.SelectToEdit(0);
    SelectEntryRow(0);
  }
  if (m_pSearchEdit != nullptr) {
    m_pSearchEdit->SelectAll();
    m_pSearchEdit->SetFocus();
  }
}

// ---- Entries.

const BYTE* CGramDeclineView::EntryOfRow(int row) const {
  if (row < 0 || row >= static_cast<int>(m_rows.rowEntries.size())) return nullptr;
  return GetNounTableBlock(m_tableType).Data() +
         static_cast<size_t>(m_rows.rowEntries[static_cast<size_t>(row)]) *
             GrammarLayout::kNounEntrySize;
}

void CGramDeclineView::FillEntryList(BYTE category) {
  if (m_bFiltered && category == m_category) return;
  m_bFiltered = TRUE;
  m_category = category;
  m_list.ResetContent();
  ShowDefinition(nullptr);
  const GrammarBlock& block = GetNounTableBlock(m_tableType);
  m_rows = ListDeclensionEntries(block.Data(), static_cast<int>(GetNounTableCount(m_tableType)),
                                 category);
  for (int entry : m_rows.rowEntries) {
    int item = m_list.AddString(nullptr);
    m_list.SetItemData(item, static_cast<DWORD_PTR>(entry));
  }
  if (m_rows.rowEntries.empty()) return;
  ClearTable();
  ShowDefinition(EntryOfRow(0));
}

void CGramDeclineView::ShowDefinition(const BYTE* entry) {
  LPCSTR definition = entry != nullptr ? GetNounDefinition(entry) : nullptr;
  SetDlgItemText(IDC_DECLINE_DEFINITION, definition != nullptr ? definition : "");
}

void CGramDeclineView::OnSearchChanged() {
  if (m_pSearchEdit == nullptr) return;
  CString text;
  m_pSearchEdit->GetText(text);
  int row = IncrementalSearchRow(TypedEntryWord(text), m_list.GetCount(),
                                 [this](int r, EntrySearchWord& word) {
                                   const BYTE* entry = EntryOfRow(r);
                                   if (entry == nullptr) return false;
                                   word = DeclensionEntryWord(entry);
                                   return true;
                                 });
  if (row < 0 || row == m_list.GetCurSel()) return;
  m_list.SetCurSel(row);
  m_list.CenterSelection();
  SelectEntryRow(row);
}

LRESULT CGramDeclineView::OnListSelect(WPARAM wParam, LPARAM) {
  SelectEntryRow(static_cast<int>(wParam));
  return 0;
}

void CGramDeclineView::SelectEntryRow(int row) {
  if (row == m_currentRow) {
    m_bTableShown = FALSE;
    return;
  }
  if (!m_bKeepAlternate) m_alternate = kFirstSpelling;
  ClearTable();
  ShowDefinition(EntryOfRow(row));
  if (m_tableType == TableType::Noun) SetNumberRadios(EntryOfRow(row));
  if (m_tableType == TableType::Noun || m_tableType == TableType::Vocabulary)
    ShowGenderText(EntryOfRow(row));
  m_currentRow = row;
  m_bTableShown = FALSE;
}

void CGramDeclineView::ClearTable() {
  CloseTip();
  m_table = DeclensionTable{};
  ClearGrammarCells(m_cells, DeclensionCell::Count);
  ShowDefinition(nullptr);
  UpdateAlternateButton();
  Invalidate();
}

// ---- Building.

void CGramDeclineView::OnShowTable() {
  int row = m_list.GetCurSel();
  if (EntryOfRow(row) == nullptr) return;
  if (!m_bKeepAlternate) m_alternate = kFirstSpelling;
  m_currentRow = row;
  BuildTable();
  m_bTableShown = TRUE;
}

void CGramDeclineView::BuildTable() {
  const BYTE* entry = EntryOfRow(m_currentRow);
  ClearTable();
  ShowDefinition(entry);
  DeclensionTableRequest request;
  request.entry = entry;
  request.tableType = m_tableType;
  request.ktivKhaser = g_ktivKhaser != 0;
  if (m_tableType == TableType::Noun) {
    request.nounForms = ChooseNumberRadio();
    request.radios = m_radios;
    m_shownNumber = request.nounForms;
  }
  BuildDeclensionTable(m_context, request, m_table);
  for (int cell = FirstCell(); cell <= LastCell(); ++cell) {
    const VerbTableCell& content = m_table.cells[cell];
    if (!content.filled) continue;
    GrammarCell& shown = m_cells[cell];
    shown.top = 0;
    shown.shown = content.shown;
    shown.source = content.source;
    std::memcpy(shown.shownAlternates, content.shownOffsets, sizeof shown.shownAlternates);
    std::memcpy(shown.sourceAlternates, content.sourceOffsets, sizeof shown.sourceAlternates);
    if (m_pSearchEdit != nullptr)
      MeasureGrammarCell(shown, content, m_pSearchEdit->GetHebrewFont(), m_alternate);
  }
  UpdateAlternateButton();
  Invalidate();
}

void CGramDeclineView::UpdateAlternateButton() {
  CWnd* pButton = GetDlgItem(IDC_DECLINE_ALTERNATES);
  if (pButton != nullptr) pButton->EnableWindow(m_table.highestAlternate >= 0);
}

void CGramDeclineView::OnAlternateForms() {
  DeselectCell();
  CloseTip();
  m_alternate = NextAlternate(m_alternate, m_table.highestAlternate);
  RedrawCells(-1, true);
}

void CGramDeclineView::OnKtivKhaser() {
  g_ktivKhaser = !g_ktivKhaser;
  if (!m_bTableShown) return;
  // Built again in the other spelling: the alternate stays.
  m_bKeepAlternate = TRUE;
  OnShowTable();
  m_bKeepAlternate = FALSE;
}

// ---- Drawing.

void CGramDeclineView::RedrawCells(int cell, bool onlyWithAlternates) {
  if (m_pSearchEdit == nullptr) return;
  for (int c = FirstCell(); c <= LastCell(); ++c) {
    if ((cell >= 0 && c != cell) || IsGrammarCellEmpty(m_cells[c])) continue;
    if (onlyWithAlternates && m_table.cells[c].alternates == 0) continue;
    // The old rectangle, then the new spelling's.
    InvalidateRect(LogicalToDevice(GrammarCellRect(m_cells[c], m_anchors[c])));
    MeasureGrammarCell(m_cells[c], m_table.cells[c], m_pSearchEdit->GetHebrewFont(), m_alternate);
    InvalidateRect(LogicalToDevice(GrammarCellRect(m_cells[c], m_anchors[c])));
  }
}

void CGramDeclineView::DrawCaptions(const GrammarDrawTarget& target) {
  // On the page the caller's label font stays selected.
  CFont* pOld = target.printing ? nullptr : target.pDC->SelectObject(GetFont());
  target.pDC->SetBkMode(TRANSPARENT);
  target.pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
  for (int cell = FirstCell(); cell <= LastCell(); ++cell) {
    DeclensionCaption caption = DeclensionCellCaption(m_tableType, cell);
    if (caption.controlId == 0) break;
    CRect control = ControlRect(caption.controlId);
    CSize size = target.pDC->GetTextExtent(caption.text);
    CPoint at(ScaledGrammarValue(control.left + kCaptionGap, target.scale),
              ScaledGrammarValue(control.CenterPoint().y, target.scale) - size.cy / 2);
    at += target.offset;
    target.pDC->TextOut(at.x, at.y, caption.text);
    int index = CaptionRectIndex(m_tableType, cell);
    if (!target.printing && index >= 0) m_hoverRects[index] = CRect(at, size);
  }
  if (pOld != nullptr) target.pDC->SelectObject(pOld);
}

void CGramDeclineView::OnDraw(CDC* pDC) {
  if (m_pSearchEdit == nullptr) return;
  GrammarDrawTarget target{pDC, &m_pSearchEdit->GetHebrewFont(), 1.0, CPoint(0, 0), false};
  for (int cell = FirstCell(); cell <= LastCell(); ++cell)
    DrawGrammarCell(target, m_cells[cell], m_table.cells[cell], m_anchors[cell], m_alternate);
  DrawCaptions(target);
}

// ---- Selection.

int CGramDeclineView::HitTestCells(CPoint logical) const {
  return HitTestGrammarCells(m_cells, m_anchors, DeclensionCell::Count, logical);
}

int CGramDeclineView::HitTestCaptions(CPoint logical) const {
  for (int index = 0; index < DeclensionCell::Count; ++index)
    if (!m_hoverRects[index].IsRectEmpty() && m_hoverRects[index].PtInRect(logical)) return index;
  return -1;
}

int CGramDeclineView::GetSelectedCell() const {
  return FindSelectedCell(m_cells, DeclensionCell::Count);
}

void CGramDeclineView::DeselectCell() {
  int selected = GetSelectedCell();
  if (selected < 0) return;
  m_cells[selected].selected = 0;
  RedrawCells(selected);
}

void CGramDeclineView::SelectCell(int cell) {
  DeselectCell();
  m_cells[cell].selected = 1;
  RedrawCells(cell);
  ScrollCellIntoView(cell);
}

void CGramDeclineView::ScrollCellIntoView(int cell) {
  // The cell with its own caption.
  CRect area = GrammarCellRect(m_cells[cell], m_anchors[cell]);
  int caption = CaptionRectIndex(m_tableType, cell);
  if (caption >= 0 && !m_hoverRects[caption].IsRectEmpty())
    area.UnionRect(&area, &m_hoverRects[caption]);
  CRect client;
  GetClientRect(&client);
  CRect visible = DeviceToLogical(client);
  POINT position = ScrollPositionToShow(visible, area);
  if (position.x != visible.left || position.y != visible.top) ScrollToPosition(position);
}

void CGramDeclineView::OnLButtonDown(UINT nFlags, CPoint point) {
  CGramTableView::OnLButtonDown(nFlags, point);
  int cell = HitTestCells(DeviceToLogical(point));
  if (cell >= 0) SelectCell(cell);
}

void CGramDeclineView::OnNextForm() {
  int next = NextFilledCell(GetSelectedCell(), FirstCell(), LastCell(), [this](int cell) {
    return m_table.cells[cell].filled &&
           CellSpelling(m_table.cells[cell], m_alternate, false).letters[0] != 0;
  });
  if (next >= 0 && next != GetSelectedCell()) SelectCell(next);
}

// ---- Hover tips.

std::string CGramDeclineView::CaptionTip(int rectIndex) const {
  DeclensionTipRequest request = TipRequestForCaption(m_tableType, rectIndex);
  return BuildPersonTip(request.person, request.style);
}

void CGramDeclineView::OnDestroy() {
  CGramTableView::OnDestroy();
  if (m_pSearchEdit != nullptr) m_pSearchEdit->DestroyWindow();
}

// ---- Answers to the main frame.

LRESULT CGramDeclineView::OnGetMaxAlternate(WPARAM, LPARAM) { return m_table.highestAlternate; }

LRESULT CGramDeclineView::OnGetSelectedCell(WPARAM, LPARAM) { return GetSelectedCell(); }

void CGramDeclineView::OnContextMenu(CWnd*, CPoint point) {
  CPoint client = point;
  ScreenToClient(&client);
  int cell = HitTestCells(DeviceToLogical(client));
  if (cell < 0) return;
  SelectCell(cell);
  CMenu menu;
  if (!menu.CreatePopupMenu()) return;
  menu.AppendMenu(MF_STRING, ID_EDIT_COPY, "&Copy to Clipboard");
  if (!g_ktivKhaser && HasStressMarks(CellSpelling(m_table.cells[cell], m_alternate, false)))
    menu.AppendMenu(MF_STRING, ID_DECLINE_COPY_NO_METEG, "Copy to Clipboard (No &METEG)");
  menu.TrackPopupMenu(TPM_CENTERALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}
