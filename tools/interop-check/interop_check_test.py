#!/usr/bin/env python3
"""Which differences the interop check accepts and which it reports."""
import unittest
import unicodedata

from interop_check import accepted, beyond_document, beyond_1255_text


def nfc(text):
    return unicodedata.normalize("NFC", text)


class AcceptedTest(unittest.TestCase):
    # expected, actual, accepted through a Windows-1255 text way
    CASES = [
        ("cantillation", "הָאָ֖רֶץ", "הָאָרֶץ", True),
        ("meteg on a hataf", "אֱֽלֹהִים", "אֱלֹהִים", True),
        ("meteg on a qamats, which has a stressed code", "בָּֽרָא", "בָּרָא", False),
        ("second vowel: either one kept", "בָֹ", "בָ", True),
        ("second vowel: another vowel", "בָֹ", "בַ", False),
        ("second vowel: both kept", "בָֹ", "בָֹ", True),
        ("dagesh on resh", "רּ", "ר", True),
        ("dagesh on bet", "בּ", "ב", False),
        ("maqaf as hyphen", "כָּל־הָעָם", "כָּל-הָעָם", False),
        ("geresh as apostrophe", "צ׳יפּס", "צ'יפּס", True),
        ("geresh turned into points", "א׳", "אַֽ", False),
        ("em dash turned into points", "ILS — שקל", "ILS ָֽ שקל", False),
        ("em dash lost", "ILS — שקל", "ILS  שקל", False),
        ("qamats qatan as qamats", "חׇכְמָה", "חָכְמָה", True),
        ("holam haser for vav as holam", "עָוֺן", "עָוֹן", True),
        ("holam on vav lost", "עָוֺן", "עָון", False),
        ("accented letter the text code lacks", "bâb", "bb", True),
        ("accented letter written as a stand-in", "bâb", "b?b", True),
        ("a letter the text code holds", "bab", "bb", False),
        ("ligature as two letters", "ײַ x", "ייַ x", True),
        ("ligature dropped", "ײַ x", "x", True),
        ("symbol the code lacks, at the start", "﬩ Hebrew", "Hebrew", True),
        ("symbol the code lacks, as its plain form", "﬩ Hebrew", "+ Hebrew", True),
        ("sheqel sign, which no face holds, as a stand-in", "₪ 5", "? 5", True),
        ("cantillation as a stand-in", "אֵ֤ין", "אֵ?ין", False),
        ("letter lost", "שָׁלוֹם", "שָׁלם", False),
        ("shin dot lost", "שָׁלוֹם", "שָלוֹם", False),
    ]

    def test_text_way(self):
        for name, expected, actual, want in self.CASES:
            with self.subTest(name):
                self.assertEqual(accepted(nfc(expected), nfc(actual), beyond_1255_text), want)

    def test_rtf_way_keeps_what_windows_1252_holds(self):
        self.assertFalse(accepted("bâb", "bb", beyond_document))
        self.assertTrue(accepted("ʼâb", "âb", beyond_document))


if __name__ == "__main__":
    unittest.main()
