#include "tables/win/GramNumberView.h"

#include <algorithm>

#include "classlib/win/AfxMsg.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CDataExchange.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/ScrollIntoView.h"
#include "hebtext/win/SharedControlMessages.h"
#include "resources/MainFrameIds.h"
#include "resources/NumberTableIds.h"
#include "speech/win/TranslWin.h"
#include "tables/core/KtivKhaser.h"
#include "tables/core/NumberArrival.h"
#include "tables/core/NumberCellText.h"
#include "tables/core/NumberInput.h"
#include "tables/win/GrammarViewMessages.h"

IMPLEMENT_DYNCREATE(CGramNumberView, CMyFormView)

BEGIN_MESSAGE_MAP(CGramNumberView, CMyFormView)
  ON_EN_CHANGE(IDC_NUMBER_EDIT, OnNumberChanged)
  ON_CONTROL(EN_SETFOCUS, IDC_NUMBER_EDIT, OnNumberFocus)
  ON_COMMAND_RANGE(IDC_NUMBER_NO_SEQUENCE, IDC_NUMBER_BY_1000, OnInterval)
  // No other control's id lies between those of a radio pair.
  ON_COMMAND_RANGE(IDC_NUMBER_CARDINAL, IDC_NUMBER_ORDINAL, OnNumberFormat)
  ON_COMMAND_RANGE(IDC_NUMBER_MASCULINE, IDC_NUMBER_FEMININE, OnGender)
  ON_COMMAND(IDC_NUMBER_KTIV_KHASER, OnKtivKhaser)
  ON_COMMAND(ID_EDIT_COPY, OnCopyCell)
  ON_COMMAND(ID_NUMBER_COPY_NO_METEG, OnCopyCellNoMeteg)
  ON_COMMAND(ID_GRAMMAR_NEXT_FORM, OnNextCell)
  ON_COMMAND(ID_GRAMMAR_PRINT_PREVIEW, OnPrintPreviewSheet)
  ON_WM_LBUTTONDOWN()
  ON_WM_CONTEXTMENU()
  ON_WM_DESTROY()
  ON_MESSAGE(kNotifyFocus, OnControlFocus)
  ON_MESSAGE(WM_GRAM_GETTABLESHOWN, OnGetTableShown)
  ON_MESSAGE(WM_GRAM_GETSELECTEDCELL, OnGetSelectedCell)
  ON_MESSAGE(WM_GRAM_SETPARAMS, OnSetParams)
  ON_MESSAGE(WM_GRAM_SELECTWORD, OnSelectNumber)
END_MESSAGE_MAP()

namespace {

constexpr WPARAM kNextCellKey = 'G';  // with Ctrl
constexpr SHORT kKeyDown = static_cast<SHORT>(0x8000);
const LONG kIntervals[] = {0, 1, 10, 100, 1000};  // radios IDC_NUMBER_NO_SEQUENCE on

// The controls whose places the cells take, in cell order.
constexpr UINT kCellPlaceIds[kNumberCells] = {IDC_NUMBER_SEQUENCE_FIRST,
                                              IDC_NUMBER_SEQUENCE_FIRST + 1,
                                              IDC_NUMBER_SEQUENCE_FIRST + 2,
                                              IDC_NUMBER_SEQUENCE_FIRST + 3,
                                              IDC_NUMBER_SEQUENCE_FIRST + 4,
                                              IDC_NUMBER_SEQUENCE_FIRST + 5,
                                              IDC_NUMBER_SEQUENCE_FIRST + 6,
                                              IDC_NUMBER_SEQUENCE_FIRST + 7,
                                              IDC_NUMBER_SEQUENCE_FIRST + 8,
                                              IDC_NUMBER_SEQUENCE_FIRST + 9,
                                              IDC_NUMBER_HEBREW,
                                              IDC_NUMBER_ENGLISH};
// The controls that tell the view when they take the focus.
constexpr UINT kWrappedIds[] = {IDC_NUMBER_EDIT,    IDC_NUMBER_NO_SEQUENCE, IDC_NUMBER_BY_1,
                                IDC_NUMBER_BY_10,   IDC_NUMBER_BY_100,      IDC_NUMBER_BY_1000,
                                IDC_NUMBER_ORDINAL, IDC_NUMBER_CARDINAL,    IDC_NUMBER_MASCULINE,
                                IDC_NUMBER_FEMININE};

// The labels' Arial, at 19 pixels on a 96 dpi screen; the figures' at 80 %.
constexpr const char* kLabelFace = "Arial";
constexpr int kLabelPixels = 19;
constexpr int kStandardDpi = 96;
constexpr int kFigurePercent = 80;
// The Hebrew words' fonts, largest first, sized for the screen's height.
constexpr const char* kHebrewFace = "Pomlar Sephardi 2";
constexpr int kHebrewPoints[3] = {13, 10, 7};
constexpr int kReferenceScreenHeight = 480;
constexpr int kPointsPerInch = 72;

int CellOfControl(UINT nID) {
  const UINT* found = std::find(std::begin(kCellPlaceIds), std::end(kCellPlaceIds), nID);
  return found == std::end(kCellPlaceIds) ? -1 : static_cast<int>(found - kCellPlaceIds);
}

}  // namespace

