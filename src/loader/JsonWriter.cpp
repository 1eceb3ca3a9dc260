#include "JsonWriter.h"

namespace v72 {

namespace {

void Escape4(QByteArray& out, unsigned u) {
  static const char digits[] = "0123456789abcdef";
  out += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4) out += digits[(u >> shift) & 0xF];
}

void Utf8(QByteArray& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

void JsonWriter::Separate() {
  if (!first_) out_ += ',';
  first_ = false;
}

void JsonWriter::Key(std::string_view key) {
  Separate();
  out_ += '"';
  out_.append(key.data(), static_cast<qsizetype>(key.size()));
  out_ += "\":";
  first_ = true;
}

void JsonWriter::Int(std::int64_t v) {
  Separate();
  out_ += QByteArray::number(static_cast<qlonglong>(v));
}

void JsonWriter::Bool(bool v) {
  Separate();
  out_ += v ? "true" : "false";
}

void JsonWriter::Null() {
  Separate();
  out_ += "null";
}

void JsonWriter::String(std::u16string_view text) {
  Separate();
  out_ += '"';
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (u == u'"' || u == u'\\') {
      out_ += '\\';
      out_ += static_cast<char>(u);
    } else if (u < 0x20) {
      Escape4(out_, u);
    } else if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
               text[i + 1] <= 0xDFFF) {
      Utf8(out_, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      Escape4(out_, u);
    } else {
      Utf8(out_, u);
    }
  }
  out_ += '"';
}

void JsonWriter::Hex(std::span<const std::uint8_t> bytes) {
  Separate();
  static const char digits[] = "0123456789abcdef";
  out_ += '"';
  for (std::uint8_t b : bytes) {
    out_ += digits[b >> 4];
    out_ += digits[b & 0xF];
  }
  out_ += '"';
}

}  // namespace v72
