#include "KeyCodes.h"

#include <initializer_list>

namespace v72 {

namespace {

constexpr std::uint32_t E0 = ExtendedScan;

constexpr KeyTable MakeUsageToScan() {
  KeyTable t{};
  auto fill = [&t](std::uint32_t usage, std::initializer_list<std::uint32_t> scans) {
    for (std::uint32_t s : scans) t[usage++] = s;
  };
  fill(0x01, {0xFF, 0xFC});
  fill(0x04, {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,
              0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C});
  fill(0x1E, {0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B});
  fill(0x28, {0x1C, 0x01, 0x0E, 0x0F, 0x39, 0x0C, 0x0D, 0x1A, 0x1B, 0x2B, 0x2B, 0x27, 0x28, 0x29,
              0x33, 0x34, 0x35});
  fill(0x39, {0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44, 0x57, 0x58});
  fill(0x46, {E0 | 0x37, 0x46, E0 | 0x46, E0 | 0x52, E0 | 0x47, E0 | 0x49, E0 | 0x53, E0 | 0x4F,
              E0 | 0x51, E0 | 0x4D, E0 | 0x4B, E0 | 0x50, E0 | 0x48});
  fill(0x53, {E0 | 0x45, E0 | 0x35, 0x37, 0x4A, 0x4E, E0 | 0x1C, 0x4F, 0x50, 0x51, 0x4B, 0x4C, 0x4D,
              0x47, 0x48, 0x49, 0x52, 0x53});
  fill(0x64, {0x56, E0 | 0x5D});
  fill(0x67, {0x59, 0x5D, 0x5E, 0x5F});
  fill(0x85, {0x7E});
  fill(0x87, {0x73, 0x70, 0x7D, 0x79, 0x7B, 0x5C});
  fill(0x90, {0xF2, 0xF1, 0x78, 0x77, 0x76});
  fill(0xE0, {0x1D, 0x2A, 0x38, E0 | 0x5B, E0 | 0x1D, 0x36, E0 | 0x38, E0 | 0x5C});
  return t;
}

constexpr std::array<KeyTable, 2> MakeScanToUsage(const KeyTable& usageToScan) {
  std::array<KeyTable, 2> t{};
  for (std::uint32_t usage = 1; usage < 256; ++usage) {
    const std::uint32_t entry = usageToScan[usage];
    if (entry != 0) t[IsExtendedScan(entry) ? 1 : 0][ScanByte(entry)] = usage;
  }
  t[0][0x2B] = 0x31;   // backslash and non-US hash share 2B; it reads as backslash
  t[0][0x45] = 0x48;   // Pause comes without E0 (E0 45 is Num Lock)
  t[0][0x54] = 0x46;   // Alt+Print Screen
  t[1][0x36] = 0xE5;   // Right Shift sent with E0
  t[1][0xF1] = 0x91;
  t[1][0xF2] = 0x90;
  return t;
}

constexpr KeyTable MakeUsageToCode() {
  KeyTable t{};
  for (std::uint32_t usage = 0x04; usage <= 0x65; ++usage) t[usage] = usage - 3;
  for (std::uint32_t usage = 0xE0; usage <= 0xE7; ++usage) t[usage] = usage - 0xE0 + 99;
  t[0x85] = 107;
  for (std::uint32_t usage = 0x87; usage <= 0x8B; ++usage) t[usage] = usage - 0x87 + 108;
  t[0x91] = 113;
  t[0x90] = 114;
  return t;
}

constexpr KeyTable MakeCodeToUsage(const KeyTable& usageToCode) {
  KeyTable t{};
  for (std::uint32_t usage = 1; usage < 256; ++usage)
    if (usageToCode[usage] != 0) t[usageToCode[usage]] = usage;
  return t;
}

constexpr KeyTable UsageToScanTable = MakeUsageToScan();
constexpr KeyTable UsageToCodeTable = MakeUsageToCode();

std::u16string CutName(std::u16string name) {
  if (name.size() > MaxKeyNameUnits) name.resize(MaxKeyNameUnits);
  return name;
}

}  // namespace

const KeyTable UsageToScan = UsageToScanTable;
const std::array<KeyTable, 2> ScanToUsage = MakeScanToUsage(UsageToScanTable);
const KeyTable UsageToCode = UsageToCodeTable;
const KeyTable CodeToUsage = MakeCodeToUsage(UsageToCodeTable);

KeyEvent DecodeKeyEvent(std::uint32_t virtualKey, std::uint32_t flags, const KeyNameSource& names) {
  KeyEvent ev;
  ev.virtualKey = virtualKey;
  ev.transition = static_cast<std::uint8_t>((flags >> 28) & 0x0C);
  ev.extended = (flags & KeystrokeExtendedBit) ? 1 : 0;
  ev.scanCode = static_cast<std::int32_t>((flags >> 16) & 0xFF);
  ev.usage = static_cast<std::int32_t>(ScanToUsage[ev.extended][static_cast<std::size_t>(ev.scanCode)]);

  // Named as plain Right Shift; the usage above stays that of E0 36.
  if (flags == 0x01360000u) flags = 0x00360000u;
  else if (flags == 0xC1360000u) flags = 0xC0360000u;
  ev.flags = flags;
  ev.name = CutName(names.KeyName(static_cast<std::uint8_t>((flags >> 16) & 0xFF),
                                  (flags & KeystrokeExtendedBit) != 0));
  ev.code = static_cast<std::uint8_t>(UsageToCode[static_cast<std::size_t>(ev.usage)] & 0xFF);
  return ev;
}

std::optional<std::u16string> KeyNameOfCode(std::uint8_t code, const KeyNameSource& names) {
  if (code > MaxKeyCode) return std::nullopt;
  const std::uint32_t scan = UsageToScan[CodeToUsage[code]];
  if (scan == 0) return std::nullopt;
  if (ScanByte(scan) == 0x37 && IsExtendedScan(scan)) return std::u16string(PrntScrnName);
  return CutName(names.KeyName(ScanByte(scan), IsExtendedScan(scan)));
}

}  // namespace v72
