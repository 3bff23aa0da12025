// The main frame's lookup/search bar as the lookup toolbar's Hebrew edit sees
// it: its lookup mode, and the window that takes the edit's notifications.
// The lexicon's bar derives its behaviour from this class.
#pragma once

#include "classlib/win/CWnd.h"

class CLookupBar : public CWnd {
 public:
  enum Mode { kHebrewLookup = 0, kHebrewSearch = 1, kEnglishKeywords = 2 };

  ~CLookupBar() override;

  int GetMode() const { return m_mode; }
  // The frame saves the current mode's state, then sets the new mode.
  virtual void SaveModeState() {}
  virtual void SetMode(int mode) { m_mode = mode; }

  // The bar the main frame holds while its window exists; null otherwise.
  static CLookupBar* GetMainBar() { return s_pMainBar; }

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  int m_mode = kHebrewLookup;
  static CLookupBar* s_pMainBar;
};
