// The seven binyanim by the numbers the grammar tables, word records and
// verb index give them (the short future forms are the tables' row 7).
#pragma once

namespace Binyan {
enum Id : int { Paal, Nifal, Piel, Pual, Hitpael, Hifil, Hufal };
constexpr int kCount = 7;
// A binyan argument may carry other bits above it: only its low byte names
// the binyan.
constexpr int kByteMask = 0xFF;
inline int LowByte(int binyan) { return binyan & kByteMask; }
}  // namespace Binyan
