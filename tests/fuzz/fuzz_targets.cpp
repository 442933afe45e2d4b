// What the program reads from outside (the update server's info file and headers, addresses,
// the updater's command line and queue file, the names a web server suggests for downloads, the
// engine's preference values), fed with arbitrary input. Beyond "no crash, no sanitizer report",
// each target checks what its parser promises whatever it is given.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "browser/preference_texts.h"
#include "engine/support/text_functions.h"
#include "forms/browser_texts.h"
#include "forms/command_texts.h"
#include "tests/fuzz/fuzz_target.h"
#include "upgrade/controller/ul_download_texts.h"
#include "upgrade/controller/ul_info_file.h"
#include "upgrade/controller/ul_info_signature.h"
#include "upgrade/controller/ul_rollback.h"
#include "upgrade/controller/ul_version.h"
#include "upgrade/http/ul_http_text.h"
#include "upgrade/support/ul_date_time.h"
#include "upgrade/support/ul_string_list.h"
#include "upgrade/support/ul_text.h"
#include "upgrade/updater/updater_rules.h"

std::string gFuzzInputName;

void FuzzCheckFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: fuzz check failed: %s%s%s\n", file, line, condition,
               gFuzzInputName.empty() ? "" : ", input ", gFuzzInputName.c_str());
  std::abort();
}

