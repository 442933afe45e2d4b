// Partial files: resuming at the right offset, a partial file that is not the server's, a server
// that ignores the range, a file that is complete already; and stopping a transfer.

#include <gtest/gtest.h>

#include <string>

#include "tests/http/http_test_support.h"

namespace {

using namespace http_test;

constexpr uint64_t kSize = 100000;

class HttpResume : public http_test::HttpTest {
 protected:
  // The client set to download /data/100000/`tag` (with `query`) into a file of that name.
  void Prepare(const std::wstring& tag, const std::wstring& query = L"") {
    file = TempFile(tag + L".bin");
    http.OutputFileName = file;
    http.URL = Url("http", L"/data/" + std::to_wstring(kSize) + L"/" + tag + query);
  }

  std::wstring file;
};

TEST_F(HttpResume, ContinuesAPartialFileAtItsEndLessOneCheckBlock) {
  Prepare(L"resume-continue");
  WriteFileBytes(file, Pattern(0, 60000));
  ASSERT_TRUE(http.Resume());
  ASSERT_TRUE(events.WaitIdle());
  EXPECT_EQ(events.done, 1);
  EXPECT_EQ(events.fileSize, kSize);
  EXPECT_EQ(ReadFileBytes(file), Pattern(0, kSize));
  const std::string log = RequestsWith("resume-continue");
  EXPECT_NE(log.find("RANGE: bytes=55904-"), std::string::npos) << log;
  ASSERT_FALSE(events.progress.empty());
  EXPECT_EQ(events.progress.front().DataSize, kSize);
  EXPECT_EQ(events.progress.back().BytesRead, kSize);
}

TEST_F(HttpResume, DownloadsACorruptedPartialFileAgainFromTheStart) {
  Prepare(L"resume-corrupt");
  std::string partial = Pattern(0, 60000);
  partial[59000] = static_cast<char>(partial[59000] ^ 0x55);
  WriteFileBytes(file, partial);
  ASSERT_TRUE(http.Resume());
  ASSERT_TRUE(events.WaitIdle());
  EXPECT_EQ(events.done, 1);
  EXPECT_EQ(ReadFileBytes(file), Pattern(0, kSize));
  const std::string log = RequestsWith("resume-corrupt");
  EXPECT_NE(log.find("RANGE: bytes=55904-"), std::string::npos) << log;
  EXPECT_EQ(Count(log, "GET /data/"), 2) << "then one for the whole file: " << log;
}

TEST_F(HttpResume, RewritesTheFileWhenTheServerIgnoresTheRange) {
  Prepare(L"resume-norange", L"?norange=1");
  WriteFileBytes(file, Pattern(0, 60000) + std::string(50000, 'x'));
  ASSERT_TRUE(http.Resume());
  ASSERT_TRUE(events.WaitIdle());
  EXPECT_EQ(events.done, 1);
  EXPECT_EQ(ReadFileBytes(file), Pattern(0, kSize));
}

TEST_F(HttpResume, AFileThatIsCompleteAlreadyIsDone) {
  Prepare(L"resume-complete");
  WriteFileBytes(file, Pattern(0, kSize));
  ASSERT_TRUE(http.ReadRange(static_cast<uint32_t>(kSize), 0));
  ASSERT_TRUE(events.WaitIdle());
  EXPECT_EQ(events.done, 1);
  EXPECT_EQ(events.outputFileError, 0);
  EXPECT_EQ(events.fileSize, kSize);
  EXPECT_EQ(ReadFileBytes(file), Pattern(0, kSize));
}

TEST_F(HttpResume, ALocalFileLongerThanTheServersIsDownloadedAgain) {
  Prepare(L"resume-longer");
  WriteFileBytes(file, Pattern(0, kSize) + std::string(5000, 'x'));
  ASSERT_TRUE(http.ReadRange(static_cast<uint32_t>(kSize + 5000), 0));
  ASSERT_TRUE(events.WaitIdle());
  EXPECT_EQ(events.done, 1);
  EXPECT_EQ(ReadFileBytes(file), Pattern(0, kSize));
}

// ---- Stopping ----

class HttpAbort : public HttpResume {
 protected:
  // Starts a slow download and waits for its first bytes.
  void StartSlowly(const std::wstring& tag) {
    Prepare(tag, L"?trickle=20");
    ASSERT_TRUE(http.Read());
    ASSERT_TRUE(ui_test::PumpUntil([&] { return !events.progress.empty(); }, 10000));
  }
  void ExpectAbortedAndIdle() {
    ASSERT_TRUE(events.WaitIdle());
    EXPECT_EQ(events.aborted, 1);
    EXPECT_EQ(events.done + events.connLost + events.anyError, 0) << "no completion events";
    EXPECT_FALSE(http.Busy());
    EXPECT_FALSE(http.ThreadBusy());
  }
};

TEST_F(HttpAbort, KeepsThePartialFileUnlessAsked) {
  StartSlowly(L"abort-keep");
  http.Pause();
  ExpectAbortedAndIdle();
  const std::string partial = ReadFileBytes(file);
  EXPECT_GT(partial.size(), 0u);
  EXPECT_LT(partial.size(), kSize);
  EXPECT_EQ(partial, Pattern(0, partial.size()));
}

TEST_F(HttpAbort, DeletesTheFileWhenAsked) {
  StartSlowly(L"abort-delete");
  http.Abort(true, false);
  ExpectAbortedAndIdle();
  EXPECT_FALSE(FileExists(file));
}

TEST_F(HttpAbort, AHardAbortEndsTheWorkerAtOnceAndTheClientCanGoOn) {
  StartSlowly(L"abort-hard");
  http.Abort(true, true);
  ExpectAbortedAndIdle();
  EXPECT_FALSE(FileExists(file));
  Prepare(L"abort-after");
  ASSERT_TRUE(Fetch(http.URL));
  EXPECT_EQ(events.done, 1);
  EXPECT_EQ(ReadFileBytes(file), Pattern(0, kSize));
}

}  // namespace
