#include "hebtext/win/CHebEdit.h"

#include "classlib/win/CDC.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/EditClipboardText.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/win/CCopySpecialDlg.h"
#include "hebtext/win/CPasteSpecialDlg.h"
#include "hebtext/win/CLookupBar.h"
#include "hebtext/win/ClipboardText.h"
#include "hebtext/win/HebEditColors.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "hebtext/win/KeyboardState.h"
#include "hebtext/win/ScreenDpi.h"
#include "resources/HebtextIds.h"

CWnd* g_pFocusedHebEdit = nullptr;

namespace {

const char kHebrewFace[] = "Pomlar Sephardi 2";
const char kEnglishFace[] = "Times New Roman";

// A point size from a share of the client height, scaled to the screen. A
// client too small for a text line still gets a font of at least one point.
WORD ScaledPointSize(int clientHeight, int numerator, int denominator) {
  int size = ::MulDiv(clientHeight - 4, numerator, denominator);
  if (size < 1) size = 1;
  if (size > 0xFFFF) size = 0xFFFF;
  size = ::MulDiv(size, 96, g_screenDpi > 0 ? g_screenDpi : 96);
  return static_cast<WORD>(size < 1 ? 1 : size > 0xFFFF ? 0xFFFF : size);
}

}  // namespace

IMPLEMENT_DYNCREATE(CHebEdit, CWnd)

BEGIN_MESSAGE_MAP(CHebEdit, CWnd)
  ON_WM_CREATE()
  ON_WM_SIZE()
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_WM_DESTROY()
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_SETCURSOR()
  ON_WM_GETDLGCODE()
  ON_WM_CHAR()
  ON_WM_KEYDOWN()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONUP()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_CONTEXTMENU()
  ON_WM_INITMENU()
  ON_MESSAGE(WM_UNDO, OnUndo)
  ON_WM_SETTEXT()
  ON_MESSAGE(WM_GETTEXT, OnGetText)
  ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
  ON_MESSAGE(WM_COPY, OnCopy)
  ON_MESSAGE(WM_CUT, OnCut)
  ON_MESSAGE(WM_PASTE, OnPaste)
  ON_COMMAND(ID_HEBEDIT_COPY_SPECIAL, OnCopySpecial)
  ON_COMMAND(ID_HEBEDIT_PASTE_SPECIAL, OnPasteSpecial)
  ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
  ON_COMMAND(ID_EDIT_CUT, OnEditCut)
  ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
  ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
  ON_COMMAND(ID_HEBEDIT_SELECT_ALL, OnSelectAll)
  ON_COMMAND(ID_HEBEDIT_REMOVE_VOWELS, OnRemoveVowels)
END_MESSAGE_MAP()

CHebEdit::CHebEdit(DWORD style) : m_style(style), m_pFont(&m_hebrewFont), m_model(this) {}

// The window goes while the object is still a CHebEdit, so that its own
// WM_DESTROY handling runs and g_pFocusedHebEdit never names a dead window.
CHebEdit::~CHebEdit() {
  if (m_hWnd != nullptr) DestroyWindow();
  if (g_pFocusedHebEdit == this) g_pFocusedHebEdit = nullptr;
  m_contextMenu.DestroyMenu();
}

int CHebEdit::CharWidth(int letter, int vowel, BOOL rightToLeft) {
  if (!rightToLeft) return m_pFont->GetCharWidth(letter);
  const BYTE letters[2] = {static_cast<BYTE>(letter), 0};
  const BYTE vowels[2] = {static_cast<BYTE>(vowel == 0 ? HebCode::ExplicitNoVowel : vowel), 0};
  return MeasureHebrewText(*m_pFont, letters, vowels, 1, TRUE);
}

// ---- Text operations ----

void CHebEdit::SetText(LPCSTR text) {
  m_model.SetText(text);
  if (m_hWnd == nullptr) return;
  Invalidate(TRUE);
  UpdateWindow();
}

void CHebEdit::ClearText(BOOL repaint) {
  m_model.ClearText();
  if (!repaint || m_hWnd == nullptr) return;
  CRect client;
  GetClientRect(&client);
  CClientDC dc(this);
  dc.FillSolidRect(&client, g_hebEditColors.background);
}

void CHebEdit::SelectAll() {
  m_model.SelectAll();
  Repaint();
}

void CHebEdit::SetRightToLeft(BOOL rightToLeft) {
  m_model.SetRightToLeft(rightToLeft);
  m_pFont = rightToLeft ? &m_hebrewFont : &m_englishFont;
  m_model.SetLineHeight(m_pFont->GetLineHeight());
}

