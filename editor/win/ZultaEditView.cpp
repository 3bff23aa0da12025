#include "editor/win/ZultaEditView.h"

#include <commctrl.h>

#include "classlib/win/CCmdUI.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/WindowDCs.h"
#include "editor/win/CHebFindReplaceDlg.h"
#include "editor/win/EditorMessages.h"
#include "editor/win/FileDialogMessages.h"
#include "editor/win/ZultaEditDoc.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/CProgressDlg.h"
#include "hebtext/win/KeyboardState.h"
#include "resources/EditorIds.h"
#include "resources/MainFrameIds.h"
#include "speech/core/SpeechMessages.h"
#include "speech/win/TranslWin.h"

IMPLEMENT_DYNCREATE(CZultaEditView, CScrollView)

namespace {

// The gap around the pages, which the rulers fill: thousandths of an inch.
constexpr int kDeskMargin = 170;
constexpr int kThousandthsPerInch = 1000;
constexpr UINT kCtrlA = 1;
constexpr UINT kBackspace = 8;

BOOL KeyDown(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

}  // namespace

CZultaEditView* CZultaEditView::s_pActiveEditView = nullptr;

BEGIN_MESSAGE_MAP(CZultaEditView, CScrollView)
  ON_WM_SIZE()
  ON_WM_CHAR()
  ON_WM_KEYDOWN()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONUP()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_SETCURSOR()
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_WM_TIMER()
  ON_WM_DESTROY()
  ON_WM_CONTEXTMENU()
  ON_MESSAGE(WM_LOOKUP_RETURN, OnLookupReturn)
  ON_MESSAGE(WM_SAVEDLG_DONE, OnSaveDlgDone)
  ON_WM_INITMENU()
  ON_WM_FONTCHANGE()
  ON_COMMAND(ID_INPUT_ENGLISH, OnInputEnglish)
  ON_COMMAND(ID_INPUT_HEBREW, OnInputHebrew)
  ON_COMMAND(ID_EDIT_INPUT_MODE, OnToggleInputMode)
  ON_UPDATE_COMMAND_UI(ID_INPUT_ENGLISH, OnUpdateInputEnglish)
  ON_UPDATE_COMMAND_UI(ID_INPUT_HEBREW, OnUpdateInputHebrew)
  ON_UPDATE_COMMAND_UI(ID_EDIT_INPUT_MODE, OnUpdateToggleInputMode)
  ON_COMMAND(ID_INSERT_PAGE_BREAK, OnInsertPageBreak)
  ON_UPDATE_COMMAND_UI(ID_INSERT_PAGE_BREAK, OnUpdateInsertPageBreak)
  ON_COMMAND(ID_EDIT_SELECT_ALL_TEXT, OnEditSelectAll)
  ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL_TEXT, OnUpdateSelectAll)
  ON_COMMAND(ID_EDIT_CUT, OnEditCut)
  ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
  ON_COMMAND(ID_EDIT_COPY_SPECIAL, OnEditCopySpecial)
  ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
  ON_COMMAND(ID_EDIT_PASTE_SPECIAL, OnEditPasteSpecial)
  ON_COMMAND(ID_EDIT_REVERSE_TEXT, OnEditReverseText)
  ON_COMMAND(ID_HEBREW_WORD_SEARCH, OnHebrewWordSearch)
  ON_COMMAND(ID_HEBREW_WORD_SEARCH_NO_VOWELS, OnHebrewWordSearchNoVowels)
  ON_COMMAND(ID_SPEAK_WORD, OnSpeakWord)
  ON_COMMAND(ID_SPEAK_SENTENCE, OnSpeakSentence)
  ON_COMMAND(ID_SPEAK_SELECTION, OnSpeakSelection)
  ON_COMMAND(ID_SPEAK_SHOW, OnSpeakShow)
  ON_UPDATE_COMMAND_UI_RANGE(ID_SPEAK_WORD, ID_SPEAK_SELECTION, OnUpdateSpeak)
  ON_UPDATE_COMMAND_UI(ID_SPEAK_SHOW, OnUpdateSpeak)
  ON_MESSAGE(WM_SPEECH_INDEX, OnSpeechIndex)
  ON_UPDATE_COMMAND_UI(ID_HEBREW_WORD_SEARCH, OnUpdateHebrewWordSearch)
  ON_UPDATE_COMMAND_UI(ID_HEBREW_WORD_SEARCH_NO_VOWELS, OnUpdateHebrewWordSearch)
  ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateCutOrCopy)
  ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateCutOrCopy)
  ON_UPDATE_COMMAND_UI(ID_EDIT_COPY_SPECIAL, OnUpdateCutOrCopy)
  ON_UPDATE_COMMAND_UI(ID_EDIT_REVERSE_TEXT, OnUpdateCutOrCopy)
  ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdatePaste)
  ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE_SPECIAL, OnUpdatePaste)
  ON_COMMAND(ID_REFRESH_TEXT, OnRefreshText)
  ON_UPDATE_COMMAND_UI(ID_REFRESH_TEXT, OnUpdateSaveAsRule)
  // Printing.
  ON_COMMAND(ID_FILE_PRINT, OnEditorPrint)
  ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnEditorPrintPreview)
  ON_UPDATE_COMMAND_UI(ID_FILE_PRINT, OnUpdateSaveAsRule)
  ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_PREVIEW, OnUpdateSaveAsRule)
  ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
  ON_COMMAND(ID_EDIT_REDO, OnEditRedo)
  ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
  ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateEditRedo)
  ON_COMMAND_RANGE(ID_FORMAT_BOLD, ID_FORMAT_UNDERLINE, OnFormatStyle)
  ON_UPDATE_COMMAND_UI_RANGE(ID_FORMAT_BOLD, ID_FORMAT_UNDERLINE, OnUpdateFormatStyle)
  ON_COMMAND_RANGE(ID_FORMAT_ALIGN_LEFT, ID_FORMAT_ALIGN_CENTER, OnJustify)
  ON_UPDATE_COMMAND_UI_RANGE(ID_FORMAT_ALIGN_LEFT, ID_FORMAT_ALIGN_CENTER, OnUpdateJustify)
  ON_CBN_SELENDOK(IDC_TYPEFACE_COMBO, OnTypefaceBoxChosen)
  ON_CBN_SELENDOK(IDC_SIZE_COMBO, OnSizeBoxChosen)
  ON_COMMAND(ID_SIZE_TYPED, OnSizeTyped)
  ON_CBN_SELENDOK(IDC_COLOR_COMBO, OnColorBoxChosen)
  ON_UPDATE_COMMAND_UI(IDC_TYPEFACE_COMBO, OnUpdateTypefaceBox)
  ON_UPDATE_COMMAND_UI(IDC_SIZE_COMBO, OnUpdateSizeBox)
  ON_UPDATE_COMMAND_UI(IDC_COLOR_COMBO, OnUpdateColorBox)
  // Page Setup.
  ON_COMMAND(ID_PAGE_SETUP, OnPageSetup)
  ON_UPDATE_COMMAND_UI(ID_PAGE_SETUP, OnUpdateSaveAsRule)
  // Find and Replace.
  ON_COMMAND(ID_EDIT_FIND, OnEditFind)
  ON_COMMAND(ID_EDIT_REPLACE, OnEditReplace)
  ON_COMMAND(ID_EDIT_REPEAT, OnEditRepeat)
  ON_UPDATE_COMMAND_UI(ID_EDIT_REPEAT, OnUpdateEditRepeat)
  ON_REGISTERED_MESSAGE(g_findReplaceMessage, OnFindReplace)
  // Font dialogs.
  ON_COMMAND(ID_FORMAT_FONT, OnFormatFont)
  ON_COMMAND(ID_FORMAT_TYPEFACE, OnFormatTypeface)
  ON_COMMAND(ID_FORMAT_FONT_SIZE, OnFormatFontSize)
  ON_COMMAND(ID_FORMAT_SWITCH_FONT, OnFormatSwitchFont)
  ON_UPDATE_COMMAND_UI(ID_FORMAT_FONT, OnUpdateSaveAsRule)
  ON_UPDATE_COMMAND_UI(ID_FORMAT_TYPEFACE, OnUpdateSaveAsRule)
  ON_UPDATE_COMMAND_UI(ID_FORMAT_FONT_SIZE, OnUpdateSaveAsRule)
  ON_UPDATE_COMMAND_UI(ID_FORMAT_SWITCH_FONT, OnUpdateFormatSwitchFont)
  ON_COMMAND(ID_FORMAT_COLORS, OnFormatColors)
  ON_UPDATE_COMMAND_UI(ID_FORMAT_COLORS, OnUpdateSaveAsRule)
  ON_COMMAND(ID_FORMAT_COLUMNS, OnFormatColumns)
  ON_UPDATE_COMMAND_UI(ID_FORMAT_COLUMNS, OnUpdateSaveAsRule)
  ON_COMMAND(ID_FORMAT_LINE_SPACING, OnFormatLineSpacing)
  ON_UPDATE_COMMAND_UI(ID_FORMAT_LINE_SPACING, OnUpdateSaveAsRule)
  ON_COMMAND(ID_FORMAT_WORD_SPACING, OnFormatWordSpacing)
  ON_UPDATE_COMMAND_UI(ID_FORMAT_WORD_SPACING, OnUpdateFormatWordSpacing)
