#include "toolkit/core/KWResizeRules.h"

CKWResizeRect KWMoveResizeRect(const CKWResizeRect& pos, const CKWResizeRect& anchors, int dx,
                               int dy) {
  const float fx = static_cast<float>(dx), fy = static_cast<float>(dy);
  return CKWResizeRect(pos.left + fx * anchors.left, pos.top + fy * anchors.top,
                       pos.right + fx * anchors.right, pos.bottom + fy * anchors.bottom);
}

CRect KWTruncatedRect(const CKWResizeRect& pos) {
  return CRect(static_cast<int>(pos.left), static_cast<int>(pos.top),
               static_cast<int>(pos.right), static_cast<int>(pos.bottom));
}

UINT KWResizeMoveFlags(const CRect& current, const CRect& target) {
  UINT flags = kwSwpMoveFlags;
  if (current.TopLeft() == target.TopLeft()) flags |= kwSwpNoMove;
  if (current.Size() == target.Size()) flags |= kwSwpNoSize;
  return flags;
}

void KWApplyTrackLimits(UINT flags, const CRect& stored, CSize minSize, CSize maxSize,
                        KWTrackLimits& limits) {
  if (stored.IsRectEmpty()) return;
  if (flags & kwResizeFixedWidth) limits.maxSize.x = limits.maxTrack.x = stored.Width();
  if (flags & kwResizeFixedHeight) limits.maxSize.y = limits.maxTrack.y = stored.Height();
  if (minSize.cx) limits.minTrack.x = minSize.cx;
  if (minSize.cy) limits.minTrack.y = minSize.cy;
  if (maxSize.cx) limits.maxTrack.x = maxSize.cx;
  if (maxSize.cy) limits.maxTrack.y = maxSize.cy;
}
