// RTF and plain-text export of a document side: letters and points to
// Windows-1255, and the RTF document of a run of characters with its font
// table, colour table and formatted body.
#pragma once

#include <string>
#include <vector>

#include "classlib/core/CString.h"
#include "editor/core/ZultaDocData.h"
#include "hebtext/core/VavOrder.h"

// What the screen says about a face: its pitch-and-family byte and
// character set. Without one, faces are written as family "nil", set 0.
class IRtfFontInfo {
 public:
  // FALSE when the face cannot be selected.
  virtual BOOL GetFontInfo(LPCSTR face, BYTE& pitchAndFamily, BYTE& charSet) = 0;

 protected:
  ~IRtfFontInfo() = default;
};

// Pieces shared by the RTF writers: a formatted number, a font-table entry
// "{\fN\f<family>\fcharsetC face;}" and a colour-table entry.
void AppendRtfNumber(std::string& out, const char* format, unsigned value);
void AppendRtfFontEntry(std::string& out, unsigned number, LPCSTR face, IRtfFontInfo* fonts);
void AppendRtfColor(std::string& out, COLORREF color);

// Sets out to Windows-1255 text: characters in one of the program's Hebrew
// fonts become their letter's sequence and, unless a shuruk or without a
// vowel, their point's; others are copied. attrs is expanded to one word a
// byte.
void ConvertRunsToAnsi(const ZultaDocData& doc, int side, std::string& out,
                       const std::string& letters, const std::vector<BYTE>& points,
                       std::vector<DWORD>& attrs, VavOrder vavOrder);

// The RTF document of Windows-1255 text with one attribute word a byte and
// one paragraph word per paragraph; the side's column sections begin at
// their paragraphs. attrs is renumbered to the written tables' positions.
void BuildRtf(const ZultaDocData& doc, int side, CString& out, const std::string& text,
              std::vector<DWORD>& attrs, const std::vector<DWORD>& paraFormats,
              IRtfFontInfo* fonts);

// The whole side: mode 0 plain text with CR LF line ends, mode 1 RTF. The
// side's lineFormats are taken as its paragraph words.
void ExportSideText(const ZultaDocData& doc, int side, CString& out, int mode, IRtfFontInfo* fonts);

// Reverses each CR-separated line's characters, points and words together.
void ReverseLines(std::string& text, std::vector<BYTE>& points, std::vector<DWORD>& attrs);
