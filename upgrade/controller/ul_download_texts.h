#ifndef OSTREL_UPGRADE_CONTROLLER_UL_DOWNLOAD_TEXTS_H_
#define OSTREL_UPGRADE_CONTROLLER_UL_DOWNLOAD_TEXTS_H_

// What the upgrade computes and shows: the whole job's percentage, the progress window's lines,
// the messages of the controller (the string table's are in ul_language.h), the default target
// of an address and the updater's command line. Free of <windows.h>.

#include <cstdint>
#include <string>
#include <string_view>

// round(index × 100 / count) + percentsDone div count, as a byte.
uint8_t TotalPercentsDone(int index, int count, uint8_t percentsDone);

// "当前正在下载:" + (index + 1) + " of " + count.
std::wstring AllDownloadingText(int index, int count);
// "传输速率:%.1f Kb/s".
std::wstring TransferRateText(float kilobytesPerSecond);
// "估计剩余时间:" + h + ":" + m + ":" + s, without leading zeros.
std::wstring EstimatedTimeText(int64_t seconds);
// "文档" + name + "找不到或者发生错误，\n\n您要忽略这个文档并且继续升级操作吗？"
std::wstring LostFileText(std::wstring_view fileName);
// A downloaded file that is not the one the info file vouches for: nothing is installed.
std::wstring RefusedFileText(std::wstring_view fileName);
// Everything was downloaded, but the updater could not be written or started.
std::wstring UpdaterNotStartedText();
// The update host could not be reached. (It is asked over HTTPS; the message has always named
// it with "http://".)
std::wstring HostUnreachableText(std::wstring_view host);
// After the updater put an upgrade back: the new version did not start, or a file could not be
// installed.
std::wstring NewVersionNotStartedText();
std::wstring UpgradeNotInstalledText();

// A file listed without target goes to the application folder (ending in "\") under the last
// part of its address.
std::wstring DefaultTarget(std::wstring_view address, std::wstring_view applicationFolder);

// The updater's arguments: application + " +" + parameters, unquoted (the updater cuts them at
// the "+").
std::wstring UpdaterArguments(std::wstring_view applicationFile, std::wstring_view parameters);

#endif  // OSTREL_UPGRADE_CONTROLLER_UL_DOWNLOAD_TEXTS_H_
