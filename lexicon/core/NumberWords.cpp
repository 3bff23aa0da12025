#include "lexicon/core/NumberWords.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/NumberText.h"

namespace {

// The word lists: '|'-separated items, each list ending in '|'. The Hebrew
// ones are pointed text in the program's code; each is shown above it in
// standard Unicode pointing (a word not stressed on its last syllable holds
// one of the program's stressed vowels).
constexpr char kEnglishUnits[] = "zero|one|two|three|four|five|six|seven|eight|nine|";
constexpr char kEnglishTeens[] =
    "ten|eleven|twelve|thirteen|fourteen|fifteen|sixteen|seventeen|eighteen|nineteen|";
constexpr char kEnglishTens[] = "ten|twenty|thirty|forty|fifty|sixty|seventy|eighty|ninety|";
constexpr char kEnglishHundred[] = "hundred";
constexpr char kEnglishScales[] = "thousand|million|billion|";
constexpr char kEnglishOrdinalUnits[] =
    "zeroth|first|second|third|fourth|fifth|sixth|seventh|eighth|ninth|";
constexpr char kEnglishOrdinalTeens[] =
    "tenth|eleventh|twelfth|thirteenth|fourteenth|fifteenth|sixteenth|seventeenth|eighteenth|"
    "nineteenth|";
constexpr char kEnglishOrdinalTens[] =
    "tenth|twentieth|thirtieth|fortieth|fiftieth|sixtieth|seventieth|eightieth|ninetieth|";
constexpr char kEnglishOrdinalEnding[] = "th";

// אֶפֶס|אֶחָד|שְׁנַיִם|שְׁלֹשָׁה|אַרְבָּעָה|חֲמִשָּׁה|שִׁשָּׁה|שִׁבְעָה|שְׁמוֹנָה|תִּשְׁעָה|עֲשָׂרָה|
constexpr char kMasculineCounting[] =
    "\xE0\xD6\xF4\xC6\xF1|\xE0\xC6\xE7\xC8\xE3|\xD1\xC0\xF0\xD7\xE9\xC4\xED|"
    "\xD1\xC0\xEC\xC9\xD1\xC8\xE4|\xE0\xC7\xF8\xC0\xA1\xC8\xF2\xC8\xE4|"
    "\xE7\xC2\xEE\xC4\xD0\xC8\xE4|\xD1\xC4\xD0\xC8\xE4|\xD1\xC4\xE1\xC0\xF2\xC8\xE4|"
    "\xD1\xC0\xEE\xCE\xF0\xC8\xE4|\xBA\xC4\xD1\xC0\xF2\xC8\xE4|\xF2\xC2\xD2\xC8\xF8\xC8\xE4|";
// אֶפֶס|אַחַת|שְׁתַּיִם|שָׁלֹשׁ|אַרְבַּע|חָמֵשׁ|שֵׁשׁ|שֶׁבַע|שְׁמֹנֶה|תֵּשַׁע|עֶשֶׂר|
constexpr char kFeminineCounting[] =
    "\xE0\xD6\xF4\xC6\xF1|\xE0\xC7\xE7\xC7\xFA|\xD1\xC0\xBA\xD7\xE9\xC4\xED|\xD1\xC8\xEC\xC9\xD1|"
    "\xE0\xC7\xF8\xC0\xA1\xC7\xF2|\xE7\xC8\xEE\xC5\xD1|\xD1\xC5\xD1|\xD1\xD6\xE1\xC7\xF2|"
    "\xD1\xC0\xEE\xC9\xF0\xC6\xE4|\xBA\xD5\xD1\xC7\xF2|\xF2\xD6\xD2\xC6\xF8|";
// אַחַד|שְׁנֵי|שְׁלֹשֶׁת|אַרְבַּעַת|חֲמֵשֶׁת|שֵׁשֶׁת|שִׁבְעַת|שְׁמוֹנַת|תִּשְׁעַת|עֲשֶׂרֶת|
constexpr char kMasculineConstruct[] =
    "\xE0\xC7\xE7\xC7\xE3|\xD1\xC0\xF0\xC5\xE9|\xD1\xC0\xEC\x83\xD1\xC6\xFA|"
    "\xE0\xC7\xF8\xC0\xA1\xD7\xF2\xC7\xFA|\xE7\xC2\xEE\xD5\xD1\xC6\xFA|\xD1\xD5\xD1\xC6\xFA|"
    "\xD1\xC4\xE1\xC0\xF2\xC7\xFA|\xD1\xC0\xEE\xCE\xF0\xC7\xFA|\xBA\xC4\xD1\xC0\xF2\xC7\xFA|"
    "\xF2\xC2\xD2\xD6\xF8\xC6\xFA|";
// אַחַת|שְׁתֵּי|שְׁלֹשׁ|אַרְבַּע|חֲמֵשׁ|שֵׁשׁ|שְׁבַע|שְׁמֹנֶה|תְּשַׁע|עֶשֶׂר|
constexpr char kFeminineConstruct[] =
    "\xE0\xC7\xE7\xC7\xFA|\xD1\xC0\xBA\xC5\xE9|\xD1\xC0\xEC\xC9\xD1|\xE0\xC7\xF8\xC0\xA1\xC7\xF2|"
    "\xE7\xC2\xEE\xC5\xD1|\xD1\xC5\xD1|\xD1\xC0\xE1\xC7\xF2|\xD1\xC0\xEE\xC9\xF0\xC6\xE4|"
    "\xBA\xC0\xD1\xC7\xF2|\xF2\xD6\xD2\xC6\xF8|";
// עֲשָׂרָה|אַחַד|שְׁנֵים|שְׁלֹשָׁה|אַרְבָּעָה|חֲמִשָּׁה|שִׁשָּׁה|שִׁבְעָה|שְׁמוֹנָה|תִּשְׁעָה|
constexpr char kMasculineTeens[] =
    "\xF2\xC2\xD2\xC8\xF8\xC8\xE4|\xE0\xC7\xE7\xC7\xE3|\xD1\xC0\xF0\xC5\xE9\xED|"
    "\xD1\xC0\xEC\xC9\xD1\xC8\xE4|\xE0\xC7\xF8\xC0\xA1\xC8\xF2\xC8\xE4|"
    "\xE7\xC2\xEE\xC4\xD0\xC8\xE4|\xD1\xC4\xD0\xC8\xE4|\xD1\xC4\xE1\xC0\xF2\xC8\xE4|"
    "\xD1\xC0\xEE\xCE\xF0\xC8\xE4|\xBA\xC4\xD1\xC0\xF2\xC8\xE4|";
// עֶשֶׂר|אַחַת|שְׁתֵּים|שְׁלֹשׁ|אַרְבַּע|חֲמֵשׁ|שֵׁשׁ|שְׁבַע|שְׁמֹנֶה|תְּשַׁע|
constexpr char kFeminineTeens[] =
    "\xF2\xD6\xD2\xC6\xF8|\xE0\xC7\xE7\xC7\xFA|\xD1\xC0\xBA\xC5\xE9\xED|\xD1\xC0\xEC\xC9\xD1|"
    "\xE0\xC7\xF8\xC0\xA1\xC7\xF2|\xE7\xC2\xEE\xC5\xD1|\xD1\xC5\xD1|\xD1\xC0\xE1\xC7\xF2|"
    "\xD1\xC0\xEE\xC9\xF0\xC6\xE4|\xBA\xC0\xD1\xC7\xF2|";
// -עָשָׂר
constexpr char kMasculineTeenEnding[] = "-\xF2\xC8\xD2\xC8\xF8";
// -עֶשְׂרֵה
constexpr char kFeminineTeenEnding[] = "-\xF2\xC6\xD2\xC0\xF8\xC5\xE4";
// |עֶשְׂרִים|שְׁלֹשִׁים|אַרְבָּעִים|חֲמִשִּׁים|שִׁשִּׁים|שִׁבְעִים|שְׁמוֹנִים|תִּשְׁעִים|
constexpr char kTens[] =
    "|\xF2\xC6\xD2\xC0\xF8\xC4\xE9\xED|\xD1\xC0\xEC\xC9\xD1\xC4\xE9\xED|"
    "\xE0\xC7\xF8\xC0\xA1\xC8\xF2\xC4\xE9\xED|\xE7\xC2\xEE\xC4\xD0\xC4\xE9\xED|"
    "\xD1\xC4\xD0\xC4\xE9\xED|\xD1\xC4\xE1\xC0\xF2\xC4\xE9\xED|\xD1\xC0\xEE\xCE\xF0\xC4\xE9\xED|"
    "\xBA\xC4\xD1\xC0\xF2\xC4\xE9\xED|";
// מֵאָה|מֵאוֹת|מָאתַיִם|
constexpr char kHundreds[] =
    "\xEE\xC5\xE0\xC8\xE4|\xEE\xC5\xE0\xCE\xFA|\xEE\xC8\xE0\xFA\xD7\xE9\xC4\xED|";
// אֶפֶס|רִאשׁוֹן|שֵׁנִי|שְׁלִישִׁי|רְבִיעִי|חֲמִישִׁי|שִׁשִּׁי|שְׁבִיעִי|שְׁמִינִי|תְּשִׁיעִי|עֲשִׂירִי|
constexpr char kMasculineOrdinals[] =
    "\xE0\xD6\xF4\xC6\xF1|\xF8\xC4\xE0\xD1\xCE\xEF|\xD1\xC5\xF0\xC4\xE9|"
    "\xD1\xC0\xEC\xC4\xE9\xD1\xC4\xE9|\xF8\xC0\xE1\xC4\xE9\xF2\xC4\xE9|"
    "\xE7\xC2\xEE\xC4\xE9\xD1\xC4\xE9|\xD1\xC4\xD0\xC4\xE9|\xD1\xC0\xE1\xC4\xE9\xF2\xC4\xE9|"
    "\xD1\xC0\xEE\xC4\xE9\xF0\xC4\xE9|\xBA\xC0\xD1\xC4\xE9\xF2\xC4\xE9|"
    "\xF2\xC2\xD2\xC4\xE9\xF8\xC4\xE9|";
// אֶפֶס|רִאשׁוֹנָה|שְׁנִיָּה|שְׁלִישִׁית|רְבִיעִית|חֲמִישִׁית|שִׁשִּׁית|שְׁבִיעִית|שְׁמִינִית|תְּשִׁיעִית|עֲשִׂירִית|
constexpr char kFeminineOrdinals[] =
    "\xE0\xD6\xF4\xC6\xF1|\xF8\xC4\xE0\xD1\xCE\xF0\xC8\xE4|\xD1\xC0\xF0\xC4\xA9\xC8\xE4|"
    "\xD1\xC0\xEC\xC4\xE9\xD1\xC4\xE9\xFA|\xF8\xC0\xE1\xC4\xE9\xF2\xC4\xE9\xFA|"
    "\xE7\xC2\xEE\xC4\xE9\xD1\xC4\xE9\xFA|\xD1\xC4\xD0\xC4\xE9\xFA|"
    "\xD1\xC0\xE1\xC4\xE9\xF2\xC4\xE9\xFA|\xD1\xC0\xEE\xC4\xE9\xF0\xC4\xE9\xFA|"
    "\xBA\xC0\xD1\xC4\xE9\xF2\xC4\xE9\xFA|\xF2\xC2\xD2\xC4\xE9\xF8\xC4\xE9\xFA|";
// אֶלֶף|אֲלָפִים|אַלְפַּיִם|מִילְיוֹן|מִילְיַארְד|רְבָבָה|
constexpr char kLargeNumbers[] =
    "\xE0\xD6\xEC\xC6\xF3|\xE0\xC2\xEC\xC8\xF4\xC4\xE9\xED|\xE0\xC7\xEC\xC0\xB4\xD7\xE9\xC4\xED|"
    "\xEE\xC4\xE9\xEC\xC0\xE9\xCE\xEF|\xEE\xC4\xE9\xEC\xC0\xE9\xC7\xE0\xF8\xC0\xE3|"
    "\xF8\xC0\xE1\xC8\xE1\xC8\xE4|";

// Items of the lists.
enum : int {
  kShneiItem = 1,       // of the masculine construct forms
  kAseretItem = 9,      // of the masculine construct forms
  kHundredItem = 0,     // of kHundreds
  kHundredsItem = 1,    // of kHundreds
  kTwoHundredItem = 2,  // of kHundreds
  kThousandItem = 0,    // of kLargeNumbers
  kThousandsItem = 1,
  kTwoThousandItem = 2,
  kMillionItem = 3,
  kBillionItem = 4,
  kTenThousandItem = 5,
  kTenItem = 10,             // of the counting words and ordinals
  kEnglishThousandItem = 0,  // of kEnglishScales
  kEnglishMillionItem = 1,
  kEnglishBillionItem = 2,
};

constexpr int kGroupSize = 1000;
constexpr int kDecimal = 10;
constexpr int kHundred = 100;
constexpr int kLastOrdinalWithoutArticle = 10;
constexpr double kTenThousand = 10000;
constexpr int kArticleBytes = 2;  // he and patah
constexpr char kListSeparator = '|';

struct ListItem {
  const char* text;
  int length;
};

// Item index of the list; an empty item past its end.
ListItem ItemOf(const char* list, int index) {
  for (; index > 0; --index) {
    const char* end = strchr(list, kListSeparator);
    if (end == nullptr) return {"", 0};
    list = end + 1;
  }
  const char* end = strchr(list, kListSeparator);
  return {list, end != nullptr ? static_cast<int>(end - list) : static_cast<int>(strlen(list))};
}

ListItem WholeText(const char* text) { return {text, static_cast<int>(strlen(text))}; }

// Appends to a caller's buffer of capacity bytes, never past capacity - 1,
// and keeps it zero-terminated.
class TextWriter {
 public:
  TextWriter(char* output, int capacity) : m_output(output), m_capacity(capacity) {
    if (m_capacity > 0) m_output[0] = 0;
  }

