#include "hebtext/win/ClipboardText.h"

#include <cstring>
#include <cwchar>
#include <string>

#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"
#include "hebtext/core/UnicodeHebrew.h"

namespace {

// Opens the clipboard for the scope; IsOpen tells whether that worked.
class ClipboardScope {
 public:
  explicit ClipboardScope(HWND hWnd) : m_open(::OpenClipboard(hWnd) != FALSE) {}
  ~ClipboardScope() {
    if (m_open) ::CloseClipboard();
  }
  bool IsOpen() const { return m_open; }

 private:
  bool m_open;
};

// The clipboard's data of the format, locked for the scope.
class ClipboardData {
 public:
  explicit ClipboardData(UINT format)
      : m_hData(::GetClipboardData(format)),
        m_data(m_hData != nullptr ? ::GlobalLock(m_hData) : nullptr),
        m_size(m_data != nullptr ? ::GlobalSize(m_hData) : 0) {}
  ~ClipboardData() {
    if (m_data != nullptr) ::GlobalUnlock(m_hData);
  }
  const char* Bytes() const { return static_cast<const char*>(m_data); }
  // The text's length in units of charSize, never past the block's end.
  SIZE_T TextLength(SIZE_T charSize) const {
    SIZE_T units = m_size / charSize;
    if (charSize == sizeof(WCHAR)) {
      auto* wide = static_cast<const WCHAR*>(m_data);
      SIZE_T n = 0;
      while (n < units && wide[n] != 0) ++n;
      return n;
    }
    const void* end = memchr(m_data, 0, units);
    return end != nullptr ? static_cast<SIZE_T>(static_cast<const char*>(end) - Bytes()) : units;
  }

 private:
  HANDLE m_hData;
  void* m_data;
  SIZE_T m_size;
};

HWND ClipboardOwner() {
  CWnd* pMainWnd = AfxGetMainWnd();
  return pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : nullptr;
}

BOOL CopyBytesToClipboard(const void* bytes, SIZE_T size, UINT format, BOOL emptyFirst) {
  ClipboardScope clipboard(ClipboardOwner());
  if (!clipboard.IsOpen()) {
    ::MessageBoxA(ClipboardOwner(), "Cannot Copy to Clipboard.", "Error", MB_OK | MB_ICONSTOP);
    return FALSE;
  }
  if (emptyFirst) ::EmptyClipboard();
  HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, size);
  if (hData == nullptr) return FALSE;
  void* data = ::GlobalLock(hData);
  if (data != nullptr) {
    memcpy(data, bytes, size);
    ::GlobalUnlock(hData);
  }
  // The clipboard owns the block only once it took it.
  if (data == nullptr || ::SetClipboardData(format, hData) == nullptr) {
    ::GlobalFree(hData);
    return FALSE;
  }
  return TRUE;
}

}  // namespace

UINT GetRtfClipboardFormat() {
  static const UINT format = ::RegisterClipboardFormatA("Rich Text Format");
  return format;
}

BOOL CopyTextToClipboard(LPCSTR text, UINT format, BOOL emptyFirst) {
  return CopyBytesToClipboard(text, strlen(text) + 1, format, emptyFirst);
}

BOOL CopyTextToClipboard(LPCWSTR text, BOOL emptyFirst) {
  return CopyBytesToClipboard(text, (wcslen(text) + 1) * sizeof(WCHAR), CF_UNICODETEXT, emptyFirst);
}

BOOL ReadClipboardText(HWND hWnd, UINT format, CString& text) {
  text.Empty();
  ClipboardScope clipboard(hWnd);
  if (!clipboard.IsOpen()) return FALSE;
  ClipboardData data(format);
  if (data.Bytes() == nullptr) return FALSE;
  if (format == CF_UNICODETEXT) {
    std::wstring wide(reinterpret_cast<const WCHAR*>(data.Bytes()), data.TextLength(sizeof(WCHAR)));
    UnicodeToAnsiHebrew(text, wide.c_str());
  } else {
    text = CString(data.Bytes(), static_cast<int>(data.TextLength(1)));
  }
  return TRUE;
}

UINT GetPlacedTextFormat(HWND hWnd) {
  ClipboardScope clipboard(hWnd);
  if (!clipboard.IsOpen()) return 0;
  for (UINT format = ::EnumClipboardFormats(0); format != 0;
       format = ::EnumClipboardFormats(format)) {
    if (format == CF_TEXT || format == CF_UNICODETEXT) return format;
  }
  return 0;
}

int GetClipboardTextLength(HWND hWnd, UINT format) {
  ClipboardScope clipboard(hWnd);
  if (!clipboard.IsOpen()) return 0;
  ClipboardData data(format);
  if (data.Bytes() == nullptr) return 0;
  if (format == CF_UNICODETEXT) return static_cast<int>(data.TextLength(sizeof(WCHAR)));
  if (format == GetRtfClipboardFormat())
    return data.TextLength(1) >= 5 && strncmp(data.Bytes(), "{\\rtf", 5) == 0 ? 1 : 0;
  return static_cast<int>(data.TextLength(1));
}
