#include "tests/unit/engine_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

namespace engine_test {

namespace {

fs::path TestProgramDir() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(std::wstring(path, length)).parent_path();
}

fs::path BuildDir() { return TestProgramDir().parent_path(); }

bool IsEngineFile(const fs::path& file) {
  const std::wstring extension = file.extension().wstring();
  return extension == L".dll" || extension == L".dat" || extension == L".bin" ||
         extension == L".pak";
}

}  // namespace

fs::path BinDir() { return BuildDir() / L"bin"; }

fs::path VariantsDir() { return BuildDir() / L"variants"; }

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  path_ = fs::temp_directory_path() / (L"ostrel-unit-" + std::to_wstring(GetCurrentProcessId()) +
                                       L"-" + std::to_wstring(++counter));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

TempFolder::~TempFolder() {
  if (!previous_current_.empty()) {
    std::error_code ignored;
    fs::current_path(previous_current_, ignored);
  }
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void TempFolder::MakeCurrent() {
  if (previous_current_.empty()) previous_current_ = fs::current_path();
  fs::current_path(path_);
}

void TempFolder::WriteFile(const fs::path& name, const std::string& text) const {
  fs::create_directories((path_ / name).parent_path());
  std::ofstream(path_ / name, std::ios::binary) << text;
}

void TempFolder::Remove(const fs::path& name) const { fs::remove_all(path_ / name); }

EngineFilesCopy::EngineFilesCopy() {
  for (const fs::directory_entry& entry : fs::directory_iterator(BinDir())) {
    const fs::path name = entry.path().filename();
    if (entry.is_directory() && (name == L"locales" || name == L"swiftshader")) {
      fs::copy(entry.path(), path() / name, fs::copy_options::recursive);
    } else if (entry.is_regular_file() && IsEngineFile(name)) {
      fs::copy_file(entry.path(), path() / name);
    }
  }
  MakeCurrent();
}

void EngineFilesCopy::UseLibrary(const fs::path& library) const {
  fs::copy_file(library, LibCef(), fs::copy_options::overwrite_existing);
}

void PatchImageMachine(const fs::path& file, uint16_t machine) {
  std::fstream image(file, std::ios::in | std::ios::out | std::ios::binary);
  ASSERT_TRUE(image.is_open()) << file;
  uint32_t new_header = 0;
  image.seekg(0x3C);
  image.read(reinterpret_cast<char*>(&new_header), sizeof(new_header));
  // The machine field follows the 4-byte "PE\0\0" signature.
  image.seekp(new_header + 4);
  image.write(reinterpret_cast<const char*>(&machine), sizeof(machine));
  ASSERT_TRUE(image.good());
}

RecordingApplication::RecordingApplication(const std::vector<std::wstring>& arguments)
    : TCefApplication(arguments) {
  EXPECT_EQ(GlobalCEFApp, nullptr);
  GlobalCEFApp = this;
  SetMustFreeLibrary(true);
}

RecordingApplication::~RecordingApplication() { GlobalCEFApp = nullptr; }

void RecordingApplication::ShowErrorMessage(const ustring& message) { messages.push_back(message); }

ErrorBoxWatcher::ErrorBoxWatcher() : thread_([this] { Run(); }) {}

ErrorBoxWatcher::~ErrorBoxWatcher() {
  stop_ = true;
  thread_.join();
}

std::vector<std::wstring> ErrorBoxWatcher::Boxes() {
  std::lock_guard<std::mutex> lock(mutex_);
  return boxes_;
}

void ErrorBoxWatcher::Run() {
  // The static text of a standard message box has this control id.
  constexpr int kMessageBoxTextId = 0xFFFF;
  while (!stop_) {
    HWND box = FindWindowW(L"#32770", L"Error");
    DWORD process_id = 0;
    if (box != nullptr && GetWindowThreadProcessId(box, &process_id) != 0 &&
        process_id == GetCurrentProcessId() && IsWindowVisible(box)) {
      wchar_t text[4096] = {};
      GetDlgItemTextW(box, kMessageBoxTextId, text, static_cast<int>(std::size(text)));
      {
        std::lock_guard<std::mutex> lock(mutex_);
        boxes_.push_back(text);
      }
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      // Wait until it has gone, so that it is recorded once.
      while (IsWindow(box) && !stop_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

}  // namespace engine_test
