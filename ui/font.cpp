#include "ui/font.h"

#include <algorithm>

#include "ui/dpi.h"

TFont::~TFont() {
  if (FHandle != nullptr) DeleteObject(FHandle);
}

bool TFont::Create(std::wstring_view face, int heightPx, unsigned style, BYTE charset,
                   int designDpi) {
  LOGFONTW font{};
  // Negative: the height of the characters, not of the cell.
  font.lfHeight = -Scale(heightPx, designDpi);
  font.lfWeight = (style & fsBold) != 0 ? FW_BOLD : FW_NORMAL;
  font.lfItalic = (style & fsItalic) != 0;
  font.lfUnderline = (style & fsUnderline) != 0;
  font.lfCharSet = charset;
  font.lfQuality = DEFAULT_QUALITY;
  const size_t length = std::min(face.size(), static_cast<size_t>(LF_FACESIZE - 1));
  face.copy(font.lfFaceName, length);
  HFONT created = CreateFontIndirectW(&font);
  if (created == nullptr) return false;
  if (FHandle != nullptr) DeleteObject(FHandle);
  FHandle = created;
  return true;
}

HFONT MessageFont() {
  static const HFONT font = [] {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
      if (HFONT created = CreateFontIndirectW(&metrics.lfMessageFont)) return created;
    }
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }();
  return font;
}
