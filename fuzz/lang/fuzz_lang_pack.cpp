// Language pack reader: no crash, leak or undefined behaviour on any bytes, and every text it
// finds is what a lookup may hand out: not empty, at most 511 units, whole surrogate pairs.
// The first byte picks a head put before the rest, so that most runs reach the section.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

#include "Language.h"
#include "PackReader.h"

namespace {

void Check(const std::u16string& text) {
  if (text.empty() || text.size() > v72::MaxPackTextUnits) std::abort();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (u >= 0xD800 && u <= 0xDBFF) {
      if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) std::abort();
      ++i;
    } else if (u >= 0xDC00 && u <= 0xDFFF) {
      std::abort();
    }
  }
  (void)v72::ParseLanguageId(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::uint8_t> heads[] = {
      {},
      {'[', 'L', 'N', 'G', ']', '\n'},
      {0xEF, 0xBB, 0xBF, '[', 'l', 'n', 'g', ']', '\r', '\n'},
      {0xFF, 0xFE, '[', 0, 'L', 0, 'N', 0, 'G', 0, ']', 0, '\r', 0, '\n', 0},
  };
  if (size == 0) return 0;
  std::vector<std::uint8_t> bytes = heads[data[0] % 4];
  bytes.insert(bytes.end(), data + 1, data + size);

  const std::optional<v72::LanguagePack> pack = v72::ParseLanguagePack(bytes);
  if (pack.has_value() != v72::DecodePackText(bytes).has_value()) std::abort();
  if (!pack) return 0;
  for (std::int64_t n = -1; n <= 1100; ++n) {
    if (const std::u16string* text = pack->Find(n)) Check(*text);
  }
  return 0;
}
