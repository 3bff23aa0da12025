#include "speech/win/CKeyMapDlg.h"

#include <utility>

#include "classlib/win/CWinApp.h"
#include "classlib/win/WindowDCs.h"
#include "resources/KeyboardGuideIds.h"
#include "speech/core/ReferenceFontHeights.h"
#include "speech/win/CLetterDescriptionDlg.h"
#include "speech/win/SpeechEngine.h"

namespace {

// Posted with a chart character's code: the description runs once the
// click that asked for it is over.
constexpr UINT WM_KEYMAP_DESCRIBE = WM_USER + 301;
constexpr WORD kExitKey = 2;
constexpr WORD kHelpKey = 3;

}  // namespace

BEGIN_MESSAGE_MAP(CKeyMapDlg, CDialog)
  ON_WM_PAINT()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_CHAR()
  ON_WM_DESTROY()
  ON_MESSAGE(WM_KEYMAP_DESCRIBE, OnDescribe)
END_MESSAGE_MAP()

CKeyMapDlg::CKeyMapDlg(ReferenceServices services, CWnd* pParent)
    : CDialog(IDD_KEY_MAP, pParent), m_services(std::move(services)) {}

BOOL CKeyMapDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CDC* pDC = GetDC();
  const int pixelsPerInch = pDC->GetDeviceCaps(LOGPIXELSY);
  ReleaseDC(pDC);
  m_keys.Build(this, ChartKeyTable(),
               KeyMapDialogFontHeight(::GetSystemMetrics(SM_CYSCREEN), pixelsPerInch));
  m_keys.DrawAll(FALSE);
  return TRUE;
}

void CKeyMapDlg::OnPaint() {
  CPaintDC dc(this);
  m_keys.Paint(&dc);
}

void CKeyMapDlg::OnLButtonDown(UINT, CPoint point) { m_keys.PressAt(point); }

void CKeyMapDlg::OnLButtonUp(UINT, CPoint point) {
  KeyRecord* pKey = m_keys.ReleaseAt(point);
  if (pKey == nullptr) return;
  const WORD control = pKey->key.control;
  if (control == kExitKey) {
    OnCancel();
  } else if (control == kHelpKey) {
    AfxGetApp()->WinHelp(HID_BASE_RESOURCE + IDD_KEY_MAP, HELP_CONTEXT);
  } else if (pKey->key.flags & kKeyCharacter) {
    PostMessage(WM_KEYMAP_DESCRIBE, ChartCodeForControl(control, FALSE), 0);
  }
}

void CKeyMapDlg::OnChar(UINT nChar, UINT, UINT) {
  m_keys.ShowPressed(ChartControlForTypedChar(nChar));
}

LRESULT CKeyMapDlg::OnDescribe(WPARAM wParam, LPARAM) {
  if (m_services.engine != nullptr) {
    m_services.engine->Stop();
    m_services.engine->CloseFace();
  }
  CLetterDescriptionDlg description(static_cast<int>(wParam), m_services, this);
  description.DoModal();
  return 0;
}

void CKeyMapDlg::OnCancel() {
  m_keys.Free();
  CDialog::OnCancel();
}

void CKeyMapDlg::OnDestroy() {
  m_keys.Free();
  CDialog::OnDestroy();
}