void CHebEdit::RemoveVowels() {
  m_model.RemoveVowels();
  Repaint();
  if (GetOwner() == nullptr) return;
  NotifyChange();
  const CLookupBar* pBar = CLookupBar::GetMainBar();
  if (pBar != nullptr && pBar->GetMode() == CLookupBar::kHebrewSearch) {
    PostToOwner(WM_COMMAND, kEnterCommand, 0);
  }
}

// ---- Owner ----

CWnd* CHebEdit::GetOwner() const {
  if (m_style & (kNotifyFocus | kEscCancels)) return GetParent();
  if (m_style & kLookupToolbar) return CLookupBar::GetMainBar();
  return nullptr;
}

void CHebEdit::SendToOwner(UINT message, WPARAM wParam, LPARAM lParam) {
  if (CWnd* pOwner = GetOwner()) pOwner->SendMessage(message, wParam, lParam);
}

void CHebEdit::PostToOwner(UINT message, WPARAM wParam, LPARAM lParam) {
  if (CWnd* pOwner = GetOwner()) pOwner->PostMessage(message, wParam, lParam);
}

void CHebEdit::NotifyChange() {
  PostToOwner(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), EN_CHANGE), reinterpret_cast<LPARAM>(m_hWnd));
}

void CHebEdit::Repaint() {
  Invalidate(FALSE);
  UpdateWindow();
}

// ---- Creation and focus ----

int CHebEdit::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  CRect client;
  GetClientRect(&client);
  m_model.SetClientSize(client.Width(), client.Height());
  CClientDC dc(this);
  m_hebrewFont.Set(&dc, kHebrewFace, ScaledPointSize(client.Height(), 15, 28), 0, TRUE);
  m_hebrewFont.MeasureCharWidths(&dc);
  if (m_style & kEnglishFont) {
    m_englishFont.Set(&dc, kEnglishFace, ScaledPointSize(client.Height(), 5, 8), 0, TRUE);
    m_englishFont.MeasureCharWidths(&dc);
  }
  SetRightToLeft(m_model.IsRightToLeft());
  if (m_contextMenu.LoadMenu((m_style & kLookupToolbar) ? IDR_HEBEDIT_LOOKUP_MENU
                                                        : IDR_HEBEDIT_MENU)) {
    m_pPopup = m_contextMenu.GetSubMenu(0);
  }
  return 0;
}

void CHebEdit::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  m_model.SetClientSize(cx, cy);
}

void CHebEdit::OnSetFocus(CWnd* pOldWnd) {
  CWnd::OnSetFocus(pOldWnd);
  ShowEditCaret();
  g_pFocusedHebEdit = this;
  if ((m_style & kNotifyFocus) && GetParent() != nullptr) {
    GetParent()->SendMessage(kFocusMessage, reinterpret_cast<WPARAM>(this), 0);
  }
}

void CHebEdit::OnKillFocus(CWnd* pNewWnd) {
  CWnd::OnKillFocus(pNewWnd);
  ::DestroyCaret();
}

void CHebEdit::OnDestroy() {
  if (g_pFocusedHebEdit == this) g_pFocusedHebEdit = nullptr;
  CWnd::OnDestroy();
}

// ---- Caret ----

void CHebEdit::ShowEditCaret() {
  if (CWnd::GetFocus() != this) return;
  ::DestroyCaret();
  const int height = m_model.GetLineHeight();
  CreateSolidCaret(1, height);
  const POINT caret = m_model.GetCaretPoint();
  SetCaretPos(caret);
  ::ShowCaret(m_hWnd);
  m_caretRect = RECT{caret.x, caret.y, caret.x + 1, caret.y + height};
}

// Only the owner of the system caret destroys it: after losing the focus the
// caret belongs to another window.
void CHebEdit::HideEditCaret() {
  if (::IsRectEmpty(&m_caretRect)) return;
  if (CWnd::GetFocus() == this) {
    ::HideCaret(m_hWnd);
    ::DestroyCaret();
  }
  CClientDC dc(this);
  dc.FillSolidRect(&m_caretRect, g_hebEditColors.background);
  ::SetRectEmpty(&m_caretRect);
}

// ---- Painting ----

void CHebEdit::OnPaint() {
  CPaintDC dc(this);
  RECT clip;
  dc.GetClipBox(&clip);
  m_model.ScrollCaretIntoView();
  HideEditCaret();
  PaintText(&dc, clip);
  ShowEditCaret();
  m_model.EndPaint();
}

