// Test helpers: code sets and code maps written the way the tables of the
// character code read ("132, 133, 161-166", "133>132, 147>146"), and the
// comparison of a function against them over all 256 codes.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace codelist {

inline std::set<int> ParseSet(const std::string& text) {
  std::set<int> codes;
  std::istringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) {
    const size_t dash = item.find('-');
    const int from = std::stoi(item.substr(0, dash));
    const int to = dash == std::string::npos ? from : std::stoi(item.substr(dash + 1));
    for (int c = from; c <= to; ++c) codes.insert(c);
  }
  return codes;
}

inline std::map<int, int> ParseMap(const std::string& text) {
  std::map<int, int> pairs;
  std::istringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) {
    const size_t arrow = item.find('>');
    pairs[std::stoi(item.substr(0, arrow))] = std::stoi(item.substr(arrow + 1));
  }
  return pairs;
}

// Every code 0..255 on which the predicate differs from the set ("" when
// none), also with bits above the low byte set, which must not matter.
inline std::string SetMismatches(const std::function<int(int)>& predicate,
                                 const std::set<int>& expected) {
  std::ostringstream out;
  for (int c = 0; c < 256; ++c) {
    const int want = expected.count(c) ? 1 : 0;
    const int got = predicate(c);
    const int gotHigh = predicate(0x1200 + c);
    if (got != want || gotHigh != want) {
      out << " " << c << (want ? " rejected" : " accepted");
      if (gotHigh != got) out << " (high bits change the answer)";
      out << ";";
    }
  }
  return out.str();
}

// Every code 0..255 that the mapping sends elsewhere than the pairs say
// (codes not listed map to themselves).
inline std::string MapMismatches(const std::function<int(int)>& mapping,
                                 const std::map<int, int>& pairs, bool keepsHighBits) {
  std::ostringstream out;
  for (int c = 0; c < 256; ++c) {
    const auto it = pairs.find(c);
    const int want = it == pairs.end() ? c : it->second;
    const int got = mapping(c);
    const int gotHigh = mapping(0x1200 + c);
    const int wantHigh = keepsHighBits ? 0x1200 + want : want;
    if (got != want || gotHigh != wantHigh) {
      out << " " << c << ">" << got << " (want " << want << ", with high bits " << gotHigh
          << ");";
    }
  }
  return out.str();
}

}  // namespace codelist
