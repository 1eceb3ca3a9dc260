#pragma once
// The .V72 profile file: a 128-byte header, the 45 slot records, then n macro names and
// n macro bodies. All values little-endian, all text UTF-16LE.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include <QByteArray>
#include <QString>

#include "KeyProfile.h"
#include "MacroLibrary.h"

namespace v72 {

class ProfileState;

inline constexpr std::size_t HeaderSize = 128;
inline constexpr std::size_t CountOffset = 8;
inline constexpr std::size_t CodesOffset = 32;
inline constexpr std::size_t SlotRecordSize = KeyActionSize + 512;   // 546
inline constexpr std::size_t NameRecordSize = 512;
inline constexpr std::size_t MacroRecordsSize = NameRecordSize + KeyActionSize;   // 546 per macro
inline constexpr std::size_t FixedPartSize = HeaderSize + SlotCount * SlotRecordSize;   // 24698
inline constexpr std::size_t MaxMacroCount = 0xFFFF;
inline constexpr char ProfileMagic[8] = {'.', 0, 'V', 0, '7', 0, '2', 0};

constexpr std::size_t ProfileFileSize(std::size_t macroCount) {
  return FixedPartSize + MacroRecordsSize * macroCount;
}

enum class ProfileFailure { OpenForWrite, OpenForRead, Unsupported };

// Which program's texts a failure is reported with.
enum class ProfileProgram { KeyCfgTool, Loader };

QString ProfileFailureText(ProfileFailure failure, ProfileProgram program);

// Failures reach the user through this; the core never shows a box itself.
class ProfileReporter {
 public:
  virtual ~ProfileReporter() = default;
  virtual void ReportProfileFailure(ProfileFailure failure, const QString& text) = 0;
};

// The file's bytes for a profile and its library. The library's size must fit 16 bits.
QByteArray SerializeProfile(const KeyProfile& profile, const MacroLibrary& library);

// Parses a whole file. Nothing in `profile` or `macros` changes unless the bytes are a
// complete profile file. With `macros` null the macro records are checked for length only.
bool ParseProfile(std::span<const std::uint8_t> bytes, KeyProfile& profile,
                  std::vector<MacroEntry>* macros);

// Reads the file at `path` into `profile` and appends its macros to `library` (skipped when
// `library` is null, as the loader does). All or nothing: on failure it reports and changes
// nothing.
bool ReadProfileFile(const QString& path, KeyProfile& profile, MacroLibrary* library,
                     ProfileProgram program, ProfileReporter& reporter);

// Writes through a temporary file renamed over `path`, so a failed save leaves the old
// file whole. Reports "File open for write failed" on any failure.
bool WriteProfileFile(const QString& path, const KeyProfile& profile, const MacroLibrary& library,
                      ProfileReporter& reporter);

// KeyCfgTool's forms: the path is the state's ProfileFileName. The caller empties the
// library before reading, as Open does.
bool ReadProfileFile(ProfileState& state, ProfileReporter& reporter);
bool WriteProfileFile(const ProfileState& state, ProfileReporter& reporter);

}  // namespace v72
