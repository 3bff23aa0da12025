// Which letter of a word shows a described item of the language reference
// (a letter, a vowel point, dagesh or meteg): the description compiler finds
// each example's item with it, the descriptions dialog the letter it
// highlights.
#pragma once

// Whether the letter with its vowel shows the item: a letter in any of its
// dagesh forms (a final kaf in any of its glyphs), a point stressed or not,
// dagesh in a letter that has one, meteg under a stressed vowel.
bool ShowsItem(int item, int letter, int vowel);
