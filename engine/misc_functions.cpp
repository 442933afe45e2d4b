#include "engine/misc_functions.h"

#include <windows.h>

#include "engine/cef_api.h"
#include "engine/cef_application.h"

bool HandleRoutineException(std::wstring_view /*label*/) {
  return GlobalCEFApp != nullptr && GlobalCEFApp->ReRaiseExceptions();
}

namespace {

std::string ToAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                      nullptr, nullptr);
  return result;
}

const wchar_t* RoleText(TCefProcessType type) {
  switch (type) {
    case ptBrowser:
      return L", PT: Browser";
    case ptRenderer:
      return L", PT: Renderer";
    case ptZygote:
      return L", PT: Zygote";
    case ptGPU:
      return L", PT: GPU";
    case ptUtility:
    case ptOther:
      break;
  }
  return L", PT: Other";
}

}  // namespace

void EngineLog(const std::wstring& message, int32_t severity) {
  if (!EngineLibraryLoaded()) return;
  EngineLogRaw(L"Corvana", 1, severity,
               EngineLogLine(GetCurrentProcessId(), GetCurrentThreadId(),
                             GlobalCEFApp->ProcessType(), message));
}

std::wstring EngineLogLine(uint32_t process_id, uint32_t thread_id, TCefProcessType type,
                           const std::wstring& message) {
  return L"PID: " + std::to_wstring(process_id) + L", TID: " + std::to_wstring(thread_id) +
         RoleText(type) + L" - " + message;
}

void EngineLogRaw(const std::wstring& file_name, int32_t line, int32_t severity,
                  const std::wstring& message) {
  if (file_name.empty() || message.empty() || cef_log == nullptr) return;
  const std::string ansi_file = ToAnsi(file_name);
  const std::string ansi_message = ToAnsi(message);
  cef_log(ansi_file.c_str(), line, severity, ansi_message.c_str());
}

int32_t ScreenDpi() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return 96;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

float ScreenScale() { return static_cast<float>(ScreenDpi()) / 96.0f; }