  void Put(const ListItem& item) {
    for (int i = 0; i < item.length; ++i) PutByte(static_cast<BYTE>(item.text[i]));
  }
  void Put(const char* text) { Put(WholeText(text)); }
  void PutByte(int c) {
    if (m_length + 1 >= m_capacity) return;
    m_output[m_length++] = static_cast<char>(c);
    m_output[m_length] = 0;
  }
  // Where a function that writes at a capacity and returns its length goes
  // on; Took then counts what it wrote.
  char* End() const { return m_output + m_length; }
  int Room() const { return m_capacity - m_length; }
  void Took(int written) { m_length += written; }

  int Length() const { return m_length; }
  char LastByte() const { return m_length > 0 ? m_output[m_length - 1] : 0; }
  void ReplaceLastByte(char c) {
    if (m_length > 0) m_output[m_length - 1] = c;
  }
  void DropLastByte() {
    if (m_length > 0) m_output[--m_length] = 0;
  }
  void DropFirstBytes(int count) {
    if (count <= 0 || count > m_length) return;
    memmove(m_output, m_output + count, m_length - count + 1);
    m_length -= count;
  }

 private:
  char* m_output;
  int m_capacity;
  int m_length = 0;
};

void TrimWrittenBlanks(const char* output, TextWriter& writer) {
  while (IsBlankChar(static_cast<BYTE>(writer.LastByte()))) writer.DropLastByte();
  int start = 0;
  while (start < writer.Length() && IsBlankChar(static_cast<BYTE>(output[start]))) ++start;
  writer.DropFirstBytes(start);
}

// The first letter and vowel of a pointed word.
void FirstLetterAndVowel(const ListItem& word, int& letter, int& vowel) {
  letter = word.length > 0 ? static_cast<BYTE>(word.text[0]) : 0;
  const int second = word.length > 1 ? static_cast<BYTE>(word.text[1]) : 0;
  vowel = IsVowelCode(second) ? second : HebCode::NoVowel;
}

// Writes a Hebrew word and its blank, after the conjunction when asked; a
// tav loses its dagesh after the conjunction.
void PutHebrewWord(TextWriter& writer, ListItem word, bool withAnd) {
  if (withAnd) {
    int letter, vowel;
    FirstLetterAndVowel(word, letter, vowel);
    writer.Took(HebrewAnd(writer.End(), writer.Room(), letter, vowel));
    if (letter == HebCode::TavDagesh) {
      writer.PutByte(HebCode::Tav);
      ++word.text;
      --word.length;
    }
  }
  writer.Put(word);
  writer.PutByte(HebCode::Space);
}

struct HebrewLists {
  const char* counting;
  const char* teens;
  const char* teenEnding;
  const char* ordinals;
};

HebrewLists ListsOfGender(bool masculine) {
  if (masculine) {
    return {kMasculineCounting, kMasculineTeens, kMasculineTeenEnding, kMasculineOrdinals};
  }
  return {kFeminineCounting, kFeminineTeens, kFeminineTeenEnding, kFeminineOrdinals};
}

// The number's groups of three digits.
struct NumberGroups {
  int billions, millions, thousands, units;
};

NumberGroups SplitGroups(double value) {
  // Whole numbers up to kLargestSpelledNumber are exact in a double; the
  // groups are taken in integers so that no scaling rounds a digit away.
  unsigned long long rest = static_cast<unsigned long long>(std::trunc(value));
  NumberGroups groups;
  groups.units = static_cast<int>(rest % kGroupSize);
  rest /= kGroupSize;
  groups.thousands = static_cast<int>(rest % kGroupSize);
  rest /= kGroupSize;
  groups.millions = static_cast<int>(rest % kGroupSize);
  groups.billions = static_cast<int>(rest / kGroupSize);
  return groups;
}

void EnglishNumberToWords(TextWriter& writer, double value, int ordinal) {
  const NumberGroups groups = SplitGroups(value);
  struct Scaled {
    int value;
    DWORD scale;
    int nameItem;
    bool last;  // no smaller group follows
  };
  const Scaled scaled[] = {
      {groups.billions, kScaleBillions, kEnglishBillionItem,
       groups.millions == 0 && groups.thousands == 0 && groups.units == 0},
      {groups.millions, kScaleMillions, kEnglishMillionItem,
       groups.thousands == 0 && groups.units == 0},
      {groups.thousands, kScaleThousands, kEnglishThousandItem, groups.units == 0},
  };
  for (const Scaled& group : scaled) {
    if (group.value == 0) continue;
    // Only the number's last word is ordinal: "twenty thousandth".
    writer.Took(SpellEnglishGroup(group.value, writer.End(), writer.Room(), group.scale, 0));
    writer.Put(ItemOf(kEnglishScales, group.nameItem));
    if (ordinal && group.last) {
      writer.Put(kEnglishOrdinalEnding);
    } else {
      writer.PutByte(' ');
    }
  }
  if (groups.units != 0 || value == 0) {
    writer.Took(SpellEnglishGroup(groups.units, writer.End(), writer.Room(), kScaleUnits, ordinal));
  }
}

void HebrewThousands(TextWriter& writer, int thousands, int preceded, int ordinal) {
  if (thousands == 1) {
    PutHebrewWord(writer, ItemOf(kLargeNumbers, kThousandItem), false);
  } else if (thousands == 2) {
    PutHebrewWord(writer, ItemOf(kLargeNumbers, kTwoThousandItem), false);
  } else if (thousands == kTenItem && ordinal) {
    PutHebrewWord(writer, ItemOf(kLargeNumbers, kTenThousandItem), false);
  } else {
    writer.Took(SpellHebrewGroup(thousands, writer.End(), writer.Room(), kScaleThousands, preceded,
                                 ordinal, 0));
    if (thousands <= kTenItem) {
      // The construct form and "thousands" make one word: shloshet-alafim.
      if (writer.LastByte() == HebCode::Space) writer.ReplaceLastByte(HebCode::Hyphen);
      PutHebrewWord(writer, ItemOf(kLargeNumbers, kThousandsItem), false);
    } else {
      PutHebrewWord(writer, ItemOf(kLargeNumbers, kThousandItem), false);
    }
  }
}

void HebrewNumberToWords(char* output, TextWriter& writer, double value,
                         const NumberWordsOptions& options) {
  const NumberGroups groups = SplitGroups(value);
  const bool article = options.ordinal && (value == 0 || value > kLastOrdinalWithoutArticle);
  // The article's place is kept and filled when the rest is written.
  if (article) {
    for (int i = 0; i < kArticleBytes; ++i) writer.PutByte(HebCode::Space);
  }
  const int start = writer.Length();
  auto preceded = [&] { return writer.Length() > start ? 1 : 0; };
  struct Scaled {
    int value;
    DWORD scale;
    int nameItem;
  };
  const Scaled scaled[] = {{groups.billions, kScaleBillions, kBillionItem},
                           {groups.millions, kScaleMillions, kMillionItem}};
  for (const Scaled& group : scaled) {
    if (group.value == 0) continue;
    if (group.value > 1) {
      writer.Took(SpellHebrewGroup(group.value, writer.End(), writer.Room(), group.scale,
                                   preceded(), options.ordinal, 0));
    }
    PutHebrewWord(writer, ItemOf(kLargeNumbers, group.nameItem), false);
  }
  if (groups.thousands != 0) HebrewThousands(writer, groups.thousands, preceded(), options.ordinal);
  if (groups.units != 0 || value == 0) {
    writer.Took(SpellHebrewGroup(groups.units, writer.End(), writer.Room(), kScaleUnits, preceded(),
                                 options.ordinal, options.feminine));
  }
  if (article && writer.Length() >= kArticleBytes) {
    output[0] = static_cast<char>(HebCode::He);
    output[1] = static_cast<char>(HebCode::Patah);
  }
  if (!options.cleanUp) return;
  TrimWrittenBlanks(output, writer);
  // The ordinal of ten thousand is a word of its own, without the article.
  if (article && value == kTenThousand) writer.DropFirstBytes(kArticleBytes);
}

}  // namespace

