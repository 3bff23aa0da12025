// The text of an editor document: two sides (0 English, 1 Hebrew), each a
// list of character nodes partitioned into lines and pages, laid out with its
// own page layouts; the style tables the characters index; and the relayout
// that keeps lines and pages in step with the text. The editor document owns
// one and passes its view's services in as IDocMetrics and IDocUISink.
#pragma once

#include <vector>

#include "classlib/core/CArray.h"
#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"
#include "classlib/core/Geometry.h"
#include "editor/core/CPageLayout.h"
#include "editor/core/DocCharPool.h"
#include "hebtext/core/UserMessage.h"
#include "editor/core/DocMetrics.h"
#include "editor/core/DocNodes.h"
#include "editor/core/DocSection.h"
#include "editor/core/DocStyleTables.h"
#include "editor/core/DocUISink.h"

constexpr int kDocSideCount = 2;
constexpr WORD kStyleTableFull = 0xFFFF;
constexpr DWORD kNoPending = 0xFFFFFFFF;

// What a side takes from the preferences when a document is initialised.
struct DocSideDefaults {
  COLORREF colors[4] = {0, 0xFFFFFF, 0xFFFFFF, 0};  // text, back, selected text, selection
  CString face;
  WORD pointSize = 12;
  BYTE style = 0;
  PageSettingsRec pageSettings;
  DWORD tabInterval = 1000;
  CDWordArray tabStops;
};

struct DocSideState {
  DocCharNode head;  // never freed; the first line begins with it
  DocCharNode* caret = nullptr;
  DocCharNode* anchor = nullptr;  // other end of the selection, null for none
  CPageLayout defaultLayout;
  CPageLayout* layouts = nullptr;  // the layout of page 0; the list follows
  COLORREF colors[4] = {};
  CString face;
  WORD pointSize = 0;
  BYTE style = 0;
};

class DocTextModel {
 public:
  DocTextModel(IDocMetrics& metrics, IDocUISink& ui);
  ~DocTextModel();
  DocTextModel(const DocTextModel&) = delete;
  DocTextModel& operator=(const DocTextModel&) = delete;

  // --- Life cycle -----------------------------------------------------------
  void InitContents(const DocSideDefaults defaults[kDocSideCount]);
  void ClearContents();
  // Gives each side an empty first line and page laid out with its default
  // layout.
  void CreateEmptySides();

  // --- Character pool -------------------------------------------------------
  DocCharNode* AllocCharNode() { return m_pool.Alloc(); }
  BOOL PreallocCharNodes(int count) { return m_pool.Prealloc(count); }
  BOOL FreeCharNode(DocCharNode* node) { return m_pool.Free(node); }
  void FreeAllCharNodes() { m_pool.FreeAll(); }
  const DocCharPool& GetCharPool() const { return m_pool; }

  // --- Characters -----------------------------------------------------------
  DocCharNode* InsertCharAfter(DocCharNode* prevNode, BYTE letter, BYTE point);
  // Takes the node out of the text and frees it; returns the node before it.
  DocCharNode* UnlinkCharNode(DocCharNode* node);

  // --- Lines ----------------------------------------------------------------
  DocLineNode* CreateLineAfter(DocLineNode* prevLine, DocCharNode* firstChar);
  // With merge, the line's characters join the line before, and so does the
  // rest of its paragraph: the lines after it take that line's format.
  DocLineNode* DeleteLine(DocLineNode* line, BOOL merge);
  // All lines of a paragraph carry one format word: the lines that continue
  // line's paragraph take its word.
  void SpreadParagraphFormat(DocLineNode* line);
  int GetLineCharCount(const DocLineNode* line) const;
  DocCharNode* GetLineChar(const DocLineNode* line, int n) const;
  BOOL IsCharInLine(const DocLineNode* line, const DocCharNode* node) const;
  int GetLineAscent(const DocLineNode* line) const;
  UINT GetLineAlign(const DocLineNode* line) const { return FormatAlign(line->format); }
  DocCharNode* GetLineLastChar(const DocLineNode* line) const;
  BOOL IsLineEmpty(const DocLineNode* line) const;
  int GetLineTop(const DocLineNode* line) const { return line->cache.top; }
  int GetLineIndexInPage(const DocLineNode* line) const;
  int GetLinePageIndex(const DocLineNode* line) const;
  DocPageNode* GetLinePage(const DocLineNode* line) const;

