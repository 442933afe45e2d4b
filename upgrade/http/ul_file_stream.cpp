#include "upgrade/http/ul_file_stream.h"

#include <algorithm>

namespace {

constexpr DWORD kGuarded = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;

// A single ReadFile/WriteFile moves at most 4 GiB - 1.
DWORD Chunk(size_t count) { return static_cast<DWORD>(std::min<size_t>(count, 0x7FFFFFFF)); }

}  // namespace

TulFileStream::TulFileStream(const std::wstring& fileName, bool create, bool attributeTest) {
  const DWORD former =
      attributeTest ? GetFileAttributesW(fileName.c_str()) : INVALID_FILE_ATTRIBUTES;
  const bool guarded = former != INVALID_FILE_ATTRIBUTES && (former & kGuarded) != 0;
  if (guarded) SetFileAttributesW(fileName.c_str(), FILE_ATTRIBUTE_ARCHIVE);
  FHandle = FileHandle(CreateFileW(
      fileName.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
      create ? CREATE_ALWAYS : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  FError = IsOpen() ? ERROR_SUCCESS : GetLastError();
  if (guarded) SetFileAttributesW(fileName.c_str(), former);
}

TulFileStream::~TulFileStream() = default;

size_t TulFileStream::Read(void* buffer, size_t count) {
  DWORD read = 0;
  if (!IsOpen() || !ReadFile(FHandle.get(), buffer, Chunk(count), &read, nullptr)) return 0;
  return read;
}

bool TulFileStream::Write(const void* data, size_t count) {
  const char* bytes = static_cast<const char*>(data);
  while (count != 0) {
    DWORD written = 0;
    if (!IsOpen() || !WriteFile(FHandle.get(), bytes, Chunk(count), &written, nullptr) ||
        written == 0) {
      return false;
    }
    bytes += written;
    count -= written;
  }
  return true;
}

uint64_t TulFileStream::Seek(uint64_t position) {
  LARGE_INTEGER to{}, reached{};
  to.QuadPart = static_cast<LONGLONG>(position);
  if (!IsOpen() || !SetFilePointerEx(FHandle.get(), to, &reached, FILE_BEGIN)) return Position();
  return static_cast<uint64_t>(reached.QuadPart);
}

uint64_t TulFileStream::Position() const {
  LARGE_INTEGER zero{}, at{};
  if (!IsOpen() || !SetFilePointerEx(FHandle.get(), zero, &at, FILE_CURRENT)) return 0;
  return static_cast<uint64_t>(at.QuadPart);
}

uint64_t TulFileStream::Size() const {
  LARGE_INTEGER size{};
  if (!IsOpen() || !GetFileSizeEx(FHandle.get(), &size)) return 0;
  return static_cast<uint64_t>(size.QuadPart);
}
