// The application object's services to the rest of the program: the
// progress dialog, the speaking face, the edit colours, the version, and the preferences,
// folder and language data loaded at start-up.
#include <windows.h>

#include <vector>

#include "hebtext/core/Preferences.h"
#include "hebtext/core/ProgramPath.h"
#include "hebtext/core/QamatsQatanPrefs.h"
#include "hebtext/win/CProgressDlg.h"
#include "hebtext/win/HebEditColors.h"
#include "hebtext/win/SystemPreferences.h"
#include "hebtext/win/UserMessageBoxes.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/win/DatabaseStartup.h"
#include "shell/AboutDlg.h"
#include "shell/MainFrame.h"
#include "shell/ZultaEditApp.h"
#include "shell/core/ProgramFolder.h"
#include "speech/core/PhonemeSets.h"
#include "speech/win/SonsynLibrary.h"

namespace {
constexpr char kRootBlock[] = "\\";
constexpr char kLegalCopyrightValue[] = "\\StringFileInfo\\040904B0\\LegalCopyright";
constexpr char kVersionFormat[] = "%u.%u.%u.%u";

}  // namespace

void CZultaEditApp::ShowProgressDialog() { OpenSharedProgressDialog(m_pMainWnd); }

void CZultaEditApp::CloseProgressDialog() { CloseSharedProgressDialog(); }

void CZultaEditApp::LoadSystemColors() { g_hebEditColors = GetSystemEditorColors(); }

void CZultaEditApp::ReadVersionInfo() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  DWORD handle = 0;
  DWORD size = ::GetFileVersionInfoSizeA(path, &handle);
  if (size == 0) return;
  std::vector<BYTE> block(size);
  if (!::GetFileVersionInfoA(path, 0, size, block.data())) return;
  VS_FIXEDFILEINFO* pFixed = nullptr;
  UINT length = 0;
  if (::VerQueryValueA(block.data(), kRootBlock, reinterpret_cast<void**>(&pFixed), &length) &&
      pFixed != nullptr) {
    m_versionText.Format(kVersionFormat, HIWORD(pFixed->dwFileVersionMS),
                         LOWORD(pFixed->dwFileVersionMS), HIWORD(pFixed->dwFileVersionLS),
                         LOWORD(pFixed->dwFileVersionLS));
  }
  char* pLegal = nullptr;
  if (::VerQueryValueA(block.data(), kLegalCopyrightValue, reinterpret_cast<void**>(&pLegal),
                       &length) &&
      pLegal != nullptr) {
    m_legalText = pLegal;
  }
}

BOOL CZultaEditApp::SetupPaths() {
  LoadPreferences();
  SetupProgramFolder();
  LoadPhonemeSets(m_profileStore);
  SetGrammarFolder(m_programFolder);
  GrammarLoadResult grammar = LoadGrammarData();
  ShowUserMessages(m_pSplash, grammar.messages);
  if (!grammar.loaded) return FALSE;
  DatabaseReadyFlags ready = CheckBuildDatabases(m_pSplash, m_programFolder);
  return ready.hebrewReady && ready.definitionsReady;
}

void CZultaEditApp::FreeLanguageData() {
  FreeGrammarData();
  FreePhonemeSets();
}

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
  m_programFolder = ProgramFolderOf(path);
  SetProgramFolder(m_programFolder);
}

void CZultaEditApp::LoadSpeechEngine() {
  if (m_hSpeechLibrary == nullptr) m_hSpeechLibrary = LoadSonsynLibrary();
}

void CZultaEditApp::FreeSpeechEngine() {
  if (m_hSpeechLibrary != nullptr) ::FreeLibrary(m_hSpeechLibrary);
  m_hSpeechLibrary = nullptr;
}

void CZultaEditApp::CloseSpeakAnim() {
  auto* pFrame = static_cast<CMainFrame*>(m_pMainWnd);
  if (pFrame != nullptr) pFrame->GetSpeechEngine()->CloseFace();
}
