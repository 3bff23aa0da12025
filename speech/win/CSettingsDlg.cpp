#include "speech/win/CSettingsDlg.h"

#include "classlib/win/CBrush.h"
#include "classlib/win/CColorDialog.h"
#include "classlib/win/CDataExchange.h"
#include "classlib/win/CPen.h"
#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/HebrewGlyphRun.h"
#include "hebtext/core/Preferences.h"
#include "hebtext/core/QamatsQatanPrefs.h"
#include "hebtext/win/HebEditColors.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "resources/SettingsIds.h"
#include "speech/core/PronunciationOptions.h"

namespace {

constexpr char kSampleFace[] = "Pomlar Sephardi 2";
constexpr int kSamplePoints = 17;
// The sample's size is set for a 96 pixels-per-inch screen.
constexpr int kSamplePixelsPerInch = 96;
constexpr int kPointsPerInch = 72;
constexpr COLORREF kNoColor = static_cast<COLORREF>(-1);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// kol: kaf with dagesh and qamats qatan, lamed without a vowel.
const BYTE kSampleLetters[] = {HebCode::KafDagesh, HebCode::Lamed};
const BYTE kSampleVowels[] = {HebCode::QamatsQatan, 0};
constexpr int kSampleLength = 2;

}  // namespace

BEGIN_MESSAGE_MAP(CSettingsDlg, CDialog)
  ON_WM_PAINT()
  ON_BN_CLICKED(IDC_SETTINGS_CHANGE_COLOR, OnChangeColor)
  ON_BN_CLICKED(IDC_SETTINGS_KAM_CUSTOM_COLOR, OnUseCustomColor)
  ON_BN_CLICKED(IDC_SETTINGS_KAM_TEXT_COLOR, OnUseTextColor)
END_MESSAGE_MAP()

CSettingsDlg::CSettingsDlg(Values& values, CWnd* pParent)
    : CDialog(IDD, pParent), m_kamColor(kNoColor), m_values(values) {}

CSettingsDlg::~CSettingsDlg() = default;

void CSettingsDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Radio(pDX, IDC_SETTINGS_SEPHARDI, m_pronunciation);
  DDX_Radio(pDX, IDC_SETTINGS_KAM_TEXT_COLOR, m_kamStyle);
  DDX_Radio(pDX, IDC_SETTINGS_TOGGLE_DISABLE, m_nikudToggle);
  DDX_Radio(pDX, IDC_SETTINGS_VOWELS_LONG, m_vowelType);
}

BOOL CSettingsDlg::OnInitDialog() {
  const int accent = m_values.accent;
  m_pronunciation = accent >= kSephardi && accent <= kYemenite ? accent - kSephardi : kNoChoice;
  m_kamStyle = GetKamStyle();
  m_kamColor = GetKamColor();
  m_nikudToggle = m_values.nikudToggle;
  m_vowelType = m_values.vowelType;
  ::CheckDlgButton(m_hWnd, IDC_SETTINGS_HASHEM_FILTER,
                  m_values.haShemFilter != 0 ? BST_CHECKED : BST_UNCHECKED);
  LOGFONT logFont = {};
  lstrcpynA(logFont.lfFaceName, kSampleFace, LF_FACESIZE);
  logFont.lfHeight = -::MulDiv(kSamplePoints, kSamplePixelsPerInch, kPointsPerInch);
  logFont.lfCharSet = DEFAULT_CHARSET;
  CClientDC dc(this);
  m_sampleFont.SetFromLogFont(&dc, logFont);
  m_sampleFont.MeasureMetrics(&dc);
  m_sampleFont.MeasureCharWidths(&dc);
  CDialog::OnInitDialog();
  EnableChangeColor(m_kamStyle == 1);
  return TRUE;
}

void CSettingsDlg::OnOK() {
  const int filter = ::IsDlgButtonChecked(m_hWnd, IDC_SETTINGS_HASHEM_FILTER) == BST_CHECKED ? 1 : 0;
  m_values.haShemFilter = filter;
  SaveHaShemFilter(filter);
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
  // No pronunciation chosen leaves the stored one as it was.
  if (m_pronunciation != kNoChoice) {
    m_values.accent = m_pronunciation + kSephardi;
    SaveAccent(m_values.accent);
  }
  SetKamColor(m_kamColor);
  SaveKamColor(m_kamColor);
  SetKamStyle(m_kamStyle);
  SaveKamStyle(m_kamStyle);
  m_values.nikudToggle = m_nikudToggle;
  SaveNikudToggle(m_nikudToggle);
  m_values.vowelType = m_vowelType;
  SaveVowelType(m_vowelType);
}

void CSettingsDlg::EnableChangeColor(BOOL enable) {
  if (CWnd* pButton = GetDlgItem(IDC_SETTINGS_CHANGE_COLOR)) pButton->EnableWindow(enable);
}

void CSettingsDlg::OnUseCustomColor() {
  EnableChangeColor(TRUE);
  Invalidate();
}

void CSettingsDlg::OnUseTextColor() {
  EnableChangeColor(FALSE);
  Invalidate();
}

void CSettingsDlg::OnChangeColor() {
  CColorDialog dialog(m_kamColor, 0, this);
  if (dialog.DoModal() != IDOK) return;
  m_kamColor = dialog.GetColor();
  Invalidate();
}

void CSettingsDlg::OnPaint() {
  CPaintDC dc(this);
  DrawSample(&dc);
}

void CSettingsDlg::DrawSample(CDC* pDC) {
  CWnd* pSample = GetDlgItem(IDC_SETTINGS_SAMPLE);
  if (pSample == nullptr) return;
  CRect rect;
  pSample->GetWindowRect(&rect);
  ScreenToClient(&rect);
  pDC->FillSolidRect(&rect, g_hebEditColors.background);
  CBrush black(kBlack);
  pDC->FrameRect(&rect, &black);
  CPen white(PS_SOLID, 1, kWhite);
  CPen* pOldPen = pDC->SelectObject(&white);
  pDC->MoveTo(rect.left, rect.bottom - 1);
  pDC->LineTo(rect.left, rect.top);
  pDC->LineTo(rect.right, rect.top);
  pDC->SelectObject(pOldPen);

  CFont* pOldFont = pDC->SelectObject(m_sampleFont.GetFont());
  const int width = MeasureHebrewText(m_sampleFont, kSampleLetters, kSampleVowels, kSampleLength,
                                      TRUE);
  const int right = rect.left + (rect.Width() + width) / 2;
  const int top = rect.top + (rect.Height() - m_sampleFont.GetLineHeight()) / 2;
  const bool textColour = ::IsDlgButtonChecked(m_hWnd, IDC_SETTINGS_KAM_TEXT_COLOR) == BST_CHECKED;
  const int oldMode = pDC->SetBkMode(TRANSPARENT);
  const COLORREF text = g_hebEditColors.text;
  DrawHebrewText(pDC, &m_sampleFont, right, top, kSampleLetters, kSampleVowels, kSampleLength,
                 text, text, TRUE, textColour ? kQamatsQatanAsText : m_kamColor, nullptr, FALSE,
                 text, text, kNoHighlight);
  pDC->SetBkMode(oldMode);
  pDC->SelectObject(pOldFont);
}
