// What the editor's windows take from the program's main frame: its font
// cache and its ruler images. The main frame implements it; without one (a
// view in another frame) the editor makes its own fonts and plain rulers.
#pragma once

class CDC;
class CFontInfo;

class IEditorFrame {
 public:
  // The cached font like the request, made against pDC when missing; list 0
  // ages. Never keep the pointer beyond the current message.
  virtual CFontInfo* GetCachedFont(CDC* pDC, const CFontInfo& request, int nList) = 0;
  // The ruler image of a unit system (0 inches, 1 centimetres) and kind
  // (kRulerImageAcross, ...); nullptr when there is none.
  virtual CDC* GetRulerImage(int nUnit, int nImage) = 0;

 protected:
  ~IEditorFrame() = default;
};

// Kinds of ruler image.
enum EditorRulerImage { kRulerImageAcross = 0, kRulerImageAcrossRtl = 1, kRulerImageDown = 2 };
// The font cache list that ages.
constexpr int kAgeingFontList = 0;

// The program's main window as an editor frame; nullptr when it is none.
IEditorFrame* GetEditorFrame();
