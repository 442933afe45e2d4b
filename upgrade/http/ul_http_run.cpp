// The worker's run of TulCustomHTTP: address, session, request, sending, headers, output and
// the read loop. Everything here runs on the worker; what the application sees goes through
// Synchronize.

#include <algorithm>
#include <array>
#include <cstring>
#include <cwchar>
#include <optional>
#include <utility>

#include "upgrade/http/ul_file_stream.h"
#include "upgrade/http/ul_http.h"
#include "upgrade/http/ul_http_text.h"
#include "upgrade/support/ul_text.h"
#include "upgrade/support/ul_utils.h"

namespace {

constexpr std::array<std::pair<TulCacheOption, DWORD>, 7> kCacheFlags{{
    {coAlwaysReload, INTERNET_FLAG_RELOAD},
    {coReloadIfNoExpireInformation, INTERNET_FLAG_HYPERLINK},
    {coReloadUpdatedObjects, INTERNET_FLAG_RESYNCHRONIZE},
    {coPragmaNoCache, INTERNET_FLAG_PRAGMA_NOCACHE},
    {coNoCacheWrite, INTERNET_FLAG_NO_CACHE_WRITE},
    {coCreateTempFilesIfCantCache, INTERNET_FLAG_NEED_FILE},
    {coUseCacheIfNetFail, INTERNET_FLAG_CACHE_IF_NET_FAIL},
}};
constexpr std::array<std::pair<TulInternetOption, DWORD>, 8> kInternetFlags{{
    {ioIgnoreCertificateInvalid, INTERNET_FLAG_IGNORE_CERT_CN_INVALID},
    {ioIgnoreCertificateDateInvalid, INTERNET_FLAG_IGNORE_CERT_DATE_INVALID},
    {ioIgnoreRedirectToHTTP, INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTP},
    {ioIgnoreRedirectToHTTPS, INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS},
    {ioKeepConnection, INTERNET_FLAG_KEEP_CONNECTION},
    {ioNoAuthentication, INTERNET_FLAG_NO_AUTH},
    {ioNoAutoRedirect, INTERNET_FLAG_NO_AUTO_REDIRECT},
    {ioNoCookies, INTERNET_FLAG_NO_COOKIES},
}};

template <typename TOption, size_t N>
DWORD FlagsOf(const TulOptionSet<TOption>& set,
              const std::array<std::pair<TOption, DWORD>, N>& table) {
  DWORD flags = 0;
  for (const auto& [option, flag] : table) {
    if (set.Has(option)) flags |= flag;
  }
  return flags;
}

// A header of the answer (its `index`th line, when it came more than once); nothing when it is
// absent.
std::optional<std::wstring> QueryHeader(HINTERNET request, DWORD info, DWORD index = 0) {
  std::wstring value(256, L'\0');
  for (;;) {
    DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    DWORD at = index;
    if (HttpQueryInfoW(request, info, value.data(), &size, &at)) {
      value.resize(size / sizeof(wchar_t));
      return value;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;
    value.resize(size / sizeof(wchar_t) + 1);
  }
}

std::optional<uint64_t> NumberOf(const std::optional<std::wstring>& text) {
  return text ? HeaderNumber(*text) : std::nullopt;
}

// Whether a header whose first line says `first` came again saying something else (two lengths:
// which one ends the body is anybody's guess).
bool HeaderRepeatedDifferently(HINTERNET request, DWORD info, const std::wstring& first) {
  for (DWORD index = 1;; ++index) {
    const std::optional<std::wstring> other = QueryHeader(request, info, index);
    if (!other) return false;
    if (*other != first) return true;
  }
}

// 0 for no status code, as for one that is no three-digit number.
int StatusCodeOf(HINTERNET request) {
  const uint64_t status = NumberOf(QueryHeader(request, HTTP_QUERY_STATUS_CODE)).value_or(0);
  return status <= 999 ? static_cast<int>(status) : 0;
}

bool SetTextOption(HINTERNET handle, DWORD option, const std::wstring& value) {
  return InternetSetOptionW(handle, option, const_cast<wchar_t*>(value.c_str()),
                            static_cast<DWORD>(value.size()));
}

}  // namespace

void CALLBACK TulCustomHTTP::StatusCallback(HINTERNET, DWORD_PTR context, DWORD status,
                                            void* information, DWORD length) {
  if (auto* self = reinterpret_cast<TulCustomHTTP*>(context)) {
    self->Notify(status, static_cast<const wchar_t*>(information), length / sizeof(wchar_t));
  }
}

void TulCustomHTTP::Notify(DWORD status, const wchar_t* information, size_t length) {
  if (OnStatusChanged) OnStatusChanged(*this, status, std::wstring(StatusText(status)));
  if (status == INTERNET_STATUS_REDIRECT && OnRedirected) {
    OnRedirected(*this, RedirectTarget(information, length));
  }
}

// The client follows redirects itself: WinInet may follow a redirect loop for ever. An https
// address is not left for plain http unless ioIgnoreRedirectToHTTP allows it.
bool TulCustomHTTP::FollowRedirect() {
  constexpr int kMostRedirects = 20;
  const int status = FHTTPErrorCode;
  if ((status != 301 && status != 302 && status != 303 && status != 307 && status != 308) ||
      InternetOptions.Has(ioNoAutoRedirect) || FRedirects >= kMostRedirects) {
    return false;
  }
  const std::optional<std::wstring> location = QueryHeader(hRequest, HTTP_QUERY_LOCATION);
  std::wstring target(INTERNET_MAX_URL_LENGTH, L'\0');
  DWORD length = static_cast<DWORD>(target.size());
  if (!location || !InternetCombineUrlW(FCurrentURL.c_str(), location->c_str(), target.data(),
                                        &length, ICU_NO_ENCODE)) {
    return false;
  }
  target.resize(length);
  TulAddress next;
  if (!CrackAddress(target, next) || (next.Scheme != L"http" && !next.IsHttps()) ||
      (FAddress.IsHttps() && !next.IsHttps() && !InternetOptions.Has(ioIgnoreRedirectToHTTP))) {
    return false;
  }
  if (next.UserName.empty()) next.UserName = FLoginUsername;
  if (next.Password.empty()) next.Password = FLoginPassword;
  ++FRedirects;
  FCurrentURL = target;
  FAddress = std::move(next);
  Notify(INTERNET_STATUS_REDIRECT, target.c_str(), target.size() + 1);
  return true;
}

TulCustomHTTP::TStep TulCustomHTTP::Failed() {
  FInternetError = GetLastError();
  return TStep::End;
}

bool TulCustomHTTP::Stopped() {
  if (!FThread->Terminated()) return false;
  AbortCleanup(true);
  return true;
}

void TulCustomHTTP::Execute() {
  FHTTPErrorCode = -1;
  HTTPContentType.clear();
  HTTPData.assign(BufferSize(), 0);
  HTTPStartTime = GetTickCount64();
  FProgressTick = 0;
  FProgressPending = false;
  HTTPContinueDownload = true;
  HTTPSuccess = HTTPTryAgain = HTTPOutputToFile = FBodyUnverifiable = false;
  HTTPFileSize = HTTPBytesTransferred = 0;
  FAddress = {};
  FInternetError = 0;
  FRedirects = 0;
  FCurrentURL = AddressWithScheme(URL);
  // An address the cracker refuses, and a scheme WinInet would only misread as HTTP, end as
  // unreachable.
  if (!CrackAddress(URL, FAddress)) {
    FInternetError = ERROR_INTERNET_INVALID_URL;
    return;
  }
  if (!FAddress.IsFile() && FAddress.Scheme != L"http" && !FAddress.IsHttps()) {
    FInternetError = ERROR_INTERNET_UNRECOGNIZED_SCHEME;
    return;
  }
  if (Stopped()) return;
  if (FAddress.UserName.empty()) FAddress.UserName = FLoginUsername;
  if (FAddress.Password.empty()) FAddress.Password = FLoginPassword;
  if (FAddress.IsFile()) {
    RunLocalFile();
  } else if (OpenSession() && !Stopped()) {
    TStep step = TStep::Restart;
    while (step == TStep::Restart) step = Transfer();
  }
  // Closed here rather than in the completion, so that their status events stay on the worker.
  CloseHandles();
  HTTPData = {};
}

void TulCustomHTTP::RunLocalFile() {
  hFile = FileHandle(CreateFileW(FAddress.Path.c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (hFile && GetFileSizeEx(hFile.get(), &size)) {
    FHTTPErrorCode = 200;
    HTTPFileSize = static_cast<uint64_t>(size.QuadPart);
  } else {
    FHTTPErrorCode = 404;
  }
  if (const uint32_t start = HTTPInitStartRange != 0 ? HTTPInitStartRange : Range.StartRange) {
    LARGE_INTEGER to{};
    to.QuadPart = start;
    SetFilePointerEx(hFile.get(), to, nullptr, FILE_BEGIN);
  }
  HTTPSuccess = true;  // the file's size is a known content length
  if (OpenOutput() == TStep::Go) ReadBody();
}

bool TulCustomHTTP::OpenSession() {
  DWORD access = INTERNET_OPEN_TYPE_PRECONFIG;
  std::wstring proxy;
  const wchar_t* bypass = nullptr;
  if (Proxy.AccessType == atDirect) access = INTERNET_OPEN_TYPE_DIRECT;
  if (Proxy.AccessType == atUseProxy) {
    access = INTERNET_OPEN_TYPE_PROXY;
    proxy = Proxy.ProxyServer + L":" + std::to_wstring(Proxy.ProxyPort);
    if (!Proxy.ProxyBypass.empty()) bypass = Proxy.ProxyBypass.c_str();
  }
  hSession = InternetOpenW(Agent.c_str(), access, proxy.empty() ? nullptr : proxy.c_str(), bypass,
                           WorkOffline ? INTERNET_FLAG_OFFLINE : 0);
  if (hSession == nullptr) {
    Failed();
    return false;
  }
  InternetSetStatusCallbackW(hSession, &TulCustomHTTP::StatusCallback);
  return true;
}

// Steps from the connection on; Restart closes request and connection and connects again.
TulCustomHTTP::TStep TulCustomHTTP::Transfer() {
  const auto reconnect = [this] {
    for (HINTERNET* handle : {&hRequest, &hConnect}) {
      if (*handle != nullptr) InternetCloseHandle(std::exchange(*handle, nullptr));
    }
    return TStep::Restart;
  };
  const auto restart = [this, &reconnect] {
    FHTTPErrorCode = -1;
    HTTPInitStartRange = 0;  // the file is fetched whole again
    HTTPStream.reset();
    HTTPBytesTransferred = 0;
    HTTPSuccess = HTTPOutputToFile = FCheckBlock = false;
    return reconnect();
  };
  const auto context = reinterpret_cast<DWORD_PTR>(this);
  hConnect =
      InternetConnectW(hSession, FAddress.Host.c_str(), FAddress.Port, FAddress.UserName.c_str(),
                       FAddress.Password.c_str(), INTERNET_SERVICE_HTTP, 0, context);
  if (hConnect == nullptr) return Failed();
  if (Stopped()) return TStep::End;
  const bool post = RequestMethod == rmPOST ||
                    (RequestMethod == rmAutoDetect && (!POSTData.empty() || FUploadStream));
  DWORD flags = FlagsOf(CacheOptions, kCacheFlags) | FlagsOf(InternetOptions, kInternetFlags) |
                INTERNET_FLAG_NO_AUTO_REDIRECT;
  if (FAddress.IsHttps()) flags = (flags & ~INTERNET_FLAG_NEED_FILE) | INTERNET_FLAG_SECURE;
  const std::wstring object = FAddress.Object();
  const wchar_t* acceptTypes[] = {AcceptTypes.c_str(), nullptr};
  hRequest = HttpOpenRequestW(hConnect, post ? L"POST" : L"GET", object.c_str(), nullptr,
                              Referer.empty() ? nullptr : Referer.c_str(), acceptTypes, flags, 0);
  if (hRequest == nullptr) return Failed();
  if (Stopped()) return TStep::End;
  for (const auto& [option, value] :
       {std::pair{INTERNET_OPTION_CONNECT_TIMEOUT, Timeouts.ConnectTimeout},
        std::pair{INTERNET_OPTION_RECEIVE_TIMEOUT, Timeouts.ReceiveTimeout},
        std::pair{INTERNET_OPTION_SEND_TIMEOUT, Timeouts.SendTimeout}}) {
    DWORD ms = value;
    if (ms != 0) InternetSetOptionW(hRequest, option, &ms, sizeof(ms));
  }
  // The revocation of a chain from an unknown root cannot be checked either (Wine refuses it
  // as such), so accepting the one means not asking for the other.
  if (InternetOptions.Has(ioIgnoreUnknownCertificateAuthority)) {
    DWORD security = 0;
    DWORD size = sizeof(security);
    InternetQueryOptionW(hRequest, INTERNET_OPTION_SECURITY_FLAGS, &security, &size);
    security |= SECURITY_FLAG_IGNORE_UNKNOWN_CA | SECURITY_FLAG_IGNORE_REVOCATION;
    InternetSetOptionW(hRequest, INTERNET_OPTION_SECURITY_FLAGS, &security, sizeof(security));
  }
  if (Proxy.AccessType != atDirect && !Proxy.ProxyUsername.empty() &&
      !Proxy.ProxyPassword.empty()) {
    SetTextOption(hRequest, INTERNET_OPTION_PROXY_USERNAME, Proxy.ProxyUsername);
    SetTextOption(hRequest, INTERNET_OPTION_PROXY_PASSWORD, Proxy.ProxyPassword);
  }
  if (Stopped()) return TStep::End;
  if (ShowGoOnlineMessage && IsGlobalOffline()) {
    InternetGoOnlineW(const_cast<wchar_t*>(URL.c_str()), GetDesktopWindow(), 0);
  }
  if (OnBeforeSendRequest) OnBeforeSendRequest(*this, hRequest);
  if (Stopped()) return TStep::End;
  std::wstring headers;
  for (const std::wstring& line : AddHeaders) headers += line + L"\r\n";
  const bool initRange = HTTPInitStartRange != 0 || HTTPInitEndRange != 0;
  const TulHTTPRange range = initRange ? TulHTTPRange{HTTPInitStartRange, HTTPInitEndRange} : Range;
  if (range.StartRange != 0 || range.EndRange != 0) {
    headers += RangeHeader(range.StartRange, range.EndRange);
  }
  const DWORD addFlags = FHTTPErrorCode == 416 ? HTTP_ADDREQ_FLAG_REPLACE : HTTP_ADDREQ_FLAG_ADD;
  if (!headers.empty() && !HttpAddRequestHeadersW(hRequest, headers.c_str(),
                                                  static_cast<DWORD>(headers.size()), addFlags)) {
    return Failed();
  }
  if (Stopped()) return TStep::End;
  const TStep sent = SendRequest();
  if (sent == TStep::Restart) return restart();
  if (sent == TStep::End || Stopped()) return TStep::End;
  if (FollowRedirect()) return reconnect();
  if (AfterSend() == TStep::End || Stopped()) return TStep::End;
  const TStep output = OpenOutput();
  if (output != TStep::Go) return output == TStep::Restart ? restart() : output;
  const TStep body = ReadBody();
  return body == TStep::Restart ? restart() : body;
}

// Step 11: sends until no retry is asked for. Restart: the resumed start is past the server's
// file, which differs from the local one.
TulCustomHTTP::TStep TulCustomHTTP::SendRequest() {
  do {
    HTTPTryAgain = false;
    if (!SendOnce()) {
      const TStep failed = Failed();
      FUploadStream.reset();
      return failed;
    }
    FHTTPErrorCode = StatusCodeOf(hRequest);
    if (FHTTPErrorCode == 401 && OnPasswordRequest) {
      const std::wstring realm =
          RealmOf(QueryHeader(hRequest, HTTP_QUERY_WWW_AUTHENTICATE).value_or(L""));
      FThread->Synchronize([&] { OnPasswordRequest(*this, realm, HTTPTryAgain); });
      SetTextOption(hRequest, INTERNET_OPTION_USERNAME, FLoginUsername);
      SetTextOption(hRequest, INTERNET_OPTION_PASSWORD, FLoginPassword);
    } else if (FHTTPErrorCode == 407 && OnProxyAuthenticationRequest) {
      FThread->Synchronize([&] {
        OnProxyAuthenticationRequest(*this, Proxy.ProxyUsername, Proxy.ProxyPassword, HTTPTryAgain);
      });
      SetTextOption(hRequest, INTERNET_OPTION_PROXY_USERNAME, Proxy.ProxyUsername);
      SetTextOption(hRequest, INTERNET_OPTION_PROXY_PASSWORD, Proxy.ProxyPassword);
    } else if (FHTTPErrorCode == 416 && HTTPInitStartRange != 0) {
      const std::wstring whole = RangeHeader(0, 0);
      if (!HttpAddRequestHeadersW(hRequest, whole.c_str(), static_cast<DWORD>(whole.size()),
                                  HTTP_ADDREQ_FLAG_REPLACE | HTTP_ADDREQ_FLAG_ADD) ||
          !SendOnce()) {
        return Failed();
      }
      FHTTPErrorCode = StatusCodeOf(hRequest);
      const bool answered = FHTTPErrorCode == 200 || FHTTPErrorCode == 206;
      const uint64_t length =
          answered ? NumberOf(QueryHeader(hRequest, HTTP_QUERY_CONTENT_LENGTH)).value_or(0) : 0;
      if (length != HTTPInitStartRange) return TStep::Restart;
      // The local file is complete already: a success without anything to read.
      HTTPSuccess = true;
      HTTPOutputToFile = !FOutputFile.empty();
      HTTPContentType = QueryHeader(hRequest, HTTP_QUERY_CONTENT_TYPE).value_or(L"");
      return TStep::End;
    }
    if (Stopped()) return TStep::End;
  } while (HTTPTryAgain);
  return TStep::Go;
}

bool TulCustomHTTP::SendOnce() {
  if (FBodyKind == bkMultipart && FUploadStream) {
    const std::string& body = FUploadStream->Data();
    HTTPFileSize = body.size();
    INTERNET_BUFFERSW buffers{};
    buffers.dwStructSize = sizeof(buffers);
    buffers.lpcszHeader = HTTPUploadRequestHeader.c_str();
    buffers.dwHeadersLength = static_cast<DWORD>(HTTPUploadRequestHeader.size());
    buffers.dwBufferTotal = static_cast<DWORD>(body.size());
    if (!HttpSendRequestExW(hRequest, &buffers, nullptr, HSR_INITIATE, 0)) return false;
    size_t sent = 0;
    while (sent < body.size() && !FThread->Terminated()) {
      DWORD written = 0;
      const auto count = static_cast<DWORD>(std::min<size_t>(HTTPData.size(), body.size() - sent));
      if (!InternetWriteFile(hRequest, body.data() + sent, count, &written) || written == 0) break;
      sent += written;
      RaiseProgress(OnUploadProgress, body.size(), sent, 0, false, sent == body.size());
    }
    if (FProgressPending) RaiseProgress(OnUploadProgress, body.size(), sent, 0, false, true);
    if (HttpEndRequestW(hRequest, nullptr, 0, 0)) return true;
    HTTPTryAgain = GetLastError() == ERROR_INTERNET_FORCE_RETRY;
    return HTTPTryAgain;
  }
  if (!POSTData.empty() && RequestMethod != rmGET) {
    static constexpr wchar_t kFormType[] = L"Content-Type: application/x-www-form-urlencoded";
    std::string body = ToAnsi(POSTData);
    return HttpSendRequestW(hRequest, kFormType, static_cast<DWORD>(std::size(kFormType) - 1),
                            body.data(), static_cast<DWORD>(body.size()));
  }
  return HttpSendRequestW(hRequest, nullptr, 0, nullptr, 0);
}

// Steps 12 and 13: what the answer says about its body.
TulCustomHTTP::TStep TulCustomHTTP::AfterSend() {
  FUploadStream.reset();
  HTTPContentType = QueryHeader(hRequest, HTTP_QUERY_CONTENT_TYPE).value_or(L"");
  const std::optional<std::wstring> lengthText = QueryHeader(hRequest, HTTP_QUERY_CONTENT_LENGTH);
  const std::optional<uint64_t> length = NumberOf(lengthText);
  HTTPFileSize = length.value_or(0);
  HTTPSuccess = length.has_value();
  // A length that is no number ("-1", "many") leaves the end of the body unknown, and without
  // a length a cut-off body (a chunked one whose last chunk never came) reads as a whole one.
  FBodyUnverifiable =
      lengthText.has_value() != length.has_value() || (LengthRequired && !length) ||
      (lengthText && HeaderRepeatedDifferently(hRequest, HTTP_QUERY_CONTENT_LENGTH, *lengthText));
  if (!QueryHeader(hRequest, HTTP_QUERY_CONTENT_RANGE)) HTTPInitStartRange = 0;
  if (!OnHeaderInfo) return TStep::Go;
  const auto text = [this](DWORD info) { return QueryHeader(hRequest, info).value_or(L""); };
  const auto date = [&](DWORD info) { return HttpDateToLocal(text(info)); };
  HTTPRawHeadersCRLF = text(HTTP_QUERY_RAW_HEADERS_CRLF);
  HTTPContentLanguage = text(HTTP_QUERY_CONTENT_LANGUAGE);
  HTTPContentEncoding = text(HTTP_QUERY_CONTENT_ENCODING);
  HTTPLocation = text(HTTP_QUERY_LOCATION);
  HTTPETag = text(HTTP_QUERY_ETAG);
  HTTPDate = date(HTTP_QUERY_DATE);
  HTTPLastModified = date(HTTP_QUERY_LAST_MODIFIED);
  HTTPExpires = date(HTTP_QUERY_EXPIRES);
  TulHTTPHeaderInfo info{FHTTPErrorCode,
                         HTTPRawHeadersCRLF,
                         HTTPContentType,
                         HTTPContentLanguage,
                         HTTPContentEncoding,
                         HTTPFileSize + HTTPInitStartRange,
                         HTTPLocation,
                         HTTPDate,
                         HTTPLastModified,
                         HTTPExpires,
                         HTTPETag,
                         true};
  FThread->Synchronize([&] { OnHeaderInfo(*this, info); });
  HTTPContinueDownload = info.ContinueDownload;
  return HTTPContinueDownload ? TStep::Go : TStep::End;
}

// Step 14. HTTPSuccess says here whether the length of the body is known.
TulCustomHTTP::TStep TulCustomHTTP::OpenOutput() {
  // A length announced by the server is only a hint: memory grows past this as it must.
  constexpr uint64_t kMostPresized = 16 << 20;
  const uint32_t start = HTTPInitStartRange;
  if ((FHTTPErrorCode == 200 || FHTTPErrorCode == 206) && !FOutputFile.empty()) {
    auto file = std::make_unique<TulFileStream>(FOutputFile, start == 0, true);
    if (file->IsOpen()) {
      if (start != 0 && (file->Size() < start || file->Seek(start) != start)) {
        return TStep::Restart;
      }
      if (OutputFileAttributes.Incomplete != FILE_ATTRIBUTE_ARCHIVE) {
        SetFileAttributesW(FOutputFile.c_str(), OutputFileAttributes.Incomplete);
      }
      HTTPOutputToFile = true;
      FCheckBlock = start != 0;
      HTTPStream = std::move(file);
      return TStep::Go;
    }
    if (HTTPSuccess) return TStep::End;
  }
  auto memory = std::make_unique<TulMemoryStream>();
  if (HTTPSuccess) memory->Reserve(std::min(HTTPFileSize, kMostPresized));
  HTTPStream = std::move(memory);
  return TStep::Go;
}

// Steps 15 and 16. Restart: the resumed file's last block is not what the server sends there.
TulCustomHTTP::TStep TulCustomHTTP::ReadBody() {
  const bool lengthKnown = HTTPSuccess;
  char* const buffer = HTTPData.data();
  const auto size = static_cast<DWORD>(HTTPData.size());
  for (;;) {
    if (Stopped()) return TStep::End;
    DWORD count = 0;
    const bool read = hFile ? ReadFile(hFile.get(), buffer, size, &count, nullptr)
                            : InternetReadFile(hRequest, buffer, size, &count);
    // Without a length, the connection alone tells where the body ends: a read that fails
    // (the connection broke off in the middle) ends one that is not whole.
    if (!read) FBodyUnverifiable |= !lengthKnown;
    if (!read || count == 0) break;
    HTTPBytesTransferred += count;
    // More than the server announced: what it sends is not what it described. What fits the
    // announced length is kept, the rest ends the transfer.
    const uint64_t excess = lengthKnown && HTTPBytesTransferred > HTTPFileSize
                                ? HTTPBytesTransferred - HTTPFileSize
                                : 0;
    count -= static_cast<DWORD>(std::min<uint64_t>(excess, count));
    if (FCheckBlock) {
      FCheckBlock = false;
      std::vector<char> local(count);
      if (HTTPStream->Read(local.data(), count) != count ||
          std::memcmp(local.data(), buffer, count) != 0) {
        return TStep::Restart;
      }
    } else if (!HTTPStream->Write(buffer, count)) {
      // The output cannot take the data (a full disk): reported as an output-file error.
      HTTPStream.reset();
      HTTPOutputToFile = false;
      break;
    }
    if (excess != 0) break;
    RaiseProgress(OnProgress, HTTPFileSize, HTTPBytesTransferred, HTTPInitStartRange, true,
                  lengthKnown && HTTPBytesTransferred == HTTPFileSize);
  }
  if (FProgressPending) {
    RaiseProgress(OnProgress, HTTPFileSize, HTTPBytesTransferred, HTTPInitStartRange, true, true);
  }
  HTTPSuccess = (FHTTPErrorCode == 200 || FHTTPErrorCode == 206) && !FBodyUnverifiable;
  if (HTTPSuccess && HTTPFileSize != 0 && HTTPStream) {
    HTTPSuccess = HTTPBytesTransferred == HTTPFileSize;
  }
  return TStep::End;
}

// Each synchronisation costs the worker a round trip to the main thread, far more than reading a
// block; a progress display needs no more than a few figures a second, and always the last one.
void TulCustomHTTP::RaiseProgress(const TulProgressEvent& event, uint64_t size, uint64_t done,
                                  uint64_t start, bool download, bool last) {
  constexpr uint64_t kProgressIntervalMs = 50;
  const uint64_t now = GetTickCount64();
  FProgressPending = !last && FProgressTick != 0 && now - FProgressTick < kProgressIntervalMs;
  if (FProgressPending) return;
  FProgressTick = now;
  const TulProgressFigures figures = ProgressFigures(size, done, start, now - HTTPStartTime);
  ProgressPercentsDone = figures.PercentsDone;
  ProgressElapsedTime = figures.ElapsedTime;
  ProgressEstimatedTime = figures.EstimatedTime;
  ProgressTransferRate = figures.TransferRate;
  if (!event) return;
  const TulHTTPProgress progress{download ? HTTPContentType : L"",
                                 size + start,
                                 done + start,
                                 figures.ElapsedTime,
                                 figures.EstimatedTime,
                                 figures.PercentsDone,
                                 figures.TransferRate,
                                 download ? HTTPStream.get() : nullptr};
  FThread->Synchronize([&] { event(*this, progress); });
}