END_MESSAGE_MAP()

CZultaEditView::CZultaEditView() : m_scroller(*this) {}

CZultaEditView::~CZultaEditView() {
  if (s_pActiveEditView == this) s_pActiveEditView = nullptr;
}

CZultaEditDoc* CZultaEditView::GetDocument() const {
  return static_cast<CZultaEditDoc*>(CView::GetDocument());
}

BOOL CZultaEditView::IsLaidOut() const {
  CZultaEditDoc* pDoc = GetDocument();
  return pDoc != nullptr && pDoc->IsLaidOut();
}

CRect CZultaEditView::GetLogicalClientRect() {
  CRect client;
  CWnd::GetClientRect(&client);
  client.OffsetRect(GetScrollPosition());
  return client;
}

// ---- Layout, drawing and scrolling.

void CZultaEditView::OnInitialUpdate() {
  CScrollView::OnInitialUpdate();
  CZultaEditDoc* pDoc = GetDocument();
  CSize margin;
  {
    CClientDC dc(this);
    margin.cx = ::MulDiv(kDeskMargin, dc.GetDeviceCaps(LOGPIXELSX), kThousandthsPerInch);
    margin.cy = ::MulDiv(kDeskMargin, dc.GetDeviceCaps(LOGPIXELSY), kThousandthsPerInch);
  }
  const BOOL laidOut = pDoc->LayOut(this, margin);
  if (laidOut) {
    s_pActiveEditView = this;
    // The side the layout left active (the last one a file filled) is typed on.
    SendMessage(WM_COMMAND,
                pDoc->GetActiveSide() == kRightToLeftSide ? ID_INPUT_HEBREW : ID_INPUT_ENGLISH);
  } else {
    PostMessage(WM_COMMAND, ID_FILE_CLOSE);
  }
  CloseSharedProgressDialog();
  if (m_contextMenu.m_hMenu == nullptr) m_contextMenu.LoadMenu(IDR_EDIT_CONTEXT_MENU);
}

