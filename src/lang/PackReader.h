#pragma once
// The language pack file, UILANG.lng: INI text whose section "LNG" maps text numbers (keys in
// decimal) to texts. Read the way the platform's private-profile reader reads it: section and
// key names case-insensitive, blanks around names and values dropped, ';' starts a comment
// line, one pair of matching quotes around a value dropped, the first section "LNG" and the
// first occurrence of a key count.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>

#include <QString>

namespace v72 {

// The lookup buffer holds 512 units with its terminating zero.
inline constexpr std::size_t MaxPackTextUnits = 511;
// Keys are written with up to 9 digits.
inline constexpr std::int64_t MaxTextNumber = 999'999'999;
// Far above any real pack; keeps a stray huge file from being read into memory.
inline constexpr std::int64_t MaxPackFileBytes = 16 * 1024 * 1024;

class LanguagePack {
 public:
  // The text of `number`; null when the pack has none. An empty value counts as none.
  const std::u16string* Find(std::int64_t number) const;
  bool Empty() const { return texts_.empty(); }

  // Called by the reader for every key of the section, in file order: the first wins.
  void Add(std::uint32_t number, std::u16string text);

 private:
  std::unordered_map<std::uint32_t, std::u16string> texts_;
};

// The file's bytes as text: UTF-16LE after an FF FE mark, UTF-8 after an EF BB BF mark or when
// the bytes are valid UTF-8, otherwise Latin-1. Nothing when they are not text: an odd number
// of UTF-16 bytes, an unpaired surrogate, invalid UTF-8 after its mark, or a control character
// other than tab, line and page breaks and ^Z (a zero byte above all).
std::optional<QString> DecodePackText(std::span<const std::uint8_t> bytes);

// The texts of the pack in `bytes`; nothing when the bytes are not text.
std::optional<LanguagePack> ParseLanguagePack(std::span<const std::uint8_t> bytes);

// Reads and parses the regular file at `path`; nothing when it cannot be read, is larger than
// MaxPackFileBytes or is not text.
std::optional<LanguagePack> ReadLanguagePack(const QString& path);

}  // namespace v72
