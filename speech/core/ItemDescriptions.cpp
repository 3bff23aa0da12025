#include "speech/core/ItemDescriptions.h"

#include <algorithm>

#include "hebtext/core/HebChar.h"
#include "speech/generated/ReferenceTexts.h"

namespace {

using namespace HebCode;
namespace texts = reference_texts;

constexpr char kFieldSeparator = '|';
constexpr char kNameSeparator = '*';
constexpr char kMeaningSeparator = '@';
constexpr char kParagraphSeparator = '\n';
constexpr size_t kComposedLimit = kDescriptionBufferSize - 1;

enum Field { kHebrewNamesField, kEnglishNamesField, kOrdinalField, kSoundsField, kFirstExample };

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string::npos;
       at = text.find(separator, start)) {
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::vector<std::string> SplitNonEmpty(const std::string& text, char separator) {
  return text.empty() ? std::vector<std::string>() : Split(text, separator);
}

// The description's parts, with "" for any the item lacks, so that every
// template has its arguments.
struct Parts {
  ItemDescription d;
  const std::string& English(size_t i) const { return Get(d.englishNames, i); }
  const std::string& Hebrew(size_t i) const { return Get(d.hebrewNames, i); }
  const std::string& Sound(size_t pair) const { return Get(d.sounds, 2 * pair); }
  const std::string& SoundWord(size_t pair) const { return Get(d.sounds, 2 * pair + 1); }

 private:
  static const std::string& Get(const std::vector<std::string>& list, size_t i) {
    static const std::string empty;
    return i < list.size() ? list[i] : empty;
  }
};

std::string Letter(int code) { return std::string(1, static_cast<char>(code)); }

bool IsOneOf(int code, std::initializer_list<int> codes) {
  for (int c : codes) {
    if (c == code) return true;
  }
  return false;
}

// The plain letter a letter with a tick is written on.
int LetterUnderTick(int code) {
  switch (code) {
    case GimelGeresh: return Gimel;
    case ZayinGeresh: return Zayin;
    case FinalTsadiGeresh: return FinalTsadi;
    default: return Tsadi;
  }
}

// The sentences the item's kind composes, before the guttural paragraph.
void ComposeSentences(int code, const Parts& p, std::string& out) {
  const auto add = [&out](const char* format, std::initializer_list<std::string> args) {
    AppendFormatted(out, kComposedLimit, format, args);
  };
  const auto pronounced = [&] { add(texts::kPronouncedSentence, {p.Sound(0), p.SoundWord(0)}); };
  if (IsOneOf(code, {Bet, Kaf, Pe})) {
    add(texts::kTwoNameSentence,
        {p.English(0), p.Hebrew(0), p.English(1), p.Hebrew(1), p.d.ordinal});
    add(texts::kDageshSentence, {Letter(AddDagesh(code)), p.English(0), p.Sound(0), p.SoundWord(0),
                                 Letter(code), p.English(1), p.Sound(1), p.SoundWord(1)});
  } else if (code == FinalKaf) {
    add(texts::kFinalKafSentence,
        {p.English(0), p.Hebrew(0), p.English(1), p.Hebrew(1), p.d.ordinal});
    add(texts::kFinalKafSoundSentence, {Letter(FinalKafDagesh), p.Sound(0), p.SoundWord(0),
                                        Letter(FinalKaf), p.Sound(1), p.SoundWord(1)});
  } else if (IsOneOf(code, {FinalMem, FinalNun, FinalPe, FinalTsadi})) {
    add(texts::kFinalFormSentence, {p.English(0), p.Hebrew(0), Letter(FinalToRegularLetter(code))});
    pronounced();
  } else if (IsOneOf(code, {ShinShinDot, ShinSinDot})) {
    add(texts::kAlongWithSentence,
        {p.English(0), p.Hebrew(0), p.English(1), p.Hebrew(1), p.d.ordinal});
    pronounced();
  } else if (IsOneOf(code, {GimelGeresh, ZayinGeresh, TsadiGeresh, FinalTsadiGeresh})) {
    add(code == FinalTsadiGeresh ? texts::kFinalTickSentence : texts::kTickSentence,
        {p.English(0), Letter(LetterUnderTick(code)), Letter(code)});
    pronounced();
  } else if (code == Tav) {
    add(texts::kLetterSentence, {p.English(0), p.Hebrew(0), p.d.ordinal});
    add(texts::kTavSephardiSentence, {p.Sound(0), p.SoundWord(0)});
    add(texts::kTavAshkenaziSentence, {p.Sound(1), p.SoundWord(1)});
  } else if (IsHebrewLetter(code)) {
    add(texts::kLetterSentence, {p.English(0), p.Hebrew(0), p.d.ordinal});
    if (IsAlefOrAyin(code)) {
      add(texts::kSilentSentence, {});
    } else {
      pronounced();
    }
  } else if (IsOneOf(code, {Tsere, Holam, Shuruk, HolamMale})) {
    add(texts::kLongVowelSentence, {p.English(0), p.Hebrew(0)});
    pronounced();
    if (code == Holam || code == HolamMale) add(texts::kHolamVavSentence, {});
  } else if (IsOneOf(code, {Segol, Patah, Qubuts})) {
    add(texts::kShortVowelSentence, {p.English(0), p.Hebrew(0)});
    pronounced();
  } else if (IsHatafVowel(code)) {
    add(texts::kKhatafSentence, {p.English(0), p.Hebrew(0)});
    pronounced();
    add(code == HatafQamats ? texts::kKhatafMainlySentence : texts::kKhatafGutturalsSentence, {});
  }
  // Qamats qatan, shva, hiriq, qamats, dagesh and meteg have only their own
  // paragraphs.
}

}  // namespace

