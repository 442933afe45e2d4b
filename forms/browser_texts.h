#ifndef OSTREL_FORMS_BROWSER_TEXTS_H_
#define OSTREL_FORMS_BROWSER_TEXTS_H_

// The texts the main window makes of what the engine reports: the error page, download status,
// the header viewer's lines, the log line of a certificate error, and where a download is saved.
// No Windows API here, so the tests build it natively too.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

inline constexpr wchar_t kDefaultDownloadName[] = L"DownloadedFile";

// The page shown in a frame whose load failed.
std::wstring LoadErrorPageHtml(std::wstring_view errorText, int errorCode);

struct TDownloadProgress {
  std::wstring_view fullPath;
  bool complete = false;
  bool canceled = false;
  bool inProgress = false;
  int percent = 0;  // negative: the size is unknown
  std::int64_t receivedBytes = 0;
};
// The status text of one download update; empty when the state has none.
std::wstring DownloadStatusText(const TDownloadProgress& download);

// A name the engine suggests, made safe to save in the download folder: the last path part
// only, characters Windows refuses replaced by '_', trailing dots and blanks removed, device
// names (CON, NUL, COM1, ...) prefixed with '_', "DownloadedFile" when nothing is left, and a
// name longer than 255 characters cut in its stem.
std::wstring SafeDownloadName(std::wstring_view suggested);
// `folder` (may be empty) joined with the safe form of `suggested`.
std::wstring DownloadTargetPath(std::wstring_view folder, std::wstring_view suggested);

// The text viewer's lines for the captured request and response headers.
std::vector<std::wstring> HeaderViewerLines(std::span<const std::wstring> request,
                                            std::span<const std::wstring> response);

std::wstring CertificateErrorLogText(int errorCode, std::wstring_view requestUrl);

#endif  // OSTREL_FORMS_BROWSER_TEXTS_H_
