#include "lexicon/win/LookupListCtrl.h"

#include <algorithm>

#include "classlib/win/CDC.h"
#include "classlib/win/CHeaderCtrl.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/Preferences.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/CLookupBar.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "hebtext/win/KeyboardState.h"
#include "lexicon/core/DefinitionDatabaseBuild.h"
#include "lexicon/core/DefinitionKeywords.h"
#include "lexicon/core/DictionaryFiles.h"
#include "lexicon/core/EntryTextRenderer.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/core/LookupListRules.h"
#include "lexicon/core/LookupOrders.h"
#include "lexicon/core/LookupRowText.h"
#include "lexicon/core/PackedDefinitionRecord.h"
#include "lexicon/core/WordDatabaseBuild.h"

namespace {

constexpr char kPreferencesSection[] = "Preferences";
constexpr char kColumnWidthsKey[] = "ColumnWidths";
constexpr char kListFace[] = "Arial";
constexpr WORD kListPointSize = 11;
// Room for a column's text in the single-string form.
constexpr int kTextRoom = 1024;
// Measured Hebrew columns get this many pixels more.
constexpr int kHebrewMeasureMargin = 3;
constexpr int kTextMeasureMargin = 6;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kGreen = RGB(0, 128, 64);
constexpr COLORREF kMaroon = RGB(128, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// The widths of each mode's columns, shared by every list of the process.
int g_wordWidths[kWordColumnCount];
int g_definitionWidths[kDefinitionColumnCount];
bool g_widthsSet = false;

int* ModeWidths(int mode) {
  if (!g_widthsSet) {
    ParseColumnWidths(kLookupHebrewList, nullptr, g_wordWidths);
    ParseColumnWidths(kLookupKeywordList, nullptr, g_definitionWidths);
    g_widthsSet = true;
  }
  return mode == kLookupKeywordList ? g_definitionWidths : g_wordWidths;
}

// The Word colour of a keyword row by its kind.
COLORREF KeywordWordColor(int kind) {
  switch (kind) {
    case kKindVerb: return kNavy;
    case kKindNoun: return kRed;
    case kKindPrep: return kGreen;
    case kKindAdj: return kMaroon;
    default: return kBlack;
  }
}

CString SingleString(const PointedText& text) {
  CString result;
  if (!text.letters.empty())
    MergeLettersAndVowels(result, text.letters.data(), text.vowels.data(),
                          static_cast<int>(text.letters.size()));
  return result;
}

bool FileExists(const CString& path) {
  return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

class DcMeasurer : public TextMeasurer {
 public:
  explicit DcMeasurer(CDC* pDC) : m_pDC(pDC) {}
  int Width(const std::string& text) const override {
    return m_pDC->GetTextExtent(text.c_str(), static_cast<int>(text.size())).cx;
  }

 private:
  CDC* m_pDC;
};

// Draws the text fitted into the cell; returns the rectangle it takes.
CRect DrawTextFitted(CDC* pDC, const CString& text, const CRect& cell, int alignment) {
  const std::string fitted =
      FitTextWithEllipsis(static_cast<LPCSTR>(text), cell.Width(), DcMeasurer(pDC));
  const CSize size = pDC->GetTextExtent(fitted.c_str(), static_cast<int>(fitted.size()));
  const POINT at = FittedTextOrigin(cell, size, alignment);
  pDC->ExtTextOut(at.x, at.y, ETO_CLIPPED, &cell, fitted.c_str(),
                  static_cast<UINT>(fitted.size()), nullptr);
  return CRect(at.x, at.y, at.x + size.cx, at.y + size.cy);
}

}  // namespace

void CLookupListCtrl::DrawPointed(CDC* pDC, const CString& text, const CRect& cell,
                                  COLORREF color) {
  BYTE letters[kTextRoom] = {};
  BYTE vowels[kTextRoom] = {};
  const int count = SplitLettersAndVowels(text, letters, vowels, kTextRoom, 0);
  const int top = cell.top + std::max(1, (cell.Height() - m_hebrewFont.GetLineHeight()) / 2);
  CFont* pOld = pDC->SelectObject(m_hebrewFont.GetFont());
  const COLORREF oldColor = pDC->GetTextColor();
  DrawHebrewText(pDC, &m_hebrewFont, cell.right - 1, top, letters, vowels, count, color, color,
                 TRUE, kQamatsQatanAsText, &cell, FALSE, color, color, kNoHighlight);
  pDC->SetTextColor(oldColor);
  pDC->SelectObject(pOld);
}

namespace {

int MeasurePointed(const CFontInfo& font, const CString& text) {
  BYTE letters[kTextRoom] = {};
  BYTE vowels[kTextRoom] = {};
  const int count = SplitLettersAndVowels(text, letters, vowels, kTextRoom, 0);
  return MeasureHebrewText(font, letters, vowels, count, TRUE);
}

}  // namespace

BEGIN_MESSAGE_MAP(CLookupListCtrl, CListCtrl)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_SIZE()
  ON_WM_CHAR()
  ON_WM_KEYDOWN()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_DRAWITEM_REFLECT()
  ON_WM_MEASUREITEM_REFLECT()
  ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
  ON_COMMAND_RANGE(kBinyanCommand, kBinyanCommand + 6, OnBinyanCommand)
END_MESSAGE_MAP()

CLookupListCtrl::CLookupListCtrl(LPCSTR binFolder)
    : m_binFolder(binFolder),
      m_words(kPackedWordRecSize, DictionaryFile::kWordBlockBytes),
      m_definitions(kPackedDefinitionRecSize, DictionaryFile::kDefinitionBlockBytes),
      m_pRenderer(new EntryTextRenderer) {
  // Each derived file is written on its own when it is missing; one that
  // cannot be leaves its mode without rows.
  const struct {
    LPCSTR file;
    bool (*build)(LPCSTR, UserMessageList&);
  } derived[] = {{DictionaryFile::kListWordData, BuildLookupWordFile},
                 {DictionaryFile::kListWordIndex, BuildLookupWordIndex},
                 {DictionaryFile::kListDefinitionData, BuildLookupDefinitionFile},
                 {DictionaryFile::kListDefinitionIndex, BuildLookupDefinitionIndex}};
  for (const auto& file : derived) {
    UserMessageList ignored;
    if (!FileExists(DictionaryFilePath(binFolder, file.file))) file.build(binFolder, ignored);
  }
  m_words.Open(DictionaryFilePath(binFolder, DictionaryFile::kListWordData),
               DictionaryFilePath(binFolder, DictionaryFile::kListWordIndex));
  m_definitions.Open(DictionaryFilePath(binFolder, DictionaryFile::kListDefinitionData),
                     DictionaryFilePath(binFolder, DictionaryFile::kListDefinitionIndex));
  m_modeKey = LookupModeKey(m_mode);
}

CLookupListCtrl::~CLookupListCtrl() = default;

BOOL CLookupListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                             CHebEdit* pLookupEdit) {
  m_pLookupEdit = pLookupEdit;
  const DWORD listStyle = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED |
                          LVS_OWNERDATA | LVS_NOSORTHEADER;
  return CListCtrl::Create(dwStyle | listStyle, rect, pParentWnd, nID);
}

int CLookupListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  // The font first: the list measures its rows as it is created.
  {
    CClientDC dc(this);
    m_listFont.Set(&dc, kListFace, kListPointSize, 0, TRUE);
    const LPCSTR hebrewFace =
        m_pLookupEdit != nullptr ? m_pLookupEdit->GetHebrewFont().GetFaceName() : kListFace;
    m_hebrewFont.Set(&dc, hebrewFace, kListPointSize, 0, TRUE);
    m_hebrewFont.MeasureCharWidths(&dc);
  }
  if (CListCtrl::OnCreate(lpCreateStruct) == -1) return -1;
  SetFont(m_listFont.GetFont());
  return 0;
}

