// A read-only child window showing a short formatted text: RTF or plain text
// set as its window text, wrapped to its width and centred. Any click or key
// in it closes the transliteration window.
#pragma once

#include "classlib/win/CWnd.h"
#include "editor/core/RtfPreviewText.h"
#include "editor/win/ScreenDocMetrics.h"

class CFontInfo;

class CRtfPreviewCtrl : public CWnd {
 public:
  CRtfPreviewCtrl() = default;

  // Inserts c at the insertion position (with the attribute word of the
  // character before it when attr is null); returns the new count.
  int AddChar(BYTE c, const CharAttr* attr = nullptr) { return m_text.AddChar(c, attr); }
  // The screen font of a character's attribute word.
  CFontInfo* GetCharFont(CDC* pDC, CharAttr attr);
  // Places the characters for the client area.
  void Layout();
  // Draws what meets the update rectangle.
  void Paint(CDC* pDC, const RECT& update);
  // The window's colour, and the quarter points added to each blank.
  void SetWindowColor(COLORREF color) { m_backColor = color; }
  void SetExtraWordSpace(DWORD quarterPoints) { m_extraWordSpace = quarterPoints; }

 protected:
  afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg LRESULT OnUserInput(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  RtfPreviewText m_text;
  ScreenDocMetrics m_metrics;  // measures, and keeps the fonts painted with
  DWORD m_extraWordSpace = 0;  // quarter points added to each blank
  COLORREF m_backColor = RGB(255, 255, 255);
};
