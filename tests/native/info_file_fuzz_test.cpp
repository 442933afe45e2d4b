// 100,000 random and mutated info files: reading them must neither crash nor hang, and what
// comes out stays within what went in.

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "upgrade/controller/ul_info_file.h"

namespace {

const std::vector<std::wstring> kSeeds{
    L"#version=1.1.2.2\r\n#date=10/21/2026\r\n#url=http://h/a.exe\r\n#url2=http://h/b.dll=b.dll\r\n"
    L"#message={New\r\nversion}\r\n#method=0\r\n",
    L"#url1=A\r\n#url2=B\r\n#url4=C\r\n#VERSION=2.0\tx\r\n",
    L"#url0=A\r\n#url1=B\r\n#version=1.1.2.1b",
};
// Pieces the mutations insert: the syntax of the format, numbers and awkward characters.
const std::vector<std::wstring> kPieces{
    L"#url",       L"#URL0=",   L"#url1=", L"#url2=", L"#url3=", L"#version=", L"#date=",
    L"#message={", L"#method=", L"=",      L"{",      L"}",      L"\r\n",      L"\r",
    L"\n",         L"\t",       L".",      L"/",      L"0",      L"9",         L"4294967296",
    L"12/31/9999", L"\x00",     L"\x7f",   L"\xe4",   L"\x4e2d", L"\xfeff",    L"\xd800"};

std::wstring Mutated(std::wstring text, std::mt19937& random) {
  const int steps = std::uniform_int_distribution<int>(1, 8)(random);
  for (int step = 0; step < steps; ++step) {
    const size_t at = std::uniform_int_distribution<size_t>(0, text.size())(random);
    switch (std::uniform_int_distribution<int>(0, 3)(random)) {
      case 0: {
        const std::wstring& piece =
            kPieces[std::uniform_int_distribution<size_t>(0, kPieces.size() - 1)(random)];
        text.insert(at, piece.empty() ? std::wstring(1, L'\0') : piece);
        break;
      }
      case 1:
        text.erase(at, std::uniform_int_distribution<size_t>(0, 12)(random));
        break;
      case 2:
        text.insert(at, text.substr(at, std::uniform_int_distribution<size_t>(0, 40)(random)));
        break;
      default:
        text.resize(at);
    }
  }
  return text;
}

std::wstring Random(std::mt19937& random) {
  std::wstring text(std::uniform_int_distribution<size_t>(0, 64)(random), L' ');
  for (wchar_t& c : text)
    c = static_cast<wchar_t>(std::uniform_int_distribution<int>(0, 0x7f)(random));
  return Mutated(std::move(text), random);
}

TEST(TulInfoFileFuzz, RandomAndMutatedFilesAreReadSafely) {
  std::mt19937 random(20261209);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(3);
  TulStringList queue;
  const TulDateTimeParts today{2026, 12, 9};
  for (int round = 0; round < 100000; ++round) {
    const std::wstring text =
        round % 2 ? Random(random) : Mutated(kSeeds[round % kSeeds.size()], random);
    const TulInfoText info(text);
    for (const wchar_t* key : {L"#version", L"#date", L"#url", L"#method"}) {
      EXPECT_LE(info.Value(key).size(), text.size());
    }
    EXPECT_LE(info.BracedValue(L"#message").size(), text.size());
    ReadUpgradeMethod(info);
    const bool byNumberOffer =
        OffersUpgrade(info, {byNumber, L"1.1.2.1", L"10/04/2026", today}, queue);
    EXPECT_LE(static_cast<size_t>(queue.Count()), text.size() / 6);
    EXPECT_TRUE(!byNumberOffer || queue.Count() > 0);
    OffersUpgrade(info, {byDate, L"1.1.2.1", L"10/04/2026", today}, queue);
    if (HasFailure() || std::chrono::steady_clock::now() > deadline) {
      ADD_FAILURE() << "round " << round << ", info file of " << text.size() << " characters";
      return;
    }
  }
}

}  // namespace
