#include "tables/win/GramVerbView.h"

#include <cstring>

#include "classlib/win/AfxMsg.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/ScrollIntoView.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/DestroyAndDelete.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/VerbFormText.h"
#include "resources/MainFrameIds.h"
#include "resources/VerbTableIds.h"
#include "tables/core/DefinitionMarkup.h"
#include "tables/core/GovernedPrepositions.h"
#include "tables/core/KtivKhaser.h"
#include "tables/core/VerbFormCopy.h"
#include "tables/core/VerbFormMenu.h"
#include "tables/core/VerbRootSearch.h"
#include "tables/core/VerbTableNavigation.h"
#include "tables/core/VerbTipText.h"
#include "tables/win/DefinitionWnd.h"
#include "tables/win/GrammarCellPaint.h"
#include "tables/win/GramKinuiView.h"
#include "tables/win/GrammarFrame.h"
#include "tables/win/GrammarViewMessages.h"

IMPLEMENT_DYNCREATE(CGramVerbView, CGramTableView)

BEGIN_MESSAGE_MAP(CGramVerbView, CGramTableView)
  ON_EN_CHANGE(IDC_VERB_ROOT, OnRootChanged)
  ON_COMMAND(CHebEdit::kEnterCommand, OnShowTable)
  ON_COMMAND_RANGE(IDC_VERB_PAAL, IDC_VERB_HUFAL, OnBinyan)
  ON_CONTROL(CBN_SELCHANGE, IDC_VERB_FORM_SET, OnFormSetChanged)
  ON_BN_CLICKED(IDC_VERB_ALTERNATES, OnAlternateForms)
  ON_BN_CLICKED(IDC_VERB_KTIV_KHASER, OnKtivKhaser)
  ON_COMMAND(ID_EDIT_COPY, OnCopyForm)
  ON_COMMAND(ID_VERB_COPY_NO_METEG, OnCopyFormNoMeteg)
  ON_COMMAND(ID_GRAMMAR_NEXT_FORM, OnNextForm)
  ON_COMMAND(ID_VERB_PRONOMINAL_SUFFIXES, OnSuffixForms)
  ON_COMMAND(ID_GRAMMAR_SUFFIXED_FORMS, OnSuffixForms)
  ON_COMMAND(ID_VERB_INFINITIVE_NOUN, OnInfinitiveNoun)
  ON_COMMAND(ID_GRAMMAR_INFINITIVE_NOUNS, OnInfinitiveNoun)
  ON_COMMAND(ID_GRAMMAR_PRINT_PREVIEW, OnPrintPreviewSheet)
  ON_WM_LBUTTONDOWN()
  ON_WM_CONTEXTMENU()
  ON_MESSAGE(WM_GRAM_GETMAXALTERNATE, OnGetMaxAlternate)
  ON_MESSAGE(WM_GRAM_GETSELECTEDCELL, OnGetSelectedCell)
  ON_MESSAGE(WM_GRAM_ARROWKEY, OnArrowKey)
  ON_MESSAGE(WM_GRAM_SETPARAMS, OnSetParams)
  ON_MESSAGE(WM_GRAM_SELECTWORD, OnSelectWord)
  ON_MESSAGE(WM_HEBLIST_SELECT, OnListSelect)
  ON_MESSAGE(WM_NEXTDLGCTL, OnNextDlgCtl)
END_MESSAGE_MAP()

