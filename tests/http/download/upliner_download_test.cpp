// TulUpliner's download sequence against the loopback servers, after the user agreed: where
// each listed file lands (its temporary file beside the target), what the progress window and
// the events are told, files that are missing or unchanged, cancelling, and what is handed to
// the updater. This test program stands in for the application: its folder is the one updated.

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/http/http_test_support.h"
#include "tests/support/log_capture.h"
#include "ui/ui_task.h"
#include "upgrade/controller/ul_upliner.h"
#include "upgrade/support/ul_crypto.h"
#include "upgrade/support/ul_utils.h"

namespace {

namespace fs = std::filesystem;
using namespace http_test;

// Agrees to the upgrade and presses OK once the downloads are complete.
struct AgreeingUi : TulUplinerUi {
  std::vector<std::wstring> lines;
  std::vector<std::pair<int, int>> bars;
  bool shown = false;
  bool finished = false;

  bool AskUpgrade(TulUpliner&, const std::wstring&) override { return true; }
  void ShowProgress(TulUpliner&) override { shown = true; }
  bool ProgressShown() const override { return shown; }
  void SetProgressLine(TulProgressLine line, const std::wstring& text) override {
    lines.push_back(std::to_wstring(line) + L" " + text);
  }
  void SetProgressBars(int currentFile, int allFiles) override {
    bars.emplace_back(currentFile, allFiles);
  }
  void FinishProgress() override {
    finished = true;
    // OK is pressed after the controller has begun to wait for it.
    uitask::Post([this] { CloseProgress(); });
  }
  void CloseProgress() override {
    if (!shown) return;
    shown = false;
    closing_->ProgressClosed();
  }
  bool AskPassword(TulUpliner&, const std::wstring&) override { return false; }

  TulUpliner* closing_ = nullptr;
};

std::vector<std::wstring> TemporaryFilesIn(const fs::path& folder) {
  std::vector<std::wstring> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == L".uTMP") names.push_back(entry.path().filename().wstring());
  }
  return names;
}

class UplinerDownload : public ui_test::UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    ui.closing_ = &upliner;
    upliner.UI = &ui;
    upliner.Timeouts = {5000, 5000, 5000};
    upliner.VersionControl = byNumber;
    upliner.VersionNumber = L"1.1.2.1";
    upliner.ShowMessage = [this](const std::wstring& text, const std::wstring& caption, UINT) {
      messages.push_back(caption + L": " + text);
      return answer;
    };
    upliner.OnFileStart = [this](TulUpliner&, const std::wstring& url, uint64_t size, TDateTime,
                                 bool& canUpgrade) {
      events += L"start " + std::to_wstring(size) + (canUpgrade ? L" " : L" skip ");
      (void)url;
    };
    upliner.OnFileDone = [this](TulUpliner&, const std::wstring& fileName) {
      events += L"done " + fs::path(fileName).filename().wstring() + L" ";
    };
    upliner.OnLostFile = [this](TulUpliner&, const std::wstring&, int status, bool&) {
      events += L"lost " + std::to_wstring(status) + L" ";
    };
    upliner.OnEndUpgrade = [this](TulUpliner&, bool& restartImediately) {
      events += L"end ";
      restartImediately = false;
    };
    upliner.OnAborted = [this](TulUpliner&) { events += L"aborted "; };
  }

  void TearDown() override {
    for (const std::wstring& name : TemporaryFilesIn(folder)) fs::remove(folder / name);
    std::error_code ignored;
    fs::remove_all(folder / L"ostrel-sub", ignored);
    fs::remove_all(AppData() / L"ostrel-upgrade-test", ignored);
    UiTest::TearDown();
  }

  static fs::path AppData() {
    wchar_t path[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, path);
    return path;
  }

  // Offers version 1.1.2.2 with `files` (info-file lines) and waits until the sequence ends (a lost
  // connection ends it where a test records OnConnLost).
  std::wstring Upgrade(const std::wstring& tag, const std::string& files) {
    events.clear();
    upliner.InfoFileURL = TextUrl(tag, "#version=1.1.2.2\r\n" + files);
    upliner.CheckUpdate();
    EXPECT_TRUE(ui_test::PumpUntil(
        [this] {
          return (events.ends_with(L"end ") || events.ends_with(L"aborted ") ||
                  events.ends_with(L"connlost ")) &&
                 !upliner.ThreadBusy();
        },
        30000))
        << testing::PrintToString(events);
    return events;
  }

  // An entry's address (it may not hold a "=": the target follows the first one).
  static std::string Data(int size, const std::string& tag, const wchar_t* kind = L"data") {
    const std::wstring url =
        Url("http", L"/" + std::wstring(kind) + L"/" + std::to_wstring(size) + L"/");
    return std::string(url.begin(), url.end()) + tag;
  }

  AgreeingUi ui;
  TulUpliner upliner;
  const fs::path folder = ApplicationFolder();
  std::wstring events;
  std::vector<std::wstring> messages;
  int answer = IDNO;
};

