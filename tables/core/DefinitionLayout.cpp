#include "tables/core/DefinitionLayout.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

constexpr int kNoHighlight = -1;

bool IsCoreChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; }

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

class DefinitionLayout {
 public:
  DefinitionLayout(const DefinitionFrame& frame, DefinitionMeasurer& measurer)
      : frame_(frame), measurer_(measurer) {
    at_ = {frame.bounds.left, frame.bounds.top};
  }

  std::vector<DefinitionRun> Run(std::string text) {
    if (text.empty()) return runs_;
    // A leading separator numbers the first definition like the others.
    if (text.find(';') != std::string::npos) text.insert(0, 1, ';');
    AddText(kDefinitionHeading, kDefinitionHeadingColour, false);
    size_t i = 0;
    while (i <= text.size()) i = Step(text, i);
    return runs_;
  }

 private:
  // Reads the character at i (the text's end included) and returns where
  // reading goes on.
  size_t Step(const std::string& text, size_t i) {
    if (i == text.size()) {
      if (!inHebrew_) EndWord();
      return i + 1;
    }
    const char c = text[i];
    if (inHebrew_) {
      if (c == '>')
        EndHebrew();
      else
        hebrewText_ += c;
      return i + 1;
    }
    switch (c) {
      case ' ':
        EndWord();
        AdvanceBlank();
        return i + 1;
      case ';':
        EndWord();
        AdvanceBlank();
        pendingNumber_ = (number_ > 1 ? " " : "") + std::to_string(number_) + ". ";
        ++number_;
        // Blanks after a separator are not drawn.
        return std::min(text.find_first_not_of(' ', i + 1), text.size());
      case '<':
        EndWord();
        inHebrew_ = true;
        hebrewText_.clear();
        return i + 1;
      case ']': {
        word_ += c;
        // A punctuation mark after the bracket stays on its line.
        const bool punctuation = i + 1 < text.size() &&
                                 std::ispunct(static_cast<unsigned char>(text[i + 1])) &&
                                 !std::strchr(";<[]&", text[i + 1]);
        if (punctuation) word_ += text[i + 1];
        EndWord();
        colour_ = kDefinitionWordColour;
        return i + (punctuation ? 2 : 1);
      }
      case '[':
        colour_ = kDefinitionBracketColour;
        word_ += c;
        return i + 1;
      case '&': markNext_ = true; return i + 1;
      default: word_ += c; return i + 1;
    }
  }

  // Goes to the next line when width more would pass the right edge, unless
  // the line is still empty (a word wider than the window stays whole).
  void WrapFor(int width) {
    if (at_.x > frame_.bounds.left && at_.x + width > frame_.bounds.right) {
      at_.x = frame_.bounds.left;
      at_.y += frame_.lineHeight;
    }
  }

  // The pending number goes to the line of the word it numbers.
  void PlaceWithNumber(int width) {
    const int numberWidth = pendingNumber_.empty() ? 0 : measurer_.TextWidth(pendingNumber_);
    WrapFor(numberWidth + width);
    if (!pendingNumber_.empty()) AddText(pendingNumber_, kDefinitionNumberColour, false);
    pendingNumber_.clear();
  }

  void EndWord() {
    if (word_.empty()) return;
    PlaceWithNumber(measurer_.TextWidth(word_));
    DrawWord();
    word_.clear();
    markNext_ = false;
  }

  void EndHebrew() {
    inHebrew_ = false;
    const DefinitionHebrew hebrew = ParseHebrewMarkup(hebrewText_);
    if (hebrew.letters.empty()) return;
    const int width = measurer_.HebrewWidth(hebrew);
    PlaceWithNumber(width);
    DefinitionRun run{std::string(), hebrew, true, kDefinitionBracketColour, false, at_};
    runs_.push_back(run);
    at_.x += width;
  }

  void AdvanceBlank() {
    if (at_.x + frame_.blankWidth <= frame_.bounds.right) at_.x += frame_.blankWidth;
  }

  void AddText(const std::string& text, COLORREF colour, bool highlighted) {
    if (text.empty()) return;
    const bool opaque = highlighted && !frame_.printing;
    runs_.push_back({text, DefinitionHebrew(), false,
                     highlighted ? kDefinitionHighlightColour : colour, opaque, at_});
    at_.x += measurer_.TextWidth(text);
  }

  bool IsTerm(const std::string& text) const {
    return frame_.highlightedNumber != kNoHighlight && !frame_.highlightTerm.empty() &&
           EqualsIgnoringCase(text, frame_.highlightTerm);
  }

  // The word apart from its marked leading punctuation and what follows its
  // core of letters, digits and '-'; the core, or one side of its hyphen,
  // is highlighted when it is the term.
  void DrawWord() {
    size_t coreStart = 0;
    if (markNext_) {
      while (coreStart < word_.size() && !IsCoreChar(word_[coreStart])) ++coreStart;
      AddText(word_.substr(0, coreStart), colour_, false);
    }
    size_t coreEnd = coreStart;
    while (coreEnd < word_.size() && IsCoreChar(word_[coreEnd])) ++coreEnd;
    const std::string core = word_.substr(coreStart, coreEnd - coreStart);
    const size_t hyphen = core.find('-');
    if (hyphen != std::string::npos && !IsTerm(core) && IsTerm(core.substr(0, hyphen))) {
      AddText(core.substr(0, hyphen), colour_, true);
      AddText(core.substr(hyphen), colour_, false);
    } else if (hyphen != std::string::npos && !IsTerm(core) && IsTerm(core.substr(hyphen + 1))) {
      AddText(core.substr(0, hyphen + 1), colour_, false);
      AddText(core.substr(hyphen + 1), colour_, true);
    } else {
      AddText(core, colour_, IsTerm(core));
    }
    AddText(word_.substr(coreEnd), colour_, false);
  }

  const DefinitionFrame& frame_;
  DefinitionMeasurer& measurer_;
  std::vector<DefinitionRun> runs_;
  POINT at_;
  COLORREF colour_ = kDefinitionWordColour;
  std::string word_;
  std::string pendingNumber_;
  unsigned number_ = 1;
  bool markNext_ = false;
  bool inHebrew_ = false;
  std::string hebrewText_;
};

}  // namespace

std::vector<DefinitionRun> LayOutDefinition(const std::string& markup, const DefinitionFrame& frame,
                                            DefinitionMeasurer& measurer) {
  return DefinitionLayout(frame, measurer).Run(markup);
}
