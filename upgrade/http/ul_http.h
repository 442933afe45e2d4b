#ifndef OSTREL_UPGRADE_HTTP_UL_HTTP_H_
#define OSTREL_UPGRADE_HTTP_UL_HTTP_H_

// TulCustomHTTP: one HTTP(S) transfer at a time through WinInet, on a worker thread of its own
// (TulCustomThread), into memory or into a file, with resume, form POST and multipart upload;
// "file" addresses are read from disk. OnBeforeSendRequest, OnStatusChanged and OnRedirected
// run on the worker; every other event runs on the main thread, during the transfer through the
// worker's Synchronize (the worker waits meanwhile) or in the completion once it has ended.
//
// Create, use and destroy the component on the main thread. Events may start the next transfer
// (from OnDone, say): the completion keeps what it reports to itself.

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "base/handle.h"
#include "upgrade/http/ul_http_address.h"
#include "upgrade/http/ul_login.h"
#include "upgrade/http/ul_stream.h"
#include "upgrade/support/ul_date_time.h"
#include "upgrade/support/ul_thread.h"

enum TulHTTPRequestMethod : int { rmAutoDetect, rmGET, rmPOST };
enum TulHTTPAccessType : int { atPreconfig, atDirect, atUseProxy };

enum TulCacheOption : int {
  coAlwaysReload,
  coReloadIfNoExpireInformation,
  coReloadUpdatedObjects,
  coPragmaNoCache,
  coNoCacheWrite,
  coCreateTempFilesIfCantCache,
  coUseCacheIfNetFail,
};
enum TulInternetOption : int {
  ioIgnoreCertificateInvalid,
  ioIgnoreCertificateDateInvalid,
  ioIgnoreUnknownCertificateAuthority,
  ioIgnoreRedirectToHTTP,
  ioIgnoreRedirectToHTTPS,
  ioKeepConnection,
  ioNoAuthentication,
  ioNoAutoRedirect,
  ioNoCookies,
};

// A set of the members of one of the option enumerations above.
template <typename TOption>
class TulOptionSet {
 public:
  constexpr TulOptionSet(std::initializer_list<TOption> members = {}) {
    for (TOption member : members) Include(member);
  }
  constexpr bool Has(TOption member) const { return (FBits >> member & 1) != 0; }
  constexpr void Include(TOption member) { FBits |= 1u << member; }
  constexpr void Exclude(TOption member) { FBits &= ~(1u << member); }
  constexpr bool operator==(const TulOptionSet&) const = default;

 private:
  unsigned FBits = 0;
};
using TulCacheOptions = TulOptionSet<TulCacheOption>;
using TulInternetOptions = TulOptionSet<TulInternetOption>;

struct TulHTTPProxy {
  TulHTTPAccessType AccessType = atPreconfig;
  int ProxyPort = 8080;
  std::wstring ProxyServer;
  std::wstring ProxyBypass = L"127.0.0.1;";
  std::wstring ProxyUsername;
  std::wstring ProxyPassword;
  // The address and bypass list belong in the stored form only when they are used.
  bool StoresProxyServer() const { return AccessType == atUseProxy; }
};

struct TulHTTPRange {
  uint32_t StartRange = 0;
  uint32_t EndRange = 0;
};

struct TulHTTPTimeouts {  // ms; 0 keeps the system's value
  uint32_t ConnectTimeout = 0;
  uint32_t ReceiveTimeout = 0;
  uint32_t SendTimeout = 0;
};

struct TulOutputFileAttributes {  // FILE_ATTRIBUTE_ sets
  DWORD Complete = FILE_ATTRIBUTE_ARCHIVE;
  DWORD Incomplete = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY;
};

class TulCustomHTTP;

struct TulHTTPHeaderInfo {
  int ErrorCode = 0;
  std::wstring RawHeadersCRLF;
  std::wstring ContentType;
  std::wstring ContentLanguage;
  std::wstring ContentEncoding;
  uint64_t ContentLength = 0;  // of the whole file, a resumed part included
  std::wstring Location;
  TDateTime Date = 0;  // local time, 0 when absent
  TDateTime LastModified = 0;
  TDateTime Expires = 0;
  std::wstring ETag;
  bool ContinueDownload = true;  // cleared: the transfer ends here (OnDoneInterrupted)
};

