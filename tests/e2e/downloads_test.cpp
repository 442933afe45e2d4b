// Downloads in the running program: the file lands in the user's documents folder under a safe
// name, the status bar follows it, and the file manager shows the finished file.

#include <windows.h>

#include <psapi.h>
#include <shlobj.h>

#include <fstream>
#include <iterator>
#include <set>

#include "tests/e2e/running_program.h"

namespace e2e {
namespace {

using Reply = HttpServer::Reply;

constexpr auto kDownloadTimeout = 90s;

std::string FileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Whether `path` holds exactly `size` bytes of the server's generated body.
testing::AssertionResult HoldsGeneratedBody(const fs::path& path, std::uint64_t size) {
  std::ifstream in(path, std::ios::binary);
  std::vector<char> piece(1 << 20);
  std::uint64_t index = 0;
  while (in) {
    in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
    for (std::streamsize i = 0; i < in.gcount(); ++i, ++index) {
      if (piece[static_cast<size_t>(i)] != HttpServer::PatternByte(index))
        return testing::AssertionFailure() << "byte " << index << " differs";
    }
  }
  if (index != size) return testing::AssertionFailure() << index << " bytes instead of " << size;
  return testing::AssertionSuccess();
}

// Downloads with a part received and not complete, by their trace lines
// "download-updated id=1 download=<n> received=<bytes> complete=0 canceled=0".
int DownloadsUnderWay(const std::vector<std::string>& trace) {
  std::set<std::string> under_way;
  for (const std::string& line : trace) {
    if (line.rfind("download-updated ", 0) != 0 || line.find(" received=0 ") != std::string::npos ||
        line.find(" complete=0 ") == std::string::npos)
      continue;
    const size_t id = line.find(" download=");
    under_way.insert(line.substr(id, line.find(' ', id + 1) - id));
  }
  return static_cast<int>(under_way.size());
}

int CompletedDownloads(const std::vector<std::string>& trace) {
  return static_cast<int>(std::count_if(trace.begin(), trace.end(), [](const std::string& line) {
    return line.rfind("download-updated ", 0) == 0 &&
           line.find(" complete=1 ") != std::string::npos;
  }));
}

std::string Attachment(const std::string& name) {
  return "Content-Disposition: attachment; filename=\"" + name + "\"\r\n";
}

class Downloads : public RunningProgram {
 protected:
  static constexpr std::uint64_t kLarge = 200ull << 20;

  Downloads()
      : RunningProgram({
            {"/files/ostrel-report.txt", Reply{.content_type = "text/plain",
                                               .body = "季度报告\r\n",
                                               .extra_headers = Attachment("ostrel-report.txt")}},
            {"/files/ostrel-archive.zip",
             Reply{.content_type = "application/zip", .generated_size = 300000}},
            {"/files/unknown-size.bin", Reply{.content_type = "application/octet-stream",
                                              .generated_size = 300000,
                                              .announce_length = false,
                                              .hold_after = 100000}},
            {"/files/held-a.bin", Reply{.content_type = "application/octet-stream",
                                        .generated_size = 200000,
                                        .hold_after = 70000}},
            {"/files/held-b.bin", Reply{.content_type = "application/octet-stream",
                                        .generated_size = 250000,
                                        .hold_after = 70000}},
            {"/files/large.bin",
             Reply{.content_type = "application/octet-stream", .generated_size = kLarge}},
        }) {}

  void TearDown() override {
    // A running download must not keep the program from ending.
    CloseStarted();
    for (const auto& [pid, line] : ExplorerRuns()) EndProcess(pid);
    std::error_code ignored;
    for (const fs::path& file : made_) fs::remove(file, ignored);
  }

  // A file the test expects in the documents folder; gone before the test and after it.
  fs::path Expect(const std::wstring& name) {
    made_.push_back(DocumentsFolder() / name);
    std::error_code ignored;
    fs::remove(made_.back(), ignored);
    return made_.back();
  }