namespace {

// ---- Turning bytes into the parsers' inputs ----

// The bytes as UTF-8 where they are, each other byte as the character of its value, kept to
// UTF-16 code units as on Windows (a supplementary character becomes its surrogate pair, and lone
// surrogates get through). Readable corpus files, and every code unit reachable.
std::wstring FuzzText(TFuzzInput input) {
  std::wstring text;
  size_t at = 0;
  while (at < input.size()) {
    const uint8_t lead = input[at];
    const size_t length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
    uint32_t code = length == 4 ? lead & 0x07 : length == 3 ? lead & 0x0F : lead & 0x1F;
    bool whole = length > 1 && at + length <= input.size();
    for (size_t i = 1; whole && i < length; ++i) {
      whole = (input[at + i] & 0xC0) == 0x80;
      code = code << 6 | (input[at + i] & 0x3F);
    }
    if (!whole || code > 0x10FFFF) {
      text += static_cast<wchar_t>(lead);
      ++at;
      continue;
    }
    if (code >= 0x10000) {
      text += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
      code = 0xDC00 + ((code - 0x10000) & 0x3FF);
    }
    text += static_cast<wchar_t>(code);
    at += length;
  }
  return text;
}

std::string FuzzBytes(TFuzzInput input) { return std::string(input.begin(), input.end()); }

template <typename Text>
std::vector<Text> SplitAt(const Text& text, typename Text::value_type separator) {
  std::vector<Text> parts{Text()};
  for (const auto c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

// Takes eight bytes (fewer at the end) off the front of `input` as a number.
uint64_t TakeNumber(TFuzzInput& input) {
  uint64_t value = 0;
  const size_t count = std::min<size_t>(8, input.size());
  std::memcpy(&value, input.data(), count);
  input = input.subspan(count);
  return value;
}

bool HasAny(std::wstring_view text, std::wstring_view characters) {
  return text.find_first_of(characters) != std::wstring_view::npos;
}

bool IsHexDigit(wchar_t c) { return HasAny(std::wstring_view(&c, 1), L"0123456789ABCDEF"); }

// ---- Targets ----

void InfoFile(TFuzzInput input) {
  const std::wstring text = FuzzText(input);
  const TulInfoText info(text);
  for (const wchar_t* key : {L"#version", L"#date", L"#url", L"#method"})
    FUZZ_CHECK(info.Value(key).size() <= text.size());
  FUZZ_CHECK(info.BracedValue(L"#message").size() <= text.size());
  ReadUpgradeMethod(info);
  static constexpr TDateTimeParts kToday{2026, 12, 9};
  TulStringList queue;
  const bool offered = OffersUpgrade(info, {byNumber, L"1.1.2.1", L"10/04/2026", kToday}, queue);
  // Every entry takes a key of its own ("#url=" and at least one character).
  FUZZ_CHECK(static_cast<size_t>(queue.Count()) <= text.size() / 6);
  FUZZ_CHECK(!offered || queue.Count() > 0);
  OffersUpgrade(info, {byDate, L"1.1.2.1", L"10/04/2026", kToday}, queue);
  // Two versions of the server's are never each newer than the other.
  const std::wstring version = info.Value(L"#version");
  const std::wstring date = info.Value(L"#date");
  FUZZ_CHECK(!(IsNewerVersionNumber(version, date) && IsNewerVersionNumber(date, version)));
  FUZZ_CHECK(
      !(IsNewerVersionDate(version, date, kToday) && IsNewerVersionDate(date, version, kToday)));
  // Read as a signed file is: every line break made CR LF, nothing else changed.
  const std::string bytes = FuzzBytes(input);
  if (const std::optional<TulSignedInfo> signedInfo = SplitSignedInfo(bytes)) {
    const std::string signedText = SignedInfoText(signedInfo->Signed);
    std::string before(signedInfo->Signed), after = signedText;
    std::erase(before, '\r');
    std::erase(after, '\r');
    FUZZ_CHECK(before == after);
    for (size_t at = signedText.find('\n'); at != std::string::npos;
         at = signedText.find('\n', at + 1))
      FUZZ_CHECK(at > 0 && signedText[at - 1] == '\r');
  }
}

void HttpDate(TFuzzInput input) {
  const TDateTime value = HttpDateToUtc(FuzzText(input));
  if (value == 0) return;
  // Whatever is read is a date the program can show and store again.
  TDateTimeParts parts;
  FUZZ_CHECK(DecodeDateTime(value, parts));
  TDateTime again = 0;
  FUZZ_CHECK(EncodeDateTime(parts, again));
  FUZZ_CHECK(std::fabs(again - value) < 1e-7);
}

void HttpHeaders(TFuzzInput input) {
  TFuzzInput numbers = input.first(std::min<size_t>(input.size(), 32));
  const uint64_t size = TakeNumber(numbers), done = TakeNumber(numbers);
  const uint64_t start = TakeNumber(numbers), elapsedMs = TakeNumber(numbers);
  const TulProgressFigures figures = ProgressFigures(size, done, start, elapsedMs);
  FUZZ_CHECK(figures.PercentsDone <= 100);
  FUZZ_CHECK(!StatusText(static_cast<unsigned long>(size)).empty());

  const std::wstring text = FuzzText(input);
  // A number comes back as it was written, less blanks and leading zeros.
  if (const std::optional<uint64_t> number = HeaderNumber(text)) {
    std::wstring_view digits = TrimText(text);
    while (digits.size() > 1 && digits[0] == L'0') digits.remove_prefix(1);
    FUZZ_CHECK(std::to_wstring(*number) == digits);
  }
  FUZZ_CHECK(RealmOf(text).size() <= text.size());
  FUZZ_CHECK(RedirectTarget(text.data(), text.size()) == text.substr(0, text.find(L'\0')));
  const std::wstring name = FileNameOfPath(text);
  FUZZ_CHECK(!HasAny(name, L"/\\") && text.ends_with(name));
  // What is sent holds no character that needs escaping, and each "%" starts an escape.
  const std::wstring encoded = EncodeExtraInfo(text);
  for (size_t at = 0; at < encoded.size(); ++at) {
    const wchar_t c = encoded[at];
    FUZZ_CHECK(c >= 0x20 && c < 0x20AC && !HasAny(std::wstring_view(&c, 1), L" #*+<>"));
    if (c == L'%')
      FUZZ_CHECK(at + 2 < encoded.size() && IsHexDigit(encoded[at + 1]) &&
                 IsHexDigit(encoded[at + 2]));
  }
  const std::vector<std::wstring> fields = SplitAt(text, L'\n');
  const std::wstring_view boundary = fields[0];
  const std::string head =
      MultipartFieldHead(boundary, fields.size() > 1 ? fields[1] : L"",
                         fields.size() > 2 ? fields[2] : L"", fields.size() > 3 ? fields[3] : L"");
  FUZZ_CHECK(head.starts_with("--" + ByteText(boundary) + "\r\n") && head.ends_with("\r\n\r\n"));
  FUZZ_CHECK(ByteText(text).size() == text.size());
}

void Address(TFuzzInput input) {
  const std::wstring text = FuzzText(input);
  const std::wstring full = AddressWithScheme(text);
  FUZZ_CHECK(full.find(L"://") != std::wstring::npos && full.ends_with(text));
  // A download entry: address, then "=" and the local path when there is one.
  TulStringList queue;
  if (queue.Add(text) < 0) return;
  const std::wstring address = queue.GetName(0), target = queue.GetValue(0);
  FUZZ_CHECK(text.find(L'=') == std::wstring::npos ? address == text
                                                   : address + L"=" + target == text);
  // A file listed without target stays in the application folder.
  static constexpr std::wstring_view kFolder = L"C:\\App\\";
  const std::wstring defaultTarget = DefaultTarget(address, kFolder);
  FUZZ_CHECK(defaultTarget.starts_with(kFolder) &&
             !HasAny(std::wstring_view(defaultTarget).substr(kFolder.size()), L"/\\"));
  const std::wstring_view extension = ExtractFileExt(text);
  FUZZ_CHECK(extension.empty() || (extension[0] == L'.' && !HasAny(extension, L"\\:")));
  const TulCommandLine line = SplitCommandLine(text);
  FUZZ_CHECK(line.Program.size() + line.Parameters.size() <= text.size());
}

void UpdaterRules(TFuzzInput input) {
  const std::string bytes = FuzzBytes(input);
  // The command line as the system split it (NUL between arguments) ...
  const TUpdaterRequest request = ParseUpdaterArguments(SplitAt(bytes, '\0'));
  FUZZ_CHECK(request.ApplicationPath.size() + request.Parameters.size() <= bytes.size() + 1);
  FUZZ_CHECK(request.StartLimitSeconds > 0);
  // What a version the updater put back reads of its first argument.
  if (const std::optional<TulRollBack> rollBack = ReadRollBack(FuzzText(input)))
    FUZZ_CHECK(!rollBack->LogLine.empty() && !rollBack->UserText.empty());
  const std::string command = CommandLineFor(request.ApplicationPath, request.Parameters);
  FUZZ_CHECK(command.starts_with("\"" + request.ApplicationPath + "\""));
  // ... and the same bytes as a queue file, its lines' files as the folder scan meets them.
  TFolderScan scan{.ExternalSetup = bytes.size() % 2 == 1, .ApplicationName = "OstrelMini.exe"};
  for (const std::string& line : SplitQueueText(bytes)) {
    FUZZ_CHECK(!line.empty() && line.find("\r\n") == std::string::npos);
    const std::string_view file = FileNameOf(line);
    FUZZ_CHECK(std::string(FolderOf(line)) + std::string(file) == line);
    FUZZ_CHECK(file.find('\\') == std::string_view::npos);
    const std::string name = WithoutTemporarySuffix(file);
    if (name.empty()) continue;
    FUZZ_CHECK(name.size() + kTemporarySuffix.size() == file.size() && file.starts_with(name));
    const bool setupTaken = !scan.SetupName.empty();
    const TScanTarget target = ScanTarget(scan, name);
    FUZZ_CHECK(!target.Name.empty());
    FUZZ_CHECK(!target.Setup || !setupTaken);
  }
}

// Whether Windows opens a device instead of a file for this name, whatever its extension.
bool IsWindowsDeviceName(std::wstring_view name) {
  std::wstring stem(name.substr(0, name.find(L'.')));
  while (!stem.empty() && (stem.back() == L' ')) stem.pop_back();
  for (wchar_t& c : stem) c = static_cast<wchar_t>(c >= L'a' && c <= L'z' ? c - 32 : c);
  static constexpr std::array<std::wstring_view, 6> kNames{L"CON", L"PRN",    L"AUX",
                                                           L"NUL", L"CONIN$", L"CONOUT$"};
  if (std::find(kNames.begin(), kNames.end(), stem) != kNames.end()) return true;
  // COM1 to COM9, LPT1 to LPT9, and with the superscript digits ¹ ² ³ too.
  return stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) &&
         ((stem[3] >= L'1' && stem[3] <= L'9') || HasAny(stem.substr(3), L"\u00b9\u00b2\u00b3"));
}

void DownloadName(TFuzzInput input) {
  const std::wstring suggested = FuzzText(input);
  const std::wstring name = SafeDownloadName(suggested);
  FUZZ_CHECK(!name.empty());
  for (const wchar_t c : name)
    FUZZ_CHECK(c >= 32 && !HasAny(std::wstring_view(&c, 1), L"<>:\"/\\|?*"));
  FUZZ_CHECK(name.back() != L'.' && name.back() != L' ');
  FUZZ_CHECK(name.size() <= 255);
  FUZZ_CHECK(!IsWindowsDeviceName(name));
  FUZZ_CHECK(SafeDownloadName(name) == name);
  static constexpr std::wstring_view kFolder = L"C:\\users\\u\\Documents";
  FUZZ_CHECK(DownloadTargetPath(kFolder, suggested) == std::wstring(kFolder) + L"\\" + name);
  const std::wstring imageName = LastPathPart(suggested);
  FUZZ_CHECK(imageName.find(L'/') == std::wstring::npos && suggested.ends_with(imageName));
}

void PreferenceLines(TFuzzInput input) {
  TFuzzInput numbers = input.first(std::min<size_t>(input.size(), 8));
  const uint64_t bits = TakeNumber(numbers);
  double number = 0;
  std::memcpy(&number, &bits, sizeof number);
  FUZZ_CHECK(!DoubleText(number, L',').empty());
  const std::vector<std::wstring> items = SplitAt(FuzzText(input), L'\n');
  // A list value written as comma text reads back item by item.
  FUZZ_CHECK(SplitDelimitedList(CommaText(items)) == items);
  const std::wstring list = ListText(items);
  FUZZ_CHECK(list.starts_with(L"(" + std::to_wstring(items.size()) + L"){") &&
             list.ends_with(L"}"));
  const std::wstring line = PreferenceLine(PreferenceName(items[0], items.back()), list);
  FUZZ_CHECK(line.ends_with(list));
}

constexpr std::array<TFuzzTarget, 7> kTargets{{
    {"info_file", InfoFile},
    {"http_date", HttpDate},
    {"http_headers", HttpHeaders},
    {"address", Address},
    {"updater_rules", UpdaterRules},
    {"download_name", DownloadName},
    {"preference_lines", PreferenceLines},
}};

}  // namespace

std::span<const TFuzzTarget> FuzzTargets() { return kTargets; }

const TFuzzTarget* FindFuzzTarget(std::string_view name) {
  const auto found =
      std::find_if(kTargets.begin(), kTargets.end(),
                   [name](const TFuzzTarget& target) { return target.Name == name; });
  return found == kTargets.end() ? nullptr : &*found;
}
