"""The Verb Index (TheVerbIndex.csv beside this file) and data/verbs.txt as
the verb checks read them."""
import csv
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
INDEX = os.path.join(HERE, 'TheVerbIndex.csv')
SHIN, SIN = '\u05e9\u05c1', '\u05e9\u05c2'
# The index writes the binyan as a letter.
BINYAN_LETTERS = {'paal': 'A', 'nifal': 'B', 'piel': 'C', 'pual': 'D',
                  'hitpael': 'E', 'hifil': 'F', 'hufal': 'G'}
FINALS = str.maketrans('ךםןףץ', 'כמנפצ')


def plain(text):
    """Letters only, final letters made regular; the index's sin (ש') and
    a dotted shin or sin are kept apart as 'S' (sin) and 'X' (shin)."""
    text = text.replace("ש'", 'S').replace(SIN, 'S').replace(SHIN, 'X').replace('ש', 'X')
    return re.sub('[\u0591-\u05c7]', '', text).translate(FINALS)


def index_base_forms():
    """binyan letter -> the base forms of the index in that binyan."""
    forms = {}
    with open(INDEX, encoding='utf-8-sig') as f:
        for row in list(csv.reader(f))[1:]:
            for binyan in (row[1], row[3]):
                if binyan:
                    forms.setdefault(binyan, []).append(plain(row[0]))
    return forms


def data_verbs(path):
    """(root, binyan) of every binyan line of verbs.txt, in file order."""
    root = None
    with open(path, encoding='utf-8') as f:
        for line in f:
            match = re.match(r'verb (\S+)', line)
            if match:
                root = match.group(1)
                continue
            match = re.match(r'\s+(\w+)\b', line)
            if root and match and match.group(1) in BINYAN_LETTERS:
                yield root, match.group(1)


def read_exceptions(path):
    """The first two fields of each line that is not blank or a comment."""
    with open(path, encoding='utf-8') as f:
        return {tuple(line.split()[:2]) for line in f
                if line.strip() and not line.startswith('#')}
