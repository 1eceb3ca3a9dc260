#pragma once
// Texts of the profile live in fixed fields of 256 UTF-16 units with a terminating zero unit.

#include <cstddef>
#include <string>
#include <string_view>

namespace v72 {

inline constexpr std::size_t TextFieldUnits = 256;
inline constexpr std::size_t MaxTextUnits = TextFieldUnits - 1;

// The text as a field can hold it: up to its first zero unit, at most `maxUnits` units,
// never ending in the first half of a surrogate pair.
std::u16string FieldText(std::u16string_view text, std::size_t maxUnits = MaxTextUnits);

// Where to cut `text` to at most `maxUnits` units without splitting a surrogate pair.
std::size_t SafeCutLength(std::u16string_view text, std::size_t maxUnits);

}  // namespace v72
