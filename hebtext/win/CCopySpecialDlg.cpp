#include "hebtext/win/CCopySpecialDlg.h"

#include "classlib/win/CDataExchange.h"
#include "hebtext/core/EditClipboardText.h"
#include "hebtext/win/SpecialClipboardDlgs.h"
#include "resources/HebtextIds.h"

BEGIN_MESSAGE_MAP(CCopySpecialDlg, CDialog)
  ON_BN_CLICKED(IDC_FILTER_NONE, OnFilterNone)
  ON_BN_CLICKED(IDC_FILTER_STANDARD, OnFilterConverting)
  ON_BN_CLICKED(IDC_FILTER_UTF8, OnFilterConverting)
  ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
END_MESSAGE_MAP()

CCopySpecialDlg::CCopySpecialDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

int CCopySpecialDlg::GetCopyFilter() const {
  return m_interpret == kFilterNone || m_interpret == kFilterStandard ? m_interpret : kFilterUtf8;
}

ClipboardTextOptions CCopySpecialDlg::GetChosenOptions() const {
  return {static_cast<ClipboardFilter>(GetCopyFilter()),
          static_cast<ClipboardDirection>(m_direction), static_cast<VavOrder>(m_vavOption)};
}

int CCopySpecialDlg::LoadInterpret() { return LoadSpecialChoice("CopySpecial Interpret"); }
void CCopySpecialDlg::SaveInterpret(int value) {
  SaveSpecialChoice("CopySpecial Interpret", value);
}
int CCopySpecialDlg::LoadDirection() { return LoadSpecialChoice("CopySpecial Direction"); }
void CCopySpecialDlg::SaveDirection(int value) {
  SaveSpecialChoice("CopySpecial Direction", value);
}
int CCopySpecialDlg::LoadVavOption() { return LoadSpecialChoice("CopySpecial VavOption"); }
void CCopySpecialDlg::SaveVavOption(int value) {
  SaveSpecialChoice("CopySpecial VavOption", value);
}

void CCopySpecialDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Radio(pDX, IDC_FILTER_NONE, m_interpret);
  DDX_Radio(pDX, IDC_DIRECTION_FORWARD, m_direction);
  DDX_Radio(pDX, IDC_VAV_THEN_HOLAM, m_vavOption);
}

BOOL CCopySpecialDlg::OnInitDialog() {
  m_interpret = LoadInterpret();
  m_direction = LoadDirection();
  m_vavOption = LoadVavOption();
  CDialog::OnInitDialog();
  EnableVavOrderControls(this, m_interpret != kFilterNone);
  SetVavOrderFonts(this);
  return TRUE;
}

void CCopySpecialDlg::OnOK() {
  CDialog::OnOK();
  SaveInterpret(m_interpret);
  SaveDirection(m_direction);
  SaveVavOption(m_vavOption);
}

void CCopySpecialDlg::OnFilterNone() { EnableVavOrderControls(this, FALSE); }
void CCopySpecialDlg::OnFilterConverting() { EnableVavOrderControls(this, TRUE); }

void CCopySpecialDlg::OnHelpButton() { ShowSpecialHelp(IDD); }
