// The C++ header of named class id ranges that the grammar code includes, so
// that it says which registered ids it means: one constant a kind of each
// family of data/registry.txt, "k" + family + kind in mixed case
// (kPaalShortFuture for "range paal short-future ..."), and one constant a
// named id, "k" + family + name (kPaalDropFirstOutsideFuture for "id paal 181
// drop-first-outside-future").
#pragma once

#include <string>

#include "tools/grammarc/IdRegistry.h"

// Throws SourceError at the first family, kind or id name that cannot make a
// name (anything but lower-case letters, digits and inner '-', or a leading
// digit) and at a kind without ids.
std::string WriteClassIdHeader(const IdRegistry& registry);
