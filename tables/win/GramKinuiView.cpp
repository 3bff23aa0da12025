#include "tables/win/GramKinuiView.h"

#include <cstring>
#include <string>

#include "classlib/win/AfxMsg.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/Preferences.h"
#include "hebtext/core/ScrollIntoView.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/ClipboardText.h"
#include "hebtext/win/DestroyAndDelete.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/PackedWordRecord.h"
#include "lexicon/core/VerbFormGenerator.h"
#include "resources/KinuiTableIds.h"
#include "resources/MainFrameIds.h"
#include "resources/VerbTableIds.h"
#include "speech/win/TranslWin.h"
#include "tables/core/DefinitionMarkup.h"
#include "tables/core/KinuiCellSpelling.h"
#include "tables/core/KinuiNavigation.h"
#include "tables/core/KtivKhaser.h"
#include "tables/core/PersonTipText.h"
#include "tables/core/TableMarkup.h"
#include "tables/core/VerbFormCopy.h"
#include "tables/core/VerbTableNavigation.h"
#include "tables/win/DefinitionWnd.h"
#include "tables/win/GrammarViewMessages.h"
#include "tables/win/TableMarkupPaint.h"

IMPLEMENT_DYNCREATE(CGramKinuiView, CGramTableView)

BEGIN_MESSAGE_MAP(CGramKinuiView, CGramTableView)
  ON_BN_CLICKED(IDC_KINUI_ALTERNATES, OnAlternateForms)
  ON_BN_CLICKED(IDC_KINUI_KTIV_KHASER, OnKtivKhaser)
  ON_COMMAND(ID_EDIT_COPY, OnCopyCell)
  ON_COMMAND(ID_VERB_COPY_NO_METEG, OnCopyCellNoMeteg)
  ON_COMMAND(ID_GRAMMAR_NEXT_FORM, OnSelectNextForm)
  ON_COMMAND(ID_GRAMMAR_PRINT_PREVIEW, OnPrintPreviewSheet)
  ON_WM_LBUTTONDOWN()
  ON_WM_CONTEXTMENU()
  ON_MESSAGE(WM_GRAM_GETMAXALTERNATE, OnGetMaxAlternate)
  ON_MESSAGE(WM_GRAM_GETSELECTEDCELL, OnGetSelectedCell)
  ON_MESSAGE(WM_GRAM_SETPARAMS, OnSetParams)
  ON_MESSAGE(WM_GRAM_SELECTWORD, OnSelectWord)
END_MESSAGE_MAP()

namespace {

// A cell's background is erased this far beyond the text on each side.
constexpr int kEraseLeft = 3;
constexpr int kEraseRight = 4;
constexpr COLORREF kSelectedText = RGB(255, 255, 255);
constexpr COLORREF kLabelColour = RGB(0, 0, 0);
// The General/NikudToggle value with which a look-up sets the spelling.
constexpr int kNikudToggleOn = 1;

// The placeholders in cell order; BuildForms, the drawing and the labels
// all index this table.
const UINT kCellIds[kKinuiCells] = {IDC_KINUI_FORM, IDC_KINUI_S1,  IDC_KINUI_S2M, IDC_KINUI_S2F,
                                    IDC_KINUI_S3M,  IDC_KINUI_S3F, IDC_KINUI_P1,  IDC_KINUI_P2M,
                                    IDC_KINUI_P2F,  IDC_KINUI_P3M, IDC_KINUI_P3F, IDC_KINUI_ROOT};

int Scaled(int value, double scale) { return static_cast<int>(value * scale); }

CRect Widened(CRect rect) {
  rect.left -= kEraseLeft;
  rect.right += kEraseRight;
  return rect;
}

}  // namespace

CGramKinuiView::CGramKinuiView()
    : CGramTableView(
          IDD_GRAM_KINUI, [this](CPoint logical) { return HitTestLabels(logical); },
          [this](int label) { return BuildPersonTip(label, m_request.mode); },
          [this](int label) { return m_labelRects[label]; }),
      m_alternate(kFirstSpelling) {
  ClearGrammarCells(m_table.cells, kKinuiCells);
  m_table.highestAlternate = kFirstSpelling;
}

CGramKinuiView::~CGramKinuiView() = default;

// ---- Set-up.

void CGramKinuiView::OnInitialUpdate() {
  CGramTableView::OnInitialUpdate();
  if (m_bInitialised) return;
  m_bInitialised = TRUE;
  InitPageSettings(&m_pageSettings, 1, -1);
  for (int c = 0; c < kKinuiCells; ++c) {
    const CRect placeholder = ControlRect(kCellIds[c]);
    m_anchors[c] = CPoint(placeholder.right, placeholder.top);
  }
  m_pDefinition = CDefinitionWnd::CreateInPlace(this, IDC_KINUI_MEANING);
}

