#!/usr/bin/env python3
"""Round trips every line of the interop corpus through the editor's file
codecs and LibreOffice Writer, and compares what comes back with the line in
Unicode canonical form (NFC).

Ways (each line is a document of its own):
  text-1255    line as Windows-1255 text -> doconvert -> .zlt -> doconvert -> .txt
  text-utf8    line as UTF-8 text        -> doconvert -> .zlt -> doconvert -> .txt
  office-rtf   line as .fodt -> LibreOffice RTF -> doconvert -> .txt
  editor-rtf   line as UTF-8 text -> doconvert -> .rtf -> LibreOffice -> UTF-8 text
doconvert's .txt is Windows-1255.

A line that does not come back equal is "accepted" when it is equal once what
the program's 8-bit code cannot hold is taken out (see Accepted below), and
"failed" otherwise. The check fails when any line fails.

  interop_check.py DOCONVERT CORPUS_DIR [--work DIR [--judge-only]] [--report FILE]
                   [--jobs N] [--show N]
"""
import argparse
import concurrent.futures
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unicodedata
from xml.sax.saxutils import escape

# --- Accepted differences -------------------------------------------------
# Cantillation: the code has no accents.
CANTILLATION = {chr(c) for c in range(0x0591, 0x05AF + 1)}
# Marks the code has no place for: rafe, paseq, the upper and lower dots,
# nun hafukha, and the combining grapheme joiner some Bible texts carry.
NO_PLACE_MARKS = set("\u05BF\u05C0\u05C4\u05C5\u05C6\u034F")
# One code stands for both: holam haser for vav is the holam, qamats qatan
# goes out as qamats (Windows-1255 has no qamats qatan), and geresh,
# gershayim and sof pasuq are kept as their ASCII twins ' " : (the maqaf has
# a code of its own).
FOLDED = {"\u05BA": "\u05B9", "\u05C7": "\u05B8", "\u05F3": "'", "\u05F4": '"',
          "\u05C3": ":"}
# The Yiddish ligatures have no code: two letters may stand for each, or
# nothing.
LIGATURES = {"\u05F0": "\u05D5\u05D5", "\u05F1": "\u05D5\u05D9", "\u05F2": "\u05D9\u05D9"}
# Letters with no dagesh code (alef, het, ayin, resh, the final mem, nun, pe,
# tsadi): their dagesh has no place.
NO_DAGESH_LETTERS = set("\u05D0\u05D7\u05E2\u05E8\u05DD\u05DF\u05E3\u05E5")
DAGESH, METEG, HOLAM, VAV = "\u05BC", "\u05BD", "\u05B9", "\u05D5"
VOWELS = {chr(c) for c in range(0x05B0, 0x05BB + 1)} - {"\u05BA"}
# Vowels whose stressed form the code has; meteg on any other (shva, the
# hatafs, none, or two vowels) has no place.
STRESSABLE_VOWELS = set("\u05B4\u05B5\u05B6\u05B7\u05B8\u05B9\u05BB")
HEBREW_LETTERS = {chr(c) for c in range(0x05D0, 0x05EA + 1)}


def holds(codec, char):
    try:
        char.encode(codec)
        return True
    except UnicodeEncodeError:
        return False


# Windows' own table of code page 1255 has holam haser for vav at 0xCA, where
# Python's leaves a hole.
HOLAM_FOR_VAV, HOLAM_FOR_VAV_BYTE = "\u05BA", b"\xca"


def in_1255(char):
    return char == HOLAM_FOR_VAV or holds("cp1255", char)


def encode_1255(text):
    """What a Windows-1255 writer writes of the text: qamats qatan as the
    qamats, and nothing for a character the code page lacks."""
    text = text.replace("\u05C7", "\u05B8")
    return b"".join(HOLAM_FOR_VAV_BYTE if c == HOLAM_FOR_VAV else c.encode("cp1255")
                    for c in text if in_1255(c))


def decode_1255(data):
    return HOLAM_FOR_VAV.join(part.decode("cp1255", errors="replace")
                              for part in data.split(HOLAM_FOR_VAV_BYTE))


def is_hebrew(char):
    """A Hebrew letter, mark or punctuation, or a presentation form of a
    pointed letter (not the wide letters and other compatibility forms)."""
    if "\u0590" <= char <= "\u05FF":
        return True
    decomposition = unicodedata.decomposition(char)
    return "\uFB1D" <= char <= "\uFB4F" and decomposition and not decomposition.startswith("<")


