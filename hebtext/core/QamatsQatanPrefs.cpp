#include "hebtext/core/QamatsQatanPrefs.h"

namespace {
int g_kamStyle = 1;
COLORREF g_kamColor = 255;
}  // namespace

int GetKamStyle() { return g_kamStyle; }
COLORREF GetKamColor() { return g_kamColor; }
void SetKamStyle(int style) { g_kamStyle = style != 0 ? 1 : 0; }
void SetKamColor(COLORREF color) { g_kamColor = color; }
