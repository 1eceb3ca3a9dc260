// V72_KEYPAD: auto (or unset), hid, hid:VVVV:PPPP, sim:PATH, log:PATH.

#include <cstdlib>
#include <string_view>

#include "Transport.h"

namespace v72::transfer {

namespace {

bool ParseHex16(std::string_view s, std::uint16_t& out) {
  if (s.empty() || s.size() > 4) return false;
  unsigned v = 0;
  for (char c : s) {
    v <<= 4;
    if (c >= '0' && c <= '9') v |= static_cast<unsigned>(c - '0');
    else if (c >= 'a' && c <= 'f') v |= static_cast<unsigned>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F') v |= static_cast<unsigned>(c - 'A' + 10);
    else return false;
  }
  out = static_cast<std::uint16_t>(v);
  return true;
}

std::string NotUnderstood(std::string_view value) {
  return "V72_KEYPAD=\"" + std::string(value) +
         "\" is not understood; use auto, hid, hid:VVVV:PPPP (hex ids), sim:PATH or log:PATH";
}

}  // namespace

Opened OpenTransport(const char* valueText) {
  const std::string_view value = valueText ? valueText : "";
  bool found = false;

  if (value.empty() || value == "auto") {
    Opened hid = OpenHidKeypad(false, 0, 0, found);
    // A keypad that is there but cannot be opened is an error, not a reason to pretend.
    if (hid.transport || found) return hid;
    return OpenSimulatedKeypad(DefaultSimulatedKeypadPath());
  }
  if (value == "hid") return OpenHidKeypad(false, 0, 0, found);
  if (value.starts_with("hid:")) {
    const std::string_view ids = value.substr(4);
    const std::size_t colon = ids.find(':');
    std::uint16_t vendor = 0, product = 0;
    if (colon == std::string_view::npos || !ParseHex16(ids.substr(0, colon), vendor) ||
        !ParseHex16(ids.substr(colon + 1), product))
      return {nullptr, NotUnderstood(value)};
    return OpenHidKeypad(true, vendor, product, found);
  }
  // A form without its path is a value not understood, like any other.
  if ((value.starts_with("sim:") || value.starts_with("log:")) && value.size() == 4) return {nullptr, NotUnderstood(value)};
  if (value.starts_with("sim:")) return OpenSimulatedKeypad(std::string(value.substr(4)));
  if (value.starts_with("log:")) return OpenReportLog(std::string(value.substr(4)));
  return {nullptr, NotUnderstood(value)};
}

}  // namespace v72::transfer
