// Life cycle of the model and the edits of its node structure: characters,
// lines, pages and the page-layout lists that run in step with the pages.
#include "editor/core/DocTextModel.h"

#include <cstring>

DocTextModel::DocTextModel(IDocMetrics& metrics, IDocUISink& ui) : m_metrics(metrics), m_ui(ui) {
  for (DocSideState& side : m_sides)
    std::memset(static_cast<void*>(&side.head), 0, sizeof(DocCharNode));
}

DocTextModel::~DocTextModel() { ClearContents(); }

// --- Life cycle -------------------------------------------------------------

void DocTextModel::InitContents(const DocSideDefaults defaults[kDocSideCount]) {
  m_switchFontKey = 0xFFFFFFFF;
  m_bNoPageSplit = m_bBulkInsert = FALSE;
  m_fontListSide = m_currentSide = 1;
  m_pendingAttributes = m_pendingLineFormat = kNoPending;
  m_scrollTotal = m_scrollPage = m_scrollLine = CSize(0, 0);
  m_repaintFirst = m_repaintLast = nullptr;
  m_bRelayoutFromPrevLine = FALSE;
  m_styles.RemoveAll();
  m_styles.AddDefaultEntries();
  for (int side = 0; side < kDocSideCount; side++) InitSide(side, defaults[side]);
}

void DocTextModel::InitSide(int side, const DocSideDefaults& defaults) {
  DocSideState& s = m_sides[side];
  s.defaultLayout.side = side;
  s.defaultLayout.settings = defaults.pageSettings;
  s.defaultLayout.tabInterval = defaults.tabInterval;
  s.defaultLayout.tabStops.Copy(defaults.tabStops);
  ComputeLayoutMetrics(s.defaultLayout);
  // Stored settings that leave no room for text give way to the standard page.
  if (!s.defaultLayout.HasTextArea()) {
    s.defaultLayout.settings = PageSettingsRec();
    ComputeLayoutMetrics(s.defaultLayout);
  }
  for (int i = 0; i < 4; i++) s.colors[i] = defaults.colors[i];
  s.face = defaults.face;
  s.pointSize = defaults.pointSize;
  s.style = defaults.style;
  SetSideDefaultFont(side, defaults.face, defaults.pointSize, defaults.style);
}

void DocTextModel::ClearContents() {
  m_styles.RemoveAll();
  for (int side = 0; side < kDocSideCount; side++) ClearSide(side);
  FreeAllCharNodes();
  m_repaintFirst = m_repaintLast = nullptr;
}

void DocTextModel::ClearSide(int side) {
  DocSideState& s = m_sides[side];
  for (DocPageNode* page = GetFirstPage(side); page != nullptr;) page = DeletePage(page, FALSE);
  while (s.layouts != nullptr) DeleteLayout(side, s.layouts);
  // Each section goes once no line needs it.
  CArray<DocSection*, DocSection*> sections;
  CollectSections(side, sections);
  DocLineNode* line = s.head.line;
  while (line != nullptr) {
    DocLineNode* next = line->next;
    delete line;
    line = next;
  }
  for (int i = 0; i < sections.GetSize(); i++) delete sections[i];
  m_lineCounts[side] = 0;
  m_sectionLineCounts[side] = 0;
  m_sectionChanges++;
  s.head.line = nullptr;
  s.head.next = nullptr;
  s.caret = &s.head;
  s.anchor = nullptr;
}

void DocTextModel::CreateEmptySides() {
  for (int side = 0; side < kDocSideCount; side++) {
    DocSideState& s = m_sides[side];
    ClearSide(side);
    CharAttr attributes = s.head.attributes;
    std::memset(static_cast<void*>(&s.head), 0, sizeof(DocCharNode));
    s.head.attributes = attributes;
    DocLineNode* line = new DocLineNode;
    line->first = &s.head;
    line->format = side == 0 ? 0 : 1;
    line->side = static_cast<BYTE>(side);
    m_lineCounts[side] = 1;
    s.head.line = line;
    MeasureCharNode(&s.head, side);
    DocPageNode* page = new DocPageNode;
    page->side = side;
    page->first = line;
    line->page = page;
    s.layouts = new CPageLayout(s.defaultLayout, nullptr);
    OnPagesChanged();
    s.layouts->side = side;
    ComputeLayoutMetrics(*s.layouts);
    s.caret = &s.head;
    s.anchor = nullptr;
    ReformatSide(side);
  }
  UpdatePageUnion();
}

