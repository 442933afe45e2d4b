#ifndef OSTREL_UPGRADE_CONTROLLER_UL_LANGUAGE_H_
#define OSTREL_UPGRADE_CONTROLLER_UL_LANGUAGE_H_

// The language of the upgrade component's messages and its string table: language n (wlEnglish
// is 1) holds its rows 0 to 30 at 61000 + 50 × (n − 1) + row. The base is one value for the
// whole process. Free of <windows.h> (also built natively, tests/native): the caller reads the
// system's language.

#include <cstdint>
#include <string_view>

enum TulUplinerLanguage : int {
  wlAuto,
  wlEnglish,
  wlRussian,
  wlGerman,
  wlFrench,
  wlSpanish,
  wlItalian,
  wlPortuguese,
  wlPortugueseBrazilian,
  wlDutch,
  wlDanish,
  wlSwedish,
  wlFinnish,
  wlEstonian,
  wlUkrainian,
  wlPolish,
  wlCzech,
  wlHungarian,
  wlRomanian,
  wlCatalan,
  wlBasque,
  wlAfrikaans,
  wlIndonesian,
  wlMalay,
  wlIcelandic,
  wlTurkish,
  wlChineseSimplified,
  wlChineseTraditional,
  wlNorwegian,
  wlSlovak,
};

// Rows of the string table that the controller shows.
inline constexpr int kRowNoUpdateAvailable = 24;
inline constexpr int kRowNoInfoFile = 25;
inline constexpr int kRowConnLost = 30;

inline constexpr int kStringTableFirst = 61000;
inline constexpr int kStringTableRows = 31;
inline constexpr int kStringTableBlock = 50;

// The language of a Windows language identifier (primary language in the low 10 bits, the
// sublanguage above); English when the table has none for it.
TulUplinerLanguage LanguageOfLangId(uint16_t langId);
// wlAuto counts as English.
int MessageBaseOf(TulUplinerLanguage language);

// The string table's text of `id`; empty for an identifier it has no text for.
std::wstring_view StringTableText(int id);

// The process's base, English's until set.
int MessageBase();
void SetMessageBase(int base);
// The row of the process's language; empty for a row outside 0 to 30.
std::wstring_view UplinerMessage(int row);

#endif  // OSTREL_UPGRADE_CONTROLLER_UL_LANGUAGE_H_
