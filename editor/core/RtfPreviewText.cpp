#include "editor/core/RtfPreviewText.h"

#include <cstdlib>
#include <cstring>

#include "editor/core/RtfReader.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/NumberText.h"

namespace {

constexpr char kRtfSignature[] = "{\\rtf";
constexpr char kDefaultFace[] = "Arial";
constexpr WORD kDefaultPointSize = 14;
constexpr COLORREF kBlack = 0x000000;

class HeapBlocks : public IPreviewBlocks {
 public:
  void* Allocate(size_t bytes) override { return std::calloc(1, bytes); }
  void Free(void* block) override { std::free(block); }
};

HeapBlocks g_heapBlocks;

}  // namespace

RtfPreviewText::RtfPreviewText(IPreviewBlocks* pBlocks)
    : m_pBlocks(pBlocks ? pBlocks : &g_heapBlocks) {
  m_default.face = kDefaultFace;
  m_default.pointSize = kDefaultPointSize;
  Reset();
}

RtfPreviewText::~RtfPreviewText() {
  Blocks blocks{m_chars, m_attrs, m_boxes};
  FreeBlocks(blocks);
}

bool RtfPreviewText::AllocateBlocks(int capacity, Blocks& blocks) {
  size_t count = static_cast<size_t>(capacity);
  blocks.chars = static_cast<BYTE*>(m_pBlocks->Allocate(count * sizeof(BYTE)));
  blocks.attrs = static_cast<CharAttr*>(m_pBlocks->Allocate(count * sizeof(CharAttr)));
  blocks.boxes = static_cast<PreviewCharBox*>(m_pBlocks->Allocate(count * sizeof(PreviewCharBox)));
  if (blocks.chars && blocks.attrs && blocks.boxes) return true;
  FreeBlocks(blocks);
  return false;
}

void RtfPreviewText::FreeBlocks(Blocks& blocks) {
  if (blocks.chars) m_pBlocks->Free(blocks.chars);
  if (blocks.attrs) m_pBlocks->Free(blocks.attrs);
  if (blocks.boxes) m_pBlocks->Free(blocks.boxes);
  blocks = Blocks();
}

void RtfPreviewText::Reset() {
  Blocks old{m_chars, m_attrs, m_boxes};
  FreeBlocks(old);
  m_chars = nullptr;
  m_attrs = nullptr;
  m_boxes = nullptr;
  m_count = m_capacity = 0;
  m_insertAt = 1;
  m_lineStarts.clear();
  m_tables.RemoveAll();
  Blocks blocks;
  if (!AllocateBlocks(kPreviewGrowBy, blocks)) return;
  m_chars = blocks.chars;
  m_attrs = blocks.attrs;
  m_boxes = blocks.boxes;
  m_capacity = kPreviewGrowBy;
  m_chars[0] = HebCode::Space;
  m_count = 1;
}

int RtfPreviewText::AddChar(BYTE c, const CharAttr* attr) {
  if (m_count == 0) return 0;  // the initial blocks never came
  if (m_count == m_capacity) {
    // All three blocks grow or none does.
    Blocks grown;
    if (!AllocateBlocks(m_capacity + kPreviewGrowBy, grown)) return m_count;
    std::memcpy(grown.chars, m_chars, m_count * sizeof(BYTE));
    std::memcpy(grown.attrs, m_attrs, m_count * sizeof(CharAttr));
    std::memcpy(grown.boxes, m_boxes, m_count * sizeof(PreviewCharBox));
    Blocks old{m_chars, m_attrs, m_boxes};
    FreeBlocks(old);
    m_chars = grown.chars;
    m_attrs = grown.attrs;
    m_boxes = grown.boxes;
    m_capacity += kPreviewGrowBy;
  }
  const int at = m_insertAt;
  const CharAttr word = attr ? *attr : m_attrs[at - 1];
  const size_t after = static_cast<size_t>(m_count - at);
  std::memmove(m_chars + at + 1, m_chars + at, after * sizeof(BYTE));
  std::memmove(m_attrs + at + 1, m_attrs + at, after * sizeof(CharAttr));
  std::memmove(m_boxes + at + 1, m_boxes + at, after * sizeof(PreviewCharBox));
  m_chars[at] = c;
  m_attrs[at] = word;
  m_boxes[at] = PreviewCharBox();
  ++m_insertAt;
  return ++m_count;
}

UserMessageList RtfPreviewText::SetText(const char* text) {
  if (std::strncmp(text, kRtfSignature, sizeof kRtfSignature - 1) != 0) {
    SetPlainText(text);
    return {};
  }
  return SetRtfText(text);
}

void RtfPreviewText::SetPlainText(const char* text) {
  Reset();
  for (const char* p = text; *p; ++p) {
    const BYTE c = static_cast<BYTE>(*p);
    if (IsPrintableChar(c) || IsBlankCode(c)) AddChar(c);
  }
}

UserMessageList RtfPreviewText::SetRtfText(const char* text) {
  Reset();
  DocStyleTables tables;
  CRtfTables parse(text, std::strlen(text), &tables);
  const int error = RtfParse(parse);
  if (error != kRtfOk) return {RtfParseErrorMessage(error)};

  const int count = static_cast<int>(parse.text.size()) + 1;
  Blocks blocks;
  if (!AllocateBlocks(count, blocks)) return {};
  Blocks old{m_chars, m_attrs, m_boxes};
  FreeBlocks(old);
  m_chars = blocks.chars;
  m_attrs = blocks.attrs;
  m_boxes = blocks.boxes;
  m_chars[0] = HebCode::Space;
  std::memcpy(m_chars + 1, parse.text.data(), parse.text.size());
  std::memcpy(m_attrs + 1, parse.attrs.data(), parse.attrs.size() * sizeof(CharAttr));
  m_count = m_capacity = m_insertAt = count;
  m_tables.CopyFrom(tables);
  return {};
}

PreviewFont RtfPreviewText::GetCharFont(CharAttr attr) const {
  PreviewFont font = m_default;
  font.style = AttrStyle(attr);
  const UINT face = AttrFont(attr);
  if (face != 0 && face < static_cast<UINT>(m_tables.fontNames.GetSize()))
    font.face = m_tables.fontNames[face];
  const UINT size = AttrSize(attr);
  if (size != 0 && size < static_cast<UINT>(m_tables.fontSizes.GetSize()))
    font.pointSize = m_tables.fontSizes[size];
  return font;
}

COLORREF RtfPreviewText::GetTextColor(CharAttr attr) const {
  const UINT index = AttrTextColor(attr);
  if (index == 0 || index >= static_cast<UINT>(m_tables.textColors.GetSize())) return kBlack;
  const COLORREF color = m_tables.textColors[index];
  return color == kDefaultColorEntry ? kBlack : color;
}

bool RtfPreviewText::GetBackColor(CharAttr attr, COLORREF& color) const {
  const UINT index = AttrBackColor(attr);
  if (index == 0 || index >= static_cast<UINT>(m_tables.backColors.GetSize())) return false;
  color = m_tables.backColors[index];
  return color != kDefaultColorEntry;
}
