#pragma once
// Compact JSON, written in the order the fields are given (QJsonObject would sort them).

#include <cstdint>
#include <span>
#include <string_view>

#include <QByteArray>

namespace v72 {

class JsonWriter {
 public:
  QByteArray& Bytes() { return out_; }

  void BeginObject() { Separate(); out_ += '{'; first_ = true; }
  void EndObject() { out_ += '}'; first_ = false; }
  void BeginArray() { Separate(); out_ += '['; first_ = true; }
  void EndArray() { out_ += ']'; first_ = false; }
  void Key(std::string_view key);   // the next value follows without a separator

  void Int(std::int64_t v);
  void Bool(bool v);
  void Null();
  void String(std::u16string_view text);     // lone surrogates come out as \uXXXX escapes
  void Hex(std::span<const std::uint8_t> bytes);   // lower case, as a string

 private:
  void Separate();
  QByteArray out_;
  bool first_ = true;
};

}  // namespace v72
