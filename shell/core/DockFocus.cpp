#include "shell/core/DockFocus.h"

namespace dockfocus {

unsigned CommandAfterHide(Hidden hidden, const Windows& windows) {
  if (windows.editView) return kDocumentFocus;
  switch (hidden) {
    case Hidden::kKeyboardGuides:
      if (windows.grammarVisible) return kGrammarTableFocus;
      return windows.lookupVisible ? kLookupFocus : 0;
    case Hidden::kLookupWindow:
      if (windows.grammarVisible) return kGrammarTableFocus;
      return windows.keyboardVisible ? kKeyboardGuidesFocus : 0;
    case Hidden::kGrammarTables:
      break;
  }
  if (windows.lookupVisible) return kLookupFocus;
  return windows.keyboardVisible ? kKeyboardGuidesFocus : 0;
}

}  // namespace dockfocus
