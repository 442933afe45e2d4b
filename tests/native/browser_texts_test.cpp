// The texts the main window shows for downloads, failed loads and captured headers, and the
// names it saves downloads under.

#include "forms/browser_texts.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorPage, CarriesTheEngineTextAndCode) {
  EXPECT_EQ(LoadErrorPageHtml(L"net::ERR_NAME_NOT_RESOLVED", -105),
            L"<html><body bgcolor=\"white\"><h2>打开OstrelMini失败，错误原因："
            L"net::ERR_NAME_NOT_RESOLVED (-105).</h2></body></html>");
}

TEST(DownloadStatus, FirstMatchingStateWins) {
  const std::wstring path = L"C:\\users\\me\\Documents\\a.zip";
  EXPECT_EQ(DownloadStatusText({.fullPath = path, .complete = true, .canceled = true}),
            path + L" 已完成");
  EXPECT_EQ(DownloadStatusText({.fullPath = path, .canceled = true, .inProgress = true}),
            path + L" 已取消");
  EXPECT_EQ(DownloadStatusText({.fullPath = path, .inProgress = true, .percent = 42}),
            path + L" : 42%");
  EXPECT_EQ(DownloadStatusText(
                {.fullPath = path, .inProgress = true, .percent = -1, .receivedBytes = 5000000000}),
            path + L" : 5000000000 bytes 已接收");
  EXPECT_EQ(DownloadStatusText({.fullPath = path, .percent = 100}), L"");
}

TEST(DownloadName, UnsafeSuggestionsStayInsideTheFolder) {
  EXPECT_EQ(DownloadTargetPath(L"C:\\Docs", L"report.pdf"), L"C:\\Docs\\report.pdf");
  EXPECT_EQ(DownloadTargetPath(L"C:\\Docs\\", L""), L"C:\\Docs\\DownloadedFile");
  EXPECT_EQ(DownloadTargetPath(L"", L"a.txt"), L"a.txt");
  EXPECT_EQ(SafeDownloadName(L"..\\x.exe"), L"x.exe");
  EXPECT_EQ(SafeDownloadName(L"../../etc/passwd"), L"passwd");
  EXPECT_EQ(SafeDownloadName(L"C:\\Windows\\evil.dll"), L"evil.dll");
  EXPECT_EQ(SafeDownloadName(L"x.txt:stream"), L"x.txt_stream");
  EXPECT_EQ(SafeDownloadName(L"a<b>c|d?e*f\"g"), L"a_b_c_d_e_f_g");
  EXPECT_EQ(SafeDownloadName(L"tab\there"), L"tab_here");
  EXPECT_EQ(SafeDownloadName(L".."), L"DownloadedFile");
  EXPECT_EQ(SafeDownloadName(L"dir\\"), L"DownloadedFile");
  EXPECT_EQ(SafeDownloadName(L"name. . "), L"name");
  EXPECT_EQ(SafeDownloadName(L"中文 文件.zip"), L"中文 文件.zip");
}

TEST(DownloadName, ALongNameIsCutInItsStemToWhatAFileNameHolds) {
  const std::wstring stem(300, L'x');
  EXPECT_EQ(SafeDownloadName(stem + L".pdf"), std::wstring(251, L'x') + L".pdf");
  EXPECT_EQ(SafeDownloadName(stem), std::wstring(255, L'x'));
  EXPECT_EQ(SafeDownloadName(std::wstring(254, L'x') + L".tar.gz"),
            std::wstring(252, L'x') + L".gz");
  // An "extension" longer than an extension is part of the name.
  const std::wstring long_tail = L"." + std::wstring(100, L'y');
  EXPECT_EQ(SafeDownloadName(stem + long_tail), std::wstring(255, L'x'));
  // Never half of a character beyond the basic plane, nor a dot or blank before the extension.
  std::wstring emoji;
  for (int i = 0; i < 200; ++i) emoji += L"\U0001F600";
  const std::wstring cut = SafeDownloadName(emoji + L".png");
  EXPECT_EQ(cut, emoji.substr(0, 250) + L".png");
  EXPECT_EQ(SafeDownloadName(std::wstring(250, L'x') + L" . ." + std::wstring(100, L'z') + L".txt"),
            std::wstring(250, L'x') + L".txt");
  EXPECT_EQ(SafeDownloadName(std::wstring(255, L'x')), std::wstring(255, L'x'));
  // Cut down to blanks, or to a device's name.
  EXPECT_EQ(SafeDownloadName(std::wstring(300, L' ') + L"x"), L"DownloadedFile");
  EXPECT_EQ(SafeDownloadName(std::wstring(300, L' ') + L"x.txt"), L"DownloadedFile.txt");
  EXPECT_EQ(SafeDownloadName(L"con" + std::wstring(300, L' ') + L"x"), L"_con");
  EXPECT_EQ(SafeDownloadName(L"con" + std::wstring(248, L' ') + L".txt"), L"_con.txt");
}

TEST(DownloadName, DeviceNamesAreNeverUsed) {
  for (const wchar_t* device : {L"con", L"CON", L"nul.txt", L"Com1", L"lpt9.log", L"aux .x",
                                L"conin$", L"prn", L"COM\u00B9.log", L"lpt\u00B3"}) {
    EXPECT_EQ(SafeDownloadName(device), L"_" + std::wstring(device)) << device;
  }
  for (const wchar_t* fine : {L"com", L"com10", L"console.txt", L"lpt0", L"nullable"})
    EXPECT_EQ(SafeDownloadName(fine), fine);
}

TEST(HeaderViewer, RequestThenResponseBetweenRules) {
  const std::wstring rule(26, L'-');
  const std::vector<std::wstring> request{L"Accept=*/*"};
  const std::vector<std::wstring> response{L"Set-Cookie=a=1", L"Set-Cookie=b=2"};
  EXPECT_EQ(HeaderViewerLines(request, response),
            (std::vector<std::wstring>{rule, L"Request headers : ", rule, L"Accept=*/*", L"", rule,
                                       L"Response headers : ", rule, L"Set-Cookie=a=1",
                                       L"Set-Cookie=b=2"}));
  EXPECT_EQ(HeaderViewerLines({}, {}).size(), 7u);
}

TEST(CertificateError, LogLine) {
  EXPECT_EQ(CertificateErrorLogText(-202, L"https://127.0.0.1:4443/"),
            L"Certificate error code:-202 - URL:https://127.0.0.1:4443/");
}

}  // namespace
