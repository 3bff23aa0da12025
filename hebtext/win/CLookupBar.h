// The main frame's lookup/search bar as the lookup toolbar's Hebrew edit sees
// it: its lookup mode, and the window that takes the edit's notifications.
// The lexicon's bar derives its behaviour from this class.
#pragma once

#include "classlib/win/CWnd.h"

class CHebEdit;

class CLookupBar : public CWnd {
 public:
  enum Mode { kHebrewLookup = 0, kHebrewSearch = 1, kEnglishKeywords = 2 };

  ~CLookupBar() override;

  int GetMode() const { return m_mode; }
  // The frame saves the current mode's state, then sets the new mode.
  virtual void SaveModeState() {}
  virtual void SetMode(int mode) { m_mode = mode; }

  // The lookup toolbar's Hebrew edit, whose text the bar looks up; set
  // before the window is created.
  void SetLookupEdit(CHebEdit* pEdit) { m_pLookupEdit = pEdit; }
  CHebEdit* GetLookupEdit() const { return m_pLookupEdit; }

  // The bar the main frame holds while its window exists; null otherwise.
  static CLookupBar* GetMainBar() { return s_pMainBar; }

  // A window that starts a search names the message it wants once a result
  // of that search has been opened; the message is sent once, then cleared.
  static void SetReturnMessage(HWND hTarget, UINT message);
  static void SendReturnMessage();

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

  CHebEdit* m_pLookupEdit = nullptr;

 private:
  int m_mode = kHebrewLookup;
  static CLookupBar* s_pMainBar;
  static HWND s_hReturnTarget;
  static UINT s_nReturnMessage;
};
