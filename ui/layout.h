#ifndef OSTREL_UI_LAYOUT_H_
#define OSTREL_UI_LAYOUT_H_

// Dock layout of a container's children and the splitter arithmetic, in device pixels. Pure
// arithmetic, free of <windows.h>, so it is tested without windows.

#include <span>

// How a child docks in its container (the classic panel layout).
enum TAlign : int { alNone, alTop, alBottom, alLeft, alRight, alClient };

// A rectangle as position and size (parent client coordinates).
struct TBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const TBounds&) const = default;
};

// Space kept free inside a container's edges.
struct TPadding {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const TPadding&) const = default;
};

struct TAlignItem {
  TAlign align = alNone;
  bool visible = true;
  TBounds bounds;  // in: the size along the docking axis; out: the placed rectangle
};

// Places every visible docked item inside `area` less `padding`: first the top items (stacked
// downward from the top edge in list order), then the bottom items (upward from the bottom),
// then left and right items in the height left between them, and client items fill the rest.
// An item keeps its height (top, bottom) or width (left, right); other sizes are never negative.
// Hidden and alNone items are left untouched.
void AlignItems(const TBounds& area, const TPadding& padding, std::span<TAlignItem> items);

// What a splitter at `splitter` resizes while it is dragged: its neighbour is the nearest visible
// item before it in list order with the same alignment (the one between it and the edge).
struct TSplitterDrag {
  int neighbour = -1;  // -1: nothing to resize
  int startSize = 0;   // the neighbour's size along the axis when the drag began
  int maxSize = 0;     // the largest size that still leaves `minSize` to the client area
};
TSplitterDrag BeginSplitterDrag(const TBounds& area, const TPadding& padding,
                                std::span<const TAlignItem> items, int splitter, int minSize);

// The neighbour's size after the mouse moved `delta` pixels along the axis (positive to the
// right or down), kept between `minSize` and the drag's maxSize.
int SplitterDragSize(const TSplitterDrag& drag, TAlign align, int delta, int minSize);

// A window's bounds made to lie inside `workArea`: one larger than the area in either direction
// is shrunk to it and centred there; one that fits is left where it is.
TBounds FitIntoWorkArea(const TBounds& window, const TBounds& workArea);

#endif  // OSTREL_UI_LAYOUT_H_
