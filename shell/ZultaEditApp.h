// The program's application object.
#pragma once

#include "classlib/core/Collections.h"
#include "classlib/win/CWinApp.h"
#include "hebtext/core/PageSettingsRec.h"
#include "hebtext/win/AppProfileStore.h"

class CZultaEditApp : public CWinApp {
 public:
  BOOL InitInstance() override;

  // ---- Services of the whole program (ZultaEditAppServices.cpp).
  // Opens the progress dialog of a long operation over the main window
  // (hidden until the operation has run two seconds); closes it.
  void ShowProgressDialog();
  void CloseProgressDialog();
  // The colours of every Hebrew edit control from the system colours.
  void LoadSystemColors();

  // The General preferences, as loaded at start-up and changed by Settings.
  int m_haShemFilter = 0;
  int m_accent = 1;
  int m_nikudToggle = 0;
  int m_vowelType = 1;
  // Page settings of the English side, the Hebrew side and grammar tables.
  PageSettingsRec m_pageSettings[3];
  // Custom tab stops and tab interval of the English (0) and Hebrew (1) side.
  CDWordArray m_tabStops[2];
  int m_tabInterval[2] = {1000, 1000};

 protected:
  afx_msg void OnAppAbout();
  // The Edit commands go to the window with the keyboard focus.
  afx_msg void OnEditCommand(UINT nID);
  afx_msg void OnUpdateEditCommand(CCmdUI* pCmdUI);

  DECLARE_MESSAGE_MAP()

 private:
  // Start-up: the preferences from the profile, the program's folder.
  void LoadPreferences();
  void SetupProgramFolder();

  CAppProfileStore m_profileStore{this};
};

extern CZultaEditApp theApp;
