#include "tools/tutorc/DescriptionSource.h"

#include <algorithm>
#include <map>

#include "hebtext/core/HebChar.h"
#include "speech/core/ItemMatch.h"
#include "tools/tutorc/ReferenceText.h"

namespace {

constexpr char kFieldSeparator = '|';
constexpr char kNameSeparator = '*';
constexpr char kMeaningSeparator = '@';
constexpr size_t kMaxNames = 2;
constexpr size_t kHighestPosition = 9;  // the position is one digit

bool IsTemplateName(const std::string& name) {
  if (name.empty() || name.front() == '-' || name.back() == '-') return false;
  return std::all_of(name.begin(), name.end(),
                     [](char c) { return (c >= 'a' && c <= 'z') || c == '-'; });
}

// Only %s, %c and %% may stand in a template.
void CheckConversions(const SourceLine& line, const std::string& text) {
  for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 2)) {
    const char kind = at + 1 < text.size() ? text[at + 1] : 0;
    if (kind != 's' && kind != 'c' && kind != '%') {
      throw SourceError(line, "a template takes %s, %c and %% only");
    }
  }
}

std::string Plain(const SourceLine& line, const std::string& token) {
  std::string text;
  if (!IsQuoted(token, &text)) text = token;
  if (text.find_first_of("|*@$#") != std::string::npos) {
    throw SourceError(line, "\"" + text + "\" holds a separator of the description");
  }
  return text;
}

std::string Example(const SourceLine& line, BYTE item) {
  ExpectTokens(line, 3, 3, "example <word> \"meaning\"");
  std::string text;  // quoted when it is more than one word
  if (!IsQuoted(line.tokens[1], &text)) text = line.tokens[1];
  const PointedWord word = ConvertReferenceWord(line, text);
  size_t position = 0;
  while (position < word.letters.size() &&
         !ShowsItem(item, static_cast<BYTE>(word.letters[position]),
                    static_cast<BYTE>(word.vowels[position]))) {
    ++position;
  }
  if (position == word.letters.size())
    throw SourceError(line, "the example does not show its item");
  if (position > kHighestPosition) {
    throw SourceError(line, "the item stands past the tenth letter of the example");
  }
  if (!IsQuoted(line.tokens[2])) throw SourceError(line, "a meaning is a quoted text");
  return std::to_string(position) + MergedWord(word) + kMeaningSeparator +
         Plain(line, line.tokens[2]);
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts) {
    if (!text.empty()) text += kNameSeparator;
    text += part;
  }
  return text;
}

ItemDescriptionSource ReadItem(const SourceBlock& block) {
  const SourceLine& header = block.header;
  ExpectTokens(header, 2, 2, "item <item>");
  ItemDescriptionSource item;
  item.code = ParseItem(header, header.tokens[1]);
  std::vector<std::string> names, english, sounds, examples;
  std::string ordinal;
  for (const SourceLine& line : block.body) {
    const std::string& key = line.tokens[0];
    if (key == "names" || key == "english") {
      ExpectTokens(line, 2, 1 + kMaxNames, "names|english <one or two names>");
      for (size_t i = 1; i < line.tokens.size(); ++i) {
        const std::string name = Plain(line, line.tokens[i]);
        if (key == "names") {
          names.push_back(ConvertPointedWord(line, name));
        } else {
          english.push_back(name);
        }
      }
    } else if (key == "ordinal") {
      ExpectTokens(line, 2, 2, "ordinal <text>");
      ordinal = Plain(line, line.tokens[1]);
    } else if (key == "sounds") {
      ExpectTokens(line, 3, 3, "sounds <sound> \"<word>\"");
      sounds.push_back(Plain(line, line.tokens[1]));
      sounds.push_back(Plain(line, line.tokens[2]));
    } else if (key == "example") {
      examples.push_back(Example(line, item.code));
    } else if (key == "paragraph") {
      ExpectTokens(line, 2, 2, "paragraph \"text\"");
      item.paragraphs += ConvertReferenceText(line, line.tokens[1]) + '\n';
    } else {
      throw SourceError(line, "\"" + key + "\" is not a part of a description");
    }
  }
  if (names.empty() || names.size() != english.size()) {
    throw SourceError(header, "an item has as many English names as Hebrew names");
  }
  if (!sounds.empty() && sounds.size() != 2 * names.size()) {
    throw SourceError(header, "an item has one sound a name, or none");
  }
  if (examples.size() != 0 && examples.size() != 3 && examples.size() != 6) {
    throw SourceError(header, "an item has no, three or six examples");
  }
  std::vector<std::string> fields{Joined(names), Joined(english), ordinal, Joined(sounds)};
  fields.insert(fields.end(), examples.begin(), examples.end());
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i != 0) item.fields += kFieldSeparator;
    item.fields += fields[i];
  }
  return item;
}

}  // namespace

CompiledDescriptions CompileDescriptions(const std::string& path, const std::string& displayName) {
  CompiledDescriptions compiled;
  std::map<BYTE, ItemDescriptionSource> items;
  for (const SourceBlock& block : SplitBlocks(ReadSourceLines(path, displayName))) {
    const SourceLine& header = block.header;
    if (header.tokens[0] == "template") {
      ExpectTokens(header, 3, 3, "template <name> \"text\"");
      if (!block.body.empty()) throw SourceError(block.body[0], "a template is one line");
      const std::string& name = header.tokens[1];
      if (!IsTemplateName(name))
        throw SourceError(header, "\"" + name + "\" is not a template name");
      for (const DescriptionTemplate& other : compiled.templates) {
        if (other.name == name) throw SourceError(header, "template " + name + " is given twice");
      }
      const std::string text = ConvertReferenceText(header, header.tokens[2]);
      CheckConversions(header, text);
      compiled.templates.push_back({name, text});
    } else if (header.tokens[0] == "item") {
      ItemDescriptionSource item = ReadItem(block);
      if (items.count(item.code)) throw SourceError(header, "the item is described twice");
      items[item.code] = item;
    } else {
      throw SourceError(header, "expected \"template\" or \"item\"");
    }
  }
  for (const auto& entry : items) compiled.items.push_back(entry.second);
  return compiled;
}
