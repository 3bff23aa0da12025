// The formatting commands of the editor: the look of characters (style bits,
// font, size, colours, extra word space) and of paragraphs (justification,
// extra line space, columns), applied to the selection of the current side
// or, without one, to the text about to be typed. Each command that changes
// text is one undo step; a full style table changes nothing and comes back as
// the table's message.
#pragma once

#include "classlib/core/CString.h"
#include "editor/core/DocEditor.h"
#include "hebtext/core/UserMessage.h"

// The style field of an attribute word as a small number.
enum DocStyleBit : UINT { kStyleBold = 1, kStyleItalic = 2, kStyleUnderline = 4 };

// The justification bits of a paragraph's format word.
enum DocJustify : UINT { kJustifyLeft = 0, kJustifyRight = 1, kJustifyCenter = 2 };

// A back colour of this value leaves the back colours as they are.
constexpr COLORREF kKeepBackColor = 0xFFFFFFFF;

// The characters a command works on, both ends included; both null mean the
// selection (with the character before it when that is the side's head or a
// break, so that the text typed there takes the change too).
struct DocCharRange {
  DocCharNode* first = nullptr;
  DocCharNode* last = nullptr;
  BOOL IsSelection() const { return first == nullptr || last == nullptr; }
};

struct DocColumnSettings {
  int count = 1;  // 1: ordinary text
  int gapPixels = 0;
  double gap = 0.0;  // in the unit
  WORD unit = 1;     // 1 inches, 2 millimetres
};

// What a command did, for the window that ran it.
struct DocFormatResult {
  BOOL changed = FALSE;  // the text, or the attributes the next typed character takes
  // The characters whose lines are to be repainted; null for none.
  DocCharNode* repaintFirst = nullptr;
  DocCharNode* repaintLast = nullptr;
  UserMessageList messages;  // a style table that stayed full
};

class DocFormatting {
 public:
  DocFormatting(DocEditor& editor, IDocUISink& ui)
      : m_editor(editor), m_model(editor.Model()), m_ui(ui) {}

  // --- Commands -------------------------------------------------------------
  // Bold, italic or underline: the first character's state decides whether
  // the range loses the style or all of it gains it. Without a selection the
  // next typed character's style is toggled, with no undo step.
  DocFormatResult ToggleStyle(UINT style, DocCharRange range = DocCharRange());
  DocFormatResult SetJustification(UINT justify, DocCharRange range = DocCharRange());
  // Face, size and style bits together; the face only; the size only.
  DocFormatResult ApplyFont(const CString& face, WORD size, UINT style,
                            DocCharRange range = DocCharRange());
  DocFormatResult ApplyTypeface(const CString& face, DocCharRange range = DocCharRange());
  DocFormatResult ApplyFontSize(WORD size, DocCharRange range = DocCharRange());
  // The selected characters keep showing the selection, so nothing is laid
  // out or repainted.
  DocFormatResult ApplyColors(COLORREF text, COLORREF back, DocCharRange range = DocCharRange());
  // Needs a selection.
  DocFormatResult SetExtraWordSpacing(WORD value);
  DocFormatResult SetExtraLineSpacing(WORD percent, DocCharRange range = DocCharRange());
  DocFormatResult SetColumns(const DocColumnSettings& settings,
                             DocCharRange range = DocCharRange());

  // --- Queries --------------------------------------------------------------
  // The whole paragraphs a paragraph command works on: the caret's without a
  // selection, else those of the range's ends (a range ending on the break
  // that begins a line ends before it).
  void GetParagraphLines(DocCharRange range, DocLineNode*& first, DocLineNode*& last) const;
  // The font of the first selected character, of the pending typing
  // attributes, or of the caret character; range receives the selection
  // (both null without one).
  void GetSelectionFont(CString& face, WORD& size, UINT& style, DocCharRange& range) const;
  // The colours found as for the font; index 0 gives the side's defaults.
  void GetSelectionColors(COLORREF& text, COLORREF& back, DocCharRange& range) const;
  // What the check marks of the menu show: the pending typing attributes,
  // else those of the selection.
  CharAttr GetCheckAttr() const;
  BOOL IsStyleChecked(UINT style) const;
  BOOL IsJustifyChecked(UINT justify) const;
  // Whether the selection holds a blank (extra word space acts on blanks).
  BOOL SelectionHasBlank() const;
  // The values the spacing and column dialogs start from
  // (DocFormatValues.cpp): the extra line space of the caret's paragraph in
  // per cent; the extra word space of the selection's attribute in quarter
  // points; the columns of the first paragraph of the range that lies in a
  // column section (one column without a gap when none does); the layout of
  // the page that holds the caret (the side's default page before the side
  // has pages).
  WORD GetExtraLineSpacing() const;
  WORD GetExtraWordSpacing() const;
  DocColumnSettings GetColumnSettings(DocCharRange range = DocCharRange()) const;
  const CPageLayout* GetCaretPageLayout() const;

 private:
  enum FontMode { kFaceSizeStyle, kFaceOnly, kSizeOnly };
  struct FontChange {
    FontMode mode;
    CString face;
    WORD size;
    UINT style;
  };
  struct StepValues;
  DocFormatResult ApplyFontWorker(const FontChange& change, DocCharRange range);
  // The selection or the given range; FALSE when there is none.
  BOOL ResolveRange(DocCharRange& range) const;
  // The first character the user selected: after the head or break that the
  // range takes along.
  static DocCharNode* FirstSelected(const DocCharRange& range);
  // The attributes the next typed character takes.
  CharAttr TypingAttr() const;
  // Changes the attributes of every character of the range with the
  // function given and, with relayout, measures what changed and lays it
  // out; one undo step holding the values.
  template <class F>
  void ChangeChars(DWORD undoType, const DocCharRange& range, F change, BOOL relayout,
                   const StepValues& values, DocFormatResult& result);
  // The same for the head node, with the caret on it and no selection.
  template <class F>
  void ChangeHead(DWORD undoType, F change, BOOL relayout, const StepValues& values,
                  DocFormatResult& result);
  // The same for the format words of the range's whole paragraphs.
  template <class F>
  void ChangeLines(DWORD undoType, DocCharRange range, F change, BOOL relayout,
                   const StepValues& values, DocFormatResult& result);
  void Relayout(DocCharNode* first, DocCharNode* last);
  // The table's message when it is full; FALSE then.
  BOOL Found(WORD index, DocFormatResult& result);
  int Side() const { return m_model.GetCurrentSide(); }

  DocEditor& m_editor;
  DocTextModel& m_model;
  IDocUISink& m_ui;
};
