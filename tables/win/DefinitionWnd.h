// The definition pane of the grammar views: a small child window that shows
// the English definition of the shown entry word-wrapped, its definitions
// numbered, its Hebrew words pointed and the searched keyword highlighted.
// It draws into a bitmap of its own on every change and copies the bitmap
// when painted. It also builds the menu that copies its definitions and
// exports them as plain text and RTF for the clipboard.
#pragma once

#include <windows.h>

#include "classlib/core/CString.h"
#include "classlib/core/Geometry.h"
#include "classlib/win/CBitmap.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CWnd.h"

class CFontInfo;
class CMenu;

// (wParam: definition number) highlights the highlight term in the
// definitions, repaints at once and forgets the term; returns 0.
constexpr UINT WM_DEFN_HIGHLIGHT = 0x594;

class CDefinitionWnd : public CWnd {
 public:
  CDefinitionWnd();
  ~CDefinitionWnd() override;

  // The English and Hebrew screen fonts of every definition window; the main
  // frame sets them when it makes its fonts. Without them the window stays
  // blank.
  static void SetFonts(CFontInfo* pEnglish, CFontInfo* pHebrew);

  // Replaces the control nID of pParent by a definition window of the same
  // rectangle, id and place in the tab order; the control is destroyed. The
  // caller owns the result (DestroyAndDelete); null when there is no such
  // control or the window cannot be made.
  static CDefinitionWnd* CreateInPlace(CWnd* pParent, UINT nID);

  // The term WM_DEFN_HIGHLIGHT highlights.
  void SetHighlightTerm(LPCSTR lpszTerm);
  // 0 for an empty text, else the number of ';' plus one.
  int CountDefinitions() const;

  // Lays the text out and draws it: with no DC into the window's own bitmap
  // at its client rectangle; when printing, into pDC with the scaled fonts
  // at the scaled rectangle.
  void PaintText(CDC* pDC = nullptr, CFontInfo* pEnglish = nullptr, CFontInfo* pHebrew = nullptr,
                 const RECT* pRect = nullptr);
  // Invalidates the window when its rectangle meets rect (parent's client
  // coordinates).
  void RepaintIfMeets(const RECT& rect);

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnPaint();
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnHighlight(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  void Render();

  BOOL m_bBitmapMade = FALSE;
  CRect m_client;
  CString m_text;  // what was last rendered
  CString m_highlightTerm;
  int m_highlightedNumber = -1;
  CBitmap* m_pOldBitmap = nullptr;
  CBitmap m_bitmap;
  CDC m_memDC;
};

// Replaces menu by the pop-up that copies the window's definitions ("Copy
// All Definitions" when there are two or more, then one item a definition,
// as far as the copy commands' range reaches). 0 when the window holds no
// definition (the menu is left as it was), else 1.
int ShowDefinitionCopyMenu(CDefinitionWnd* pWnd, CMenu& menu);

// The definitions of the window (which: 0 all, n the n-th) as plain text
// and as an RTF document.
void ExportDefinitions(CDefinitionWnd* pWnd, CString& plainText, CString& rtf, int which);

// What a grammar view does with a copy command of the definition menu: the
// definitions it names go to the clipboard, the plain text as CF_TEXT
// (emptying it first) and the RTF as "Rich Text Format". FALSE when the
// command is not a copy command or the clipboard could not take the text.
BOOL CopyDefinitionsToClipboard(CDefinitionWnd* pWnd, UINT nCommand);

// WM_GRAM_CONTEXTMENU of a grammar view: builds the definition copy menu
// into menu and tracks it at the screen point (x in the low word, y in the
// high word), centred, for the right button; nothing when the window holds
// no definition.
void TrackDefinitionCopyMenu(CDefinitionWnd* pWnd, CMenu& menu, CWnd* pOwner, LPARAM screenPoint);
