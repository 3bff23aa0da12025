#include "editor/win/FolderEnumeration.h"

#include "editor/win/ShellFunctions.h"
#include "toolkit/win/CKWShellIdList.h"

namespace {

const char kAllEntriesPattern[] = "\\*.*";

// Whether the enumerated object is one the dialogs never list. The Control
// Panel and the Recycle Bin are known by their special-folder ids, since
// their display names differ between systems and languages.
BOOL IsLeftOut(LPCITEMIDLIST pidlAbsolute) {
  return IsSpecialFolder(pidlAbsolute, CSIDL_CONTROLS) ||
         IsSpecialFolder(pidlAbsolute, CSIDL_BITBUCKET);
}

// A file's display name may be a path: the name is what follows its last
// backslash.
CString LastPathPart(const CString& name) {
  const int slash = name.ReverseFind('\\');
  return slash < 0 ? name : name.Mid(slash + 1);
}

// Where the record goes among the folder's records from first on, in the
// folder's own order.
size_t SortedPlace(LPSHELLFOLDER pFolder, const std::vector<CFileItem>& items, size_t first,
                   LPCITEMIDLIST pidl) {
  size_t low = first;
  size_t high = items.size();
  while (low < high) {
    const size_t middle = low + (high - low) / 2;
    const HRESULT hr = pFolder->CompareIDs(0, pidl, items[middle].GetRelativeIdList());
    if (static_cast<short>(HRESULT_CODE(hr)) < 0)
      high = middle;
    else
      low = middle + 1;
  }
  return low;
}

// The record of one enumerated object; FALSE when it is not listed. Takes
// over pidl either way.
BOOL MakeItem(LPSHELLFOLDER pFolder, LPCITEMIDLIST pidlFolder, LPITEMIDLIST pidl,
              const FolderListOptions& options, CFileItem& item) {
  ULONG attributes = SFGAO_FOLDER;
  LPCITEMIDLIST children[] = {pidl};
  if (FAILED(pFolder->GetAttributesOf(1, children, &attributes))) attributes = 0;
  const BOOL isFolder = (attributes & SFGAO_FOLDER) != 0;
  if (!isFolder && options.foldersOnly) {
    FreeShellIdList(pidl);
    return FALSE;
  }
  const CString name = GetShellDisplayName(pFolder, pidl, SHGDN_NORMAL);
  if (name.IsEmpty() || (options.nameList && !options.nameList->Contains(name, isFolder))) {
    FreeShellIdList(pidl);
    return FALSE;
  }
  CKWShellIdList lists;
  LPITEMIDLIST pidlAbsolute = lists.ConcatItemIdLists(pidlFolder, pidl);
  if (!pidlAbsolute || IsLeftOut(pidlAbsolute)) {
    FreeShellIdList(pidlAbsolute);
    FreeShellIdList(pidl);
    return FALSE;
  }
  pFolder->AddRef();
  item.AdoptShellObjects(pFolder, pidl, pidlAbsolute);
  item.m_strName = isFolder ? name : LastPathPart(name);
  item.m_nIsFile = isFolder ? 0 : 1;
  item.FillShellInfo();
  return TRUE;
}

}  // namespace

BOOL EnumerateFolder(LPSHELLFOLDER pFolder, LPCITEMIDLIST pidlFolder,
                     const FolderListOptions& options, std::vector<CFileItem>& items) {
  SHCONTF flags = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS;
  if (options.includeHidden) flags |= SHCONTF_INCLUDEHIDDEN;
  LPENUMIDLIST pEnum = nullptr;
  if (!pFolder || FAILED(pFolder->EnumObjects(nullptr, flags, &pEnum)) || !pEnum) return FALSE;
  const size_t first = items.size();
  LPITEMIDLIST pidl = nullptr;
  ULONG fetched = 0;
  while (pEnum->Next(1, &pidl, &fetched) == S_OK && fetched == 1) {
    CFileItem item;
    if (!MakeItem(pFolder, pidlFolder, pidl, options, item)) continue;
    const size_t place = options.keepSorted
                             ? SortedPlace(pFolder, items, first, item.GetRelativeIdList())
                             : items.size();
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(place), std::move(item));
  }
  pEnum->Release();
  return TRUE;
}

FileNameList ReadFileSystemNameList(LPCSTR folder, LPCSTR filePattern, BOOL includeHidden) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAA found = {};
  const CString pattern = CString(folder) + kAllEntriesPattern;
  HANDLE hFind = ::FindFirstFileA(pattern, &found);
  if (hFind != INVALID_HANDLE_VALUE) {
    do {
      FolderEntry entry;
      entry.name = found.cFileName;
      entry.isDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      entry.isHidden = (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
      entries.push_back(entry);
    } while (::FindNextFileA(hFind, &found));
    ::FindClose(hFind);
  }
  return FileNameList(entries, filePattern, includeHidden);
}
