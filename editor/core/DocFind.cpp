#include "editor/core/DocFind.h"

#include "editor/core/DocClipboard.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/WordCompare.h"

namespace {

constexpr int kHebrewSide = 1;
constexpr BYTE kNoPoint = 0;

bool IsHead(const DocCharNode* node) { return node->prev == nullptr; }

BYTE FoldCase(BYTE c) {
  // Windows-1252: A-Z and the accented capitals (not the multiplication sign).
  const bool ascii = c >= 'A' && c <= 'Z';
  const bool accented = c >= 0xC0 && c <= 0xDE && c != 0xD7;
  return ascii || accented ? static_cast<BYTE>(c + ('a' - 'A')) : c;
}

// Compares windows of the active side with the find text.
class WindowMatcher {
 public:
  WindowMatcher(const DocTextModel& model, const FindText& find, const FindOptions& options)
      : m_model(model),
        m_side(model.GetCurrentSide()),
        m_options(options),
        m_length(find.letters.GetLength()),
        m_findLetters(m_length + 1, 0),
        m_findPoints(m_length + 1, kNoPoint),
        m_letters(m_length + 1, 0),
        m_points(m_length + 1, kNoPoint) {
    for (int i = 0; i < m_length; i++) {
      m_findLetters[i] = static_cast<BYTE>(find.letters[i]);
      if (i < static_cast<int>(find.points.size())) m_findPoints[i] = find.points[i];
    }
  }

  int Length() const { return m_length; }

  // The window of Length() characters from first; null when the side ends
  // before it is full, else its last character.
  const DocCharNode* WindowEnd(const DocCharNode* first) const {
    const DocCharNode* node = first;
    for (int i = 1; i < m_length && node != nullptr; i++) node = node->next;
    return node;
  }

  // Whether the window from first matches, with its bounds when whole words
  // are asked for.
  BOOL Matches(const DocCharNode* first) {
    const DocCharNode* last = WindowEnd(first);
    if (last == nullptr) return FALSE;
    const DocCharNode* node = first;
    for (int i = 0; i < m_length; i++, node = node->next) {
      m_letters[i] = node->letter;
      m_points[i] = PointOf(node);
    }
    if (!TextMatches()) return FALSE;
    if (!m_options.wholeWord) return TRUE;
    const DocCharNode* before = first->prev;
    const DocCharNode* after = last->next;
    const bool boundBefore = before == nullptr || IsHead(before) || IsWordBreakChar(before->letter);
    const bool boundAfter = after == nullptr || IsWordBreakChar(after->letter);
    return boundBefore && boundAfter;
  }

 private:
  // Vowel points count only in the program's Hebrew fonts.
  BYTE PointOf(const DocCharNode* node) const {
    if (IsNoVowel(node->point) || !IsVowelCode(node->point)) return kNoPoint;
    return m_model.IsHebrewFontNode(m_side, node) ? node->point : kNoPoint;
  }

  bool TextMatches() const {
    if (m_side == kHebrewSide) {
      FindCompareOptions compare{m_options.matchVowels != FALSE, m_options.matchDagesh != FALSE};
      return CompareWordsForFind(m_letters.data(), m_findLetters.data(), m_points.data(),
                                 m_findPoints.data(), compare) == 0;
    }
    for (int i = 0; i < m_length; i++) {
      BYTE a = m_letters[i], b = m_findLetters[i];
      if (!m_options.matchCase) {
        a = FoldCase(a);
        b = FoldCase(b);
      }
      if (a != b) return false;
    }
    return true;
  }

  const DocTextModel& m_model;
  int m_side;
  const FindOptions& m_options;
  int m_length;
  std::vector<BYTE> m_findLetters, m_findPoints;  // zero-terminated
  std::vector<BYTE> m_letters, m_points;          // the window, zero-terminated
};

// Slides the window from its first position in the direction until it
// matches; then selects the match.
BOOL SearchFrom(DocEditor& editor, WindowMatcher& matcher, DocCharNode* first, BOOL down) {
  for (;;) {
    if (matcher.Matches(first)) {
      editor.SetSelection(first->prev, const_cast<DocCharNode*>(matcher.WindowEnd(first)));
      return TRUE;
    }
    if (down) {
      const DocCharNode* last = matcher.WindowEnd(first);
      if (last == nullptr || last->next == nullptr) return FALSE;
      first = first->next;
    } else {
      if (first->prev == nullptr || IsHead(first->prev)) return FALSE;
      first = first->prev;
    }
  }
}

// The selection when it holds exactly the window's characters.
BOOL SelectionStart(const DocEditor& editor, const WindowMatcher& matcher, DocCharNode*& first) {
  DocCharNode* last;
  if (!editor.GetSelectionRange(first, last)) return FALSE;
  return matcher.WindowEnd(first) == last;
}

void ReplaceSelectionWith(DocEditor& editor, const FindText& replace, UserMessageList& messages) {
  DocPasteText paste;
  paste.text = replace.Merged();
  paste.options.filter = kFilterNone;
  editor.ReplaceSelection(paste, messages);
}

// The search after a replacement: downwards it begins after the text put in
// (the caret is on its last character), upwards its windows end before it,
// at `before`. Either way the new text is never searched.
BOOL FindPastInsertion(DocEditor& editor, WindowMatcher& matcher, DocCharNode* before, BOOL down) {
  if (matcher.Length() == 0) return FALSE;
  if (down) {
    DocCharNode* first = editor.Model().Side(editor.Model().GetCurrentSide()).caret->next;
    return first != nullptr && SearchFrom(editor, matcher, first, TRUE);
  }
  DocCharNode* first = before;
  for (int i = 1; i < matcher.Length() && first != nullptr && !IsHead(first); i++)
    first = first->prev;
  if (first == nullptr || IsHead(first)) return FALSE;
  return SearchFrom(editor, matcher, first, FALSE);
}

// Replaces the current match and searches on; FALSE when no match follows.
BOOL ReplaceAndFindNext(DocEditor& editor, const CurrentSearch& search, WindowMatcher& matcher,
                        DocCharNode* first, UserMessageList& messages) {
  DocCharNode* before = first->prev;
  ReplaceSelectionWith(editor, search.replace, messages);
  return FindPastInsertion(editor, matcher, before, search.options.down);
}

}  // namespace