def beyond_document(char):
    """A character no face of a document holds: its Hebrew faces hold the
    Hebrew code (letters, points, ASCII), the others Windows-1252. Such as
    the new sheqel sign, which Windows-1255 has and Windows-1252 has not."""
    return not is_hebrew(char) and not holds("cp1252", char)


def beyond_1255_text(char):
    """What a way through a Windows-1255 text file may lose or stand in for."""
    return not in_1255(char) or beyond_document(char)


def canonical(text):
    return unicodedata.normalize("NFC", text.replace("\r\n", "\n").replace("\r", "\n")).strip()


def tokens(text, expected):
    """Characters of the line; a Hebrew letter with its marks is one token
    (letter, sorted marks) after the accepted marks are taken out. A point
    with no letter to sit on has no place: the expected line loses it, while
    in what came back it stays a token of its own that matches nothing."""
    text = "".join(LIGATURES.get(c, FOLDED.get(c, c)) for c in text)
    result = []
    for char in text:
        if char in CANTILLATION or char in NO_PLACE_MARKS:
            continue
        if unicodedata.combining(char) and "\u0591" <= char <= "\u05C7":
            if result and isinstance(result[-1], tuple):
                result[-1][1].append(char)
            elif not expected:
                result.append(char)
            continue
        result.append((char, []) if char in HEBREW_LETTERS else char)
    return [(t[0], tuple(sorted(t[1]))) if isinstance(t, tuple) else t for t in result]


def cluster_accepted(expected, actual):
    """Whether a letter came back with all that the code can hold of it."""
    letter, marks = expected
    if actual[0] != letter:
        return False
    marks = [m for m in marks if not (m == DAGESH and letter in NO_DAGESH_LETTERS)]
    vowels = [m for m in marks if m in VOWELS]
    got = list(actual[1])
    got_vowels = [m for m in got if m in VOWELS]
    if len(vowels) > 1:  # one vowel place a letter: some of them may go
        if len(set(got_vowels)) < len(got_vowels) or not set(got_vowels) <= set(vowels):
            return False
    elif got_vowels != vowels:
        return False
    stressable = (len(vowels) == 1 and vowels[0] in STRESSABLE_VOWELS) or (
        letter == VAV and not vowels and (DAGESH in marks or HOLAM in marks))
    others = [m for m in marks if m not in VOWELS and not (m == METEG and not stressable)]
    got_others = [m for m in got if m not in VOWELS and not (m == METEG and not stressable)]
    return sorted(others) == sorted(got_others)


def accepted(expected, actual, optional):
    """Whether actual equals expected but for the accepted differences; a
    character for which optional() is true may be missing or stand as any
    one character (the way's text code cannot hold it)."""
    if any(c in LIGATURES for c in expected):
        bare = "".join(c for c in expected if c not in LIGATURES)
        if accepted(canonical(bare), actual, optional):
            return True
    want, got = tokens(expected, True), tokens(actual, False)
    # What came back is stripped: so are the ends of the line without what it
    # may lose.
    kept = [i for i, t in enumerate(want)
            if isinstance(t, tuple) or not (optional(t) or t.isspace())]
    edges = range(kept[0], kept[-1] + 1) if kept else range(0)
    reach = {0}
    for i, token in enumerate(want):
        may_drop = not isinstance(token, tuple) and (optional(token) or i not in edges)
        step = set()
        for j in reach:
            if may_drop:
                step.add(j)
            if j < len(got):
                other = got[j]
                if may_drop or (token == other if not isinstance(token, tuple) else
                                isinstance(other, tuple) and cluster_accepted(token, other)):
                    step.add(j + 1)
        reach = step
        if not reach:
            return False
    return len(got) in reach


# --- Running the programs -------------------------------------------------
# The check is about the text; leaks are the tests' and fuzzers' business, and
# looking for them at each exit costs a third of the run.
SANITIZER_OPTIONS = [os.environ.get("ASAN_OPTIONS"), "detect_leaks=0"]
SANITIZER_ENVIRONMENT = dict(os.environ, ASAN_OPTIONS=":".join(filter(None, SANITIZER_OPTIONS)))


