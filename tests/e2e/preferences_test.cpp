// The preferences dialog of the running program ("Preferences..." in the configuration menu):
// filled from the browser, written back in order on OK and applied to the engine once; its
// fields' limits; a port left empty.

#include <windows.h>

#include <algorithm>
#include <thread>

#include "tests/e2e/commands_support.h"

namespace e2e {
namespace {

// The dialog's fields, found by where they are: top to bottom, left to right.
struct Fields {
  HWND type = nullptr, scheme = nullptr;
  HWND server = nullptr, port = nullptr, username = nullptr, password = nullptr, script = nullptr,
       bypass = nullptr, connections = nullptr, header_name = nullptr, header_value = nullptr;
};

std::vector<HWND> ByPlace(HWND dialog, const std::wstring& class_name) {
  std::vector<HWND> found =
      Descendants(dialog, [&](HWND window) { return ClassOf(window) == class_name; });
  std::sort(found.begin(), found.end(), [](HWND a, HWND b) {
    RECT ra{}, rb{};
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return std::pair(ra.top, ra.left) < std::pair(rb.top, rb.left);
  });
  return found;
}

int Selected(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

struct Values {
  int type = 0, scheme = 0;
  std::wstring server, port, username, password, script, bypass, connections, header_name,
      header_value;
  bool operator==(const Values&) const = default;
};

void PrintTo(const Values& v, std::ostream* out) {
  *out << v.type << "," << v.scheme << "," << Utf8(v.server) << "," << Utf8(v.port) << ","
       << Utf8(v.username) << "," << Utf8(v.password) << "," << Utf8(v.script) << ","
       << Utf8(v.bypass) << "," << Utf8(v.connections) << "," << Utf8(v.header_name) << ","
       << Utf8(v.header_value);
}

class Preferences : public Commands {
 protected:
  // Opens the dialog from the configuration menu; its fields.
  Fields Open() {
    ChooseConfigItem(kPreferences);
    dialog_ = program_->WaitForWindow(L"Preferences", kStartTimeout);
    Fields f;
    if (dialog_ == nullptr) {
      ADD_FAILURE() << "the preferences dialog did not show";
      return f;
    }
    const auto combos = ByPlace(dialog_, L"ComboBox");
    const auto edits = ByPlace(dialog_, L"Edit");
    if (combos.size() != 2 || edits.size() != 9) {
      ADD_FAILURE() << combos.size() << " drop-down lists and " << edits.size() << " fields";
      return f;
    }
    return {combos[0], combos[1], edits[0], edits[1], edits[2], edits[3],
            edits[4],  edits[5],  edits[6], edits[7], edits[8]};
  }

  static Values Read(const Fields& f) {
    return {Selected(f.type),          Selected(f.scheme),        WindowText(f.server),
            WindowText(f.port),        WindowText(f.username),    WindowText(f.password),
            WindowText(f.script),      WindowText(f.bypass),      WindowText(f.connections),
            WindowText(f.header_name), WindowText(f.header_value)};
  }

  static void Write(const Fields& f, const Values& v) {
    SendMessageW(f.type, CB_SETCURSEL, static_cast<WPARAM>(v.type), 0);
    SendMessageW(f.scheme, CB_SETCURSEL, static_cast<WPARAM>(v.scheme), 0);
    const std::pair<HWND, const std::wstring*> texts[] = {{f.server, &v.server},
                                                          {f.port, &v.port},
                                                          {f.username, &v.username},
                                                          {f.password, &v.password},
                                                          {f.script, &v.script},
                                                          {f.bypass, &v.bypass},
                                                          {f.connections, &v.connections},
                                                          {f.header_name, &v.header_name},
                                                          {f.header_value, &v.header_value}};
    for (const auto& [field, text] : texts) SetText(field, *text);
  }

  // Closes the dialog with its button "Ok" or "Cancel".
  void Press(const std::wstring& button) {
    Click(FindDescendantWithText(dialog_, L"Button", button));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog_); }, kStartTimeout));
  }

  // How often the engine got the preferences (each application writes this one).
  int Applied() { return CountOf(copy_.TraceLines(), "preference net.max_connections_per_proxy "); }

  // Waits for the count of applications to reach `count`, and for a moment more to see that it
  // stays there.
  bool AppliedExactly(int count) {
    if (!WaitUntil([&] { return Applied() >= count; }, kStartTimeout)) return false;
    std::this_thread::sleep_for(500ms);  // a second application would have come by now
    return Applied() == count;
  }

  HWND dialog_ = nullptr;
};

