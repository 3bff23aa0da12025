// The current values the spacing and column dialogs of the editor show.
#include "editor/core/DocFormatting.h"

WORD DocFormatting::GetExtraLineSpacing() const {
  return m_model.GetLineSpace(FormatLineSpace(m_editor.GetSelectionParaFormat()));
}

WORD DocFormatting::GetExtraWordSpacing() const {
  return m_model.GetWordSpace(AttrWordSpace(m_editor.GetSelectionAttr()));
}

DocColumnSettings DocFormatting::GetColumnSettings(DocCharRange range) const {
  DocColumnSettings settings;
  DocLineNode *first, *last;
  GetParagraphLines(range, first, last);
  for (DocLineNode* line = first; line != nullptr; line = line->next) {
    if (const DocSection* section = line->section) {
      settings.count = section->columnCount;
      settings.gapPixels = section->gap;
      settings.gap = section->gapInUnit;
      settings.unit = section->unit;
      break;
    }
    if (line == last) break;
  }
  return settings;
}

const CPageLayout* DocFormatting::GetCaretPageLayout() const {
  const DocSideState& side = m_model.Side(Side());
  const DocPageNode* page = m_model.GetCharPage(side.caret);
  const CPageLayout* layout = page != nullptr ? m_model.GetPageLayout(page) : nullptr;
  // A side not laid out into pages yet has its default page.
  return layout != nullptr ? layout : &side.defaultLayout;
}
