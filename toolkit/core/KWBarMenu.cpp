#include "toolkit/core/KWBarMenu.h"

namespace {
// What an untitled bar of each kind is called; a status bar always is.
const char* DefaultText(KWBarKind kind) {
  switch (kind) {
    case KWBarKind::DockWindow: return "Dock Window";
    case KWBarKind::ToolBar: return "Toolbar";
    case KWBarKind::StatusBar: return "Status Bar";
    default: return "Control Bar";
  }
}

// Appends the bars of one kind, the frame's latest first.
void AppendKind(const std::vector<KWBarEntry>& bars, KWBarKind kind,
                std::vector<KWBarMenuItem>& items) {
  for (auto it = bars.rbegin(); it != bars.rend(); ++it) {
    if (it->kind != kind) continue;
    KWBarMenuItem item;
    item.text = it->text.empty() || kind == KWBarKind::StatusBar ? DefaultText(kind) : it->text;
    item.id = it->id;
    item.bChecked = it->bVisible;
    items.push_back(item);
  }
}
}  // namespace

std::vector<KWBarMenuItem> KWBarMenuItems(const std::vector<KWBarEntry>& bars) {
  std::vector<KWBarMenuItem> items;
  AppendKind(bars, KWBarKind::DockWindow, items);
  size_t nDockWindows = items.size();
  for (KWBarKind kind : {KWBarKind::ToolBar, KWBarKind::Other, KWBarKind::StatusBar})
    AppendKind(bars, kind, items);
  // The separator only parts docking windows from other bars.
  if (nDockWindows > 0 && items.size() > nDockWindows) {
    KWBarMenuItem separator;
    separator.bSeparator = true;
    items.insert(items.begin() + static_cast<long>(nDockWindows), separator);
  }
  return items;
}
