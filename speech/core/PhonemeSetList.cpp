#include "speech/core/PhonemeSetList.h"

#include <algorithm>

#include "hebtext/core/ProfileStore.h"

namespace {

constexpr char kSeparator = '|';

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void PhonemeSetList::Read(IProfileStore& profile) {
  m_texts.clear();
  CString text;
  for (int index = 0; index < kMaxPhonemeSets && ReadPhonemeSet(profile, index, text); ++index)
    m_texts.emplace_back(static_cast<LPCSTR>(text));
}

void PhonemeSetList::Write(IProfileStore& profile) const {
  for (int index = 0; index < kMaxPhonemeSets; ++index) DeletePhonemeSet(profile, index);
  for (int index = 0; index < Count(); ++index) WritePhonemeSet(profile, index, Text(index).c_str());
}

std::string PhonemeSetList::Name(int index) const {
  const std::string& text = Text(index);
  return text.substr(0, text.find(kSeparator));
}

bool PhonemeSetList::HasName(const std::string& name) const {
  for (int index = 0; index < Count(); ++index)
    if (Name(index) == name) return true;
  return false;
}

void PhonemeSetList::Keep(int index, const std::string& name,
                          const std::vector<std::string>& spellings) {
  std::string text = name;
  for (const std::string& spelling : spellings) text += kSeparator + TrimBlanks(spelling);
  m_texts[static_cast<size_t>(index)] = text;
}

void PhonemeSetList::Add() { m_texts.emplace_back(); }

void PhonemeSetList::Remove(int index) {
  m_texts.erase(m_texts.begin() + index);
}

std::vector<std::string> PhonemeSetSpellings(const std::string& text) {
  std::vector<std::string> spellings;
  size_t start = text.find(kSeparator);
  while (start != std::string::npos && spellings.size() < kPhonemeSlots) {
    const size_t end = text.find(kSeparator, start + 1);
    spellings.push_back(text.substr(start + 1, end == std::string::npos ? end : end - start - 1));
    start = end;
  }
  return spellings;
}

int SelectionAfterDelete(int index, int remaining) {
  if (remaining <= 0) return -1;
  return std::min(index, remaining - 1);
}