struct TulHTTPProgress {
  std::wstring ContentType;  // empty for an upload
  uint64_t DataSize = 0;
  uint64_t BytesRead = 0;         // bytes written, for an upload
  uint32_t ElapsedTime = 0;       // s
  int64_t EstimatedTimeLeft = 0;  // s
  uint8_t PercentsDone = 0;
  float TransferRate = 0;       // KiB/s
  TulStream* Stream = nullptr;  // the output; none for an upload
};

using TulHTTPEvent = std::function<void(TulCustomHTTP& sender)>;
using TulBeforeSendRequestEvent = std::function<void(TulCustomHTTP& sender, HINTERNET request)>;
using TulHeaderInfoEvent = std::function<void(TulCustomHTTP& sender, TulHTTPHeaderInfo& info)>;
using TulProgressEvent =
    std::function<void(TulCustomHTTP& sender, const TulHTTPProgress& progress)>;
using TulUploadFieldRequestEvent =
    std::function<void(TulCustomHTTP& sender, uint16_t fileIndex, TulMemoryStream& uploadStream,
                       std::wstring& fieldName, std::wstring& fileName)>;
using TulStatusChangedEvent =
    std::function<void(TulCustomHTTP& sender, DWORD statusId, const std::wstring& statusStr)>;
using TulRedirectedEvent = std::function<void(TulCustomHTTP& sender, const std::wstring& newUrl)>;
using TulPasswordRequestEvent =
    std::function<void(TulCustomHTTP& sender, const std::wstring& realm, bool& tryAgain)>;
using TulProxyAuthenticationEvent =
    std::function<void(TulCustomHTTP& sender, std::wstring& proxyUsername,
                       std::wstring& proxyPassword, bool& tryAgain)>;
using TulDoneEvent = std::function<void(TulCustomHTTP& sender, const std::wstring& contentType,
                                        uint64_t fileSize, TulStream* stream)>;
using TulConnLostEvent =
    std::function<void(TulCustomHTTP& sender, const std::wstring& contentType, uint64_t fileSize,
                       uint64_t bytesRead, TulStream* stream)>;
using TulHTTPErrorEvent =
    std::function<void(TulCustomHTTP& sender, int errorCode, TulStream* stream)>;
using TulHTTPWaitTimeoutEvent = std::function<void(TulCustomHTTP& sender, bool& terminateThread)>;

class TulCustomHTTP : public TulLoginComponent {
 public:
  TulCustomHTTP();
  ~TulCustomHTTP() override;
  TulCustomHTTP(const TulCustomHTTP&) = delete;
  TulCustomHTTP& operator=(const TulCustomHTTP&) = delete;

  // Starts a download; false while a transfer is pending. With `forceWaitThread` returns once
  // the transfer has ended, its events handled; false then only when a wait time-out ended it.
  bool Read(bool forceWaitThread = false);
  bool ReadRange(uint32_t startRange, uint32_t endRange, bool forceWaitThread = false);
  // Continues the partial OutputFileName, its last TransferBufferSize bytes fetched again to
  // check that the server's file is the same one (it is fetched whole again when it is not).
  // Throws std::system_error when the file cannot be read.
  bool Resume();
  void Pause() { Abort(false, false); }
  // Stops a running transfer: OnAborted follows, no completion events. With `hardTerminate` the
  // worker is killed at once and the clean-up runs here.
  void Abort(bool deleteOutputFile, bool hardTerminate);

