#include "PackReader.h"

#include <string_view>

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace v72 {

namespace {

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Blanks as the profile reader drops them; ^Z is the old end-of-file mark.
bool IsBlank(char16_t u) { return u == u' ' || u == u'\t' || u == u'\v' || u == u'\f' || u == 0x1A; }

bool IsTextUnit(char16_t u) {
  return u >= 0x20 || IsBlank(u) || u == u'\n' || u == u'\r';
}

std::u16string_view Trim(std::u16string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool EqualsAsciiNoCase(std::u16string_view s, std::u16string_view upper) {
  if (s.size() != upper.size()) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char16_t c = s[i];
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    if (c != upper[i]) return false;
  }
  return true;
}

// A key is found only when written exactly as a lookup writes it: decimal digits, no sign,
// no leading zero, at most 9 digits.
std::optional<std::uint32_t> TextNumberOfKey(std::u16string_view key) {
  if (key.empty() || key.size() > 9 || (key.size() > 1 && key[0] == u'0')) return std::nullopt;
  std::uint32_t n = 0;
  for (char16_t c : key) {
    if (c < u'0' || c > u'9') return std::nullopt;
    n = n * 10 + static_cast<std::uint32_t>(c - u'0');
  }
  return n;
}

std::u16string_view ValueOf(std::u16string_view raw) {
  std::u16string_view v = Trim(raw);
  if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front()) {
    v = v.substr(1, v.size() - 2);
  }
  if (v.size() > MaxPackTextUnits) {
    std::size_t n = MaxPackTextUnits;
    // Never keep the first half of a pair without its second.
    if (IsHighSurrogate(v[n - 1])) --n;
    v = v.substr(0, n);
  }
  return v;
}

bool IsWellFormedText(QStringView text) {
  const char16_t* u = text.utf16();
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (IsHighSurrogate(u[i])) {
      if (i + 1 >= n || !IsLowSurrogate(u[i + 1])) return false;
      ++i;
    } else if (IsLowSurrogate(u[i]) || !IsTextUnit(u[i])) {
      return false;
    }
  }
  return true;
}

std::optional<QString> Decode(QStringConverter::Encoding encoding, QByteArrayView bytes) {
  QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
  QString text = decoder(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

}  // namespace

const std::u16string* LanguagePack::Find(std::int64_t number) const {
  if (number < 0 || number > MaxTextNumber) return nullptr;
  const auto it = texts_.find(static_cast<std::uint32_t>(number));
  if (it == texts_.end() || it->second.empty()) return nullptr;
  return &it->second;
}

void LanguagePack::Add(std::uint32_t number, std::u16string text) {
  texts_.try_emplace(number, std::move(text));
}

std::optional<QString> DecodePackText(std::span<const std::uint8_t> bytes) {
  const QByteArrayView all(bytes.data(), static_cast<qsizetype>(bytes.size()));
  std::optional<QString> text;
  if (all.startsWith("\xFF\xFE")) {
    if (all.size() % 2 != 0) return std::nullopt;   // cut off in the middle of a unit
    text = Decode(QStringConverter::Utf16LE, all.sliced(2));
  } else if (all.startsWith("\xEF\xBB\xBF")) {
    text = Decode(QStringConverter::Utf8, all.sliced(3));
  } else {
    text = Decode(QStringConverter::Utf8, all);
    if (!text) text = QString::fromLatin1(all);
  }
  if (!text || !IsWellFormedText(*text)) return std::nullopt;
  return text;
}

std::optional<LanguagePack> ParseLanguagePack(std::span<const std::uint8_t> bytes) {
  const std::optional<QString> decoded = DecodePackText(bytes);
  if (!decoded) return std::nullopt;
  std::u16string_view rest(QStringView(*decoded).utf16(), static_cast<std::size_t>(decoded->size()));

  LanguagePack pack;
  bool inSection = false;
  bool sectionSeen = false;
  while (!rest.empty()) {
    const std::size_t end = rest.find_first_of(u"\r\n");
    const std::u16string_view line = Trim(rest.substr(0, end));
    rest.remove_prefix(end == std::u16string_view::npos ? rest.size() : end + 1);
    if (line.empty() || line.front() == u';') continue;

    if (line.front() == u'[') {
      const std::size_t close = line.rfind(u']');
      if (close != std::u16string_view::npos) {
        // Only the first section of that name is read, so nothing after it matters.
        if (sectionSeen) break;
        inSection = EqualsAsciiNoCase(Trim(line.substr(1, close - 1)), u"LNG");
        sectionSeen = inSection;
        continue;
      }
      // Without its bracket the line is an ordinary key line, as the platform reads it.
    }
    if (!inSection) continue;

    const std::size_t eq = line.find(u'=');
    const std::optional<std::uint32_t> number = TextNumberOfKey(Trim(line.substr(0, eq)));
    if (!number) continue;
    // A key without '=' has an empty value, which still hides later lines of the same key.
    const std::u16string_view value = eq == std::u16string_view::npos ? std::u16string_view() : ValueOf(line.substr(eq + 1));
    pack.Add(*number, std::u16string(value));
  }
  return pack;
}

std::optional<LanguagePack> ReadLanguagePack(const QString& path) {
  // A regular file only: a folder, a pipe or a device under that name is no pack.
  if (!QFileInfo(path).isFile()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  if (file.size() > MaxPackFileBytes) return std::nullopt;
  const QByteArray bytes = file.readAll();
  if (bytes.size() > MaxPackFileBytes || file.error() != QFileDevice::NoError) return std::nullopt;
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
  return ParseLanguagePack(std::span(data, static_cast<std::size_t>(bytes.size())));
}

}  // namespace v72
