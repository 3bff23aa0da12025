#!/usr/bin/env python3
"""Proposes verbs.txt entries for the (base form, binyan) pairs of the index
that data/verbs.txt lacks, for the roots whose class follows by rule: three
strong root letters (no guttural, resh, weak or doubled letter) in the
derived binyanim (Hitpael with a sibilant or dental first letter too: the
Hitpael rewrite swaps or assimilates its tav).
Prints one line per proposal: root, binyan, class, index table number. The
entries still need a person to read their tables and write their meanings.
usage: propose.py [data/verbs.txt]"""
import csv
import os
import sys

from verbindex import HERE, INDEX, BINYAN_LETTERS, data_verbs, plain

WEAK = set('אהחערויננ')  # gutturals, resh, vav, yod, nun
# The classes of strong roots, by binyan.
STRONG_CLASSES = {'B': 'nikhtav', 'C': 'diber', 'D': 'dubar', 'E': 'hitlabesh', 'F': 'hizmin',
                  'G': 'huzman'}
FINAL_FORMS = str.maketrans('כמנפצ', 'ךםןףץ')
LETTER_BINYANIM = {letter: name for name, letter in BINYAN_LETTERS.items()}


def root_of(base, binyan):
    """The root letters of a base form in its binyan, or None when the form
    does not show them by the simple rules."""
    if binyan == 'B' and base.startswith('נ') and len(base) == 4:
        return base[1:]
    if binyan in 'CD' and len(base) == 3:
        return base
    if binyan == 'E' and base.startswith('הת') and len(base) == 5:
        return base[2:]
    if binyan == 'E' and len(base) == 5 and base[0] == 'ה' and base[2] in 'תטד' and \
            base[1] in 'סXSצז':
        return base[1] + base[3:]  # הסתדר, השתמש, הצטלם, הזדקן
    if binyan == 'F' and base.startswith('ה') and len(base) == 5 and base[3] == 'י':
        return base[1:3] + base[4]
    if binyan == 'G' and base.startswith('הו') and len(base) == 5:
        return base[2:]
    if binyan == 'G' and base.startswith('ה') and len(base) == 4:
        return base[1:]  # written without the vav (האכל)
    return None


def strong(root):
    return len(root) == 3 and not (set(root) & WEAK) and root[1] != root[2]


def main():
    verbs = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, '../../data/verbs.txt')
    have = {(plain(root), BINYAN_LETTERS[binyan]) for root, binyan in data_verbs(verbs)}
    with open(INDEX, encoding='utf-8-sig') as f:
        rows = list(csv.reader(f))[1:]
    seen = set()
    for row in rows:
        base = plain(row[0])
        for binyan, table in ((row[1], row[2]), (row[3], row[4])):
            if not binyan or binyan == 'A':
                continue
            root = root_of(base, binyan)
            if not root or not strong(root) or (root, binyan) in have or (root, binyan) in seen:
                continue
            seen.add((root, binyan))
            written = (root[:-1] + root[-1].translate(FINAL_FORMS)).replace(
                'X', 'שׁ').replace('S', 'שׂ')
            print('%s\t%s\t%s\t%s' % (written, LETTER_BINYANIM[binyan], STRONG_CLASSES[binyan],
                                      table))


if __name__ == '__main__':
    main()
