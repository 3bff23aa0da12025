// POSITION: an opaque place in a list or map, handed out by the collection
// and given back to it; callers only compare it with NULL.
#pragma once

typedef struct __POSITION* POSITION;

// The place before a map's first pair: what GetStartPosition hands out.
#define BEFORE_START_POSITION ((POSITION)-1L)
