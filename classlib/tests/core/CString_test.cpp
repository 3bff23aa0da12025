#include "classlib/core/CString.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// Tests compare through std::string so that a zero byte or a byte above 127
// is checked too, and a failure prints every byte.
std::string Bytes(const CString& s) { return std::string((LPCTSTR)s, s.GetLength()); }

int Sign(int n) { return (n > 0) - (n < 0); }

// Every byte value from 1 to 255, in order.
std::string AllNonZeroBytes() {
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes += (char)b;
  return bytes;
}

CString FromBytes(const std::string& bytes) { return CString(bytes.data(), (int)bytes.size()); }

TEST(CString, ConstructsFromEveryDocumentedSource) {
  EXPECT_EQ(Bytes(CString()), "");
  EXPECT_EQ(Bytes(CString("abc")), "abc");
  EXPECT_EQ(Bytes(CString((LPCSTR) nullptr)), "");
  EXPECT_EQ(Bytes(CString('x', 3)), "xxx");
  EXPECT_EQ(Bytes(CString('x')), "x");
  EXPECT_EQ(Bytes(CString('x', 0)), "");
  EXPECT_EQ(Bytes(CString('x', -2)), "");
  EXPECT_EQ(Bytes(CString("abcdef", 4)), "abcd");
  EXPECT_EQ(Bytes(CString("abc", 0)), "");
  const unsigned char hebrew[] = {0xF9, 0xEC, 0xE5, 0xED, 0};
  EXPECT_EQ(Bytes(CString(hebrew)), "\xF9\xEC\xE5\xED");
  CString original("copy me");
  CString copy(original);
  copy.SetAt(0, 'C');
  EXPECT_EQ(Bytes(original), "copy me");
  EXPECT_EQ(Bytes(copy), "Copy me");
  CString moved(std::move(copy));
  EXPECT_EQ(Bytes(moved), "Copy me");
}

TEST(CString, AssignsFromEverySourceIncludingItsOwnText) {
  CString s;
  s = "first";
  EXPECT_EQ(Bytes(s), "first");
  s = 'c';
  EXPECT_EQ(Bytes(s), "c");
  s = CString("second");
  EXPECT_EQ(Bytes(s), "second");
  const CString other("third");
  s = other;
  EXPECT_EQ(Bytes(s), "third");
  s = (LPCSTR) nullptr;
  EXPECT_TRUE(s.IsEmpty());
  s = "overlapping";
  s = (LPCTSTR)s + 4;  // a pointer into the string itself
  EXPECT_EQ(Bytes(s), "lapping");
  s = s;
  EXPECT_EQ(Bytes(s), "lapping");
  s.Empty();
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(s.GetLength(), 0);
  EXPECT_STREQ((LPCTSTR)s, "");
}

TEST(CString, ConcatenatesInEveryCombination) {
  const CString ab("ab"), cd("cd");
  EXPECT_EQ(Bytes(ab + cd), "abcd");
  EXPECT_EQ(Bytes(ab + "xy"), "abxy");
  EXPECT_EQ(Bytes("xy" + ab), "xyab");
  EXPECT_EQ(Bytes(ab + 'z'), "abz");
  EXPECT_EQ(Bytes('z' + ab), "zab");
  EXPECT_EQ(Bytes(ab + (LPCTSTR) nullptr), "ab");
  CString s("a");
  s += cd;
  s += "ef";
  s += 'g';
  s += (LPCTSTR) nullptr;
  EXPECT_EQ(Bytes(s), "acdefg");
  s += s;
  EXPECT_EQ(Bytes(s), "acdefgacdefg");
  s += (LPCTSTR)s + 10;
  EXPECT_EQ(Bytes(s), "acdefgacdefgfg");
}

TEST(CString, AppendingInALoopKeepsEveryByte) {
  CString s;
  std::string expected;
  for (int i = 0; i < 100000; ++i) {
    const char ch = (char)(1 + i % 255);
    s += ch;
    expected += ch;
  }
  EXPECT_EQ(Bytes(s), expected);
  EXPECT_EQ(strlen(s), expected.size());
}

