#include <gtest/gtest.h>

#include "DefaultKeys.h"
#include "ProfileState.h"
#include "ProfileText.h"

using namespace v72;

TEST(ProfileModel, FreshProfileHas45EmptyNormalSlotsAndZeroCodes) {
  const ProfileState s;
  for (const KeySlot& slot : s.Profile.keySlots) {
    for (std::size_t i = 0; i < 32; ++i) EXPECT_EQ(slot.action[i], 0);
    EXPECT_EQ(slot.action[32], 0xA0);
    EXPECT_EQ(slot.action[33], 0x00);
    EXPECT_EQ(slot.displayText, u"Normal");
  }
  for (std::int32_t c : s.Profile.AssignCode) EXPECT_EQ(c, 0);
  EXPECT_TRUE(s.Library.Empty());
  EXPECT_EQ(s.CurrentMode, 0);
  EXPECT_EQ(s.CurrentKey, 0);
  EXPECT_EQ(s.ModifiedLevel, 0);
  EXPECT_FALSE(s.ModifiedMarkShown);
  EXPECT_TRUE(s.ProfileFileName.empty());
}

TEST(ProfileModel, SetAssignCodeTouchesOnlyTheCurrentSlot) {
  ProfileState s;
  s.CurrentKey = 14;
  EXPECT_TRUE(s.SetAssignCode(4));
  for (int j = 0; j < SlotCount; ++j) EXPECT_EQ(s.Profile.AssignCode[j], j == 14 ? 4 : 0) << j;
}

TEST(ProfileModel, OutOfRangeCurrentKeyNeverWritesOutsideTheProfile) {
  ProfileState s;
  s.CurrentKey = 99;
  s.CurrentMode = -3;
  s.SetAssignCode(7);
  EXPECT_EQ(s.Profile.AssignCode[SlotIndex(0, 14)], 7);
}

TEST(ProfileModel, WriteCurrentSlotStoresActionAndCutText) {
  ProfileState s;
  s.CurrentKey = 3;
  s.WriteCurrentSlot(SingleKeyAction(0x24), std::u16string(300, u'x'));
  EXPECT_EQ(s.Profile.Slot(0, 3).action, SingleKeyAction(0x24));
  EXPECT_EQ(s.Profile.Slot(0, 3).displayText, std::u16string(255, u'x'));
}

struct CutCase {
  const char* what;
  std::u16string in;
  std::u16string out;
  friend void PrintTo(const CutCase& c, std::ostream* os) { *os << c.what; }
};

class FieldTextCut : public ::testing::TestWithParam<CutCase> {};

TEST_P(FieldTextCut, KeepsAtMost255UnitsAndWholeCharacters) {
  EXPECT_EQ(FieldText(GetParam().in), GetParam().out);
}

const std::u16string k254(254, u'a');
INSTANTIATE_TEST_SUITE_P(
    Cases, FieldTextCut,
    ::testing::Values(CutCase{"empty", u"", u""}, CutCase{"exactly 255 fits", std::u16string(255, u'a'), std::u16string(255, u'a')},
                      CutCase{"256 is cut", std::u16string(256, u'a'), std::u16string(255, u'a')},
                      CutCase{"stops at a zero unit", std::u16string(u"ab\0cd", 5), u"ab"},
                      // A pair straddling the cut goes whole, not half.
                      CutCase{"pair across the cut", k254 + u"\U0001F600", k254},
                      CutCase{"pair ending at the cut", std::u16string(253, u'a') + u"\U0001F600" + u"b",
                              std::u16string(253, u'a') + u"\U0001F600"}),
    [](const auto& info) {
      std::string n = info.param.what;
      for (char& c : n) if (!isalnum(static_cast<unsigned char>(c))) c = '_';
      return n;
    });

// Library [A, B, C, D, E] and a code on some keys of every mode.
class RemoveMacro : public ::testing::Test {
 protected:
  void SetUp() override {
    for (char16_t c : std::u16string(u"ABCDE")) {
      KeyAction body{};
      body[0] = 4;
      body[32] = 0xA1;
      body[33] = static_cast<std::uint8_t>(c);   // interval tells the macros apart
      s.Library.Append(std::u16string(1, c), body);
    }
    for (int m = 0; m < 3; ++m)
      for (int k = 0; k < 5; ++k) {
        s.Profile.AssignCode[SlotIndex(m, k)] = 10 + k;
        s.Profile.Slot(m, k).action = s.Library.At(k).body;
        s.Profile.Slot(m, k).displayText = s.Library.At(k).name;
      }
    s.Profile.AssignCode[SlotIndex(0, 9)] = 4;
  }
  ProfileState s;
};

