#include "upgrade/updater/updater_rules.h"

#include <algorithm>

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() &&
         std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                    [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}

}  // namespace

TUpdaterRequest ParseUpdaterArguments(const std::vector<std::string>& arguments) {
  // Every argument followed by one space: an unquoted application path with spaces comes back
  // whole, and the method digit is the character before the final space.
  std::string line;
  for (const std::string& argument : arguments) line += argument + ' ';
  TUpdaterRequest request;
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
  return "/upgraderolledback:" + std::to_string(error);
}