struct ExtractCase {
  int first, count;
  const char* mid;       // Mid(first, count)
  const char* midToEnd;  // Mid(first)
  const char* left;      // Left(count)
  const char* right;     // Right(count)
};

TEST(CString, ExtractionClampsCountsAndPositions) {
  const CString s("abcdef");
  const ExtractCase cases[] = {
      {0, 0, "", "abcdef", "", ""},
      {0, 3, "abc", "abcdef", "abc", "def"},
      {2, 2, "cd", "cdef", "ab", "ef"},
      {4, 10, "ef", "ef", "abcdef", "abcdef"},
      {6, 1, "", "", "a", "f"},
      {7, 2, "", "", "ab", "ef"},
      {-3, 4, "abcd", "abcdef", "abcd", "cdef"},
      {2, -1, "", "cdef", "", ""},
      {3, INT_MAX, "def", "def", "abcdef", "abcdef"},
      {INT_MAX, INT_MAX, "", "", "abcdef", "abcdef"},
      {INT_MIN, INT_MIN, "", "abcdef", "", ""},
  };
  for (const ExtractCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "first " << c.first << " count " << c.count);
    EXPECT_EQ(Bytes(s.Mid(c.first, c.count)), c.mid);
    EXPECT_EQ(Bytes(s.Mid(c.first)), c.midToEnd);
    EXPECT_EQ(Bytes(s.Left(c.count)), c.left);
    EXPECT_EQ(Bytes(s.Right(c.count)), c.right);
  }
  EXPECT_EQ(Bytes(CString().Mid(0, 5)), "");
}

struct SpanCase {
  const char* text;
  const char* set;
  const char* including;
  const char* excluding;
};

TEST(CString, SpansStopAtTheFirstByteOutsideOrInsideTheSet) {
  const SpanCase cases[] = {
      {"123abc", "0123456789", "123", ""},
      {"abc123", "0123456789", "", "abc"},
      {"abc", "xyz", "", "abc"},
      {"abc", "", "", "abc"},
      {"", "abc", "", ""},
      {"\xE0\xE1x", "\xE1\xE0", "\xE0\xE1", ""},
      {"key=value;rest", "=;", "", "key"},
  };
  for (const SpanCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Bytes(CString(c.text).SpanIncluding(c.set)), c.including);
    EXPECT_EQ(Bytes(CString(c.text).SpanExcluding(c.set)), c.excluding);
  }
}

struct FindCharCase {
  const char* text;
  char ch;
  int start;
  int found;
};

TEST(CString, FindsCharactersFromAStart) {
  const FindCharCase cases[] = {
      {"abcabc", 'b', 0, 1},       {"abcabc", 'b', 1, 1},  {"abcabc", 'b', 2, 4},
      {"abcabc", 'b', 5, -1},      {"abcabc", 'b', 6, -1}, {"abcabc", 'b', 99, -1},
      {"abcabc", 'b', -5, 1},      {"abcabc", 'z', 0, -1}, {"", 'a', 0, -1},
      {"a\xE9\xE0", '\xE0', 0, 2},
  };
  for (const FindCharCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text << " '" << c.ch << "' from " << c.start);
    EXPECT_EQ(CString(c.text).Find(c.ch, c.start), c.found);
    if (c.start == 0) {
      EXPECT_EQ(CString(c.text).Find(c.ch), c.found);
    }
  }
}

struct FindStringCase {
  const char* text;
  const char* sub;
  int start;
  int found;
};

TEST(CString, FindsSubstringsFromAStart) {
  const FindStringCase cases[] = {
      {"abcabc", "bc", 0, 1},
      {"abcabc", "bc", 2, 4},
      {"abcabc", "bc", 5, -1},
      {"abcabc", "abcd", 0, -1},
      {"abcabc", "c", 5, 5},
      {"abcabc", "", 0, 0},
      {"abcabc", "", 3, 3},
      {"abcabc", "", 6, 6},
      {"abcabc", "", 7, -1},
      {"abcabc", "a", -2, 0},
      {"aaa", "aa", 1, 1},
      {"", "a", 0, -1},
      {"x\xF9\xEC\xE5\xED", "\xEC\xE5", 0, 2},
  };
  for (const FindStringCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text << " \"" << c.sub << "\" from " << c.start);
    EXPECT_EQ(CString(c.text).Find(c.sub, c.start), c.found);
    if (c.start == 0) {
      EXPECT_EQ(CString(c.text).Find(c.sub), c.found);
    }
  }
}