  // --- Column sections ------------------------------------------------------
  // Sets the lines from first to last in a new section with the settings
  // given (one more after each page break among them), or makes them
  // ordinary text (null); the sections around them are cut there, and one
  // that spanned them goes on after them as a copy.
  void SetLinesSection(DocLineNode* first, DocLineNode* last, const DocSection* settings);
  // Every line of the side becomes ordinary text.
  void ClearSections(int side);
  // A page break ends a section: from the line that begins with one, the
  // section's lines are ordinary text.
  void EndSectionAt(DocLineNode* line, DocSection* section);
  // Puts a line in a section (or none, for null).
  void JoinSection(DocLineNode* line, DocSection* section);
  // A line that continues the paragraph of the line before leaves its own
  // section (which goes when it held only that line) and joins that line's.
  void ContinueSectionOfLineBefore(DocLineNode* line);
  // Grows each time a line joins or leaves a section other than by being
  // made or taken away inside it: while it stands still, the side's sections
  // are the same ones in the same order, each on one run of lines, and only
  // their bounds can have moved.
  DWORD GetSectionChanges() const { return m_sectionChanges; }
  int GetLineCount(int side) const { return m_lineCounts[side]; }
  // Whether any line of the side is set in columns, known without a walk.
  BOOL HasSections(int side) const { return m_sectionLineCounts[side] > 0; }

  // --- Pages ----------------------------------------------------------------
  DocPageNode* SplitPage(DocPageNode* page, DocLineNode* startLine);
  DocPageNode* DeletePage(DocPageNode* page, BOOL merge);
  int GetPageIndex(const DocPageNode* page) const;
  int GetPageCount(int side) const;
  DocPageNode* GetFirstPage(int side) const;
  DocPageNode* GetLastPage(int side) const;
  DocPageNode* GetNthPage(int side, int n) const;
  DocLineNode* GetPageLastLine(DocPageNode* page);
  DocLineNode* GetPageLine(DocPageNode* page, int n);
  void RebuildLineIndex(DocPageNode* page);
  int ComparePages(const DocPageNode* a, const DocPageNode* b) const;

  // --- Positions ------------------------------------------------------------
  DocLineNode* GetCharLine(const DocCharNode* node) const;
  DocPageNode* GetCharPage(const DocCharNode* node) const;
  int GetCharIndexInLine(const DocCharNode* node) const;
  int GetCharPageIndex(const DocCharNode* node) const;
  int GetCharLineIndexInPage(const DocCharNode* node) const;
  int GetSidePageCount(const DocCharNode* node) const;
  int CompareLines(const DocLineNode* a, const DocLineNode* b) const;
  int CompareNodes(const DocCharNode* a, const DocCharNode* b) const;

  // --- Page layouts ---------------------------------------------------------
  CPageLayout* GetFirstLayout(int side) const { return m_sides[side].layouts; }
  CPageLayout* GetNthLayout(int side, int n) const;
  CPageLayout* GetPageLayout(const DocPageNode* page) const;
  CPageLayout* InsertLayoutAfter(CPageLayout* layout);
  void DeleteLayout(int side, CPageLayout* layout);
  // Grows each time a page or layout comes or goes and each time the page
  // union is updated, as it is after a page's layout is rewritten: while it
  // stands still, the pages' layouts are as they were.
  DWORD GetPageListChanges() const { return m_pageListChanges; }

  // --- Style tables ---------------------------------------------------------
  WORD FindOrAddFontName(int side, const CString& face);
  WORD FindOrAddFontSize(int side, WORD size);
  WORD FindOrAddTextColor(COLORREF color);
  WORD FindOrAddBackColor(COLORREF color);
  WORD FindOrAddWordSpace(WORD value);
  WORD FindOrAddLineSpace(WORD value);
  WORD GetWordSpace(UINT index) const { return m_styles.GetWordSpace(index); }
  WORD GetLineSpace(UINT index) const { return m_styles.GetLineSpace(index); }
  int CompactFontNames(BOOL all) { return CompactTable(kFontNames, all); }
  int CompactFontSizes(BOOL all) { return CompactTable(kFontSizes, all); }
  int CompactTextColors(BOOL all) { return CompactTable(kTextColors, all); }
  int CompactBackColors(BOOL all) { return CompactTable(kBackColors, all); }
  int CompactWordSpace(BOOL all) { return CompactTable(kWordSpace, all); }
  int CompactLineSpace(BOOL all) { return CompactTable(kLineSpace, all); }
  BOOL SetSideDefaultFont(int side, const CString& face, WORD size, BYTE style);
  // side -1 = the current side.
  void GetAttrFont(CharAttr attr, int side, CString& face, WORD& size, UINT& style) const;
  void MeasureCharNode(DocCharNode* node, int side);
  BOOL IsHebrewFontNode(int side, const DocCharNode* node) const;
  // Whether the next typed character (pending attributes, else the caret's)
  // is set in one of the program's Hebrew fonts.
  BOOL IsHebrewInsertFont() const;
  // The fonts used on the font-list side other than the caret's, as
  // "face\tsize\tstyle" texts in alphabetical order with their packed keys
  // (style * 65536 + size index * 256 + font index) alongside.
  int ListUsedFonts(CStringArray& names, CDWordArray& keys, DWORD& currentKey, int& currentIndex,
                    BOOL keepKey);
  // The font a switch leaves (a packed key as ListUsedFonts gives), which
  // the next list marks.
  void SetSwitchFontKey(DWORD key) { m_switchFontKey = key; }
  const DocStyleTables& GetStyleTables() const { return m_styles; }
  DocStyleTables& GetStyleTables() { return m_styles; }
  // The message boxes asked for since the last call (a style table that
  // stayed full), in order, for the window that ran the edit to show over the
  // document's first view.
  UserMessageList TakeMessages();

