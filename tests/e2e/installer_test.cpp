// The setup program of this build (build/setup: installer/OstrelMini.nsi made from build/bin,
// signed with the test authority's certificate) under Wine: a silent installation for the user or
// for all users, the installed program, its shortcut and its entry in the list of apps, an
// upgrade of the installed copy from the update host, the silent uninstall, and a setup run while
// the program runs. And the Windows Installer package of the same build, through msiexec.

#include <windows.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <optional>

#include "tests/e2e/upgrade_support.h"

#ifdef OSTREL_SETUP_FILE

namespace e2e {
namespace {

const fs::path kSetup = OSTREL_SETUP_FILE;
constexpr wchar_t kEntry[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Ostrel-Mini";

fs::path ShellFolder(int csidl) {
  wchar_t folder[MAX_PATH] = L"";
  SHGetFolderPathW(nullptr, csidl, nullptr, 0, folder);
  return folder;
}

// The file a shortcut starts; empty when it cannot be read.
fs::path ShortcutTarget(const fs::path& shortcut) {
  CoInitialize(nullptr);
  IShellLinkW* link = nullptr;
  wchar_t target[MAX_PATH] = L"";
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      if (SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)))
        link->GetPath(target, MAX_PATH, nullptr, 0);
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return target;
}

// The exit code of `program` run with `arguments` to its end.
DWORD RunToEnd(const fs::path& program, const std::wstring& arguments) {
  Process run(program, {.arguments = arguments});
  return run.WaitForExit(90s).value_or(STILL_ACTIVE);
}

// For the user (false) or for all users of the computer (true).
class Installer : public UpgradeCheck, public testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    UpgradeCheck::SetUp();
    if (IsSkipped()) return;
    RemoveInstallation();
    exe_ = Folder() / L"OstrelMini.exe";
  }

  // Whatever a failed test left: the next one starts from nothing.
  void TearDown() override {
    for (DWORD pid : ProcessesOf(exe_)) EndProcess(pid);
    RemoveInstallation();
    UpgradeCheck::TearDown();
  }

  void RemoveInstallation() const {
    std::error_code ignored;
    fs::remove_all(Folder(), ignored);
    fs::remove(Shortcut(), ignored);
    RegDeleteTreeW(Root(), kEntry);
  }

  bool AllUsers() const { return GetParam(); }
  HKEY Root() const { return AllUsers() ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }
  fs::path Folder() const {
    return AllUsers() ? ShellFolder(CSIDL_PROGRAM_FILES) / L"Ostrel-Mini"
                      : ShellFolder(CSIDL_LOCAL_APPDATA) / L"Programs" / L"Ostrel-Mini";
  }
  fs::path Shortcut() const {
    return ShellFolder(AllUsers() ? CSIDL_COMMON_PROGRAMS : CSIDL_PROGRAMS) / L"Ostrel-Mini.lnk";
  }
  std::wstring Mode() const { return AllUsers() ? L" /ALLUSERS" : L""; }

  std::optional<std::wstring> EntryText(const wchar_t* name) const {
    wchar_t text[1024];
    DWORD size = sizeof(text);
    if (RegGetValueW(Root(), kEntry, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
      return std::nullopt;
    return text;
  }

  void Install() {
    ASSERT_EQ(RunToEnd(kSetup, L"/S" + Mode()), 0u);
    ASSERT_TRUE(fs::exists(exe_));
  }
};

TEST_P(Installer, InstallsUpgradesWithTheRightsItNeedsAndUninstallsCleanly) {
  Install();
  EXPECT_EQ(ShortcutTarget(Shortcut()), exe_);
  EXPECT_EQ(EntryText(L"DisplayVersion"), OSTREL_VERSION);
  EXPECT_EQ(fs::path(EntryText(L"InstallLocation").value_or(L"")), Folder());
  EXPECT_EQ(EntryText(L"QuietUninstallString"),
            L"\"" + (Folder() / L"Uninstall.exe").wstring() + L"\" /S" + Mode());

  // The installed copy starts and is upgraded from the update host; the entry follows.
  Publish(L"install");
  program_ = Launch();
  window_ = WaitForLoadedWindow(*program_);
  DWORD restarted = 0;
  HWND window = InstallTheOfferedVersion(restarted);
  EXPECT_TRUE(WaitUntil([&] { return EntryText(L"DisplayVersion") == L"1.1.2.2"; }, kStartTimeout));
  const char* rights = AllUsers() ? "started with administrator rights" : "with the user's rights";
  EXPECT_EQ(LogLines(rights).size(), 1u) << rights;
  ExpectNoUpgradeFileLeft();
  CloseRestarted(restarted, window);

  // The uninstaller runs from a copy of its own and leaves nothing of the program behind.
  EXPECT_EQ(RunToEnd(Folder() / L"Uninstall.exe", L"/S" + Mode()), 0u);
  EXPECT_TRUE(WaitUntil(
      [&] {
        return !fs::exists(Folder()) && !fs::exists(Shortcut()) && !EntryText(L"DisplayName");
      },
      kStartTimeout))
      << "left: folder " << fs::exists(Folder()) << ", shortcut " << fs::exists(Shortcut());
}

// A setup run while the program runs from the folder replaces none of its files.
TEST_P(Installer, ASetupRunWhileTheProgramRunsReplacesNothing) {
  Install();
  const fs::path marked = Folder() / L"icudtl.dat";
  std::ofstream(marked, std::ios::binary | std::ios::app) << "installed before";
  const std::string before = FileBytes(marked);
  program_ = Launch();
  window_ = WaitForLoadedWindow(*program_);
  EXPECT_EQ(RunToEnd(kSetup, L"/S" + Mode()), 3u) << "the program runs";
  EXPECT_EQ(FileBytes(marked), before);
  CloseStarted();
  EXPECT_EQ(RunToEnd(kSetup, L"/S" + Mode()), 0u) << "once it has closed";
  EXPECT_NE(FileBytes(marked), before);
}

INSTANTIATE_TEST_SUITE_P(Setup, Installer, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& param) {
                           return std::string(param.param ? "ForAllUsers" : "ForTheUser");
                         });

