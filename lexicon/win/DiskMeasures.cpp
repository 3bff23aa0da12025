#include "lexicon/win/DiskMeasures.h"

#include <cstring>

namespace {

constexpr DWORD kTempFolderCapacity = 1024;
constexpr char kTempFilePrefix[] = "qxz";
constexpr BYTE kMeasureFill = 0xFF;
constexpr DWORD kMeasureBlockBytes = 100;
constexpr int kMeasureWrites = 4096;

}  // namespace

ULONGLONG FreeBytesOfFolder(LPCSTR folder) {
  ULARGE_INTEGER available = {};
  if (::GetDiskFreeSpaceExA(folder, &available, nullptr, nullptr)) return available.QuadPart;
  // Older systems answer only for a drive's root.
  const char root[] = {folder[0], ':', '\\', '\0'};
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
  if (!::GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
    return 0;
  return static_cast<ULONGLONG>(sectorsPerCluster) * bytesPerSector * freeClusters;
}

DWORD MeasureWriteTime() {
  const DWORD start = ::GetTickCount();
  char folder[kTempFolderCapacity + 1] = {};
  char path[MAX_PATH] = {};
  if (::GetTempPathA(sizeof folder, folder) == 0 ||
      ::GetTempFileNameA(folder, kTempFilePrefix, 0, path) == 0)
    return ::GetTickCount() - start;
  HANDLE hFile =
      ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (hFile != INVALID_HANDLE_VALUE) {
    BYTE block[kMeasureBlockBytes];
    std::memset(block, kMeasureFill, sizeof block);
    for (int i = 0; i < kMeasureWrites; ++i) {
      DWORD written = 0;
      ::SetFilePointer(hFile, 0, nullptr, FILE_BEGIN);
      ::WriteFile(hFile, block, sizeof block, &written, nullptr);
    }
    ::CloseHandle(hFile);
  }
  ::DeleteFileA(path);
  return ::GetTickCount() - start;
}
