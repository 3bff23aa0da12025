// A laid-out document with its page view and caret navigator, a view that
// scrolls without a window, and positions by character index.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "editor/core/DocCaretNavigator.h"
#include "editor/core/DocPageView.h"
#include "editor/tests/core/DocEditTestSupport.h"

constexpr int kTestRulerWidth = 20;
constexpr int kTestRulerHeight = 10;

// A client area that moves as the scroll codes ask, recording them.
class FakeViewScroll : public IDocViewScroll {
 public:
  static constexpr int kLine = 19;
  explicit FakeViewScroll(int documentHeight) : m_height(documentHeight) {}

  void ScrollView(UINT code) override {
    codes.push_back(code);
    int top = client.top;
    switch (code) {
      case kScrollLineUp: top -= kLine; break;
      case kScrollLineDown: top += kLine; break;
      case kScrollPageUp: top -= client.Height(); break;
      case kScrollPageDown: top += client.Height(); break;
      case kScrollTop: top = 0; break;
      case kScrollBottom: top = m_height; break;
    }
    top = std::max(0, std::min(top, std::max(0, m_height - client.Height())));
    client.OffsetRect(0, top - client.top);
  }
  CRect GetClientRect() override { return client; }

  CRect client{0, 0, 400, 120};
  std::vector<UINT> codes;

 private:
  int m_height;
};

struct ViewDoc : EditDoc {
  ViewDoc() : pages(model), nav(editor, pages) {
    pages.SetRulerSize(kTestRulerWidth, kTestRulerHeight);
  }

  // Loads both sides and puts each caret at the head.
  void LoadSides(const std::string& english, const std::string& hebrew) {
    Load(kEnglish, english);
    Load(kHebrew, hebrew);
    model.UpdatePageUnion();
    for (int side : {kEnglish, kHebrew}) model.Side(side).caret = Head(side);
  }
  void Activate(int side) { model.SetCurrentSide(side); }

  DocCharNode* At(int side, int index) { return SideChars(model, side).at(index); }
  int IndexOf(int side, const DocCharNode* node) {
    return node == nullptr ? -1 : CharIndex(SideChars(model, side))(node);
  }
  int Caret(int side) { return IndexOf(side, model.Side(side).caret); }
  int Anchor(int side) { return IndexOf(side, model.Side(side).anchor); }
  // Indices of the characters carrying the selection mark.
  std::vector<int> Marked(int side) {
    std::vector<int> marked;
    std::vector<DocCharNode*> chars = SideChars(model, side);
    for (size_t i = 0; i < chars.size(); i++)
      if (chars[i]->attributes & CharAttrBits::kTransientMark)
        marked.push_back(static_cast<int>(i));
    return marked;
  }
  DocLineNode* Line(int side, int n) {
    DocLineNode* line = Head(side)->line;
    while (n-- > 0) line = line->next;
    return line;
  }
  CPoint MidPoint(const CRect& r) { return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

  DocPageView pages;
  DocCaretNavigator nav;
};

inline std::vector<int> Range(int first, int last) {
  std::vector<int> v;
  for (int i = first; i <= last; i++) v.push_back(i);
  return v;
}
