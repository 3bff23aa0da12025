// An element type for collection tests: it owns a heap value and counts the
// live instances, so a missed destruction shows as a leak and a wrong count,
// a double one as a double free, and a read of a dead element as a
// use-after-free.
#pragma once

#include "classlib/core/CollectionHelpers.h"

#include <utility>

class Counted {
 public:
  Counted() : Counted(0) {}
  Counted(int value) : m_pValue(new int(value)) { ++s_nLive; }  // NOLINT: tables read better
  Counted(const Counted& other) : Counted(other.Value()) {}
  Counted(Counted&& other) noexcept : m_pValue(std::exchange(other.m_pValue, nullptr)) {
    ++s_nLive;
  }
  Counted& operator=(Counted other) noexcept {
    std::swap(m_pValue, other.m_pValue);
    return *this;
  }
  ~Counted() {
    delete m_pValue;
    --s_nLive;
  }

  int Value() const { return *m_pValue; }
  bool operator==(const Counted& other) const { return Value() == other.Value(); }

  static int Live() { return s_nLive; }

 private:
  int* m_pValue;
  static inline int s_nLive = 0;
};

template <>
inline UINT HashKey<const Counted&>(const Counted& key) {
  return static_cast<UINT>(key.Value());
}
