// The one-line edit control for pointed Hebrew (or, in its English mode,
// plain 8-bit text), created in place of a placeholder control of a dialog
// or bar. The text and its rules live in HebEditModel; this is the window:
// messages, keys, mouse, caret, painting, context menu and notifications.
#pragma once

#include "classlib/win/CMenu.h"
#include "classlib/win/CWnd.h"
#include "hebtext/core/EditClipboardText.h"
#include "hebtext/core/HebEditModel.h"
#include "hebtext/win/CFontInfo.h"

class CDC;

class CHebEdit : public CWnd, private HebCharWidths {
  DECLARE_DYNCREATE(CHebEdit)

 public:
  // Style flags given at creation (8 is always given and not interpreted).
  enum {
    kLookupToolbar = 1,  // owner: the lookup bar; context menu with "Remove Vowels"
    kNotifyFocus = 2,    // tells the parent when it takes the focus
    kEscCancels = 4,     // Esc sends IDCANCEL to the owner
    kEnglishFont = 16,   // can switch to English mode
    kDownCommand = 32,   // Down posts command 784 instead of moving on
  };
  // Messages and commands it sends.
  enum {
    kFocusMessage = WM_USER + 105,
    kEnterCommand = 769,
    kDownCommandId = 784,
  };

  explicit CHebEdit(DWORD style = 0);
  ~CHebEdit() override;

  void SetText(LPCSTR text);
  void GetText(CString& text) const { m_model.GetText(text); }
  void ClearText(BOOL repaint);
  void SelectAll();
  BOOL HasSelection() const { return m_model.HasSelection(); }
  void SetRightToLeft(BOOL rightToLeft);
  BOOL HasVowels() const { return m_model.HasVowels(); }
  void RemoveVowels();

  // Where notifications go: the parent (style 2 or 4), else the lookup bar
  // (style 1); null when there is none.
  CWnd* GetOwner() const;
  DWORD GetEditStyle() const { return m_style; }
  HebEditModel& GetModel() { return m_model; }
  const CFontInfo& GetCurrentFont() const { return *m_pFont; }
  CFontInfo& GetHebrewFont() { return m_hebrewFont; }
  CFontInfo& GetEnglishFont() { return m_englishFont; }
  // Puts the selected text on the clipboard through the export filter in
  // the direction; FALSE when nothing got there.
  BOOL CopySelection(const ClipboardTextOptions& options);
  // Replaces the selection with the clipboard's text through the import
  // filter, as one undo step. FALSE, with the text unchanged, when the
  // clipboard could not be read, held no text or the conversion was cancelled.
  BOOL PasteFiltered(ClipboardTextOptions options);

  // The popup of the context menu (103, or 110 in the lookup toolbar).
  CMenu* GetContextPopup() const { return m_pPopup; }

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnDestroy();
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg void OnInitMenu(CMenu* pMenu);
  afx_msg LRESULT OnUndo(WPARAM wParam, LPARAM lParam);
  afx_msg BOOL OnSetText(LPCSTR text);
  afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnCopy(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnCut(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
  afx_msg void OnCopySpecial();
  afx_msg void OnPasteSpecial();
  afx_msg void OnEditCopy();
  afx_msg void OnEditCut();
  afx_msg void OnEditPaste();
  afx_msg void OnEditUndo();
  afx_msg void OnSelectAll();
  afx_msg void OnRemoveVowels();
  DECLARE_MESSAGE_MAP()

 private:
  int CharWidth(int letter, int vowel, BOOL rightToLeft) override;
  void Repaint();
  void NotifyChange();
  void SendToOwner(UINT message, WPARAM wParam, LPARAM lParam);
  void PostToOwner(UINT message, WPARAM wParam, LPARAM lParam);
  void ShowEditCaret();
  void HideEditCaret();
  void PaintText(CDC* pDC, const RECT& clip);
  void MoveCaret(HebEditModel::CaretKey key);

  DWORD m_style;
  CFontInfo* m_pFont;
  CFontInfo m_hebrewFont;
  CFontInfo m_englishFont;
  HebEditModel m_model;
  BOOL m_dragging = FALSE;
  RECT m_caretRect = {0, 0, 0, 0};
  CMenu m_contextMenu;
  CMenu* m_pPopup = nullptr;
  BOOL m_menuOpen = FALSE;
};

// The window that last took the Hebrew typing focus (an edit control or the
// document view); the on-screen keyboards post their keys to it. Cleared when
// that window is destroyed.
extern CWnd* g_pFocusedHebEdit;

// Replaces the parent's child control of that id with a CHebEdit of the same
// id and rectangle; the caller owns the object. Null when there is no such
// control or the window cannot be created.
CHebEdit* CreateHebEditInPlace(CWnd* pParent, UINT id, BOOL visible, DWORD style);