TEST_F(UplinerDownload, EachFileLandsBesideItsTargetAndTheProgressWindowFollows) {
  const std::string files = "#url=" + Data(3000, "tool.dll") +
                            "\r\n#url2=" + Data(70000, "bar.dat") + "=ostrel-sub\\deeper\\bar.dat" +
                            "\r\n#url3=" + Data(10, "foo.ini") +
                            "=%appdata%\\ostrel-upgrade-test\\foo.ini\r\n";
  EXPECT_EQ(Upgrade(L"three", files),
            L"start 3000 done tool.dll.uTMP start 70000 done bar.dat.uTMP start 10 done "
            L"foo.ini.uTMP end ");
  EXPECT_TRUE(ui.finished);
  EXPECT_TRUE(messages.empty());

  EXPECT_EQ(ReadFileBytes((folder / L"tool.dll.uTMP").wstring()), Pattern(0, 3000));
  const fs::path deeper = folder / L"ostrel-sub" / L"deeper" / L"bar.dat.uTMP";
  EXPECT_EQ(ReadFileBytes(deeper.wstring()), Pattern(0, 70000)) << "its folder is made";
  const fs::path appData = AppData() / L"ostrel-upgrade-test" / L"foo.ini.uTMP";
  EXPECT_EQ(ReadFileBytes(appData.wstring()), Pattern(0, 10));
  // Wine keeps neither the temporary attribute nor lets it be read back; Windows does.
  constexpr DWORD kComplete = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
  EXPECT_EQ(GetFileAttributesW(deeper.c_str()) & kComplete, kComplete);

  // The targets given are now absolute; the one without stays without.
  TulStringList& queue = upliner.DownloadQueue();
  ASSERT_EQ(queue.Count(), 3);
  EXPECT_EQ(queue.GetValue(0), L"");
  EXPECT_EQ(fs::path(queue.GetValue(1)), folder / L"ostrel-sub\\deeper\\bar.dat");
  EXPECT_EQ(fs::path(queue.GetValue(2)).lexically_normal(),
            (AppData() / L"ostrel-upgrade-test\\foo.ini").lexically_normal());

  const std::wstring all = std::to_wstring(plAllDownloading);
  EXPECT_NE(std::find(ui.lines.begin(), ui.lines.end(), all + L" 当前正在下载:3 of 3"),
            ui.lines.end());
  EXPECT_NE(std::find(ui.lines.begin(), ui.lines.end(),
                      std::to_wstring(plFileSize) + L" 文档大小:68.36Kb"),
            ui.lines.end());
  ASSERT_FALSE(ui.bars.empty());
  EXPECT_EQ(ui.bars.back(), std::make_pair(100, 100));
}

TEST_F(UplinerDownload, AMissingFileAnsweredNoAbortsAndLeavesNoTemporaryFile) {
  const std::string files = "#url=" + Data(5000, "first.dll") +
                            "\r\n#url2=" + Data(5000, "gone.dll", L"missing") + "=gone.dll\r\n";
  // The header event comes for any answer.
  EXPECT_EQ(Upgrade(L"missing", files),
            L"start 5000 done first.dll.uTMP start 8 lost 404 aborted ");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0],
            L"错误 #404: 文档gone.dll找不到或者发生错误，\n\n"
            L"您要忽略这个文档并且继续升级操作吗？");
  EXPECT_FALSE(ui.shown) << "the progress window is closed";
  EXPECT_TRUE(TemporaryFilesIn(folder).empty());

  answer = IDYES;  // ignored: the upgrade goes on without it
  EXPECT_EQ(Upgrade(L"missing-ignored", files),
            L"start 5000 done first.dll.uTMP start 8 lost 404 end ");
}

