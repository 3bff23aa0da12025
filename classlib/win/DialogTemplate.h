// A dialog template built in memory, laid out in dialog units, for the class
// library's own dialogs and bars (the program's resources hold none of them).
#pragma once

#include <windows.h>

#include <vector>

// Classes of a template's items, by their predefined numbers.
constexpr WORD kDialogButtonClass = 0x0080;
constexpr WORD kDialogStaticClass = 0x0082;
constexpr WORD kDialogListBoxClass = 0x0083;

class DialogTemplateBuilder {
 public:
  // The dialog's style, with DS_SETFONT added for the class library's font.
  DialogTemplateBuilder(LPCSTR lpszTitle, DWORD dwStyle, short cx, short cy);

  // A visible child item of a predefined class.
  void AddItem(WORD wClass, WORD wID, DWORD dwStyle, short x, short y, short cx, short cy,
               LPCSTR lpszText);

  LPCDLGTEMPLATEA Get() const { return reinterpret_cast<LPCDLGTEMPLATEA>(m_words.data()); }

 private:
  template <typename T>
  void AppendStruct(const T& value) {
    static_assert(sizeof(T) % sizeof(WORD) == 0, "whole words");
    const WORD* pWords = reinterpret_cast<const WORD*>(&value);
    m_words.insert(m_words.end(), pWords, pWords + sizeof(T) / sizeof(WORD));
  }
  void AppendWord(WORD w) { m_words.push_back(w); }
  // Texts of a template are UTF-16; ours are ASCII.
  void AppendText(LPCSTR lpsz);
  void AlignToDword() {
    if (m_words.size() % 2 != 0) m_words.push_back(0);
  }

  // DWORD-aligned storage for the template.
  std::vector<WORD> m_words;
};
