// Compile-time tables over the 256 byte codes: a set of codes for each
// character class and a code-to-code map for each mapping, written as the
// lists of codes and pairs they stand for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

// A set of byte codes, built from single codes and closed ranges.
class CodeSet {
 public:
  struct Range {
    int from;
    int to;
  };

  constexpr CodeSet() : m_bits{} {}
  constexpr CodeSet(std::initializer_list<Range> ranges) : m_bits{} {
    for (const Range& r : ranges) {
      for (int c = r.from; c <= r.to; ++c) m_bits[c >> 6] |= uint64_t{1} << (c & 63);
    }
  }

  constexpr bool Contains(int c) const {
    c &= 0xFF;
    return (m_bits[c >> 6] >> (c & 63)) & 1;
  }

  constexpr CodeSet operator|(const CodeSet& other) const {
    CodeSet result;
    for (int i = 0; i < 4; ++i) result.m_bits[i] = m_bits[i] | other.m_bits[i];
    return result;
  }

  constexpr CodeSet Without(const CodeSet& other) const {
    CodeSet result;
    for (int i = 0; i < 4; ++i) result.m_bits[i] = m_bits[i] & ~other.m_bits[i];
    return result;
  }

 private:
  uint64_t m_bits[4];
};

// One code each: CodeSet{One(34), One(39)} reads better than {{34, 34}, ...}.
constexpr CodeSet::Range One(int c) { return {c, c}; }

// The set of the named codes: Codes({HebCode::Bet, HebCode::BetDagesh}).
constexpr CodeSet Codes(std::initializer_list<int> codes) {
  CodeSet set;
  for (int c : codes) set = set | CodeSet{One(c)};
  return set;
}

// The codes from first to last, for runs that mean something as a run
// (the letters alef to tav, the digits).
constexpr CodeSet CodeRange(int first, int last) { return CodeSet{{first, last}}; }

struct CodePair {
  uint8_t from;
  uint8_t to;
};

// A mapping of byte codes: the listed pairs, every other code to itself.
class CodeMap {
 public:
  template <size_t N>
  constexpr explicit CodeMap(const CodePair (&pairs)[N], bool inverse = false) : m_to{} {
    for (int c = 0; c < 256; ++c) m_to[c] = static_cast<uint8_t>(c);
    for (const CodePair& p : pairs) {
      if (inverse) {
        m_to[p.to] = p.from;
      } else {
        m_to[p.from] = p.to;
      }
    }
  }

  constexpr int operator[](int c) const { return m_to[c & 0xFF]; }

 private:
  uint8_t m_to[256];
};

// The mapped code in the low 8 bits, the caller's other bits kept.
constexpr int MapLowByte(const CodeMap& map, int c) { return (c & ~0xFF) | map[c]; }
