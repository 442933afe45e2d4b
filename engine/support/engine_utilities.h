#ifndef OSTREL_ENGINE_SUPPORT_ENGINE_UTILITIES_H_
#define OSTREL_ENGINE_SUPPORT_ENGINE_UTILITIES_H_

// Support functions that call the engine: "data:" addresses, URL splitting and task posting.
// Each quietly does nothing (empty text, false) until the engine library is loaded.

#include <cstddef>
#include <cstdint>

#include "engine/callbacks/cef_task_own.h"
#include "engine/capi/cef_capi.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/core/cef_string.h"

struct TUrlParts {
  ustring spec;
  ustring scheme;
  ustring username;
  ustring password;
  ustring host;
  ustring port;
  ustring origin;
  ustring path;
  ustring query;
};

// "data:<mime>;charset=utf-8;base64,<escaped Base64 of the UTF-8 text>"; empty for an empty
// text, and (both forms) before the engine is loaded.
ustring MakeDataUri(const ustring& text, const ustring& mime_type);
// "data:<mime>[;charset=<charset>];base64,<escaped Base64 of the bytes>".
ustring MakeDataUri(const void* data, size_t size, const ustring& mime_type,
                    const ustring& charset);

// Splits `url` with the engine's parser. On success every part but the whole address (left as the
// caller passed it) is replaced; on failure `parts` is untouched and the result is false.
bool ParseUrlParts(const ustring& url, TUrlParts& parts);

// Posts `task` to the engine thread `thread_id` (after `delay_ms` milliseconds); the engine
// receives one reference of its own. False when the engine is not loaded, the task is missing or
// the engine refuses it.
bool PostEngineTask(cef_thread_id_t thread_id, Ref<ICefTask> task);
bool PostEngineDelayedTask(cef_thread_id_t thread_id, Ref<ICefTask> task, int64_t delay_ms);

#endif  // OSTREL_ENGINE_SUPPORT_ENGINE_UTILITIES_H_
