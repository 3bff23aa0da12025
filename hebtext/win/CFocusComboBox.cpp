#include "hebtext/win/CFocusComboBox.h"

#include "classlib/win/MessageMap.h"
#include "hebtext/win/SharedControlMessages.h"

BEGIN_MESSAGE_MAP(CFocusComboBox, CComboBox)
  ON_WM_KEYDOWN()
END_MESSAGE_MAP()

void CFocusComboBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  CComboBox::OnKeyDown(nChar, nRepCnt, nFlags);
  if (nChar == VK_ESCAPE) PostActiveDocumentFocus();
}
