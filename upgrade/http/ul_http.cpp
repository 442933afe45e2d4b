#include "upgrade/http/ul_http.h"

#include <algorithm>
#include <utility>

#include "upgrade/http/ul_http_text.h"
#include "upgrade/support/ul_text.h"
#include "upgrade/support/ul_utils.h"

namespace {

void Raise(const TulHTTPEvent& event, TulCustomHTTP& sender) {
  if (event) event(sender);
}

}  // namespace

TulCustomHTTP::TulCustomHTTP()
    : FThread(std::make_unique<TulCustomThread>([this] { delete this; })) {
  FThread->OnExecute = [this](TulCustomThread&) { Execute(); };
  FThread->OnTerminate = [this](TulCustomThread&) { Completion(); };
  FThread->OnException = [this](TulCustomThread&, std::exception_ptr) { Raise(OnAnyError, *this); };
  FThread->OnWaitTimeoutExpired = [this](TulCustomThread&, bool& terminateThread) {
    if (OnWaitTimeoutExpired) OnWaitTimeoutExpired(*this, terminateThread);
  };
}

namespace {
constexpr DWORD kEndRunMs = 3000;
}  // namespace

TulCustomHTTP::~TulCustomHTTP() {
  // No status notification may reach a component that is going away.
  OnStatusChanged = nullptr;
  OnRedirected = nullptr;
  // The worker reads FThread between blocks: it has to be gone before FThread is. Given a
  // moment it stops by itself; killed, it could leave WinInet's or the heap's locks held.
  FThread->EndRun(kEndRunMs);
  FThread.reset();
  CloseHandles();
}

bool TulCustomHTTP::Read(bool forceWaitThread) { return ReadRange(0, 0, forceWaitThread); }

bool TulCustomHTTP::ReadRange(uint32_t startRange, uint32_t endRange, bool forceWaitThread) {
  if (FBusy) return false;
  FBusy = true;
  ProgressTransferRate = -1;
  HTTPInitStartRange = startRange;
  HTTPInitEndRange = endRange;
  FBodyKind = bkFormUrlEncoded;
  return StartWorker(forceWaitThread);
}

bool TulCustomHTTP::StartWorker(bool forceWaitThread) {
  const bool waitThread = FThread->WaitThread();
  if (forceWaitThread) FThread->SetWaitThread(true);
  // Set here: an Abort may come before the worker starts.
  const bool aborted = std::exchange(FAborted, false);
  HTTPDeleteOutputFileOnAbort = false;
  FOutputFile = OutputFileName;
  const bool started = FThread->Execute();
  FThread->SetWaitThread(waitThread);
  if (!started) {
    // Either the worker of an aborted transfer is still ending (called from OnAborted), or a
    // wait time-out killed this one.
    FAborted = aborted;
    CloseHandles();
    HTTPStream.reset();
    FUploadStream.reset();
    FBusy = false;
  }
  return started;
}

bool TulCustomHTTP::Resume() {
  const uint64_t size = GetFileSizeOf(OutputFileName);
  const uint64_t start = size > BufferSize() ? size - BufferSize() : 0;
  return ReadRange(static_cast<uint32_t>(std::min<uint64_t>(start, UINT32_MAX)), 0, false);
}

void TulCustomHTTP::Abort(bool deleteOutputFile, bool hardTerminate) {
  if (!FThread->Running()) return;
  HTTPDeleteOutputFileOnAbort = deleteOutputFile;
  if (!hardTerminate) {
    FThread->Terminate();
    return;
  }
  FThread->Terminate(true);
  AbortCleanup(true);
}

// Worker (a stop request seen) or main thread (after a hard abort).
void TulCustomHTTP::AbortCleanup(bool raiseOnAborted) {
  FAborted = true;
  CloseHandles();
  HTTPStream.reset();
  FUploadStream.reset();
  if (HTTPDeleteOutputFileOnAbort && HTTPOutputToFile) DeleteFileW(FOutputFile.c_str());
  if (!raiseOnAborted) return;
  FThread->Synchronize([this] {
    FBusy = false;
    Raise(OnAborted, *this);
  });
}

void TulCustomHTTP::CloseHandles() {
  for (HINTERNET* handle : {&hRequest, &hConnect, &hSession}) {
    if (*handle != nullptr) InternetCloseHandle(std::exchange(*handle, nullptr));
  }
  hFile.reset();
}