void CZultaEditView::OnDraw(CDC* pDC) {
  // A shown progress dialog means the text is still being read or built.
  const CProgressDlg* pProgress = GetSharedProgressDialog();
  if (!IsLaidOut() || (pProgress != nullptr && pProgress->IsShown())) return;
  CZultaEditDoc* pDoc = GetDocument();
  CRect clip;
  pDC->GetClipBox(&clip);
  pDoc->PaintRulers(pDC, clip);
  pDoc->HideEditCaret(this);
  pDoc->PaintPages(pDC, clip);
  pDoc->ShowEditCaret(this);
}

void CZultaEditView::OnSize(UINT nType, int cx, int cy) {
  CScrollView::OnSize(nType, cx, cy);
  if (!IsLaidOut()) return;
  GetDocument()->Model().UpdateScrollSizes();
  GetDocument()->RebuildVisibleLines(this);
}

BOOL CZultaEditView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll) {
  // The message carries 16 bits of the thumb's place; the bar knows all 32.
  const UINT horizontal = LOBYTE(nScrollCode);
  const UINT vertical = HIBYTE(nScrollCode);
  if (horizontal == SB_THUMBTRACK || vertical == SB_THUMBTRACK) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    if (::GetScrollInfo(m_hWnd, vertical == SB_THUMBTRACK ? SB_VERT : SB_HORZ, &info))
      nPos = static_cast<UINT>(info.nTrackPos);
  }
  return CScrollView::OnScroll(nScrollCode, nPos, bDoScroll);
}

