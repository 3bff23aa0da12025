#include "speech/win/KeyboardGuideViews.h"

#include "classlib/win/CWinApp.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/KeyboardState.h"
#include "resources/KeyboardGuideIds.h"
#include "speech/core/ReferenceFontHeights.h"

namespace {

constexpr int kViewFontScale = 100;
constexpr LPARAM kTypedRepeat = 255;  // the repeat data of a character the keys type
constexpr LPARAM kOneKeyDown = 1;
constexpr int kBackspaceChar = 8;
constexpr WORD kHelpKey = 3;
constexpr WORD kCapsLockKey = 1362;
constexpr WORD kShiftKeys[] = {1331, 1353};
constexpr WORD kCtrlKeys[] = {1349, 1364};
constexpr WORD kAltKeys[] = {1340, 1344};
constexpr WORD kEnterKey = 1298;
constexpr WORD kSpaceKey = 1336;
// Key-downs the edit control takes as they are.
constexpr UINT kPassedKeyDowns[] = {VK_BACK, VK_CONTROL, VK_LEFT, VK_RIGHT, VK_DELETE};

template <typename T, size_t N>
bool IsOneOf(T value, const T (&list)[N]) {
  for (T item : list)
    if (item == value) return true;
  return false;
}

bool IsShiftDown() { return (::GetKeyState(VK_SHIFT) & 0x8000) != 0; }

}  // namespace

IMPLEMENT_DYNAMIC(CKeyPadView, CFormView)

BEGIN_MESSAGE_MAP(CKeyPadView, CFormView)
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_GETDLGCODE()
  ON_WM_SETFOCUS()
  ON_WM_ERASEBKGND()
  ON_WM_DESTROY()
  ON_MESSAGE(WM_NEXTDLGCTL, OnNextDlgCtl)
END_MESSAGE_MAP()

void CKeyPadView::OnInitialUpdate() {
  CFormView::OnInitialUpdate();
  if (m_bInitialised) return;
  CDC* pDC = GetDC();
  const int pixelsPerInch = pDC->GetDeviceCaps(LOGPIXELSY);
  ReleaseDC(pDC);
  const int height =
      KeyViewFontHeight(::GetSystemMetrics(SM_CYSCREEN), kViewFontScale, pixelsPerInch);
  m_bInitialised = m_keys.Build(this, KeyTable(), height);
  m_keys.DrawAll(InitialLayer());
}

void CKeyPadView::OnDraw(CDC* pDC) { m_keys.Paint(pDC); }

BOOL CKeyPadView::OnEraseBkgnd(CDC* pDC) {
  // The keys' picture covers the page; only the room beyond it is erased.
  CRect client;
  GetClientRect(&client);
  const CPoint scroll = GetScrollPosition();
  const CSize size = m_keys.Size();
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  pDC->FillSolidRect(size.cx - scroll.x, 0, client.right, client.bottom, face);
  pDC->FillSolidRect(0, size.cy - scroll.y, client.right, client.bottom, face);
  return TRUE;
}

void CKeyPadView::TypeChar(int ch) {
  if (g_pFocusedHebEdit != nullptr) g_pFocusedHebEdit->PostMessage(WM_CHAR, ch, kTypedRepeat);
}

void CKeyPadView::TypeKeyDown(UINT virtualKey) {
  if (g_pFocusedHebEdit != nullptr)
    g_pFocusedHebEdit->PostMessage(WM_KEYDOWN, virtualKey, kOneKeyDown);
}

void CKeyPadView::OnLButtonDown(UINT, CPoint point) {
  if (KeyRecord* pKey = m_keys.PressAt(point + GetScrollPosition())) OnKeyPressed(*pKey);
}

void CKeyPadView::OnLButtonUp(UINT nFlags, CPoint point) {
  if (KeyRecord* pKey = m_keys.ReleaseAt(point + GetScrollPosition()))
    OnKeyReleased(*pKey, (nFlags & MK_SHIFT) != 0);
}

UINT CKeyPadView::OnGetDlgCode() {
  // Every key comes here: Tab moves the keys' own focus.
  return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
}

LRESULT CKeyPadView::OnNextDlgCtl(WPARAM wParam, LPARAM) {
  m_keys.MoveFocus(wParam != 0);
  return 0;
}

void CKeyPadView::OnSetFocus(CWnd* pOldWnd) {
  // The keys are drawn, not controls: the view keeps the focus itself.
  CScrollView::OnSetFocus(pOldWnd);
}

void CKeyPadView::OnDestroy() {
  m_keys.Free();
  CFormView::OnDestroy();
}