CGramNumberView::CGramNumberView() : CMyFormView(IDD_GRAM_NUMBER) {
  // The numbers start in their pointed spelling.
  g_ktivKhaser = 0;
}

void CGramNumberView::DoDataExchange(CDataExchange* pDX) {
  CMyFormView::DoDataExchange(pDX);
  DDX_Radio(pDX, IDC_NUMBER_CARDINAL, m_ordinal);
  DDX_Radio(pDX, IDC_NUMBER_MASCULINE, m_feminine);
}

// ---- Set-up.

void CGramNumberView::OnInitialUpdate() {
  m_ordinal = 0;
  m_feminine = 0;
  CMyFormView::OnInitialUpdate();
  if (m_bInitialised) return;
  m_bInitialised = TRUE;
  InitPageSettings(&m_pageSettings, 1, -1);
  for (int i = 0; i < kWrappedControls; ++i) m_controls[i].SubclassDlgItem(kWrappedIds[i], this);
  MakeFonts();
  TakeCellPlaces();
  ::CheckRadioButton(m_hWnd, IDC_NUMBER_NO_SEQUENCE, IDC_NUMBER_BY_1000, IDC_NUMBER_NO_SEQUENCE);
  m_interval = 0;
  ::SendDlgItemMessageA(m_hWnd, IDC_NUMBER_EDIT, EM_LIMITTEXT, kSingleInputLimit, 0);
  SetDlgItemText(IDC_NUMBER_EDIT, m_texts.single.c_str());
}

void CGramNumberView::MakeFonts() {
  CClientDC dc(this);
  const int dpi = dc.GetDeviceCaps(LOGPIXELSY);
  LOGFONT logFont = {};
  GetFont()->GetLogFont(&logFont);
  lstrcpynA(logFont.lfFaceName, kLabelFace, LF_FACESIZE);
  logFont.lfHeight = -kLabelPixels * dpi / kStandardDpi;
  m_labelFont.CreateFontIndirect(&logFont);
  logFont.lfHeight = logFont.lfHeight * kFigurePercent / 100;
  logFont.lfWidth = logFont.lfWidth * kFigurePercent / 100;
  m_figureFont.CreateFontIndirect(&logFont);

  const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
  for (int f = 0; f < 3; ++f) {
    CFontInfo& font = m_hebrewFonts[f];
    font.Set(&dc, kHebrewFace, static_cast<WORD>(kHebrewPoints[f]), 0, FALSE);
    LOGFONT hebrew = *font.GetLogFont();
    const int points = kHebrewPoints[f] * screenHeight / kReferenceScreenHeight;
    hebrew.lfHeight = -(points * kStandardDpi / kPointsPerInch) * dpi / kStandardDpi;
    font.SetFromLogFont(&dc, hebrew);
    font.MeasureCharWidths(&dc);
  }
}

void CGramNumberView::TakeCellPlaces() {
  const CPoint scrolled = GetScrollPosition();
  for (int cell = 0; cell < kNumberCells; ++cell) {
    HWND hPlace = ::GetDlgItem(m_hWnd, static_cast<int>(kCellPlaceIds[cell]));
    if (hPlace == nullptr) continue;
    CRect rect;
    ::GetWindowRect(hPlace, &rect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    rect.OffsetRect(scrolled);
    m_cells[cell].rect = rect;
    m_textRects[cell] = rect;
    ::DestroyWindow(hPlace);
  }
}

BOOL CGramNumberView::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == kNextCellKey &&
      (::GetKeyState(VK_CONTROL) & kKeyDown) != 0) {
    OnNextCell();
    return TRUE;
  }
  return CMyFormView::PreTranslateMessage(pMsg);
}

void CGramNumberView::SendCommandToSelf(UINT nID) {
  SendMessage(WM_COMMAND, nID, reinterpret_cast<LPARAM>(::GetDlgItem(m_hWnd, nID)));
}

// ---- The number and the modes.

