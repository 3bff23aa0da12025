// The application object's services to the rest of the program: the
// progress dialog, the edit colours, the preferences loaded at start-up and
// the program's folder.
#include <windows.h>

#include "hebtext/core/Preferences.h"
#include "hebtext/core/ProgramPath.h"
#include "hebtext/core/QamatsQatanPrefs.h"
#include "hebtext/win/CProgressDlg.h"
#include "hebtext/win/HebEditColors.h"
#include "hebtext/win/SystemPreferences.h"
#include "shell/ZultaEditApp.h"

void CZultaEditApp::ShowProgressDialog() { OpenSharedProgressDialog(m_pMainWnd); }

void CZultaEditApp::CloseProgressDialog() { CloseSharedProgressDialog(); }

void CZultaEditApp::LoadSystemColors() { g_hebEditColors = GetSystemEditorColors(); }

void CZultaEditApp::LoadPreferences() {
  SetPreferenceStore(&m_profileStore);
  m_haShemFilter = LoadHaShemFilter();
  m_accent = LoadAccent();
  SetKamColor(LoadKamColor());
  SetKamStyle(LoadKamStyle());
  m_nikudToggle = LoadNikudToggle();
  m_vowelType = LoadVowelType();
  LoadPageSettings(&m_pageSettings[0], 0, 0);
  LoadPageSettings(&m_pageSettings[1], 0, 1);
  LoadPageSettings(&m_pageSettings[2], 1, 0);
  for (int side = 0; side < 2; ++side) LoadTabStops(m_tabInterval[side], m_tabStops[side], side);
}

void CZultaEditApp::SetupProgramFolder() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  SetProgramFolder(path);
}
