#pragma once
// Where the transfer library's reports go: the real keypad, a simulated one, or a log.
// Chosen once, from the environment variable V72_KEYPAD.

#include <cstdint>
#include <memory>
#include <string>

namespace v72::transfer {

inline constexpr std::size_t ReportSize = 7;
inline constexpr std::size_t KeypadMemorySize = 768;
inline constexpr char KeypadProduct[] = "Veltrain 712";
inline constexpr char UdevRuleName[] = "70-veltrain712.rules";

class Transport {
 public:
  virtual ~Transport() = default;
  // One 7-byte report (3, address low, address high, 4 data bytes); true when delivered.
  virtual bool Send(const std::uint8_t* report) = 0;
  // What the user is told the download writes to.
  virtual std::string Target() const = 0;
};

struct Opened {
  std::unique_ptr<Transport> transport;   // null on failure
  std::string error;                      // why, for the user
};

// `value` is V72_KEYPAD's value (null or empty: auto).
Opened OpenTransport(const char* value);

// $XDG_STATE_HOME/veltrain712/keypad.bin, with the usual default for XDG_STATE_HOME.
std::string DefaultSimulatedKeypadPath();

Opened OpenSimulatedKeypad(const std::string& path);
Opened OpenReportLog(const std::string& path);

// The real keypad: the first HID device whose product contains "Veltrain 712", or the one
// with the given vendor and product id. `found` tells whether any matching device exists,
// so auto can tell "not plugged in" from "plugged in but cannot be opened".
Opened OpenHidKeypad(bool byId, std::uint16_t vendor, std::uint16_t product, bool& found);

}  // namespace v72::transfer
