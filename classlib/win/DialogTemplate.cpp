#include "classlib/win/DialogTemplate.h"

namespace {
constexpr WORD kFontPoints = 8;
constexpr char kFontName[] = "MS Shell Dlg";
}  // namespace

DialogTemplateBuilder::DialogTemplateBuilder(LPCSTR lpszTitle, DWORD dwStyle, short cx, short cy) {
  DLGTEMPLATE header = {};
  header.style = dwStyle | DS_SETFONT;
  header.cx = cx;
  header.cy = cy;
  AppendStruct(header);
  AppendWord(0);  // no menu
  AppendWord(0);  // the standard dialog class
  AppendText(lpszTitle);
  AppendWord(kFontPoints);
  AppendText(kFontName);
}

void DialogTemplateBuilder::AddItem(WORD wClass, WORD wID, DWORD dwStyle, short x, short y,
                                    short cx, short cy, LPCSTR lpszText) {
  AlignToDword();
  DLGITEMTEMPLATE item = {};
  item.style = dwStyle | WS_CHILD | WS_VISIBLE;
  item.x = x;
  item.y = y;
  item.cx = cx;
  item.cy = cy;
  item.id = wID;
  AppendStruct(item);
  AppendWord(0xFFFF);  // a predefined class by its number
  AppendWord(wClass);
  AppendText(lpszText);
  AppendWord(0);  // no creation data
  ++reinterpret_cast<DLGTEMPLATE*>(m_words.data())->cdit;
}

void DialogTemplateBuilder::AppendText(LPCSTR lpsz) {
  for (; *lpsz != '\0'; ++lpsz) m_words.push_back(static_cast<BYTE>(*lpsz));
  m_words.push_back(0);
}
