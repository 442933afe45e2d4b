// Painted rather than stored: a few shapes cost less than bitmap resources, and they take the
// window face of the system they run on.

#include "upgrade/dialogs/ul_pictures.h"

#include <functional>
#include <initializer_list>

namespace {

HBITMAP Paint(int width, int height, const std::function<void(HDC dc)>& paint) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  if (bitmap != nullptr && dc != nullptr) {
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
    paint(dc);
    SelectObject(dc, old);
  }
  if (dc != nullptr) DeleteDC(dc);
  return bitmap;
}

// Shapes drawn by `draw` come out filled and outlined in `color`.
void InColor(HDC dc, COLORREF color, const std::function<void()>& draw) {
  HBRUSH brush = CreateSolidBrush(color);
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HGDIOBJ old_brush = SelectObject(dc, brush);
  HGDIOBJ old_pen = SelectObject(dc, pen);
  draw();
  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
  DeleteObject(pen);
  DeleteObject(brush);
}

void Rectangles(HDC dc, std::initializer_list<RECT> rects) {
  for (const RECT& r : rects) Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

}  // namespace

// A white question mark on a blue disc.
HBITMAP QuestionPicture() {
  static const HBITMAP picture = Paint(32, 32, [](HDC dc) {
    InColor(dc, RGB(40, 100, 200), [dc] { Ellipse(dc, 1, 1, 31, 31); });
    InColor(dc, RGB(255, 255, 255), [dc] {
      Rectangles(
          dc,
          {{10, 7, 22, 10}, {19, 9, 22, 16}, {14, 15, 21, 18}, {14, 17, 17, 21}, {14, 23, 17, 26}});
      Rectangles(dc, {{9, 9, 12, 12}});
    });
  });
  return picture;
}

// A golden key: bow with a hole, shaft and two bits.
HBITMAP PasswordPicture() {
  static const HBITMAP picture = Paint(32, 32, [](HDC dc) {
    InColor(dc, RGB(200, 150, 30), [dc] {
      Ellipse(dc, 2, 8, 18, 24);
      Rectangles(dc, {{16, 14, 30, 18}, {22, 18, 25, 23}, {27, 18, 30, 22}});
    });
    InColor(dc, GetSysColor(COLOR_BTNFACE), [dc] { Ellipse(dc, 6, 13, 11, 19); });
  });
  return picture;
}

// An upward arrow over a sky that fades from blue into the window face.
HBITMAP SidePicture() {
  constexpr int kWidth = 118;
  constexpr int kHeight = 218;
  static const HBITMAP picture = Paint(kWidth, kHeight, [](HDC dc) {
    for (int y = 0; y < kHeight; ++y) {
      const int fade = y * 255 / kHeight;
      InColor(dc, RGB(30 + fade * 7 / 10, 80 + fade / 2, 160 + fade / 4),
              [dc, y] { Rectangle(dc, 0, y, kWidth, y + 1); });
    }
    InColor(dc, RGB(255, 255, 255), [dc] {
      const POINT head[] = {{59, 40}, {99, 90}, {19, 90}};
      Polygon(dc, head, 3);
      Rectangle(dc, 44, 90, 74, 170);
    });
  });
  return picture;
}
