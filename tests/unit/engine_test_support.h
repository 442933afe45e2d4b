#ifndef OSTREL_TESTS_UNIT_ENGINE_TEST_SUPPORT_H_
#define OSTREL_TESTS_UNIT_ENGINE_TEST_SUPPORT_H_

// Helpers for the start-up tests: private copies of the program folder's engine files, patched
// libraries, an application object that records its messages, and a watcher for real message
// boxes.

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/application/cef_application.h"

namespace engine_test {

namespace fs = std::filesystem;

// build/bin (the engine files and the stand-in library) and build/variants (stand-in libraries
// that misbehave on purpose), found relative to the test program (build/tests).
fs::path BinDir();
fs::path VariantsDir();

// A new empty folder under the system's temporary folder, removed with everything in it at the
// end. While it lives it may be the current directory (MakeCurrent); the previous one comes
// back at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const fs::path& path() const { return path_; }
  void MakeCurrent();
  // Writes `text` into the file `name` (relative to the folder).
  void WriteFile(const fs::path& name, const std::string& text) const;
  void Remove(const fs::path& name) const;

 private:
  fs::path path_;
  fs::path previous_current_;
};

// A temporary folder holding a copy of the engine files of build/bin (no programs, logs or
// caches), made the current directory.
class EngineFilesCopy : public TempFolder {
 public:
  EngineFilesCopy();
  fs::path LibCef() const { return path() / L"libcef.dll"; }
  // Replaces libcef.dll by `library`.
  void UseLibrary(const fs::path& library) const;
};

// Writes `machine` into the image header's machine field of the file.
void PatchImageMachine(const fs::path& file, uint16_t machine);

// Engine application object of a browser process (no "--type=" argument) that records every
// start-up message it is asked to show instead of showing it, and hands its library back to the
// system at the end. Registers itself as GlobalCEFApp for its lifetime.
class RecordingApplication : public TCefApplication {
 public:
  explicit RecordingApplication(const std::vector<std::wstring>& arguments = {});
  ~RecordingApplication() override;

  void ShowErrorMessage(const ustring& message) override;

  std::vector<ustring> messages;
};

// Closes every message box captioned "Error" that this process shows while the watcher lives,
// and records its text. (Wine does not reflect MB_TOPMOST in the box's window styles, so the
// topmost flag cannot be observed here.)
class ErrorBoxWatcher {
 public:
  ErrorBoxWatcher();
  ~ErrorBoxWatcher();
  ErrorBoxWatcher(const ErrorBoxWatcher&) = delete;
  ErrorBoxWatcher& operator=(const ErrorBoxWatcher&) = delete;

  std::vector<std::wstring> Boxes();

 private:
  void Run();

  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::wstring> boxes_;
  std::thread thread_;
};

}  // namespace engine_test

#endif  // OSTREL_TESTS_UNIT_ENGINE_TEST_SUPPORT_H_
