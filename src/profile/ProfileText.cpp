#include "ProfileText.h"

namespace v72 {

namespace {
bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
}  // namespace

std::size_t SafeCutLength(std::u16string_view text, std::size_t maxUnits) {
  if (text.size() <= maxUnits) return text.size();
  std::size_t n = maxUnits;
  // Cutting right after a high surrogate would leave half a character behind.
  if (n > 0 && IsHighSurrogate(text[n - 1])) --n;
  return n;
}

std::u16string FieldText(std::u16string_view text, std::size_t maxUnits) {
  const std::size_t zero = text.find(u'\0');
  if (zero != std::u16string_view::npos) text = text.substr(0, zero);
  return std::u16string(text.substr(0, SafeCutLength(text, maxUnits)));
}

}  // namespace v72
