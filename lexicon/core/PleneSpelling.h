// Plene respelling: the spelling with vowel letters that unpointed Hebrew
// uses (a vav for o and u, a yod for i and e, consonantal vav and yod
// doubled), keeping the points so that the word can still be drawn pointed.
#pragma once

#include "lexicon/core/FormPlanes.h"

// What the respelling knows of the form.
struct PleneOptions {
  int rootLetters = 0;  // the verb's number of root letters; 0 when not a verb
  int slot = 0;
  int binyan = kNotAVerb;
  int code = 0;           // only kStressFourthFromEnd is acted on (some noun tables)
  bool doubleYod = true;  // a consonantal yod is written twice

  static constexpr int kNotAVerb = 255;
};

// Respells one alternative in place. A form that would grow past 69
// letters is left as it was.
void ConvertToPleneSpelling(FormPlanes& form, const PleneOptions& options);
