#ifndef OSTREL_UPGRADE_HTTP_UL_FILE_STREAM_H_
#define OSTREL_UPGRADE_HTTP_UL_FILE_STREAM_H_

// TulFileStream: a file opened by name for reading and writing, shared with other readers and
// writers (a download can be watched while it grows).

#include <windows.h>

#include <string>

#include "base/handle.h"
#include "upgrade/http/ul_stream.h"

class TulFileStream : public TulStream {
 public:
  // `create` replaces any existing file; otherwise the file is opened, or created when missing.
  // With `attributeTest`, a read-only or hidden file is opened as a plain one and gets its
  // attributes back once open. Check IsOpen: a file that cannot be opened leaves the stream
  // closed, and then it reads and writes nothing.
  TulFileStream(const std::wstring& fileName, bool create, bool attributeTest);
  ~TulFileStream() override;
  TulFileStream(const TulFileStream&) = delete;
  TulFileStream& operator=(const TulFileStream&) = delete;

  bool IsOpen() const { return static_cast<bool>(FHandle); }
  DWORD Error() const { return FError; }  // why the file could not be opened

  size_t Read(void* buffer, size_t count) override;
  bool Write(const void* data, size_t count) override;
  uint64_t Seek(uint64_t position) override;
  uint64_t Position() const override;
  uint64_t Size() const override;

 private:
  THandle FHandle;
  DWORD FError = ERROR_SUCCESS;
};

#endif  // OSTREL_UPGRADE_HTTP_UL_FILE_STREAM_H_