TEST_F(Preferences, EveryValueRoundTripsAndIsAppliedOnceOnOk) {
  ASSERT_NO_FATAL_FAILURE(Start());
  Fields fields = Open();
  ASSERT_NE(fields.type, nullptr);
  EXPECT_EQ(Read(fields), (Values{.type = 0, .scheme = 0, .port = L"80", .connections = L"32"}))
      << "the browser's defaults";
  const int before = Applied();

  const Values chosen{.type = 3,
                      .scheme = 2,
                      .server = L"proxy.example",
                      .port = L"3128",
                      .username = L"ana",
                      .password = L"secret",
                      .script = L"http://127.0.0.1/proxy.pac",
                      .bypass = L"localhost;127.0.0.1",
                      .connections = L"150",
                      .header_name = L"X-Ostrel",
                      .header_value = L"yes"};
  Write(fields, chosen);
  Press(L"Ok");
  EXPECT_TRUE(AppliedExactly(before + 1)) << Applied() - before << " applications";
  std::string proxy;  // the last one written
  for (const std::string& line : copy_.TraceLines())
    if (line.rfind("preference proxy ", 0) == 0) proxy = line;
  EXPECT_NE(proxy.find("server:socks5://proxy.example:3128"), std::string::npos) << proxy;
  EXPECT_NE(FindLine(copy_.TraceLines(), "preference net.max_connections_per_proxy value=99"), "")
      << "the spin box keeps 150 within 7 to 99";

  Values expected = chosen;
  expected.connections = L"99";
  fields = Open();
  EXPECT_EQ(Read(fields), expected) << "the dialog is filled from what the browser now holds";
  Press(L"Ok");
  EXPECT_TRUE(AppliedExactly(before + 2)) << "unchanged values are applied once more";
  fields = Open();
  EXPECT_EQ(Read(fields), expected);
  Write(fields, Values{.type = 1, .port = L"1"});
  Press(L"Cancel");
  EXPECT_TRUE(AppliedExactly(before + 2)) << "cancelling applies nothing";
  fields = Open();
  EXPECT_EQ(Read(fields), expected) << "cancelling changes nothing";
  Press(L"Cancel");
}

TEST_F(Preferences, PortTakesFiveDigitsOnlyAndAnEmptyPortStopsTheWriteBack) {
  ASSERT_NO_FATAL_FAILURE(Start());
  Fields fields = Open();
  ASSERT_NE(fields.port, nullptr);
  const Values initial = Read(fields);
  auto type = [&](wchar_t c) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(fields.port, WM_CHAR, c, 1, SMTO_ABORTIFHUNG, 5000, &result);
  };
  SetText(fields.port, L"6553");
  SendMessageW(fields.port, EM_SETSEL, 4, 4);
  type(L'5');
  EXPECT_EQ(WindowText(fields.port), L"65535");
  type(L'9');
  type(L'x');
  EXPECT_EQ(WindowText(fields.port), L"65535") << "a sixth digit or a letter got in";
  EXPECT_NE(GetWindowLongW(fields.password, GWL_STYLE) & ES_PASSWORD, 0)
      << "the password shows as it is typed";

  // An empty port: the type and server are written, nothing after them, nothing applied.
  const int before = Applied();
  const int proxies = CountOf(copy_.TraceLines(), "preference proxy ");
  Values changed = initial;
  changed.type = 4;
  changed.server = L"proxy.example";
  changed.port = L"";
  changed.username = L"ana";
  Write(fields, changed);
  Press(L"Ok");
  EXPECT_EQ(NextMessageBoxText(), L"'' is not a valid integer value");
  EXPECT_TRUE(AppliedExactly(before));
  EXPECT_EQ(CountOf(copy_.TraceLines(), "preference proxy "), proxies) << "the proxy was applied";
  fields = Open();
  Values expected = initial;
  expected.type = 4;
  expected.server = L"proxy.example";
  EXPECT_EQ(Read(fields), expected);
  Press(L"Cancel");
}

}  // namespace
}  // namespace e2e