void CLookupListCtrl::OnDestroy() {
  SaveColumnWidths();
  m_words.Close();
  m_definitions.Close();
  m_results = LookupResults();
  CListCtrl::OnDestroy();
}

void CLookupListCtrl::OnSize(UINT nType, int cx, int cy) {
  CListCtrl::OnSize(nType, cx, cy);
  CountVisibleRows();
}

void CLookupListCtrl::SetMode(int mode) {
  m_mode = mode >= 0 && mode < kLookupModeCount ? mode : kLookupHebrewList;
  m_modeKey = LookupModeKey(m_mode);
  LoadColumnWidths();
}

void CLookupListCtrl::LoadColumnWidths() {
  IProfileStore* pStore = GetPreferenceStore();
  const CString stored = pStore != nullptr ? pStore->GetProfileString(
                                                 kPreferencesSection, m_modeKey + kColumnWidthsKey, "")
                                           : CString();
  ParseColumnWidths(m_mode, stored, ModeWidths(m_mode));
}

void CLookupListCtrl::SaveColumnWidths() {
  const int count = LookupColumnCount(m_mode);
  int* widths = ModeWidths(m_mode);
  if (GetSafeHwnd() != nullptr && GetHeaderCtrl() != nullptr &&
      GetHeaderCtrl()->GetItemCount() == count)
    for (int i = 0; i < count; ++i) widths[i] = GetColumnWidth(i);
  if (IProfileStore* pStore = GetPreferenceStore())
    pStore->WriteProfileString(kPreferencesSection, m_modeKey + kColumnWidthsKey,
                               FormatColumnWidths(widths, count).c_str());
}

