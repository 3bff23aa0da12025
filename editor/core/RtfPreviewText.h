// The content of the RTF display control: its characters with their
// attribute words and layout boxes, the style tables of the RTF they came
// from, and the font and colours each character is shown in. Index 0 always
// holds a leading blank that is never shown.
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "editor/core/CharAttr.h"
#include "editor/core/DocStyleTables.h"
#include "hebtext/core/UserMessage.h"

// Room is made this many characters at a time.
constexpr int kPreviewGrowBy = 10;

// The face, point size and style bits (1 bold, 2 italic, 4 underline) of a
// character.
struct PreviewFont {
  CString face;
  WORD pointSize = 0;
  UINT style = 0;
};

// A character's place: its cell spans the whole height of its line; its
// glyph box stands on the line's baseline.
struct PreviewCharBox {
  RECT cell;
  RECT glyph;
};

// Where the character blocks come from; the default is the C heap.
class IPreviewBlocks {
 public:
  virtual void* Allocate(size_t bytes) = 0;  // zeroed, null when there is no room
  virtual void Free(void* block) = 0;

 protected:
  ~IPreviewBlocks() = default;
};

class RtfPreviewText {
 public:
  explicit RtfPreviewText(IPreviewBlocks* pBlocks = nullptr);
  ~RtfPreviewText();
  RtfPreviewText(const RtfPreviewText&) = delete;
  RtfPreviewText& operator=(const RtfPreviewText&) = delete;

  // Replaces the content with RTF (text beginning "{\rtf") or plain text.
  // A parse error leaves the content empty and returns its message.
  UserMessageList SetText(const char* text);

  // Inserts c at the insertion position, with the attribute word of the
  // character before it when attr is null; returns the new count, which is
  // unchanged when there was no room to grow.
  int AddChar(BYTE c, const CharAttr* attr = nullptr);

  // The font and colours of an attribute word.
  PreviewFont GetCharFont(CharAttr attr) const;
  COLORREF GetTextColor(CharAttr attr) const;
  // False when the character has no background of its own.
  bool GetBackColor(CharAttr attr, COLORREF& color) const;

  int GetCount() const { return m_count; }
  int GetCapacity() const { return m_capacity; }
  BYTE GetChar(int index) const { return m_chars[index]; }
  CharAttr GetAttr(int index) const { return m_attrs[index]; }
  PreviewCharBox& Box(int index) { return m_boxes[index]; }
  const PreviewCharBox& Box(int index) const { return m_boxes[index]; }
  // The index of the first character of each line, filled by the layout.
  std::vector<LONG>& LineStarts() { return m_lineStarts; }
  const std::vector<LONG>& LineStarts() const { return m_lineStarts; }

 private:
  struct Blocks {
    BYTE* chars = nullptr;
    CharAttr* attrs = nullptr;
    PreviewCharBox* boxes = nullptr;
  };
  bool AllocateBlocks(int capacity, Blocks& blocks);
  void FreeBlocks(Blocks& blocks);
  // The initial state: the leading blank alone, room for kPreviewGrowBy.
  void Reset();
  void SetPlainText(const char* text);
  UserMessageList SetRtfText(const char* text);

  IPreviewBlocks* m_pBlocks;
  BYTE* m_chars = nullptr;
  CharAttr* m_attrs = nullptr;
  PreviewCharBox* m_boxes = nullptr;
  std::vector<LONG> m_lineStarts;
  int m_insertAt = 1;
  int m_count = 0;
  int m_capacity = 0;
  // Filled from the last parsed RTF: text and back colours, faces, sizes.
  DocStyleTables m_tables;
  PreviewFont m_default;
};