TEST(CString, FindsFromTheEndAndAnyOfASet) {
  EXPECT_EQ(CString("a/b/c").ReverseFind('/'), 3);
  EXPECT_EQ(CString("abc").ReverseFind('/'), -1);
  EXPECT_EQ(CString("").ReverseFind('a'), -1);
  EXPECT_EQ(CString("\xE0x\xE0").ReverseFind('\xE0'), 2);
  EXPECT_EQ(CString("name.ext;v").FindOneOf(";."), 4);
  EXPECT_EQ(CString("name").FindOneOf(";."), -1);
  EXPECT_EQ(CString("name").FindOneOf(""), -1);
  EXPECT_EQ(CString("ab\xFF").FindOneOf("\xFF"), 2);
}

struct ReplaceCase {
  const char* text;
  const char* from;
  const char* to;
  const char* result;
  int count;
};

TEST(CString, ReplacesSubstringsLeftToRightWithoutOverlap) {
  const ReplaceCase cases[] = {
      {"aaaa", "aa", "b", "bb", 2},
      {"aaa", "aa", "b", "ba", 1},
      {"abab", "aba", "x", "xb", 1},
      {"a.b.c", ".", "::", "a::b::c", 2},
      {"a.b.c", ".", "", "abc", 2},
      {"a.b.c", ".", nullptr, "abc", 2},
      {"abc", "x", "y", "abc", 0},
      {"abc", "", "y", "abc", 0},
      {"abc", nullptr, "y", "abc", 0},
      {"aa", "a", "aa", "aaaa", 2},
      {"", "a", "b", "", 0},
      {"abc", "abc", "", "", 1},
      {"\xF9\xEC\xE5\xED \xF9", "\xF9", "\xFA", "\xFA\xEC\xE5\xED \xFA", 2},
  };
  for (const ReplaceCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text << ": " << (c.from ? c.from : "(null)"));
    CString s(c.text);
    EXPECT_EQ(s.Replace(c.from, c.to), c.count);
    EXPECT_EQ(Bytes(s), c.result);
  }
}

TEST(CString, ReplacesWithArgumentsTakenFromItself) {
  CString s("abcabc");
  EXPECT_EQ(s.Replace(s.Left(3), s), 2);  // the replacement is s's own text
  EXPECT_EQ(Bytes(s), "abcabcabcabc");
  CString t("xyx");
  EXPECT_EQ(t.Replace((LPCTSTR)t + 2, (LPCTSTR)t), 2);
  EXPECT_EQ(Bytes(t), "xyxyxyx");
}

TEST(CString, ReplacesAndRemovesCharactersCountingThem) {
  CString s("a-b-c-");
  EXPECT_EQ(s.Replace('-', '+'), 3);
  EXPECT_EQ(Bytes(s), "a+b+c+");
  EXPECT_EQ(s.Replace('+', '+'), 0);
  EXPECT_EQ(s.Replace('z', 'y'), 0);
  EXPECT_EQ(s.Remove('+'), 3);
  EXPECT_EQ(Bytes(s), "abc");
  EXPECT_EQ(s.Remove('z'), 0);
  EXPECT_EQ(Bytes(s), "abc");
  CString hebrew("\xE0\xE1\xE0");
  EXPECT_EQ(hebrew.Replace('\xE0', '\xFA'), 2);
  EXPECT_EQ(Bytes(hebrew), "\xFA\xE1\xFA");
  EXPECT_EQ(hebrew.Remove('\xFA'), 2);
  EXPECT_EQ(Bytes(hebrew), "\xE1");
}

struct InsertCase {
  int index;
  const char* text;  // inserted
  const char* result;
};

