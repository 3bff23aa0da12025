// One line for a search hit, with the lookup list's columns: the word as
// found (the typed prefix letters before it), its kind, its root or entry,
// and what the record says of it.
#pragma once

#include <string>

#include "lexicon/core/SearchHits.h"
#include "lexicon/core/WordDatabaseBuild.h"

std::string DescribeHit(const WordRecordRenderer& renderer, const SearchHit& hit,
                        const std::string& typedPrefix);
