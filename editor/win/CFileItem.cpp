#include "editor/win/CFileItem.h"

#include <sys/stat.h>

#include <utility>

#include "editor/core/DocumentTitle.h"
#include "editor/win/FileFunctions.h"
#include "editor/win/ShellFunctions.h"
#include "hebtext/core/FileSizeText.h"
#include "toolkit/win/CKWShellIdList.h"

namespace {

const char kNativeDocumentTypeName[] = "Zulta Document";

}  // namespace

FileItemShellObjects::~FileItemShellObjects() { Release(); }

FileItemShellObjects::FileItemShellObjects(const FileItemShellObjects& other)
    : m_pParentFolder(other.m_pParentFolder) {
  if (m_pParentFolder) m_pParentFolder->AddRef();
  CKWShellIdList lists;
  if (other.m_pidlRelative) m_pidlRelative = lists.CopyItemIdList(other.m_pidlRelative);
  if (other.m_pidlAbsolute) m_pidlAbsolute = lists.CopyItemIdList(other.m_pidlAbsolute);
}

FileItemShellObjects& FileItemShellObjects::operator=(const FileItemShellObjects& other) {
  FileItemShellObjects copy(other);
  Swap(copy);
  return *this;
}

FileItemShellObjects::FileItemShellObjects(FileItemShellObjects&& other) noexcept { Swap(other); }

FileItemShellObjects& FileItemShellObjects::operator=(FileItemShellObjects&& other) noexcept {
  FileItemShellObjects taken(std::move(other));
  Swap(taken);
  return *this;
}

void FileItemShellObjects::Adopt(LPSHELLFOLDER pParentFolder, LPITEMIDLIST pidlRelative,
                                 LPITEMIDLIST pidlAbsolute) {
  Release();
  m_pParentFolder = pParentFolder;
  m_pidlRelative = pidlRelative;
  m_pidlAbsolute = pidlAbsolute;
}

void FileItemShellObjects::AdoptIdLists(LPITEMIDLIST pidlRelative, LPITEMIDLIST pidlAbsolute) {
  FreeShellIdList(std::exchange(m_pidlRelative, pidlRelative));
  FreeShellIdList(std::exchange(m_pidlAbsolute, pidlAbsolute));
}

void FileItemShellObjects::Release() {
  if (m_pParentFolder) std::exchange(m_pParentFolder, nullptr)->Release();
  FreeShellIdList(std::exchange(m_pidlRelative, nullptr));
  FreeShellIdList(std::exchange(m_pidlAbsolute, nullptr));
}

void FileItemShellObjects::Swap(FileItemShellObjects& other) noexcept {
  std::swap(m_pParentFolder, other.m_pParentFolder);
  std::swap(m_pidlRelative, other.m_pidlRelative);
  std::swap(m_pidlAbsolute, other.m_pidlAbsolute);
}

void CFileItem::FillShellInfo() {
  if (!GetAbsoluteIdList()) return;
  GetIdListIcons(GetAbsoluteIdList(), m_nSmallIcon, m_nOpenIcon);
  m_strPath = GetIdListPath(GetAbsoluteIdList());
  const CString typeName = GetIdListTypeName(GetAbsoluteIdList());
  if (!typeName.IsEmpty()) m_strTypeName = typeName;
}

void CFileItem::WorkOutKind() {
  if (m_kind != kFileKindUnknown) return;
  FileItemFacts facts;
  facts.isFile = IsFileByFlag();
  facts.displayName = m_strName;
  if (facts.isFile) {
    CString title;
    facts.isNativeDocument =
        !m_strPath.IsEmpty() && ReadDocumentTitleFromFile(m_strPath, title) == kProbeNativeDocument;
    if (facts.isNativeDocument) {
      m_strTypeName = kNativeDocumentTypeName;
      m_strHebrewTitle = title;
    }
  } else {
    facts.isDirectory = !m_strPath.IsEmpty() && IsDirectoryPath(m_strPath);
  }
  m_kind = WorkOutFileItemKind(facts);
  if (IsFileSystemItem()) ReadFileStatus();
}

void CFileItem::ReadFileStatus() {
  struct _stat64 status = {};
  if (::_stat64(m_strPath, &status) != 0) return;
  m_modified = static_cast<std::time_t>(status.st_mtime);
  std::tm local = {};
  if (::localtime_s(&local, &m_modified) == 0) m_strTimeText = FormatModifiedText(local);
  // Sizes beyond 32 bits are shown as the largest the record holds.
  m_dwSize = status.st_size > static_cast<__int64>(kUnknownFileSize - 1)
                 ? kUnknownFileSize - 1
                 : static_cast<DWORD>(status.st_size);
  FormatKBytes(m_dwSize, m_strSizeText);
}
