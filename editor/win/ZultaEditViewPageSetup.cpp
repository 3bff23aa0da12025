// The view's Page Setup command: the page settings sheet for the caret's
// page, applied from that page on the active side (and the other side when
// asked) as one undo step.
#include "editor/core/CPageLayout.h"
#include "editor/core/DocEditSnapshot.h"
#include "editor/win/CPageSettings.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "resources/PageSettingsIds.h"

void CZultaEditView::OnPageSetup() {
  if (!IsLaidOut()) return;
  CZultaEditDoc* pDoc = GetDocument();
  DocTextModel& model = pDoc->Model();
  const int side = pDoc->GetActiveSide();
  const int page = model.GetCharPageIndex(model.Side(side).caret);
  const CPageLayout* pLayout = model.GetNthLayout(side, page);
  if (pLayout == nullptr) return;

  CPageSettings sheet(IDS_PAGE_SETTINGS, FALSE, this);
  sheet.m_side = side;
  sheet.m_record = pLayout->settings;
  sheet.m_tabInterval = pLayout->tabInterval;
  sheet.m_tabStops.Copy(pLayout->tabStops);
  if (sheet.DoModal() != IDOK) return;

  CPageLayout layout;
  layout.settings = sheet.m_record;
  layout.tabInterval = sheet.m_tabInterval;
  layout.tabStops.Copy(sheet.m_tabStops);
  DocEditor& editor = pDoc->Editor();
  editor.BeginStep(kUndoPageSettings);
  model.ApplyPageSettingsRange(side, layout, sheet.m_scope, page);
  if (sheet.m_bBothSides) model.ApplyPageSettingsRange(1 - side, layout, sheet.m_scope, page);
  editor.EndStep();
  Invalidate();
  AfterEdit();
}
