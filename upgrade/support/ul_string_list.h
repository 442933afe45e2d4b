#ifndef OSTREL_UPGRADE_SUPPORT_UL_STRING_LIST_H_
#define OSTREL_UPGRADE_SUPPORT_UL_STRING_LIST_H_

// TulStringList: a list of strings, each with an optional object, that can keep itself sorted
// and refuse duplicates, with name/value access ("address=path") and a size limit. It serves as
// the download queue. Free of <windows.h> (also built natively, tests/native); the comparison
// is handed in (CompareTextLocale in ul_utils.h compares as the user's locale does).
//
// Objects are shared: the list holds one reference to each, so deleting an entry or clearing
// the list frees the objects nobody else holds.

#include <climits>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// <0, 0 or >0 as a sorts before, with or after b.
using TulCompareText = int (*)(std::wstring_view a, std::wstring_view b, bool ignoreCase);
// Code unit order; ignoring case folds A-Z only.
int CompareTextOrdinal(std::wstring_view a, std::wstring_view b, bool ignoreCase);

enum TDuplicates : int { dupIgnore, dupAccept, dupError };
enum TulStringListNVSeparatorSide : int {
  nvsLeft,   // the name ends at the first separator
  nvsRight,  // at the last one ("http://host/get?a=1=C:\x" → "http://host/get?a=1", "C:\x")
};

// A bad index, or a duplicate where duplicates are an error.
class EStringListError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TulStringList {
 public:
  explicit TulStringList(TulCompareText compare = CompareTextOrdinal) : FCompare(compare) {}

  // ---- The list ----
  int Count() const { return static_cast<int>(FItems.size()); }
  const std::wstring& Strings(int index) const;
  void SetStrings(int index, std::wstring_view value);  // not in a sorted list
  const std::shared_ptr<void>& Objects(int index) const;
  void SetObjects(int index, std::shared_ptr<void> object);
  // Nothing is added when MaxSize is 0. An equal string already there is kept instead
  // (dupIgnore, its index returned) or refused (dupError). A full list first loses its first
  // entry. The string goes at the end, or at its place in a sorted list. Returns its index, -1
  // when nothing was added.
  int Add(std::wstring_view value);
  int AddObject(std::wstring_view value, std::shared_ptr<void> object);
  void Delete(int index);
  void Clear() { FItems.clear(); }
  // The index of an equal string (binary search in a sorted list, else from the start), -1.
  int IndexOf(std::wstring_view value) const;

  bool Sorted() const { return FSorted; }
  void SetSorted(bool sorted);
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool caseSensitive);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates duplicates) { FDuplicates = duplicates; }
  int MaxSize() const { return FMaxSize; }
  void SetMaxSize(int maxSize) { FMaxSize = maxSize; }

  // ---- Names and values ----
  const std::wstring& NVSeparator() const { return FNVSeparator; }
  void SetNVSeparator(std::wstring_view separator) { FNVSeparator = separator; }
  TulStringListNVSeparatorSide NVSeparatorMainSide() const { return FNVSeparatorMainSide; }
  void SetNVSeparatorMainSide(TulStringListNVSeparatorSide side) { FNVSeparatorMainSide = side; }
  // Without a separator the name is the whole entry and the value empty.
  std::wstring GetName(int index) const;
  std::wstring GetValue(int index) const;
  // Rebuild the entry as name + separator + value; an entry without separator stays as it is.
  void SetName(int index, std::wstring_view name);
  void SetValue(int index, std::wstring_view value);
  // The first entry whose name (value) equals, or contains, `text`; -1 when none.
  int IndexOfName(std::wstring_view text, bool ignoreCase) const;
  int IndexOfValue(std::wstring_view text, bool ignoreCase) const;
  int IndexOfNamePart(std::wstring_view text, bool ignoreCase) const;
  int IndexOfValuePart(std::wstring_view text, bool ignoreCase) const;

  // ---- Taking entries out ----
  void DeleteFirstItem();
  std::wstring GetFIFO();  // the first entry, removed; empty when the list is
  std::wstring GetAndDeleteItem(int index);

  // The non-empty values in order, each followed by CR LF.
  std::wstring ValuesText() const;
  // Writes ValuesText in the system's 8-bit code page (ul_utils.cpp), replacing the file; with
  // no value nothing is written. False when the file cannot be written.
  [[nodiscard]] bool WriteValuesToFile(std::wstring_view fileName) const;

 private:
  struct TItem {
    std::wstring Text;
    std::shared_ptr<void> Object;
  };
  void CheckIndex(int index) const;
  int Compare(std::wstring_view a, std::wstring_view b) const;
  // Sorted lists: whether an equal string is there; `index` is its (first) place or the place
  // for it.
  bool Find(std::wstring_view value, int& index) const;
  void Sort();
  // Where the name of `text` ends and its value begins; npos without separator.
  size_t SeparatorAt(std::wstring_view text) const;
  int IndexOfPart(bool name, std::wstring_view text, bool ignoreCase, bool whole) const;

  std::vector<TItem> FItems;
  TulCompareText FCompare;
  bool FSorted = false;
  bool FCaseSensitive = false;
  TDuplicates FDuplicates = dupIgnore;
  int FMaxSize = INT_MAX;
  std::wstring FNVSeparator = L"=";
  TulStringListNVSeparatorSide FNVSeparatorMainSide = nvsLeft;
};

#endif  // OSTREL_UPGRADE_SUPPORT_UL_STRING_LIST_H_
