// The C interface the programs call, through the shared library they load.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include "QtPrinters.h"
#include "TransferLibrary.h"

namespace {

const unsigned char kReport[7] = {3, 38, 0, 0x11, 0x22, 0x33, 0x44};

class TransferLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  void TearDown() override { ::unsetenv("V72_KEYPAD"); }

  // Registers as the programs do: their window, 1124, 65280.
  int Register(const std::string& value) {
    ::setenv("V72_KEYPAD", value.c_str(), 1);
    return RegisterTransferWindow(this, 1124, 0xFF00);
  }
  int Send(const unsigned char* report = kReport) { return SendTransferReport(0xFF00, 0xFF00, report); }
  QByteArray Memory() {
    QFile f(QString::fromStdString(sim_));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QTemporaryDir dir_;
  std::string sim_ = dir_.filePath("keypad.bin").toStdString();
};

TEST_F(TransferLibraryTest, SimValueRegistersNamesThePathAndDeliversReports) {
  ASSERT_EQ(Register("sim:" + sim_), 1) << TransferError();
  EXPECT_NE(std::string(TransferTarget()).find(sim_), std::string::npos) << TransferTarget();
  EXPECT_STREQ(TransferError(), "");

  EXPECT_EQ(Send(), 1);
  QByteArray expected(768, '\0');
  expected.replace(38, 4, "\x11\x22\x33\x44", 4);
  EXPECT_EQ(Memory(), expected);

  const unsigned char outside[7] = {3, 0xFF, 0x02, 1, 2, 3, 4};
  EXPECT_EQ(Send(outside), 0);
  EXPECT_EQ(Send(nullptr), 0);
  EXPECT_EQ(Memory(), expected);
}

TEST_F(TransferLibraryTest, BadValueFailsSaysWhyAndDropsAnEarlierTransport) {
  ASSERT_EQ(Register("sim:" + sim_), 1) << TransferError();
  EXPECT_EQ(Register("bogus"), 0);
  const std::string error = TransferError();
  EXPECT_NE(error.find("bogus"), std::string::npos) << error;
  EXPECT_NE(error.find("sim:PATH"), std::string::npos) << error;
  EXPECT_STREQ(TransferTarget(), "");
  EXPECT_EQ(Send(), 0);
  EXPECT_EQ(Memory(), QByteArray(768, '\0'));
}

TEST_F(TransferLibraryTest, UndeliveredReportsReturn0) {
  if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ASSERT_EQ(Register("log:/dev/full"), 1) << TransferError();
  EXPECT_EQ(Send(), 0);
}

}  // namespace