// Bars, keys and the wheel all scroll through here: the visible lines and
// the caret follow.
BOOL CZultaEditView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll) {
  const BOOL scrolled = CScrollView::OnScrollBy(sizeScroll, bDoScroll);
  if (scrolled && bDoScroll && IsLaidOut()) {
    GetDocument()->RebuildVisibleLines(this);
    GetDocument()->ShowEditCaret(this);
  }
  return scrolled;
}

void CZultaEditView::Scroller::ScrollView(UINT code) {
  m_view.SendMessage(WM_VSCROLL, MAKEWPARAM(code, 0), 0);
  m_view.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
}

// ---- Focus and caret.

void CZultaEditView::OnSetFocus(CWnd* pOldWnd) {
  CScrollView::OnSetFocus(pOldWnd);
  // The on-screen keyboards type into the document that had the focus last.
  g_pFocusedHebEdit = this;
  if (!IsLaidOut()) return;
  GetDocument()->EnsureCaretVisible(this);
  GetDocument()->ShowEditCaret(this);
  s_pActiveEditView = this;
}

void CZultaEditView::OnKillFocus(CWnd* pNewWnd) {
  CScrollView::OnKillFocus(pNewWnd);
  if (IsLaidOut()) GetDocument()->HideEditCaret(this);
}

BOOL CZultaEditView::OnSetCursor(CWnd*, UINT nHitTest, UINT) {
  const BOOL arrow = nHitTest == HTHSCROLL || nHitTest == HTVSCROLL ||
                     (nHitTest != HTCLIENT && m_bContextMenuOpen);
  ::SetCursor(::LoadCursor(nullptr, arrow ? IDC_ARROW : IDC_IBEAM));
  return TRUE;
}

// ---- Keys and typing.

void CZultaEditView::AfterEdit() { GetDocument()->RedrawChanged(this); }

void CZultaEditView::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  CScrollView::OnChar(nChar, nRepCnt, nFlags);
  if (!IsLaidOut() || nChar == kCtrlA) return;
  DocEditor& editor = GetDocument()->Editor();
  if (nChar == kBackspace)
    editor.Backspace();
  else if (!editor.TypeChar(nChar, KeyDown(VK_SHIFT), IsCapsLockOn()))
    return;
  AfterEdit();
}

void CZultaEditView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  // A key closes the transliteration popup and ends speech.
  if (nChar != VK_SHIFT && nChar != VK_CONTROL && nChar != VK_MENU) DestroyTranslWin();
  if (!IsLaidOut()) {
    CScrollView::OnKeyDown(nChar, nRepCnt, nFlags);
    return;
  }
  CZultaEditDoc* pDoc = GetDocument();
  const CPoint scrolledFrom = GetScrollPosition();
  switch (
      pDoc->Navigator().HandleKeyDown(nChar, KeyDown(VK_CONTROL), KeyDown(VK_SHIFT), m_scroller)) {
    case kKeyUnused:
      if (TypePunctuation(nChar)) {
        AfterEdit();
        return;
      }
      CScrollView::OnKeyDown(nChar, nRepCnt, nFlags);
      return;
    case kKeyCloseDocument: PostMessage(WM_COMMAND, ID_FILE_CLOSE); return;
    case kKeyEdited: AfterEdit(); return;
    case kKeyDone: break;
  }
  pDoc->HideEditCaret(this);
  pDoc->RepaintSelectionChange(this);
  pDoc->EnsureCaretVisible(this);
  pDoc->ShowEditCaret(this);
  if (GetScrollPosition() != scrolledFrom) pDoc->RebuildVisibleLines(this);
}

