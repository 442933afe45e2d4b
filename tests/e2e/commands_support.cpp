#include "tests/e2e/commands_support.h"

#include <commctrl.h>

#include <algorithm>

namespace e2e {

// A 1 x 1 transparent PNG.
const std::string kSamplePng(
    "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x01\0\0\0\x01\x08\x06\0\0\0\x1f\x15\xc4\x89\0\0\0\x0d"
    "IDAT\x78\x9c\x63\0\x01\0\0\x05\0\x01\x0d\x0a\x2d\xb4\0\0\0\0IEND\xae\x42\x60\x82",
    67);

namespace {

// The file-name field of the system's file dialog: the edit inside its combo box cmb13.
HWND FileNameField(HWND dialog) {
  HWND combo = GetDlgItem(dialog, 0x47C);
  return combo != nullptr ? FindDescendant(combo, L"Edit") : nullptr;
}

}  // namespace

void SetText(HWND window, const std::wstring& text) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_ABORTIFHUNG, 5000, &result);
}

HWND FindDescendantWithText(HWND parent, const std::wstring& class_name, const std::wstring& text) {
  const auto found = Descendants(parent, [&](HWND window) {
    return ClassOf(window) == class_name && WindowText(window) == text;
  });
  return found.empty() ? nullptr : found.front();
}

Commands::Commands()
    : RunningProgram({{"/second", {.body = PageWithTitle("第二页")}},
                      {"/third", {.body = PageWithTitle("第三页")}},
                      {"/images/logo.png", {.content_type = "image/png", .body = kSamplePng}}}) {}

void Commands::Start() {
  RunningProgram::Start();
  if (HasFatalFailure()) return;
  HWND engine = FindDescendant(window_, kEngineWindowClass);
  ASSERT_NE(engine, nullptr);
  main_host_ = GetParent(engine);
  render_ = FindDescendant(engine, L"Chrome_RenderWidgetHostHWND");
  ASSERT_NE(render_, nullptr);
}

void Commands::PressF12(int browser) {
  const std::string target = "key browser=" + std::to_string(browser) + " code=123 type=";
  Command(target + "rawkeydown");
  Command(target + "keyup");
}

int Commands::WaitForDevTools(int nth) {
  std::string created;
  WaitUntil(
      [&] {
        int seen = 0;
        for (const std::string& line : copy_.TraceLines()) {
          if (line.rfind("after-created ", 0) == 0 && line.find(" dev-tools=1") != line.npos &&
              ++seen == nth) {
            created = line;
          }
        }
        return !created.empty();
      },
      kStartTimeout);
  if (created.empty()) return 0;
  return std::stoi(created.substr(created.find("id=") + 3));
}

HWND Commands::WaitForToolsHost() {
  HWND host = nullptr;
  WaitUntil(
      [&] {
        // An engine window beside the page's: the tools' browser, in its visible panel.
        const auto tools = Descendants(window_, [&](HWND window) {
          return ClassOf(window) == kEngineWindowClass && GetParent(window) != main_host_ &&
                 IsWindowVisible(GetParent(window));
        });
        host = tools.empty() ? nullptr : GetParent(tools.front());
        return host != nullptr;
      },
      kStartTimeout);
  return host;
}

void Commands::ExpectToolsPanelAtAQuarter(HWND host) {
  ASSERT_NE(host, nullptr) << "the developer tools are not in the window's panel";
  RECT window{}, panel{}, client{};
  GetWindowRect(window_, &window);
  GetWindowRect(host, &panel);
  GetClientRect(window_, &client);
  MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
  EXPECT_EQ(panel.right - panel.left, (window.right - window.left) / 4);
  EXPECT_EQ(panel.right, client.right) << "the panel is docked at the right";
  RECT page{};
  GetWindowRect(main_host_, &page);
  EXPECT_LT(page.right, panel.left) << "the splitter lies between the page and the tools";
}

HWND Commands::FocusOf(HWND window) {
  GUITHREADINFO info{sizeof info};
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus
                                                                            : nullptr;
}

std::wstring Commands::StatusPanel(int panel) const {
  return StatusBarPanelText(FindDescendant(window_, STATUSCLASSNAMEW), panel);
}

HWND Commands::ConfigButton() const {
  return FindDescendantWithText(window_, L"Button", L"\u2261");
}

void Commands::ChooseFromConfigMenu(const std::vector<WPARAM>& keys) {
  HWND button = ConfigButton();
  ASSERT_NE(button, nullptr) << "no configuration button";
  // Posted: the click runs the menu's loop, which a sent message would wait for.
  Click(button);
  ASSERT_NE(WaitForWindowOfClass(*program_, L"#32768"), nullptr) << "the menu did not open";
  // The menu's loop reads its thread's queue: keys posted to the owner reach it, wherever the
  // display put the focus.
  for (WPARAM key : keys) PostMessageW(window_, WM_KEYDOWN, key, 1);
  // Closed before anything else happens: a menu still on the screen would take the next keys.
  EXPECT_TRUE(WaitUntil(
      [&] {
        const auto windows = program_->VisibleWindows();
        return std::none_of(windows.begin(), windows.end(),
                            [](HWND window) { return ClassOf(window) == L"#32768"; });
      },
      kStartTimeout))
      << "the menu stayed open";
}

void Commands::ChooseConfigItem(int position) {
  std::vector<WPARAM> keys(static_cast<size_t>(position), VK_DOWN);
  keys.push_back(VK_RETURN);
  ChooseFromConfigMenu(keys);
}

std::wstring Commands::AnswerFileDialog(const std::wstring& path) {
  HWND dialog = WaitForWindowOfClass(*program_, L"#32770");
  if (dialog == nullptr) {
    ADD_FAILURE() << "no file dialog";
    return {};
  }
  HWND field = FileNameField(dialog);
  if (field == nullptr) {
    ADD_FAILURE() << "no file name field in " << Utf8(WindowText(dialog));
    return {};
  }
  const std::wstring proposed = WindowText(field);
  SetText(field, path);
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(
      WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, kStartTimeout));
  return proposed;
}

std::wstring Commands::AnswerInputBox(const std::wstring& caption, const std::wstring& answer) {
  HWND box = program_->WaitForWindow(caption, kStartTimeout);
  if (box == nullptr) {
    ADD_FAILURE() << "no input box " << Utf8(caption);
    return {};
  }
  HWND edit = FindDescendant(box, L"Edit");
  const std::wstring proposed = WindowText(edit);
  SetText(edit, answer);
  Click(FindDescendantWithText(box, L"Button", L"OK"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, kStartTimeout));
  return proposed;
}

std::wstring Commands::NextMessageBoxText() {
  HWND box = WaitForWindowOfClass(*program_, L"#32770");
  if (box == nullptr) return L"(no message box)";
  const std::wstring text = MessageBoxText(box);
  DismissMessageBox(box);
  WaitUntil([&] { return !IsWindow(box); }, kStartTimeout);
  return text;
}

}  // namespace e2e
