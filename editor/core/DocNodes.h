// The three node kinds of a document side: characters in one doubly linked
// list, partitioned into lines, and lines partitioned into pages. Only the
// first character of a line points to the line, and only the first line of a
// page points to the page.
#pragma once

#include "classlib/core/CArray.h"
#include "classlib/core/WinTypes.h"
#include "editor/core/CharAttr.h"
#include "hebtext/core/HebChar.h"

struct DocLineNode;
struct DocPageNode;
struct DocSection;
class CPageLayout;

enum : BYTE {
  kLetterTab = HebCode::Tab,
  kLetterPageBreak = HebCode::FormFeed,
  kLetterLineBreak = HebCode::CarriageReturn,
  kLetterSpace = HebCode::Space,
};

inline bool IsBreakLetter(BYTE letter) {
  return letter == kLetterPageBreak || letter == kLetterLineBreak;
}
// Where a line may wrap: after a tab, break, space or hyphen.
inline bool IsBreakOpportunity(BYTE letter) {
  return letter == kLetterTab || IsBreakLetter(letter) || letter == kLetterSpace || letter == '-';
}

struct DocCharNode {
  BYTE letter;   // 0 only in a side's head node
  BYTE point;    // vowel point carried by the letter, 0 none
  SHORT width;   // advance in device pixels
  SHORT height;  // text height plus external leading of the font
  SHORT ascent;
  SHORT descent;
  CharAttr attributes;
  DocLineNode* line;  // set only in the first character of a line
  DocCharNode* prev;
  DocCharNode* next;
};

// What the last layout wrote for a line; a line laid out to the same values
// is not repainted.
struct DocLineCache {
  int top = 0;  // from the top of the page's text area
  int height = 0;
  int width = 0;
  DocCharNode* first = nullptr;
  DocCharNode* last = nullptr;
  CPageLayout* layout = nullptr;

  bool operator==(const DocLineCache& o) const {
    return top == o.top && height == o.height && width == o.width && first == o.first &&
           last == o.last && layout == o.layout;
  }
  bool operator!=(const DocLineCache& o) const { return !(*this == o); }
};

struct DocLineNode {
  DocCharNode* first = nullptr;
  DocCharNode* last = nullptr;  // null in the last line: to the end of the side
  DocSection* section = nullptr;
  DocPageNode* page = nullptr;  // set only in the first line of a page
  DocLineNode* prev = nullptr;
  DocLineNode* next = nullptr;
  DWORD format = 0;          // paragraph format word
  BYTE side = 0;             // the side the line belongs to
  RECT rect = {0, 0, 0, 0};  // kept by painting
  DocLineCache cache;
};

// A paragraph's first line is the side's first or begins with a break.
inline bool BeginsParagraph(const DocLineNode* line) {
  return line->prev == nullptr || IsBreakLetter(line->first->letter);
}

inline DocLineNode* ParagraphFirstLine(DocLineNode* line) {
  while (!BeginsParagraph(line)) line = line->prev;
  return line;
}

inline DocLineNode* ParagraphLastLine(DocLineNode* line) {
  while (line->next != nullptr && !BeginsParagraph(line->next)) line = line->next;
  return line;
}

struct DocPageNode {
  DWORD side = 0;
  DocLineNode* first = nullptr;
  DocLineNode* last = nullptr;  // null in the last page: to the last line
  DocPageNode* prev = nullptr;
  DocPageNode* next = nullptr;
  CArray<DocLineNode*, DocLineNode*> lineIndex;  // rebuilt on demand
  int count = -1;                                // entries of lineIndex; -1 while it is out of date
  int index = 0;  // place in the side's page list, kept by the model's page table
};