BOOL CZultaEditView::TypePunctuation(UINT nChar) {
  CZultaEditDoc* pDoc = GetDocument();
  if (!KeyDown(VK_CONTROL) || !pDoc->Model().IsHebrewInsertFont()) return FALSE;
  const int ch = TranslateOemKey(nChar);
  return ch != 0 && pDoc->Editor().TypeCode(ch, KeyDown(VK_SHIFT));
}

// ---- Mouse.

void CZultaEditView::OnLButtonDown(UINT nFlags, CPoint point) {
  DestroyTranslWin();
  if (IsLaidOut()) {
    CZultaEditDoc* pDoc = GetDocument();
    pDoc->HideEditCaret(this);
    pDoc->Navigator().MouseDown(point + GetScrollPosition());
    pDoc->RepaintSelectionChange(this);
    if (HasFocus()) {
      pDoc->EnsureCaretVisible(this);
      pDoc->ShowEditCaret(this);
    } else {
      SetFocus();
    }
  }
  CScrollView::OnLButtonDown(nFlags, point);
  m_bMouseCaptured = TRUE;
  SetCapture();
}

void CZultaEditView::OnMouseMove(UINT nFlags, CPoint point) {
  CScrollView::OnMouseMove(nFlags, point);
  if (!m_bMouseCaptured || !IsLaidOut()) return;
  CZultaEditDoc* pDoc = GetDocument();
  const CPoint logical = point + GetScrollPosition();
  pDoc->HideEditCaret(this);
  pDoc->Navigator().MouseDrag(logical);
  pDoc->RepaintSelectionChange(this);
  pDoc->ShowEditCaret(this);
  CheckAutoScroll(logical.y);
}

void CZultaEditView::OnLButtonUp(UINT nFlags, CPoint point) {
  CScrollView::OnLButtonUp(nFlags, point);
  const BOOL wasCaptured = m_bMouseCaptured;
  m_bMouseCaptured = FALSE;
  if (wasCaptured) ::ReleaseCapture();
  StopAutoScroll();
  if (!IsLaidOut()) return;
  CZultaEditDoc* pDoc = GetDocument();
  pDoc->HideEditCaret(this);
  pDoc->Navigator().MouseUp(point + GetScrollPosition());
  pDoc->RepaintSelectionChange(this);
  pDoc->ShowEditCaret(this);
}

void CZultaEditView::OnLButtonDblClk(UINT nFlags, CPoint point) {
  CScrollView::OnLButtonDblClk(nFlags, point);
  if (!IsLaidOut()) return;
  CZultaEditDoc* pDoc = GetDocument();
  pDoc->HideEditCaret(this);
  pDoc->Navigator().MouseDoubleClick(point + GetScrollPosition());
  pDoc->RepaintSelectionChange(this);
  pDoc->EnsureCaretVisible(this);
  pDoc->ShowEditCaret(this);
}

void CZultaEditView::CheckAutoScroll(int y) {
  const CRect client = GetLogicalClientRect();
  const int height = GetDocument()->Model().GetDocumentHeight();
  switch (::CheckAutoScroll(m_autoScroll, m_bMouseCaptured != FALSE, client, height, y)) {
    case kAutoScrollStop: StopAutoScroll(); return;
    case kAutoScrollUp:
      StopAutoScroll();
      m_nAutoScrollTimer = SetTimer(kAutoScrollUpTimer, m_autoScroll.intervalMs, nullptr);
      return;
    case kAutoScrollDown:
      StopAutoScroll();
      m_nAutoScrollTimer = SetTimer(kAutoScrollDownTimer, m_autoScroll.intervalMs, nullptr);
      return;
  }
}

void CZultaEditView::StopAutoScroll() {
  if (m_nAutoScrollTimer == 0) return;
  KillTimer(m_nAutoScrollTimer);
  m_nAutoScrollTimer = 0;
}

void CZultaEditView::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kAutoScrollUpTimer && nIDEvent != kAutoScrollDownTimer) {
    CScrollView::OnTimer(nIDEvent);
    return;
  }
  SendMessage(WM_VSCROLL, MAKEWPARAM(nIDEvent == kAutoScrollUpTimer ? SB_LINEUP : SB_LINEDOWN, 0));
  SendMessage(WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0));
  StopAutoScroll();
  // The move extends the selection to where the mouse now stands and checks
  // again, which arms the next tick.
  CPoint cursor;
  ::GetCursorPos(&cursor);
  ScreenToClient(&cursor);
  SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cursor.x, cursor.y));
}

