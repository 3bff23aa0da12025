#include "classlib/win/CDataExchange.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "classlib/win/CUserException.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"

namespace {

// The messages of refused values.
const char kParseInt[] = "Please enter an integer.";
const char kParseUInt[] = "Please enter a positive integer.";
const char kParseReal[] = "Please enter a number.";
const char kIntRange[] = "Please enter an integer between %d and %d.";
const char kMaxChars[] = "Please enter no more than %d characters.";

bool IsBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

// Whether only blanks follow the number that ended at pEnd (and there was one).
bool ReadWhole(const char* pStart, const char* pEnd) {
  if (pEnd == pStart) return false;
  while (IsBlank(*pEnd)) ++pEnd;
  return *pEnd == '\0';
}

// Reads a signed number within [minVal, maxVal].
bool ParseSigned(const CString& text, long long minVal, long long maxVal, long long& value) {
  const char* psz = text;
  char* pEnd = nullptr;
  errno = 0;
  value = std::strtoll(psz, &pEnd, 10);
  return errno == 0 && ReadWhole(psz, pEnd) && value >= minVal && value <= maxVal;
}

bool ParseUnsigned(const CString& text, unsigned long long maxVal, unsigned long long& value) {
  const char* psz = text;
  while (IsBlank(*psz)) ++psz;
  // strtoull takes a minus sign and wraps; a count cannot be negative.
  if (*psz == '-') return false;
  char* pEnd = nullptr;
  errno = 0;
  value = std::strtoull(psz, &pEnd, 10);
  return errno == 0 && ReadWhole(psz, pEnd) && value <= maxVal;
}

bool ParseReal(const CString& text, double& value) {
  const char* psz = text;
  char* pEnd = nullptr;
  errno = 0;
  value = std::strtod(psz, &pEnd);
  return errno != ERANGE && ReadWhole(psz, pEnd);
}

// Tells the user and fails the exchange.
[[noreturn]] void Refuse(CDataExchange* pDX, LPCSTR lpszMessage) {
  AfxMessageBox(lpszMessage, MB_ICONEXCLAMATION);
  pDX->Fail();
}

CString WindowText(HWND hWnd) {
  CString text;
  int nLength = ::GetWindowTextLengthA(hWnd);
  ::GetWindowTextA(hWnd, text.GetBufferSetLength(nLength), nLength + 1);
  text.ReleaseBuffer();
  return text;
}

// Reads or writes a whole number through its text.
template <class T>
void ExchangeSigned(CDataExchange* pDX, int nIDC, T& value, long long minVal, long long maxVal) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    long long parsed = 0;
    if (!ParseSigned(WindowText(hWndCtrl), minVal, maxVal, parsed)) Refuse(pDX, kParseInt);
    value = static_cast<T>(parsed);
  } else {
    CString text;
    text.Format("%lld", static_cast<long long>(value));
    ::SetWindowTextA(hWndCtrl, text);
  }
}

}  // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
  m_hWndLastControl = hWndCtrl;
  m_bEditLastControl = FALSE;
  return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  HWND hWndCtrl = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return hWndCtrl;
}

void CDataExchange::Fail() {
  if (m_bSaveAndValidate && m_hWndLastControl != nullptr) {
    ::SetFocus(m_hWndLastControl);
    if (m_bEditLastControl) ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
  }
  AfxThrowUserException();
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
  ExchangeSigned(pDX, nIDC, value, INT_MIN, INT_MAX);
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
  ExchangeSigned(pDX, nIDC, value, LONG_MIN, LONG_MAX);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    unsigned long long parsed = 0;
    if (!ParseUnsigned(WindowText(hWndCtrl), UINT_MAX, parsed)) Refuse(pDX, kParseUInt);
    value = static_cast<UINT>(parsed);
  } else {
    CString text;
    text.Format("%u", value);
    ::SetWindowTextA(hWndCtrl, text);
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    if (!ParseReal(WindowText(hWndCtrl), value)) Refuse(pDX, kParseReal);
  } else {
    // As many digits as a double holds, without trailing zeros.
    CString text;
    text.Format("%.15g", value);
    ::SetWindowTextA(hWndCtrl, text);
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    value = WindowText(hWndCtrl);
  else
    ::SetWindowTextA(hWndCtrl, value);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    value = static_cast<int>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
  else
    ::SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) value = -1;
  // The group runs from nIDC to the next control that starts a group; only
  // the radio buttons in it count.
  int iButton = 0;
  do {
    if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
      if (pDX->m_bSaveAndValidate) {
        if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) == BST_CHECKED) value = iButton;
      } else {
        ::SendMessageA(hWndCtrl, BM_SETCHECK, iButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      ++iButton;
    }
    hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
  } while (hWndCtrl != nullptr && !(::GetWindowLongPtrA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

namespace {
void ExchangeIndex(CDataExchange* pDX, int nIDC, int& index, UINT nGetMsg, UINT nSetMsg) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    index = static_cast<int>(::SendMessageA(hWndCtrl, nGetMsg, 0, 0));
  else
    ::SendMessageA(hWndCtrl, nSetMsg, static_cast<WPARAM>(index), 0);
}
}  // namespace

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
  ExchangeIndex(pDX, nIDC, index, LB_GETCURSEL, LB_SETCURSEL);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  ExchangeIndex(pDX, nIDC, index, CB_GETCURSEL, CB_SETCURSEL);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    // The edit's text, or the selected item's of a drop-down list.
    value = WindowText(hWndCtrl);
  } else if (::SendMessageA(hWndCtrl, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value))) == CB_ERR) {
    // A drop-down list ignores text it has no item for.
    ::SetWindowTextA(hWndCtrl, value);
  }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd != nullptr) return;
  HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
  rControl.SubclassWindow(hWndCtrl);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
  if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
  CString message;
  message.Format(kIntRange, minVal, maxVal);
  Refuse(pDX, message);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
  if (!pDX->m_bSaveAndValidate) {
    if (pDX->m_hWndLastControl != nullptr && pDX->m_bEditLastControl)
      ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
    return;
  }
  if (value.GetLength() <= nChars) return;
  CString message;
  message.Format(kMaxChars, nChars);
  Refuse(pDX, message);
}