CFontInfo* CGramKinuiView::FormFont() const { return GetMarkupHebrewFont(); }

// ---- Building.

void CGramKinuiView::ShowForms(const KinuiRequest& request, int verb) {
  CloseTip();
  m_request = request;
  m_verb = verb;
  m_alternate = kFirstSpelling;
  m_table.highestAlternate = kFirstSpelling;
  BuildForms();
}

void CGramKinuiView::BuildForms() {
  ShowMeaning();
  m_request.ktivKhaser = g_ktivKhaser != 0;
  if (BuildKinuiTable(m_context, m_request, m_table)) m_bTableShown = TRUE;
  for (int c = 0; c < kKinuiCells; ++c) MeasureCell(c);
  // The header names the new form even when the old cells stay.
  Invalidate();
}

void CGramKinuiView::ShowMeaning() {
  LPCSTR meaning = m_verb >= 0 ? GetVerbMeaning(m_verb, m_request.binyan) : nullptr;
  // A verb without a meaning keeps the text shown.
  if (meaning != nullptr && m_pDefinition != nullptr) m_pDefinition->SetWindowText(meaning);
}

// ---- Drawing.

void CGramKinuiView::MeasureCell(int cell) {
  GrammarCell& grammarCell = m_table.cells[cell];
  CFontInfo* pFont = FormFont();
  if (IsGrammarCellEmpty(grammarCell) || pFont == nullptr) return;
  const KinuiSpelling spelling = KinuiCellSpelling(grammarCell, cell, m_alternate);
  const int width =
      MeasureHebrewText(*pFont, grammarCell.shown.letters + spelling.offset,
                        grammarCell.shown.vowels + spelling.offset, -1, !g_ktivKhaser);
  grammarCell.left = -width;
  grammarCell.right = 0;
  grammarCell.bottom = pFont->GetLineHeight();
}

void CGramKinuiView::DrawCell(const DrawTarget& target, int cell) {
  const GrammarCell& grammarCell = m_table.cells[cell];
  if (IsGrammarCellEmpty(grammarCell)) return;
  const KinuiSpelling spelling = KinuiCellSpelling(grammarCell, cell, m_alternate);
  const BYTE* letters = grammarCell.shown.letters + spelling.offset;
  const int count = static_cast<int>(
      strnlen(reinterpret_cast<const char*>(letters), kWordPlaneSize - 1 - spelling.offset));
  if (count == 0) return;
  const CRect rect = GrammarCellRect(grammarCell, m_anchors[cell]);
  CRect drawn(Scaled(rect.left, target.scale), Scaled(rect.top, target.scale),
              Scaled(rect.right, target.scale), Scaled(rect.bottom, target.scale));
  drawn.OffsetRect(target.offset);
  const bool selected = grammarCell.selected != 0 && !target.printing;
  if (!target.printing) {
    const CRect background = Widened(drawn);
    target.pDC->FillSolidRect(&background,
                              selected ? spelling.colour : ::GetSysColor(COLOR_BTNFACE));
  }
  const COLORREF colour = selected ? kSelectedText : spelling.colour;
  target.pDC->SetBkMode(TRANSPARENT);
  CFont* pOld = target.pDC->SelectObject(target.pFormFont->GetFont());
  DrawHebrewText(target.pDC, target.pFormFont, drawn.right, drawn.top, letters,
                 grammarCell.shown.vowels + spelling.offset, count, colour, colour, !g_ktivKhaser,
                 kQamatsQatanAsText, nullptr, FALSE, colour, colour, kNoHighlight);
  target.pDC->SelectObject(pOld);
}

void CGramKinuiView::DrawHeader(const DrawTarget& target) {
  if (!m_bTableShown) return;
  CString binyanName;
  GetBinyanName(m_request.binyan, binyanName);
  const std::string text =
      KinuiHeaderText(m_request.slot, m_request.mode, static_cast<LPCSTR>(binyanName),
                      target.printing, target.scale);
  TableMarkupHandle table = ParseTableMarkup(text.c_str());
  if (table == nullptr) return;
  MeasureTableMarkup(*table);
  CRect placeholder = ControlRect(IDC_KINUI_HEADER);
  placeholder =
      CRect(Scaled(placeholder.left, target.scale), Scaled(placeholder.top, target.scale),
            Scaled(placeholder.right, target.scale), Scaled(placeholder.bottom, target.scale));
  const SIZE size = {table->bounds.right, table->bounds.bottom};
  CPoint origin = KinuiHeaderOrigin(placeholder, size);
  origin += target.offset;
  DrawTableMarkup(*table, target.pDC, origin);
  FreeTableMarkup(table);
}

