#include "tools/tutorc/TutorialSource.h"

#include <map>

#include "tools/tutorc/ReferenceText.h"

namespace {

struct TextBlock {
  std::vector<BYTE> bytes;
  std::map<std::string, DWORD> offsets;  // a text written twice is stored once

  DWORD Add(const std::string& text) {
    auto found = offsets.find(text);
    if (found != offsets.end()) return found->second;
    const DWORD offset = static_cast<DWORD>(bytes.size());
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.push_back(0);
    offsets[text] = offset;
    return offset;
  }
};

struct ItemStep {
  const char* keyword;
  DWORD kind;
  BYTE flag;
  bool text;
};

constexpr ItemStep kItemSteps[] = {
    {"introduce", kTutorIntroduce, 0, false},
    {"reintroduce", kTutorIntroduce, kTutorReintroducing, false},
    {"explain", kTutorIntroduce, kTutorExplanationFromText, true},
    {"compare", kTutorCompare, 0, true},
    {"contrast", kTutorCompare, kTutorComparisonTitle, true},
    {"note", kTutorCompare, kTutorNoTitle, true},
};

const ItemStep* FindItemStep(const std::string& keyword) {
  for (const ItemStep& step : kItemSteps) {
    if (keyword == step.keyword) return &step;
  }
  return nullptr;
}

TutorStep ReadItemStep(const SourceLine& line, const ItemStep& shape, TextBlock& text) {
  TutorStep step;
  step.kind = shape.kind;
  step.flag = shape.flag;
  const size_t itemEnd = line.tokens.size() - (shape.text ? 1 : 0);
  const size_t items = itemEnd - 1;
  if (items < 1 || items > kTutorItemSlots) {
    throw SourceError(line, std::string(shape.keyword) + " takes one to three items" +
                                (shape.text ? " and a quoted text" : ""));
  }
  for (size_t i = 0; i < items; ++i) step.items[i] = ParseItem(line, line.tokens[1 + i]);
  if (shape.text) step.text = text.Add(ConvertReferenceText(line, line.tokens.back()));
  return step;
}

TutorStep ReadStep(const SourceLine& line, TextBlock& text) {
  const std::string& keyword = line.tokens[0];
  if (const ItemStep* shape = FindItemStep(keyword)) return ReadItemStep(line, *shape, text);
  TutorStep step;
  if (keyword == "practice") {
    ExpectTokens(line, 2, 1 + kTutorWordButtons, "practice <one to four words>");
    step.kind = kTutorPractice;
    for (size_t k = 1; k < line.tokens.size(); ++k) {
      step.words[k - 1] = text.Add(ConvertPointedWord(line, line.tokens[k]));
    }
  } else if (keyword == "end") {
    ExpectTokens(line, 1, 1, "end");
    step.kind = kTutorEndOfLesson;
  } else {
    throw SourceError(line, "\"" + keyword + "\" is not a step");
  }
  return step;
}

std::string ReadCaption(const SourceLine& line) {
  std::string word;
  if (line.tokens.size() == 3 && IsQuoted(line.tokens[2], &word)) return word;
  if (line.tokens.size() < 3) throw SourceError(line, "a lesson needs its caption");
  std::string caption;
  for (size_t i = 2; i < line.tokens.size(); ++i) {
    if (!caption.empty()) caption += ' ';
    caption += static_cast<char>(ParseItem(line, line.tokens[i]));
  }
  return caption;
}

}  // namespace

CompiledTutorial CompileTutorial(const std::string& path, const std::string& displayName) {
  CompiledTutorial tutorial;
  TextBlock text;
  const std::vector<SourceBlock> blocks = SplitBlocks(ReadSourceLines(path, displayName));
  int lesson = 0;
  for (const SourceBlock& block : blocks) {
    const SourceLine& header = block.header;
    if (header.tokens[0] != "lesson")
      throw SourceError(header, "expected \"lesson <n> <caption>\"");
    if (header.tokens.size() < 2 ||
        ParseNumber(header, header.tokens[1], 1, kTutorLessonCount) != lesson + 1) {
      throw SourceError(header, "expected lesson " + std::to_string(lesson + 1));
    }
    tutorial.data.lessons[lesson] = static_cast<WORD>(tutorial.data.steps.size());
    tutorial.captions.push_back(ReadCaption(header));
    if (block.body.empty() || block.body.back().tokens[0] != "end") {
      throw SourceError(header, "the lesson does not end with an end step");
    }
    for (const SourceLine& line : block.body) {
      const TutorStep step = ReadStep(line, text);
      if (step.kind == kTutorEndOfLesson && &line != &block.body.back()) {
        throw SourceError(line, "an end step ends its lesson");
      }
      tutorial.data.steps.push_back(step);
    }
    ++lesson;
  }
  if (lesson != kTutorLessonCount) {
    throw SourceError(displayName + ": has " + std::to_string(lesson) + " lessons, not " +
                      std::to_string(kTutorLessonCount));
  }
  if (tutorial.data.steps.size() >= kNoTutorStep) {
    throw SourceError(displayName + ": has more steps than a lesson can index");
  }
  tutorial.data.lessons[kTutorLessonCount] = static_cast<WORD>(tutorial.data.steps.size());
  tutorial.data.text = std::move(text.bytes);
  return tutorial;
}