  void Start() {
    RunningProgram::Start();
    if (HasFatalFailure()) return;
    status_bar_ = FindDescendant(window_, STATUSCLASSNAMEW);
    ASSERT_NE(status_bar_, nullptr);
  }

  std::wstring Status() const { return StatusBarPanelText(status_bar_, 1); }

  bool WaitForStatus(const std::function<bool(const std::wstring&)>& wanted,
                     std::chrono::milliseconds timeout = kDownloadTimeout) {
    return WaitUntil([&] { return wanted(Status()); }, timeout);
  }

  bool WaitForStatus(const std::wstring& text) {
    return WaitForStatus([&](const std::wstring& s) { return s == text; });
  }

  // The file manager was started with `file` selected. Every finished download starts one, and
  // each test waits for them: its end closes them, and one left running would hold the test
  // runner's output open.
  // The file manager is ended as soon as it is seen: its window would share the desktop with
  // the tests running beside this one.
  void ExpectShownInFileManager(const fs::path& file) {
    const std::wstring wanted = L"/select," + file.wstring();
    EXPECT_TRUE(WaitUntil(
        [&] {
          for (const auto& [pid, line] : ExplorerRuns()) {
            if (!line.ends_with(L" " + wanted)) continue;
            EndProcess(pid);
            return true;
          }
          return false;
        },
        kStartTimeout))
        << "no file manager with " << Utf8(wanted);
  }

  // The file manager runs started for this test's files.
  std::vector<std::pair<DWORD, std::wstring>> ExplorerRuns() const {
    std::vector<std::pair<DWORD, std::wstring>> runs;
    for (auto& run : CommandLinesOf(L"explorer.exe")) {
      for (const fs::path& file : made_)
        if (run.second.find(file.wstring()) != std::wstring::npos) runs.push_back(run);
    }
    return runs;
  }

