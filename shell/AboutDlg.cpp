#include "shell/AboutDlg.h"

#include "classlib/win/WindowDCs.h"
#include "hebtext/win/CFontInfo.h"
#include "resources/AboutIds.h"
#include "shell/ZultaEditApp.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
  ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {
// Where the version line goes, in picture pixels.
constexpr RECT kVersionRect = {39, 250, 440, 279};
constexpr WORD kVersionPointSize = 14;
constexpr BYTE kVersionStyle = CFontInfo::kBold | CFontInfo::kItalic;
constexpr char kVersionFace[] = "Arial";
}  // namespace

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD_ABOUTBOX, pParent) {}

CAboutDlg::~CAboutDlg() {
  PutBackPreviousBitmap();
  m_memoryDC.DeleteDC();
  m_picture.DeleteObject();
}

BOOL CAboutDlg::OnInitDialog() {
  CenterWindow();
  if (m_modal == 0) {
    // The splash closes itself when start-up ends.
    CWnd* pOK = GetDlgItem(IDOK);
    if (pOK != nullptr) {
      pOK->EnableWindow(FALSE);
      pOK->ShowWindow(SW_HIDE);
    }
  }
  PreparePicture();
  CDialog::OnInitDialog();
  return TRUE;
}

void CAboutDlg::PreparePicture() {
  CClientDC screenDC(this);
  if (!m_memoryDC.CreateCompatibleDC(&screenDC) || !m_picture.LoadBitmap(IDB_ABOUT_PICTURE)) {
    return;
  }
  m_pPreviousBitmap = m_memoryDC.SelectObject(&m_picture);
  CFontInfo font(&m_memoryDC, kVersionFace, kVersionPointSize, kVersionStyle);
  CFont* pOldFont = m_memoryDC.SelectObject(font.GetFont());
  m_memoryDC.SetBkMode(TRANSPARENT);
  CString text = "Version " + theApp.m_versionText + "   " + theApp.m_legalText;
  RECT rect = kVersionRect;
  m_memoryDC.DrawText(text, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  m_memoryDC.SelectObject(pOldFont);
}

void CAboutDlg::OnPaint() {
  CPaintDC dc(this);
  BITMAP info = {};
  if (m_memoryDC.GetSafeHdc() == nullptr || m_picture.GetBitmap(&info) == 0) return;
  CRect client;
  GetClientRect(&client);
  // Whole pixels of the picture, not the default mode's merged rows.
  dc.SetStretchBltMode(COLORONCOLOR);
  dc.StretchBlt(0, 0, client.Width(), client.Height(), &m_memoryDC, 0, 0, info.bmWidth,
                info.bmHeight, SRCCOPY);
}

void CAboutDlg::PutBackPreviousBitmap() {
  if (m_pPreviousBitmap == nullptr) return;
  m_memoryDC.SelectObject(m_pPreviousBitmap);
  m_pPreviousBitmap = nullptr;
}

void CAboutDlg::OnOK() {
  PutBackPreviousBitmap();
  CDialog::OnOK();
}

void CAboutDlg::OnCancel() {
  PutBackPreviousBitmap();
  CDialog::OnCancel();
}
