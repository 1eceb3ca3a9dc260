#pragma once
// A skin description file (popskin.ini, skin.ini, about.ini): sections named after skin data
// names ("form", "gauge", "button_k1", ...) with key=value lines of colours and images.
// Our own format, UTF-8:
//
//   ; comment
//   [gauge]
//   background=#101418
//   bar=#2f8cff
//
// A missing or broken file gives an empty skin: the plain look, never an error.

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>

#include <QString>

namespace v72 {

class SkinData {
 public:
  // The value of `key` in section `name`, empty when there is none.
  QString Value(const QString& name, const QString& key) const;
  bool Has(const QString& name) const { return sections_.count(name.toLower()) != 0; }
  bool Empty() const { return sections_.empty(); }
  // The folder the file came from; image values are relative to it.
  QString Folder() const { return folder_; }

  static SkinData Parse(std::span<const std::uint8_t> bytes, const QString& folder = {});
  static SkinData Load(const QString& path);

 private:
  std::map<QString, std::map<QString, QString>> sections_;   // names lower case
  QString folder_;
};

inline constexpr std::int64_t MaxSkinFileBytes = 1024 * 1024;

}  // namespace v72
