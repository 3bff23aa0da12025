// A long document for the editor benchmarks: text of random words laid into
// side 0 as a file load does.
#pragma once

#include <random>
#include <string>

#include "editor/core/DocTextModel.h"
#include "editor/core/FixedDocMetrics.h"
#include "editor/core/WindowlessUISink.h"

namespace bench {

// The client area of a document window on a 1280 by 1024 screen.
class QuietUISink : public WindowlessUISink {
 public:
  QuietUISink() : WindowlessUISink(CSize(1000, 800)) {}
};

// Words of 2 to 9 letters, a paragraph break every 60 words or so.
inline std::string MakeText(size_t length) {
  std::mt19937 rng(42);
  std::string text;
  while (text.size() < length) {
    int letters = 2 + static_cast<int>(rng() % 8);
    for (int i = 0; i < letters; i++) text += static_cast<char>('a' + rng() % 26);
    text += rng() % 60 == 0 ? '\r' : ' ';
  }
  return text;
}

struct Document {
  Document() : model(metrics, ui) {
    DocSideDefaults defaults[kDocSideCount];
    for (DocSideDefaults& d : defaults) d.face = "Times New Roman";
    model.InitContents(defaults);
    model.CreateEmptySides();
  }

  // Fills side 0 as a file load does, without laying it out.
  void Fill(const std::string& text) {
    model.PreallocCharNodes(static_cast<int>(text.size()));
    model.SetBulkInsert(TRUE);
    DocCharNode* after = model.GetHead(0);
    for (char ch : text) {
      after = model.InsertCharAfter(after, static_cast<BYTE>(ch), 0);
      model.MeasureCharNode(after, 0);
    }
    model.SetBulkInsert(FALSE);
  }

  FixedDocMetrics metrics;
  QuietUISink ui;
  DocTextModel model;
};

// 200 letter pages of 12-point text: about 45 lines of 60 characters each.
inline const std::string& TwoHundredPages() {
  static const std::string text = MakeText(200 * 45 * 60);
  return text;
}

}  // namespace bench