void CHebEdit::PaintText(CDC* pDC, const RECT& clip) {
  HebEditPaintPlan plan;
  m_model.PlanPaint(clip, plan);
  const EditorColors colors = g_hebEditColors;
  for (int i = 0; i < plan.fillCount; ++i) pDC->FillSolidRect(&plan.fills[i], colors.background);
  if (plan.runCount == 0) return;
  CFont* pOldFont = pDC->SelectObject(m_pFont->GetFont());
  pDC->SetBkMode(TRANSPARENT);
  for (int i = 0; i < plan.runCount; ++i) {
    const HebEditPaintRun& run = plan.runs[i];
    const COLORREF back = run.selected ? colors.selectionBackground : colors.background;
    const COLORREF fore = run.selected ? colors.selectedText : colors.text;
    pDC->FillSolidRect(&run.rect, back);
    if (m_model.IsRightToLeft()) {
      DrawHebrewText(pDC, m_pFont, run.rect.right, run.rect.top, run.letters.data(),
                     run.vowels.data(), run.GetCount(), fore, fore, TRUE, kQamatsQatanByPrefs,
                     nullptr, FALSE, fore, fore, kNoHighlight);
    } else {
      pDC->SetTextColor(fore);
      pDC->TextOut(run.rect.left, run.rect.top, reinterpret_cast<LPCSTR>(run.letters.data()),
                   run.GetCount());
    }
  }
  pDC->SelectObject(pOldFont);
}

BOOL CHebEdit::OnEraseBkgnd(CDC* pDC) {
  RECT clip;
  pDC->GetClipBox(&clip);
  pDC->FillSolidRect(&clip, g_hebEditColors.background);
  return CWnd::OnEraseBkgnd(pDC);
}

BOOL CHebEdit::OnSetCursor(CWnd*, UINT nHitTest, UINT) {
  ::SetCursor(::LoadCursor(nullptr, m_menuOpen && nHitTest != HTCLIENT ? IDC_ARROW : IDC_IBEAM));
  return TRUE;
}

UINT CHebEdit::OnGetDlgCode() { return DLGC_WANTALLKEYS | DLGC_WANTCHARS; }

// ---- Keys ----

void CHebEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  CWnd::OnChar(nChar, nRepCnt, nFlags);
  const HebEditModel::CharResult result = m_model.TypeCharacter(nChar, IsCapsLockOn());
  if (result == HebEditModel::kCharIgnored) return;
  Repaint();
  if (result == HebEditModel::kCharChanged) NotifyChange();
}

void CHebEdit::MoveCaret(HebEditModel::CaretKey key) {
  const BOOL shift = ::GetKeyState(VK_SHIFT) < 0;
  const BOOL ctrl = ::GetKeyState(VK_CONTROL) < 0;
  m_model.MoveCaretByKey(key, shift, ctrl);
  Repaint();
}

void CHebEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
  const BOOL shift = ::GetKeyState(VK_SHIFT) < 0;
  const BOOL hebrew = m_model.IsRightToLeft();
  switch (nChar) {
    case VK_TAB: SendToOwner(WM_NEXTDLGCTL, shift ? 1 : 0, 0); break;
    case VK_RETURN: PostToOwner(WM_COMMAND, kEnterCommand, 0); break;
    case VK_ESCAPE:
      if (m_style & kEscCancels) {
        SendToOwner(WM_COMMAND, IDCANCEL, 0);
      } else {
        m_model.ClearAnchor();
        Repaint();
      }
      break;
    case VK_HOME: MoveCaret(HebEditModel::kKeyHome); break;
    case VK_END: MoveCaret(HebEditModel::kKeyEnd); break;
    // Hebrew runs leftward: Left moves on in the text.
    case VK_LEFT: MoveCaret(hebrew ? HebEditModel::kKeyForward : HebEditModel::kKeyBackward); break;
    case VK_RIGHT:
      MoveCaret(hebrew ? HebEditModel::kKeyBackward : HebEditModel::kKeyForward);
      break;
    case VK_UP: SendToOwner(WM_NEXTDLGCTL, 1, 0); break;
    case VK_DOWN:
      if (m_style & kDownCommand) {
        PostToOwner(WM_COMMAND, kDownCommandId, 0);
      } else {
        SendToOwner(WM_NEXTDLGCTL, 0, 0);
      }
      break;
    case VK_DELETE:
      if (m_model.DeleteKey()) {
        Repaint();
        NotifyChange();
      }
      break;
    default:
      if (const int ch = TranslateOemKey(nChar)) {
        if (m_model.TypeControlChar(ch)) Repaint();
      }
      break;
  }
}