  // --- Page geometry --------------------------------------------------------
  void ComputeLayoutMetrics(CPageLayout& layout) const;
  // FALSE, leaving the side's default alone, when the settings leave no room
  // for text.
  BOOL SetSideDefaultLayout(int side, const PageSettingsRec& settings, DWORD tabInterval,
                            const CDWordArray& tabStops);
  // Takes the sheet's layouts page by page; FALSE when one leaves no text
  // room, and then nothing is changed.
  BOOL ApplyPageSettings(int side, const CPageLayout& sheetDefault,
                         const CArray<CPageLayout*, CPageLayout*>& sheetLayouts);
  // scope 0 the page only, 1 from the page to the last, 2 all pages.
  BOOL ApplyPageSettingsRange(int side, const CPageLayout& settings, int scope, int page);
  BOOL PageSizesDiffer(int first, int last) const;
  // The layout that decides the printed page size at an index: the English
  // side's, else the Hebrew side's; null past both sides' pages.
  const CPageLayout* GetPrintLayout(int index) const;
  CRect GetPageRect(int index) const;
  int GetPageOrientation(int index) const;
  void UpdatePageUnion();
  // The union of all page rectangles, as UpdatePageUnion left it.
  const CRect& GetPageUnion() const { return m_pageUnion; }
  int GetDocumentHeight() const;
  void UpdateScrollSizes();

  // --- Line layout ----------------------------------------------------------
  // The character that begins the next line, or null when the rest of the side
  // fits; width receives the width of what fits. maxWidth < 1 means the text
  // width of the layout (the column width in a section).
  DocCharNode* FindLineBreak(DocLineNode* line, const CPageLayout& layout, int& width,
                             int maxWidth);
  // Width of the line up to (not including) upTo, tabs expanded from startX.
  int LineWidth(const DocLineNode* line, const CPageLayout& layout, const DocCharNode* upTo,
                int startX) const;
  int LineHeight(const DocLineNode* line) const;
  // Where the character starts in its line and how wide it is there.
  void CharX(const DocCharNode* node, const CPageLayout& layout, int& x, int& width,
             int startX) const;
  // x after the character when it starts at x: what CharX adds up, one
  // character at a time, for walks along a line.
  int NextCharX(const CPageLayout& layout, const DocCharNode* node, int x) const;
  // Lays the side out again from the line of start until it is stable after
  // end.
  void Reformat(int side, DocCharNode* start, DocCharNode* end);
  // Every line and page of the side from its start, as after loading.
  void ReformatSide(int side);

  // --- Invariants -----------------------------------------------------------
  // The first broken link or bound of the side's characters, lines, pages and
  // layouts, described; empty when the structure holds.
  CString FindStructureFault(int side) const;

