// The main frame's small rules: menu texts, font ageing,
// where the focus goes, which grammar commands are enabled.
#include <gtest/gtest.h>

#include "shell/core/DockFocus.h"
#include "shell/core/FontCacheAge.h"
#include "shell/core/FrameMenuRules.h"
#include "shell/core/GrammarCommands.h"

namespace {

TEST(FrameMenuRulesTest, OnlyTheDeveloperPopupIsRecognisedInAnyCase) {
  struct Case {
    const char* text;
    bool developer;
  };
  const Case cases[] = {
      {"&Developer", true},   {"&DEVELOPER", true}, {"&developer", true}, {"Developer", false},
      {"&Developers", false}, {"&Develop", false},  {"&Help", false},     {"", false},
      {nullptr, false}};
  for (const Case& c : cases)
    EXPECT_EQ(c.developer, framemenu::IsDeveloperMenu(c.text)) << (c.text ? c.text : "null");
}

TEST(FontCacheAgeTest, AFontIsStaleOnlyWhenUnusedForMoreThanFiveMinutes) {
  struct Case {
    std::uint32_t now, stamp;
    bool stale;
  };
  const Case cases[] = {
      {300000, 0, false},          {300001, 0, true},
      {1000, 1000, false},         {5000, 0xFFFFF000u, false},  // wrapped
      {300000, 0xFFFFFFFFu, true}, {0, 1, true}};  // a stamp ahead: unsigned age is huge
  for (const Case& c : cases)
    EXPECT_EQ(c.stale, fontcache::IsStale(c.now, c.stamp)) << c.now << " " << c.stamp;
}

TEST(DockFocusTest, HidingADockingWindowMovesTheFocusOn) {
  using dockfocus::CommandAfterHide;
  using dockfocus::Hidden;
  struct Case {
    Hidden hidden;
    dockfocus::Windows windows;  // edit view, grammar, lookup, keyboard
    unsigned command;
  };
  const Case cases[] = {
      {Hidden::kGrammarTables, {true, false, true, true}, dockfocus::kDocumentFocus},
      {Hidden::kKeyboardGuides, {true, true, true, true}, dockfocus::kDocumentFocus},
      {Hidden::kKeyboardGuides, {false, true, true, false}, dockfocus::kGrammarTableFocus},
      {Hidden::kKeyboardGuides, {false, false, true, false}, dockfocus::kLookupFocus},
      {Hidden::kKeyboardGuides, {false, false, false, false}, 0},
      {Hidden::kGrammarTables, {false, false, true, true}, dockfocus::kLookupFocus},
      {Hidden::kGrammarTables, {false, false, false, true}, dockfocus::kKeyboardGuidesFocus},
      {Hidden::kGrammarTables, {false, false, false, false}, 0},
      {Hidden::kLookupWindow, {true, true, false, true}, dockfocus::kDocumentFocus},
      {Hidden::kLookupWindow, {false, true, false, true}, dockfocus::kGrammarTableFocus},
      {Hidden::kLookupWindow, {false, false, false, true}, dockfocus::kKeyboardGuidesFocus},
      {Hidden::kLookupWindow, {false, false, false, false}, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.command, CommandAfterHide(c.hidden, c.windows))
        << static_cast<int>(c.hidden) << c.windows.editView << c.windows.grammarVisible
        << c.windows.lookupVisible << c.windows.keyboardVisible;
}

TEST(GrammarCommandsTest, CommandsFollowTheViewsAnswers) {
  using namespace grammarcmd;
  struct Case {
    ViewState state;
    bool table, cycle, copy;
  };
  const Case cases[] = {
      {{false, kVerbs, true, 2, 3}, false, false, false},  // no view
      {{true, kVerbs, false, kNone, kNone}, false, false, false},
      {{true, kVerbs, true, kNone, kNone}, true, false, false},
      {{true, kSuffixes, true, 0, 5}, true, true, true},
      {{true, kNumbers, true, 2, 0}, true, false, true},  // Numbers never cycles
      {{true, kPrepositions, false, 1, 0}, false, false, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.table, NeedsTable(c.state));
    EXPECT_EQ(c.cycle, CanCycleSpellings(c.state));
    EXPECT_EQ(c.copy, CanCopyForm(c.state));
  }
}

}  // namespace