#ifdef OSTREL_MSI_FILE

// The Windows Installer package, as deployment tools install it: for all users, with the update
// check turned off by its property.
class MsiPackage : public RunningProgram {
 protected:
  void SetUp() override {
    RunningProgram::SetUp();
    exe_ = ShellFolder(CSIDL_PROGRAM_FILES) / L"Ostrel-Mini" / L"OstrelMini.exe";
    Clear();
  }
  void TearDown() override {
    for (DWORD pid : ProcessesOf(exe_)) EndProcess(pid);
    Clear();
  }
  void Clear() const {
    if (fs::exists(exe_)) RunToEnd(kMsiexec, L"/x \"" + kMsi.wstring() + L"\" /qn");
    std::error_code ignored;
    fs::remove_all(ProgramFolder(), ignored);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Policies\\Ostrel");
  }
  static std::optional<DWORD> UpdateCheck() {
    DWORD value = 0, size = sizeof(value);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Policies\\Ostrel\\Ostrel-Mini", L"UpdateCheck",
                     RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
      return std::nullopt;
    return value;
  }

  const fs::path kMsi = OSTREL_MSI_FILE;
  const fs::path kMsiexec = ShellFolder(CSIDL_SYSTEM) / L"msiexec.exe";
};

TEST_F(MsiPackage, InstallsForAllUsersStartsAndIsRemovedWithItsPolicy) {
  ASSERT_EQ(RunToEnd(kMsiexec, L"/i \"" + kMsi.wstring() + L"\" /qn UPDATECHECK=0"), 0u);
  EXPECT_EQ(UpdateCheck(), 0u);
  // Wine's installer puts an all-users shortcut in the user's menu; Windows in the common one.
  EXPECT_TRUE(fs::exists(ShellFolder(CSIDL_COMMON_PROGRAMS) / L"Ostrel-Mini.lnk") ||
              fs::exists(ShellFolder(CSIDL_PROGRAMS) / L"Ostrel-Mini.lnk"));
  program_ = Launch();
  window_ = WaitForLoadedWindow(*program_);
  ASSERT_NE(window_, nullptr);
  CloseStarted();

  ASSERT_EQ(RunToEnd(kMsiexec, L"/x \"" + kMsi.wstring() + L"\" /qn"), 0u);
  EXPECT_FALSE(fs::exists(exe_));
  EXPECT_FALSE(UpdateCheck().has_value()) << "the policy stayed";
  // Without the property nothing is written.
  ASSERT_EQ(RunToEnd(kMsiexec, L"/i \"" + kMsi.wstring() + L"\" /qn"), 0u);
  EXPECT_FALSE(UpdateCheck().has_value());
}

#endif  // OSTREL_MSI_FILE

}  // namespace
}  // namespace e2e

#endif  // OSTREL_SETUP_FILE
