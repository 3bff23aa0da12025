// The recent find and replace texts of the Find and Replace dialogs, one
// list per kind and language, kept in the profile newest first.
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "hebtext/core/ProfileStore.h"

enum class FindHistoryKind { kFind, kReplace };

constexpr int kFindHistoryMax = 10;

// The profile value: "RecentUsedFind" or "RecentUsedReplace", then "Hebrew"
// or "English".
CString FindHistoryValueName(FindHistoryKind kind, BOOL hebrew);

// The value's bytes: each entry followed by 0xFF.
std::vector<CString> ParseFindHistory(const std::vector<BYTE>& value);
std::vector<BYTE> FormatFindHistory(const std::vector<CString>& entries);

// Puts the text first, removing an equal entry (byte for byte) and cutting
// the list to kFindHistoryMax. An empty text changes nothing.
void AddFindHistoryEntry(std::vector<CString>& entries, const CString& text);

// Entries with their points merged in (Hebrew), as the profile holds them.
std::vector<CString> ReadFindHistory(IProfileStore& profile, FindHistoryKind kind, BOOL hebrew);
void AddToFindHistory(IProfileStore& profile, FindHistoryKind kind, BOOL hebrew,
                      const CString& text);
