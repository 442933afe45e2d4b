#include "ui/layout.h"

#include <algorithm>

namespace {

struct TEdges {
  int left, top, right, bottom;
};

TEdges Inner(const TBounds& area, const TPadding& padding) {
  TEdges edges{area.left + padding.left, area.top + padding.top, area.Right() - padding.right,
               area.Bottom() - padding.bottom};
  edges.right = std::max(edges.right, edges.left);
  edges.bottom = std::max(edges.bottom, edges.top);
  return edges;
}

bool Docked(const TAlignItem& item, TAlign align) { return item.visible && item.align == align; }

}  // namespace

void AlignItems(const TBounds& area, const TPadding& padding, std::span<TAlignItem> items) {
  TEdges free = Inner(area, padding);
  // Each pass works on what the passes before it left over; the order of passes is the rule.
  for (auto& item : items) {
    if (!Docked(item, alTop)) continue;
    item.bounds = {free.left, free.top, free.right - free.left, item.bounds.height};
    free.top += item.bounds.height;
  }
  for (auto& item : items) {
    if (!Docked(item, alBottom)) continue;
    free.bottom -= item.bounds.height;
    item.bounds = {free.left, free.bottom, free.right - free.left, item.bounds.height};
  }
  const int height = std::max(0, free.bottom - free.top);
  for (auto& item : items) {
    if (!Docked(item, alLeft)) continue;
    item.bounds = {free.left, free.top, item.bounds.width, height};
    free.left += item.bounds.width;
  }
  for (auto& item : items) {
    if (!Docked(item, alRight)) continue;
    free.right -= item.bounds.width;
    item.bounds = {free.right, free.top, item.bounds.width, height};
  }
  for (auto& item : items) {
    if (!Docked(item, alClient)) continue;
    item.bounds = {free.left, free.top, std::max(0, free.right - free.left), height};
  }
}

TSplitterDrag BeginSplitterDrag(const TBounds& area, const TPadding& padding,
                                std::span<const TAlignItem> items, int splitter, int minSize) {
  TSplitterDrag drag;
  if (splitter < 0 || splitter >= static_cast<int>(items.size())) return drag;
  const TAlign align = items[splitter].align;
  if (align == alNone || align == alClient) return drag;
  for (int i = splitter - 1; i >= 0; --i) {
    if (Docked(items[i], align)) {
      drag.neighbour = i;
      break;
    }
  }
  if (drag.neighbour < 0) return drag;
  const bool horizontal = align == alLeft || align == alRight;
  auto size = [horizontal](const TAlignItem& item) {
    return horizontal ? item.bounds.width : item.bounds.height;
  };
  // What the client area has now: the inner extent less every item docked on this axis.
  const TEdges inner = Inner(area, padding);
  int left_over = horizontal ? inner.right - inner.left : inner.bottom - inner.top;
  for (const auto& item : items) {
    if (!item.visible) continue;
    const bool on_axis = horizontal ? (item.align == alLeft || item.align == alRight)
                                    : (item.align == alTop || item.align == alBottom);
    if (on_axis) left_over -= size(item);
  }
  drag.startSize = size(items[drag.neighbour]);
  drag.maxSize = std::max(drag.startSize + left_over - minSize, minSize);
  return drag;
}

int SplitterDragSize(const TSplitterDrag& drag, TAlign align, int delta, int minSize) {
  // Docked at the far edge, the neighbour grows when the splitter moves toward the near edge.
  const bool grows_with_delta = align == alLeft || align == alTop;
  const int size = drag.startSize + (grows_with_delta ? delta : -delta);
  return std::clamp(size, minSize, std::max(minSize, drag.maxSize));
}

TBounds FitIntoWorkArea(const TBounds& window, const TBounds& workArea) {
  if (window.width <= workArea.width && window.height <= workArea.height) return window;
  const int width = std::min(window.width, workArea.width);
  const int height = std::min(window.height, workArea.height);
  return {workArea.left + (workArea.width - width) / 2,
          workArea.top + (workArea.height - height) / 2, width, height};
}
