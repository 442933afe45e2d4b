// Addresses and answers that are not what they should be: each ends with a failure event in
// bounded time and writes nothing where it should not. And the bodies the client sends: a form
// POST and a multipart upload.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "tests/http/http_test_support.h"

namespace {

using namespace http_test;

class HttpBadInput : public http_test::HttpTest {
 protected:
  // Fetches `url` into `fileName`, which must fail.
  void FetchFailing(const std::wstring& url, const std::wstring& fileName) {
    file = TempFile(fileName);
    http.OutputFileName = file;
    ASSERT_TRUE(Fetch(url));
    EXPECT_EQ(events.done, 0);
    EXPECT_EQ(events.anyError, 1);
  }

  std::wstring file;
};

TEST_F(HttpBadInput, AnAddressWithoutHostIsUnreachable) {
  FetchFailing(L"http:///data/100/nohost", L"nohost.bin");
  EXPECT_EQ(events.hostUnreachable, 1);
  EXPECT_FALSE(FileExists(file));
}

TEST_F(HttpBadInput, AnUnknownSchemeIsNotFetchedAsHttp) {
  FetchFailing(L"gopher://127.0.0.1:" + std::to_wstring(Port("http")) + L"/data/100/gopher",
               L"gopher.bin");
  EXPECT_EQ(events.hostUnreachable, 1);
  EXPECT_EQ(http.InternetError(), static_cast<DWORD>(ERROR_INTERNET_UNRECOGNIZED_SCHEME));
  EXPECT_FALSE(FileExists(file));
  EXPECT_EQ(RequestsWith("/data/100/gopher"), "");
}

// Windows' WinInet stops reading at the announced length; Wine's hands over what follows now and
// then, depending on how the bytes arrive. Either way nothing past the length is written, and a
// surplus that was seen ends the transfer as a lost connection.
TEST_F(HttpBadInput, NoMoreThanTheAnnouncedLengthIsWritten) {
  file = TempFile(L"extra.bin");
  http.OutputFileName = file;
  ASSERT_TRUE(Fetch(Url("http", L"/data/1000/extra?extra=5000")));
  EXPECT_EQ(events.done + events.connLost, 1);
  EXPECT_EQ(events.anyError, events.connLost);
  EXPECT_EQ(ReadFileBytes(file), Pattern(0, 1000));
}

// WinInet takes such an answer (Wine's keeps the first 4 KiB of the line): the transfer goes on
// undisturbed, and the client reads the headers whole, however long WinInet gives them.
TEST_F(HttpBadInput, AHeaderLineOf64KiBDoesNotDisturbTheTransfer) {
  TulHTTPHeaderInfo seen;
  http.OnHeaderInfo = [&](TulCustomHTTP&, TulHTTPHeaderInfo& info) { seen = info; };
  file = TempFile(L"bigheader.bin");
  http.OutputFileName = file;
  ASSERT_TRUE(Fetch(Url("http", L"/data/1000/bigheader?bigheader=65536")));
  EXPECT_EQ(events.done, 1);
  EXPECT_EQ(ReadFileBytes(file), Pattern(0, 1000));
  EXPECT_NE(seen.RawHeadersCRLF.find(L"X-Big: " + std::wstring(4000, L'b')), std::wstring::npos);
  EXPECT_EQ(seen.ETag, L"\"1000\"");
}

TEST_F(HttpBadInput, ARedirectLoopEndsAfterTwentyRedirects) {
  int redirects = 0;
  http.OnRedirected = [&](TulCustomHTTP&, const std::wstring&) { ++redirects; };
  FetchFailing(Url("http", L"/loop/endless"), L"loop.bin");
  EXPECT_EQ(events.httpError, 302);
  EXPECT_EQ(redirects, 20);
  EXPECT_FALSE(FileExists(file));
}

// ---- Hostile answers (/bad/KIND/ of the test server) ----

// What a transfer into a file that must arrive whole (as the upgrade's files do) makes of a
// broken answer: never OnDone, one failure event, and a file that holds at most what was sent.
struct THostileAnswer {
  const char* kind;
  enum { kConnLost, kHTTPError, kNothing } outcome;
  size_t kept;  // bytes of /data/1000/ the file holds; npos: what WinInet made of a garbage answer
};

class HttpHostile : public HttpBadInput, public ::testing::WithParamInterface<THostileAnswer> {};

INSTANTIATE_TEST_SUITE_P(
    Answers, HttpHostile,
    ::testing::Values(
        // Taken by WinInet as a headerless HTTP/0.9 answer, whose body has no length.
        THostileAnswer{"status", THostileAnswer::kConnLost, std::string::npos},
        THostileAnswer{"status-code", THostileAnswer::kHTTPError, 0},
        THostileAnswer{"nothing", THostileAnswer::kNothing, 0},
        THostileAnswer{"length-text", THostileAnswer::kConnLost, 1000},
        THostileAnswer{"length-negative", THostileAnswer::kConnLost, 1000},
        THostileAnswer{"length-huge", THostileAnswer::kConnLost, 1000},
        THostileAnswer{"length-max", THostileAnswer::kConnLost, 1000},
        // WinInet hands a chunked body over up to the broken chunk, as if it had ended there.
        THostileAnswer{"chunked-size", THostileAnswer::kConnLost, 500},
        THostileAnswer{"chunked-cut", THostileAnswer::kConnLost, 595},
        THostileAnswer{"short", THostileAnswer::kConnLost, 1000},
        THostileAnswer{"long", THostileAnswer::kConnLost, 500},
        // Two lengths: whichever WinInet reads by, the body's end is not known.
        THostileAnswer{"length-twice", THostileAnswer::kConnLost, 500},
        THostileAnswer{"length-twice-longer-first", THostileAnswer::kConnLost, 1000}),
    [](const ::testing::TestParamInfo<THostileAnswer>& answer) {
      std::string name = answer.param.kind;
      std::replace(name.begin(), name.end(), '-', '_');
      return name;
    });

TEST_P(HttpHostile, NeverEndsAsDoneAndKeepsOnlyWhatWasSent) {
  const THostileAnswer answer = GetParam();
  const std::wstring kind(answer.kind, answer.kind + std::strlen(answer.kind));
  http.LengthRequired = true;
  FetchFailing(Url("http", L"/bad/" + kind + L"/file"), L"hostile-" + kind + L".bin");
  EXPECT_EQ(events.connLost, answer.outcome == THostileAnswer::kConnLost ? 1 : 0);
  EXPECT_EQ(events.hostUnreachable, 0);
  if (answer.outcome == THostileAnswer::kHTTPError) {
    EXPECT_NE(events.httpError, 0);
    EXPECT_NE(events.httpError, 200);
  }
  if (answer.kept == 0) {
    EXPECT_FALSE(FileExists(file));
    return;
  }
  if (answer.kept != std::string::npos) {
    EXPECT_EQ(ReadFileBytes(file), Pattern(0, answer.kept));
  }
}

// Without the demand for a length, an answer without one ends as done, as WinInet reads it; one
// whose length is no number still does not.
TEST_F(HttpBadInput, OnlyAnUnreadableLengthFailsAnAnswerThatNeedNotBeWhole) {
  ASSERT_TRUE(Fetch(Url("http", L"/bad/chunked-size/memory")));
  EXPECT_EQ(events.done, 1);
  EXPECT_EQ(events.body, Pattern(0, 500));
  ASSERT_TRUE(Fetch(Url("http", L"/bad/length-negative/memory")));
  EXPECT_EQ(events.done, 1) << "the first transfer's only";
  EXPECT_EQ(events.connLost, 1);
  EXPECT_EQ(events.body, Pattern(0, 1000));
}

TEST_F(HttpBadInput, AQuarterMegabyteOfHeadersIsReadWhole) {
  TulHTTPHeaderInfo seen;
  http.OnHeaderInfo = [&](TulCustomHTTP&, TulHTTPHeaderInfo& info) { seen = info; };
  http.LengthRequired = true;
  ASSERT_TRUE(Fetch(Url("http", L"/bad/headers-huge/memory")));
  EXPECT_EQ(events.done, 1);
  EXPECT_EQ(events.body, Pattern(0, 1000));
  EXPECT_NE(seen.RawHeadersCRLF.find(L"X-Filler-499: "), std::wstring::npos);
}

// ---- Bodies sent ----

class HttpSend : public http_test::HttpTest {};

TEST_F(HttpSend, PostsTheFormData) {
  http.POSTData = L"a=1&b=two";
  ASSERT_TRUE(Fetch(Url("http", L"/echo/post-form")));
  EXPECT_EQ(events.done, 1);
  EXPECT_EQ(events.body, "a=1&b=two");
  const std::string log = RequestsWith("post-form");
  EXPECT_NE(log.find("POST /echo/post-form"), std::string::npos) << log;
  EXPECT_NE(log.find("Content-Type: application/x-www-form-urlencoded"), std::string::npos);
}

TEST_F(HttpSend, UploadsAMultipartBodyWithProgress) {
  http.TransferBufferSize = 1000;
  const std::string picture = Pattern(0, 5000);
  http.OnUploadFieldRequest = [&](TulCustomHTTP&, uint16_t index, TulMemoryStream& data,
                                  std::wstring& name, std::wstring& fileName) {
    if (index == 0) {
      name = L"comment";
      data.WriteText("hello");
    } else {
      name = L"picture";
      fileName = L"photo.bin";
      data.WriteText(picture);
    }
  };
  std::vector<TulHTTPProgress> uploaded;
  http.OnUploadProgress = [&](TulCustomHTTP&, const TulHTTPProgress& figures) {
    uploaded.push_back(figures);
  };
  http.URL = Url("http", L"/echo/multipart");
  ASSERT_TRUE(http.Upload(2));
  ASSERT_TRUE(events.WaitIdle());
  EXPECT_EQ(events.done, 1);
  const std::string& body = events.body;
  const size_t boundaryEnd = body.find("\r\n");
  ASSERT_NE(boundaryEnd, std::string::npos);
  const std::string boundary = body.substr(0, boundaryEnd);
  EXPECT_EQ(boundary.rfind("-----HTTP-DATA-BOUNDARY-0-", 0), 0u) << boundary;
  EXPECT_EQ(body, boundary +
                      "\r\nContent-Disposition: form-data; name=\"comment\"\r\n\r\nhello\r\n" +
                      boundary +
                      "\r\nContent-Disposition: form-data; name=\"picture\"; "
                      "filename=\"photo.bin\"\r\nContent-Type: application/octet-stream\r\n\r\n" +
                      picture + "\r\n" + boundary + "--\r\n");
  EXPECT_NE(RequestsWith("multipart")
                .find("Content-Type: multipart/form-data, boundary=" + boundary.substr(2)),
            std::string::npos);
  ASSERT_FALSE(uploaded.empty());
  EXPECT_EQ(uploaded.back().BytesRead, body.size());
  EXPECT_EQ(uploaded.back().DataSize, body.size());
}

}  // namespace
