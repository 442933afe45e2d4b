#include "upgrade/support/ul_string_list.h"

#include <algorithm>

namespace {

wchar_t FoldAscii(wchar_t c) { return c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c; }

}  // namespace

int CompareTextOrdinal(std::wstring_view a, std::wstring_view b, bool ignoreCase) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const wchar_t x = ignoreCase ? FoldAscii(a[i]) : a[i];
    const wchar_t y = ignoreCase ? FoldAscii(b[i]) : b[i];
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// ---- The list ----

void TulStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EStringListError("List index out of bounds");
}

const std::wstring& TulStringList::Strings(int index) const {
  CheckIndex(index);
  return FItems[index].Text;
}

void TulStringList::SetStrings(int index, std::wstring_view value) {
  CheckIndex(index);
  if (FSorted) throw EStringListError("Operation not allowed on sorted list");
  FItems[index].Text = value;
}

const std::shared_ptr<void>& TulStringList::Objects(int index) const {
  CheckIndex(index);
  return FItems[index].Object;
}

void TulStringList::SetObjects(int index, std::shared_ptr<void> object) {
  CheckIndex(index);
  FItems[index].Object = std::move(object);
}

int TulStringList::Compare(std::wstring_view a, std::wstring_view b) const {
  return FCompare(a, b, !FCaseSensitive);
}

bool TulStringList::Find(std::wstring_view value, int& index) const {
  const auto at = std::lower_bound(
      FItems.begin(), FItems.end(), value,
      [this](const TItem& item, std::wstring_view text) { return Compare(item.Text, text) < 0; });
  index = static_cast<int>(at - FItems.begin());
  return at != FItems.end() && Compare(at->Text, value) == 0;
}

int TulStringList::IndexOf(std::wstring_view value) const {
  if (int index; FSorted) return Find(value, index) ? index : -1;
  // Unsorted lists are searched through: an equal string is found wherever it is.
  for (int i = 0; i < Count(); ++i) {
    if (Compare(FItems[i].Text, value) == 0) return i;
  }
  return -1;
}

int TulStringList::Add(std::wstring_view value) { return AddObject(value, nullptr); }

int TulStringList::AddObject(std::wstring_view value, std::shared_ptr<void> object) {
  if (FMaxSize <= 0) return -1;
  if (FDuplicates != dupAccept) {
    if (const int found = IndexOf(value); found >= 0) {
      if (FDuplicates == dupError) throw EStringListError("String list does not allow duplicates");
      return found;
    }
  }
  // A smaller limit set later is reached again at once.
  while (Count() >= FMaxSize) DeleteFirstItem();
  int index = Count();
  if (FSorted) Find(value, index);
  FItems.insert(FItems.begin() + index, TItem{std::wstring(value), std::move(object)});
  return index;
}

void TulStringList::Delete(int index) {
  CheckIndex(index);
  FItems.erase(FItems.begin() + index);
}

void TulStringList::Sort() {
  std::stable_sort(FItems.begin(), FItems.end(),
                   [this](const TItem& a, const TItem& b) { return Compare(a.Text, b.Text) < 0; });
}

void TulStringList::SetSorted(bool sorted) {
  if (sorted && !FSorted) Sort();
  FSorted = sorted;
}

void TulStringList::SetCaseSensitive(bool caseSensitive) {
  FCaseSensitive = caseSensitive;
  if (FSorted) Sort();
}

// ---- Names and values ----

size_t TulStringList::SeparatorAt(std::wstring_view text) const {
  if (FNVSeparator.empty()) return std::wstring_view::npos;
  return FNVSeparatorMainSide == nvsRight ? text.rfind(FNVSeparator) : text.find(FNVSeparator);
}

std::wstring TulStringList::GetName(int index) const {
  const std::wstring& text = Strings(index);
  return text.substr(0, SeparatorAt(text));
}

std::wstring TulStringList::GetValue(int index) const {
  const std::wstring& text = Strings(index);
  const size_t at = SeparatorAt(text);
  return at == std::wstring::npos ? std::wstring() : text.substr(at + FNVSeparator.size());
}

void TulStringList::SetName(int index, std::wstring_view name) {
  if (SeparatorAt(Strings(index)) == std::wstring::npos) return;
  SetStrings(index, std::wstring(name) + FNVSeparator + GetValue(index));
}

void TulStringList::SetValue(int index, std::wstring_view value) {
  if (SeparatorAt(Strings(index)) == std::wstring::npos) return;
  SetStrings(index, GetName(index) + FNVSeparator + std::wstring(value));
}

int TulStringList::IndexOfPart(bool name, std::wstring_view text, bool ignoreCase,
                               bool whole) const {
  for (int i = 0; i < Count(); ++i) {
    const std::wstring part = name ? GetName(i) : GetValue(i);
    if (whole) {
      if (FCompare(part, text, ignoreCase) == 0) return i;
      continue;
    }
    // Containment through the list's comparison, window by window, so that case is ignored
    // as the comparison ignores it.
    for (size_t at = 0; at + text.size() <= part.size(); ++at) {
      if (FCompare(std::wstring_view(part).substr(at, text.size()), text, ignoreCase) == 0) {
        return i;
      }
    }
  }
  return -1;
}

int TulStringList::IndexOfName(std::wstring_view text, bool ignoreCase) const {
  return IndexOfPart(true, text, ignoreCase, true);
}

int TulStringList::IndexOfValue(std::wstring_view text, bool ignoreCase) const {
  return IndexOfPart(false, text, ignoreCase, true);
}

int TulStringList::IndexOfNamePart(std::wstring_view text, bool ignoreCase) const {
  return IndexOfPart(true, text, ignoreCase, false);
}

int TulStringList::IndexOfValuePart(std::wstring_view text, bool ignoreCase) const {
  return IndexOfPart(false, text, ignoreCase, false);
}

// ---- Taking entries out ----

void TulStringList::DeleteFirstItem() {
  if (!FItems.empty()) FItems.erase(FItems.begin());
}

std::wstring TulStringList::GetFIFO() {
  if (FItems.empty()) return {};
  return GetAndDeleteItem(0);
}

std::wstring TulStringList::GetAndDeleteItem(int index) {
  std::wstring text = Strings(index);
  Delete(index);
  return text;
}

std::wstring TulStringList::ValuesText() const {
  std::wstring text;
  for (int i = 0; i < Count(); ++i) {
    if (std::wstring value = GetValue(i); !value.empty()) text += value + L"\r\n";
  }
  return text;
}
