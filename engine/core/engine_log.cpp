#include "engine/core/engine_log.h"

#include <windows.h>

#include <atomic>

#include "base/code_page.h"
#include "engine/core/cef_api.h"

namespace {

std::atomic<TCefProcessType> gProcessType{ptBrowser};

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

std::wstring ThisThreadLine(const std::wstring& message) {
  return EngineLogLine(GetCurrentProcessId(), GetCurrentThreadId(), gProcessType.load(), message);
}

}  // namespace

void SetEngineLogProcessType(TCefProcessType type) noexcept { gProcessType = type; }

void EngineLog(const std::wstring& message, int32_t severity) {
  if (!EngineLibraryLoaded()) return;
  EngineLogRaw(L"Corvana", 1, severity, ThisThreadLine(message));
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

void WriteEngineLogLine(std::wstring_view message, int32_t severity) {
  if (EngineLibraryLoaded() && cef_log != nullptr) {
    EngineLog(std::wstring(message), severity);
    return;
  }
  OutputDebugStringW((L"Ostrel-Mini: " + ThisThreadLine(std::wstring(message)) + L"\n").c_str());
}
