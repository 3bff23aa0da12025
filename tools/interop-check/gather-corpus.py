#!/usr/bin/env python3
"""Writes the interop corpus (testing/interop-corpus/*.txt) from outside sources.

Run once by hand; the check itself only reads the committed corpus. Arguments
are the unpacked sources (see testing/interop-corpus/README.md for where each
comes from and its licence):
  gather-corpus.py OUT_DIR STRONGS_XML JS_DIR... --cldr CLDR_DIR... --nt NORMALIZATIONTEST
Lines are picked at a fixed stride so that the choice is reproducible.
"""
import argparse
import json
import os
import re
import unicodedata
import xml.etree.ElementTree as ET

OSIS = "{http://www.bibletechnologies.net/2003/OSIS/namespace}"
HEBREW_MARK = re.compile("[\u0591-\u05C7]")
# Direction marks carry no text; LibreOffice and the editor both drop them.
DIRECTION_MARKS = dict.fromkeys(map(ord, "\u200E\u200F\u061C"))


def write(path, title, lines):
    with open(path, "w", encoding="utf-8") as out:
        for line in lines:
            line = re.sub(r"\s+", " ", line.translate(DIRECTION_MARKS)).strip()
            if line:
                out.write(line + "\n")
    print("%s: %d lines (%s)" % (os.path.basename(path), len(lines), title))


def inline_text(element):
    """The text of an OSIS element with each <w lemma=...> as its Hebrew lemma."""
    parts = [element.text or ""]
    for child in element:
        if child.tag == OSIS + "w" and child.get("lemma"):
            parts.append(child.get("lemma"))
        else:
            parts.append(inline_text(child))
        parts.append(child.tail or "")
    return "".join(parts)


# A vav with holam after a letter with its own vowel: a consonant vav.
CONSONANT_VAV_HOLAM = re.compile("[\u05B0-\u05BB][\u05BC\u05BD\u05C1\u05C2]*\u05D5[\u05B9\u05BA]")


def strongs_lines(xml_path, stride=48, words_per_line=5, consonant_vavs=12):
    entries = [e for e in ET.parse(xml_path).iter(OSIS + "div") if e.get("type") == "entry"
               and e.find(OSIS + "w") is not None and e.find(OSIS + "w").get("lemma")]
    with_consonant_vav = [e for e in entries
                          if CONSONANT_VAV_HOLAM.search(e.find(OSIS + "w").get("lemma"))]
    picked = entries[::stride]
    picked += [e for e in with_consonant_vav if e not in picked][:consonant_vavs]
    lines = []
    for entry in picked:
        word = entry.find(OSIS + "w")
        notes = {n.get("type"): inline_text(n) for n in entry.findall(OSIS + "note")}
        lines.append("H%s %s %s (%s) — %s %s; KJV: %s" % (
            entry.get("n"), word.get("lemma"), word.get("xlit", ""), word.get("POS", ""),
            notes.get("exegesis", ""), notes.get("explanation", ""), notes.get("translation", "")))
    # Runs of consecutive headwords: lines of pointed Hebrew only.
    for start in range(7, len(entries), stride * 2):
        lemmas = [e.find(OSIS + "w").get("lemma") for e in entries[start:start + words_per_line]]
        lines.append(" ".join(lemmas))
    return lines


def js_hebrew_lines(folders, words_per_line=4):
    literal = re.compile(r"[\"'`]([^\"'`\n]*[\u05D0-\u05EA][^\"'`\n]*)[\"'`]")
    found = set()
    for folder in folders:
        for base, _, files in os.walk(folder):
            for name in sorted(files):
                if name.endswith(".js"):
                    text = open(os.path.join(base, name), encoding="utf-8").read()
                    found.update(m for m in literal.findall(text) if HEBREW_MARK.search(m))
    # Regular-expression sources and character lists are not text.
    words = sorted(w for w in found if not re.search(r"[\\\[\]|^$()?]", w))
    return [" ".join(words[i:i + words_per_line]) for i in range(0, len(words), words_per_line)]


