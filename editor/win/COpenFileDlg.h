// The program's Open dialog, run modally by File/Open: on OK the full path
// names the file to open.
#pragma once

#include "editor/win/CShellFileDlg.h"

class COpenFileDlg : public CShellFileDlg {
 public:
  explicit COpenFileDlg(CWnd* pParent);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void HandleOpenFile(BOOL fromList) override;
};
