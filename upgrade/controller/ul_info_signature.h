#ifndef OSTREL_UPGRADE_CONTROLLER_UL_INFO_SIGNATURE_H_
#define OSTREL_UPGRADE_CONTROLLER_UL_INFO_SIGNATURE_H_

// What vouches for an info file: its last line "#signature=<Base64 of r and s>", an ECDSA P-256
// signature over every byte before that line, and beside each address key the SHA-256 of its
// file as 64 hex digits under the same number ("#url2=" ... "#sha2562=" ...). Versions that know
// nothing of them look up their own keys only and so read such a file as before. Free of
// <windows.h> (also built natively, tests/native).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "upgrade/support/ul_crypto.h"

struct TulSignedInfo {
  std::string_view Signed;  // every byte before the signature line, its line break included
  TulP256Signature Signature;
};
// Nothing unless the last line that holds anything is a signature line; blanks around it and
// line breaks after it do not count. Signed points into `bytes`.
std::optional<TulSignedInfo> SplitSignedInfo(std::string_view bytes);
// The signed part as text to read: its lines end in CR LF whether they were written with LF or
// with CR LF, so a publisher's line ends change no value (the last two characters of the text,
// its final line break, never belong to one).
std::string SignedInfoText(std::string_view signedPart);

// Two hex digits a byte, either case; nothing for anything else.
std::optional<TulSha256> ParseSha256(std::wstring_view text);
std::optional<TulP256Key> ParseP256Key(std::wstring_view text);

// A build trusts this many keys at most: while a key is replaced, the old one and the new one.
inline constexpr size_t kMostTrustedKeys = 4;
// Keys separated by ";"; none for an empty text; nothing when any is malformed or there are too
// many.
std::optional<std::vector<TulP256Key>> ParseP256Keys(std::wstring_view text);

#endif  // OSTREL_UPGRADE_CONTROLLER_UL_INFO_SIGNATURE_H_