namespace {

// The root edit: right to left, telling the view when it takes the focus.
constexpr DWORD kRootEditStyle = 10;
// A caption stands this far beside its anchor.
constexpr int kCaptionGap = 5;
constexpr COLORREF kPrepositionColour = RGB(128, 0, 255);

const UINT kAnchorIds[kVerbTableSlots] = {
    IDC_SLOT_INFINITIVE,    IDC_SLOT_PRESENT_MS,    IDC_SLOT_PRESENT_FS,    IDC_SLOT_PRESENT_MP,
    IDC_SLOT_PRESENT_FP,    IDC_SLOT_PAST_1S,       IDC_SLOT_PAST_2MS,      IDC_SLOT_PAST_2FS,
    IDC_SLOT_PAST_3MS,      IDC_SLOT_PAST_3FS,      IDC_SLOT_PAST_1P,       IDC_SLOT_PAST_2MP,
    IDC_SLOT_PAST_2FP,      IDC_SLOT_PAST_3P,       IDC_SLOT_FUTURE_1S,     IDC_SLOT_FUTURE_2MS,
    IDC_SLOT_FUTURE_2FS,    IDC_SLOT_FUTURE_3MS,    IDC_SLOT_FUTURE_1P,     IDC_SLOT_FUTURE_2MP,
    IDC_SLOT_FUTURE_2FP3FP, IDC_SLOT_FUTURE_3MP,    IDC_SLOT_IMPERATIVE_MS, IDC_SLOT_IMPERATIVE_FS,
    IDC_SLOT_IMPERATIVE_MP, IDC_SLOT_IMPERATIVE_FP, IDC_SLOT_PARTICIPLE_MS, IDC_SLOT_PARTICIPLE_FS,
    IDC_SLOT_PARTICIPLE_MP, IDC_SLOT_PARTICIPLE_FP, IDC_SLOT_FUTURE_3FS};

const char* const kCaptions[kVerbTableSlots] = {
    "",      "SM",       "SF", "PM",      "PF",          "S1",      "SM2", "SF2",
    "SM3",   "SF3",      "P1", "PM2",     "PF2",         "P3",      "S1",  "SM2",
    "SF2",   "SM3",      "P1", "PM2/PF2", "PF2,3 Bible", "PM3/PF3", "SM",  "SF",
    "PM/PF", "PF Bible", "SM", "SF",      "PM",          "PF",      "SF3"};

// The group headings and the first slot of each group.
struct GroupHeading {
  UINT id;
  int firstSlot;
};
const GroupHeading kHeadings[] = {{IDC_VERB_INFINITIVE, FormSlot::Infinitive},
                                  {IDC_VERB_PRESENT, FormSlot::PresentMs},
                                  {IDC_VERB_PAST, FormSlot::Past1s},
                                  {IDC_VERB_FUTURE, FormSlot::Future1s},
                                  {IDC_VERB_IMPERATIVE, FormSlot::ImperativeMs},
                                  {IDC_VERB_PARTICIPLE, FormSlot::ParticipleMs}};

}  // namespace

CGramVerbView::CGramVerbView()
    : CGramTableView(
          IDD_GRAM_VERB, [this](CPoint logical) { return HitTestCaptions(logical); },
          [](int slot) { return BuildVerbTipText(slot); },
          [this](int slot) { return m_hoverRects[slot]; }) {
  for (auto& set : m_cells) ClearGrammarCells(set, kVerbTableSlots);
}

CGramVerbView::~CGramVerbView() { delete m_pRootEdit; }

// ---- Set-up.

void CGramVerbView::OnInitialUpdate() {
  CGramTableView::OnInitialUpdate();
  if (m_bInitialUpdateDone) return;
  m_bInitialUpdateDone = TRUE;
  InitPageSettings(&m_pageSettings, 1, -1);
  for (int b = 0; b < Binyan::kCount; ++b)
    m_binyanButtons[b].SubclassDlgItem(IDC_VERB_PAAL + b, this);
  m_formSetCombo.SubclassDlgItem(IDC_VERB_FORM_SET, this);
  for (int slot = 0; slot < kVerbTableSlots; ++slot) {
    CRect anchor = ControlRect(kAnchorIds[slot]);
    m_anchors[slot] = CPoint(anchor.left, anchor.top);
  }
  m_pDefinition = CDefinitionWnd::CreateInPlace(this, IDC_VERB_DEFINITION);
  m_pRootEdit = CreateHebEditInPlace(this, IDC_VERB_ROOT, TRUE, kRootEditStyle);
  m_list.Attach(IDC_VERB_LIST, this, CHebListBox::kVerbRoots, m_pRootEdit, CHebEdit::kEnterCommand);
  for (int verb = 0; verb < GetVerbCount(); ++verb) {
    int item = m_list.AddString(nullptr);
    m_list.SetItemData(item, static_cast<DWORD_PTR>(verb));
  }
  CString text;
  text.LoadString(IDS_VERB_REGULAR_PATTERNS);
  m_formSetCombo.AddString(text);
  text.LoadString(IDS_VERB_VAV_INVERSIVE);
  m_formSetCombo.AddString(text);
  m_formSetCombo.SetCurSel(VerbFormSet::Regular);
  if (GetVerbCount() > 0) {
    m_list.SetCurSel(0);
    m_list.SelectToEdit(0);
    SelectVerb(0);
  }
  if (m_pRootEdit != nullptr) {
    m_pRootEdit->SelectAll();
    m_pRootEdit->SetFocus();
  }
}