// Main thread, once the worker has finished. What it reports is taken out of the component
// first: an event may start the next transfer, which then has the fields to itself.
void TulCustomHTTP::Completion() {
  CloseHandles();
  FBusy = false;
  if (FAborted) return;
  std::unique_ptr<TulStream> stream = std::move(HTTPStream);
  if (stream) stream->Seek(0);
  const std::wstring outputFile = FOutputFile;
  const std::wstring contentType = HTTPContentType;
  const bool toFile = HTTPOutputToFile;
  const bool interrupted = !HTTPContinueDownload;
  const uint64_t fileSize = HTTPFileSize;
  const uint64_t transferred = HTTPBytesTransferred;
  const uint64_t start = HTTPInitStartRange;
  const int status = FHTTPErrorCode;
  bool deleteFile = false;
  if (interrupted) {
  } else if (HTTPSuccess) {
    if (!stream && !toFile) {
      Raise(OnAnyError, *this);
      Raise(OnOutputFileError, *this);
      return;
    }
    if (toFile) {
      stream.reset();
      if (OutputFileAttributes.Complete != OutputFileAttributes.Incomplete) {
        SetFileAttributesW(outputFile.c_str(), OutputFileAttributes.Complete);
      }
    }
    if (OnDone) OnDone(*this, contentType, transferred + start, stream.get());
  } else {
    if (status == 200 || status == 206) {
      if (OnConnLost) OnConnLost(*this, contentType, fileSize, transferred, stream.get());
    } else if (status == -1) {
      Raise(OnHostUnreachable, *this);
    } else {
      if (OnHTTPError) OnHTTPError(*this, status, stream.get());
      deleteFile = toFile;
    }
    Raise(OnAnyError, *this);
  }
  stream.reset();
  if (deleteFile) DeleteFileW(outputFile.c_str());
  if (interrupted) Raise(OnDoneInterrupted, *this);
}

std::wstring TulCustomHTTP::FileName() const {
  TulAddress address;
  return CrackAddress(URL, address) ? FileNameOfPath(address.Path) : L"";
}

std::wstring TulCustomHTTP::HostName() const {
  TulAddress address;
  return CrackAddress(URL, address) ? address.Host : L"";
}

bool TulCustomHTTP::IsGlobalOffline() {
  INTERNET_CONNECTED_INFO info{};
  DWORD size = sizeof(info);
  return InternetQueryOptionW(nullptr, INTERNET_OPTION_CONNECTED_STATE, &info, &size) &&
         (info.dwConnectedState & INTERNET_STATE_DISCONNECTED_BY_USER) != 0;
}

// ---- Multipart upload ----

bool TulCustomHTTP::BeginPrepareUpload() {
  if (FBusy) return false;
  FBusy = true;
  Range = {};
  HTTPInitStartRange = HTTPInitEndRange = 0;
  const std::wstring boundary = GetUploadBoundary(L'0');
  FUploadStream = std::make_unique<TulHTTPUploadStream>();
  FUploadStream->FUploadBoundary = L"--" + boundary;
  HTTPUploadRequestHeader = L"Content-Type: multipart/form-data, boundary=" + boundary;
  return true;
}

void TulCustomHTTP::UploadStream(const std::wstring& fieldName, TulStream& stream,
                                 const std::wstring& fileName) {
  if (!FUploadStream) return;
  const std::wstring boundary = FUploadStream->FUploadBoundary.substr(2);
  const std::wstring contentType =
      fileName.empty() ? L"" : GetContentTypeOfExtension(ExtractFileExt(fileName));
  FUploadStream->WriteText(MultipartFieldHead(boundary, fieldName, fileName, contentType));
  stream.Seek(0);
  char block[4096];
  while (const size_t count = stream.Read(block, sizeof(block))) {
    FUploadStream->Write(block, count);
  }
  FUploadStream->WriteText("\r\n");
}

void TulCustomHTTP::UploadString(const std::wstring& fieldName, const std::wstring& value) {
  TulMemoryStream data;
  data.WriteText(ByteText(value));
  UploadStream(fieldName, data);
}

void TulCustomHTTP::UploadInteger(const std::wstring& fieldName, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  const char bytes[4] = {static_cast<char>(bits), static_cast<char>(bits >> 8),
                         static_cast<char>(bits >> 16), static_cast<char>(bits >> 24)};
  TulMemoryStream data;
  data.Write(bytes, sizeof(bytes));
  UploadStream(fieldName, data);
}

void TulCustomHTTP::UploadBoolean(const std::wstring& fieldName, bool value) {
  UploadInteger(fieldName, value ? 1 : 0);
}

bool TulCustomHTTP::EndPrepareUpload() {
  if (!FUploadStream) return false;
  FUploadStream->WriteText(MultipartTail(FUploadStream->FUploadBoundary.substr(2)));
  FBodyKind = bkMultipart;
  return StartWorker(false);
}

bool TulCustomHTTP::Upload(uint16_t numberOfFields) {
  if (!OnUploadFieldRequest || !BeginPrepareUpload()) return false;
  for (uint16_t index = 0; index < numberOfFields; ++index) {
    TulMemoryStream data;
    std::wstring fieldName, fileName;
    OnUploadFieldRequest(*this, index, data, fieldName, fileName);
    UploadStream(fieldName, data, fileName);
  }
  return EndPrepareUpload();
}
