#include "editor/win/CChangeColorsDlg.h"

#include "classlib/win/CDataExchange.h"
#include "classlib/win/CScrollBar.h"
#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "editor/core/ColorScroll.h"
#include "editor/win/ColorDialogDraw.h"
#include "hebtext/core/SortedStrings.h"
#include "hebtext/win/SystemPreferences.h"
#include "resources/ColorDialogIds.h"

BEGIN_MESSAGE_MAP(CChangeColorsDlg, CDialog)
  ON_WM_PAINT()
  ON_WM_HSCROLL()
  ON_WM_DRAWITEM()
  ON_EN_CHANGE(IDC_COLOR_RED, OnRedChange)
  ON_EN_CHANGE(IDC_COLOR_GREEN, OnGreenChange)
  ON_EN_CHANGE(IDC_COLOR_BLUE, OnBlueChange)
  ON_BN_CLICKED(IDC_COLOR_SAVE_DEFAULT, OnSaveDefault)
END_MESSAGE_MAP()

CChangeColorsDlg::CChangeColorsDlg(COLORREF text, COLORREF back, const LOGFONT& sampleFont,
                                   BOOL backDisabled, CWnd* pParent)
    : CDialog(IDD, pParent),
      m_current(text),
      m_text(text),
      m_back(back),
      m_bBackDisabled(backDisabled),
      m_sampleLogFont(sampleFont) {}

CChangeColorsDlg::~CChangeColorsDlg() { DeleteSampleFont(); }

void CChangeColorsDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_COLOR_BLUE, m_blue);
  DDV_MinMaxInt(pDX, m_blue, kRgbMin, kRgbMax);
  DDX_Text(pDX, IDC_COLOR_GREEN, m_green);
  DDV_MinMaxInt(pDX, m_green, kRgbMin, kRgbMax);
  DDX_Text(pDX, IDC_COLOR_RED, m_red);
  DDV_MinMaxInt(pDX, m_red, kRgbMin, kRgbMax);
  DDX_Radio(pDX, IDC_COLOR_TARGET_TEXT, m_target);
}

BOOL CChangeColorsDlg::OnInitDialog() {
  InitRgbScrollBars(this);
  m_target = kTargetText;
  m_current = m_text;
  m_red = GetRValue(m_current);
  m_green = GetGValue(m_current);
  m_blue = GetBValue(m_current);
  const int bars[] = {IDC_COLOR_RED_BAR, IDC_COLOR_GREEN_BAR, IDC_COLOR_BLUE_BAR};
  const int parts[] = {m_red, m_green, m_blue};
  for (int i = 0; i < 3; i++) ::SetScrollPos(::GetDlgItem(m_hWnd, bars[i]), SB_CTL, parts[i], TRUE);
  m_hSampleFont = ::CreateFontIndirectA(&m_sampleLogFont);
  m_bHebrew = IsProgramHebrewFont(m_sampleLogFont.lfFaceName);
  CDialog::OnInitDialog();
  CString label;
  label.Format("Use Sample Colors above\nwhen saving\n%s &Default Colors",
               m_bHebrew ? "Hebrew" : "English");
  SetDlgItemText(IDC_COLOR_DEFAULT_LABEL, label);
  if (m_bBackDisabled) ::EnableWindow(::GetDlgItem(m_hWnd, IDC_COLOR_TARGET_BACK), FALSE);
  m_bSettingFields = FALSE;
  return TRUE;
}

void CChangeColorsDlg::OnOK() {
  if (!UpdateData(TRUE)) return;
  DeleteSampleFont();
  EndDialog(IDOK);
}

void CChangeColorsDlg::OnCancel() {
  DeleteSampleFont();
  CDialog::OnCancel();
}

void CChangeColorsDlg::DeleteSampleFont() {
  if (m_hSampleFont != nullptr) ::DeleteObject(m_hSampleFont);
  m_hSampleFont = nullptr;
}

void CChangeColorsDlg::OnPaint() {
  CPaintDC dc(this);
  DrawColorSample(this, GetRgbFromEdits(this));
  DrawSampleText();
}

void CChangeColorsDlg::DrawSampleText() {
  DrawColorSampleText(this, IDC_COLOR_SAMPLE, m_text, m_back, m_hSampleFont, m_bHebrew);
}

void CChangeColorsDlg::StoreFromControls() {
  m_current = GetRgbFromEdits(this);
  m_target = ::IsDlgButtonChecked(m_hWnd, IDC_COLOR_TARGET_BACK) == BST_CHECKED ? kTargetBack
                                                                               : kTargetText;
  if (m_target == kTargetBack)
    m_back = m_current;
  else
    m_text = m_current;
}

void CChangeColorsDlg::OnColorEdit(int editId) {
  if (m_bSettingFields) return;
  // Taking a refused text back changes the field again: that change is ours.
  m_bSettingFields = TRUE;
  const int valid = SyncScrollFromEdit(this, editId);
  m_bSettingFields = FALSE;
  if (!valid) return;
  StoreFromControls();
  DrawColorSample(this, m_current);
  DrawSampleText();
}

void CChangeColorsDlg::OnRedChange() { OnColorEdit(IDC_COLOR_RED); }
void CChangeColorsDlg::OnGreenChange() { OnColorEdit(IDC_COLOR_GREEN); }
void CChangeColorsDlg::OnBlueChange() { OnColorEdit(IDC_COLOR_BLUE); }

void CChangeColorsDlg::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  HWND hBar = pScrollBar->GetSafeHwnd();
  if (hBar == nullptr) return;
  HandleRgbScroll(this, nSBCode, nPos, hBar);
  StoreFromControls();
  DrawSampleText();
}

void CChangeColorsDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  const COLORREF color = DrawColorListItem(lpDrawItemStruct);
  if (color == kNoColor) return;
  DrawColorSample(this, color);
  // The fields' changes store the colour.
  SetRgbControls(this, color);
  DrawSampleText();
}

void CChangeColorsDlg::OnSaveDefault() {
  StoreFromControls();
  SaveEditorColors(m_text, m_back, kNoColor, kNoColor, m_bHebrew);
}