TEST(CString, InsertsAtClampedPositions) {
  const InsertCase cases[] = {
      {0, "xy", "xyabc"},  {1, "xy", "axybc"}, {3, "xy", "abcxy"},  {9, "xy", "abcxy"},
      {-4, "xy", "xyabc"}, {1, "", "abc"},     {1, nullptr, "abc"},
  };
  for (const InsertCase& c : cases) {
    SCOPED_TRACE(c.index);
    CString s("abc");
    EXPECT_EQ(s.Insert(c.index, c.text), (int)strlen(c.result));
    EXPECT_EQ(Bytes(s), c.result);
  }
  CString s("abc");
  EXPECT_EQ(s.Insert(1, '\xE0'), 4);
  EXPECT_EQ(Bytes(s), "a\xE0\x62\x63");
  EXPECT_EQ(s.Insert(2, (LPCTSTR)s), 8);
  EXPECT_EQ(Bytes(s), "a\xE0\x61\xE0\x62\x63\x62\x63");
}

struct DeleteCase {
  int index, count;
  const char* result;
};

TEST(CString, DeletesWhatExistsOfTheRange) {
  const DeleteCase cases[] = {
      {0, 1, "bcdef"},  {2, 2, "abef"},  {4, 5, "abcd"},   {4, INT_MAX, "abcd"}, {6, 1, "abcdef"},
      {9, 1, "abcdef"}, {-2, 2, "cdef"}, {2, 0, "abcdef"}, {2, -3, "abcdef"},    {0, 6, ""},
  };
  for (const DeleteCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.index << ", " << c.count);
    CString s("abcdef");
    EXPECT_EQ(s.Delete(c.index, c.count), (int)strlen(c.result));
    EXPECT_EQ(Bytes(s), c.result);
  }
  CString s("abc");
  EXPECT_EQ(s.Delete(1), 2);
  EXPECT_EQ(Bytes(s), "ac");
}

struct TrimCase {
  const char* text;
  const char* targets;  // nullptr: white space; one byte: the char overload
  const char* left;
  const char* right;
};

TEST(CString, TrimsWhiteSpaceACharacterOrASet) {
  const TrimCase cases[] = {
      {" \t\r\n\v\fab c \t\r\n\v\f", nullptr, "ab c \t\r\n\v\f", " \t\r\n\v\fab c"},
      {"   ", nullptr, "", ""},
      {"", nullptr, "", ""},
      {"abc", nullptr, "abc", "abc"},
      // Only the "C" locale's white space: a no-break space stays.
      {"\xA0\x85x\xA0\x85", nullptr, "\xA0\x85x\xA0\x85", "\xA0\x85x\xA0\x85"},
      {"xxaxx", "x", "axx", "xxa"},
      {"xxxx", "x", "", ""},
      {" xa ", "x", " xa ", " xa "},
      {"\xE0\xE0\xF9\xE0", "\xE0", "\xF9\xE0", "\xE0\xE0\xF9"},
      {"-=a=-b-=", "=-", "a=-b-=", "-=a=-b"},
      {"-=a", "", "-=a", "-=a"},
      {"=-=-", "-=", "", ""},
  };
  for (const TrimCase& c : cases) {
    SCOPED_TRACE(c.text);
    CString left(c.text), right(c.text);
    if (c.targets == nullptr) {
      left.TrimLeft();
      right.TrimRight();
    } else if (strlen(c.targets) == 1) {
      left.TrimLeft(c.targets[0]);
      right.TrimRight(c.targets[0]);
    } else {
      left.TrimLeft(c.targets);
      right.TrimRight(c.targets);
    }
    EXPECT_EQ(Bytes(left), c.left);
    EXPECT_EQ(Bytes(right), c.right);
    if (c.targets != nullptr && strlen(c.targets) == 1) {
      CString asSet(c.text);
      asSet.TrimLeft(c.targets);
      EXPECT_EQ(Bytes(asSet), c.left);
    }
  }
}

struct CompareCase {
  const char* a;
  const char* b;
  int compare;        // sign of a.Compare(b)
  int compareNoCase;  // sign of a.CompareNoCase(b)
};

