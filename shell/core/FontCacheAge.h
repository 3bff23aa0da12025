// When the editor's font cache lets a font go.
#pragma once

#include <cstdint>

namespace fontcache {

// A font of the ageing list not used for longer than this is dropped.
constexpr std::uint32_t kMaxIdleMs = 300000;
// How often the list is looked at.
constexpr unsigned kAgeingPeriodMs = 60000;

// now and stamp are tick counts; their difference is taken unsigned, so a
// count that wrapped in between still gives the right age.
inline bool IsStale(std::uint32_t now, std::uint32_t stamp) { return now - stamp > kMaxIdleMs; }

}  // namespace fontcache