// --- Characters ---------------------------------------------------------------

DocCharNode* DocTextModel::InsertCharAfter(DocCharNode* prevNode, BYTE letter, BYTE point) {
  DocCharNode* node = AllocCharNode();
  if (node == nullptr) return nullptr;
  node->prev = prevNode;
  node->next = prevNode->next;
  if (node->next != nullptr) node->next->prev = node;
  prevNode->next = node;
  node->letter = letter;
  node->point = point;
  if (m_pendingAttributes != kNoPending) {
    node->attributes = m_pendingAttributes;
    m_pendingAttributes = kNoPending;
  } else {
    node->attributes = prevNode->attributes;
  }
  // While a side is filled in bulk it is one line until the layout pass.
  if (m_bBulkInsert) return node;

  DocLineNode* line = GetCharLine(prevNode);
  if (line->last == prevNode) line->last = node;
  if (IsBreakLetter(letter)) {
    DocLineNode* newLine = CreateLineAfter(line, node);
    if (letter == kLetterPageBreak && !m_bNoPageSplit) {
      DocPageNode* page = GetLinePage(line);
      CPageLayout* layout = GetPageLayout(page);
      SplitPage(page, newLine);
      if (layout != nullptr) InsertLayoutAfter(layout);
    }
    line = newLine;
  }
  if (m_pendingLineFormat != kNoPending) {
    line->format = m_pendingLineFormat;
    m_pendingLineFormat = kNoPending;
    SpreadParagraphFormat(line);
  }
  return node;
}

void DocTextModel::SpreadParagraphFormat(DocLineNode* line) {
  for (DocLineNode* l = line->next; l != nullptr && !IsBreakLetter(l->first->letter); l = l->next) {
    if (l->format == line->format) continue;
    l->format = line->format;
    l->cache = DocLineCache();  // its height may change with the word
  }
}

DocCharNode* DocTextModel::UnlinkCharNode(DocCharNode* node) {
  DocCharNode* prev = node->prev;
  if (prev == nullptr) return nullptr;  // the head node stays
  DocLineNode* line = GetCharLine(node);
  if (line->last == node) line->last = prev;
  if (node->line != nullptr) {
    DocCharNode* next = node->next;
    if (next != nullptr && next->line == nullptr && line->last != prev) {
      line->first = next;
      next->line = line;
      node->line = nullptr;
    } else {
      DeleteLine(line, TRUE);  // nothing of the line is left
    }
  }
  prev->next = node->next;
  if (node->next != nullptr) node->next->prev = prev;
  ForgetNode(node);
  FreeCharNode(node);
  return prev;
}

// Drops every reference that outlives an edit to a node about to be freed.
void DocTextModel::ForgetNode(const DocCharNode* node) {
  if (m_repaintFirst == node) m_repaintFirst = node->prev;
  if (m_repaintLast == node) m_repaintLast = node->prev;
  for (DocSideState& s : m_sides) {
    if (s.caret == node) s.caret = node->prev;
    if (s.anchor == node) s.anchor = node->prev;
  }
  DocLineNode* line = GetCharLine(node->prev);
  for (DocLineNode* l : {line->prev, line, line->next}) {
    if (l != nullptr && (l->cache.first == node || l->cache.last == node))
      l->cache.first = l->cache.last = nullptr;
  }
}

// --- Lines --------------------------------------------------------------------

DocLineNode* DocTextModel::CreateLineAfter(DocLineNode* prevLine, DocCharNode* firstChar) {
  DocLineNode* line = new DocLineNode;
  line->format = prevLine->format;
  line->side = prevLine->side;
  m_lineCounts[line->side]++;
  line->prev = prevLine;
  line->next = prevLine->next;
  if (line->next != nullptr) line->next->prev = line;
  prevLine->next = line;
  DocPageNode* page = GetLinePage(prevLine);
  if (page != nullptr) {
    if (page->last == prevLine) page->last = line;
    page->count = -1;
  }
  if (firstChar == nullptr) return line;

  DocCharNode* oldLast = prevLine->last;
  prevLine->last = firstChar->prev;
  line->last = (oldLast == firstChar->prev || oldLast == firstChar) ? firstChar : oldLast;
  for (DocCharNode* c = prevLine->first->next; c != firstChar; c = c->next) c->line = nullptr;
  line->first = firstChar;
  firstChar->line = line;
  DocSection* section = prevLine->section;
  if (section == nullptr) return line;
  section->balanced = 0;
  if (firstChar->letter != kLetterPageBreak) {
    line->section = section;
    section->lineCount++;
    m_sectionLineCounts[line->side]++;
    if (section->last == prevLine) section->last = line;
  } else {
    EndSectionAt(line, section);
  }
  return line;
}