  // A multipart/form-data upload: BeginPrepareUpload, the fields, EndPrepareUpload (which sends
  // it). Strings are sent one byte per character, integers as 4 bytes little-endian, Booleans
  // as the integers 0 and 1; a picture goes in as its file's data through UploadStream.
  bool BeginPrepareUpload();
  void UploadStream(const std::wstring& fieldName, TulStream& stream,
                    const std::wstring& fileName = L"");
  void UploadString(const std::wstring& fieldName, const std::wstring& value);
  void UploadInteger(const std::wstring& fieldName, int32_t value);
  void UploadBoolean(const std::wstring& fieldName, bool value);
  bool EndPrepareUpload();
  // The same, the fields asked of OnUploadFieldRequest; false without it or while pending.
  bool Upload(uint16_t numberOfFields);

  // The system's connected state says the user chose to work offline.
  static bool IsGlobalOffline();

  bool Busy() const { return FBusy; }
  bool ThreadBusy() const { return FThread->Running(); }
  std::wstring FileName() const;
  std::wstring HostName() const;
  TulCustomThread& Thread() { return *FThread; }
  int HTTPErrorCode() const { return FHTTPErrorCode; }
  // Why the last transfer could not reach the server: the WinInet error (ERROR_INTERNET_...)
  // of the step that failed, 0 when none did. Say, ERROR_INTERNET_INVALID_CA.
  DWORD InternetError() const { return FInternetError; }

  bool FreeOnTerminate() const { return FThread->FreeOwnerOnTerminate(); }
  // The component must have been made with new: it deletes itself after the completion.
  void SetFreeOnTerminate(bool value) { FThread->SetFreeOwnerOnTerminate(value); }
  bool Suspended() const { return FThread->Suspended(); }
  void SetSuspended(bool value) { FThread->SetSuspended(value); }
  TulThreadPriority ThreadPriority() const { return FThread->Priority(); }
  void SetThreadPriority(TulThreadPriority value) { FThread->SetPriority(value); }
  bool WaitThread() const { return FThread->WaitThread(); }
  void SetWaitThread(bool value) { FThread->SetWaitThread(value); }
  DWORD WaitTimeout() const { return FThread->WaitTimeout(); }
  void SetWaitTimeout(DWORD ms) { FThread->SetWaitTimeout(ms); }

  std::wstring URL;
  std::wstring OutputFileName;  // empty: the body is kept in memory
  TulOutputFileAttributes OutputFileAttributes;
  TulHTTPRange Range;
  std::wstring POSTData;
  TulHTTPRequestMethod RequestMethod = rmAutoDetect;
  std::wstring AcceptTypes = L"text/html, */*";
  std::vector<std::wstring> AddHeaders;
  std::wstring Agent = L"zeHTTP component (http://www.ostrel.example/)";
  std::wstring Referer;
  TulCacheOptions CacheOptions{coReloadIfNoExpireInformation, coReloadUpdatedObjects,
                               coCreateTempFilesIfCantCache};
  TulInternetOptions InternetOptions{ioKeepConnection};
  TulHTTPProxy Proxy;
  TulHTTPTimeouts Timeouts;
  uint32_t TransferBufferSize = 4096;  // taken as 255 to 2147483647
  // A body of a 200/206 answer without a Content-Length ends as OnConnLost, not OnDone: for
  // bodies that must arrive whole when nothing else can tell a whole one from a part (WinInet
  // hands over a chunked body cut short as if it were whole). An answer whose Content-Length is
  // no number, and one without a length whose connection broke off, always end so.
  bool LengthRequired = false;
  bool ShowGoOnlineMessage = false;
  bool WorkOffline = false;
  void* Data = nullptr;

  TulBeforeSendRequestEvent OnBeforeSendRequest;  // worker
  TulHeaderInfoEvent OnHeaderInfo;
  // After a block is read (written, for an upload): the first, then at most one every 50 ms,
  // and the last.
  TulProgressEvent OnProgress;
  TulProgressEvent OnUploadProgress;
  TulUploadFieldRequestEvent OnUploadFieldRequest;  // in Upload
  TulStatusChangedEvent OnStatusChanged;            // worker
  TulRedirectedEvent OnRedirected;                  // worker
  TulPasswordRequestEvent OnPasswordRequest;
  TulProxyAuthenticationEvent OnProxyAuthenticationRequest;
  TulDoneEvent OnDone;  // stream: none for a file output
  TulHTTPEvent OnDoneInterrupted;
  TulConnLostEvent OnConnLost;
  TulHTTPEvent OnHostUnreachable;
  TulHTTPErrorEvent OnHTTPError;
  TulHTTPEvent OnOutputFileError;
  TulHTTPEvent OnAnyError;
  TulHTTPEvent OnAborted;
  TulHTTPWaitTimeoutEvent OnWaitTimeoutExpired;

