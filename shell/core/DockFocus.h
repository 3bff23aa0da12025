// Where the keyboard focus goes when a docking window is hidden.
#pragma once

namespace dockfocus {

// The Window menu's focus commands a hidden docking window can post.
constexpr unsigned kDocumentFocus = 32833;
constexpr unsigned kKeyboardGuidesFocus = 32836;
constexpr unsigned kLookupFocus = 32837;
constexpr unsigned kGrammarTableFocus = 32838;

// The docking window that was just hidden.
enum class Hidden { kGrammarTables, kKeyboardGuides, kLookupWindow };

struct Windows {
  bool editView = false;  // an editor document window exists
  bool grammarVisible = false;
  bool lookupVisible = false;
  bool keyboardVisible = false;
};

// The focus command to post after hiding a docking window: a document
// first, then the other docking windows that are shown; 0 when the focus has
// nowhere to go.
unsigned CommandAfterHide(Hidden hidden, const Windows& windows);

}  // namespace dockfocus