def run(command, log):
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            env=SANITIZER_ENVIRONMENT)
    if result.returncode != 0:
        log.append("%s: exit %d: %s" % (" ".join(command[:3]), result.returncode,
                                        result.stdout.decode(errors="replace").strip()[:200]))
    return result.returncode == 0


def fodt(line):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
            'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2" '
            'office:mimetype="application/vnd.oasis.opendocument.text">'
            "<office:body><office:text><text:p>%s</text:p></office:text></office:body>"
            "</office:document>\n" % escape(line))


# LibreOffice silently drops the files past about 8 KB of command line.
OFFICE_BATCH = 120


def office(profile, args, folder):
    """Converts every file of the folder with a few LibreOffice runs; returns
    False when one failed."""
    names = sorted(os.listdir(folder))
    for start in range(0, len(names), OFFICE_BATCH):
        command = ["soffice", "-env:UserInstallation=file://" + profile, "--headless",
                   "--norestore"] + args + names[start:start + OFFICE_BATCH]
        if subprocess.run(command, cwd=folder, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          timeout=600).returncode != 0:
            return False
    return True


def read(path, encoding):
    try:
        data = open(path, "rb").read()
    except OSError:
        return None
    return decode_1255(data) if encoding == "cp1255" else data.decode(encoding, errors="replace")


def read_office_text(path, encoding):
    """LibreOffice's text of an RTF: it gives each space of a run of spaces
    as a six-per-em space and a space, whoever wrote the RTF."""
    text = read(path, encoding)
    return text.replace("\u2006 ", " ") if text is not None else None


class Way:
    """One way through the programs: where its results are, how they are
    coded, and which characters of a line its text code cannot hold."""

    def __init__(self, name, title, folder, suffix, encoding, optional):
        self.name, self.title, self.optional = name, title, optional
        self.folder, self.suffix, self.encoding = folder, suffix, encoding
        self.reader = read_office_text if folder == "office-txt" else read
        self.equal, self.accepted, self.failures = 0, 0, []

    def judge(self, place, expected, folders, i):
        actual = self.reader(folders.file(self.folder, i, self.suffix), self.encoding)
        if actual is None:
            self.failures.append((place, expected, "(no output)"))
        elif canonical(expected) == canonical(actual):
            self.equal += 1
        elif accepted(canonical(expected), canonical(actual), self.optional):
            self.accepted += 1
        else:
            self.failures.append((place, expected, canonical(actual)))


WAYS = [
    Way("text-1255", "Windows-1255 text -> native -> text", "out", ".1255.txt", "cp1255",
        beyond_1255_text),
    Way("text-utf8", "UTF-8 text -> native -> Windows-1255 text", "out", ".utf8.txt", "cp1255",
        beyond_1255_text),
    Way("office-rtf", "LibreOffice RTF -> editor -> text", "out", ".rtf.txt", "cp1255",
        beyond_1255_text),
    Way("editor-rtf", "UTF-8 text -> editor RTF -> LibreOffice", "office-txt", ".txt",
        "utf-8-sig", beyond_document),
]


SHOWN = 320  # characters of an escaped line shown on the console


def failure_text(place, expected, actual, width=None):
    escaped = lambda text: text.encode("ascii", "backslashreplace").decode()[:width]
    return "  %s\n    expected: %s\n    actual:   %s" % (place, escaped(expected), escaped(actual))


class Folders:
    """The work folders; each line's files are named by its number."""
    NAMES = ("in", "native", "out", "office-in", "office-rtf", "editor-rtf", "office-txt",
             "office-profile-rtf", "office-profile-txt")

    def __init__(self, work, fresh):
        self.work = work
        for name in self.NAMES:
            if fresh:
                shutil.rmtree(self[name], ignore_errors=True)
            os.makedirs(self[name], exist_ok=True)

    def __getitem__(self, name):
        return os.path.join(self.work, name)

    def file(self, name, i, ext):
        return os.path.join(self[name], "l%04d%s" % (i, ext))


