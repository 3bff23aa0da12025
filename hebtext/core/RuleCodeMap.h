// A CodeMap for the tables whose unlisted codes follow a rule (ASCII moved
// up by 128, no code at all, ...) rather than map to themselves.
#pragma once

#include <cstddef>
#include <cstdint>

#include "hebtext/core/CodeTable.h"

class RuleCodeMap {
 public:
  template <typename Rule, size_t N>
  constexpr RuleCodeMap(Rule rule, const CodePair (&pairs)[N]) : m_to{} {
    for (int c = 0; c < 256; ++c) m_to[c] = static_cast<uint8_t>(rule(c));
    for (const CodePair& p : pairs) m_to[p.from] = p.to;
  }

  constexpr int operator[](int c) const { return m_to[c & 0xFF]; }

 private:
  uint8_t m_to[256];
};
