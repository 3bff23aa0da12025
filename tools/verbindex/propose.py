#!/usr/bin/env python3
"""Proposes verbs.txt entries for the (base form, binyan) pairs of the index
that data/verbs.txt lacks, for the roots whose class follows by rule: three
strong root letters (no guttural, resh, weak or doubled letter) in the
derived binyanim (Hitpael with a sibilant or dental first letter too: the
Hitpael rewrite swaps or assimilates its tav), or with one guttural or
resh whose place names the class; in Paal, by the index's
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


# Derived binyanim: (binyan, place of the one guttural or resh, the letters
# it may be) -> class; a final alef or he (lamed-alef, lamed-he) has
# classes of its own and is left out.
GUTTURAL_CLASSES = {
    ('B', 0, 'אהע'): 'neezav', ('B', 0, 'ח'): 'nechshav', ('B', 0, 'ר'): 'nirsham',
    ('B', 1, 'אהחע'): 'nishal', ('B', 1, 'ר'): 'nikhtav', ('B', 2, 'חע'): 'nishma',
    ('B', 2, 'ר'): 'nikhtav',
    ('C', 0, 'אהחער'): 'diber', ('C', 1, 'אר'): 'berekh', ('C', 1, 'החע'): 'nihel',
    ('C', 2, 'חע'): 'shileach', ('C', 2, 'ר'): 'diber',
    ('D', 0, 'אהחער'): 'dubar', ('D', 1, 'אר'): 'borakh', ('D', 2, 'חע'): 'shulach',
    ('D', 2, 'ר'): 'dubar',
    ('E', 0, 'אהחער'): 'hitlabesh', ('E', 1, 'אר'): 'hitpaer', ('E', 1, 'החע'): 'hitnaheg',
    ('E', 2, 'חע'): 'hitpateach', ('E', 2, 'ר'): 'hitlabesh',
    ('F', 0, 'אהע'): 'heemid', ('F', 0, 'ח'): 'hechlit', ('F', 0, 'ר'): 'hizmin',
    ('F', 1, 'אהחער'): 'hizmin', ('F', 2, 'חע'): 'hishmia', ('F', 2, 'ר'): 'hizmin',
    ('G', 0, 'אהע'): 'hoomad', ('G', 0, 'ר'): 'huzman', ('G', 1, 'אהחער'): 'huzman',
    ('G', 2, 'חע'): 'hushma', ('G', 2, 'ר'): 'huzman',
}
GUTTURALS = set('אהחער')


def derived_class(root, binyan):
    """The class of a three-letter root in a derived binyan, or None."""
    if len(root) != 3 or root[1] == root[2]:
        return None
    if strong(root):
        return STRONG_CLASSES[binyan]
    weak = [i for i, letter in enumerate(root) if letter in WEAK]
    if len(weak) != 1 or root[weak[0]] not in GUTTURALS:
        return None
    place = weak[0]
    for (b, at, letters), name in GUTTURAL_CLASSES.items():
        if b == binyan and at == place and root[place] in letters:
            return name
    return None


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
                derived_class(root, binyan) if root else None)
            if not verb_class or (root, binyan) in have or (root, binyan) in seen:
                continue
            seen.add((root, binyan))
            written = (root[:-1] + root[-1].translate(FINAL_FORMS)).replace(
                'X', 'שׁ').replace('S', 'שׂ')
            print('%s\t%s\t%s\t%s' % (written, LETTER_BINYANIM[binyan], verb_class, table))


if __name__ == '__main__':
    main()