void CZultaEditView::OnDestroy() {
  StopSpeech();
  StopAutoScroll();
  if (s_pActiveEditView == this) s_pActiveEditView = nullptr;
  if (g_pFocusedHebEdit == this) g_pFocusedHebEdit = nullptr;
  CScrollView::OnDestroy();
}

// ---- Menus.

void CZultaEditView::OnContextMenu(CWnd*, CPoint point) {
  CMenu* pPopup = m_contextMenu.GetSubMenu(0);
  if (pPopup == nullptr) return;
  // From the keyboard: at the caret.
  if (point.x == -1 && point.y == -1 && IsLaidOut()) {
    const CRect caret = GetDocument()->Pages().GetCaretRect(GetDocument()->GetActiveSide());
    point = caret.BottomRight() - GetScrollPosition();
    ClientToScreen(&point);
  }
  m_bContextMenuOpen = TRUE;
  pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
  m_bContextMenuOpen = FALSE;
}

void CZultaEditView::OnInitMenu(CMenu* pMenu) {
  CScrollView::OnInitMenu(pMenu);
  CMenu* pPopup = m_contextMenu.GetSubMenu(0);
  // Tracking names the popup itself.
  const BOOL ours = pPopup != nullptr &&
                    (pMenu->m_hMenu == pPopup->m_hMenu || pMenu->m_hMenu == m_contextMenu.m_hMenu);
  if (!ours || !IsLaidOut()) return;
  CZultaEditDoc* pDoc = GetDocument();
  const BOOL selection = pDoc->Editor().HasSelection();
  const BOOL pasteable =
      ::IsClipboardFormatAvailable(CF_TEXT) ||
      ::IsClipboardFormatAvailable(::RegisterClipboardFormatA("Rich Text Format"));
  const UINT enabled = MF_BYCOMMAND | MF_ENABLED;
  const UINT greyed = MF_BYCOMMAND | MF_GRAYED;
  for (UINT id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_COPY_SPECIAL})
    pPopup->EnableMenuItem(id, selection ? enabled : greyed);
  for (UINT id : {ID_EDIT_PASTE, ID_EDIT_PASTE_SPECIAL})
    pPopup->EnableMenuItem(id, pasteable ? enabled : greyed);
  pPopup->EnableMenuItem(ID_EDIT_SELECT_ALL_TEXT, enabled);
  const BOOL word =
      pDoc->GetActiveSide() == kRightToLeftSide && pDoc->Editor().IsCaretInWord(kRightToLeftSide);
  pPopup->EnableMenuItem(ID_HEBREW_WORD_SEARCH, word ? enabled : greyed);
}

void CZultaEditView::OnFontChange() {
  if (!IsLaidOut()) return;
  GetDocument()->ReformatAll();
  Invalidate(TRUE);
}

// ---- Input mode.

void CZultaEditView::SetInputMode(int side) {
  CZultaEditDoc* pDoc = GetDocument();
  DocTextModel& model = pDoc->Model();
  if (model.GetCurrentSide() != side) {
    pDoc->HideEditCaret(this);
    model.SetCurrentSide(side);
    model.SetFontListSide(side);
    pDoc->SetRulersDirty();
    Invalidate(TRUE);
  }
  SetFocus();
  pDoc->EnsureCaretVisible(this);
  pDoc->ShowEditCaret(this);
}

void CZultaEditView::OnInputEnglish() { SetInputMode(0); }
void CZultaEditView::OnInputHebrew() { SetInputMode(kRightToLeftSide); }
void CZultaEditView::OnToggleInputMode() { SetInputMode(1 - GetDocument()->GetActiveSide()); }

void CZultaEditView::OnUpdateInputEnglish(CCmdUI* pCmdUI) {
  pCmdUI->SetCheck(GetDocument()->GetActiveSide() == 0);
}

void CZultaEditView::OnUpdateInputHebrew(CCmdUI* pCmdUI) {
  pCmdUI->SetCheck(GetDocument()->GetActiveSide() == kRightToLeftSide);
}

