#include "editor/win/CTranslitFormatDlg.h"

#include <cstdlib>

#include "classlib/win/CScrollBar.h"
#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "editor/core/FontStyleNames.h"
#include "editor/core/RtfDocumentBuilder.h"
#include "editor/win/ColorDialogDraw.h"
#include "editor/win/FontSampleDlg.h"
#include "editor/win/FontSizeCombo.h"
#include "editor/win/FontStyleCombo.h"
#include "hebtext/core/Preferences.h"
#include "hebtext/win/FontFaceEnum.h"
#include "resources/ColorDialogIds.h"
#include "resources/FontDialogIds.h"
#include "resources/TranslitFormatIds.h"

namespace {

// The sample phrase: "-" opens an unstressed syllable, "*" a stressed one.
constexpr char kSamplePhrase[] = "-l'-sha*na -to*va -ti-ka*tey-vu -ma*ta-yim";
constexpr char kSampleWithNumber[] = "-l'-sha*na -to*va -ti-ka*tey-vu 200";
constexpr int kSpacingDigits = 2;
constexpr int kFaceEveryFont = 0;

bool IsChecked(HWND hDialog, int id) { return ::IsDlgButtonChecked(hDialog, id) == BST_CHECKED; }

void Check(HWND hDialog, int id, bool checked) {
  ::CheckDlgButton(hDialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

CString DialogItemText(HWND hDialog, int id) {
  char text[LF_FACESIZE + 16] = {};
  ::GetDlgItemTextA(hDialog, id, text, sizeof text);
  return text;
}

// Selects the combo's entry of the text; a face or style the list lacks is
// added so that what is set shows, a size is typed into the field.
void SelectText(HWND hDialog, int comboId, LPCSTR text) {
  const HWND hCombo = ::GetDlgItem(hDialog, comboId);
  const auto textParam = reinterpret_cast<LPARAM>(text);
  LRESULT index = ::SendMessageA(hCombo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), textParam);
  if (index == CB_ERR && comboId != IDC_FONT_SIZE_COMBO)
    index = ::SendMessageA(hCombo, CB_ADDSTRING, 0, textParam);
  if (index != CB_ERR)
    ::SendMessageA(hCombo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  else
    ::SetWindowTextA(hCombo, text);
}

}  // namespace

BEGIN_MESSAGE_MAP(CTranslitFormatDlg, CDialog)
  ON_WM_PAINT()
  ON_WM_HSCROLL()
  ON_WM_DRAWITEM()
  ON_BN_CLICKED(IDC_TRANSLIT_STRESSED, OnStressed)
  ON_BN_CLICKED(IDC_TRANSLIT_UNSTRESSED, OnUnstressed)
  ON_BN_CLICKED(IDC_TRANSLIT_TARGET_TEXT, OnTargetText)
  ON_BN_CLICKED(IDC_TRANSLIT_TARGET_BACK, OnTargetBack)
  ON_BN_CLICKED(IDC_TRANSLIT_TARGET_WINDOW, OnTargetWindow)
  ON_EN_CHANGE(IDC_COLOR_RED, OnRedChange)
  ON_EN_CHANGE(IDC_COLOR_GREEN, OnGreenChange)
  ON_EN_CHANGE(IDC_COLOR_BLUE, OnBlueChange)
  ON_BN_CLICKED(IDC_TRANSLIT_NO_COLOR, OnNoColor)
  ON_CONTROL(CBN_SELCHANGE, IDC_FONT_FACE_COMBO, OnFontChange)
  ON_CONTROL(CBN_SELCHANGE, IDC_FONT_STYLE_COMBO, OnFontChange)
  ON_CONTROL(CBN_SELCHANGE, IDC_FONT_SIZE_COMBO, OnFontChange)
  ON_CONTROL(CBN_EDITCHANGE, IDC_FONT_SIZE_COMBO, OnFontChange)
  ON_MESSAGE(WM_FONT_SAMPLE_UPDATE, OnFontChanged)
  ON_BN_CLICKED(IDC_TRANSLIT_UPPER_CASE, OnFontChange)
  ON_BN_CLICKED(IDC_TRANSLIT_KEEP_NUMBERS, OnWordSettingChange)
  ON_BN_CLICKED(IDC_TRANSLIT_HYPHENS, OnWordSettingChange)
  ON_BN_CLICKED(IDC_TRANSLIT_CAPITAL_WORDS, OnWordSettingChange)
  ON_BN_CLICKED(IDC_TRANSLIT_CAPITAL_LINES, OnWordSettingChange)
  ON_EN_CHANGE(IDC_TRANSLIT_SPACING, OnWordSettingChange)
END_MESSAGE_MAP()

CTranslitFormatDlg::CTranslitFormatDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

CTranslitFormatDlg::~CTranslitFormatDlg() = default;

BOOL CTranslitFormatDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  const HWND hDialog = m_hWnd;
  CStringArray faces;
  {
    CClientDC dc(this);
    EnumerateFontFaces(dc.GetSafeHdc(), faces, kFaceEveryFont);
  }
  for (INT_PTR i = 0; i < faces.GetSize(); ++i)
    ::SendDlgItemMessageA(hDialog, IDC_FONT_FACE_COMBO, CB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(static_cast<LPCSTR>(faces[i])));
  FillFontStyleCombo(this, 0);
  LoadTransliterationSettings(&m_word, &m_styles[kStressed], &m_styles[kUnstressed]);
  FillFontSizeCombo(this, IDC_FONT_SIZE_COMBO, nullptr);
  InitRgbScrollBars(this);
  ::SendDlgItemMessageA(hDialog, IDC_TRANSLIT_SPACING, EM_LIMITTEXT, kSpacingDigits, 0);

  Check(hDialog, IDC_TRANSLIT_STRESSED, true);
  Check(hDialog, IDC_TRANSLIT_TARGET_TEXT, true);
  Check(hDialog, IDC_TRANSLIT_HYPHENS, m_word.syllableHyphens != 0);
  Check(hDialog, IDC_TRANSLIT_CAPITAL_WORDS, m_word.capitalizeWords != 0);
  Check(hDialog, IDC_TRANSLIT_CAPITAL_LINES, m_word.capitalizeLines != 0);
  Check(hDialog, IDC_TRANSLIT_KEEP_NUMBERS, m_word.keepNumbers != 0);
  ::SetDlgItemInt(hDialog, IDC_TRANSLIT_SPACING, m_word.extraWordSpacing, FALSE);
  m_shown = kStressed;
  m_target = kSyllableText;
  ShowStyle(kStressed);
  ::EnableWindow(::GetDlgItem(hDialog, IDC_TRANSLIT_NO_COLOR), FALSE);

  CRect sample;
  GetDlgItem(IDC_TRANSLIT_SAMPLE)->GetWindowRect(&sample);
  ScreenToClient(&sample);
  m_preview.Create(nullptr, "", WS_CHILD | WS_VISIBLE, sample, this, IDC_TRANSLIT_SAMPLE + 1);
  m_bSettingFields = FALSE;
  DrawSample();
  return TRUE;
}

COLORREF& CTranslitFormatDlg::TargetColor(int target) {
  TranslitTextStyle& style = m_styles[m_shown];
  if (target == kSyllableBack) return style.backColor;
  if (target == kWindowBack) return m_word.background;
  return style.textColor;
}

void CTranslitFormatDlg::ShowStyle(int syllable) {
  m_shown = syllable;
  const TranslitTextStyle& style = m_styles[syllable];
  const BOOL wasSetting = m_bSettingFields;
  m_bSettingFields = TRUE;
  SelectText(m_hWnd, IDC_FONT_FACE_COMBO, style.face);
  CString size;
  size.Format("%u", style.pointSize);
  SelectText(m_hWnd, IDC_FONT_SIZE_COMBO, size);
  SelectText(m_hWnd, IDC_FONT_STYLE_COMBO, StyleIndexToName(style.style));
  Check(m_hWnd, IDC_TRANSLIT_UPPER_CASE, style.allUpperCase != 0);
  m_bSettingFields = wasSetting;
  ShowTargetColor();
}

void CTranslitFormatDlg::ShowTargetColor() {
  m_edited = TargetColor(m_target);
  const BOOL wasSetting = m_bSettingFields;
  m_bSettingFields = TRUE;
  // No colour shows as white in the fields.
  SetRgbControls(this, m_edited == kNoColor ? RGB(255, 255, 255) : m_edited);
  m_bSettingFields = wasSetting;
  DrawColorSample(this, m_edited);
}

void CTranslitFormatDlg::StoreShownStyle() {
  TranslitTextStyle& style = m_styles[m_shown];
  style.allUpperCase = IsChecked(m_hWnd, IDC_TRANSLIT_UPPER_CASE) ? 1 : 0;
  const CString face = DialogItemText(m_hWnd, IDC_FONT_FACE_COMBO);
  if (!face.IsEmpty()) style.face = face;
  const int size = std::atoi(DialogItemText(m_hWnd, IDC_FONT_SIZE_COMBO));
  if (size > 0) style.pointSize = static_cast<WORD>(size);
  style.style = static_cast<BYTE>(StyleNameToIndex(DialogItemText(m_hWnd, IDC_FONT_STYLE_COMBO)));
  TargetColor(m_target) = m_edited;
}

void CTranslitFormatDlg::TakeWordSettings() {
  m_word.syllableHyphens = IsChecked(m_hWnd, IDC_TRANSLIT_HYPHENS) ? 1 : 0;
  m_word.capitalizeWords = IsChecked(m_hWnd, IDC_TRANSLIT_CAPITAL_WORDS) ? 1 : 0;
  m_word.capitalizeLines = IsChecked(m_hWnd, IDC_TRANSLIT_CAPITAL_LINES) ? 1 : 0;
  m_word.keepNumbers = IsChecked(m_hWnd, IDC_TRANSLIT_KEEP_NUMBERS) ? 1 : 0;
  m_word.extraWordSpacing = ::GetDlgItemInt(m_hWnd, IDC_TRANSLIT_SPACING, nullptr, FALSE);
}

void CTranslitFormatDlg::DrawSample() {
  if (m_preview.GetSafeHwnd() == nullptr) return;
  CRtfTables2 writer;
  const LPCSTR phrase = m_word.keepNumbers != 0 ? kSampleWithNumber : kSamplePhrase;
  writer.BuildRtfDocument(phrase, RtfOptionsOf(m_word), RtfStyleOf(m_styles[kStressed]),
                          RtfStyleOf(m_styles[kUnstressed]));
  m_preview.SetWindowColor(m_word.background == kNoColor ? RGB(255, 255, 255) : m_word.background);
  m_preview.SetExtraWordSpace(m_word.extraWordSpacing);
  m_preview.SetWindowText(writer.result);
  m_preview.Invalidate();
}

void CTranslitFormatDlg::OnStressed() { ChooseSyllable(kStressed); }
void CTranslitFormatDlg::OnUnstressed() { ChooseSyllable(kUnstressed); }

void CTranslitFormatDlg::ChooseSyllable(int syllable) {
  if (syllable == m_shown) return;
  StoreShownStyle();
  ShowStyle(syllable);
}

void CTranslitFormatDlg::OnTargetText() { ChooseTarget(kSyllableText); }
void CTranslitFormatDlg::OnTargetBack() { ChooseTarget(kSyllableBack); }
void CTranslitFormatDlg::OnTargetWindow() { ChooseTarget(kWindowBack); }

void CTranslitFormatDlg::ChooseTarget(int target) {
  TargetColor(m_target) = m_edited;
  m_target = target;
  ::EnableWindow(::GetDlgItem(m_hWnd, IDC_TRANSLIT_NO_COLOR), target == kSyllableBack);
  ShowTargetColor();
}

void CTranslitFormatDlg::OnRedChange() { OnColorEdit(IDC_COLOR_RED); }
void CTranslitFormatDlg::OnGreenChange() { OnColorEdit(IDC_COLOR_GREEN); }
void CTranslitFormatDlg::OnBlueChange() { OnColorEdit(IDC_COLOR_BLUE); }

void CTranslitFormatDlg::OnColorEdit(int editId) {
  if (m_bSettingFields) return;
  // Taking a refused text back changes the field again: that change is ours.
  m_bSettingFields = TRUE;
  const int valid = SyncScrollFromEdit(this, editId);
  m_bSettingFields = FALSE;
  if (!valid) return;
  m_edited = GetRgbFromEdits(this);
  TargetColor(m_target) = m_edited;
  DrawSample();
}

void CTranslitFormatDlg::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  HWND hBar = pScrollBar->GetSafeHwnd();
  if (hBar == nullptr) return;
  HandleRgbScroll(this, nSBCode, nPos, hBar);
  m_edited = GetRgbFromEdits(this);
  TargetColor(m_target) = m_edited;
  DrawSample();
}