void CLookupListCtrl::InsertColumns() {
  const int* widths = ModeWidths(m_mode);
  for (int i = 0; i < LookupColumnCount(m_mode); ++i)
    InsertColumn(i, LookupColumnTitle(m_mode, i), i == 0 ? LVCFMT_RIGHT : LVCFMT_LEFT, widths[i]);
}

void CLookupListCtrl::DeleteColumns() {
  CHeaderCtrl* pHeader = GetHeaderCtrl();
  for (int i = pHeader != nullptr ? pHeader->GetItemCount() : 0; i-- > 0;) DeleteColumn(i);
}

void CLookupListCtrl::CountVisibleRows() {
  CRect client;
  GetClientRect(&client);
  m_visibleRows = std::max(client.Height() / RowHeight(), 0);
}

void CLookupListCtrl::SetRowCount(int count) {
  SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(count), LVSICF_NOINVALIDATEALL);
}

PackedWordRec CLookupListCtrl::GetRowRecord(int row) {
  if (m_mode == kLookupSearchResults)
    return row >= 0 && row < static_cast<int>(m_results.hits.size()) ? m_results.hits[row].record
                                                                      : PackedWordRec{};
  BYTE bytes[kPackedWordRecSize];
  m_words.ReadRecord(static_cast<DWORD>(row), bytes);
  return ReadWordRecordBytes(bytes);
}

DWORD CLookupListCtrl::GetDefinitionRecord(int row) {
  BYTE bytes[kPackedDefinitionRecSize];
  return m_definitions.ReadRecord(static_cast<DWORD>(row), bytes) ? ReadU32LE(bytes)
                                                                  : static_cast<DWORD>(-1);
}

int CLookupListCtrl::FindWordRow(const HebWordRec& typed) {
  return static_cast<int>(m_words.FindRow(LookupWordOrder(*m_pRenderer, typed.letters,
                                                          typed.vowels)));
}

int CLookupListCtrl::FindDefinitionRow(LPCSTR text) {
  const KeywordRenderer keywords = DefinitionKeywordText;
  return static_cast<int>(m_definitions.FindRow(LookupKeywordOrder(keywords, text)));
}

int CLookupListCtrl::GetSelectedItem() const { return GetNextItem(-1, LVNI_SELECTED); }