TEST_F(RemoveMacro, SwitchesOffItsKeysAndRenumbersLaterOnesInAllModes) {
  ASSERT_TRUE(s.RemoveMacro(2));
  ASSERT_EQ(s.Library.Count(), 4u);
  EXPECT_EQ(s.Library.At(2).name, u"D");
  for (int m = 0; m < 3; ++m) {
    EXPECT_EQ(s.Profile.AssignCode[SlotIndex(m, 0)], 10);
    EXPECT_EQ(s.Profile.AssignCode[SlotIndex(m, 1)], 11);
    EXPECT_EQ(s.Profile.AssignCode[SlotIndex(m, 2)], 0);
    EXPECT_EQ(s.Profile.AssignCode[SlotIndex(m, 3)], 12);
    EXPECT_EQ(s.Profile.AssignCode[SlotIndex(m, 4)], 13);
    const KeySlot& off = s.Profile.Slot(m, 2);
    for (std::size_t i = 0; i < 32; ++i) EXPECT_EQ(off.action[i], 0);
    EXPECT_EQ(off.action[32], 0xA0);
    EXPECT_EQ(off.action[33], u'C');   // the interval stays
    EXPECT_EQ(off.displayText, u"Macro Disappear");
    EXPECT_EQ(s.Profile.Slot(m, 3).displayText, u"D");   // later keys keep their macro
  }
  EXPECT_EQ(s.Profile.AssignCode[SlotIndex(0, 9)], 4);
  EXPECT_EQ(s.ModifiedLevel, 2);
}

TEST_F(RemoveMacro, FirstEntryLeavesNoKeyDisappearedButTheOnesUsingIt) {
  s.RemoveMacro(0, u"");
  EXPECT_EQ(s.Profile.Slot(1, 0).displayText, u"");   // a language pack without the text
  EXPECT_EQ(s.Profile.AssignCode[SlotIndex(1, 1)], 10);
  EXPECT_EQ(s.Profile.Slot(1, 1).displayText, u"B");
}

TEST_F(RemoveMacro, NoSuchEntryChangesNothing) {
  const ProfileState before = s;
  EXPECT_FALSE(s.RemoveMacro(5));
  EXPECT_EQ(s.Profile, before.Profile);
  EXPECT_EQ(s.Library, before.Library);
  EXPECT_EQ(s.ModifiedLevel, 0);
}

TEST(ProfileModel, ResetIsNewWithTheGivenText) {
  ProfileState s;
  s.Library.Append(u"m", EmptyAction());
  s.CurrentKey = 2;
  s.WriteCurrentSlot(SingleKeyAction(5), u"E");
  s.SetAssignCode(1);
  s.ModifiedLevel = 3;
  s.ModifiedMarkShown = true;
  s.Reset(u"Normal-de");
  EXPECT_TRUE(s.Library.Empty());
  EXPECT_EQ(s.ModifiedLevel, 0);
  EXPECT_FALSE(s.ModifiedMarkShown);
  for (const KeySlot& slot : s.Profile.keySlots) {
    EXPECT_EQ(slot.action, EmptyAction());
    EXPECT_EQ(slot.displayText, u"Normal-de");
  }
  for (std::int32_t c : s.Profile.AssignCode) EXPECT_EQ(c, 0);
}

TEST(ProfileModel, DefaultActionIsPressReleaseOfTheDefaultKey) {
  const KeyAction a = SingleKeyAction(DefaultKeys[0].code);
  const KeyAction expected = {0x02, 0x00, 0x02, 0xC0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                              0,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xA3, 0};
  EXPECT_EQ(a, expected);
  EXPECT_EQ(std::u16string(DefaultKeys[14].name), u"Space");
  EXPECT_EQ(DefaultKeys[14].code, 0x29);
}
