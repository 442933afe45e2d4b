#include "ui/clipboard.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

// Another program may hold the clipboard for a moment (one that watches it reads it at every
// change): a few short tries before giving up.
// Opened without a window, the clipboard has no owner after EmptyClipboard, and Windows then
// refuses SetClipboardData: it is opened for a hidden window of the calling thread.
HWND ClipboardWindow() {
  thread_local HWND window =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  return window;
}

bool OpenClipboardPatiently() {
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (OpenClipboard(ClipboardWindow())) return true;
    Sleep(20);
  }
  return false;
}

}  // namespace

bool SetClipboardText(std::wstring_view text) {
  if (!OpenClipboardPatiently()) return false;
  bool done = false;
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (EmptyClipboard()) {
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
      if (auto* target = static_cast<wchar_t*>(GlobalLock(memory))) {
        std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
        target[text.size()] = L'\0';
        GlobalUnlock(memory);
        done = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
      }
      // The clipboard owns the memory once it took it.
      if (!done) GlobalFree(memory);
    }
  }
  CloseClipboard();
  return done;
}

std::wstring ClipboardText() {
  if (!OpenClipboardPatiently()) return {};
  std::wstring text;
  if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* source = static_cast<const wchar_t*>(GlobalLock(memory))) {
      text = source;
      GlobalUnlock(memory);
    }
  }
  CloseClipboard();
  return text;
}

bool SaveBitmapToFile(HBITMAP bitmap, const std::wstring& path) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return false;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = info.bmWidth;
  header.biHeight = info.bmHeight;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const DWORD stride = ((static_cast<DWORD>(info.bmWidth) * 3 + 3) / 4) * 4;
  header.biSizeImage = stride * static_cast<DWORD>(info.bmHeight);
  std::vector<char> pixels(header.biSizeImage);
  HDC screen = GetDC(nullptr);
  const int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(),
                              reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (lines != info.bmHeight) return false;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return out.good();
}
