// Zudarada4.exe (the x64 build) against real folders: a fake application folder with a stand-in
// program that records how it was started, downloaded ".uTMP" files in and outside the folder,
// and the queue file in the temporary folder, which is one per Wine prefix (the tests hold the
// CTest lock "update_host").

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ostrel_config.h"
#include "tests/e2e/e2e_support.h"
#include "tests/e2e/running_program.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using e2e::LaunchOptions;
using e2e::Process;
using e2e::WaitUntil;

constexpr auto kTimeout = 30s;
// The updater's exit codes when it put everything back.
constexpr DWORD kRolledBack = 3;        // a file could not be replaced
constexpr DWORD kNewVersionFailed = 4;  // the new version did not start
constexpr DWORD kDownloadedAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY;

fs::path EnvironmentFolder(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(name, folder, MAX_PATH);
  return std::wstring(folder, length < MAX_PATH ? length : 0);
}

fs::path TemporaryFolder() {
  wchar_t folder[MAX_PATH + 1];
  return std::wstring(folder, GetTempPathW(MAX_PATH + 1, folder));
}

fs::path UpdaterProgram() {
  return e2e::BinDir().parent_path() / L"updater" / L"x64" / L"Zudarada4.exe";
}
fs::path QueueFile() { return TemporaryFolder() / L"UpgraderQueue.txt"; }

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& file, const std::string& bytes,
                DWORD attributes = FILE_ATTRIBUTE_ARCHIVE) {
  fs::create_directories(file.parent_path());
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
  SetFileAttributesW(file.c_str(), attributes);
}

fs::path Downloaded(const fs::path& target) { return target.wstring() + L".uTMP"; }

// As the application writes it: ANSI, one CR LF line a target.
void WriteQueue(const std::vector<fs::path>& targets) {
  std::string text;
  for (const fs::path& target : targets) text += target.string() + "\r\n";
  WriteBytes(QueueFile(), text);
}

// A program's file can be opened without sharing once no process runs it.
bool Released(const fs::path& file) {
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return !fs::exists(file);
  CloseHandle(handle);
  return true;
}

std::vector<fs::path> FilesEndingIn(const fs::path& folder, const std::wstring& end) {
  std::vector<fs::path> found;
  std::error_code ignored;
  for (const auto& entry : fs::recursive_directory_iterator(folder, ignored)) {
    const std::wstring name = entry.path().filename().wstring();
    if (name.size() >= end.size() && name.ends_with(end)) found.push_back(entry.path());
  }
  return found;
}

class UpdaterTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::wstring name =
        fs::path(testing::UnitTest::GetInstance()->current_test_info()->name()).wstring();
    root_ = TemporaryFolder() / L"ostrel-updater-tests" / name;
    app_data_ = EnvironmentFolder(L"APPDATA") / L"ostrel-updater-tests" / name;
    for (const fs::path& folder : {root_, app_data_}) fs::remove_all(folder);
    app_folder_ = root_ / L"Ostrel Mini";
    old_program_ = ReadBytes(e2e::BinDir().parent_path() / L"tests" / L"updater_fake_app.exe");
    ASSERT_FALSE(old_program_.empty()) << "the stand-in application was not built";
    // Bytes after a program's image do not change what it does.
    new_program_ = old_program_ + "new version";
    WriteBytes(Application(), old_program_);
    fs::remove(QueueFile());
  }

  void TearDown() override {
    // The restarted stand-ins may be ending still.
    for (const fs::path& program : FilesEndingIn(root_, L".exe"))
      EXPECT_TRUE(WaitUntil([&] { return Released(program); }, kTimeout)) << program;
    std::error_code ignored;
    for (const fs::path& folder : {root_, app_data_}) fs::remove_all(folder, ignored);
    fs::remove(QueueFile(), ignored);
  }

  fs::path Application() const { return app_folder_ / L"OstrelMini.exe"; }

  // Starts the updater as the application does: path, " +", parameters and method digit, after
  // `options` (the time the new version has to say that it runs).
  std::unique_ptr<Process> StartUpdater(const std::wstring& method = L"0",
                                        const std::wstring& options = L"") {
    return std::make_unique<Process>(UpdaterProgram(),
                                     LaunchOptions{.arguments = options + Application().wstring() +
                                                                L" +/afterupgrade" + method});
  }

  // Runs the updater to its end; its exit code.
  DWORD Update(const std::wstring& method = L"0", const std::wstring& options = L"") {
    auto updater = StartUpdater(method, options);
    const std::optional<DWORD> code = updater->WaitForExit(kTimeout);
    EXPECT_TRUE(code.has_value()) << "the updater did not end";
    return code.value_or(259);
  }

  // The stand-in's records, once `count` starts have been recorded and every program of the
  // application folder has ended.
  std::vector<std::string> Runs(size_t count) {
    std::vector<std::string> lines;
    auto read = [&] {
      lines.clear();
      std::istringstream text(ReadBytes(app_folder_ / L"runs.txt"));
      for (std::string line; std::getline(text, line);) lines.push_back(line);
      return lines.size() >= count;
    };
    EXPECT_TRUE(WaitUntil(read, kTimeout)) << lines.size() << " of " << count << " starts";
    for (const fs::path& program : FilesEndingIn(app_folder_, L".exe"))
      EXPECT_TRUE(WaitUntil([&] { return Released(program); }, kTimeout)) << program;
    read();
    return lines;
  }

  // Names the stand-in's two versions instead of printing a program's bytes.
  std::string Content(const fs::path& file) const {
    if (!fs::exists(file)) return "(missing)";
    const std::string bytes = ReadBytes(file);
    if (bytes == old_program_) return "(old program)";
    if (bytes == new_program_) return "(new program)";
    return bytes.size() < 100 ? bytes : "(" + std::to_string(bytes.size()) + " other bytes)";
  }

  void ExpectInstalled(const fs::path& file, const std::string& bytes) {
    EXPECT_EQ(Content(file), bytes) << file;
    EXPECT_EQ(GetFileAttributesW(file.c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE)) << file;
  }

  void ExpectNoDownloadLeft() {
    for (const fs::path& folder : {root_, app_data_})
      EXPECT_EQ(FilesEndingIn(folder, L".uTMP"), std::vector<fs::path>()) << folder;
    EXPECT_FALSE(fs::exists(QueueFile()));
  }

  // The previous version was started once, told why nothing changed.
  void ExpectRolledBackStart() {
    const std::vector<std::string> runs = Runs(1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_TRUE(runs[0].starts_with("OstrelMini.exe\t20\t/upgraderolledback:")) << runs[0];
  }

  // Downloads of the application and of `library`, which replaces an old one; the download of
  // `library` is held open without sharing, as a virus scanner does, until the caller closes it.
  HANDLE HeldDownloadOf(const fs::path& library) {
    WriteBytes(library, "old library");
    WriteBytes(Downloaded(library), "new library", kDownloadedAttributes);
    WriteBytes(Downloaded(Application()), new_program_, kDownloadedAttributes);
    return CreateFileW(Downloaded(library).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  }

  // The application and `ini` are as they were, with their attributes; `added` is gone.
  void ExpectPutBack(const fs::path& ini, const fs::path& added) {
    EXPECT_EQ(Content(Application()), "(old program)");
    EXPECT_EQ(GetFileAttributesW(Application().c_str()),
              static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(Content(ini), "old ini");
    EXPECT_EQ(GetFileAttributesW(ini.c_str()),
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_FALSE(fs::exists(added));
  }

  void ExpectNoBackupLeft() {
    for (const fs::path& folder : {root_, app_data_})
      EXPECT_EQ(FilesEndingIn(folder, L".uBAK"), std::vector<fs::path>()) << folder;
  }

  fs::path root_;
  fs::path app_data_;
  fs::path app_folder_;
  std::string old_program_;
  std::string new_program_;
};

TEST_F(UpdaterTest, WithoutArgumentsShowsItsInformationBox) {
  Process updater(UpdaterProgram(), {});
  HWND box = updater.WaitForWindow(L"Upgrader v4.0", kTimeout);
  ASSERT_NE(box, nullptr) << "no information box";
  EXPECT_EQ(e2e::ClassOf(box), L"#32770");
  EXPECT_NE(e2e::MessageBoxText(box), L"");
  e2e::DismissMessageBox(box);
  EXPECT_EQ(updater.WaitForExit(kTimeout), 0u);
  EXPECT_EQ(Content(Application()), "(old program)");
}

TEST_F(UpdaterTest, InstallsEveryDownloadAndRestartsTheApplication) {
  const fs::path ini = app_data_ / L"foo.ini";
  const fs::path data = app_folder_ / L"sub" / L"bar.dat";
  const fs::path library = app_folder_ / L"tool.dll";
  const fs::path helper = app_folder_ / L"helper.exe";
  WriteBytes(ini, "old ini", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  WriteBytes(library, "old library");
  for (const auto& [target, bytes] : {std::pair{Application(), new_program_},
                                      {ini, std::string("new ini")},
                                      {data, std::string("new data")},
                                      {library, std::string("new library")},
                                      {helper, std::string("new helper")}})
    WriteBytes(Downloaded(target), bytes, kDownloadedAttributes);
  WriteQueue({ini, data});

  EXPECT_EQ(Update(), 0u);

  EXPECT_EQ(Runs(1), std::vector<std::string>{"OstrelMini.exe\t20\t/afterupgrade"});
  ExpectInstalled(Application(), "(new program)");
  ExpectInstalled(ini, "new ini");
  ExpectInstalled(data, "new data");
  ExpectInstalled(library, "new library");
  // The application's own file was downloaded: other programs keep their names.
  ExpectInstalled(helper, "new helper");
  ExpectNoDownloadLeft();
  // The new version said that it runs: the previous files go.
  ExpectNoBackupLeft();
}

TEST_F(UpdaterTest, WaitsUntilTheApplicationHasExited) {
  WriteBytes(Downloaded(Application()), new_program_, kDownloadedAttributes);
  HANDLE running = CreateFileW(Application().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(running, INVALID_HANDLE_VALUE);
  auto updater = StartUpdater();

  // A correct updater never gets past its wait while the file is held.
  EXPECT_FALSE(updater->WaitForExit(1s).has_value()) << "the updater did not wait";
  EXPECT_TRUE(fs::exists(Downloaded(Application())));
  CloseHandle(running);

  EXPECT_EQ(updater->WaitForExit(kTimeout), 0u);
  EXPECT_EQ(Runs(1), std::vector<std::string>{"OstrelMini.exe\t20\t/afterupgrade"});
  ExpectInstalled(Application(), "(new program)");
  ExpectNoDownloadLeft();
}

TEST_F(UpdaterTest, InstallsADownloadedProgramAsTheApplication) {
  WriteBytes(Downloaded(app_folder_ / L"OstrelMini-1.2.exe"), new_program_, kDownloadedAttributes);

  EXPECT_EQ(Update(), 0u);

  EXPECT_EQ(Runs(1), std::vector<std::string>{"OstrelMini.exe\t20\t/afterupgrade"});
  ExpectInstalled(Application(), "(new program)");
  EXPECT_FALSE(fs::exists(app_folder_ / L"OstrelMini-1.2.exe"));
  ExpectNoDownloadLeft();
}

TEST_F(UpdaterTest, LeavesAQueueLineWithoutDownloadAlone) {
  const fs::path skipped = app_data_ / L"skipped.ini";
  const fs::path ini = app_data_ / L"foo.ini";
  WriteBytes(skipped, "kept", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  WriteBytes(Downloaded(ini), "new ini", kDownloadedAttributes);
  WriteQueue({skipped, ini});

  EXPECT_EQ(Update(), 0u);

  EXPECT_EQ(Runs(1), std::vector<std::string>{"OstrelMini.exe\t20\t/afterupgrade"});
  EXPECT_EQ(ReadBytes(skipped), "kept");
  EXPECT_EQ(GetFileAttributesW(skipped.c_str()),
            static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  ExpectInstalled(ini, "new ini");
  EXPECT_EQ(Content(Application()), "(old program)");
  ExpectNoDownloadLeft();
}

// A download that cannot be moved (a virus scanner holds it for longer than the updater waits)
// leaves the installation as it was.
TEST_F(UpdaterTest, InstallsNothingWhenADownloadCannotBeMoved) {
  const fs::path library = app_folder_ / L"tool.dll";
  HANDLE scanner = HeldDownloadOf(library);
  ASSERT_NE(scanner, INVALID_HANDLE_VALUE);

  const DWORD code = Update();
  CloseHandle(scanner);

  EXPECT_EQ(code, kRolledBack);
  ExpectRolledBackStart();
  EXPECT_EQ(Content(library), "old library");
  EXPECT_EQ(Content(Application()), "(old program)");
  EXPECT_FALSE(fs::exists(Downloaded(Application())));
  ExpectNoBackupLeft();
}

// A target that cannot be replaced undoes the whole upgrade: the files already moved go back, the
// files that were new go, and the previous version is started with the reason.
TEST_F(UpdaterTest, PutsEveryFileBackWhenATargetCannotBeReplaced) {
  const fs::path ini = app_data_ / L"foo.ini";
  const fs::path added = app_data_ / L"added.ini";
  const fs::path library = app_folder_ / L"tool.dll";
  const fs::path data = app_folder_ / L"sub" / L"bar.dat";
  WriteBytes(ini, "old ini", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  WriteBytes(library, "old library");
  WriteBytes(data, "old data");
  for (const auto& [target, bytes] : {std::pair{Application(), new_program_},
                                      {ini, std::string("new ini")},
                                      {added, std::string("added ini")},
                                      {data, std::string("new data")},
                                      {library, std::string("new library")}})
    WriteBytes(Downloaded(target), bytes, kDownloadedAttributes);
  // The queue's files are installed before the folder's, so some are in when the held one fails.
  WriteQueue({ini, added, library, data});
  HANDLE holder = CreateFileW(library.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);

  const DWORD code = Update();
  CloseHandle(holder);

  EXPECT_EQ(code, kRolledBack);
  ExpectRolledBackStart();
  ExpectPutBack(ini, added);
  EXPECT_EQ(Content(library), "old library");
  EXPECT_EQ(Content(data), "old data");
  ExpectNoDownloadLeft();
  ExpectNoBackupLeft();
}

// A virus scanner holds a new file for a few seconds: the updater waits for it.
TEST_F(UpdaterTest, WaitsForADownloadHeldForAMoment) {
  const fs::path library = app_folder_ / L"tool.dll";
  HANDLE scanner = HeldDownloadOf(library);
  ASSERT_NE(scanner, INVALID_HANDLE_VALUE);
  auto updater = StartUpdater();
  // Held until the updater has been at it for three seconds.
  EXPECT_FALSE(updater->WaitForExit(3s).has_value()) << "the updater did not wait";
  CloseHandle(scanner);

  EXPECT_EQ(updater->WaitForExit(kTimeout), 0u);
  EXPECT_EQ(Runs(1), std::vector<std::string>{"OstrelMini.exe\t20\t/afterupgrade"});
  ExpectInstalled(Application(), "(new program)");
  ExpectInstalled(library, "new library");
  ExpectNoDownloadLeft();
  ExpectNoBackupLeft();
}

// A new version that cannot start (it ends at once, or never gets as far as saying that it runs)
// is put back whole: the previous files return, the new ones go, and the previous version starts
// with the cause.
struct TBrokenVersion {
  const char* behaviour;  // the end of the stand-in's file, which it acts on
  const wchar_t* options;
  const char* cause;
};

void PrintTo(const TBrokenVersion& version, std::ostream* out) { *out << version.behaviour; }

class UpdaterBrokenVersionTest : public UpdaterTest,
                                 public testing::WithParamInterface<TBrokenVersion> {};

TEST_P(UpdaterBrokenVersionTest, IsPutBackAndThePreviousVersionStartsWithTheCause) {
  const fs::path ini = app_data_ / L"foo.ini";
  const fs::path added = app_folder_ / L"added.dll";
  WriteBytes(ini, "old ini", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  WriteBytes(Downloaded(Application()), old_program_ + GetParam().behaviour, kDownloadedAttributes);
  WriteBytes(Downloaded(ini), "new ini", kDownloadedAttributes);
  WriteBytes(Downloaded(added), "added library", kDownloadedAttributes);
  WriteQueue({ini});

  EXPECT_EQ(Update(L"0", GetParam().options), kNewVersionFailed);

  EXPECT_EQ(Runs(2),
            (std::vector<std::string>{
                "OstrelMini.exe\t20\t/afterupgrade",
                std::string("OstrelMini.exe\t20\t/upgraderolledback:") + GetParam().cause}));
  ExpectPutBack(ini, added);
  ExpectNoDownloadLeft();
  ExpectNoBackupLeft();
}

INSTANTIATE_TEST_SUITE_P(UpdaterTest, UpdaterBrokenVersionTest,
                         testing::Values(TBrokenVersion{"ends at once", L"", "ended:3"},
                                         TBrokenVersion{"stays silent", L"/startlimit:2 ",
                                                        "silent:2"}),
                         [](const testing::TestParamInfo<TBrokenVersion>& param) {
                           const std::string cause = param.param.cause;
                           return cause.substr(0, cause.find(':'));
                         });

TEST_F(UpdaterTest, RunsADownloadedSetupThenTheApplication) {
  const fs::path setup = app_folder_ / L"setup.exe";
  WriteBytes(Downloaded(setup), new_program_, kDownloadedAttributes);
  WriteBytes(Downloaded(app_folder_ / L"tool.dll"), "new library", kDownloadedAttributes);

  EXPECT_EQ(Update(L"1"), 0u);

  // The setup runs hidden from the folder's listing, is gone once it has ended, and the
  // application starts after it.
  EXPECT_EQ(Runs(2), (std::vector<std::string>{"setup.exe\t22\t/afterupgrade",
                                               "OstrelMini.exe\t20\t/afterupgrade"}));
  EXPECT_FALSE(fs::exists(setup));
  EXPECT_EQ(Content(Application()), "(old program)");
  ExpectInstalled(app_folder_ / L"tool.dll", "new library");
  ExpectNoDownloadLeft();
}

TEST_F(UpdaterTest, ExternalSetupWithoutSetupProgramOnlyRestartsTheApplication) {
  WriteBytes(Downloaded(app_folder_ / L"tool.dll"), "new library", kDownloadedAttributes);

  EXPECT_EQ(Update(L"1"), 0u);

  EXPECT_EQ(Runs(1), std::vector<std::string>{"OstrelMini.exe\t20\t/afterupgrade"});
  EXPECT_EQ(Content(Application()), "(old program)");
  ExpectInstalled(app_folder_ / L"tool.dll", "new library");
  ExpectNoDownloadLeft();
}

TEST_F(UpdaterTest, ExternalSetupInstallsTheApplicationsOwnDownload) {
  WriteBytes(Downloaded(Application()), new_program_, kDownloadedAttributes);
  WriteBytes(Downloaded(app_folder_ / L"helper.exe"), "new helper", kDownloadedAttributes);

  EXPECT_EQ(Update(L"1"), 0u);

  EXPECT_EQ(Runs(1), std::vector<std::string>{"OstrelMini.exe\t20\t/afterupgrade"});
  ExpectInstalled(Application(), "(new program)");
  ExpectInstalled(app_folder_ / L"helper.exe", "new helper");
  ExpectNoDownloadLeft();
}

TEST_F(UpdaterTest, TakesAnApplicationPathWithPlusSignsAndSpaces) {
  app_folder_ = root_ / L"C++ Tools +2" / L"Ostrel Mini";
  WriteBytes(Application(), old_program_);
  WriteBytes(Downloaded(Application()), new_program_, kDownloadedAttributes);

  EXPECT_EQ(Update(), 0u);

  EXPECT_EQ(Runs(1), std::vector<std::string>{"OstrelMini.exe\t20\t/afterupgrade"});
  ExpectInstalled(Application(), "(new program)");
  ExpectNoDownloadLeft();
}

// What the upgrade controller writes out as Zudarada4.exe: the build OSTREL_UPDATER_FILE names.
TEST(UpdaterResource, TheApplicationCarriesTheUpdaterAsULUPG) {
  HMODULE application = LoadLibraryExW((e2e::BinDir() / L"OstrelMini.exe").c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(application, nullptr);
  HRSRC resource = FindResourceW(application, L"ULUPG", L"ULUPG");
  ASSERT_NE(resource, nullptr) << "no resource ULUPG of type ULUPG";
  const auto* bytes = static_cast<const char*>(LockResource(LoadResource(application, resource)));
  const std::string carried(bytes, SizeofResource(application, resource));
  FreeLibrary(application);
  const std::string updater = ReadBytes(fs::path(L"Z:") / OSTREL_UPDATER_FILE);
  EXPECT_FALSE(updater.empty());
  EXPECT_TRUE(carried == updater) << carried.size() << " bytes carried, the updater has "
                                  << updater.size();
}

}  // namespace
