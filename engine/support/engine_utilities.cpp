#include "engine/support/engine_utilities.h"

#include <string>

#include "engine/core/cef_api.h"
#include "engine/core/exception_policy.h"

namespace {

std::string ToUtf8(const ustring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size,
                      nullptr, nullptr);
  return result;
}

// Both need the engine loaded (checked by the caller).
ustring Base64Encode(const void* data, size_t size) {
  return CopyAndFreeUserFreeString(cef_base64encode(data, size));
}

ustring UriEncode(const ustring& text) {
  const cef_string_t borrowed = BorrowEngineString(text);
  return CopyAndFreeUserFreeString(cef_uriencode(&borrowed, 0));
}

bool PostTask(cef_thread_id_t thread_id, Ref<ICefTask> task, int64_t delay_ms, bool delayed) {
  if (!task || !EngineLibraryLoaded()) return false;
  // The engine consumes this reference whatever it answers.
  auto* data = static_cast<cef_task_t*>(EngineDataFromInterface(task));
  return (delayed ? cef_post_delayed_task(thread_id, data, delay_ms)
                  : cef_post_task(thread_id, data)) != 0;
}

}  // namespace

ustring MakeDataUri(const ustring& text, const ustring& mime_type) {
  const std::string bytes = ToUtf8(text);
  if (bytes.empty()) return {};
  return MakeDataUri(bytes.data(), bytes.size(), mime_type, L"utf-8");
}

ustring MakeDataUri(const void* data, size_t size, const ustring& mime_type,
                    const ustring& charset) {
  // Half an address (no payload) would pass for an empty document: nothing instead.
  if (!EngineLibraryLoaded()) return {};
  ustring result = L"data:" + mime_type;
  if (!charset.empty()) result += L";charset=" + charset;
  return result + L";base64," + UriEncode(Base64Encode(data, size));
}

bool ParseUrlParts(const ustring& url, TUrlParts& parts) {
  return GuardRoutine(L"ParseUrlParts", false, [&] {
    if (!EngineLibraryLoaded()) return false;
    const cef_string_t borrowed = BorrowEngineString(url);
    cef_urlparts_t engine_parts{};
    const bool parsed = cef_parse_url(&borrowed, &engine_parts) != 0;
    // The engine allocates every part it fills, the whole address too: each is freed, whatever
    // the result.
    TUrlParts copy;
    CopyAndClearEngineString(&engine_parts.spec);
    copy.scheme = CopyAndClearEngineString(&engine_parts.scheme);
    copy.username = CopyAndClearEngineString(&engine_parts.username);
    copy.password = CopyAndClearEngineString(&engine_parts.password);
    copy.host = CopyAndClearEngineString(&engine_parts.host);
    copy.port = CopyAndClearEngineString(&engine_parts.port);
    copy.origin = CopyAndClearEngineString(&engine_parts.origin);
    copy.path = CopyAndClearEngineString(&engine_parts.path);
    copy.query = CopyAndClearEngineString(&engine_parts.query);
    if (!parsed) return false;
    copy.spec = std::move(parts.spec);
    parts = std::move(copy);
    return true;
  });
}

bool PostEngineTask(cef_thread_id_t thread_id, Ref<ICefTask> task) {
  return GuardRoutine(L"PostEngineTask", false,
                      [&] { return PostTask(thread_id, task, 0, false); });
}

bool PostEngineDelayedTask(cef_thread_id_t thread_id, Ref<ICefTask> task, int64_t delay_ms) {
  return GuardRoutine(L"PostEngineDelayedTask", false,
                      [&] { return PostTask(thread_id, task, delay_ms, true); });
}