TEST(CString, ComparesBytesAsUnsignedAndFoldsOnlyAscii) {
  const CompareCase cases[] = {
      {"abc", "abc", 0, 0},
      {"abc", "abd", -1, -1},
      {"abd", "abc", 1, 1},
      {"ab", "abc", -1, -1},
      {"", "a", -1, -1},
      {"", "", 0, 0},
      {"ABC", "abc", -1, 0},
      {"aBc", "AbC", 1, 0},
      {"Zeta", "alpha", -1, 1},
      // Folding goes to lower case, so '_' (0x5F) sorts before every letter.
      {"_", "A", 1, -1},
      {"z", "\xE0", -1, -1},
      {"\x80", "\x7F", 1, 1},
      {"\xFF", "\xFE", 1, 1},
      // In the Windows Latin page these are capital and small a-grave; the
      // "C" locale does not fold them, and Hebrew pages give them other letters.
      {"\xC0", "\xE0", -1, -1},
  };
  for (const CompareCase& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.a << "\" \"" << c.b << '"');
    const CString a(c.a), b(c.b);
    EXPECT_EQ(Sign(a.Compare(c.b)), c.compare);
    EXPECT_EQ(Sign(a.Compare(b)), c.compare);
    EXPECT_EQ(Sign(a.Collate(c.b)), c.compare);
    EXPECT_EQ(Sign(a.CompareNoCase(c.b)), c.compareNoCase);
    EXPECT_EQ(Sign(a.CompareNoCase(b)), c.compareNoCase);
    EXPECT_EQ(Sign(b.Compare(a)), -c.compare);
    EXPECT_EQ(Sign(b.CompareNoCase(a)), -c.compareNoCase);
    // Every operator against CString and LPCTSTR on either side.
    const bool less = c.compare < 0, equal = c.compare == 0;
    EXPECT_EQ(a == b, equal);
    EXPECT_EQ(a == c.b, equal);
    EXPECT_EQ(c.a == b, equal);
    EXPECT_EQ(a != b, !equal);
    EXPECT_EQ(a != c.b, !equal);
    EXPECT_EQ(c.a != b, !equal);
    EXPECT_EQ(a < b, less);
    EXPECT_EQ(a < c.b, less);
    EXPECT_EQ(c.a < b, less);
    EXPECT_EQ(a > b, !less && !equal);
    EXPECT_EQ(a > c.b, !less && !equal);
    EXPECT_EQ(c.a > b, !less && !equal);
    EXPECT_EQ(a <= b, less || equal);
    EXPECT_EQ(a <= c.b, less || equal);
    EXPECT_EQ(c.a <= b, less || equal);
    EXPECT_EQ(a >= b, !less);
    EXPECT_EQ(a >= c.b, !less);
    EXPECT_EQ(c.a >= b, !less);
  }
  EXPECT_EQ(CString("").Compare((LPCTSTR) nullptr), 0);
  EXPECT_GT(CString("a").Compare((LPCTSTR) nullptr), 0);
}

TEST(CString, ChangesCaseOfAsciiLettersOnlyAndReverses) {
  const std::string all = AllNonZeroBytes();
  CString upper = FromBytes(all), lower = FromBytes(all);
  upper.MakeUpper();
  lower.MakeLower();
  for (int i = 0; i < (int)all.size(); ++i) {
    const char b = all[i];
    SCOPED_TRACE((int)(unsigned char)b);
    EXPECT_EQ(upper[i], (b >= 'a' && b <= 'z') ? b - 'a' + 'A' : b);
    EXPECT_EQ(lower[i], (b >= 'A' && b <= 'Z') ? b - 'A' + 'a' : b);
  }
  CString s("ab\xE0\xF9");
  s.MakeReverse();
  EXPECT_EQ(Bytes(s), "\xF9\xE0\x62\x61");
  CString empty;
  empty.MakeReverse();
  empty.MakeUpper();
  EXPECT_TRUE(empty.IsEmpty());
}

