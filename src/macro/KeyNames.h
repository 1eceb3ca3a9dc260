#pragma once
// Display names of keys, from a set-1 scan code and its extended (E0) flag.

#include <cstdint>
#include <string>

namespace v72 {

// Where key names come from. The built-in source knows a US keyboard; a source that
// follows the user's keyboard layout can take its place.
class KeyNameSource {
 public:
  virtual ~KeyNameSource() = default;
  // The key's name, or an empty text for a scan code the source does not know.
  virtual std::u16string KeyName(std::uint8_t scan, bool extended) const = 0;
};

// Names as a user of a US keyboard knows them ("A", "Enter", "Num Enter", "Right Shift").
// Every scan code that decodes to a key has a name, and no two keys share one.
class UsKeyNameSource final : public KeyNameSource {
 public:
  std::u16string KeyName(std::uint8_t scan, bool extended) const override;
};

const KeyNameSource& UsKeyNames();

}  // namespace v72