void AppendFormatted(std::string& out, size_t limit, const char* format,
                     std::initializer_list<std::string> args) {
  const std::string* next = args.begin();
  const auto put = [&out, limit](const char* text, size_t length) {
    if (out.size() >= limit) return;
    out.append(text, std::min(length, limit - out.size()));
  };
  for (const char* p = format; *p; ++p) {
    if (*p != '%' || (p[1] != 's' && p[1] != 'c' && p[1] != '%')) {
      put(p, 1);
      continue;
    }
    const char kind = *++p;
    if (kind == '%') {
      put(p, 1);
    } else if (next != args.end()) {
      put(next->data(), kind == 's' ? next->size() : std::min<size_t>(1, next->size()));
      ++next;
    }
  }
}

const char* GetItemDescriptionText(int code) {
  for (const texts::ItemText& item : texts::kItemTexts) {
    if (item.code == code) return item.fields;
  }
  return nullptr;
}

bool GetItemDescription(int code, ItemDescription& description) {
  description = ItemDescription();
  const texts::ItemText* item = nullptr;
  for (const texts::ItemText& candidate : texts::kItemTexts) {
    if (candidate.code == code) item = &candidate;
  }
  if (!item) return false;
  const std::vector<std::string> fields = Split(item->fields, kFieldSeparator);
  description.hebrewNames = SplitNonEmpty(fields[kHebrewNamesField], kNameSeparator);
  description.englishNames = SplitNonEmpty(fields[kEnglishNamesField], kNameSeparator);
  description.ordinal = fields[kOrdinalField];
  description.sounds = SplitNonEmpty(fields[kSoundsField], kNameSeparator);
  for (size_t i = kFirstExample; i < fields.size(); ++i) {
    const std::string& field = fields[i];
    const size_t at = field.find(kMeaningSeparator);
    description.examples.push_back({field[0] - '0', field.substr(1, at - 1), field.substr(at + 1)});
  }
  std::vector<std::string> paragraphs = Split(item->paragraphs, kParagraphSeparator);
  paragraphs.pop_back();  // each ends with the separator
  description.paragraphs = paragraphs;
  return true;
}

std::string ComposeDescription(int code) {
  Parts parts;
  if (!GetItemDescription(code, parts.d)) return std::string();
  std::string out;
  ComposeSentences(code, parts, out);
  if (IsGutturalLetter(code)) {
    if (!out.empty()) AppendFormatted(out, kComposedLimit, "\n", {});
    AppendFormatted(out, kComposedLimit, reference_texts::kGutturalSentence,
                    {parts.English(0), Letter(code)});
  }
  for (const std::string& paragraph : parts.d.paragraphs) {
    if (!out.empty()) AppendFormatted(out, kComposedLimit, "\n", {});
    AppendFormatted(out, kComposedLimit, "%s", {paragraph});
  }
  return out;
}
