// What the editor's windows take from the program's main frame: its font
// cache, its ruler images and its speech engine. The main frame implements it; without one (a
// view in another frame) the editor makes its own fonts and plain rulers.
#pragma once

#include "classlib/core/WinTypes.h"

class CDC;
class CFontInfo;
class CSpeechEngine;
class CWnd;

class IEditorFrame {
 public:
  // The cached font like the request, made against pDC when missing; list 0
  // ages. Never keep the pointer beyond the current message.
  virtual CFontInfo* GetCachedFont(CDC* pDC, const CFontInfo& request, int nList) = 0;
  // The ruler image of a unit system (0 inches, 1 centimetres) and kind
  // (kRulerImageAcross, ...); nullptr when there is none.
  virtual CDC* GetRulerImage(int nUnit, int nImage) = 0;
  // Empties a font cache list (kPrinterFontList once printing ends).
  virtual void ClearFontCache(int nList) = 0;
  // Whether a grammar table's print preview ended a moment ago: a Print
  // command then means the table. Asking clears it.
  virtual BOOL TakeGrammarPreviewEnded() = 0;
  // The active view of Grammar Tables; nullptr when there is none.
  virtual CWnd* GetGrammarView() = 0;
  // The program's speech engine.
  virtual CSpeechEngine* GetSpeechEngine() = 0;

 protected:
  ~IEditorFrame() = default;
};

// Kinds of ruler image.
enum EditorRulerImage { kRulerImageAcross = 0, kRulerImageAcrossRtl = 1, kRulerImageDown = 2 };
// The font cache list that ages, and the printer's, kept until printing ends.
constexpr int kAgeingFontList = 0;
constexpr int kPrinterFontList = 1;

// The program's main window as an editor frame; nullptr when it is none.
IEditorFrame* GetEditorFrame();