  // --- State ----------------------------------------------------------------
  DocSideState& Side(int side) { return m_sides[side]; }
  const DocSideState& Side(int side) const { return m_sides[side]; }
  DocCharNode* GetHead(int side) { return &m_sides[side].head; }
  int GetCurrentSide() const { return m_currentSide; }
  void SetCurrentSide(int side) { m_currentSide = side; }
  // While set, an inserted break begins no line (a side filled as a file
  // load fills it); the layout pass makes the lines afterwards.
  void SetBulkInsert(BOOL bulk) { m_bBulkInsert = bulk; }
  // The attributes the next inserted character takes instead of those of
  // the character before it, and the format the line it lands in takes;
  // kNoPending for none. Each is used up by the insertion.
  DWORD GetPendingAttributes() const { return m_pendingAttributes; }
  void SetPendingAttributes(DWORD attributes) { m_pendingAttributes = attributes; }
  void SetPendingLineFormat(DWORD format) { m_pendingLineFormat = format; }
  // The side whose fonts ListUsedFonts lists.
  void SetFontListSide(int side) { m_fontListSide = side; }
  // The view's gaps between pages, counted into the document's size.
  void SetPageSpacing(int x, int y) {
    m_pageSpacingX = x;
    m_pageSpacingY = y;
    m_documentHeight = kHeightUnknown;
  }
  // 1 when every page is portrait, 2 when some are landscape.
  int GetOrientationSummary() const { return m_orientationSummary; }
  // The characters whose lines the last layout changed (null when none);
  // the view repaints their lines and clears the range.
  DocCharNode* GetRepaintFirst() const { return m_repaintFirst; }
  DocCharNode* GetRepaintLast() const { return m_repaintLast; }
  void SetRepaintRange(DocCharNode* first, DocCharNode* last) {
    m_repaintFirst = first;
    m_repaintLast = last;
  }
  // The lines the last layout fitted afresh, finding their breaks: the lines
  // it only moved, on pages that fit text alike, kept theirs.
  int GetLinesFitted() const { return m_linesFitted; }

 private:
  class LayoutPass;

  void InitSide(int side, const DocSideDefaults& defaults);
  void ClearSide(int side);
  // An equal entry, else room made by compaction, else kStyleTableFull and
  // the table's message.
  WORD FindOrAddEntry(DocStyleTable table, const void* value);
  int FindEntry(DocStyleTable table, const void* value) const;
  void AppendEntry(DocStyleTable table, const void* value);
  int CompactTable(DocStyleTable table, BOOL all);
  // Unlinks a line and fixes the page bounds that refer to it.
  void RemoveLine(DocLineNode* line);
  // A line that goes away leaves its section as it is otherwise.
  void DetachFromSection(DocLineNode* line);
  void DeleteSection(DocSection* section);
  void LeaveSection(DocLineNode* line) { JoinSection(line, nullptr); }
  void SetLineSection(DocLineNode* line, DocSection* section);
  CString FindSectionFault(int side) const;
  // The sections of the side's lines, each once, in order.
  void CollectSections(int side, CArray<DocSection*, DocSection*>& sections) const;
  void ForgetNode(const DocCharNode* node);

  // A side's pages and their layouts by index, so that a page's index, the
  // nth page and its layout cost no walk. Rebuilt on first use after a page
  // or layout comes or goes, which a typed key seldom does.
  struct PageTable {
    std::vector<DocPageNode*> pages;
    std::vector<CPageLayout*> layouts;
    bool valid = false;
  };
  const PageTable& GetPageTable(int side) const;
  // A page or layout came or went: the page tables and the document height
  // are counted again when next asked for.
  void OnPagesChanged();

  DWORD m_switchFontKey = 0xFFFFFFFF;  // packed font of the Switch Font command
  BOOL m_bNoPageSplit = FALSE;
  BOOL m_bBulkInsert = FALSE;
  DWORD m_pendingAttributes = kNoPending;
  DWORD m_pendingLineFormat = kNoPending;
  int m_fontListSide = 1;
  int m_pageSpacingX = 0;
  int m_pageSpacingY = 0;
  CRect m_pageUnion;
  int m_orientationSummary = 1;
  // The sum of the page heights and gaps, kept until a page or layout comes or
  // goes or the layouts' settings change (UpdatePageUnion): a typed key
  // rarely changes it, and summing it walks every page.
  static constexpr int kHeightUnknown = -1;
  mutable int m_documentHeight = kHeightUnknown;
  mutable PageTable m_pageTables[kDocSideCount];
  DWORD m_pageListChanges = 0;
  DWORD m_sectionChanges = 0;
  int m_lineCounts[kDocSideCount] = {0, 0};
  int m_sectionLineCounts[kDocSideCount] = {0, 0};  // lines set in a section
  int m_cachedPageCount = 0;
  // Scroll sizes last given to the view: total, client, line step.
  CSize m_scrollTotal, m_scrollPage, m_scrollLine;
  DocCharNode* m_repaintFirst = nullptr;
  DocCharNode* m_repaintLast = nullptr;
  int m_linesFitted = 0;
  BOOL m_bLayoutsChanged = FALSE;
  BOOL m_bPagesChanged = FALSE;
  BOOL m_bRelayoutFromPrevLine = FALSE;
  IDocMetrics& m_metrics;
  IDocUISink& m_ui;
  DocCharPool m_pool;
  DocSideState m_sides[kDocSideCount];
  DocStyleTables m_styles;
  UserMessageList m_messages;
  int m_currentSide = 1;
};
