#ifndef OSTREL_UI_CLIPBOARD_H_
#define OSTREL_UI_CLIPBOARD_H_

// The clipboard's text, and bitmaps written to files. UI thread only.

#include <windows.h>

#include <string>
#include <string_view>

// Replaces the clipboard's contents with `text`; false when the clipboard could not be had.
bool SetClipboardText(std::wstring_view text);
// The clipboard's text; empty when it holds none.
std::wstring ClipboardText();

// Writes `bitmap` as a 24-bit .bmp file to `path`; false when it could not.
bool SaveBitmapToFile(HBITMAP bitmap, const std::wstring& path);

#endif  // OSTREL_UI_CLIPBOARD_H_
