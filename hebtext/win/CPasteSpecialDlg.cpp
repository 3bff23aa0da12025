#include "hebtext/win/CPasteSpecialDlg.h"

#include "classlib/win/CDataExchange.h"
#include "hebtext/core/EditClipboardText.h"
#include "hebtext/win/SpecialClipboardDlgs.h"
#include "hebtext/win/SystemInfo.h"
#include "resources/HebtextIds.h"

BEGIN_MESSAGE_MAP(CPasteSpecialDlg, CDialog)
  ON_BN_CLICKED(IDC_FILTER_NONE, OnFilterNone)
  ON_BN_CLICKED(IDC_FILTER_STANDARD, OnFilterStandard)
  ON_BN_CLICKED(IDC_FILTER_ENGLISH_LAYOUT, OnFilterEnglishLayout)
  ON_BN_CLICKED(IDC_FILTER_UTF8, OnFilterUnicode)
  ON_BN_CLICKED(IDC_FILTER_WIDE_CHAR, OnFilterUnicode)
  ON_BN_CLICKED(IDC_DIRECTION_FORWARD, OnDirection)
  ON_BN_CLICKED(IDC_DIRECTION_REVERSE, OnDirection)
  ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
END_MESSAGE_MAP()

CPasteSpecialDlg::CPasteSpecialDlg(CWnd* pParent) : CDialog(IDD, pParent) {
  m_wideCharOffered = GetOSDescription() && g_osVersion.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

ClipboardTextOptions CPasteSpecialDlg::GetChosenOptions() const {
  return {static_cast<ClipboardFilter>(m_filter), static_cast<ClipboardDirection>(m_direction),
          static_cast<VavOrder>(m_vavOption)};
}

int CPasteSpecialDlg::LoadInterpret() { return LoadSpecialChoice("PasteSpecial Interpret"); }
void CPasteSpecialDlg::SaveInterpret(int value) {
  SaveSpecialChoice("PasteSpecial Interpret", value);
}
int CPasteSpecialDlg::LoadDirection() { return LoadSpecialChoice("PasteSpecial Direction"); }
void CPasteSpecialDlg::SaveDirection(int value) {
  SaveSpecialChoice("PasteSpecial Direction", value);
}
int CPasteSpecialDlg::LoadVavOption() { return LoadSpecialChoice("PasteSpecial VavOption"); }
void CPasteSpecialDlg::SaveVavOption(int value) {
  SaveSpecialChoice("PasteSpecial VavOption", value);
}

void CPasteSpecialDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Radio(pDX, IDC_DIRECTION_FORWARD, m_direction);
  DDX_Radio(pDX, IDC_FILTER_NONE, m_filter);
  DDX_Radio(pDX, IDC_FORMAT_PLAIN, m_textFormat);
  DDX_Radio(pDX, IDC_VAV_THEN_HOLAM, m_vavOption);
}

BOOL CPasteSpecialDlg::OnInitDialog() {
  m_filter = LoadInterpret();
  m_direction = LoadDirection();
  m_vavOption = LoadVavOption();
  CDialog::OnInitDialog();
  if (!m_plainTextOffered) GetDlgItem(IDC_FORMAT_PLAIN)->EnableWindow(FALSE);
  if (!m_rtfOffered) GetDlgItem(IDC_FORMAT_RTF)->EnableWindow(FALSE);
  if (!m_wideCharOffered) GetDlgItem(IDC_FILTER_WIDE_CHAR)->EnableWindow(FALSE);
  EnableVavOrderControls(this, m_filter != kFilterNone && m_filter != kFilterEnglishLayout);
  SetVavOrderFonts(this);
  return TRUE;
}

void CPasteSpecialDlg::OnOK() {
  CDialog::OnOK();
  SaveInterpret(m_filter);
  SaveDirection(m_direction);
  SaveVavOption(m_vavOption);
}

void CPasteSpecialDlg::ApplyFilter(BOOL rtf, BOOL vavOrder, BOOL vavOrderAlways, int direction) {
  if (m_rtfOffered) GetDlgItem(IDC_FORMAT_RTF)->EnableWindow(rtf);
  // Without the wide-character filter (Windows 95 and 98) only the standard
  // filter touches the vav-order controls.
  if (vavOrderAlways || m_wideCharOffered) EnableVavOrderControls(this, vavOrder);
  if (!m_directionChosen)
    ::CheckRadioButton(m_hWnd, IDC_DIRECTION_FORWARD, IDC_DIRECTION_REVERSE,
                       direction == kReverse ? IDC_DIRECTION_REVERSE : IDC_DIRECTION_FORWARD);
}

void CPasteSpecialDlg::OnFilterNone() { ApplyFilter(TRUE, FALSE, FALSE, kForward); }
void CPasteSpecialDlg::OnFilterStandard() { ApplyFilter(TRUE, TRUE, TRUE, kForward); }
void CPasteSpecialDlg::OnFilterEnglishLayout() { ApplyFilter(FALSE, FALSE, FALSE, kReverse); }
void CPasteSpecialDlg::OnFilterUnicode() { ApplyFilter(FALSE, TRUE, FALSE, kForward); }
void CPasteSpecialDlg::OnDirection() { m_directionChosen = TRUE; }
void CPasteSpecialDlg::OnHelpButton() { ShowSpecialHelp(IDD); }