TEST_F(UplinerDownload, AnAbortLeavesNoTemporaryFileInAnyFolderAndTheNextStartClearsLeftovers) {
  const std::string files =
      "#url=" + Data(3000, "a.dll") + "=ostrel-sub\\a.dll\r\n#url2=" + Data(3000, "b.ini") +
      "=%appdata%\\ostrel-upgrade-test\\b.ini\r\n#url3=" + Data(5000, "gone.dll", L"missing") +
      "\r\n";
  EXPECT_EQ(Upgrade(L"aborted-folders", files),
            L"start 3000 done a.dll.uTMP start 3000 done b.ini.uTMP start 8 lost 404 aborted ");
  EXPECT_FALSE(fs::exists(folder / L"ostrel-sub" / L"a.dll.uTMP"));
  EXPECT_FALSE(fs::exists(AppData() / L"ostrel-upgrade-test" / L"b.ini.uTMP"));

  // What a download that never ended left behind (the program was ended, say).
  WriteFileBytes((folder / L"left.dll.uTMP").wstring(), "part");
  const TulUpliner next;
  EXPECT_TRUE(TemporaryFilesIn(folder).empty());
}

TEST_F(UplinerDownload, UnchangedSizesAreSkippedButNeverTheProgramItself) {
  const std::wstring own = fs::path(ApplicationFile()).filename().wstring();
  WriteFileBytes((folder / L"same.dll").wstring(), std::string(4000, 'x'));
  upliner.MiscFilesUpgrade = mfuOnlyIfSizeDifferent;
  const std::string files =
      "#url=" + Data(4000, "same.dll") + "\r\n#url2=" + Data(4000, "other.dll") + "=same.dll" +
      "\r\n#url3=" + Data(static_cast<int>(fs::file_size(ApplicationFile())), "me") + "=" +
      std::string(own.begin(), own.end()) + "\r\n";
  EXPECT_EQ(Upgrade(L"sizes", files).substr(0, 22), L"start 4000 skip start ");
  EXPECT_TRUE(events.find(L"done " + own + L".uTMP") != std::wstring::npos) << events;
  EXPECT_FALSE(fs::exists(folder / L"same.dll.uTMP"));
  fs::remove(folder / L"same.dll");
}

// A listed file that the server sends broken, or that is not known to have arrived whole, ends
// the upgrade before the updater: the installed file stays as it was, and the next upgrade leaves
// nothing of this one for the updater to install.
TEST_F(UplinerDownload, AFileTheServerSendsBrokenIsNeitherDoneNorInstalled) {
  upliner.OnConnLost = [this](TulUpliner&) { events += L"connlost "; };
  const fs::path installed = folder / L"hostile.dll";
  WriteFileBytes(installed.wstring(), "installed");
  const std::string first = "#url=" + Data(3000, "first.dll") + "\r\n";
  for (const wchar_t* kind : {L"short", L"long", L"length-text", L"chunked-cut", L"status"}) {
    const std::wstring bad = Url("http", L"/bad/" + std::wstring(kind) + L"/hostile.dll");
    const std::string files =
        first + "#url2=" + std::string(bad.begin(), bad.end()) + "=hostile.dll\r\n";
    events.clear();
    upliner.InfoFileURL = TextUrl(L"hostile-" + std::wstring(kind), "#version=1.1.2.2\r\n" + files);
    upliner.CheckUpdate();
    EXPECT_TRUE(ui_test::PumpUntil(
        [this] { return events.ends_with(L"connlost ") && !upliner.ThreadBusy(); }, 30000))
        << kind << ": " << testing::PrintToString(events);
    EXPECT_TRUE(events.starts_with(L"start 3000 done first.dll.uTMP start ")) << kind;
    EXPECT_EQ(events.find(L"done hostile"), std::wstring::npos) << kind;
    EXPECT_EQ(ReadFileBytes(installed.wstring()), "installed") << kind;
  }
  EXPECT_TRUE(fs::exists(folder / L"hostile.dll.uTMP")) << "kept as the transfer left it";
  EXPECT_EQ(Upgrade(L"after-hostile", first), L"start 3000 done first.dll.uTMP end ");
  EXPECT_EQ(TemporaryFilesIn(folder), std::vector<std::wstring>{L"first.dll.uTMP"});
  fs::remove(installed);
}

std::string Sha256Hex(const std::string& bytes) {
  std::string hex;
  const TulSha256 digest = Sha256Of(bytes).value();
  for (const uint8_t byte : digest) {
    hex += "0123456789abcdef"[byte >> 4];
    hex += "0123456789abcdef"[byte & 15];
  }
  return hex;
}

