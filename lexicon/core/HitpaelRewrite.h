// The Hitpael rewrite: the tav of the prefix is swapped with a following
// sibilant or assimilated to a following dental, and some roots take a nun
// prefix in the past or lose letters of the prefix.
#pragma once

#include "lexicon/core/FormPlanes.h"

// Position 1 is taken out of all three planes.
void RemoveSecondPosition(FormPlanes& form);
// Letter and mark 2 are taken out, and vowel 1, so that letter 1 keeps the
// vowel of the removed letter.
void RemoveThirdLetterKeepVowel(FormPlanes& form);
// form begins with the prefix letter, the tav of the Hitpael and the first
// root letter (the infinitive without its lamed).
void RewriteHitpaelForm(FormPlanes& form, int slot, int rootId, int alternativeLevel);