void CGramKinuiView::DrawLabels(const DrawTarget& target) {
  // On the page the caller's label font stays selected.
  CFont* pOld = target.printing ? nullptr : target.pDC->SelectObject(GetFont());
  TEXTMETRIC metrics = {};
  target.pDC->GetTextMetrics(&metrics);
  const int labelHeight = metrics.tmHeight;
  const int formHeight = target.pFormFont->GetLineHeight();
  target.pDC->SetBkMode(TRANSPARENT);
  target.pDC->SetTextColor(kLabelColour);
  for (int c = 1; c < kKinuiCells; ++c) {
    const char* label = KinuiCellLabel(c);
    CRect placeholder = ControlRect(kCellIds[c]);
    placeholder =
        CRect(Scaled(placeholder.left, target.scale), Scaled(placeholder.top, target.scale),
              Scaled(placeholder.right, target.scale), Scaled(placeholder.bottom, target.scale));
    CPoint at = KinuiLabelOrigin(placeholder, formHeight, labelHeight);
    at += target.offset;
    const int length = static_cast<int>(std::strlen(label));
    target.pDC->TextOut(at.x, at.y, label, length);
    if (!target.printing) m_labelRects[c] = CRect(at, target.pDC->GetTextExtent(label, length));
  }
  if (pOld != nullptr) target.pDC->SelectObject(pOld);
}

void CGramKinuiView::OnDraw(CDC* pDC) {
  CFontInfo* pFont = FormFont();
  if (pFont == nullptr) return;
  DrawTarget target{pDC, pFont, 1.0, CPoint(0, 0), false};
  for (int c = 0; c < kKinuiCells; ++c) DrawCell(target, c);
  DrawLabels(target);
  DrawHeader(target);
}

void CGramKinuiView::RedrawCells(int cell, bool onlyAlternates) {
  for (int c = 0; c < kKinuiCells; ++c) {
    const GrammarCell& grammarCell = m_table.cells[c];
    if ((cell >= 0 && c != cell) || IsGrammarCellEmpty(grammarCell)) continue;
    if (onlyAlternates && !HasKinuiAlternates(grammarCell)) continue;
    // The old rectangle, then the new spelling's.
    InvalidateRect(LogicalToDevice(Widened(GrammarCellRect(grammarCell, m_anchors[c]))));
    MeasureCell(c);
    InvalidateRect(LogicalToDevice(Widened(GrammarCellRect(grammarCell, m_anchors[c]))));
  }
}

// ---- Spellings.

void CGramKinuiView::OnAlternateForms() {
  DeselectCell();
  DestroyTranslWin();
  m_alternate = NextAlternate(m_alternate, m_table.highestAlternate);
  RedrawCells(-1, true);
}

void CGramKinuiView::OnKtivKhaser() {
  g_ktivKhaser = !g_ktivKhaser;
  DestroyTranslWin();
  // Rebuilt in place: the alternate index stays.
  if (m_bTableShown) BuildForms();
}

// ---- Selection.

int CGramKinuiView::GetSelectedCell() const {
  // The root is never selected.
  return FindSelectedCell(m_table.cells, kKinuiFormCells);
}

int CGramKinuiView::HitTestCells(CPoint logical) const {
  return HitTestGrammarCells(m_table.cells, m_anchors, kKinuiFormCells, logical);
}

int CGramKinuiView::HitTestLabels(CPoint logical) const {
  for (int c = 1; c < kKinuiCells; ++c)
    if (m_labelRects[c].PtInRect(logical)) return c;
  return -1;
}

void CGramKinuiView::DeselectCell() {
  const int selected = GetSelectedCell();
  if (selected < 0) return;
  m_table.cells[selected].selected = 0;
  RedrawCells(selected);
}

void CGramKinuiView::SelectCell(int cell) {
  DeselectCell();
  DestroyTranslWin();
  m_table.cells[cell].selected = 1;
  RedrawCells(cell);
}

int CGramKinuiView::SelectCellAt(CPoint point) {
  // A click beside every form leaves none selected.
  DeselectCell();
  DestroyTranslWin();
  const int cell = HitTestCells(DeviceToLogical(point));
  if (cell >= 0) SelectCell(cell);
  return cell;
}