// ---- Verb entries and building.

void CGramVerbView::SelectVerb(int verb) {
  CloseTip();
  for (int set = 0; set < VerbFormSet::Count; ++set) {
    m_sets[set] = VerbFormSetTable{};
    ClearGrammarCells(m_cells[set], kVerbTableSlots);
  }
  ClearWordRec(m_prepositions);
  SetDlgItemText(IDC_VERB_DEFINITION, "");
  SetFormSet(VerbFormSet::Regular);
  const BYTE* entry = GetVerbIndexEntry(verb);
  for (int b = 0; b < Binyan::kCount; ++b) {
    m_binyanButtons[b].SetCheck(BST_UNCHECKED);
    m_binyanButtons[b].EnableWindow(entry != nullptr && GetVerbBinyanWord(entry, b) != 0);
  }
  GetDlgItem(IDC_VERB_ALTERNATES)->EnableWindow(FALSE);
  m_verb = verb;
  m_binyan = -1;
  m_bTableBuilt = FALSE;
  if (!m_bLookupInProgress) m_alternate = kFirstSpelling;
  ShowGroupHeadings();
  Invalidate();
}

int CGramVerbView::CheckedBinyan() const {
  for (int b = 0; b < Binyan::kCount; ++b)
    if (m_binyanButtons[b].GetCheck() == BST_CHECKED) return b;
  return -1;
}

void CGramVerbView::CheckBinyan(int binyan) {
  for (int b = 0; b < Binyan::kCount; ++b)
    m_binyanButtons[b].SetCheck(b == binyan ? BST_CHECKED : BST_UNCHECKED);
}

void CGramVerbView::BuildTable() {
  int item = m_list.GetCurSel();
  if (item < 0) return;
  int verb = static_cast<int>(m_list.GetItemData(item));
  const BYTE* entry = GetVerbIndexEntry(verb);
  if (entry == nullptr) return;
  if (m_bRebuild) SetFormSet(VerbFormSet::Regular);
  m_bRebuild = TRUE;
  if (!m_bLookupInProgress) m_alternate = kFirstSpelling;
  CloseTip();
  int binyan = CheckedBinyan();
  for (int b = 0; binyan < 0 && b < Binyan::kCount; ++b)
    if (m_binyanButtons[b].IsWindowEnabled()) binyan = b;
  if (binyan < 0) return;
  CheckBinyan(binyan);
  SetDlgItemText(IDC_VERB_DEFINITION, "");
  ClearWordRec(m_prepositions);
  for (int set = 0; set < VerbFormSet::Count; ++set) {
    m_sets[set] = VerbFormSetTable{};
    ClearGrammarCells(m_cells[set], kVerbTableSlots);
  }
  if (GetVerbBinyanWord(entry, binyan) != 0) {
    LPCSTR meaning = GetVerbMeaning(verb, binyan);
    SetDlgItemText(IDC_VERB_DEFINITION, meaning != nullptr ? meaning : "");
    BuildGovernedPrepositionsLine(GetGovernedPrepositionMasks(verb, binyan), m_prepositions);
    for (int set = 0; set < VerbFormSet::Count; ++set) {
      VerbTableRequest request;
      request.entry = entry;
      request.binyan = binyan;
      request.formSet = set;
      request.ktivKhaser = g_ktivKhaser != 0;
      BuildVerbFormSet(m_context, request, m_sets[set]);
      for (int slot = 0; slot < kVerbTableSlots; ++slot) {
        const VerbTableCell& content = m_sets[set].cells[slot];
        GrammarCell& cell = m_cells[set][slot];
        if (!content.filled) continue;
        cell.top = 0;
        cell.shown = content.shown;
        cell.source = content.source;
        std::memcpy(cell.shownAlternates, content.shownOffsets, sizeof cell.shownAlternates);
        std::memcpy(cell.sourceAlternates, content.sourceOffsets, sizeof cell.sourceAlternates);
      }
    }
  }
  m_verb = verb;
  m_binyan = binyan;
  m_bTableBuilt = TRUE;
  for (int slot = 0; slot < kVerbTableSlots; ++slot) MeasureCell(slot);
  ShowGroupHeadings();
  UpdateAlternateButton();
  Invalidate();
}