CString FindText::Merged() const {
  CString merged;
  std::vector<BYTE> letterBytes(letters.GetLength() + 1, 0);
  std::vector<BYTE> pointBytes(letters.GetLength() + 1, kNoPoint);
  for (int i = 0; i < letters.GetLength(); i++) {
    letterBytes[i] = static_cast<BYTE>(letters[i]);
    if (i < static_cast<int>(points.size())) pointBytes[i] = points[i];
  }
  MergeLettersAndVowels(merged, letterBytes.data(), pointBytes.data(), letters.GetLength());
  return merged;
}

FindText FindText::FromMerged(LPCSTR merged, BOOL hebrew) {
  FindText text;
  if (!hebrew) {
    text.letters = merged;
    text.points.assign(text.letters.GetLength(), kNoPoint);
    return text;
  }
  const int count = SplitLettersAndVowels(merged, nullptr, nullptr, 0, kNoPoint);
  std::vector<BYTE> letters(count + 1, 0);
  text.points.assign(count + 1, kNoPoint);
  SplitLettersAndVowels(merged, letters.data(), text.points.data(), count + 1, kNoPoint);
  text.points.resize(count);
  text.letters = reinterpret_cast<LPCSTR>(letters.data());
  return text;
}

BOOL FindInSide(DocEditor& editor, const FindText& find, const FindOptions& options) {
  if (find.IsEmpty()) return FALSE;
  const DocSideState& side = editor.Model().Side(editor.Model().GetCurrentSide());
  DocCharNode* reference = side.caret;
  DocCharNode* last;
  editor.GetSelectionRange(reference, last);
  DocCharNode* first = options.down ? reference->next : reference->prev;
  // Upwards the window that would begin at the side's first character is
  // not tried first.
  if (first == nullptr || IsHead(first) || (!options.down && IsHead(first->prev))) return FALSE;
  WindowMatcher matcher(editor.Model(), find, options);
  return SearchFrom(editor, matcher, first, options.down);
}

BOOL IsCurrentMatch(const DocEditor& editor, const FindText& find, const FindOptions& options) {
  if (find.IsEmpty()) return FALSE;
  WindowMatcher matcher(editor.Model(), find, options);
  DocCharNode* first;
  return SelectionStart(editor, matcher, first) && matcher.Matches(first);
}

ReplaceOutcome ReplaceStep(DocEditor& editor, const CurrentSearch& search,
                           UserMessageList& messages) {
  WindowMatcher matcher(editor.Model(), search.find, search.options);
  DocCharNode* first;
  if (search.find.IsEmpty() || !SelectionStart(editor, matcher, first) || !matcher.Matches(first)) {
    return FindInSide(editor, search.find, search.options) ? ReplaceOutcome::kFound
                                                           : ReplaceOutcome::kNotFound;
  }
  return ReplaceAndFindNext(editor, search, matcher, first, messages)
             ? ReplaceOutcome::kReplacedAndFound
             : ReplaceOutcome::kReplacedNoMore;
}

ReplaceAllResult ReplaceAll(DocEditor& editor, const CurrentSearch& search,
                            UserMessageList& messages) {
  ReplaceAllResult result;
  if (!IsCurrentMatch(editor, search.find, search.options) &&
      !FindInSide(editor, search.find, search.options)) {
    result.notFound = TRUE;
    return result;
  }
  WindowMatcher matcher(editor.Model(), search.find, search.options);
  DocCharNode* first;
  BOOL more = TRUE;
  while (more && SelectionStart(editor, matcher, first) && matcher.Matches(first)) {
    more = ReplaceAndFindNext(editor, search, matcher, first, messages);
    result.replaced++;
  }
  return result;
}
