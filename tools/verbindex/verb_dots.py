#!/usr/bin/env python3
"""Checks the shin and sin dots of the roots of data/verbs.txt against the
index, which marks sin (ש'). A root's letters are looked for, in order, in
the index's base forms of the same binyan; the shortest base forms that hold
them must include one with the same dots. Prints each root that differs and
exits non-zero, unless the root and binyan are listed in dot-exceptions.txt.
usage: verb_dots.py [data/verbs.txt]"""
import os
import re
import sys

from verbindex import HERE, BINYAN_LETTERS, data_verbs, index_base_forms, plain, read_exceptions


def dots_in(base, letters):
    """The shin/sin letters of base where the root's letters fall, or None
    when base does not hold them in order."""
    unified = base.replace('S', 'X')
    found, start = [], 0
    for letter in letters.replace('S', 'X'):
        start = unified.find(letter, start)
        if start < 0:
            return None
        found.append(base[start])
        start += 1
    return ''.join(found)


def main():
    verbs = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, '../../data/verbs.txt')
    forms = index_base_forms()
    exceptions = read_exceptions(os.path.join(HERE, 'dot-exceptions.txt'))
    checked = differing = 0
    for root, binyan in data_verbs(verbs):
        letters = plain(root)
        if not re.search('[SX]', letters):
            continue
        holding = [(base, dots_in(base, letters)) for base in forms[BINYAN_LETTERS[binyan]]]
        holding = [(base, dots) for base, dots in holding if dots is not None]
        if not holding:
            continue
        shortest = min(len(base) for base, _ in holding)
        checked += 1
        if any(dots == letters for base, dots in holding if len(base) == shortest):
            continue
        if (root, binyan) in exceptions:
            continue
        differing += 1
        print('%s %s: the index has %s' % (root, binyan, ' '.join(
            base.replace('S', "ש'").replace('X', 'ש') for base, _ in holding
            if len(base) == shortest)))
    print('verb dots: %d roots checked against the index, %d differ' % (checked, differing))
    return 1 if differing else 0


if __name__ == '__main__':
    sys.exit(main())
