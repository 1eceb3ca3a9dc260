#include "Language.h"

#include <QGuiApplication>

#include <QDir>

#include "SystemPaths.h"

namespace v72 {

namespace {

constexpr LanguageFont ArialFont{u"Arial", DefaultCharset, 8};

bool IsLeadingBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

QString ToQString(std::u16string_view s) { return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

LanguageFont LanguageFontFor(std::uint16_t languageId) {
  switch (languageId) {
    case 0x0404: case 0x0C04: case 0x1004: case 0x1404:
      // 新細明體 by its Unicode name; the 8-bit name only matched where the code page is Big5.
      return {u"\u65B0\u7D30\u660E\u9AD4", Big5Charset, 10};
    case 0x0804: return {u"SimSun-18030", Gb2312Charset, 9};
    case 0x0411: return {u"MS PGothic", ShiftJisCharset, 9};
    case 0x0412: return {u"Dotum", HangulCharset, 9};
    default: return ArialFont;
  }
}

QFontDatabase::WritingSystem WritingSystemOf(int charset) {
  switch (charset) {
    case Big5Charset: return QFontDatabase::TraditionalChinese;
    case Gb2312Charset: return QFontDatabase::SimplifiedChinese;
    case ShiftJisCharset: return QFontDatabase::Japanese;
    case HangulCharset: return QFontDatabase::Korean;
    default: return QFontDatabase::Any;
  }
}

QFont MakeLanguageFont(const LanguageFont& font) {
  const QString face = ToQString(font.face);
  QFont f(face, font.pointSize);
  // Lets font matching fall back to a plain sans face when the named one is missing.
  f.setStyleHint(QFont::SansSerif);
  // And when it is missing, a face that can show the pack's script comes next (the font
  // database needs the application's font system, so only when it is up).
  const QFontDatabase::WritingSystem script = WritingSystemOf(font.charset);
  if (script != QFontDatabase::Any && QGuiApplication::instance() && !QFontDatabase::hasFamily(face)) {
    const QStringList able = QFontDatabase::families(script);
    if (!able.isEmpty()) f.setFamilies({face, able.first()});
  }
  return f;
}

std::uint16_t ParseLanguageId(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsLeadingBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  // Only the low 16 bits are kept, so the digits are taken modulo 2^16 and never overflow.
  std::uint32_t value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = (value * 10 + static_cast<std::uint32_t>(text[i] - u'0')) & 0xFFFF;
  }
  if (negative) value = (0x10000 - value) & 0xFFFF;
  return static_cast<std::uint16_t>(value);
}

std::u16string ProgramDirectoryFrom(const std::optional<std::u16string>& openCommand,
                                    std::u16string_view currentDirectory) {
  if (!openCommand) return std::u16string(currentDirectory);
  std::u16string_view program = *openCommand;
  const std::size_t open = program.find(u'"');
  if (open != std::u16string_view::npos) {
    const std::size_t close = program.find(u'"', open + 1);
    program = close == std::u16string_view::npos ? std::u16string_view()
                                                   : program.substr(open + 1, close - open - 1);
  }
  const std::size_t slash = program.rfind(u'/');
  return std::u16string(slash == std::u16string_view::npos ? std::u16string_view() : program.substr(0, slash));
}

LanguageSources SystemLanguageSources() {
  LanguageSources sources;
  if (const std::optional<QString> command = paths::ProfileOpenCommand()) {
    sources.OpenCommand = command->toStdU16String();
  }
  sources.CurrentDirectory = QDir::currentPath().toStdU16String();
  return sources;
}

bool SetUpLanguage(LanguageState& state, const LanguageSources& sources) {
  state.ProgramDirectory = ProgramDirectoryFrom(sources.OpenCommand, sources.CurrentDirectory);
  state.LanguageFilePath.clear();
  state.Pack = LanguagePack();

  const std::u16string path = state.ProgramDirectory + u"/" + LanguageFileName;
  if (std::optional<LanguagePack> pack = ReadLanguagePack(ToQString(path))) {
    state.Pack = std::move(*pack);
    state.LanguageFilePath = path;
  }
  state.LanguageLoaded = !state.LanguageFilePath.empty();

  std::u16string idText;
  const std::uint16_t id = LookupText(state, LanguageIdNumber, idText) ? ParseLanguageId(idText) : DefaultLanguageId;
  const LanguageFont font = LanguageFontFor(id);
  state.UiFont = MakeLanguageFont(font);
  state.HintFont = state.UiFont;
  state.UiCharset = font.charset;
  return state.LanguageLoaded;
}

bool LookupText(const LanguageState& state, int number, std::u16string& text) {
  const std::u16string* found = state.Pack.Find(number);
  if (!found) {
    text.clear();
    return false;
  }
  text = *found;
  return true;
}

void FillMessageTexts(LanguageState& state) {
  for (std::u16string& text : state.MessageTexts) text.clear();
  for (std::size_t slot = 0; slot < MessageNumbers.size(); ++slot) {
    LookupText(state, MessageNumbers[slot], state.MessageTexts[slot]);
  }
}

std::u16string MessageText(const LanguageState& state, int number) {
  if (!state.LanguageLoaded) return std::u16string(BuiltInText(number));
  const int slot = MessageSlotOf(number);
  return slot < 0 ? std::u16string() : state.MessageTexts[static_cast<std::size_t>(slot)];
}

void ForEachFormText(const LanguageState& state, std::string_view form,
                     const std::function<void(const FormText& entry, const std::u16string& text)>& apply) {
  if (!state.LanguageLoaded) return;
  std::u16string text;
  for (const FormText& entry : FormTexts(form)) {
    if (LookupText(state, entry.number, text)) apply(entry, text);
  }
}

}  // namespace v72
