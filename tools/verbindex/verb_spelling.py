#!/usr/bin/env python3
"""Checks the plene spellings of every verb form against Hspell: runs
`conjugate --all`, takes each plene form and alternative (not the forms
after vav-inversive, a literary tense Hspell does not hold), drops the
points and asks Hspell (ISO-8859-8 text) which it does not know. Prints the share known and the unknown forms that
spelling-exceptions.txt does not list, and exits non-zero when there are
any.
usage: verb_spelling.py CONJUGATE [--bin FOLDER] [--all-unknown]"""
import os
import re
import subprocess
import sys

from verbindex import HERE

POINTS = re.compile('[\u0591-\u05c7]')
# conjugate's columns: slot, pointed, plene, after vav, its plene.
PLENE_COLUMN = 2
HSPELL_ENCODING = 'iso-8859-8'


def plene_forms(conjugate, extra):
    out = subprocess.run([conjugate] + extra + ['--all'], check=True, capture_output=True,
                         text=True).stdout
    forms = set()
    for line in out.splitlines():
        columns = line.strip().split('\t')
        if len(columns) > PLENE_COLUMN:
            forms.update(POINTS.sub('', form) for form in columns[PLENE_COLUMN].split(','))
    forms.discard('')
    return forms


def unknown_to_hspell(words):
    text = '\n'.join(sorted(words)).encode(HSPELL_ENCODING)
    out = subprocess.run(['hspell'], input=text, check=True, capture_output=True).stdout
    lines = out.decode(HSPELL_ENCODING).splitlines()
    return {line.strip() for line in lines[1:] if line.strip()}


def read_accepted(path):
    """Every word of the lines that are not comments."""
    with open(path, encoding='utf-8') as f:
        return {word for line in f if not line.startswith('#') for word in line.split()}


def main():
    args = sys.argv[1:]
    show_all = '--all-unknown' in args
    args = [a for a in args if a != '--all-unknown']
    if not args:
        print(__doc__)
        return 2
    forms = plene_forms(args[0], args[1:])
    unknown = unknown_to_hspell(forms)
    accepted = read_accepted(os.path.join(HERE, 'spelling-exceptions.txt'))
    listed = unknown - accepted if not show_all else unknown
    print('verb spelling: %d distinct plene forms, %d unknown to Hspell (%.1f%% known), '
          '%d of them not among the accepted exceptions'
          % (len(forms), len(unknown), 100.0 * (len(forms) - len(unknown)) / len(forms),
             len(unknown - accepted)))
    for word in sorted(listed):
        print(word)
    return 1 if unknown - accepted else 0


if __name__ == '__main__':
    sys.exit(main())
