#include "tables/core/TableMarkup.h"

#include <cctype>
#include <cstring>

#include "hebtext/core/ColorSpec.h"

namespace {

constexpr char kTagOpen = '{';
constexpr char kTagClose = '}';
constexpr char kNewline = '\n';
constexpr char kSpace = ' ';
constexpr char kNegation = '/';
constexpr char kResetAll = '!';
// Larger sizes would overflow the font height arithmetic.
constexpr int kMaxSizePercent = 1000;

bool IsBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\r'; }

// The attributes a cell takes from the tags before it.
struct RunningState {
  LONG column = 0;
  LONG alignment = kMarkupLeft;
  LONG textColor = kMarkupBlack;
  LONG background = kMarkupWhite;
  LONG font = kMarkupStockFont;
  LONG size = kMarkupDefaultSize;
  LONG bold = 0;
  LONG italic = 0;
};

// Reads the decimal digits at text into value, bounded by limit; false when
// there are none or the number exceeds the limit. text moves past them.
bool ReadNumber(const char*& text, int limit, int& value) {
  if (!std::isdigit(static_cast<unsigned char>(*text))) return false;
  value = 0;
  bool fits = true;
  for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
    if (fits) value = value * 10 + (*text - '0');
    if (value > limit) fits = false;
  }
  return fits;
}

// One scan of the text. The counting pass leaves cells null; the filling pass
// finishes cells into it and applies tags to the cell being gathered.
class MarkupScanner {
 public:
  explicit MarkupScanner(std::vector<TableMarkupCell>* cells) : m_cells(cells) {}

  void Scan(const unsigned char* text) {
    for (const unsigned char* p = text; *p && !m_full; ++p) {
      if (*p == kTagOpen) {
        FinishWord();
        const unsigned char* close = p + 1;
        while (*close && *close != kTagClose) ++close;
        if (!*close) break;  // an unterminated tag ends the text
        StartLine();
        if (!m_full) ApplyTag(reinterpret_cast<const char*>(p + 1), close - p - 1);
        p = close;
      } else if (*p == kNewline) {
        FinishWord();
        if (m_newLine) RaiseRow();
        m_newLine = true;
      } else if (*p == kSpace) {
        Append(*p);
        m_breakable = true;
      } else {
        if (m_breakable && m_hasInk) FinishWord();
        StartLine();
        if (m_full) break;
        Append(*p);
      }
    }
    FinishWord();
  }

  LONG Cells() const { return m_count; }
  LONG Rows() const { return m_row; }

 private:
  void Append(unsigned char c) {
    if (m_word.size() < static_cast<size_t>(kMarkupMaxWordLength)) m_word.push_back(c);
    if (!IsBlank(c)) m_hasInk = true;
    m_breakable = false;
  }

  // The first ink or tag after a newline opens the next row.
  void StartLine() {
    if (!m_newLine) return;
    m_newLine = false;
    RaiseRow();
  }

  // Past the last row the rest of the text is dropped.
  void RaiseRow() {
    if (m_row == kMarkupMaxRows)
      m_full = true;
    else
      ++m_row;
  }

  void FinishWord() {
    if (m_word.empty()) return;
    if (m_cells) Fill((*m_cells)[m_count]);
    ++m_count;
    m_word.clear();
    m_hasInk = false;
    m_breakable = false;
    // Blanks after a newline stay in the old row; what follows starts afresh.
    if (m_newLine) {
      m_state.column = 0;
      m_state.alignment = kMarkupLeft;
      StartLine();
    }
  }

  void Fill(TableMarkupCell& cell) const {
    cell.text = m_word;
    cell.sequence = m_count + 1;
    cell.row = m_row;
    if (cell.column == 0) cell.column = m_state.column;
    const auto take = [](LONG& field, LONG value) {
      if (field == kMarkupUnset) field = value;
    };
    take(cell.background, m_state.background);
    take(cell.textColor, m_state.textColor);
    take(cell.font, m_state.font);
    take(cell.size, m_state.size);
    take(cell.bold, m_state.bold);
    take(cell.italic, m_state.italic);
    take(cell.alignment, m_state.alignment);
  }

  // Sets a field of the running state and of the cell being gathered.
  void Set(LONG RunningState::*state, LONG TableMarkupCell::*field, LONG value) {
    m_state.*state = value;
    if (m_cells && m_count < static_cast<LONG>(m_cells->size())) (*m_cells)[m_count].*field = value;
  }

  void SetColour(LONG RunningState::*state, LONG TableMarkupCell::*field, const char* colourText) {
    const COLORREF colour = ParseColorSpec(colourText);
    // Text that names no colour leaves the colour as it was.
    if (colour != kInvalidColorSpec) Set(state, field, static_cast<LONG>(colour));
  }

