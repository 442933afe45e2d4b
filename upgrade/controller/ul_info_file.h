#ifndef OSTREL_UPGRADE_CONTROLLER_UL_INFO_FILE_H_
#define OSTREL_UPGRADE_CONTROLLER_UL_INFO_FILE_H_

// The info file the update server publishes, and what the controller reads from it. Free of
// <windows.h> (also built natively, tests/native): the body arrives already decoded from the
// 8-bit code page.
//
// The file is not read line by line: each key is looked up on its own, anywhere in the text and
// regardless of case ("#version=1.2", "#message={...}", "#url1=http://host/a.exe=C:\a.exe").

#include <string>
#include <string_view>

#include "upgrade/support/ul_crypto.h"
#include "upgrade/support/ul_date_time.h"
#include "upgrade/support/ul_string_list.h"

enum TzeUpgradeMethod : int { umSelfUpgrade, umUseExternalSetup, umRedirectToURL };
enum TulUplinerVersionControl : int { byDate, byNumber };

class TulInfoText {
 public:
  explicit TulInfoText(std::wstring text);

  // The value after the first "key=", up to the first control character; empty when the key
  // is absent. The text's last two characters (its final CR LF) never belong to a value.
  std::wstring Value(std::wstring_view key) const;
  // The value between the first "key={" and the next "}", line breaks included.
  std::wstring BracedValue(std::wstring_view key) const;

 private:
  // Where the value of `prefix` (lower-case) begins; npos when it is absent.
  size_t ValueStart(std::wstring_view prefix) const;

  std::wstring FText;
  std::wstring FLower;
  size_t FEnd;  // values end here at the latest
};

// Clears `queue` and fills it with the file entries: "#url", then "#url0", then, n being the
// entries queued so far, "#url" n+1, n+2, ... until the first absent one. The queue's own rule
// for duplicates applies. An entry's object is the SHA-256 its "#sha256" key of the same number
// gives, when that is well formed.
void ReadDownloadQueue(const TulInfoText& info, TulStringList& queue);
// The SHA-256 the info file gave for the queue's entry `index`; null when it gave none.
const TulSha256* QueuedSha256(const TulStringList& queue, int index);
// The address of the first entry without a SHA-256; empty when every entry has one.
std::wstring FirstEntryWithoutSha256(const TulStringList& queue);

// The first character of "#method": "1" an external setup, "2" the browser, else self-upgrade.
TzeUpgradeMethod ReadUpgradeMethod(const TulInfoText& info);

// What the application knows of its own version.
struct TulLocalVersion {
  TulUplinerVersionControl Control = byDate;
  std::wstring Number;
  std::wstring Date;     // "MM/DD/YYYY"
  TDateTimeParts Today;  // stands in for an unreadable date
};
// Reads the queue (ReadDownloadQueue); true when the server's "#version" or "#date" is newer
// and the queue is not empty.
bool OffersUpgrade(const TulInfoText& info, const TulLocalVersion& local, TulStringList& queue);

#endif  // OSTREL_UPGRADE_CONTROLLER_UL_INFO_FILE_H_
