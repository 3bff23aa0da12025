// The form types of verb forms with an object suffix: which shape of stem
// and suffix a conjugation pattern takes in each tense group, by binyan,
// conjugation pattern number and, for a few patterns, the root. 0 is "no
// suffixed forms" except for SelectFixedFormType, whose 0 is the plain type.
// Only Paal, Piel, Hitpael and Hifil have suffixed forms.
#pragma once

#include "classlib/core/WinTypes.h"

// Bit 15 of a form type marks a variant of the type; rules compare the
// type without it.
constexpr int kFormTypeVariant = 0x8000;
inline int FormTypeBase(int type) { return type & ~kFormTypeVariant; }
inline bool IsFormTypeVariant(int type) { return (type & kFormTypeVariant) != 0; }

// root: the verb's zero-terminated root letters; slot: the form slot.
int SelectInfinitiveFormType(int binyan, int pattern, const BYTE* root);
int SelectPresentFormType(int binyan, int pattern);
int SelectPastThirdFormType(int binyan, int pattern, const BYTE* root, int slot);
int SelectFutureFormType(int binyan, int pattern, const BYTE* root, int slot);
int SelectImperativeFormType(int binyan, int pattern, const BYTE* root, int slot);
int SelectFixedFormType(int binyan, int pattern);

// The root is exactly these three letters (plain letter codes).
bool IsRoot(const BYTE* root, int first, int second, int third);
