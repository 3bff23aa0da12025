// What the typing rules make of keys typed on an empty side, worked out by
// the portable editor without a window: what the window tests expect the
// view (or the program) to have typed.
#pragma once

#include <string>
#include <vector>

#include "editor/core/DocEditor.h"
#include "editor/core/FixedDocMetrics.h"

// A side's text: letters with their points.
struct TypedText {
  std::string letters;
  std::vector<BYTE> points;
  bool operator==(const TypedText& o) const { return letters == o.letters && points == o.points; }
  bool operator!=(const TypedText& o) const { return !(*this == o); }
};

inline TypedText SideText(DocTextModel& model, int side) {
  TypedText text;
  for (DocCharNode* c = model.GetHead(side)->next; c != nullptr; c = c->next) {
    text.letters += static_cast<char>(c->letter);
    text.points.push_back(c->point);
  }
  return text;
}

class NoDocWindow : public IDocUISink {
 public:
  CSize GetClientSize() override { return CSize(800, 600); }
  void SetScrollSizes(CSize, CSize, CSize) override {}
  void Redraw() override {}
  void OnLayoutChanged(int) override {}
  void SetModifiedFlag() override {}
};

// The keys typed on the side of an empty document whose side is set in the
// face (the typing rules map keys to Hebrew in the program's Hebrew faces).
inline TypedText TypedByRules(const CString& face, int side, const std::string& keys) {
  FixedDocMetrics metrics;
  NoDocWindow window;
  DocTextModel model(metrics, window);
  DocSideDefaults defaults[kDocSideCount];
  defaults[side].face = face;
  model.InitContents(defaults);
  model.CreateEmptySides();
  model.SetCurrentSide(side);
  DocEditor editor(model, window);
  for (char key : keys) editor.TypeChar(static_cast<BYTE>(key));
  return SideText(model, side);
}