DocLineNode* DocTextModel::DeleteLine(DocLineNode* line, BOOL merge) {
  if (merge && line->prev == nullptr) return line;
  if (line->section != nullptr) {
    if (line->section->first == line)
      DeleteSection(line->section);
    else
      DetachFromSection(line);
  }
  DocLineNode* next = line->next;
  DocLineNode* prev = line->prev;
  RemoveLine(line);
  m_lineCounts[line->side]--;
  delete line;
  if (merge) SpreadParagraphFormat(prev);  // what followed now continues prev's paragraph
  return next;
}

// Takes a line out of its side: its characters join the line before, and the
// page bounds that name it move to its neighbours (a page left without lines
// goes with its layout).
void DocTextModel::RemoveLine(DocLineNode* line) {
  DocPageNode* page = GetLinePage(line);
  if (page != nullptr) {
    page->count = -1;
    if (line->page == page) {
      DocLineNode* next = line->next;
      if (page->last == line || next == nullptr || next->page != nullptr) {
        if (page->prev != nullptr) {
          DocPageNode* prevPage = page->prev;
          CPageLayout* layout = GetPageLayout(page);
          int side = page->side;
          DeletePage(page, FALSE);
          if (layout != nullptr) DeleteLayout(side, layout);
          if (prevPage->last == line) prevPage->last = line->prev;
        } else {
          page->first = nullptr;
        }
      } else {
        page->first = next;
        next->page = page;
      }
      line->page = nullptr;
    } else if (page->last == line) {
      page->last = line->prev;
    }
  }
  if (line->prev != nullptr) line->prev->last = line->last;
  if (line->first != nullptr && line->first->line == line) line->first->line = nullptr;
  if (line->prev != nullptr) line->prev->next = line->next;
  if (line->next != nullptr) line->next->prev = line->prev;
}

// --- Pages --------------------------------------------------------------------

DocPageNode* DocTextModel::SplitPage(DocPageNode* page, DocLineNode* startLine) {
  DocPageNode* newPage = new DocPageNode;
  newPage->side = page->side;
  newPage->prev = page;
  newPage->next = page->next;
  if (newPage->next != nullptr) newPage->next->prev = newPage;
  page->next = newPage;
  newPage->first = startLine;
  newPage->last = page->last == startLine->prev ? startLine : page->last;
  page->last = startLine->prev;
  startLine->page = newPage;
  RebuildLineIndex(page);
  m_bPagesChanged = TRUE;
  OnPagesChanged();
  return newPage;
}

DocPageNode* DocTextModel::DeletePage(DocPageNode* page, BOOL merge) {
  if (merge && page->prev == nullptr) return page;
  m_bLayoutsChanged = TRUE;
  m_bPagesChanged = TRUE;
  OnPagesChanged();
  // The page's layout goes too: no line may keep it in its cache.
  for (DocLineNode* l = page->first; l != nullptr; l = l->next) {
    l->cache.layout = nullptr;
    if (l == page->last || (l->next != nullptr && l->next->page != nullptr)) break;
  }
  if (page->first != nullptr && page->first->page == page) page->first->page = nullptr;
  DocPageNode* next = page->next;
  if (page->prev != nullptr) {
    page->prev->last = page->last;
    page->prev->next = next;
    page->prev->count = -1;
  }
  if (next != nullptr) next->prev = page->prev;
  delete page;
  return next;
}

// --- Page layouts ---------------------------------------------------------------

CPageLayout* DocTextModel::InsertLayoutAfter(CPageLayout* layout) {
  m_bLayoutsChanged = TRUE;
  OnPagesChanged();
  return new CPageLayout(*layout, layout);
}

void DocTextModel::DeleteLayout(int side, CPageLayout* layout) {
  if (m_sides[side].layouts == layout) m_sides[side].layouts = layout->next;
  m_bLayoutsChanged = TRUE;
  OnPagesChanged();
  delete layout;
}
