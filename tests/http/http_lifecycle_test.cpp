// The client's life around a transfer: waiting for it, a wait that times out, the next transfer
// started from OnDone, freeing itself afterwards, the events raised on the worker, a header
// handler that stops it, and an output file that cannot be opened.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "tests/http/http_test_support.h"

namespace {

using namespace http_test;

class HttpLifecycle : public http_test::HttpTest {};

TEST_F(HttpLifecycle, AForcedWaitReturnsOnceTheTransferIsDone) {
  http.URL = Url("http", L"/data/20000/wait-done");
  ASSERT_TRUE(http.Read(true));
  EXPECT_EQ(events.done, 1);
  EXPECT_FALSE(http.Busy());
  EXPECT_FALSE(http.WaitThread()) << "the forced wait is for that call only";
}

TEST_F(HttpLifecycle, AWaitThatTimesOutEndsTheTransfer) {
  int expired = 0;
  http.OnWaitTimeoutExpired = [&](TulCustomHTTP&, bool& terminateThread) {
    ++expired;
    EXPECT_TRUE(terminateThread);
  };
  http.SetWaitTimeout(300);
  http.URL = Url("http", L"/data/100000/wait-timeout?trickle=20");
  EXPECT_FALSE(http.Read(true));
  EXPECT_EQ(expired, 1);
  EXPECT_FALSE(http.Busy());
  EXPECT_FALSE(http.ThreadBusy());
  EXPECT_EQ(events.done + events.anyError, 0);
  http.SetWaitTimeout(0);
  ASSERT_TRUE(http.Read(true)) << "the client goes on after the killed transfer";
}

TEST_F(HttpLifecycle, OnDoneCanStartTheNextTransfer) {
  std::vector<std::string> bodies;
  http.OnDone = [&](TulCustomHTTP& sender, const std::wstring&, uint64_t, TulStream* stream) {
    std::string body(static_cast<size_t>(stream->Size()), '\0');
    body.resize(stream->Read(body.data(), body.size()));
    bodies.push_back(body);
    if (bodies.size() < 3) {
      sender.URL = Url("http", L"/data/" + std::to_wstring(1000 * (bodies.size() + 1)) + L"/chain");
      EXPECT_TRUE(sender.Read());
    } else {
      events.ended = true;
    }
  };
  ASSERT_TRUE(Fetch(Url("http", L"/data/1000/chain")));
  ASSERT_EQ(bodies.size(), 3u);
  EXPECT_EQ(bodies[0], Pattern(0, 1000));
  EXPECT_EQ(bodies[2], Pattern(0, 3000));
}

// Frees itself after its completion, as a fire-and-forget download.
struct TSelfFreeing : TulCustomHTTP {
  explicit TSelfFreeing(bool& flag) : freed(flag) {}
  ~TSelfFreeing() override { freed = true; }
  bool& freed;
};

TEST_F(HttpLifecycle, FreeOnTerminateFreesTheClientAfterItsEvents) {
  bool freed = false, done = false;
  auto* client = new TSelfFreeing(freed);
  client->SetFreeOnTerminate(true);
  client->OnDone = [&](TulCustomHTTP&, const std::wstring&, uint64_t, TulStream*) { done = true; };
  client->URL = Url("http", L"/data/1000/self-freeing");
  ASSERT_TRUE(client->Read());
  ASSERT_TRUE(ui_test::PumpUntil([&] { return freed; }, 10000));
  EXPECT_TRUE(done);
}

// The worker looks at its stop flag between blocks: a client destroyed in the middle of a fast
// download must not leave it reading the freed client. (Closing the request reads the rest of
// the body first: the files are kept small.)
TEST_F(HttpLifecycle, DestroyingTheClientInTheMiddleOfATransferEndsItsWorkerFirst) {
  const std::wstring file = TempFile(L"destroyed-mid-transfer.bin");
  for (int round = 0; round < 10; ++round) {
    auto client = std::make_unique<TulCustomHTTP>();
    client->URL = Url("http", L"/data/8000000/destroyed-" + std::to_wstring(round));
    client->OutputFileName = file;
    std::atomic<uint64_t> received{0};
    client->OnProgress = [&](TulCustomHTTP&, const TulHTTPProgress& progress) {
      received = progress.BytesRead;
    };
    ASSERT_TRUE(client->Read());
    ASSERT_TRUE(ui_test::PumpUntil([&] { return received > 65536u * (round % 5 + 1); }, 20000));
    client.reset();
  }
  // Still here, with the file closed by the worker's end.
  EXPECT_TRUE(DeleteFileW(file.c_str()));
}

TEST_F(HttpLifecycle, RaisesTheStatusAndRequestEventsOnTheWorker) {
  const DWORD mainThread = GetCurrentThreadId();
  std::atomic<bool> onMain{false};
  std::atomic<HINTERNET> request{nullptr};
  std::vector<std::wstring> texts;  // the worker waits in Read(true)'s transfer, so no race
  http.OnBeforeSendRequest = [&](TulCustomHTTP&, HINTERNET handle) {
    request = handle;
    onMain = onMain || GetCurrentThreadId() == mainThread;
  };
  http.OnStatusChanged = [&](TulCustomHTTP&, DWORD, const std::wstring& text) {
    texts.push_back(text);
    onMain = onMain || GetCurrentThreadId() == mainThread;
  };
  http.URL = Url("http", L"/data/1000/status-events");
  ASSERT_TRUE(http.Read(true));
  EXPECT_NE(request.load(), nullptr);
  EXPECT_FALSE(onMain);
  // The request has no context value: only the connection's own notifications arrive.
  EXPECT_NE(std::find(texts.begin(), texts.end(), L"Handle created"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), L"Handle closing"), texts.end());
}

TEST_F(HttpLifecycle, AHeaderHandlerThatStopsTheTransferEndsItInterrupted) {
  int interrupted = 0;
  http.OnHeaderInfo = [](TulCustomHTTP&, TulHTTPHeaderInfo& info) {
    info.ContinueDownload = info.ContentLength < 1000;
  };
  http.OnDoneInterrupted = [&](TulCustomHTTP&) { ++interrupted; };
  const std::wstring file = TempFile(L"interrupted.bin");
  http.OutputFileName = file;
  http.URL = Url("http", L"/data/5000/interrupted");
  ASSERT_TRUE(http.Read(true));
  EXPECT_EQ(interrupted, 1);
  EXPECT_EQ(events.done + events.anyError, 0);
  EXPECT_FALSE(FileExists(file));
}

TEST_F(HttpLifecycle, AnOutputFileThatCannotBeOpenedIsAnOutputFileError) {
  const std::wstring folder = TempFile(L"a-folder");
  CreateDirectoryW(folder.c_str(), nullptr);
  http.OutputFileName = folder;
  ASSERT_TRUE(Fetch(Url("http", L"/data/1000/no-output")));
  EXPECT_EQ(events.outputFileError, 1);
  EXPECT_EQ(events.anyError, 1);
  EXPECT_EQ(events.done, 0);
  RemoveDirectoryW(folder.c_str());
}

}  // namespace