std::string CGramNumberView::FilterTypedNumber() {
  CString typed;
  GetDlgItemText(IDC_NUMBER_EDIT, typed);
  const bool sequence = IsSequence();
  FilteredNumberInput input = FilterNumberInput(std::string(typed, typed.GetLength()),
                                                sequence ? kSequenceInputLimit : kSingleInputLimit);
  std::string& modeText = sequence ? m_texts.sequence : m_texts.single;
  modeText = input.text;
  if (input.firstDropped >= 0) {
    BOOL& updating = sequence ? m_bSequenceUpdating : m_bSingleUpdating;
    updating = TRUE;
    SetDlgItemText(IDC_NUMBER_EDIT, input.digits.c_str());
    modeText = input.digits;
    updating = FALSE;
    ::SendDlgItemMessageA(m_hWnd, IDC_NUMBER_EDIT, EM_SETSEL, input.firstDropped,
                          input.firstDropped);
    ::SendDlgItemMessageA(m_hWnd, IDC_NUMBER_EDIT, EM_SCROLLCARET, 0, 0);
  }
  return input.digits;
}

void CGramNumberView::UpdateSingle() {
  if (m_bSingleUpdating) return;
  DestroyTranslWin();
  const std::string digits = FilterTypedNumber();
  UpdateSingleCells(m_cells, digits, NumberWording{m_ordinal, m_feminine});
  RedrawModeCells();
}

void CGramNumberView::UpdateSequence() {
  if (m_bSequenceUpdating) return;
  DestroyTranslWin();
  const std::string digits = FilterTypedNumber();
  UpdateSequenceCells(m_cells, m_sequenceValues, digits, m_interval,
                      NumberWording{m_ordinal, m_feminine});
  RedrawModeCells();
}

void CGramNumberView::UpdateMode() {
  if (IsSequence())
    UpdateSequence();
  else
    UpdateSingle();
}

void CGramNumberView::OnNumberChanged() {
  if (!m_bSwitching) UpdateMode();
}

void CGramNumberView::OnNumberFocus() { DestroyTranslWin(); }

void CGramNumberView::SwitchMode(bool toSequence) {
  RedrawModeCells();
  DestroyTranslWin();
  m_bSwitching = TRUE;
  CString edit;
  GetDlgItemText(IDC_NUMBER_EDIT, edit);
  NumberModeSwitch change =
      SwitchNumberMode(m_texts, IsSequence(), toSequence, std::string(edit, edit.GetLength()));
  if (change.changed) {
    ::SendDlgItemMessageA(m_hWnd, IDC_NUMBER_EDIT, EM_LIMITTEXT, static_cast<WPARAM>(change.limit),
                          0);
    SetDlgItemText(IDC_NUMBER_EDIT, change.shown.c_str());
  }
  m_bSwitching = FALSE;
}

void CGramNumberView::OnInterval(UINT nID) {
  const int choice = static_cast<int>(nID - IDC_NUMBER_NO_SEQUENCE);
  SwitchMode(choice != 0);
  m_interval = kIntervals[choice];
  UpdateMode();
}

void CGramNumberView::OnNumberFormat(UINT nID) {
  m_ordinal = nID == IDC_NUMBER_ORDINAL;
  UpdateMode();
}

void CGramNumberView::OnGender(UINT nID) {
  m_feminine = nID == IDC_NUMBER_FEMININE;
  UpdateMode();
}

void CGramNumberView::OnKtivKhaser() {
  g_ktivKhaser = !g_ktivKhaser;
  DestroyTranslWin();
  RedrawModeCells();
}

// ---- Selection.

void CGramNumberView::RedrawModeCells() {
  const NumberCellRange range = ShownNumberCells(IsSequence());
  for (int cell = range.first; cell < range.first + range.count; ++cell)
    InvalidateRect(LogicalToDevice(CRect(m_cells[cell].rect)));
}

void CGramNumberView::SelectCell(int cell) {
  for (int other = 0; other < kNumberCells; ++other) {
    const DWORD selected = other == cell;
    if (m_cells[other].selected == selected) continue;
    m_cells[other].selected = selected;
    InvalidateRect(LogicalToDevice(CRect(m_cells[other].rect)));
  }
  if (cell >= 0 && m_cells[cell].text[0] != '\0') m_copyText = m_cells[cell].text;
}

void CGramNumberView::ScrollCellIntoView(int cell) {
  // The stored rectangle is the one last drawn: draw a newly selected cell first.
  UpdateWindow();
  CRect client;
  GetClientRect(&client);
  const CRect visible = DeviceToLogical(client);
  const POINT position = ScrollPositionToShow(visible, m_textRects[cell]);
  if (position.x != visible.left || position.y != visible.top) ScrollToPosition(position);
}

