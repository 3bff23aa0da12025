// The hits of a dictionary search: a packed word record and how many prefix
// letters were peeled off the typed word to find it. A list holds at most
// kMaxSearchHits; further hits are not taken.
#pragma once

#include <vector>

#include "lexicon/core/PackedWordRecord.h"

constexpr int kMaxSearchHits = 200;

struct SearchHit {
  PackedWordRec record;
  BYTE prefixLength;  // 0-4
};

class SearchHitList {
 public:
  // False when the list is full and the hit was not taken.
  bool Append(const SearchHit& hit);
  bool IsFull() const { return static_cast<int>(m_hits.size()) >= kMaxSearchHits; }
  int Count() const { return static_cast<int>(m_hits.size()); }
  const SearchHit& operator[](int i) const { return m_hits[i]; }
  SearchHit& operator[](int i) { return m_hits[i]; }
  std::vector<SearchHit>& Hits() { return m_hits; }
  const std::vector<SearchHit>& Hits() const { return m_hits; }

 private:
  std::vector<SearchHit> m_hits;
};

// Removes every later hit with the same field word as an earlier one; the
// earlier one keeps its prefix length and loses its variant (extra 0).
// Returns the new count.
int DedupeHits(SearchHitList& hits);