// ---- Mouse ----

void CHebEdit::OnLButtonDown(UINT nFlags, CPoint point) {
  const BOOL hadAnchor = m_model.HasAnchor();
  m_model.ButtonDown(point.x);
  if (hadAnchor) Repaint();
  if (CWnd::GetFocus() == this) {
    HideEditCaret();
    ShowEditCaret();
  } else {
    SetFocus();
  }
  CWnd::OnLButtonDown(nFlags, point);
  SetCapture();
  m_dragging = TRUE;
  m_model.StartDrag();
}

void CHebEdit::OnMouseMove(UINT nFlags, CPoint point) {
  CWnd::OnMouseMove(nFlags, point);
  if (m_dragging && m_model.DragTo(point.x)) Repaint();
}

void CHebEdit::OnLButtonUp(UINT nFlags, CPoint point) {
  CWnd::OnLButtonUp(nFlags, point);
  ::ReleaseCapture();
  m_dragging = FALSE;
  if (m_model.ButtonUp()) Repaint();
}

void CHebEdit::OnLButtonDblClk(UINT nFlags, CPoint point) {
  CWnd::OnLButtonDblClk(nFlags, point);
  m_model.SelectWordAtCaret();
  Repaint();
}

// ---- Context menu and commands ----

void CHebEdit::OnContextMenu(CWnd*, CPoint point) {
  if (m_pPopup == nullptr) return;
  m_menuOpen = TRUE;
  m_pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
  m_menuOpen = FALSE;
}