  void ApplyTag(const char* text, ptrdiff_t length) {
    if (length > kMarkupMaxTagLength) return;
    // Tags are case-insensitive: read an upper-cased copy.
    char tag[kMarkupMaxTagLength + 1];
    for (ptrdiff_t i = 0; i < length; ++i)
      tag[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
    tag[length] = '\0';
    const bool closing = tag[0] == kNegation;
    const char* name = closing ? tag + 1 : tag;
    if (closing)
      ApplyClosing(name);
    else
      ApplyOpening(name);
  }

  void ApplyOpening(const char* name) {
    int number = 0;
    switch (name[0]) {
      case 'B': return SetColour(&RunningState::background, &TableMarkupCell::background, name + 1);
      case 'T': return SetColour(&RunningState::textColor, &TableMarkupCell::textColor, name + 1);
      case 'C':
      case 'L':
      case 'R':
        if (name[1] == '\0') SetAlignment(name[0]);
        return;
      case 'F': {
        const char* value = name + 1;
        if (std::strcmp(value, "B") == 0)
          return Set(&RunningState::bold, &TableMarkupCell::bold, 1);
        if (std::strcmp(value, "I") == 0)
          return Set(&RunningState::italic, &TableMarkupCell::italic, 1);
        if (*value == 'S') {
          ++value;
          if (ReadNumber(value, kMaxSizePercent, number) && number > 0)
            Set(&RunningState::size, &TableMarkupCell::size, number);
          return;
        }
        if (ReadNumber(value, kMarkupLastFont, number) && number > 0)
          Set(&RunningState::font, &TableMarkupCell::font, number);
        return;
      }
      default: {
        const char* value = name;
        if (!ReadNumber(value, kMarkupColumns, number) || number == 0) return;
        Set(&RunningState::column, &TableMarkupCell::column, number);
        SetAlignment(*value == 'C' || *value == 'R' ? *value : 'L');
      }
    }
  }

  void ApplyClosing(const char* name) {
    if (std::strcmp(name, "B") == 0)
      Set(&RunningState::background, &TableMarkupCell::background, kMarkupWhite);
    else if (std::strcmp(name, "T") == 0)
      Set(&RunningState::textColor, &TableMarkupCell::textColor, kMarkupBlack);
    else if (std::strcmp(name, "C") == 0 || std::strcmp(name, "L") == 0 ||
             std::strcmp(name, "R") == 0)
      SetAlignment(name[0]);
    else if (std::strcmp(name, "F") == 0)
      Set(&RunningState::font, &TableMarkupCell::font, kMarkupStockFont);
    else if (name[0] == 'F' && name[1] == kResetAll && name[2] == '\0')
      ResetAll();
    else if (std::strcmp(name, "FB") == 0)
      Set(&RunningState::bold, &TableMarkupCell::bold, 0);
    else if (std::strcmp(name, "FI") == 0)
      Set(&RunningState::italic, &TableMarkupCell::italic, 0);
    else if (std::strcmp(name, "FS") == 0)
      Set(&RunningState::size, &TableMarkupCell::size, kMarkupDefaultSize);
  }

  void SetAlignment(char letter) {
    const LONG alignment = letter == 'C'   ? kMarkupCentre
                           : letter == 'R' ? kMarkupRight
                                           : kMarkupLeft;
    Set(&RunningState::alignment, &TableMarkupCell::alignment, alignment);
  }

  void ResetAll() {
    Set(&RunningState::font, &TableMarkupCell::font, kMarkupStockFont);
    Set(&RunningState::size, &TableMarkupCell::size, kMarkupDefaultSize);
    Set(&RunningState::bold, &TableMarkupCell::bold, 0);
    Set(&RunningState::italic, &TableMarkupCell::italic, 0);
    Set(&RunningState::background, &TableMarkupCell::background, kMarkupWhite);
    Set(&RunningState::textColor, &TableMarkupCell::textColor, kMarkupBlack);
  }

  std::vector<TableMarkupCell>* m_cells;
  RunningState m_state;
  std::string m_word;
  bool m_hasInk = false;     // the pending word holds a non-blank character
  bool m_breakable = false;  // a space ended the pending word's characters
  bool m_newLine = false;    // a newline came; the next ink opens a row
  bool m_full = false;       // the row limit is reached
  LONG m_count = 0;
  LONG m_row = 1;
};

}  // namespace

TableMarkupHandle ParseTableMarkup(LPCSTR text) {
  if (!text || !std::strchr(text, kTagOpen)) return nullptr;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  MarkupScanner counter(nullptr);
  counter.Scan(bytes);
  auto table = std::make_unique<TableMarkupHeader>();
  table->cellCount = counter.Cells();
  table->rowCount = counter.Rows();
  table->cells.resize(static_cast<size_t>(table->cellCount));
  MarkupScanner filler(&table->cells);
  filler.Scan(bytes);
  return table;
}

void FreeTableMarkup(TableMarkupHandle& table) { table.reset(); }