const char* EnglishOrdinalSuffix(unsigned long value) {
  static const char* const kSuffixes[] = {"th", "st", "nd", "rd"};
  constexpr unsigned long kFirstTeen = 11, kLastTeen = 13;
  const unsigned long lastTwo = value % kHundred;
  if (lastTwo >= kFirstTeen && lastTwo <= kLastTeen) return kSuffixes[0];
  const unsigned long last = value % kDecimal;
  return last < sizeof kSuffixes / sizeof kSuffixes[0] ? kSuffixes[last] : kSuffixes[0];
}

int FormatNumber(char* text, int capacity, unsigned long value, int ordinal) {
  TextWriter writer(text, capacity);
  char digits[sizeof(unsigned long) * 3 + 1];  // three digits a byte are enough
  snprintf(digits, sizeof digits, "%lu", value);
  writer.Put(digits);
  if (ordinal) writer.Put(EnglishOrdinalSuffix(value));
  return writer.Length();
}

int SpellEnglishGroup(int value, char* output, int capacity, DWORD scale, int ordinal) {
  TextWriter writer(output, capacity);
  if (value < 0 || value >= kGroupSize) return 0;
  const int h = value / kHundred, t = value / kDecimal % kDecimal, u = value % kDecimal;
  const bool ordinalUnits = ordinal && scale == kScaleUnits;
  if (h != 0) {
    writer.Put(ItemOf(kEnglishUnits, h));
    writer.PutByte(' ');
    writer.Put(kEnglishHundred);
    // A round hundred ends an ordinal: "two hundredth".
    if (ordinalUnits && t == 0 && u == 0) {
      writer.Put(kEnglishOrdinalEnding);
      return writer.Length();
    }
    writer.PutByte(' ');
  }
  if (t == 1) {
    writer.Put(ItemOf(ordinal ? kEnglishOrdinalTeens : kEnglishTeens, u));
    writer.PutByte(' ');
    return writer.Length();
  }
  if (t >= 2) {
    writer.Put(ItemOf(ordinal && u == 0 ? kEnglishOrdinalTens : kEnglishTens, t - 1));
    writer.PutByte(u != 0 ? '-' : ' ');
  }
  if (u == 0 && (h != 0 || t != 0)) return writer.Length();
  writer.Put(ItemOf(ordinalUnits ? kEnglishOrdinalUnits : kEnglishUnits, u));
  writer.PutByte(' ');
  return writer.Length();
}

