#!/usr/bin/env python3
"""Proposes verbs.txt entries for the (base form, binyan) pairs of the index
that data/verbs.txt lacks, for the roots whose class follows by rule: three
strong root letters (no guttural, resh, weak or doubled letter) in the
derived binyanim (Hitpael with a sibilant or dental first letter too: the
Hitpael rewrite swaps or assimilates its tav); in Paal, by the index's
table number, which tells the future vowel, and the one guttural or the
final he the table names.
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


def strong_letters(letters):
    return not (set(letters) & WEAK)


# Paal: index table -> (the letter that may be weak, the letters it may be,
# class); the other two letters are strong.
PAAL_TABLES = {'1': (None, '', 'katav'), '4': (None, '', 'lamad'),
               '17': (1, 'אחעה', 'shaal'), '22': (2, 'חע', 'shama'),
               '8': (0, 'ח', 'chashav'), '10': (0, 'ח', 'chashav'), '48': (2, 'ה', 'bana')}
# Tables 8 and 10 with another guttural first.
PAAL_GUTTURAL_FIRST = {'ע': 'amad', 'ה': 'amad'}


def paal_class(root, table):
    """The Paal class of a three-letter root by its index table, or None."""
    if len(root) != 3 or table not in PAAL_TABLES or root[1] == root[2]:
        return None
    weak, letters, name = PAAL_TABLES[table]
    if weak is None:
        return name if strong(root) else None
    others = root[:weak] + root[weak + 1:]
    if not strong_letters(others):
        return None
    if root[weak] in letters:
        return name
    if table in ('8', '10') and root[0] in PAAL_GUTTURAL_FIRST:
        return PAAL_GUTTURAL_FIRST[root[0]]
    return None


def main():
    verbs = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, '../../data/verbs.txt')
    have = {(plain(root), BINYAN_LETTERS[binyan]) for root, binyan in data_verbs(verbs)}
    with open(INDEX, encoding='utf-8-sig') as f:
        rows = list(csv.reader(f))[1:]
    seen = set()
    for row in rows:
        base = plain(row[0])
        for binyan, table in ((row[1], row[2]), (row[3], row[4])):
            if not binyan:
                continue
            root = base if binyan == 'A' else root_of(base, binyan)
            verb_class = paal_class(root, table) if binyan == 'A' else (
                STRONG_CLASSES[binyan] if root and strong(root) else None)
            if not verb_class or (root, binyan) in have or (root, binyan) in seen:
                continue
            seen.add((root, binyan))
            written = (root[:-1] + root[-1].translate(FINAL_FORMS)).replace(
                'X', 'שׁ').replace('S', 'שׂ')
            print('%s\t%s\t%s\t%s' % (written, LETTER_BINYANIM[binyan], verb_class, table))


if __name__ == '__main__':
    main()
