// doconvert IN OUT [SIDE]: reads IN as the editor's Open does and writes OUT
// as its Save does; a .rtf or .txt output takes SIDE (0 English, 1 Hebrew;
// default: the side that holds text, Hebrew first). Messages go to stderr.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "editor/core/HebrewCharsetFonts.h"
#include "editor/core/ZultaFile.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: doconvert IN OUT [SIDE]\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  ByteBuffer bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ZultaDocData doc;
  doc.styles.AddDefaultEntries();
  doc.sides[0].face = "Arial";
  doc.sides[1].face = "Pomlar David 2";
  doc.sides[0].lineFormats = {0};
  doc.sides[1].lineFormats = {0};
  CZultaFile reader;
  BOOL read = reader.ReadDocument(bytes.data(), bytes.size(), doc);
  for (const UserMessage& message : reader.GetMessages()) {
    LPCSTR caption = message.caption;
    std::fprintf(stderr, "%s%s%s\n", caption, *caption ? ": " : "",
                 static_cast<LPCSTR>(message.text));
  }
  if (!read) {
    std::fprintf(stderr, "%s\n", static_cast<LPCSTR>(reader.GetError()));
    return 1;
  }
  doc.currentSide = argc > 3                       ? (std::atoi(argv[3]) == 0 ? 0 : 1)
                    : doc.sides[1].letters.empty() ? 0
                                                   : 1;
  HebrewCharsetFonts fonts;
  CZultaFile writer;
  writer.SetFontInfo(&fonts);
  ByteBuffer out;
  if (!writer.WriteDocument(doc, argv[2], out)) {
    std::fprintf(stderr, "%s\n", static_cast<LPCSTR>(writer.GetError()));
    return 1;
  }
  std::ofstream file(argv[2], std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return file ? 0 : 1;
}
