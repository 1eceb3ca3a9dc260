// Skin description reader: no crash, leak or undefined behaviour on any bytes, and every
// section it reports can be asked for its values.

#include <cstddef>
#include <cstdint>
#include <span>

#include "SkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const v72::SkinData skin = v72::SkinData::Parse(std::span(data, size));
  for (const char* name : {"form", "gauge", "button_k1", ""})
    (void)skin.Value(QString::fromLatin1(name), QStringLiteral("background")).size();
  return 0;
}
