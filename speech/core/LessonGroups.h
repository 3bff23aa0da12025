// The reading tutorial's lesson groups: the caption of each lesson button
// (g_lessonGroups[lesson - 1]), the items the lesson teaches in the program's
// code separated by blanks, or a word ("Gutturals"). Compiled from
// data/tutorial.txt with the lessons.
#pragma once

extern const char* const* const g_lessonGroups;
