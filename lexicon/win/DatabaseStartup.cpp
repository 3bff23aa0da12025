#include "lexicon/win/DatabaseStartup.h"

#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"
#include "hebtext/win/AppProfileStore.h"
#include "hebtext/win/FileUtilities.h"
#include "lexicon/win/DatabaseBuildDlg.h"
#include "lexicon/win/DatabaseVerifyDlg.h"
#include "lexicon/win/DiskMeasures.h"

namespace {

constexpr char kBinFolder[] = "bin";

// The program folder with its final backslash.
CString FolderWithSlash(LPCSTR folder) {
  CString path(folder);
  if (path.IsEmpty() || path[path.GetLength() - 1] != '\\') path += '\\';
  return path;
}

// Keeps the machine and its display awake while it lives.
class AwakeWhileBuilding {
 public:
  AwakeWhileBuilding() {
    ::SetThreadExecutionState(ES_CONTINUOUS | ES_DISPLAY_REQUIRED | ES_SYSTEM_REQUIRED);
  }
  ~AwakeWhileBuilding() { ::SetThreadExecutionState(ES_CONTINUOUS); }
};

class StartupHost : public DatabaseStartupHost {
 public:
  StartupHost(CWnd* pOwner, LPCSTR programFolder)
      : m_hWndOwner(pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr),
        m_pOwner(pOwner),
        m_folder(FolderWithSlash(programFolder)) {}

  bool FileExists(LPCSTR relativePath) override {
    return ::FileExists(m_folder + relativePath) != FALSE;
  }
  void RemoveFile(LPCSTR relativePath) override {
    DeleteFileToRecycleBin(m_folder + relativePath, FALSE);
  }
  DWORD MeasureWriteTime() override { return ::MeasureWriteTime(); }
  DiskSpace FreeDiskSpace() override {
    DiskSpace space;
    space.freeBytes = FreeBytesOfFolder(m_folder);
    space.drive = m_folder[0];
    return space;
  }
  void ShowMessage(const UserMessage& message, StartupMessageStyle style) override {
    switch (style) {
      case StartupMessageStyle::kApplication: AfxMessageBox(message.text, MB_OK); return;
      case StartupMessageStyle::kStop:
        ::MessageBoxA(m_hWndOwner, message.text, message.caption, MB_OK | MB_ICONSTOP);
        return;
      case StartupMessageStyle::kExclamation:
        ::MessageBoxA(m_hWndOwner, message.text, message.caption, MB_OK | MB_ICONEXCLAMATION);
        return;
      case StartupMessageStyle::kPlain:
        ::MessageBoxA(m_hWndOwner, message.text, message.caption, MB_OK);
        return;
    }
  }
  bool AskYesNo(const UserMessage& question) override {
    return ::MessageBoxA(m_hWndOwner, question.text, question.caption,
                         MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
  }
  DatabaseBuildOutcome RunBuild(const DatabaseReadyFlags& ready) override {
    AwakeWhileBuilding awake;
    CDatabaseBuildDlg dialog(m_pOwner, m_folder + kBinFolder, ready);
    dialog.DoModal();
    return dialog.Outcome();
  }

 private:
  HWND m_hWndOwner;
  CWnd* m_pOwner;
  CString m_folder;
};

}  // namespace

DatabaseReadyFlags CheckBuildDatabases(CWnd* pMessageOwner, LPCSTR programFolder) {
  StartupHost host(pMessageOwner, programFolder);
  CAppProfileStore profile(AfxGetApp());
  return CheckBuildDatabases(host, profile);
}

INT_PTR RunDbVerifyDialog(CWnd* pOwner, LPCSTR programFolder) {
  CDatabaseVerifyDlg dialog(pOwner, FolderWithSlash(programFolder) + kBinFolder);
  return dialog.DoModal();
}