TEST(CString, EveryNonZeroByteSurvivesCopyingAndSearching) {
  const std::string all = AllNonZeroBytes();
  const CString s(all.c_str());
  EXPECT_EQ(s.GetLength(), 255);
  EXPECT_EQ(Bytes(CString(s)), all);
  EXPECT_EQ(Bytes(s.Mid(100) + s.Left(100)), all.substr(100) + all.substr(0, 100));
  CString formatted;
  formatted.Format("%s", (LPCTSTR)s);
  EXPECT_EQ(Bytes(formatted), all);
  for (int b = 1; b < 256; ++b) {
    SCOPED_TRACE(b);
    const char ch = (char)b;
    EXPECT_EQ(s.Find(ch), b - 1);
    EXPECT_EQ(s.ReverseFind(ch), b - 1);
    EXPECT_EQ(s.GetAt(b - 1), ch);
    const char sub[] = {ch, 0};
    EXPECT_EQ(s.Find(sub), b - 1);
    CString replaced(s);
    EXPECT_EQ(replaced.Replace(ch, (char)(b == 255 ? 1 : b + 1)), 1);
  }
}

TEST(CString, KeepsAZeroByteTakenInWithALength) {
  const CString s("a\0b", 3);
  EXPECT_EQ(s.GetLength(), 3);
  EXPECT_EQ(Bytes(CString(s)), std::string("a\0b", 3));
  EXPECT_EQ(s.Find('b'), 2);
  EXPECT_EQ(s.Find('\0'), 1);
  EXPECT_EQ(Bytes(s + "c"), std::string("a\0bc", 4));
  EXPECT_GT(s.Compare("a"), 0);
  EXPECT_NE(s, CString("a\0c", 3));
}

TEST(CString, IndexesAndSetsCharacters) {
  CString s("abc");
  EXPECT_EQ(s[0], 'a');
  EXPECT_EQ(s.GetAt(2), 'c');
  s.SetAt(1, '\xE0');
  EXPECT_EQ(Bytes(s), "a\xE0\x63");
  EXPECT_EQ(s[1u], '\xE0');
}

TEST(CString, FormatsLikePrintf) {
  CString s;
  s.Format("%d|%5s|%-3c|%05.1f|%x|%%|%u", -42, "ab", 'z', 3.14159, 255u, 7u);
  EXPECT_EQ(Bytes(s), "-42|   ab|z  |003.1|ff|%|7");
  s.Format("Software\\%s\\%s\\Settings", "Maker", "Profile");
  EXPECT_EQ(Bytes(s), "Software\\Maker\\Profile\\Settings");
  s.Format("Hex: %02X%02X%02X", 10, 200, 3);
  EXPECT_EQ(Bytes(s), "Hex: 0AC803");
  s.Format("%lld", -1234567890123LL);
  EXPECT_EQ(Bytes(s), "-1234567890123");
  s.Format("%s", "");
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CString, FormatsOutputOfAnyLength) {
  const std::string longText(70000, 'q');
  CString s;
  s.Format("<%s>%*d", longText.c_str(), 5000, 9);
  ASSERT_EQ(s.GetLength(), 70002 + 5000);
  EXPECT_EQ(Bytes(s), "<" + longText + ">" + std::string(4999, ' ') + "9");
  s.Format("%s", "short again");
  EXPECT_EQ(Bytes(s), "short again");
}

TEST(CString, FormatsFromItsOwnTextAndFormat) {
  CString s("abc");
  s.Format("[%s|%s]", (LPCTSTR)s, (LPCTSTR)s);
  EXPECT_EQ(Bytes(s), "[abc|abc]");
  CString format("%d-%d");
  format.Format(format, 1, 2);
  EXPECT_EQ(Bytes(format), "1-2");
}

