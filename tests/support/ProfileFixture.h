#pragma once
// Builds .V72 file bytes field by field from the documented layout, independent of the
// writer under test: header 128 bytes (magic, count at 8, codes at 32), 45 slot records of
// 546 bytes from 128, then names (512 bytes each) and bodies (34 bytes each).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace fixture {

class ProfileBytes {
 public:
  explicit ProfileBytes(std::uint16_t macroCount = 0) : n_(macroCount), bytes_(24698 + 546 * macroCount, 0) {
    const char magic[] = {'.', 0, 'V', 0, '7', 0, '2', 0};
    for (int i = 0; i < 8; ++i) bytes_[i] = static_cast<std::uint8_t>(magic[i]);
    u16(8, macroCount);
    for (int slot = 0; slot < 45; ++slot) {
      bytes_[128 + 546 * slot + 32] = 0xA0;   // empty action
      text(128 + 546 * slot + 34, u"Normal");
    }
  }

  ProfileBytes& code(int index, std::uint16_t value) { return u16(32 + 2 * index, value); }
  ProfileBytes& action(int slot, const std::vector<std::uint8_t>& bytes34) {
    return put(128 + 546 * slot, bytes34);
  }
  ProfileBytes& actionByte(int slot, int offset, std::uint8_t v) {
    bytes_[128 + 546 * slot + offset] = v;
    return *this;
  }
  ProfileBytes& displayText(int slot, const std::u16string& t) { return text(128 + 546 * slot + 34, t); }
  ProfileBytes& name(int i, const std::u16string& t) { return text(24698 + 512 * i, t); }
  ProfileBytes& body(int i, const std::vector<std::uint8_t>& bytes34) {
    return put(24698 + 512 * n_ + 34 * i, bytes34);
  }
  // Fills a whole 256-unit text field with `unit` (no terminator).
  ProfileBytes& fillText(std::size_t at, char16_t unit) {
    for (std::size_t i = 0; i < 256; ++i) u16(at + 2 * i, unit);
    return *this;
  }
  ProfileBytes& u16(std::size_t at, std::uint16_t v) {
    bytes_[at] = static_cast<std::uint8_t>(v & 0xFF);
    bytes_[at + 1] = static_cast<std::uint8_t>(v >> 8);
    return *this;
  }
  ProfileBytes& byte(std::size_t at, std::uint8_t v) {
    bytes_[at] = v;
    return *this;
  }
  ProfileBytes& resize(std::size_t size) {
    bytes_.resize(size, 0);
    return *this;
  }

  static std::size_t textAt(int slot) { return 128 + 546 * static_cast<std::size_t>(slot) + 34; }

  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  QByteArray qbytes() const {
    return QByteArray(reinterpret_cast<const char*>(bytes_.data()), static_cast<qsizetype>(bytes_.size()));
  }
  bool writeTo(const QString& path) const {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(qbytes()) == qbytes().size();
  }

 private:
  // Text units, zero-filled to the end of the 256-unit field.
  ProfileBytes& text(std::size_t at, const std::u16string& t) {
    for (std::size_t i = 0; i < 256; ++i) u16(at + 2 * i, i < t.size() ? t[i] : 0);
    return *this;
  }
  ProfileBytes& put(std::size_t at, const std::vector<std::uint8_t>& b) {
    for (std::size_t i = 0; i < b.size(); ++i) bytes_[at + i] = b[i];
    return *this;
  }

  std::size_t n_;
  std::vector<std::uint8_t> bytes_;
};

inline QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace fixture