void CGramKinuiView::ScrollCellIntoView(int cell) {
  CRect area = GrammarCellRect(m_table.cells[cell], m_anchors[cell]);
  area.UnionRect(&area, &m_labelRects[cell]);
  CRect client;
  GetClientRect(&client);
  const CRect visible = DeviceToLogical(client);
  const POINT position = ScrollPositionToShow(visible, area);
  if (position.x != visible.left || position.y != visible.top) ScrollToPosition(position);
}

void CGramKinuiView::SpeakCell(int cell) {
  // The program has no speech engine to speak the form with: only the
  // transcription of an earlier word goes.
  if (KinuiCellText(m_table.cells[cell], m_alternate, true).letters[0] == 0) return;
  DestroyTranslWin();
}

void CGramKinuiView::OnLButtonDown(UINT nFlags, CPoint point) {
  CGramTableView::OnLButtonDown(nFlags, point);
  const int cell = SelectCellAt(point);
  if (cell < 0) return;
  ScrollCellIntoView(cell);
  SpeakCell(cell);
}

void CGramKinuiView::OnSelectNextForm() {
  const int selected = GetSelectedCell();
  const int next = NextKinuiCell(selected, [this](int cell) {
    return KinuiCellText(m_table.cells[cell], m_alternate, false).letters[0] != 0;
  });
  if (next < 0 || next == selected) return;
  SelectCell(next);
  ScrollCellIntoView(next);
  SpeakCell(next);
}

// ---- Copying.

void CGramKinuiView::CopyCell(bool keepMeteg) {
  const int selected = GetSelectedCell();
  if (selected < 0) return;
  const bool ktivKhaser = g_ktivKhaser != 0;
  const VerbFormCopy copy = BuildFormCopy(
      KinuiCellText(m_table.cells[selected], m_alternate, !ktivKhaser), ktivKhaser, !keepMeteg);
  if (copy.text.IsEmpty()) return;
  if (CopyTextToClipboard(copy.text, CF_TEXT, TRUE))
    CopyTextToClipboard(copy.unicode.c_str(), FALSE);
}

void CGramKinuiView::OnCopyCell() { CopyCell(true); }

void CGramKinuiView::OnCopyCellNoMeteg() { CopyCell(false); }

void CGramKinuiView::OnContextMenu(CWnd*, CPoint point) {
  CPoint client = point;
  ScreenToClient(&client);
  const int cell = SelectCellAt(client);
  if (cell < 0) return;
  CMenu menu;
  if (!menu.CreatePopupMenu()) return;
  menu.AppendMenu(MF_STRING, ID_EDIT_COPY, "&Copy to Clipboard");
  if (!g_ktivKhaser && HasStressMarks(KinuiCellText(m_table.cells[cell], m_alternate, false)))
    menu.AppendMenu(MF_STRING, ID_VERB_COPY_NO_METEG, "Copy to Clipboard (No &METEG)");
  menu.TrackPopupMenu(TPM_CENTERALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

// ---- Answers to the main frame and the verb table.

LRESULT CGramKinuiView::OnGetMaxAlternate(WPARAM, LPARAM) { return m_table.highestAlternate; }

LRESULT CGramKinuiView::OnGetSelectedCell(WPARAM, LPARAM) { return GetSelectedCell(); }

LRESULT CGramKinuiView::OnSetParams(WPARAM wParam, LPARAM lParam) {
  m_wordReference = static_cast<DWORD>(wParam);
  m_referenceExtra = static_cast<BYTE>(lParam & 0xFF);
  return 0;
}

LRESULT CGramKinuiView::OnSelectWord(WPARAM, LPARAM) {
  const DWORD reference = m_wordReference;
  m_wordReference = 0;
  m_referenceExtra = 0;
  UnpackedWordRec word;
  // The extra byte says what to show, not which spelling variant.
  if (DecodeWordRecord(reference, 0, &word) != kKindVerb) return 0;
  for (int presses =
           AlternatePresses(m_alternate, m_table.highestAlternate, word.suffixAlternative);
       presses > 0; --presses)
    SendMessage(WM_COMMAND, IDC_KINUI_ALTERNATES);
  DeselectCell();
  if (LoadNikudToggle() == kNikudToggleOn && (g_ktivKhaser != 0) != (word.plene != 0))
    SendMessage(WM_COMMAND, IDC_KINUI_KTIV_KHASER);
  const int cell = KinuiCellOfRecord(word.pronominalSuffix, word.suffixBase != 0);
  if (cell < 0 || IsGrammarCellEmpty(m_table.cells[cell])) return 0;
  SelectCell(cell);
  Invalidate();
  ScrollCellIntoView(cell);
  SpeakCell(cell);
  return 0;
}
