// Plene respelling: the spelling with vowel letters that unpointed Hebrew
// uses (a vav for o and u, a yod for i and e, consonantal vav and yod
// doubled), keeping the points so that the word can still be drawn pointed.
#pragma once

#include "lexicon/core/FormPlanes.h"

// Respells one alternative in place. rootLetters: the verb's number of root
// letters (0 when not a verb); binyan 255 when not a verb; code: only 103 is
// acted on (some noun tables); yodDoubling: consonantal yod is doubled. A
// form that would grow past 69 letters is left as it was.
void ConvertToPleneSpelling(int rootLetters, FormPlanes& form, int slot, int binyan, int code,
                            int yodDoubling);
