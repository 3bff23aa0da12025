// A control bar made from a dialog template: its controls send their
// commands to the frame, and at idle time they are enabled by the frame's
// update handlers. The bar keeps the template's size: its width along the
// left or right, its height along the top or bottom.
#pragma once

#include "classlib/win/CControlBar.h"

class CDialogBar : public CControlBar {
  DECLARE_DYNAMIC(CDialogBar)
 public:
  // The template must make a child window; nStyle holds the CBRS_* style.
  BOOL Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID);
  BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID) {
    return Create(pParentWnd, MAKEINTRESOURCEA(nIDTemplate), nStyle, nID);
  }

  // From a template in memory (hInst holds the template's icons and bitmaps).
  BOOL CreateIndirect(CWnd* pParentWnd, HINSTANCE hInst, LPCDLGTEMPLATEA lpTemplate, UINT nStyle,
                      UINT nID);

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

  // The template's size in pixels.
  CSize m_sizeDefault;
};