  HWND status_bar_ = nullptr;
  std::vector<fs::path> made_;
};

TEST_F(Downloads, AnAttachmentLandsInDocumentsAndTheFileManagerSelectsIt) {
  const fs::path file = Expect(L"ostrel-report.txt");
  ASSERT_NO_FATAL_FAILURE(Start());
  Command("load url=" + Address("/files/ostrel-report.txt"));
  ASSERT_TRUE(WaitForStatus(file.wstring() + L" 已完成")) << Utf8(Status());
  EXPECT_EQ(FileText(file), "季度报告\r\n");
  ExpectShownInFileManager(file);
  EXPECT_NE(FindLine(copy_.TraceLines(), "load-error id=1 code=-3 "), "")
      << "a navigation that becomes a download ends as aborted";
}

TEST_F(Downloads, AFileNoPageShowsIsSavedWithItsAddressName) {
  const fs::path file = Expect(L"ostrel-archive.zip");
  ASSERT_NO_FATAL_FAILURE(Start());
  Command("load url=" + Address("/files/ostrel-archive.zip"));
  ASSERT_TRUE(WaitForStatus(file.wstring() + L" 已完成")) << Utf8(Status());
  EXPECT_TRUE(HoldsGeneratedBody(file, 300000));
  ExpectShownInFileManager(file);
}

TEST_F(Downloads, UnknownSizeShowsTheBytesReceived) {
  const fs::path file = Expect(L"unknown-size.bin");
  ASSERT_NO_FATAL_FAILURE(Start());
  Command("load url=" + Address("/files/unknown-size.bin"));
  const std::wstring prefix = file.wstring() + L" : ";
  ASSERT_TRUE(WaitForStatus([&](const std::wstring& s) {
    return s.starts_with(prefix) && s.ends_with(L" bytes 已接收") &&
           s != prefix + L"0 bytes 已接收";
  })) << Utf8(Status());
  server_.Release();
  ASSERT_TRUE(WaitForStatus(file.wstring() + L" 已完成")) << Utf8(Status());
  EXPECT_TRUE(HoldsGeneratedBody(file, 300000));
  ExpectShownInFileManager(file);
}

TEST_F(Downloads, TwoAtOnceBothComplete) {
  const fs::path a = Expect(L"held-a.bin"), b = Expect(L"held-b.bin");
  ASSERT_NO_FATAL_FAILURE(Start());
  Command("download url=" + Address("/files/held-a.bin"));
  Command("download url=" + Address("/files/held-b.bin"));
  // Both have their first part before either may finish.
  ASSERT_TRUE(
      WaitUntil([&] { return DownloadsUnderWay(copy_.TraceLines()) >= 2; }, kDownloadTimeout));
  server_.Release();
  ASSERT_TRUE(
      WaitUntil([&] { return CompletedDownloads(copy_.TraceLines()) == 2; }, kDownloadTimeout));
  EXPECT_TRUE(HoldsGeneratedBody(a, 200000));
  EXPECT_TRUE(HoldsGeneratedBody(b, 250000));
  ExpectShownInFileManager(a);
  ExpectShownInFileManager(b);
}

TEST_F(Downloads, AnEmptySuggestedNameSavesDownloadedFile) {
  const fs::path file = Expect(L"DownloadedFile");
  ASSERT_NO_FATAL_FAILURE(Start());
  Command("download name= url=" + Address("/files/ostrel-report.txt"));
  ASSERT_TRUE(WaitForStatus(file.wstring() + L" 已完成")) << Utf8(Status());
  EXPECT_EQ(FileText(file), "季度报告\r\n");
  ExpectShownInFileManager(file);
}

TEST_F(Downloads, UnsafeNamesLandInsideTheDocumentsFolder) {
  const fs::path parent_escape = Expect(L"ostrel-escape.exe");
  const fs::path device = Expect(L"_con");
  const fs::path stream = Expect(L"ostrel_stream.txt");
  // Longer than a file name may be: cut in the stem, the extension kept.
  const fs::path long_name = Expect(L"ostrel-" + std::wstring(244, L'l') + L".txt");
  ASSERT_NO_FATAL_FAILURE(Start());
  for (const std::string& name :
       {std::string("..%5Costrel-escape.exe"), std::string("con"), std::string("ostrel:stream.txt"),
        "ostrel-" + std::string(300, 'l') + ".txt"}) {
    Command("download name=" + name + " url=" + Address("/files/ostrel-report.txt"));
  }
  for (const fs::path& file : {parent_escape, device, stream, long_name}) {
    EXPECT_TRUE(WaitUntil([&] { return FileText(file) == "季度报告\r\n"; }, kDownloadTimeout))
        << file;
    ExpectShownInFileManager(file);
  }
  EXPECT_FALSE(fs::exists(DocumentsFolder().parent_path() / L"ostrel-escape.exe"));
}

SIZE_T WorkingSet(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters{.cb = sizeof counters};
  return GetProcessMemoryInfo(process, &counters, sizeof counters) ? counters.WorkingSetSize : 0;
}

TEST_F(Downloads, A200MegabyteFileArrivesWhileMemoryStaysFlat) {
  const fs::path file = Expect(L"large.bin");
  ASSERT_NO_FATAL_FAILURE(Start());
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program_->id());
  ASSERT_NE(process, nullptr);
  const SIZE_T before = WorkingSet(process);
  ASSERT_GT(before, 0u) << "the working set cannot be read";
  SIZE_T most = before;
  Command("load url=" + Address("/files/large.bin"));
  const bool done = WaitForStatus([&](const std::wstring& s) {
    most = std::max(most, WorkingSet(process));
    return s == file.wstring() + L" 已完成";
  });
  CloseHandle(process);
  ASSERT_TRUE(done) << Utf8(Status());
  EXPECT_LT(most - before, 20u << 20) << "working set grew from " << before << " to " << most;
  EXPECT_TRUE(HoldsGeneratedBody(file, kLarge));
  ExpectShownInFileManager(file);
}

}  // namespace
}  // namespace e2e
