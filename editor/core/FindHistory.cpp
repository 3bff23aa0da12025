#include "editor/core/FindHistory.h"

#include <algorithm>

namespace {
const char kSection[] = "Preferences";
constexpr BYTE kEntryEnd = 0xFF;
}  // namespace

CString FindHistoryValueName(FindHistoryKind kind, BOOL hebrew) {
  CString name = kind == FindHistoryKind::kFind ? "RecentUsedFind" : "RecentUsedReplace";
  name += hebrew ? "Hebrew" : "English";
  return name;
}

std::vector<CString> ParseFindHistory(const std::vector<BYTE>& value) {
  std::vector<CString> entries;
  CString entry;
  // A last entry without its end byte is dropped: the value was cut short.
  for (BYTE b : value) {
    if (b == kEntryEnd) {
      if (!entry.IsEmpty() && static_cast<int>(entries.size()) < kFindHistoryMax)
        entries.push_back(entry);
      entry.Empty();
    } else if (b != 0) {
      entry += static_cast<char>(b);
    }
  }
  return entries;
}

std::vector<BYTE> FormatFindHistory(const std::vector<CString>& entries) {
  std::vector<BYTE> value;
  for (const CString& entry : entries) {
    for (int i = 0; i < entry.GetLength(); i++) value.push_back(static_cast<BYTE>(entry[i]));
    value.push_back(kEntryEnd);
  }
  return value;
}

void AddFindHistoryEntry(std::vector<CString>& entries, const CString& text) {
  if (text.IsEmpty()) return;
  entries.erase(std::remove_if(entries.begin(), entries.end(),
                               [&text](const CString& e) { return e == text; }),
                entries.end());
  entries.insert(entries.begin(), text);
  if (static_cast<int>(entries.size()) > kFindHistoryMax) entries.resize(kFindHistoryMax);
}

std::vector<CString> ReadFindHistory(IProfileStore& profile, FindHistoryKind kind, BOOL hebrew) {
  std::vector<BYTE> value;
  profile.GetProfileBinary(kSection, FindHistoryValueName(kind, hebrew), value);
  return ParseFindHistory(value);
}

void AddToFindHistory(IProfileStore& profile, FindHistoryKind kind, BOOL hebrew,
                      const CString& text) {
  if (text.IsEmpty()) return;
  std::vector<CString> entries = ReadFindHistory(profile, kind, hebrew);
  AddFindHistoryEntry(entries, text);
  std::vector<BYTE> value = FormatFindHistory(entries);
  profile.WriteProfileBinary(kSection, FindHistoryValueName(kind, hebrew), value.data(),
                             static_cast<UINT>(value.size()));
}