TEST_F(UplinerDownload, WithAListedSha256ASameSizedFileIsSkippedOnlyWhenItsContentIsThatOne) {
  WriteFileBytes((folder / L"same.dll").wstring(), Pattern(0, 4000));
  WriteFileBytes((folder / L"changed.dll").wstring(), std::string(4000, 'x'));
  upliner.MiscFilesUpgrade = mfuOnlyIfSizeDifferent;
  const std::string sha256 = Sha256Hex(Pattern(0, 4000));
  const std::string files = "#url=" + Data(4000, "same.dll") + "\r\n#sha256=" + sha256 +
                            "\r\n#url2=" + Data(4000, "changed.dll") + "\r\n#sha2562=" + sha256 +
                            "\r\n";
  EXPECT_EQ(Upgrade(L"contents", files), L"start 4000 skip start 4000 done changed.dll.uTMP end ");
  EXPECT_FALSE(fs::exists(folder / L"same.dll.uTMP"));
  fs::remove(folder / L"same.dll");
  fs::remove(folder / L"changed.dll");
}

TEST_F(UplinerDownload, ADownloadWithAnotherSha256IsRefusedAndNoTemporaryFileIsLeft) {
  const TLogCapture log;
  const std::string files =
      "#url=" + Data(3000, "good.dll") + "\r\n#sha256=" + Sha256Hex(Pattern(0, 3000)) +
      "\r\n#url2=" + Data(2000, "bad.dll") +
      "=%appdata%\\ostrel-upgrade-test\\bad.dll\r\n#sha2562=" + Sha256Hex(Pattern(0, 2001)) +
      "\r\n#url3=" + Data(1000, "never.dll") + "\r\n";
  EXPECT_EQ(Upgrade(L"refused", files), L"start 3000 done good.dll.uTMP start 2000 aborted ");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0],
            L"软件升级精灵: 文档bad.dll未通过完整性校验，可能已经损坏或者被篡改。\n\n"
            L"升级已经取消，程序文件没有任何改动。");
  const std::vector<std::wstring> lines = log.Taken();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(L"SHA-256"), std::wstring::npos) << lines[0];
  EXPECT_FALSE(ui.shown) << "the progress window is closed";
  EXPECT_TRUE(TemporaryFilesIn(folder).empty());
  EXPECT_FALSE(fs::exists(AppData() / L"ostrel-upgrade-test" / L"bad.dll.uTMP"));
}

// What a listed SHA-256 vouches for needs no length: a file sent chunked is taken when it has one
// and not without, and one cut short never passes as whole.
TEST_F(UplinerDownload, AFileSentWithoutALengthIsTakenOnlyWhereItsSha256VouchesForIt) {
  upliner.OnConnLost = [this](TulUpliner&) { events += L"connlost "; };
  const std::string vouched = "#url=" + Data(3000, "vouched.dll", L"chunked") +
                              "\r\n#sha256=" + Sha256Hex(Pattern(0, 3000)) + "\r\n";
  EXPECT_EQ(Upgrade(L"chunked-vouched", vouched), L"start 0 done vouched.dll.uTMP end ");
  EXPECT_EQ(ReadFileBytes((folder / L"vouched.dll.uTMP").wstring()), Pattern(0, 3000));

  const std::string unvouched = vouched + "#url2=" + Data(3000, "unvouched.dll", L"close") + "\r\n";
  EXPECT_EQ(Upgrade(L"close-unvouched", unvouched),
            L"start 0 done vouched.dll.uTMP start 0 connlost ");

  const std::wstring cut = Url("http", L"/chunked-cut/3000/1000/cut.dll");
  EXPECT_EQ(Upgrade(L"chunked-cut", "#url=" + std::string(cut.begin(), cut.end()) +
                                        "\r\n#sha256=" + Sha256Hex(Pattern(0, 3000)) + "\r\n"),
            L"start 0 aborted ");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_NE(messages[1].find(L"文档cut.dll未通过完整性校验"), std::wstring::npos) << messages[1];
  EXPECT_TRUE(TemporaryFilesIn(folder).empty());
}

TEST_F(UplinerDownload, CancellingDuringADownloadDeletesTheTemporaryFiles) {
  upliner.OnProgress = [this](TulUpliner& sender, const std::wstring&, uint64_t, uint64_t bytesRead,
                              uint32_t, int64_t, uint8_t, uint8_t, float) {
    if (bytesRead > 0 && sender.DownloadQueue().Count() == 2 && !events.ends_with(L"aborted ")) {
      if (fs::exists(folder / L"slow.dll.uTMP")) sender.Abort(false);
    }
  };
  const std::string files = "#url=" + Data(2000, "quick.dll") +
                            "\r\n#url2=" + Data(400000, "slow.dll", L"slow") + "=slow.dll\r\n";
  EXPECT_EQ(Upgrade(L"cancel", files), L"start 2000 done quick.dll.uTMP start 400000 aborted ");
  EXPECT_TRUE(ui_test::PumpUntil([this] { return TemporaryFilesIn(folder).empty(); }, 10000));
}

}  // namespace
