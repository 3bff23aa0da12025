#include "lexicon/core/SearchHits.h"

#include "lexicon/core/PackedDefinitionRecord.h"

bool SearchHitList::Append(const SearchHit& hit) {
  if (IsFull()) return false;
  m_hits.push_back(hit);
  return true;
}

int DedupeHits(SearchHitList& list) {
  std::vector<SearchHit>& hits = list.Hits();
  for (size_t i = 0; i < hits.size(); ++i) {
    for (size_t j = i + 1; j < hits.size();) {
      if (SameDefinitionKey(hits[i].record.fields, hits[j].record.fields)) {
        hits.erase(hits.begin() + j);
        hits[i].record.extra = 0;
      } else {
        ++j;
      }
    }
  }
  return list.Count();
}