  // Figures of the running transfer, as its progress events report them.
  uint8_t ProgressPercentsDone = 0;
  uint32_t ProgressElapsedTime = 0;
  int64_t ProgressEstimatedTime = 0;
  float ProgressTransferRate = 0;

 protected:
  enum TBodyKind : int { bkFormUrlEncoded, bkMultipart };
  enum class TStep : int { Go, End, Restart };

  // The worker's run and its steps (ul_http_run.cpp).
  void Execute();
  TStep Transfer();
  void RunLocalFile();
  bool OpenSession();
  TStep SendRequest();
  bool SendOnce();
  TStep AfterSend();
  TStep OpenOutput();
  TStep ReadBody();
  // At most every 50 ms, and always for the `last` block.
  void RaiseProgress(const TulProgressEvent& event, uint64_t size, uint64_t done, uint64_t start,
                     bool download, bool last);
  bool Stopped();
  TStep Failed();  // notes the WinInet error
  bool FollowRedirect();
  void Notify(DWORD status, const wchar_t* information, size_t length);
  void AbortCleanup(bool raiseOnAborted);
  // Main thread.
  void Completion();
  bool StartWorker(bool forceWaitThread);
  void CloseHandles();
  uint32_t BufferSize() const { return std::clamp<uint32_t>(TransferBufferSize, 255, 2147483647); }

  // Per transfer; written by the worker, read by the main thread in synchronised events and
  // after the run.
  std::unique_ptr<TulStream> HTTPStream;
  bool HTTPSuccess = false;
  bool HTTPTryAgain = false;
  bool HTTPOutputToFile = false;
  bool HTTPContinueDownload = true;
  bool HTTPDeleteOutputFileOnAbort = false;
  bool FBodyUnverifiable = false;  // whatever arrives is not known to be the whole body
  std::vector<char> HTTPData;      // TransferBufferSize bytes, within its bounds
  uint64_t HTTPFileSize = 0;
  uint64_t HTTPBytesTransferred = 0;
  uint64_t HTTPStartTime = 0;
  uint32_t HTTPInitStartRange = 0;
  uint32_t HTTPInitEndRange = 0;
  std::wstring HTTPUploadRequestHeader;
  HINTERNET hSession = nullptr;
  HINTERNET hConnect = nullptr;
  HINTERNET hRequest = nullptr;
  THandle hFile;
  std::wstring HTTPRawHeadersCRLF, HTTPContentType, HTTPContentLanguage, HTTPContentEncoding,
      HTTPLocation, HTTPETag;
  TDateTime HTTPDate = 0, HTTPLastModified = 0, HTTPExpires = 0;
  int FHTTPErrorCode = -1;
  DWORD FInternetError = 0;

 private:
  static void CALLBACK StatusCallback(HINTERNET handle, DWORD_PTR context, DWORD status,
                                      void* information, DWORD length);

  TulAddress FAddress;       // of the running transfer
  std::wstring FCurrentURL;  // the address asked for, once redirects are followed
  int FRedirects = 0;
  uint64_t FProgressTick = 0;     // when the last progress event was raised
  bool FProgressPending = false;  // a block was read that no progress event reported
  std::unique_ptr<TulHTTPUploadStream> FUploadStream;
  TBodyKind FBodyKind = bkFormUrlEncoded;
  bool FBusy = false;
  bool FAborted = false;     // the run ended by a stop request
  bool FCheckBlock = false;  // the next block read is compared, not written
  std::wstring FOutputFile;  // of the running transfer
  std::unique_ptr<TulCustomThread> FThread;
};

#endif  // OSTREL_UPGRADE_HTTP_UL_HTTP_H_
