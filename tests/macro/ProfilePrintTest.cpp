// V72CmdLoader --print: events listed as the macro editor lists them, and named in JSON.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "KeyProfile.h"
#include "MacroLibrary.h"
#include "ProfilePrint.h"

using namespace v72;

namespace {

KeyProfile Profile() {
  KeyProfile p;
  KeyAction& a = p.Slot(0, 0).action;   // the worked example: A, 0.2 s, release, interval 1.5 s
  a = KeyAction{};
  a[0] = 0x01, a[1] = 0x02, a[2] = 0x01, a[3] = 0xC0, a[KindByte] = PlayOnce, a[IntervalByte] = 15;
  KeyAction& b = p.Slot(2, 14).action;   // middle mouse button, then two codes without a name
  b = KeyAction{};
  b[0] = 116, b[2] = 116, b[3] = 0xC0, b[4] = 0, b[5] = 0x83, b[6] = 200, b[7] = 0x01;
  b[KindByte] = SingleKeyKind;
  return p;
}

}  // namespace

TEST(ProfilePrintText, ListsEventsAsTheMacroEditorDoes) {
  MacroLibrary lib;
  KeyAction m{};
  m[0] = 85, m[1] = 0x3F, m[2] = 85, m[3] = 0xC0, m[KindByte] = RepeatWhileDown;
  lib.Append(u"Enter twice", m);
  const QByteArray text = ProfileText(Profile(), lib);
  EXPECT_TRUE(text.contains("  Key 1: \"Normal\" (assign code 0)\n"
                            "    play once, interval 1.5 s\n"
                            "      A  press\n"
                            "      0.2\n"
                            "      A  release\n"
                            "      0.0  (last)\n"
                            "  Key 2:"))
      << text.left(400).toStdString();
  EXPECT_TRUE(text.contains("Macro 0: \"Enter twice\"\n"
                            "    repeat while down, interval 0.0 s\n"
                            "      Num Enter  press\n"
                            "      6.3\n"
                            "      Num Enter  release\n"
                            "      0.0  (last)\n"));
  // Nothing stored is hidden: events without a name show their code.
  EXPECT_TRUE(text.contains("    single key, interval 0.0 s\n"
                            "      code 116  press\n"
                            "      0.0\n"
                            "      code 116  release\n"
                            "      0.0  (last)\n"
                            "      code 0  release\n"
                            "      0.3\n"
                            "      code 200  press\n"
                            "      0.1\n"))
      << text.right(400).toStdString();
}

TEST(ProfilePrintJson, EachEventCarriesItsNameOrNull) {
  QJsonParseError error{};
  const QJsonObject root = QJsonDocument::fromJson(ProfileJson(Profile(), MacroLibrary()), &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError);
  const QJsonArray a = root["modes"][0][0]["events"].toArray();
  ASSERT_EQ(a.size(), 2);
  EXPECT_EQ(a[0]["name"], QJsonValue("A"));
  EXPECT_EQ(a[1]["name"], QJsonValue("A"));
  EXPECT_EQ(a[0]["code"].toInt(), 1);
  const QJsonArray b = root["modes"][2][14]["events"].toArray();
  ASSERT_EQ(b.size(), 4);
  for (const auto& v : b) {
    const QJsonObject e = v.toObject();
    ASSERT_TRUE(e.contains("name"));
    EXPECT_TRUE(e["name"].isNull()) << e["code"].toInt();
  }
  EXPECT_TRUE(ProfileJson(Profile(), MacroLibrary()).contains(R"({"code":1,"name":"A","release":false,)"));
}