void CGramVerbView::SetFormSet(int formSet) {
  m_formSet = formSet;
  if (m_formSetCombo.m_hWnd != nullptr && formSet != VerbFormSet::Pausal)
    m_formSetCombo.SetCurSel(formSet);
  SetPastFutureHeadings();
}

void CGramVerbView::SetPastFutureHeadings() {
  bool inverted = m_formSet == VerbFormSet::VavInversive;
  CString text;
  text.LoadString(inverted ? IDS_VERB_PAST_TO_FUTURE : IDS_VERB_PAST);
  SetDlgItemText(IDC_VERB_PAST, text);
  text.LoadString(inverted ? IDS_VERB_FUTURE_TO_PAST : IDS_VERB_FUTURE);
  SetDlgItemText(IDC_VERB_FUTURE, text);
}

void CGramVerbView::ShowGroupHeadings() {
  for (const GroupHeading& heading : kHeadings) {
    CWnd* pHeading = GetDlgItem(heading.id);
    if (pHeading != nullptr)
      pHeading->ShowWindow(IsGrammarCellEmpty(m_cells[m_formSet][heading.firstSlot]) ? SW_HIDE
                                                                                     : SW_SHOW);
  }
}

void CGramVerbView::UpdateAlternateButton() {
  GetDlgItem(IDC_VERB_ALTERNATES)
      ->EnableWindow(m_bTableBuilt && m_sets[m_formSet].highestAlternate >= 0);
}

// ---- Drawing.

void CGramVerbView::MeasureCell(int slot) {
  if (m_pRootEdit == nullptr) return;
  MeasureGrammarCell(m_cells[m_formSet][slot], m_sets[m_formSet].cells[slot],
                     m_pRootEdit->GetHebrewFont(), m_alternate);
}

void CGramVerbView::DrawCell(const DrawTarget& target, int slot) {
  DrawGrammarCell(target, m_cells[m_formSet][slot], m_sets[m_formSet].cells[slot], Anchor(slot),
                  m_alternate);
}

void CGramVerbView::DrawCaptions(const DrawTarget& target) {
  // On the page the caller's label font stays selected.
  CFont* pOld = target.printing ? nullptr : target.pDC->SelectObject(GetFont());
  target.pDC->SetBkMode(TRANSPARENT);
  target.pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
  for (int slot = 0; slot < kVerbTableSlots; ++slot) {
    if (IsGrammarCellEmpty(m_cells[m_formSet][slot]) || kCaptions[slot][0] == 0) continue;
    CPoint at(ScaledGrammarValue(Anchor(slot).x + kCaptionGap, target.scale),
              ScaledGrammarValue(Anchor(slot).y, target.scale));
    at += target.offset;
    target.pDC->TextOut(at.x, at.y, kCaptions[slot]);
    if (!target.printing) {
      CSize size = target.pDC->GetTextExtent(kCaptions[slot]);
      m_hoverRects[slot] = CRect(at, size);
    }
  }
  if (pOld != nullptr) target.pDC->SelectObject(pOld);
}