// The on-screen keyboard.

IMPLEMENT_DYNCREATE(CKeyboardView, CKeyPadView)

BEGIN_MESSAGE_MAP(CKeyboardView, CKeyPadView)
  ON_WM_KEYDOWN()
  ON_WM_KEYUP()
  ON_WM_CHAR()
END_MESSAGE_MAP()

CKeyboardView::CKeyboardView() : CKeyPadView(IDD_KEYBOARD_GUIDE) {}

const std::vector<KeyTableEntry>& CKeyboardView::KeyTable() const { return KeyboardKeyTable(); }

BOOL CKeyboardView::InitialLayer() const { return IsCapsLockOn(); }

void CKeyboardView::OnKeyPressed(KeyRecord& record) {
  if (IsOneOf(record.key.control, kShiftKeys) && !IsCapsLockOn()) m_keys.DrawAll(TRUE);
}

void CKeyboardView::OnKeyReleased(KeyRecord& record, BOOL shiftHeld) {
  const WORD control = record.key.control;
  if (control == kHelpKey) {
    AfxGetApp()->WinHelp(HID_BASE_RESOURCE + m_nTemplate, HELP_CONTEXT);
  } else if (IsOneOf(control, kShiftKeys)) {
    if (!IsCapsLockOn()) m_keys.DrawAll(FALSE);
  } else if (control == kCapsLockKey) {
    SetCapsLock(!IsCapsLockOn());
    m_keys.DrawAll(IsCapsLockOn());
  } else if (IsOneOf(control, kCtrlKeys)) {
    TypeKeyDown(VK_CONTROL);
  } else if (IsOneOf(control, kAltKeys)) {
    TypeKeyDown(VK_MENU);
  } else {
    const int ch = CharForKeyControl(control, shiftHeld || IsCapsLockOn());
    if (ch == kBackspaceChar)
      TypeKeyDown(VK_BACK);
    else if (ch != 0)
      TypeChar(ch);
  }
}

void CKeyboardView::OnKeyDown(UINT nChar, UINT, UINT) {
  if (IsOneOf(nChar, kPassedKeyDowns)) {
    TypeKeyDown(nChar);
  } else if (nChar == VK_TAB) {
    PostMessage(WM_NEXTDLGCTL, IsShiftDown() ? 1 : 0, 0);
  } else if (nChar == VK_RETURN || nChar == VK_SPACE) {
    m_keys.ShowPressed(nChar == VK_RETURN ? kEnterKey : kSpaceKey);
  } else if (nChar == VK_SHIFT) {
    if (!IsCapsLockOn() && !m_keys.IsShifted()) m_keys.DrawAll(TRUE);
  } else if (nChar == VK_CAPITAL) {
    m_keys.DrawAll(IsCapsLockOn());
  }
}

void CKeyboardView::OnKeyUp(UINT nChar, UINT, UINT) {
  if (nChar == VK_SHIFT && !IsCapsLockOn()) m_keys.DrawAll(FALSE);
}

void CKeyboardView::OnChar(UINT nChar, UINT, UINT) {
  // Tab only moves the keys' focus; backspace went on as its key-down.
  if (nChar == VK_TAB || nChar == VK_BACK) return;
  TypeChar(nChar);
  m_keys.ShowPressed(KeyControlForChar(nChar));
}

// The letter and vowel chart.

IMPLEMENT_DYNCREATE(CKeyMapView, CKeyPadView)

BEGIN_MESSAGE_MAP(CKeyMapView, CKeyPadView)
  ON_WM_CHAR()
END_MESSAGE_MAP()

CKeyMapView::CKeyMapView() : CKeyPadView(IDD_KEY_MAP_VIEW) {}

const std::vector<KeyTableEntry>& CKeyMapView::KeyTable() const { return ChartKeyTable(); }

void CKeyMapView::OnKeyReleased(KeyRecord& record, BOOL shiftHeld) {
  if (record.key.control == kHelpKey) {
    AfxGetApp()->WinHelp(HID_BASE_RESOURCE + m_nTemplate, HELP_CONTEXT);
    return;
  }
  if (!(record.key.flags & kKeyCharacter)) return;  // a group caption
  // The edit controls map typed English keys to Hebrew: the chart sends
  // the key that types its character.
  const int key = EnglishKeyForHebrewCode(ChartCodeForControl(record.key.control, shiftHeld));
  if (key != 0) TypeChar(key);
}

void CKeyMapView::OnChar(UINT nChar, UINT, UINT) {
  m_keys.ShowPressed(ChartControlForTypedChar(nChar));
}
