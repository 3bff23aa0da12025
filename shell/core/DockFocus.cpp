#include "shell/core/DockFocus.h"

namespace dockfocus {

unsigned CommandAfterHide(bool keyboardGuides, const Windows& windows) {
  if (windows.editView) return kDocumentFocus;
  if (keyboardGuides) {
    if (windows.grammarVisible) return kGrammarTableFocus;
    return windows.lookupVisible ? kLookupFocus : 0;
  }
  if (windows.lookupVisible) return kLookupFocus;
  return windows.keyboardVisible ? kKeyboardGuidesFocus : 0;
}

}  // namespace dockfocus
