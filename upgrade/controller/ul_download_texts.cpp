#include "upgrade/controller/ul_download_texts.h"

#include <cmath>
#include <cwchar>

uint8_t TotalPercentsDone(int index, int count, uint8_t percentsDone) {
  if (count <= 0) return 0;
  const double done = std::round(index * 100.0 / count);
  return static_cast<uint8_t>(static_cast<int>(done) + percentsDone / count);
}

std::wstring AllDownloadingText(int index, int count) {
  return L"当前正在下载:" + std::to_wstring(index + 1) + L" of " + std::to_wstring(count);
}

std::wstring TransferRateText(float kilobytesPerSecond) {
  wchar_t text[64];
  std::swprintf(text, 64, L"传输速率:%.1f Kb/s", static_cast<double>(kilobytesPerSecond));
  return text;
}

std::wstring EstimatedTimeText(int64_t seconds) {
  if (seconds < 0) seconds = 0;
  return L"估计剩余时间:" + std::to_wstring(seconds / 3600) + L":" +
         std::to_wstring(seconds / 60 % 60) + L":" + std::to_wstring(seconds % 60);
}

std::wstring LostFileText(std::wstring_view fileName) {
  return L"文档" + std::wstring(fileName) +
         L"找不到或者发生错误，\n\n您要忽略这个文档并且继续升级操作吗？";
}

std::wstring RefusedFileText(std::wstring_view fileName) {
  return L"文档" + std::wstring(fileName) +
         L"未通过完整性校验，可能已经损坏或者被篡改。\n\n升级已经取消，程序文件没有任何改动。";
}

std::wstring UpdaterNotStartedText() {
  return L"升级程序无法启动，新版本没有安装。\n\n程序文件没有任何改动，请稍后再进行升级操作。";
}

std::wstring HostUnreachableText(std::wstring_view host) {
  return L"无法与服务器http://" + std::wstring(host) +
         L"连接。\n\n请检查您的internet设定之后再进行升级操作。";
}

std::wstring NewVersionNotStartedText() {
  return L"新版本无法正常启动，已经恢复为原来的版本。\n\n请稍后再进行升级操作。";
}

std::wstring UpgradeNotInstalledText() {
  return L"新版本没有安装成功，已经恢复为原来的版本。\n\n请稍后再进行升级操作。";
}

std::wstring DefaultTarget(std::wstring_view address, std::wstring_view applicationFolder) {
  std::wstring path(address);
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return std::wstring(applicationFolder) + path.substr(path.rfind(L'\\') + 1);
}

std::wstring UpdaterArguments(std::wstring_view applicationFile, std::wstring_view parameters) {
  return std::wstring(applicationFile) + L" +" + std::wstring(parameters);
}