void CLookupListCtrl::SelectRow(int row, BOOL quiet) {
  if (row < 0) return;
  const BOOL wasQuiet = m_quiet;
  m_quiet = quiet;
  SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EnsureVisible(row, FALSE);
  m_quiet = wasQuiet;
}

void CLookupListCtrl::RowTexts(int row, CString* texts, int count) {
  if (m_mode == kLookupKeywordList) {
    const DWORD fields = GetDefinitionRecord(row);
    const LookupDefinitionRowText text =
        DescribeDefinitionRecord(m_context, fields, DefinitionKeywordString(fields));
    texts[kDefColWord] = SingleString(text.word);
    texts[kDefColRootEntry] = SingleString(text.rootEntry);
    for (int i = kDefColGram; i < count; ++i)
      if (i != kDefColRootEntry) texts[i] = text.columns[i].c_str();
    return;
  }
  const LookupWordRowText text = DescribeWordRecord(m_context, GetRowRecord(row));
  texts[kWordColWord] = SingleString(RowWord(row, text.word));
  texts[kWordColRootEntry] = SingleString(text.rootEntry);
  for (int i = kWordColGram; i < count; ++i)
    if (i != kWordColRootEntry) texts[i] = text.columns.text[i].c_str();
}

PointedText CLookupListCtrl::GetRowWord(int row) {
  return RowWord(row, LookupRecordWord(m_context, GetRowRecord(row)));
}

PointedText CLookupListCtrl::RowWord(int row, PointedText word) const {
  if (m_mode == kLookupSearchResults && row < static_cast<int>(m_results.hits.size())) {
    BYTE letters[kWordPlaneSize] = {}, vowels[kWordPlaneSize] = {};
    BYTE shownLetters[kWordPlaneSize] = {}, shownVowels[kWordPlaneSize] = {};
    const size_t length = std::min(word.letters.size(), static_cast<size_t>(kWordPlaneSize - 1));
    std::copy_n(word.letters.begin(), length, letters);
    std::copy_n(word.vowels.begin(), length, vowels);
    const int shown = PrefixedHitWord(m_results.word, m_results.hits[row].prefixLength, letters,
                                      vowels, shownLetters, shownVowels, kWordPlaneSize);
    word.letters.assign(shownLetters, shownLetters + shown);
    word.vowels.assign(shownVowels, shownVowels + shown);
  }
  return word;
}

CString CLookupListCtrl::GetRowEditText(int row) {
  if (m_mode == kLookupKeywordList) return DefinitionKeywordString(GetDefinitionRecord(row)).c_str();
  return SingleString(GetRowWord(row));
}

CRect CLookupListCtrl::CellRect(const CRect& rowRect, int column) const {
  CRect cell = rowRect;
  for (int i = 0; i < column; ++i) cell.left += GetColumnWidth(i);
  cell.right = cell.left + GetColumnWidth(column);
  cell.DeflateRect(1, 0);
  return cell;
}

int CLookupListCtrl::RowHeight() const {
  return std::max({m_listFont.GetLineHeight(), m_hebrewFont.GetLineHeight(), 1});
}

void CLookupListCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  lpMeasureItemStruct->itemHeight = static_cast<UINT>(RowHeight());
}

void CLookupListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
  // The control gives the full row number.
  const int row = static_cast<int>(lpDrawItemStruct->itemID);
  const BOOL selected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
  const CRect rowRect(lpDrawItemStruct->rcItem);
  pDC->FillSolidRect(&rowRect, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  pDC->SetBkMode(TRANSPARENT);
  CFont* pOldFont = pDC->SelectObject(m_listFont.GetFont());
  const COLORREF text = ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
  pDC->SetTextColor(text);
  const int count = LookupColumnCount(m_mode);
  CString texts[kWordColumnCount];
  RowTexts(row, texts, count);
  int kind = 0;
  if (m_mode == kLookupKeywordList) {
    UnpackedDefinitionRec record{};
    kind = DecodeDefinitionRecord(GetDefinitionRecord(row), record);
  }
  const COLORREF wordColor =
      selected ? text : (m_mode == kLookupKeywordList ? KeywordWordColor(kind) : kRed);
  DrawPointed(pDC, texts[0], CellRect(rowRect, 0), wordColor);
  for (int i = 1; i < count; ++i) {
    const CRect cell = CellRect(rowRect, i);
    // Root/Entry is Hebrew in every mode (kWordColRootEntry == kDefColRootEntry).
    if (i == kWordColRootEntry)
      DrawPointed(pDC, texts[i], cell, text);
    else
      DrawTextFitted(pDC, texts[i], cell, i == kWordColGram ? kFitCentre : kFitLeft);
  }
  pDC->SelectObject(pOldFont);
}

BOOL CLookupListCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
  if (pHeader->code == HDN_DIVIDERDBLCLICKA || pHeader->code == HDN_DIVIDERDBLCLICKW) {
    OnHeaderDividerDblClick(reinterpret_cast<const NMHEADERA*>(lParam)->iItem);
    *pResult = 0;
    return TRUE;
  }
  return CListCtrl::OnNotify(wParam, lParam, pResult);
}

void CLookupListCtrl::OnHeaderDividerDblClick(int column) {
  if (column < 0 || column >= LookupColumnCount(m_mode)) return;
  CClientDC dc(this);
  CFont* pOldFont = dc.SelectObject(m_listFont.GetFont());
  const BOOL hebrew = column == kWordColWord || column == kWordColRootEntry;
  int widest = 0;
  const int top = GetTopIndex();
  for (int row = top; row < top + m_visibleRows && row < GetItemCount(); ++row) {
    CString texts[kWordColumnCount];
    RowTexts(row, texts, LookupColumnCount(m_mode));
    const int width = hebrew ? MeasurePointed(m_hebrewFont, texts[column]) + kHebrewMeasureMargin
                             : dc.GetTextExtent(texts[column]).cx + kTextMeasureMargin;
    widest = std::max(widest, width);
  }
  dc.SelectObject(pOldFont);
  if (widest > 0) SetColumnWidth(column, widest);
}

void CLookupListCtrl::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  const NMLISTVIEW* pItem = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
  if ((pItem->uNewState & LVIS_SELECTED) == 0 || (pItem->uChanged & LVIF_STATE) == 0) return;
  if (m_quiet || m_mode == kLookupSearchResults || m_pLookupEdit == nullptr) return;
  const int row = GetSelectedItem();
  if (row < 0) return;
  // The edit's change must not position the list again.
  m_quiet = TRUE;
  m_pLookupEdit->SetText(GetRowEditText(row));
  m_quiet = FALSE;
}

void CLookupListCtrl::MoveSelection(int row) {
  if (row < 0) return;
  SetItemState(-1, 0, LVIS_SELECTED);
  SelectRow(row, m_mode == kLookupSearchResults);
}

void CLookupListCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  LookupListKey key;
  switch (nChar) {
    case VK_TAB:
      if (m_pLookupEdit != nullptr) m_pLookupEdit->SetFocus();
      return;
    case VK_RETURN:
      SetFocus();
      if (!ShowActionMenu(CPoint(kAtSelectedRow, kAtSelectedRow))) OpenGrammarTable(kDefaultAction);
      return;
    case VK_UP: key = kListKeyUp; break;
    case VK_DOWN: key = kListKeyDown; break;
    case VK_HOME: key = kListKeyHome; break;
    case VK_END: key = kListKeyEnd; break;
    case VK_PRIOR: key = kListKeyPageUp; break;
    case VK_NEXT: key = kListKeyPageDown; break;
    default: CListCtrl::OnKeyDown(nChar, nRepCnt, nFlags); return;
  }
  MoveSelection(static_cast<int>(
      RowForListKey(key, GetSelectedItem(), GetTopIndex(), m_visibleRows, GetItemCount())));
}

