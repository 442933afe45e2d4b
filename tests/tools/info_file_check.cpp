// Reads an info file as the upgrade controller does and writes what it found, for
// make_update_test.py: info_file_check INFO CODEPAGE OUT [KEY]. OUT receives, in UTF-8, the lines
// "version=", "date=", "method=", one "entry=" per queued file (followed by "sha256=" when the
// file gives its hash) and "message=", line breaks in the message written as \r and \n. With
// KEY (the public key's hex) a last line "signature=" says "verified", "refused" or "none".

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "upgrade/controller/ul_info_file.h"
#include "upgrade/controller/ul_info_signature.h"
#include "upgrade/support/ul_utils.h"

namespace {

std::string Utf8(const std::wstring& text) {
  std::string bytes(text.size() * 3, '\0');
  bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                   bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr));
  return bytes;
}

std::wstring Hex(const TulSha256& digest) {
  std::wstring hex;
  for (const uint8_t byte : digest) {
    hex += L"0123456789abcdef"[byte >> 4];
    hex += L"0123456789abcdef"[byte & 15];
  }
  return hex;
}

std::wstring SignatureState(const std::string& bytes, const std::wstring& keyHex) {
  const std::optional<TulSignedInfo> signedInfo = SplitSignedInfo(bytes);
  const std::optional<TulP256Key> key = ParseP256Key(keyHex);
  if (!signedInfo) return L"none";
  return key && VerifyP256(*key, signedInfo->Signed, signedInfo->Signature) ? L"verified"
                                                                            : L"refused";
}

std::wstring Escaped(const std::wstring& text) {
  std::wstring escaped;
  for (wchar_t c : text) escaped += c == L'\r' ? L"\\r" : c == L'\n' ? L"\\n" : std::wstring(1, c);
  return escaped;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4 && argc != 5) return 2;
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) return 3;
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  const TulInfoText info(FromAnsi(bytes, std::stoul(argv[2])));
  TulStringList queue;
  ReadDownloadQueue(info, queue);
  std::wstring report = L"version=" + info.Value(L"#version") + L"\ndate=" + info.Value(L"#date") +
                        L"\nmethod=" + std::to_wstring(ReadUpgradeMethod(info)) + L"\n";
  for (int i = 0; i < queue.Count(); ++i) {
    report += L"entry=" + queue.Strings(i) + L"\n";
    if (const TulSha256* sha256 = QueuedSha256(queue, i))
      report += L"sha256=" + Hex(*sha256) + L"\n";
  }
  report += L"message=" + Escaped(info.BracedValue(L"#message")) + L"\n";
  if (argc == 5) report += L"signature=" + SignatureState(bytes, argv[4]) + L"\n";
  std::ofstream out(argv[3], std::ios::binary);
  out << Utf8(report);
  return out ? 0 : 4;
}
