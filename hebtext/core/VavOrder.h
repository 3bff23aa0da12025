// The order in which other programs' Windows-1255 text writes holam male.
// The values are the Copy Special and Paste Special radio indexes, stored
// in the profile as they are; being int-based, any stored value converts.
#pragma once

enum VavOrder : int {
  kVavThenHolam = 0,  // the vav, then the holam on it
  kHolamThenVav = 1,  // the holam on the letter before, then the vav
};
