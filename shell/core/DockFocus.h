// Where the keyboard focus goes when a docking window is hidden.
#pragma once

namespace dockfocus {

// The Window menu's focus commands a hidden docking window can post.
constexpr unsigned kDocumentFocus = 32833;
constexpr unsigned kKeyboardGuidesFocus = 32836;
constexpr unsigned kLookupFocus = 32837;
constexpr unsigned kGrammarTableFocus = 32838;

struct Windows {
  bool editView = false;  // an editor document window exists
  bool grammarVisible = false;
  bool lookupVisible = false;
  bool keyboardVisible = false;
};

// The focus command to post after hiding Grammar Tables (keyboardGuides
// false) or Keyboard Guides; 0 when the focus has nowhere to go.
unsigned CommandAfterHide(bool keyboardGuides, const Windows& windows);

}  // namespace dockfocus
