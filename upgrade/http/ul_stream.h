#ifndef OSTREL_UPGRADE_HTTP_UL_STREAM_H_
#define OSTREL_UPGRADE_HTTP_UL_STREAM_H_

// The streams a transfer reads from and writes to: TulStream, and TulMemoryStream, which keeps
// the bytes in memory (a body received into memory, a multipart body being composed). The file
// stream is in ul_file_stream.h. Free of <windows.h>.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

class TulStream {
 public:
  virtual ~TulStream() = default;
  // The number of bytes read, 0 at the end or on failure.
  virtual size_t Read(void* buffer, size_t count) = 0;
  // False when not all bytes could be written.
  virtual bool Write(const void* data, size_t count) = 0;
  // The position reached, which may fall short of the one asked for.
  virtual uint64_t Seek(uint64_t position) = 0;
  virtual uint64_t Position() const = 0;
  virtual uint64_t Size() const = 0;

  bool WriteText(std::string_view bytes) { return Write(bytes.data(), bytes.size()); }
};

class TulMemoryStream : public TulStream {
 public:
  size_t Read(void* buffer, size_t count) override {
    count = std::min(count, FData.size() - std::min(FData.size(), FPosition));
    if (count != 0) std::memcpy(buffer, FData.data() + FPosition, count);
    FPosition += count;
    return count;
  }
  bool Write(const void* data, size_t count) override {
    if (FPosition + count > FData.size()) FData.resize(FPosition + count);
    if (count != 0) std::memcpy(FData.data() + FPosition, data, count);
    FPosition += count;
    return true;
  }
  uint64_t Seek(uint64_t position) override {
    FPosition = static_cast<size_t>(std::min<uint64_t>(position, FData.size()));
    return FPosition;
  }
  uint64_t Position() const override { return FPosition; }
  uint64_t Size() const override { return FData.size(); }

  void Reserve(uint64_t size) { FData.reserve(static_cast<size_t>(size)); }
  const std::string& Data() const { return FData; }

 private:
  std::string FData;
  size_t FPosition = 0;
};

// A multipart body being composed; FUploadBoundary is the boundary with its leading "--".
class TulHTTPUploadStream : public TulMemoryStream {
 public:
  std::wstring FUploadBoundary;
};

#endif  // OSTREL_UPGRADE_HTTP_UL_STREAM_H_