def cldr_lines(folders):
    def load(name, locale="he"):
        for folder in folders:
            path = os.path.join(folder, "package", "main", locale, name)
            if os.path.exists(path):
                return json.load(open(path, encoding="utf-8"))["main"][locale]
        raise SystemExit("no %s/%s in the CLDR folders" % (locale, name))

    lines = []
    currencies = load("currencies.json")["numbers"]["currencies"]
    french = load("currencies.json", "fr")["numbers"]["currencies"]
    for code in sorted(currencies)[::6] + ["ILS", "EUR", "GBP", "USD", "JPY"]:
        c = currencies[code]
        names = dict.fromkeys(v for k, v in sorted(c.items()) if k.startswith("displayName"))
        lines.append("%s %s — %s — %s" % (code, c.get("symbol", ""), ", ".join(names),
                                          french.get(code, {}).get("displayName", "")))
    # Each language's quotation marks around its Hebrew name.
    languages = load("languages.json")["localeDisplayNames"]["languages"]
    for locale in ("en", "de", "fr", "pl", "sv", "he"):
        marks = load("delimiters.json", locale)["delimiters"]
        lines.append("%s: %s%s%s %s%s%s" % (
            locale, marks["quotationStart"], languages[locale], marks["quotationEnd"],
            marks["alternateQuotationStart"], languages[locale], marks["alternateQuotationEnd"]))
    gregorian = load("ca-gregorian.json")["dates"]["calendars"]["gregorian"]
    for width in ("abbreviated", "wide"):
        lines.append(", ".join(gregorian["days"]["format"][width].values()))
        lines.append(", ".join(gregorian["months"]["format"][width].values()))
    eras = gregorian["eras"]
    lines.append("%s / %s: %s – %s" % (eras["eraAbbr"]["0"], eras["eraAbbr"]["1"],
                                       eras["eraNames"]["0"], eras["eraNames"]["1"]))
    characters = load("characters.json")["characters"]
    lines.append(characters["punctuation"].strip("[]").replace("\\", ""))
    lines.append(" ".join(characters["ellipsis"].values()).replace("{0}", languages["he"])
                 .replace("{1}", languages["yi"]))
    fields = load("dateFields.json")["dates"]["fields"]
    for name in sorted(fields)[::3]:
        field = fields[name]
        relative = [v for k, v in sorted(field.items()) if k.startswith("relative-type")]
        if relative:
            lines.append("%s: %s" % (field.get("displayName", name), ", ".join(relative)))
    return lines


def presentation_form_lines(test_path):
    lines = []
    for row in open(test_path, encoding="utf-8"):
        fields = row.split(";")
        if len(fields) < 6 or not re.fullmatch(r"FB(1D|1F|[2-4][0-9A-F])", fields[0]):
            continue
        char = chr(int(fields[0], 16))
        if unicodedata.category(char) == "Lo" and unicodedata.decomposition(char).startswith("<"):
            continue  # wide and alternative letters: compatibility forms, not pointing
        lines.append("%s %s U+%s" % (char, unicodedata.name(char).title(), fields[0]))
    return lines


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("strongs")
    parser.add_argument("js", nargs="+")
    parser.add_argument("--cldr", nargs="+", required=True)
    parser.add_argument("--nt", required=True)
    args = parser.parse_args()
    write(os.path.join(args.out, "strongs-hebrew.txt"), "Strong's Hebrew dictionary",
          strongs_lines(args.strongs))
    write(os.path.join(args.out, "cantillated-words.txt"), "words of two MIT-licensed libraries",
          js_hebrew_lines(args.js))
    write(os.path.join(args.out, "cldr-hebrew.txt"), "CLDR Hebrew locale", cldr_lines(args.cldr))
    write(os.path.join(args.out, "presentation-forms.txt"), "Unicode NormalizationTest",
          presentation_form_lines(args.nt))


if __name__ == "__main__":
    main()
