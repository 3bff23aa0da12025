#include "editor/core/DocumentTitle.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "editor/core/FileBytes.h"
#include "editor/core/ZultaFile.h"
#include "hebtext/core/LegacyCharsets.h"

const char kPlaceholderDocumentTitle[] = "\xE0\xE1\xE2\xE3\xE4";

namespace {

// The signatures as the document file class reads them: the magic, then the
// major and minor version bytes.
const char kMagic[] = "ZULTA ";
const size_t kMagicSize = 6;
const char kOldMagic[] = "QX";
const size_t kOldMagicSize = 2;
const BYTE kNativeMajor = 1;
const BYTE kMinor12 = 2, kMinor13 = 3;
const BYTE kMinorVariantsA = 10, kMinorVariantsB = 11;
// Versions 1.2 and 1.3 keep the title's 16-bit offset and length here.
const size_t kOldTitleOffset = 4, kOldTitleLength = 6;

struct Version {
  BYTE major = 0;
  BYTE minor = 0;
};

BOOL ReadVersion(IFileRangeSource& file, Version& version) {
  BYTE start[kMagicSize + 2] = {};
  const DWORD size = file.GetSize();
  if (size >= kOldMagicSize + 2 && file.ReadRange(0, kOldMagicSize + 2, start) &&
      std::memcmp(start, kOldMagic, kOldMagicSize) == 0) {
    version = {start[kOldMagicSize], start[kOldMagicSize + 1]};
    return TRUE;
  }
  if (size >= sizeof start && file.ReadRange(0, sizeof start, start) &&
      std::memcmp(start, kMagic, kMagicSize) == 0) {
    version = {start[kMagicSize], start[kMagicSize + 1]};
    return TRUE;
  }
  return FALSE;
}

// The title block's bytes, at most kMaxListedTitleBytes of them; FALSE when
// the block lies outside the file.
BOOL ReadTitleBytes(IFileRangeSource& file, DWORD offset, DWORD length, std::string& bytes) {
  const DWORD size = file.GetSize();
  if (offset > size || length > size - offset) return FALSE;
  bytes.assign(length < kMaxListedTitleBytes ? length : kMaxListedTitleBytes, '\0');
  if (!file.ReadRange(offset, bytes.size(), reinterpret_cast<BYTE*>(&bytes[0]))) return FALSE;
  // The title is zero-terminated text: it ends at its first zero byte.
  bytes.resize(std::strlen(bytes.c_str()));
  return TRUE;
}

BOOL ReadOldTitle(IFileRangeSource& file, const BYTE* header, CString& title) {
  std::string bytes;
  if (!ReadTitleBytes(file, GetU16LE(header + kOldTitleOffset), GetU16LE(header + kOldTitleLength),
                      bytes))
    return FALSE;
  ConvertOldHebrewCharset(bytes.c_str(), title);
  return TRUE;
}

BOOL ReadCurrentTitle(IFileRangeSource& file, const BYTE* header, BYTE minor, CString& title) {
  // A block that starts inside the header would read the header as text.
  const DWORD offset = ReadU32LE(header + ZultaHeader::kTitle);
  std::string bytes;
  if (offset < kZultaHeaderSize ||
      !ReadTitleBytes(file, offset, ReadU32LE(header + ZultaHeader::kTitle + 4), bytes))
    return FALSE;
  if (minor == kMinorVariantsA)
    RemapCodeVariantsA(bytes.c_str(), title);
  else if (minor == kMinorVariantsB)
    RemapCodeVariantsB(bytes.c_str(), title);
  else
    title = bytes.c_str();
  return TRUE;
}

BOOL ReadTitle(IFileRangeSource& file, const Version& version, CString& title) {
  if (version.major != kNativeMajor) return FALSE;  // a newer layout than this reader's
  const BOOL old = version.minor == kMinor12 || version.minor == kMinor13;
  const size_t headerSize =
      version.minor == kMinor12 ? kHeader12Size : (old ? kHeader13Size : kZultaHeaderSize);
  BYTE header[kHeader13Size] = {};
  if (file.GetSize() < headerSize || !file.ReadRange(0, headerSize, header)) return FALSE;
  return old ? ReadOldTitle(file, header, title) : ReadCurrentTitle(file, header, version.minor, title);
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// A file on disk, read through the C library; offsets stay within 32 bits,
// as the document format's do.
class DiskRangeSource : public IFileRangeSource {
 public:
  explicit DiskRangeSource(std::FILE* file) : m_file(file) {
    if (std::fseek(file, 0, SEEK_END) == 0) {
      const long end = std::ftell(file);
      m_size = end > 0 && static_cast<unsigned long>(end) <= 0xFFFFFFFFul ? static_cast<DWORD>(end) : 0;
    }
  }
  DWORD GetSize() override { return m_size; }
  BOOL ReadRange(DWORD offset, size_t length, BYTE* out) override {
    if (offset > m_size || length > m_size - offset) return FALSE;
    return std::fseek(m_file, static_cast<long>(offset), SEEK_SET) == 0 &&
           std::fread(out, 1, length, m_file) == length;
  }

 private:
  std::FILE* m_file;
  DWORD m_size = 0;
};

}  // namespace

DWORD MemoryRangeSource::GetSize() {
  return m_size > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<DWORD>(m_size);
}

BOOL MemoryRangeSource::ReadRange(DWORD offset, size_t length, BYTE* out) {
  if (offset > m_size || length > m_size - offset) return FALSE;
  if (length) std::memcpy(out, m_data + offset, length);
  return TRUE;
}

DocumentProbe ReadDocumentTitle(IFileRangeSource& file, CString& title) {
  title = kPlaceholderDocumentTitle;
  Version version;
  if (!ReadVersion(file, version) || version.major == 0) return kProbeOtherFile;
  CString read;
  if (ReadTitle(file, version, read)) title = read;
  return kProbeNativeDocument;
}

DocumentProbe ReadDocumentTitleFromFile(LPCSTR path, CString& title) {
  title = kPlaceholderDocumentTitle;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
  if (!file) return kProbeOtherFile;
  DiskRangeSource source(file.get());
  return ReadDocumentTitle(source, title);
}