int HebrewAnd(char* output, int capacity, int nextLetter, int nextVowel) {
  TextWriter writer(output, capacity);
  if (IsShva(nextVowel) || IsLabialLetter(nextLetter)) {
    writer.PutByte(HebCode::Shuruk);
  } else {
    writer.PutByte(HebCode::Vav);
    writer.PutByte(nextVowel == HebCode::HatafPatah ? HebCode::Patah : HebCode::Shva);
  }
  return writer.Length();
}

int SpellHebrewGroup(int value, char* output, int capacity, DWORD scale, int preceded, int ordinal,
                     int feminine) {
  TextWriter writer(output, capacity);
  if (value < 0 || value >= kGroupSize) return 0;
  const int h = value / kHundred, t = value / kDecimal % kDecimal, u = value % kDecimal;
  const bool unitsGroup = scale == kScaleUnits;
  const HebrewLists lists = ListsOfGender(!unitsGroup || !feminine);
  // Counted thousands take the construct form: shloshet alafim.
  const bool thousandsConstruct = scale == kScaleThousands && (t == 0 || (t == 1 && u == 0));
  const bool afterEarlierGroup = unitsGroup && preceded;
  bool written = false;

  if (h != 0) {
    if (h <= 2) {
      const ListItem word = ItemOf(kHundreds, h == 1 ? kHundredItem : kTwoHundredItem);
      PutHebrewWord(writer, word, afterEarlierGroup && t == 0 && u == 0);
    } else {
      writer.Put(ItemOf(kFeminineConstruct, h - 1));
      writer.PutByte(HebCode::Hyphen);
      PutHebrewWord(writer, ItemOf(kHundreds, kHundredsItem), false);
    }
    written = true;
  }
  // The conjunction goes before the group's last word.
  const bool andBeforeTens = u == 0 && (written || afterEarlierGroup);
  if (t == 1) {
    if (scale == kScaleThousands && u == 0) {
      PutHebrewWord(writer, ItemOf(kMasculineConstruct, kAseretItem), andBeforeTens);
    } else if (ordinal && unitsGroup && !preceded && !written && u == 0) {
      PutHebrewWord(writer, ItemOf(lists.ordinals, kTenItem), false);
    } else if (u == 0) {
      PutHebrewWord(writer, ItemOf(lists.teens, u), andBeforeTens);
    } else {
      // The teen word and its ending make one word: shlosha-asar.
      writer.Put(ItemOf(lists.teens, u));
      PutHebrewWord(writer, WholeText(lists.teenEnding), false);
    }
    return writer.Length();
  }
  if (t >= 2) {
    PutHebrewWord(writer, ItemOf(kTens, t - 1), andBeforeTens);
    written = true;
  }
  if (value == 0 || u != 0) {
    if (ordinal && unitsGroup && !preceded && !written) {
      PutHebrewWord(writer, ItemOf(lists.ordinals, u), false);
      return writer.Length();
    }
    ListItem word = ItemOf(lists.counting, u);
    if ((scale == kScaleMillions || scale == kScaleBillions) && u == 2 && !written) {
      word = ItemOf(kMasculineConstruct, kShneiItem);
    } else if (thousandsConstruct && u != 0) {
      word = ItemOf(kMasculineConstruct, u - 1);
    }
    PutHebrewWord(writer, word, written || afterEarlierGroup);
  }
  return writer.Length();
}

int NumberToWords(char* output, int capacity, double value, const NumberWordsOptions& options) {
  TextWriter writer(output, capacity);
  // Also false for NaN.
  if (!(value >= 0 && value <= kLargestSpelledNumber)) return 0;
  value = std::trunc(value);
  if (options.language == kNumberHebrew) {
    HebrewNumberToWords(output, writer, value, options);
  } else {
    EnglishNumberToWords(writer, value, options.ordinal);
    if (options.cleanUp) TrimWrittenBlanks(output, writer);
  }
  return writer.Length();
}
