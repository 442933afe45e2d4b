#ifndef OSTREL_STANDIN_DEV_TOOLS_H_
#define OSTREL_STANDIN_DEV_TOOLS_H_

// The developer tools of a browser: a browser of its own (dev-tools=1 in the trace) created with
// the client and window description the program passes to show_dev_tools, showing a
// "DevTools" page. It closes with its browser or through close_dev_tools.

#include <memory>

#include "standin/browser.h"

namespace standin {

void ShowDevTools(std::shared_ptr<Browser> browser, const cef_window_info_t* window,
                  ProgramRef<cef_client_t> client, const cef_point_t* inspect);
void CloseDevTools(std::shared_ptr<Browser> browser);
bool HasDevTools(std::shared_ptr<Browser> browser);

}  // namespace standin

#endif  // OSTREL_STANDIN_DEV_TOOLS_H_
