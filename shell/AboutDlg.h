// The About box: the program's picture with its version and copyright.
// Shown modeless without its OK button, it is the start-up splash.
#pragma once

#include "classlib/win/CBitmap.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CDialog.h"

class CAboutDlg : public CDialog {
 public:
  explicit CAboutDlg(CWnd* pParent = nullptr);
  ~CAboutDlg() override;

  BOOL OnInitDialog() override;

  // 1 for Help / About; 0 for the splash.
  int m_modal = 0;

 protected:
  void OnOK() override;
  void OnCancel() override;
  afx_msg void OnPaint();

  DECLARE_MESSAGE_MAP()

 private:
  // The picture with the version line drawn on it.
  void PreparePicture();
  void PutBackPreviousBitmap();

  CBitmap* m_pPreviousBitmap = nullptr;
  CBitmap m_picture;
  CDC m_memoryDC;
};
