// The real keypad through hidapi's hidraw backend: each report is one HID output report
// whose first byte, 3, is the report id.

#include <cerrno>
#include <cstring>
#include <cwchar>
#include <unistd.h>

#include <hidapi.h>

#include "Transport.h"

namespace v72::transfer {

namespace {

class HidKeypad : public Transport {
 public:
  HidKeypad(hid_device* device, std::string path) : device_(device), path_(std::move(path)) {}
  ~HidKeypad() override { hid_close(device_); }
  bool Send(const std::uint8_t* report) override {
    return hid_write(device_, report, ReportSize) == static_cast<int>(ReportSize);
  }
  std::string Target() const override { return "keypad " + path_; }

 private:
  hid_device* device_;
  std::string path_;
};

bool IsKeypad(const hid_device_info* d, bool byId, std::uint16_t vendor, std::uint16_t product) {
  if (byId) return d->vendor_id == vendor && d->product_id == product;
  return d->product_string && std::wcsstr(d->product_string, L"Veltrain 712");
}

}  // namespace

Opened OpenHidKeypad(bool byId, std::uint16_t vendor, std::uint16_t product, bool& found) {
  found = false;
  if (hid_init() != 0) return {nullptr, "The HID library could not be started"};
  // A keypad may show several interfaces under one name (keys, media keys, its vendor
  // channel); the reports belong on the vendor page, 0xFF00, when there is one.
  std::string path;
  bool vendorPage = false;
  hid_device_info* all = hid_enumerate(byId ? vendor : 0, byId ? product : 0);
  for (const hid_device_info* d = all; d; d = d->next) {
    if (!IsKeypad(d, byId, vendor, product) || !d->path) continue;
    if (path.empty() || (!vendorPage && d->usage_page == 0xFF00)) {
      path = d->path;
      vendorPage = d->usage_page == 0xFF00;
    }
  }
  hid_free_enumeration(all);
  if (path.empty()) return {nullptr, "No Veltrain 712 keypad found"};
  found = true;

  if (::access(path.c_str(), R_OK | W_OK) != 0 && errno == EACCES)
    return {nullptr, "The Veltrain 712 keypad at " + path +
                         " cannot be opened: permission denied. Install the udev rule " + UdevRuleName +
                         " (see the README), then unplug the keypad and plug it in again."};
  hid_device* device = hid_open_path(path.c_str());
  if (!device) {
    const wchar_t* why = hid_error(nullptr);
    std::string reason;
    for (const wchar_t* w = why; w && *w; ++w) reason += static_cast<char>(*w < 128 ? *w : '?');
    return {nullptr, "The Veltrain 712 keypad at " + path + " cannot be opened" +
                         (reason.empty() ? std::string() : ": " + reason)};
  }
  return {std::make_unique<HidKeypad>(device, path), {}};
}

}  // namespace v72::transfer