void CLookupListCtrl::OnChar(UINT nChar, UINT, UINT) {
  if (m_mode == kLookupSearchResults || m_pLookupEdit == nullptr) return;
  const int hebrew = MapKeyToHebrew(static_cast<int>(nChar));
  const bool asciiWord = nChar < 0x80 && ::IsCharAlphaNumericA(static_cast<char>(nChar));
  const bool starts = m_mode == kLookupKeywordList ? asciiWord : IsHebrewLetter(hebrew) != 0;
  if (!starts) return;
  // Typing in the list starts a new look-up in the edit.
  m_pLookupEdit->ClearText(TRUE);
  m_pLookupEdit->SetFocus();
  m_pLookupEdit->SendMessage(WM_CHAR, nChar, 0);
}

void CLookupListCtrl::OnLButtonDblClk(UINT nFlags, CPoint point) {
  CListCtrl::OnLButtonDblClk(nFlags, point);
  CPoint screen = point;
  ClientToScreen(&screen);
  if (!ShowActionMenu(screen)) OpenGrammarTable(kDefaultAction);
}

BOOL CLookupListCtrl::ShowActionMenu(CPoint point) {
  if (m_mode != kLookupKeywordList) return FALSE;
  const int row = GetSelectedItem();
  if (row < 0) return FALSE;
  UnpackedDefinitionRec record{};
  if (DecodeDefinitionRecord(GetDefinitionRecord(row), record) != kKindVerb) return FALSE;
  const std::vector<int> binyanim = MaskBinyanim(record.binyanMask);
  if (binyanim.size() < 2) return FALSE;
  CMenu menu;
  if (!menu.CreatePopupMenu()) return FALSE;
  for (size_t i = 0; i < binyanim.size(); ++i)
    menu.AppendMenu(MF_STRING, kBinyanCommand + binyanim[i],
                    BinyanMenuLabel(static_cast<int>(i + 1), binyanim[i]).c_str());
  if (point.x == kAtSelectedRow && point.y == kAtSelectedRow) {
    // Over the row's Binyan cell, kept inside the list.
    CRect rowRect, client;
    GetItemRect(row, &rowRect, LVIR_BOUNDS);
    GetClientRect(&client);
    CRect cell = CellRect(rowRect, kDefColBinyan);
    cell.IntersectRect(&cell, &client);
    point = cell.CenterPoint();
    ClientToScreen(&point);
    ::SetCursorPos(point.x, point.y);
  }
  menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
  return TRUE;
}

void CLookupListCtrl::OnBinyanCommand(UINT nID) {
  OpenGrammarTable(static_cast<BYTE>(nID - kBinyanCommand));
}

void CLookupListCtrl::OpenGrammarTable(BYTE action) {
  const int row = GetSelectedItem();
  if (row < 0 || m_pOpener == nullptr) return;
  LookupTableOpener::Request request;
  request.action = action;
  request.bringToFront = TRUE;
  int kind = 0;
  if (m_mode == kLookupKeywordList) {
    const DWORD fields = GetDefinitionRecord(row);
    UnpackedDefinitionRec record{};
    kind = DecodeDefinitionRecord(fields, record);
    request.caption = DefinitionKeywordString(fields).c_str();
    request.record = DefinitionWordRecord(fields, action);
    // The view learns which keyword (or, for a number, digits or words).
    request.action = static_cast<BYTE>(kind == kKindNumber ? record.flagE21
                                                           : record.definitionNumber);
  } else {
    request.record = GetRowRecord(row);
    UnpackedWordRec fields;
    kind = DecodeWordRecord(request.record.fields, request.record.extra, &fields);
    if (kind == kKindVerb && fields.pronominalSuffix != 0) request.bringToFront = FALSE;
  }
  request.tab = GrammarTabForKind(kind);
  if (request.tab < 0) return;
  m_pOpener->OpenTable(request);
  CLookupBar::SendReturnMessage();
}
