#include "hebtext/core/CCharFormatKey.h"

void CCharFormatKey::Reset() { Set(0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFF, 0, 0, 0, 0); }

void CCharFormatKey::Set(WORD textColor, WORD backColor, WORD font, WORD fontSize, BYTE style,
                         BYTE alignment, BYTE zero, WORD extraLineSpace, WORD extraWordSpace) {
  m_textColor = textColor;
  m_backColor = backColor;
  m_font = font;
  m_fontSize = fontSize;
  m_style = style;
  m_alignment = alignment;
  m_zero = zero;
  m_extraWordSpace = extraWordSpace;
  m_extraLineSpace = extraLineSpace;
}

int CCharFormatKey::IsDifferent(const CCharFormatKey& other) const {
  return m_textColor != other.m_textColor || m_backColor != other.m_backColor ||
                 m_font != other.m_font || m_fontSize != other.m_fontSize ||
                 m_style != other.m_style || m_alignment != other.m_alignment ||
                 m_zero != other.m_zero || m_extraWordSpace != other.m_extraWordSpace ||
                 m_extraLineSpace != other.m_extraLineSpace
             ? 1
             : 0;
}
