#include "ProfileFile.h"

#include <algorithm>
#include <cstring>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "ProfileState.h"
#include "ProfileText.h"

namespace v72 {

namespace {

std::uint16_t ReadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

void PutU16(char* p, std::uint16_t v) {
  p[0] = static_cast<char>(v & 0xFF);
  p[1] = static_cast<char>(v >> 8);
}

// A 256-unit text field: up to its zero unit; a field without one reads as its first
// MaxTextUnits units so the text always fits back with its terminator.
std::u16string ReadTextField(const std::uint8_t* p) {
  std::u16string text;
  for (std::size_t i = 0; i < TextFieldUnits; ++i) {
    const char16_t u = ReadU16(p + 2 * i);
    if (u == 0) return text;
    text.push_back(u);
  }
  text.resize(SafeCutLength(text, MaxTextUnits));
  return text;
}

// The text, cut to what the field holds, then zero units to the end of the field.
void PutTextField(char* p, std::u16string_view text) {
  if (const std::size_t zero = text.find(u'\0'); zero != std::u16string_view::npos)
    text = text.substr(0, zero);
  const std::size_t n = SafeCutLength(text, MaxTextUnits);
  for (std::size_t i = 0; i < n; ++i) PutU16(p + 2 * i, text[i]);
}

}  // namespace

QString ProfileFailureText(ProfileFailure failure, ProfileProgram program) {
  switch (failure) {
    case ProfileFailure::OpenForWrite:
      return QStringLiteral("File open for write failed");
    case ProfileFailure::OpenForRead:
      return program == ProfileProgram::Loader ? QStringLiteral(".V72 File open for read failed")
                                               : QStringLiteral("File open for read failed");
    case ProfileFailure::Unsupported:
      return QStringLiteral("Unsupported file");
  }
  return {};
}

namespace {

// Produces the file's bytes piece by piece, so a large library never needs a second
// whole-file buffer. `sink` returns false to stop.
template <typename Sink>
bool EmitProfile(const KeyProfile& profile, const MacroLibrary& library, Sink&& sink) {
  const std::size_t n = std::min(library.Count(), MaxMacroCount);
  QByteArray fixed(static_cast<qsizetype>(FixedPartSize), '\0');
  char* p = fixed.data();
  std::memcpy(p, ProfileMagic, sizeof ProfileMagic);
  PutU16(p + CountOffset, static_cast<std::uint16_t>(n));
  for (std::size_t j = 0; j < SlotCount; ++j)
    PutU16(p + CodesOffset + 2 * j, static_cast<std::uint16_t>(profile.AssignCode[j] & 0xFFFF));
  char* slot = p + HeaderSize;
  for (const KeySlot& s : profile.keySlots) {
    std::memcpy(slot, s.action.data(), KeyActionSize);
    PutTextField(slot + KeyActionSize, s.displayText);
    slot += SlotRecordSize;
  }
  if (!sink(fixed.constData(), fixed.size())) return false;

  constexpr std::size_t kChunk = 128;   // names per piece: 64 KiB
  QByteArray piece;
  for (std::size_t first = 0; first < n; first += kChunk) {
    const std::size_t count = std::min(kChunk, n - first);
    piece.fill('\0', static_cast<qsizetype>(count * NameRecordSize));
    for (std::size_t i = 0; i < count; ++i)
      PutTextField(piece.data() + i * NameRecordSize, library.At(first + i).name);
    if (!sink(piece.constData(), piece.size())) return false;
  }
  constexpr std::size_t kBodies = 2048;   // bodies per piece: 68 KiB
  for (std::size_t first = 0; first < n; first += kBodies) {
    const std::size_t count = std::min(kBodies, n - first);
    piece.resize(static_cast<qsizetype>(count * KeyActionSize));
    for (std::size_t i = 0; i < count; ++i)
      std::memcpy(piece.data() + i * KeyActionSize, library.At(first + i).body.data(), KeyActionSize);
    if (!sink(piece.constData(), piece.size())) return false;
  }
  return true;
}

}  // namespace

QByteArray SerializeProfile(const KeyProfile& profile, const MacroLibrary& library) {
  QByteArray out;
  out.reserve(static_cast<qsizetype>(ProfileFileSize(std::min(library.Count(), MaxMacroCount))));
  EmitProfile(profile, library, [&](const char* data, qsizetype size) {
    out.append(data, size);
    return true;
  });
  return out;
}

bool ParseProfile(std::span<const std::uint8_t> bytes, KeyProfile& profile,
                  std::vector<MacroEntry>* macros) {
  if (bytes.size() < HeaderSize || std::memcmp(bytes.data(), ProfileMagic, sizeof ProfileMagic) != 0)
    return false;
  const std::size_t n = ReadU16(bytes.data() + CountOffset);
  if (bytes.size() < ProfileFileSize(n)) return false;

  KeyProfile parsed;
  const std::uint8_t* p = bytes.data();
  for (std::size_t j = 0; j < SlotCount; ++j)
    parsed.AssignCode[j] = ReadU16(p + CodesOffset + 2 * j);
  const std::uint8_t* slot = p + HeaderSize;
  for (KeySlot& s : parsed.keySlots) {
    std::copy_n(slot, KeyActionSize, s.action.begin());
    s.displayText = ReadTextField(slot + KeyActionSize);
    slot += SlotRecordSize;
  }

  if (macros) {
    std::vector<MacroEntry> entries(n);
    const std::uint8_t* name = p + FixedPartSize;
    const std::uint8_t* body = name + NameRecordSize * n;
    for (MacroEntry& e : entries) {
      e.name = ReadTextField(name);
      std::copy_n(body, KeyActionSize, e.body.begin());
      name += NameRecordSize;
      body += KeyActionSize;
    }
    *macros = std::move(entries);
  }
  profile = std::move(parsed);
  return true;
}

namespace {

// Reads no more than the file can hold: the header, then exactly the records it announces
// (nothing more when the file is too short for them). False on a read error.
bool ReadAnnounced(QFile& file, QByteArray& bytes) {
  bytes = file.read(static_cast<qint64>(HeaderSize));
  if (bytes.size() == static_cast<qsizetype>(HeaderSize) &&
      std::memcmp(bytes.constData(), ProfileMagic, sizeof ProfileMagic) == 0) {
    const std::size_t n = ReadU16(reinterpret_cast<const std::uint8_t*>(bytes.constData()) + CountOffset);
    const qint64 announced = static_cast<qint64>(ProfileFileSize(n));
    if (file.size() >= announced) bytes += file.read(announced - static_cast<qint64>(HeaderSize));
  }
  return file.error() == QFileDevice::NoError;
}

}  // namespace

bool ReadProfileFile(const QString& path, KeyProfile& profile, MacroLibrary* library,
                     ProfileProgram program, ProfileReporter& reporter) {
  auto fail = [&](ProfileFailure f) {
    reporter.ReportProfileFailure(f, ProfileFailureText(f, program));
    return false;
  };

  // Only a regular file: a FIFO or device could block the reader or never end.
  QFile file(path);
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return fail(ProfileFailure::OpenForRead);
  QByteArray bytes;
  if (!ReadAnnounced(file, bytes)) return fail(ProfileFailure::OpenForRead);
  file.close();

  std::vector<MacroEntry> macros;
  const std::span<const std::uint8_t> view(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                           static_cast<std::size_t>(bytes.size()));
  if (!ParseProfile(view, profile, library ? &macros : nullptr))
    return fail(ProfileFailure::Unsupported);
  if (library) library->AppendAll(std::move(macros));
  return true;
}

bool WriteProfileFile(const QString& path, const KeyProfile& profile, const MacroLibrary& library,
                      ProfileReporter& reporter) {
  auto fail = [&] {
    reporter.ReportProfileFailure(ProfileFailure::OpenForWrite,
                                  ProfileFailureText(ProfileFailure::OpenForWrite, ProfileProgram::KeyCfgTool));
    return false;
  };
  // The count field has 16 bits; more macros would be silently dropped from the file.
  if (library.Count() > MaxMacroCount) return fail();

  QSaveFile file(path);
  // Never fall back to writing the target in place: a failure must leave the old file whole.
  file.setDirectWriteFallback(false);
  const bool ok = file.open(QIODevice::WriteOnly) &&
                  EmitProfile(profile, library,
                              [&](const char* data, qsizetype size) { return file.write(data, size) == size; }) &&
                  file.commit();
  if (!ok) {
    file.cancelWriting();
    return fail();
  }
  return true;
}

bool ReadProfileFile(ProfileState& state, ProfileReporter& reporter) {
  return ReadProfileFile(QString::fromStdU16String(state.ProfileFileName), state.Profile, &state.Library,
                         ProfileProgram::KeyCfgTool, reporter);
}

bool WriteProfileFile(const ProfileState& state, ProfileReporter& reporter) {
  return WriteProfileFile(QString::fromStdU16String(state.ProfileFileName), state.Profile, state.Library,
                          reporter);
}

}  // namespace v72