void CZultaEditView::OnUpdateToggleInputMode(CCmdUI* pCmdUI) {
  pCmdUI->Enable(TRUE);
  // On the Editor toolbar the button shows the mode: its first picture in
  // Hebrew mode, the bar's last one in English mode.
  if (pCmdUI->m_pOther == nullptr) return;
  const HWND hBar = pCmdUI->m_pOther->m_hWnd;
  const auto images = reinterpret_cast<HIMAGELIST>(::SendMessage(hBar, TB_GETIMAGELIST, 0, 0));
  const int count = images != nullptr ? ImageList_GetImageCount(images) : 0;
  if (count == 0) return;
  const LPARAM image = GetDocument()->GetActiveSide() == kRightToLeftSide ? 0 : count - 1;
  if (::SendMessage(hBar, TB_GETBITMAP, pCmdUI->m_nID, 0) != image)
    ::SendMessage(hBar, TB_CHANGEBITMAP, pCmdUI->m_nID, image);
}

// ---- Editing commands.

void CZultaEditView::OnInsertPageBreak() {
  if (GetDocument()->Editor().TypeChar(kLetterPageBreak)) AfterEdit();
}

void CZultaEditView::OnUpdateInsertPageBreak(CCmdUI* pCmdUI) {
  DocTextModel& model = GetDocument()->Model();
  const DocCharNode* caret = model.Side(model.GetCurrentSide()).caret;
  const DocLineNode* line = caret != nullptr ? model.GetCharLine(caret) : nullptr;
  pCmdUI->Enable(line != nullptr && line->section == nullptr);
}

// Select All stays greyed until the document can select all.

void CZultaEditView::OnRefreshText() { Invalidate(TRUE); }

void CZultaEditView::OnUpdateSaveAsRule(CCmdUI* pCmdUI) {
  pCmdUI->Enable(!CZultaEditDoc::IsSaveAsPending());
}

void CZultaEditView::RunUndo(BOOL redo) {
  CZultaEditDoc* pDoc = GetDocument();
  DocEditor& editor = pDoc->Editor();
  const int sideBefore = pDoc->GetActiveSide();
  pDoc->SetModifiedFlag(TRUE);
  pDoc->HideEditCaret(this);
  if (!(redo ? editor.RedoCommand() : editor.UndoCommand())) return;
  if (pDoc->GetActiveSide() != sideBefore) {
    // The step belonged to the other side: the input mode follows it.
    pDoc->Model().SetRepaintRange(nullptr, nullptr);
    const int side = pDoc->GetActiveSide();
    pDoc->Model().SetCurrentSide(sideBefore);
    SetInputMode(side);
    return;
  }
  AfterEdit();
}

void CZultaEditView::OnEditUndo() {
  HWND focus = ::GetFocus();
  if (focus != m_hWnd) {
    ::SendMessage(focus, WM_UNDO, 0, 0);
    return;
  }
  RunUndo(FALSE);
}

void CZultaEditView::OnEditRedo() { RunUndo(TRUE); }

void CZultaEditView::OnUpdateEditUndo(CCmdUI* pCmdUI) {
  pCmdUI->Enable(!HasFocus() || GetDocument()->Editor().CanUndo());
}

void CZultaEditView::OnUpdateEditRedo(CCmdUI* pCmdUI) {
  pCmdUI->Enable(GetDocument()->Editor().CanRedo());
}

LRESULT CZultaEditView::OnSaveDlgDone(WPARAM wParam, LPARAM) {
  EnableWindow(TRUE);
  GetDocument()->FinishSaveAs(static_cast<BOOL>(wParam));
  SetFocus();
  return 0;
}

LRESULT CZultaEditView::OnLookupReturn(WPARAM, LPARAM) {
  CZultaEditDoc* pDoc = GetDocument();
  DocCharNode *first, *last;
  if (!IsLaidOut() || !pDoc->Editor().GetSelectionRange(first, last)) return 0;
  const DocSideState& side = pDoc->Model().Side(pDoc->GetActiveSide());
  pDoc->Editor().SetSelection(side.anchor, side.caret);
  pDoc->EnsureRangeVisible(this, first, last);
  pDoc->RedrawLines(this, first, last);
  return 0;
}
