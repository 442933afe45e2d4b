#include "standin/dev_tools.h"

#include "standin/net_objects.h"
#include "standin/text.h"
#include "standin/threads.h"
#include "standin/trace.h"

namespace standin {

void ShowDevTools(std::shared_ptr<Browser> browser, const cef_window_info_t* window,
                  ProgramRef<cef_client_t> client, const cef_point_t* inspect) {
  if (!browser || !window) return;
  Trace("show-dev-tools id=" + std::to_string(browser->id) +
        " parent=" + (window->style & WS_CHILD ? "child" : "popup") + " inspect=" +
        (inspect ? std::to_string(inspect->x) + "," + std::to_string(inspect->y) : "none"));
  auto params = std::make_shared<CreateParams>();
  params->window = *window;
  params->name = FromRecord(&window->window_name);
  params->window.window_name = cef_string_t{};
  params->client = std::move(client);
  params->context.reset(NewGlobalRequestContext());
  params->url = L"devtools://devtools/inspector.html?browser=" + std::to_wstring(browser->id);
  params->popup = true;
  params->dev_tools = true;
  PostClosure(TID_UI, [browser, params] {
    if (browser->IsClosed()) return;
    if (browser->dev_tools_browser && !browser->dev_tools_browser->IsClosed()) {
      if (HWND render = browser->dev_tools_browser->RenderWindow()) SetFocus(render);
      return;
    }
    browser->dev_tools_browser = Browser::Create(std::move(*params));
  });
}

void CloseDevTools(std::shared_ptr<Browser> browser) {
  if (!browser) return;
  PostClosure(TID_UI, [browser] {
    if (auto tools = std::move(browser->dev_tools_browser)) tools->CloseBrowser(true);
  });
}

bool HasDevTools(std::shared_ptr<Browser> browser) {
  if (!browser) return false;
  if (!CurrentlyOn(TID_UI)) {  // the engine answers on its UI thread only
    Trace("misuse has-dev-tools-off-ui-thread");
    return false;
  }
  return browser->dev_tools_browser && !browser->dev_tools_browser->IsClosed();
}

}  // namespace standin
