#ifndef OSTREL_UI_FONT_H_
#define OSTREL_UI_FONT_H_

// Fonts of the forms and controls. Every form uses the system's message font unless it names
// another: that font has the glyphs of the system's language (Chinese texts render on a Chinese
// system, and under Wine through its font links).

#include <windows.h>

#include <string_view>

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4 };

// An owned HFONT. Keep it alive as long as any window uses it (a member of the form).
class TFont {
 public:
  TFont() = default;
  ~TFont();
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  // `heightPx`: the character height in pixels at `designDpi` (a font of 8 points at 96 DPI is
  // 11), scaled for the screen. `charset` e.g. GB2312_CHARSET for "宋体".
  bool Create(std::wstring_view face, int heightPx, unsigned style = 0,
              BYTE charset = DEFAULT_CHARSET, int designDpi = 96);
  HFONT Handle() const { return FHandle; }

 private:
  HFONT FHandle = nullptr;
};

// The system's message font (NONCLIENTMETRICS lfMessageFont), created once for the process.
HFONT MessageFont();

#endif  // OSTREL_UI_FONT_H_
