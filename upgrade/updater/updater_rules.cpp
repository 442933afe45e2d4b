#include "upgrade/updater/updater_rules.h"

#include <algorithm>
#include <charconv>

#include "upgrade/support/ul_upgrade_protocol.h"

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() &&
         std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                    [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}

}  // namespace

TUpdaterRequest ParseUpdaterArguments(const std::vector<std::string>& arguments) {
  TUpdaterRequest request;
  auto first = arguments.begin();
  // An application path never starts with the option: it is absolute.
  if (first != arguments.end() && first->starts_with(kStartLimitOption)) {
    const std::string_view seconds = std::string_view(*first).substr(kStartLimitOption.size());
    unsigned value = 0;
    const auto [end, error] =
        std::from_chars(seconds.data(), seconds.data() + seconds.size(), value);
    if (error == std::errc() && end == seconds.data() + seconds.size() && value > 0)
      request.StartLimitSeconds = value;
    ++first;
  }
  // Every argument followed by one space: an unquoted application path with spaces comes back
  // whole, and the method digit is the character before the final space.
  std::string line;
  for (; first != arguments.end(); ++first) line += *first + ' ';
  if (line.size() >= 2) request.ExternalSetup = line[line.size() - 2] == '1';
  // The last " +", not the first "+": the parameters never hold " +", a folder may ("C++ x").
  const size_t cut = line.rfind(" +");
  if (cut == std::string::npos) {
    request.ApplicationPath = line.substr(0, line.empty() ? 0 : line.size() - 1);
    return request;
  }
  request.ApplicationPath = line.substr(0, cut);
  const size_t parameters = cut + 2;
  // Less the method digit and the final space.
  if (line.size() >= parameters + 2)
    request.Parameters = line.substr(parameters, line.size() - parameters - 2);
  return request;
}

std::string_view FolderOf(std::string_view path) {
  const size_t slash = path.rfind('\\');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

std::string_view FileNameOf(std::string_view path) { return path.substr(FolderOf(path).size()); }

std::vector<std::string> SplitQueueText(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const size_t end = text.find("\r\n");
    const std::string_view line = text.substr(0, end);
    if (!line.empty()) lines.emplace_back(line);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
  }
  return lines;
}

std::string WithoutTemporarySuffix(std::string_view name) {
  if (name.size() <= kTemporarySuffix.size() || !EndsWithIgnoringCase(name, kTemporarySuffix))
    return {};
  return std::string(name.substr(0, name.size() - kTemporarySuffix.size()));
}

TScanTarget ScanTarget(TFolderScan& scan, std::string_view name) {
  if (scan.ApplicationDownloaded || !EndsWithIgnoringCase(name, "exe"))
    return {.Name = std::string(name)};
  scan.ApplicationDownloaded = true;
  if (!scan.ExternalSetup) return {.Name = scan.ApplicationName};
  scan.SetupName = name;
  return {.Name = scan.SetupName, .Setup = true};
}

std::string CommandLineFor(std::string_view program, std::string_view parameters) {
  // Quoted: an unquoted path with spaces would start "C:\Program" if there were one.
  std::string line = "\"" + std::string(program) + "\"";
  if (!parameters.empty()) line += " " + std::string(parameters);
  return line;
}

std::string RolledBackParameters(unsigned long error) {
  return std::string(kRolledBackArgument) + std::to_string(error);
}

std::string EndedParameters(unsigned long exitCode) {
  return std::string(kRolledBackArgument) + std::string(kEndedCause) + std::to_string(exitCode);
}

std::string SilentParameters(unsigned seconds) {
  return std::string(kRolledBackArgument) + std::string(kSilentCause) + std::to_string(seconds);
}