void CHebEdit::OnInitMenu(CMenu* pMenu) {
  CWnd::OnInitMenu(pMenu);
  if (m_pPopup == nullptr || pMenu->GetSafeHmenu() != m_pPopup->GetSafeHmenu()) return;
  const UINT paste = GetClipboardTextLength(m_hWnd, CF_TEXT) > 0 ? MF_ENABLED : MF_GRAYED;
  const UINT copy = HasSelection() ? MF_ENABLED : MF_GRAYED;
  m_pPopup->EnableMenuItem(ID_EDIT_PASTE, MF_BYCOMMAND | paste);
  m_pPopup->EnableMenuItem(ID_HEBEDIT_PASTE_SPECIAL, MF_BYCOMMAND | paste);
  m_pPopup->EnableMenuItem(ID_EDIT_COPY, MF_BYCOMMAND | copy);
  m_pPopup->EnableMenuItem(ID_EDIT_CUT, MF_BYCOMMAND | copy);
  m_pPopup->EnableMenuItem(ID_HEBEDIT_COPY_SPECIAL, MF_BYCOMMAND | copy);
  m_pPopup->EnableMenuItem(ID_HEBEDIT_SELECT_ALL, MF_BYCOMMAND | MF_ENABLED);
  if (m_style & kLookupToolbar) {
    const CLookupBar* pBar = CLookupBar::GetMainBar();
    const int mode = pBar != nullptr ? pBar->GetMode() : CLookupBar::kHebrewLookup;
    m_pPopup->ModifyMenu(
        ID_HEBEDIT_REMOVE_VOWELS, MF_BYCOMMAND | MF_STRING, ID_HEBEDIT_REMOVE_VOWELS,
        mode == CLookupBar::kHebrewSearch ? "Remove Vowels and Search" : "Remove Vowels");
    const BOOL enable = mode != CLookupBar::kEnglishKeywords && HasVowels();
    m_pPopup->EnableMenuItem(ID_HEBEDIT_REMOVE_VOWELS,
                             MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
  }
}

LRESULT CHebEdit::OnUndo(WPARAM, LPARAM) {
  m_model.Undo();
  NotifyChange();
  Repaint();
  return TRUE;
}

BOOL CHebEdit::OnSetText(LPCSTR text) {
  SetText(text);
  return TRUE;
}

LRESULT CHebEdit::OnGetText(WPARAM wParam, LPARAM lParam) {
  const int size = static_cast<int>(wParam);
  char* buffer = reinterpret_cast<char*>(lParam);
  if (size <= 0 || buffer == nullptr) return 0;
  CString text;
  m_model.GetText(text);
  const int length = text.GetLength() < size - 1 ? text.GetLength() : size - 1;
  memcpy(buffer, static_cast<LPCSTR>(text), length);
  buffer[length] = 0;
  return length + 1;
}

LRESULT CHebEdit::OnGetTextLength(WPARAM, LPARAM) {
  CString text;
  m_model.GetText(text);
  return text.GetLength();
}

// ---- Clipboard ----

BOOL CHebEdit::CopySelection(const ClipboardTextOptions& options) {
  HebCharNode* pFirst = nullptr;
  HebCharNode* pStop = nullptr;
  if (!m_model.GetSelectionRange(pFirst, pStop)) return FALSE;
  ClipboardTexts texts;
  if (!BuildClipboardTexts(pFirst, pStop, m_model.IsRightToLeft(), options, texts)) return FALSE;
  if (!CopyTextToClipboard(texts.ansi, CF_TEXT, TRUE)) return FALSE;
  return CopyTextToClipboard(texts.unicode.c_str(), FALSE);
}

BOOL CHebEdit::PasteFiltered(ClipboardTextOptions options) {
  // Unicode text overrides the filter only when its source put it there;
  // one the system made from 8-bit text would undo the user's choice.
  if (GetPlacedTextFormat(m_hWnd) == CF_UNICODETEXT &&
      GetClipboardTextLength(m_hWnd, CF_UNICODETEXT) > 0)
    options.filter = kFilterWideChar;
  CString text;
  if (!ReadClipboardText(m_hWnd, options.filter == kFilterWideChar ? CF_UNICODETEXT : CF_TEXT,
                         text))
    return FALSE;
  if (!FilterPastedText(text, m_model.IsRightToLeft(), options) || text.IsEmpty()) return FALSE;
  m_model.ReplaceSelection(text);
  Repaint();
  return TRUE;
}

LRESULT CHebEdit::OnCopy(WPARAM, LPARAM) {
  if (HasSelection()) CopySelection(ClipboardTextOptions());
  return 0;
}

LRESULT CHebEdit::OnCut(WPARAM, LPARAM) {
  // Text that did not reach the clipboard stays where it is.
  if (!HasSelection() || !CopySelection(ClipboardTextOptions())) return 0;
  m_model.SaveUndo();
  m_model.DeleteSelection();
  Repaint();
  NotifyChange();
  return 0;
}

LRESULT CHebEdit::OnPaste(WPARAM, LPARAM) {
  if (::IsClipboardFormatAvailable(CF_TEXT) && PasteFiltered(ClipboardTextOptions()))
    NotifyChange();
  return 0;
}

void CHebEdit::OnCopySpecial() {
  CCopySpecialDlg dialog(this);
  dialog.m_interpret = dialog.m_direction = dialog.m_vavOption = 0;
  if (dialog.DoModal() != IDOK) return;
  CopySelection(dialog.GetChosenOptions());
}

void CHebEdit::OnPasteSpecial() {
  CPasteSpecialDlg dialog(this);
  dialog.m_plainTextOffered = GetClipboardTextLength(m_hWnd, CF_TEXT) > 0;
  dialog.m_rtfOffered = FALSE;
  dialog.m_direction = dialog.m_filter = dialog.m_textFormat = dialog.m_vavOption = 0;
  if (dialog.DoModal() != IDOK) return;
  if (PasteFiltered(dialog.GetChosenOptions())) NotifyChange();
}

void CHebEdit::OnEditCopy() { SendMessage(WM_COPY); }
void CHebEdit::OnEditCut() { SendMessage(WM_CUT); }
void CHebEdit::OnEditPaste() { SendMessage(WM_PASTE); }
void CHebEdit::OnEditUndo() { SendMessage(WM_UNDO); }
void CHebEdit::OnSelectAll() { SelectAll(); }
void CHebEdit::OnRemoveVowels() { RemoveVowels(); }

// ---- Creation in place ----

CHebEdit* CreateHebEditInPlace(CWnd* pParent, UINT id, BOOL visible, DWORD style) {
  HWND hPlaceholder = ::GetDlgItem(pParent->GetSafeHwnd(), id);
  if (hPlaceholder == nullptr) return nullptr;
  CRect rect;
  ::GetWindowRect(hPlaceholder, &rect);
  pParent->ScreenToClient(&rect);
  // The new control takes the placeholder's place in the tab order.
  HWND hBefore = ::GetWindow(hPlaceholder, GW_HWNDPREV);
  ::DestroyWindow(hPlaceholder);
  CHebEdit* pEdit = new CHebEdit(style);
  const DWORD windowStyle =
      visible ? WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP : WS_CHILD | WS_BORDER;
  if (!pEdit->Create(AFX_WND_CLASS, "", windowStyle, rect, pParent, id)) {
    delete pEdit;
    return nullptr;
  }
  ::SetWindowPos(pEdit->GetSafeHwnd(), hBefore != nullptr ? hBefore : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return pEdit;
}