def convert(lines, folders, doconvert_path, jobs, log):
    """Runs every conversion; returns an error message, or None."""
    for i, line in enumerate(lines):
        open(folders.file("in", i, ".1255.txt"), "wb").write(encode_1255(line + "\r\n"))
        open(folders.file("in", i, ".utf8.txt"), "wb").write((line + "\r\n").encode("utf-8"))
        open(folders.file("office-in", i, ".fodt"), "w", encoding="utf-8").write(fodt(line))

    # LibreOffice writes its RTF while the editor's conversions run.
    to_rtf = concurrent.futures.ThreadPoolExecutor(1).submit(
        office, folders["office-profile-rtf"],
        ["--convert-to", "rtf", "--outdir", folders["office-rtf"]], folders["office-in"])
    doconvert = lambda *files: run([doconvert_path] + list(files), log)
    pool = concurrent.futures.ThreadPoolExecutor(jobs)

    def from_text(i, encoding):
        text = folders.file("in", i, "." + encoding + ".txt")
        native = folders.file("native", i, "." + encoding + ".zlt")
        if doconvert(text, native):
            doconvert(native, folders.file("out", i, "." + encoding + ".txt"))

    texts = [(i, e) for i in range(len(lines)) for e in ("1255", "utf8")]
    list(pool.map(lambda text: from_text(*text), texts))
    list(pool.map(lambda i: doconvert(folders.file("in", i, ".utf8.txt"),
                                      folders.file("editor-rtf", i, ".rtf")), range(len(lines))))
    if not to_rtf.result():
        return "LibreOffice could not write RTF"
    # The editor's RTF into LibreOffice while the editor reads LibreOffice's.
    to_txt = concurrent.futures.ThreadPoolExecutor(1).submit(
        office, folders["office-profile-txt"],
        ["--convert-to", "txt:Text (encoded):UTF8", "--outdir", folders["office-txt"]],
        folders["editor-rtf"])
    list(pool.map(lambda i: doconvert(folders.file("office-rtf", i, ".rtf"),
                                      folders.file("out", i, ".rtf.txt")), range(len(lines))))
    if not to_txt.result():
        return "LibreOffice could not read the editor's RTF"
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("doconvert")
    parser.add_argument("corpus")
    parser.add_argument("--work", help="keep the files here (default: a temporary folder)")
    parser.add_argument("--judge-only", action="store_true",
                        help="compare the files a run with --work left, converting nothing")
    parser.add_argument("--report", help="also write every failure to this file")
    parser.add_argument("--jobs", type=int, default=min(4, os.cpu_count() or 1))
    parser.add_argument("--show", type=int, default=5, help="failures shown per way")
    args = parser.parse_args()
    started = time.time()
    if shutil.which("soffice") is None:
        print("interop: soffice (LibreOffice Writer) is missing; scripts/setup installs it")
        return 2
    if not os.access(args.doconvert, os.X_OK):
        print("interop: %s is missing; build the doconvert tool first" % args.doconvert)
        return 2

    lines, places = [], []
    for name in sorted(os.listdir(args.corpus)):
        if name.endswith(".txt"):
            with open(os.path.join(args.corpus, name), encoding="utf-8") as corpus:
                for number, line in enumerate(corpus, 1):
                    if line.strip():
                        lines.append(canonical(line))
                        places.append("%s:%d" % (name, number))
    work = args.work or tempfile.mkdtemp(prefix="interop-")
    folders = Folders(work, fresh=not args.judge_only)
    log = []
    if not args.judge_only:
        error = convert(lines, folders, args.doconvert, args.jobs, log)
        if error:
            print("interop: " + error)
            return 2

    for i, line in enumerate(lines):
        for way in WAYS:
            way.judge(places[i], line, folders, i)

    total = len(lines)
    report = []
    for way in WAYS:
        summary = ("interop: %-15s %d lines: %3d equal (%2d%%), %3d accepted "
                   "(%2d%% with the equal), %3d failed  [%s]" % (
                       way.name, total, way.equal, round(100 * way.equal / total), way.accepted,
                       round(100 * (way.equal + way.accepted) / total), len(way.failures),
                       way.title))
        print(summary)
        report.append(summary)
        for n, failure in enumerate(way.failures):
            if n < args.show:
                print(failure_text(*failure, width=SHOWN))
            report.append(failure_text(*failure))
    if log:
        print("interop: %d conversions failed, e.g. %s" % (len(log), log[0]))
    if args.report:
        with open(args.report, "w", encoding="utf-8") as out:
            out.write("\n".join(report + log) + "\n")
    failed = sum(len(way.failures) for way in WAYS)
    print("interop: %d lines, %d ways, %.0f s: %s" % (
        total, len(WAYS), time.time() - started,
        "all equal or accepted" if not failed else "%d failures" % failed))
    if not args.work:
        shutil.rmtree(work, ignore_errors=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
