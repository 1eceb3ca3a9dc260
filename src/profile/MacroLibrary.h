#pragma once
// The named macros of a profile, in order: AssignCode 10 + i refers to entry i.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "KeyProfile.h"

namespace v72 {

struct MacroEntry {
  std::u16string name;   // at most MaxTextUnits units
  KeyAction body{};      // a key action in macro layout

  bool operator==(const MacroEntry&) const = default;
};

class MacroLibrary {
 public:
  std::size_t Count() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }
  const MacroEntry& At(std::size_t i) const { return entries_.at(i); }
  const std::vector<MacroEntry>& Entries() const { return entries_; }

  // The name is cut to what a text field holds.
  void Append(std::u16string_view name, const KeyAction& body);
  // Appends entries whose names already fit a text field (as the file reader produces them).
  void AppendAll(std::vector<MacroEntry>&& entries);
  void RemoveAt(std::size_t i);
  void Clear() { entries_.clear(); }

  bool operator==(const MacroLibrary&) const = default;

 private:
  std::vector<MacroEntry> entries_;
};

}  // namespace v72