void CTranslitFormatDlg::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  const COLORREF color = DrawColorListItem(lpDrawItemStruct);
  if (color == kNoColor) return;
  // The fields' change notices store the colour and redraw the sample.
  SetRgbControls(this, color);
  DrawColorSample(this, color);
}

void CTranslitFormatDlg::OnNoColor() {
  m_edited = kNoColor;
  TargetColor(m_target) = m_edited;
  ShowTargetColor();
  DrawSample();
}

// A combo's change notice comes before its field shows the new text: the
// style is read once the change has been made.
void CTranslitFormatDlg::OnFontChange() {
  if (!m_bSettingFields) PostMessage(WM_FONT_SAMPLE_UPDATE);
}

LRESULT CTranslitFormatDlg::OnFontChanged(WPARAM, LPARAM) {
  StoreShownStyle();
  DrawSample();
  return 0;
}

void CTranslitFormatDlg::OnWordSettingChange() {
  if (m_bSettingFields) return;
  TakeWordSettings();
  DrawSample();
}

void CTranslitFormatDlg::OnPaint() {
  CPaintDC dc(this);
  DrawColorSample(this, m_edited);
}

void CTranslitFormatDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  TakeWordSettings();
  if (m_word.extraWordSpacing > kMaxWordSpacing) m_word.extraWordSpacing = kMaxWordSpacing;
  StoreShownStyle();
  SaveTransliterationSettings(&m_word, &m_styles[kStressed], &m_styles[kUnstressed]);
  EndDialog(IDOK);
}