void CGramVerbView::DrawPrepositions(const DrawTarget& target) {
  CRect drawn = PlaceOnTarget(target, ControlRect(IDC_VERB_PREPOSITIONS));
  if (!target.printing) target.pDC->FillSolidRect(&drawn, ::GetSysColor(COLOR_BTNFACE));
  if (m_prepositions.letters[0] == 0) return;
  int width =
      MeasureHebrewText(*target.pFont, m_prepositions.letters, m_prepositions.vowels, -1, TRUE);
  CFont* pOld = target.pDC->SelectObject(target.pFont->GetFont());
  target.pDC->SetBkMode(TRANSPARENT);
  DrawHebrewText(target.pDC, target.pFont, drawn.left + width, drawn.top, m_prepositions.letters,
                 m_prepositions.vowels, -1, kPrepositionColour, kPrepositionColour, TRUE,
                 kQamatsQatanAsText, nullptr, FALSE, kPrepositionColour, kPrepositionColour,
                 kNoHighlight);
  target.pDC->SelectObject(pOld);
}

void CGramVerbView::OnDraw(CDC* pDC) {
  if (m_pRootEdit == nullptr || !m_bTableBuilt) return;
  DrawTarget target{pDC, &m_pRootEdit->GetHebrewFont(), 1.0, CPoint(0, 0), false};
  for (int slot = 0; slot < kVerbTableSlots; ++slot) DrawCell(target, slot);
  DrawCaptions(target);
  DrawPrepositions(target);
}

void CGramVerbView::RedrawCells(int slot, bool onlyWithAlternates) {
  for (int s = 0; s < kVerbTableSlots; ++s) {
    if ((slot >= 0 && s != slot) || IsGrammarCellEmpty(m_cells[m_formSet][s])) continue;
    if (onlyWithAlternates && m_sets[m_formSet].cells[s].alternates == 0) continue;
    // The old rectangle, then the new spelling's.
    InvalidateRect(LogicalToDevice(GrammarCellRect(m_cells[m_formSet][s], Anchor(s))));
    MeasureCell(s);
    InvalidateRect(LogicalToDevice(GrammarCellRect(m_cells[m_formSet][s], Anchor(s))));
  }
}

// ---- Controls.

void CGramVerbView::OnRootChanged() {
  if (m_pRootEdit == nullptr) return;
  CString text;
  m_pRootEdit->GetText(text);
  int verb = FindNearestVerb(text);
  if (verb < 0 || verb == m_list.GetCurSel()) return;
  m_list.SetCurSel(verb);
  m_list.CenterSelection();
  SelectVerb(verb);
}

void CGramVerbView::OnShowTable() { BuildTable(); }

void CGramVerbView::OnBinyan(UINT nID) {
  CheckBinyan(static_cast<int>(nID - IDC_VERB_PAAL));
  m_bRebuild = FALSE;
  BuildTable();
}

void CGramVerbView::OnFormSetChanged() {
  DeselectCell();
  CloseTip();
  int chosen = m_formSetCombo.GetCurSel();
  if (chosen < 0) return;
  m_formSet = chosen;
  SetPastFutureHeadings();
  for (int slot = 0; slot < kVerbTableSlots; ++slot) MeasureCell(slot);
  ShowGroupHeadings();
  UpdateAlternateButton();
  Invalidate();
}

void CGramVerbView::OnAlternateForms() {
  DeselectCell();
  CloseTip();
  m_alternate = NextAlternate(m_alternate, m_sets[m_formSet].highestAlternate);
  RedrawCells(-1, true);
}

void CGramVerbView::OnKtivKhaser() {
  g_ktivKhaser = !g_ktivKhaser;
  if (!m_bTableBuilt) return;
  // Rebuilt in place: the set and the alternate stay.
  BOOL lookup = m_bLookupInProgress;
  int formSet = m_formSet;
  m_bLookupInProgress = TRUE;
  m_bRebuild = FALSE;
  BuildTable();
  m_bLookupInProgress = lookup;
  m_formSet = formSet;
  SetFormSet(formSet);
  for (int slot = 0; slot < kVerbTableSlots; ++slot) MeasureCell(slot);
  ShowGroupHeadings();
  UpdateAlternateButton();
  Invalidate();
}

