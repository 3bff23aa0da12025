// The views of the Keyboard Guides window: the on-screen keyboard and the
// letter and vowel chart. Both draw their keys from the same key records;
// a click types the key's character into the focused Hebrew edit control.
#pragma once

#include "classlib/win/CFormView.h"
#include "speech/win/KeyPad.h"

// What the two views share: the keys built at the first initial update,
// drawn from the memory context, the focus moved by Tab, the key under a
// mouse press shown pressed.
class CKeyPadView : public CFormView {
  DECLARE_DYNAMIC(CKeyPadView)
 public:
  explicit CKeyPadView(UINT nIDTemplate) : CFormView(nIDTemplate), m_nTemplate(nIDTemplate) {}
  void OnInitialUpdate() override;
  void OnDraw(CDC* pDC) override;

 protected:
  virtual const std::vector<KeyTableEntry>& KeyTable() const = 0;
  // The layer shown when the keys are first drawn.
  virtual BOOL InitialLayer() const { return FALSE; }
  // The key under a mouse press, after it is shown pressed.
  virtual void OnKeyPressed(KeyRecord&) {}
  // The key under the mouse when the button goes up, after it is released.
  virtual void OnKeyReleased(KeyRecord& record, BOOL shiftHeld) = 0;
  // Posts the character to the focused Hebrew edit control, if any.
  static void TypeChar(int ch);
  static void TypeKeyDown(UINT virtualKey);

  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg UINT OnGetDlgCode();
  afx_msg LRESULT OnNextDlgCtl(WPARAM wParam, LPARAM lParam);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnDestroy();

  CKeyPad m_keys;
  UINT m_nTemplate;
  BOOL m_bInitialised = FALSE;

  DECLARE_MESSAGE_MAP()
};

class CKeyboardView : public CKeyPadView {
  DECLARE_DYNCREATE(CKeyboardView)
 public:
  CKeyboardView();

 protected:
  const std::vector<KeyTableEntry>& KeyTable() const override;
  BOOL InitialLayer() const override;
  void OnKeyPressed(KeyRecord& record) override;
  void OnKeyReleased(KeyRecord& record, BOOL shiftHeld) override;

  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

  DECLARE_MESSAGE_MAP()
};

class CKeyMapView : public CKeyPadView {
  DECLARE_DYNCREATE(CKeyMapView)
 public:
  CKeyMapView();

 protected:
  const std::vector<KeyTableEntry>& KeyTable() const override;
  void OnKeyReleased(KeyRecord& record, BOOL shiftHeld) override;

  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

  DECLARE_MESSAGE_MAP()
};
