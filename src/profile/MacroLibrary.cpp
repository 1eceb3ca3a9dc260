#include "MacroLibrary.h"

#include <iterator>

#include "ProfileText.h"

namespace v72 {

void MacroLibrary::Append(std::u16string_view name, const KeyAction& body) {
  entries_.push_back(MacroEntry{FieldText(name), body});
}

void MacroLibrary::AppendAll(std::vector<MacroEntry>&& entries) {
  if (entries_.empty()) {
    entries_ = std::move(entries);
    return;
  }
  entries_.insert(entries_.end(), std::make_move_iterator(entries.begin()),
                  std::make_move_iterator(entries.end()));
}

void MacroLibrary::RemoveAt(std::size_t i) {
  if (i < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
}

}  // namespace v72
