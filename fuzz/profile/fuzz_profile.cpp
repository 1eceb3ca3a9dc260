// Profile reader: no crash, leak or undefined behaviour on any bytes, and whatever it
// accepts is written back and read again to the same profile. Built twice: with and
// without the macro library (the loader's form).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace v72;
  KeyProfile profile;
  std::vector<MacroEntry> macros;
  std::vector<MacroEntry>* keep = V72_FUZZ_KEEP_MACROS ? &macros : nullptr;
  if (!ParseProfile(std::span(data, size), profile, keep)) return 0;

  MacroLibrary library;
  library.AppendAll(std::move(macros));
  const QByteArray written = SerializeProfile(profile, library);
  KeyProfile again;
  std::vector<MacroEntry> macrosAgain;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(written.constData());
  if (!ParseProfile(std::span(bytes, static_cast<std::size_t>(written.size())), again, &macrosAgain)) std::abort();
  if (!(again == profile)) std::abort();
  if (!(macrosAgain == library.Entries())) std::abort();
  return 0;
}