LRESULT CGramVerbView::OnArrowKey(WPARAM wParam, LPARAM) {
  bool back = wParam == VK_LEFT || wParam == VK_UP;
  int current = CheckedBinyan();
  if (current < 0) current = 0;
  for (int step = 1; step < Binyan::kCount; ++step) {
    int next = (current + (back ? Binyan::kCount - step : step)) % Binyan::kCount;
    if (!m_binyanButtons[next].IsWindowEnabled()) continue;
    CheckBinyan(next);
    SendMessage(WM_COMMAND, IDC_VERB_PAAL + next,
                reinterpret_cast<LPARAM>(m_binyanButtons[next].m_hWnd));
    m_binyanButtons[next].SetFocus();
    break;
  }
  return 0;
}

LRESULT CGramVerbView::OnListSelect(WPARAM wParam, LPARAM) {
  SelectVerb(static_cast<int>(wParam));
  return 0;
}

LRESULT CGramVerbView::OnNextDlgCtl(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(lParam) != 0) {  // wParam names the control
    ::SetFocus(reinterpret_cast<HWND>(wParam));
    return 0;
  }
  bool previous = wParam != 0;
  HWND hFocus = ::GetFocus();
  bool fromEdit = m_pRootEdit != nullptr && hFocus == m_pRootEdit->m_hWnd;
  bool fromCombo = hFocus == m_formSetCombo.m_hWnd;
  if ((previous && fromEdit) || (!previous && fromCombo)) {
    int binyan = CheckedBinyan();
    if (binyan < 0) {
      for (int b = 0; binyan < 0 && b < Binyan::kCount; ++b)
        if (m_binyanButtons[b].IsWindowEnabled()) binyan = b;
      if (binyan < 0) return 0;
      CheckBinyan(binyan);
      SendMessage(WM_COMMAND, IDC_VERB_PAAL + binyan,
                  reinterpret_cast<LPARAM>(m_binyanButtons[binyan].m_hWnd));
    }
    m_binyanButtons[binyan].SetFocus();
    return 0;
  }
  HWND hNext = ::GetNextDlgTabItem(m_hWnd, hFocus, previous);
  if (hNext != nullptr) ::SetFocus(hNext);
  return 0;
}

// ---- Selection.

int CGramVerbView::HitTestCells(CPoint logical) const {
  return HitTestGrammarCells(m_cells[m_formSet], m_anchors, kVerbTableSlots, logical);
}

int CGramVerbView::HitTestCaptions(CPoint logical) const {
  for (int slot = 0; slot < kVerbTableSlots; ++slot)
    if (!IsGrammarCellEmpty(m_cells[m_formSet][slot]) && m_hoverRects[slot].PtInRect(logical))
      return slot;
  return -1;
}

void CGramVerbView::DeselectCell() {
  int selected = FindSelectedCell(m_cells[m_formSet], kVerbTableSlots);
  if (selected < 0) return;
  m_cells[m_formSet][selected].selected = 0;
  RedrawCells(selected);
}

void CGramVerbView::SelectSlot(int slot) {
  DeselectCell();
  m_cells[m_formSet][slot].selected = 1;
  RedrawCells(slot);
  CRect area = GrammarCellRect(m_cells[m_formSet][slot], Anchor(slot));
  area.UnionRect(&area, &m_hoverRects[slot]);
  CRect client;
  GetClientRect(&client);
  CRect visible = DeviceToLogical(client);
  POINT position = ScrollPositionToShow(visible, area);
  if (position.x != visible.left || position.y != visible.top) ScrollToPosition(position);
}

int CGramVerbView::GetSelectedForm() const {
  return FindSelectedCell(m_cells[m_formSet], kVerbTableSlots);
}

void CGramVerbView::OnLButtonDown(UINT nFlags, CPoint point) {
  CGramTableView::OnLButtonDown(nFlags, point);
  int slot = HitTestCells(DeviceToLogical(point));
  if (slot >= 0) SelectSlot(slot);
}

void CGramVerbView::OnNextForm() {
  int next = NextFilledSlot(GetSelectedForm(), [this](int slot) {
    return !IsGrammarCellEmpty(m_cells[m_formSet][slot]) &&
           m_cells[m_formSet][slot].shown.letters[0] != 0;
  });
  if (next >= 0) SelectSlot(next);
}