TEST(CString, GetBufferGivesRoomForTheRequestAndATerminator) {
  CString s("abc");
  char* buffer = s.GetBuffer(10);
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(s.GetLength(), 3);  // until ReleaseBuffer
  memset(buffer, 'x', 10);      // every requested byte, then the terminator
  buffer[10] = '\0';
  s.ReleaseBuffer();
  EXPECT_EQ(Bytes(s), std::string(10, 'x'));

  buffer = s.GetBuffer(2);  // smaller than the text: the text stays
  EXPECT_STREQ(buffer, "xxxxxxxxxx");
  strcpy(buffer, "short");
  s.ReleaseBuffer();
  EXPECT_EQ(Bytes(s), "short");

  buffer = s.GetBuffer(20);
  memcpy(buffer, "0123456789", 10);
  s.ReleaseBuffer(4);  // an explicit length
  EXPECT_EQ(Bytes(s), "0123");
  EXPECT_EQ(strlen(s), 4u);
}

TEST(CString, ReleaseBufferStopsAtTheBufferEndWithoutATerminator) {
  CString s;
  char* buffer = s.GetBuffer(8);
  memset(buffer, 'y', 9);  // the terminator's place overwritten too
  s.ReleaseBuffer();
  EXPECT_EQ(Bytes(s), std::string(8, 'y'));
  EXPECT_EQ(strlen(s), 8u);
}

TEST(CString, GetBufferOnAnEmptyStringIsWritable) {
  CString s;
  char* buffer = s.GetBuffer(0);
  ASSERT_NE(buffer, nullptr);
  EXPECT_EQ(buffer[0], '\0');
  s.ReleaseBuffer();
  EXPECT_TRUE(s.IsEmpty());
  CString other;
  other.ReleaseBuffer();
  EXPECT_TRUE(other.IsEmpty());
}

TEST(CString, GetBufferSetLengthSetsTheLengthAtOnce) {
  CString s("ab");
  char* buffer = s.GetBufferSetLength(5);
  EXPECT_EQ(s.GetLength(), 5);
  EXPECT_EQ(buffer[5], '\0');
  memcpy(buffer + 2, "cde", 3);
  EXPECT_EQ(Bytes(s), "abcde");
  s.ReleaseBuffer();
  EXPECT_EQ(Bytes(s), "abcde");
  s.GetBufferSetLength(1);
  EXPECT_EQ(Bytes(s), "a");
  // A copy taken while the buffer is out has its own storage.
  CString copy(s);
  s.GetBuffer(1)[0] = 'z';
  s.ReleaseBuffer();
  EXPECT_EQ(Bytes(copy), "a");
  EXPECT_EQ(Bytes(s), "z");
}

class CStringLoadString : public testing::Test {
 protected:
  void TearDown() override { AfxSetStringLoader(nullptr); }

  static BOOL FakeLoader(UINT nID, CString& rString) {
    if (nID != 101) return FALSE;
    rString = "loaded \xF9\xEC\xE5\xED";
    return TRUE;
  }
  static BOOL HalfWritingLoader(UINT, CString& rString) {
    rString = "partial";
    return FALSE;
  }
};

TEST_F(CStringLoadString, FailsAndEmptiesWithoutALoader) {
  CString s("previous");
  EXPECT_FALSE(s.LoadString(101));
  EXPECT_TRUE(s.IsEmpty());
}

TEST_F(CStringLoadString, LoadsThroughTheInstalledLoader) {
  AfxSetStringLoader(FakeLoader);
  CString s("previous");
  EXPECT_TRUE(s.LoadString(101));
  EXPECT_EQ(Bytes(s), "loaded \xF9\xEC\xE5\xED");
  EXPECT_FALSE(s.LoadString(102));
  EXPECT_TRUE(s.IsEmpty());
  // A resource id passed as a string pointer (MAKEINTRESOURCE) loads it.
  EXPECT_EQ(Bytes(CString((LPCSTR)(uintptr_t)101)), "loaded \xF9\xEC\xE5\xED");
  EXPECT_TRUE(CString((LPCSTR)(uintptr_t)102).IsEmpty());
}

TEST_F(CStringLoadString, LeavesTheStringEmptyWhenTheLoaderFailsHalfway) {
  AfxSetStringLoader(HalfWritingLoader);
  CString s("previous");
  EXPECT_FALSE(s.LoadString(1));
  EXPECT_TRUE(s.IsEmpty());
}

}  // namespace
