// Input in the render window, as the engine reports it (UI thread):
//   keys: on_pre_key_event (true consumes the key), then on_key_event;
//   right click: on_before_context_menu with the default model (Back, Forward, separator,
//   Print, View source), then run_context_menu (true: the program shows it and answers through
//   the callback) or the engine's own pop-up menu; then on_context_menu_command (false runs the
//   engine's default for Back, Forward, Reload, Stop) and on_context_menu_dismissed;
//   the items shown are traced (context-menu-items id=<n> <command>=<label> ...);
//   hovering a link: on_status_message with its address (empty when leaving it);
//   clicking a link: a navigation (TT_LINK).

#include "standin/browser.h"

#include <wininet.h>

#include <cstdio>

#include "standin/menu_objects.h"
#include "standin/text.h"
#include "standin/threads.h"
#include "standin/trace.h"

namespace standin {
namespace {

uint32 Modifiers() {
  uint32 flags = 0;
  if (GetKeyState(VK_SHIFT) < 0) flags |= EVENTFLAG_SHIFT_DOWN;
  if (GetKeyState(VK_CONTROL) < 0) flags |= EVENTFLAG_CONTROL_DOWN;
  if (GetKeyState(VK_MENU) < 0) flags |= EVENTFLAG_ALT_DOWN;
  return flags;
}

std::wstring Resolve(const std::wstring& base, const std::wstring& relative) {
  wchar_t combined[INTERNET_MAX_URL_LENGTH];
  DWORD size = ARRAYSIZE(combined);
  if (InternetCombineUrlW(base.c_str(), relative.c_str(), combined, &size, ICU_NO_ENCODE)) {
    return std::wstring(combined, size);
  }
  return relative;
}

void AddDefaultItems(cef_menu_model_t* model) {
  auto add = [model](int id, const wchar_t* label) {
    cef_string_t text{const_cast<wchar_t*>(label), wcslen(label), nullptr};
    model->add_item(model, id, &text);
  };
  add(MENU_ID_BACK, L"&Back");
  add(MENU_ID_FORWARD, L"&Forward");
  model->add_separator(model);
  add(MENU_ID_PRINT, L"&Print...");
  add(MENU_ID_VIEW_SOURCE, L"View s&ource");
}

}  // namespace

void Browser::KeyEvent(const cef_key_event_t& event, MSG* os_event) {
  Trace("key-event id=" + std::to_string(id) + " type=" + std::to_string(event.type) + " code=" +
        std::to_string(event.windows_key_code) + " modifiers=" + std::to_string(event.modifiers));
  auto handler = Get(&cef_client_t::get_keyboard_handler);
  if (!handler) return;
  int shortcut = 0;
  if (handler->on_pre_key_event &&
      handler->on_pre_key_event(handler.get(), NewBrowserRef(), &event, os_event, &shortcut)) {
    Trace("key-event-consumed id=" + std::to_string(id));
    return;
  }
  if (handler->on_key_event)
    handler->on_key_event(handler.get(), NewBrowserRef(), &event, os_event);
}

void Browser::StatusMessage(const std::wstring& text) {
  Trace("status-message id=" + std::to_string(id) + " value=" + TraceValue(text));
  if (auto h = Get(&cef_client_t::get_display_handler); h && h->on_status_message) {
    cef_string_t value{const_cast<wchar_t*>(text.c_str()), text.size(), nullptr};
    h->on_status_message(h.get(), NewBrowserRef(), &value);
  }
}

void Browser::LoadingProgress(double progress) {
  char value[32];
  std::snprintf(value, sizeof value, "%g", progress);
  Trace("loading-progress id=" + std::to_string(id) + " progress=" + value);
  if (auto h = Get(&cef_client_t::get_display_handler); h && h->on_loading_progress_change) {
    h->on_loading_progress_change(h.get(), NewBrowserRef(), progress);
  }
}

void Browser::FullScreenModeChange(bool fullscreen) {
  Trace("fullscreen-mode id=" + std::to_string(id) + " fullscreen=" + (fullscreen ? "1" : "0"));
  if (auto h = Get(&cef_client_t::get_display_handler); h && h->on_fullscreen_mode_change) {
    h->on_fullscreen_mode_change(h.get(), NewBrowserRef(), fullscreen ? 1 : 0);
  }
}

void Browser::ContextMenu(int x, int y, int choose) {
  Trace("context-menu id=" + std::to_string(id) + " x=" + std::to_string(x) +
        " y=" + std::to_string(y));
  MenuParams menu{x, y, CurrentPage().url, L""};
  auto params = std::make_shared<ProgramRef<cef_context_menu_params_t>>(NewContextMenuParams(menu));
  ProgramRef<cef_menu_model_t> model(NewMenuModel());
  AddDefaultItems(model.get());
  auto handler = Get(&cef_client_t::get_context_menu_handler);
  if (handler && handler->on_before_context_menu) {
    AddRefProgramObject(params->get());
    AddRefProgramObject(model.get());
    handler->on_before_context_menu(handler.get(), NewBrowserRef(), NewFrameRef(), params->get(),
                                    model.get());
  }
  std::vector<MenuItem> items;
  std::string shown;
  for (const MenuItem& item : MenuItems(model.get())) {
    if (!item.visible) continue;
    items.push_back(item);
    shown += " " + std::to_string(item.command_id) + "=" + TraceValue(item.label);
  }
  Trace("context-menu-items id=" + std::to_string(id) + shown);
  if (items.empty()) {
    Trace("context-menu-empty id=" + std::to_string(id));  // the engine shows nothing
    return;
  }
  auto self = shared_from_this();
  // Runs on the UI thread once a command was chosen (or none: command < 0).
  auto finish = [self, params](int command, int flags) {
    auto h = self->Get(&cef_client_t::get_context_menu_handler);
    if (command >= 0) {
      Trace("context-menu-command id=" + std::to_string(self->id) +
            " command=" + std::to_string(command));
      AddRefProgramObject(params->get());
      const bool handled =
          h && h->on_context_menu_command &&
          h->on_context_menu_command(h.get(), self->NewBrowserRef(), self->NewFrameRef(),
                                     params->get(), command, static_cast<cef_event_flags_t>(flags));
      Trace("context-menu-handled id=" + std::to_string(self->id) +
            " command=" + std::to_string(command) + " handled=" + (handled ? "1" : "0"));
      if (!handled && command == MENU_ID_BACK) self->GoBack();
      if (!handled && command == MENU_ID_FORWARD) self->GoForward();
      if (!handled && (command == MENU_ID_RELOAD || command == MENU_ID_RELOAD_NOCACHE)) {
        self->Reload();
      }
      if (!handled && command == MENU_ID_STOPLOAD) self->StopLoad();
    }
    Trace("context-menu-dismissed id=" + std::to_string(self->id));
    if (h && h->on_context_menu_dismissed) {
      h->on_context_menu_dismissed(h.get(), self->NewBrowserRef(), self->NewFrameRef());
    }
  };
  if (handler && handler->run_context_menu) {
    cef_run_context_menu_callback_t* callback =
        NewRunContextMenuCallback([finish](int command, int flags) {
          PostClosure(TID_UI, [finish, command, flags] { finish(command, flags); });
        });
    AddRefProgramObject(params->get());
    AddRefProgramObject(model.get());
    if (handler->run_context_menu(handler.get(), NewBrowserRef(), NewFrameRef(), params->get(),
                                  model.get(), callback)) {
      return;  // the program shows the menu and answers through the callback
    }
  }
  int command = choose > 0 ? choose : -1;
  if (choose == 0) {
    HMENU menu_handle = CreatePopupMenu();
    for (const MenuItem& item : items) {
      if (item.type == MENUITEMTYPE_SEPARATOR) {
        AppendMenuW(menu_handle, MF_SEPARATOR, 0, nullptr);
      } else {
        UINT flags = MF_STRING | (item.enabled ? 0 : MF_GRAYED) | (item.checked ? MF_CHECKED : 0);
        AppendMenuW(menu_handle, flags, static_cast<UINT_PTR>(item.command_id), item.label.c_str());
      }
    }
    POINT at{x, y};
    HWND render = RenderWindow();
    ClientToScreen(render, &at);
    const int chosen = TrackPopupMenu(menu_handle, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0,
                                      render, nullptr);
    DestroyMenu(menu_handle);
    command = chosen > 0 ? chosen : -1;
  }
  finish(command, 0);
}

void Browser::OnRenderInput(UINT message, WPARAM wparam, LPARAM lparam) {
  const int x = static_cast<short>(LOWORD(lparam)), y = static_cast<short>(HIWORD(lparam));
  int link = -1;
  if (message == WM_MOUSEMOVE || message == WM_LBUTTONUP) {
    std::lock_guard<std::mutex> guard(lock_);
    for (size_t i = 0; i < link_rects_.size(); ++i) {
      const POINT point{x, y};
      if (PtInRect(&link_rects_[i], point)) link = static_cast<int>(i);
    }
  }
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR: {
      cef_key_event_t event{};
      const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
      const bool character = message == WM_CHAR || message == WM_SYSCHAR;
      event.type = character ? KEYEVENT_CHAR : (down ? KEYEVENT_RAWKEYDOWN : KEYEVENT_KEYUP);
      event.windows_key_code = static_cast<int>(wparam);
      event.native_key_code = static_cast<int>(lparam);
      event.is_system_key =
          message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || message == WM_SYSCHAR;
      event.modifiers = Modifiers();
      if (character) event.character = event.unmodified_character = static_cast<char16>(wparam);
      MSG os_event{RenderWindow(), message, wparam, lparam, static_cast<DWORD>(GetMessageTime()),
                   {x, y}};
      KeyEvent(event, &os_event);
      return;
    }
    case WM_RBUTTONUP:
      ContextMenu(x, y, 0);
      return;
    case WM_MOUSEMOVE: {
      if (link == hovered_link_) return;
      hovered_link_ = link;
      const Page page = CurrentPage();
      StatusMessage(link >= 0 && link < static_cast<int>(page.links.size())
                        ? Resolve(page.url, page.links[link].second)
                        : std::wstring());
      return;
    }
    case WM_LBUTTONUP: {
      const Page page = CurrentPage();
      if (link < 0 || link >= static_cast<int>(page.links.size())) return;
      Navigate(Resolve(page.url, page.links[link].second), TT_LINK, 0, nullptr);
      return;
    }
  }
}

}  // namespace standin