// ---- Answers to the main frame.

LRESULT CGramVerbView::OnGetMaxAlternate(WPARAM, LPARAM) {
  return m_formSet == VerbFormSet::Pausal ? kFirstSpelling : m_sets[m_formSet].highestAlternate;
}

LRESULT CGramVerbView::OnGetSelectedCell(WPARAM, LPARAM) { return GetSelectedForm(); }

void CGramVerbView::GetFormMenuFlags(int slot, BOOL& hasStressMarks, BOOL& hasSuffixForms,
                                     BOOL& hasInfinitiveNoun) {
  hasStressMarks = hasSuffixForms = hasInfinitiveNoun = FALSE;
  if (slot < 0 || slot >= kVerbTableSlots || !m_bTableBuilt) return;
  VerbFormMenuFlags flags =
      GetVerbFormMenuFlags(GetVerbIndexEntry(m_verb), m_binyan, slot, m_sets[m_formSet].cells[slot],
                           m_alternate, g_ktivKhaser != 0);
  hasStressMarks = flags.hasStressMarks;
  hasSuffixForms = flags.hasSuffixForms;
  hasInfinitiveNoun = flags.hasInfinitiveNoun;
}

void CGramVerbView::OnContextMenu(CWnd*, CPoint point) {
  CPoint client = point;
  ScreenToClient(&client);
  int slot = HitTestCells(DeviceToLogical(client));
  if (slot < 0) return;
  DeselectCell();
  m_cells[m_formSet][slot].selected = 1;
  RedrawCells(slot);
  BOOL stress, suffixes, infinitiveNoun;
  GetFormMenuFlags(slot, stress, suffixes, infinitiveNoun);
  CMenu menu;
  if (!menu.CreatePopupMenu()) return;
  menu.AppendMenu(MF_STRING, ID_EDIT_COPY, "&Copy to Clipboard");
  if (stress) menu.AppendMenu(MF_STRING, ID_VERB_COPY_NO_METEG, "Copy to Clipboard (No &METEG)");
  if (suffixes) menu.AppendMenu(MF_STRING, ID_VERB_PRONOMINAL_SUFFIXES, "&Pronominal Suffixes");
  if (infinitiveNoun) menu.AppendMenu(MF_STRING, ID_VERB_INFINITIVE_NOUN, "&Infinitive Noun");
  menu.TrackPopupMenu(TPM_CENTERALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

// ---- The suffix table.

bool CGramVerbView::HandOverSelectedForm(int mode) {
  const int slot = GetSelectedForm();
  BOOL stress, suffixes, infinitiveNoun;
  GetFormMenuFlags(slot, stress, suffixes, infinitiveNoun);
  if (!(mode == kKinuiInfinitiveNoun ? infinitiveNoun : suffixes)) return false;
  // The feminine plurals in -na take their suffixes on the masculine plural.
  const int shownSlot = HandOverSlot(slot);
  KinuiRequest request;
  request.mode = static_cast<KinuiMode>(mode);
  request.entry = GetVerbIndexEntry(m_verb);
  request.binyan = m_binyan;
  request.slot = slot;
  request.given = CellSpelling(m_sets[m_formSet].cells[shownSlot], m_alternate, false);
  request.vavInversive = m_formSet == VerbFormSet::VavInversive;
  CWnd* pMain = AfxGetMainWnd();
  if (pMain != nullptr) pMain->SendMessage(WM_COMMAND, ID_GRAMMAR_SUFFIX_TABLE);
  IGrammarFrame* pFrame = GetGrammarFrame();
  CWnd* pView = pFrame != nullptr ? pFrame->GetGrammarView() : nullptr;
  if (pView == nullptr || !pView->IsKindOf(RUNTIME_CLASS(CGramKinuiView))) return false;
  static_cast<CGramKinuiView*>(pView)->ShowForms(request, m_verb);
  return true;
}

void CGramVerbView::OnSuffixForms() { HandOverSelectedForm(kKinuiSuffixForms); }

void CGramVerbView::OnInfinitiveNoun() { HandOverSelectedForm(kKinuiInfinitiveNoun); }