void CGramNumberView::OnLButtonDown(UINT nFlags, CPoint point) {
  CMyFormView::OnLButtonDown(nFlags, point);
  const int cell = HitTestNumberCells(m_cells, IsSequence(), DeviceToLogical(point));
  if (cell < 0) {
    DestroyTranslWin();
    return;
  }
  SelectCell(cell);
  ScrollCellIntoView(cell);
}

void CGramNumberView::OnNextCell() {
  const bool sequence = IsSequence();
  const int cell = NextNumberCell(GetSelectedCell(), sequence);
  SelectCell(cell);
  DestroyTranslWin();
  ScrollCellIntoView(cell);
}

void CGramNumberView::OnContextMenu(CWnd*, CPoint point) {
  CPoint client = point;
  ScreenToClient(&client);
  const int cell = HitTestNumberCells(m_cells, IsSequence(), DeviceToLogical(client));
  SelectCell(cell);
  if (cell < 0 || m_cells[cell].text[0] == '\0') return;
  CMenu menu;
  if (!menu.CreatePopupMenu()) return;
  menu.AppendMenu(MF_STRING, ID_EDIT_COPY, "&Copy to Clipboard");
  if (NumberTextHasStress(m_copyText))
    menu.AppendMenu(MF_STRING, ID_NUMBER_COPY_NO_METEG, "Copy to Clipboard (No &METEG)");
  menu.TrackPopupMenu(TPM_CENTERALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

LRESULT CGramNumberView::OnControlFocus(WPARAM wParam, LPARAM) {
  const int cell = CellOfControl(static_cast<UINT>(wParam));
  if (cell >= 0 && m_cells[cell].text[0] != '\0') m_copyText = m_cells[cell].text;
  return 0;
}

void CGramNumberView::OnDestroy() {
  DestroyTranslWin();
  m_labelFont.DeleteObject();
  m_figureFont.DeleteObject();
  CMyFormView::OnDestroy();
}

// ---- Answers to the main frame and the look-up.

LRESULT CGramNumberView::OnGetTableShown(WPARAM, LPARAM) {
  return NumberTableShown(m_texts, IsSequence());
}

LRESULT CGramNumberView::OnGetSelectedCell(WPARAM, LPARAM) {
  return NumberSelectionAnswer(GetSelectedCell(), m_copyText);
}

LRESULT CGramNumberView::OnSetParams(WPARAM wParam, LPARAM lParam) {
  m_lookupRecord = static_cast<DWORD>(wParam);
  m_lookupExtra = static_cast<BYTE>(lParam & 0xFF);
  return 0;
}

LRESULT CGramNumberView::OnSelectNumber(WPARAM, LPARAM) {
  NumberViewSettings settings;
  settings.sequence = IsSequence();
  settings.ordinal = m_ordinal;
  settings.feminine = m_feminine;
  settings.ktivKhaser = g_ktivKhaser;
  // The General/NikudToggle preference is not offered yet: its default is off.
  settings.nikudToggle = 0;
  const NumberArrivalPlan plan = PlanNumberArrival(m_lookupRecord, m_lookupExtra, settings);
  m_lookupRecord = 0;
  m_lookupExtra = 0;
  if (!plan.valid) return 0;
  if (plan.leaveSequence) {
    SendCommandToSelf(IDC_NUMBER_NO_SEQUENCE);
    ::CheckRadioButton(m_hWnd, IDC_NUMBER_NO_SEQUENCE, IDC_NUMBER_BY_1000, IDC_NUMBER_NO_SEQUENCE);
  }
  m_texts.single.clear();
  SetDlgItemText(IDC_NUMBER_EDIT, "");
  if (plan.switchGender) {
    const UINT gender = plan.feminine ? IDC_NUMBER_FEMININE : IDC_NUMBER_MASCULINE;
    SendCommandToSelf(gender);
    ::CheckRadioButton(m_hWnd, IDC_NUMBER_MASCULINE, IDC_NUMBER_FEMININE, gender);
  }
  if (plan.switchFormat) {
    const UINT format = plan.ordinal ? IDC_NUMBER_ORDINAL : IDC_NUMBER_CARDINAL;
    SendCommandToSelf(format);
    ::CheckRadioButton(m_hWnd, IDC_NUMBER_CARDINAL, IDC_NUMBER_ORDINAL, format);
  }
  if (plan.toggleKtivKhaser) SendCommandToSelf(IDC_NUMBER_KTIV_KHASER);
  m_texts.single = plan.singleText;
  SetDlgItemText(IDC_NUMBER_EDIT, plan.singleText.c_str());
  DestroyTranslWin();
  ScrollCellIntoView(kHebrewWordsCell);
  return 0;
}
