#include "files/send_set.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "files/codec.h"
#include "files/save_path.h"
#include "files/text_field.h"
#include "support/test_support.h"

namespace {

constexpr std::uint8_t kStoredZero = 0x35;

class SendSetFile : public ::testing::Test {
 protected:
  void SetUp() override {
    g_sSendSet = SendSet{};
    g_sGenTime = SendTime{};
  }
  std::filesystem::path cfg() const { return folder_.file("CFG.BIN"); }
  void WriteRecord(const SendSet& record) { WriteBytes(cfg(), Encoded(&record, sizeof record)); }

  SaveFolder folder_;
};

TEST_F(SendSetFile, FreshRecordIsStoredAsTheseBytes) {
  ResetSendSet();
  ASSERT_EQ(StoreSendSet(), 1);
  const std::vector<std::uint8_t> file = ReadBytes(cfg());
  ASSERT_EQ(file.size(), kSendSetSize);

  // Worked out by hand: stored = ror2(plain ^ 0xD4).
  std::vector<std::uint8_t> expected(kSendSetSize, kStoredZero);
  expected[0] = 0x55;     // bySendBy 1 with the stamp bit: 0x81
  expected[4] = 0x73;     // byRemoteInterval 25
  expected[10] = 0x79;    // uwMaxSendImgNum 49, low byte
  expected[12] = 0x74;    // uwStructFlag 0x1005: 05
  expected[13] = 0x31;    //                      10
  expected[1048] = 0xFE;  // szFtpDir "/"
  expected[1224] = 0x70;  // sFtpSet.iPort 21
  EXPECT_EQ(file, expected);

  // The live record is never encoded in place, and keeps the stamp bit clear.
  EXPECT_EQ(g_sSendSet.bySendBy, 1);
  EXPECT_EQ(PlainBytes(g_sSendSet), PlainBytes(FreshSendSet()));
}

TEST_F(SendSetFile, StoredFormOfZeroRecordWithOnlyTheFlag) {
  g_sSendSet = SendSet{};
  g_sSendSet.uwStructFlag = kSendSetStructFlag;
  ASSERT_EQ(StoreSendSet(), 1);
  const std::vector<std::uint8_t> file = ReadBytes(cfg());
  ASSERT_EQ(file.size(), kSendSetSize);
  for (std::size_t i = 0; i < file.size(); ++i) {
    if (i == 0 || i == 12 || i == 13) {
      EXPECT_NE(file[i], kStoredZero) << i;
    } else {
      EXPECT_EQ(file[i], kStoredZero) << i;
    }
  }
}

TEST_F(SendSetFile, LoadOfFreshFilePrintsThisTranscript) {
  ResetSendSet();
  ASSERT_EQ(StoreSendSet(), 1);
  g_sSendSet = SendSet{};
  TraceCapture trace;
  ASSERT_EQ(LoadSendSet(0), 1);
  const std::string path = cfg().string();
  const std::vector<std::string> expected = {
      "sizeof = 1320",
      "iGetFileSize = 1320",
      "Open file - \"" + path + "\" success!",
      "_bufsiz = 0",
      "IF_SEND_BY_APP_SET_FLG=1",
      "g_sSendSet.bySendBy=1",
      "g_sSendSet.uwRecpLen[0]=0",
      "g_sSendSet.szRecp[0]=\"\"",
      "g_sSendSet.uwRecpLen[1]=0",
      "g_sSendSet.szRecp[1]=\"\"",
      "g_sSendSet.uwRecpLen[2]=0",
      "g_sSendSet.szRecp[2]=\"\"",
      "g_sSendSet.uwRecpLen[3]=0",
      "g_sSendSet.szRecp[3]=\"\"",
      "g_sSendSet.bySendFileNum=0",
      "g_sSendSet.byOperatorCountry=0",
      "Url:\"\"",
      "Apn:\"\"",
      "Gateway:\"\"",
      "Port:\"\"",
      "Account:\"\"",
      "Password:\"\"",
      "g_sSendSet.sSmtpSet.sz3GSmtpApN=",
      "g_sSendSet.sSmtpSet.sz3GSmtpAccount=",
      "g_sSendSet.sSmtpSet.sz3GSmtpPassword=",
      "g_sSendSet.sSmtpSet.szServer=",
      "g_sSendSet.sSmtpSet.iPort=0",
      "g_sSendSet.sSmtpSet.szAddr=",
      "g_sSendSet.sSmtpSet.szUserName=",
      "g_sSendSet.sSmtpSet.szPassword=",
      "Time(0-0-0, 0:0:0), bSet=0",
      "g_sSendSet.bySendMode=0",
      "g_sSendSet.bySendImgSize=0",
      "g_sSendSet.uwMaxSendImgNum=49",
      "g_sSendSet.szRemotePhoneNum=\"\"",
      "g_sSendSet.byRemoteInterval=25",
      "g_sSendSet.byRemoteSwitch=0",
      "g_sSendSet.byOperatorCountry=0",
      "g_sSendSet.byOperator=0",
      "g_sSendSet.byDailySendTime=0",
      "g_sSendSet.sLongitude:\t(0)0\xA1\xA3"
      "0'0\"",
      "g_sSendSet.sLatitude:\t(0)0\xA1\xA3"
      "0'0\"",
  };
  EXPECT_EQ(trace.lines(), expected);
  EXPECT_EQ(g_sSendSet.bySendBy, 1);  // stamp bit cleared in the live record
}

TEST_F(SendSetFile, FtpFileDumpsTheFtpLines) {
  SendSet record = FreshSendSet();
  record.bySendBy = kSendByFtp;
  CopyText(record.sFtpSet.szServer, "ftp.example.com");
  WriteRecord(record);
  TraceCapture trace;
  ASSERT_EQ(LoadSendSet(0), 1);
  const std::vector<std::string> lines = trace.lines();
  const std::vector<std::string> ftp = {
      "g_sSendSet.sFtpSet.iFtpDirType\t=0",
      "g_sSendSet.sFtpSet.szFtpDir\t=/",
      "g_sSendSet.sFtpSet.szServer\t=ftp.example.com",
      "g_sSendSet.sFtpSet.iPort\t=21",
      "g_sSendSet.sFtpSet.szUserName\t=",
      "g_sSendSet.sFtpSet.szPassword\t=",
  };
  ASSERT_GE(lines.size(), ftp.size() + 2);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 8, lines.end() - 2), ftp);
}

// One file field changed from a fresh record; what the load makes of it.
struct Correction {
  const char* name;
  void (*mutate)(SendSet&);
  void (*check)(const SendSet&);
  const char* traceLine;  // a line the dump must contain
};

const Correction kCorrections[] = {
    {"cloud send option becomes Close 3G", [](SendSet& r) { r.bySendBy = kSendByCloud; },
     [](const SendSet& r) { EXPECT_EQ(r.bySendBy, 0); }, "g_sSendSet.bySendBy=4"},
    {"FTP send option stays", [](SendSet& r) { r.bySendBy = kSendByFtp; },
     [](const SendSet& r) { EXPECT_EQ(r.bySendBy, 3); }, "g_sSendSet.sFtpSet.iPort\t=21"},
    {"interval 200 means every 10 minutes",
     [](SendSet& r) {
       r.byRemoteInterval = 200;
       r.byRemoteSwitch = 0;
     },
     [](const SendSet& r) {
       EXPECT_EQ(r.byRemoteInterval, 0);
       EXPECT_EQ(r.byRemoteSwitch, 1);
     },
     "g_sSendSet.byRemoteInterval=200"},
    {"interval 25 turns the switch off",
     [](SendSet& r) {
       r.byRemoteInterval = 25;
       r.byRemoteSwitch = 1;
     },
     [](const SendSet& r) { EXPECT_EQ(r.byRemoteSwitch, 0); }, "g_sSendSet.byRemoteSwitch=0"},
    {"interval 7 turns the switch on",
     [](SendSet& r) {
       r.byRemoteInterval = 7;
       r.byRemoteSwitch = 0;
     },
     [](const SendSet& r) {
       EXPECT_EQ(r.byRemoteInterval, 7);
       EXPECT_EQ(r.byRemoteSwitch, 1);
     },
     "g_sSendSet.byRemoteSwitch=1"},
    {"file count 9 becomes 0",
     [](SendSet& r) {
       r.bySendFileNum = 9;
       CopyText(r.szFileFullName[0], "never printed");
     },
     [](const SendSet& r) { EXPECT_EQ(r.bySendFileNum, 0); }, "g_sSendSet.bySendFileNum=0"},
    {"file count 2 prints two names",
     [](SendSet& r) {
       r.bySendFileNum = 2;
       CopyText(r.szFileFullName[0], "A.JPG");
       CopyText(r.szFileFullName[1], "B.JPG");
     },
     [](const SendSet& r) { EXPECT_EQ(r.bySendFileNum, 2); },
     "g_sSendSet.szFileFullName[1]=\"B.JPG\""},
    {"daily send mode becomes immediate", [](SendSet& r) { r.bySendMode = 1; },
     [](const SendSet& r) { EXPECT_EQ(r.bySendMode, 0); }, "g_sSendSet.bySendMode=0"},
    {"a text without terminator is read to the end of its field",
     [](SendSet& r) { std::memset(r.szRemotePhoneNum, '7', sizeof r.szRemotePhoneNum); },
     [](const SendSet& r) { EXPECT_EQ(FieldText(r.szRemotePhoneNum).size(), 16u); },
     "g_sSendSet.szRemotePhoneNum=\"7777777777777777\""},
};

TEST_F(SendSetFile, LoadCorrections) {
  for (const Correction& c : kCorrections) {
    SCOPED_TRACE(c.name);
    SendSet record = FreshSendSet();
    c.mutate(record);
    WriteRecord(record);
    TraceCapture trace;
    ASSERT_EQ(LoadSendSet(0), 1);
    c.check(g_sSendSet);
    EXPECT_TRUE(trace.contains(std::string(c.traceLine) + "\n")) << trace.text();
  }
}

TEST_F(SendSetFile, FileCountNinePrintsNoFileName) {
  SendSet record = FreshSendSet();
  record.bySendFileNum = 9;
  WriteRecord(record);
  TraceCapture trace;
  ASSERT_EQ(LoadSendSet(0), 1);
  EXPECT_FALSE(trace.contains("szFileFullName"));
}

TEST_F(SendSetFile, WrongStructureFlagResetsRecord) {
  SendSet record = FreshSendSet();
  record.uwStructFlag = 0x1004;
  CopyText(record.szRecp[0], "123");
  WriteRecord(record);
  TraceCapture trace;
  EXPECT_EQ(LoadSendSet(0), 0);
  const std::vector<std::string> lines = trace.lines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines.back(), "StructFlag is different!");
  SendSet expected{};
  expected.uwStructFlag = kSendSetStructFlag;
  EXPECT_EQ(PlainBytes(g_sSendSet), PlainBytes(expected));
}

TEST_F(SendSetFile, StampVerification) {
  SendSet record = FreshSendSet();
  record.sTime = {26, 12, 11, 9, 30, 15};
  record.bSet = 0;
  WriteRecord(record);

  g_sGenTime = {26, 12, 11, 9, 30, 15};
  EXPECT_EQ(LoadSendSet(1), 1);

  g_sGenTime.bySecond = 16;  // only the seconds differ
  EXPECT_EQ(LoadSendSet(1), 0);
  EXPECT_EQ(g_sSendSet.sTime.bySecond, 15);  // the record stays loaded
  EXPECT_EQ(LoadSendSet(0), 1);              // without verification it is usable

  g_sGenTime.bySecond = 15;
  record.bSet = 1;  // bSet alone is not compared
  WriteRecord(record);
  EXPECT_EQ(LoadSendSet(1), 1);
}

TEST_F(SendSetFile, WrongSizesAreRefusedAndRecordKept) {
  const SendSet fresh = FreshSendSet();
  std::vector<std::uint8_t> bytes = Encoded(&fresh, sizeof fresh);
  g_sSendSet = SendSet{};
  CopyText(g_sSendSet.szRecp[0], "previous");
  const auto before = PlainBytes(g_sSendSet);
  for (std::size_t size : {kSendSetSize - 1, kSendSetSize + 1, std::size_t{0}}) {
    SCOPED_TRACE(size);
    bytes.resize(size, 0);
    WriteBytes(cfg(), bytes);
    TraceCapture trace;
    EXPECT_EQ(LoadSendSet(0), 0);
    EXPECT_EQ(trace.lines(),
              (std::vector<std::string>{"sizeof = 1320", "iGetFileSize = " + std::to_string(size),
                                        "File szie != struct size!"}));
    EXPECT_EQ(PlainBytes(g_sSendSet), before);
  }
}

TEST_F(SendSetFile, MissingFileFailsAtTheSizeProbe) {
  TraceCapture trace;
  EXPECT_EQ(LoadSendSet(0), 0);
  EXPECT_FALSE(trace.contains("err!"));
  EXPECT_TRUE(trace.contains("iGetFileSize = 0\nFile szie != struct size!\n"));
}

// Folders that cannot take the file; in each the store fails, prints what a
// failed store prints, and the verification load that follows fails too.
TEST_F(SendSetFile, StoreIntoFolderThatDoesNotExist) {
  const std::string missing = (folder_.path() / "no-such-folder").string();
  ASSERT_TRUE(SetSavePath(missing.c_str()));
  ResetSendSet();
  TraceCapture trace;
  EXPECT_EQ(StoreSendSet(), 0);
  const std::string target = SettingsFilePath("CFG.BIN");
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{"Open file - \"" + target + "\" err!",
                                                     std::string(48, '_')}));
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_EQ(LoadSendSet(1), 0);
}

TEST_F(SendSetFile, StoreIntoAFolderThatIsAFile) {
  const auto notAFolder = folder_.file("plain-file");
  WriteBytes(notAFolder, {1, 2, 3});
  ASSERT_TRUE(SetSavePath(notAFolder.string().c_str()));
  ResetSendSet();
  EXPECT_EQ(StoreSendSet(), 0);
  EXPECT_EQ(ReadBytes(notAFolder), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(SendSetFile, FullMediumKeepsThePreviousFile) {
  ResetSendSet();
  CopyText(g_sSendSet.szRecp[0], "old");
  ASSERT_EQ(StoreSendSet(), 1);
  const auto previous = ReadBytes(cfg());

  // The new image goes to the temporary file first; make that a full medium.
  std::filesystem::create_symlink("/dev/full", folder_.file("CFG.BIN.tmp"));
  CopyText(g_sSendSet.szRecp[0], "new");
  g_sGenTime = g_sSendSet.sTime = {26, 1, 1, 0, 0, 1};
  TraceCapture trace;
  EXPECT_EQ(StoreSendSet(), 0);
  EXPECT_EQ(ReadBytes(cfg()), previous);
  EXPECT_FALSE(
      std::filesystem::exists(std::filesystem::symlink_status(folder_.file("CFG.BIN.tmp"))));
  EXPECT_EQ(LoadSendSet(1), 0);  // the old stamp
}

TEST_F(SendSetFile, StoreReplacesThePreviousFile) {
  ResetSendSet();
  ASSERT_EQ(StoreSendSet(), 1);
  CopyText(g_sSendSet.szRecp[2], "me@example.com");
  g_sSendSet.uwRecpLen[2] = 14;
  g_sGenTime = g_sSendSet.sTime = {26, 12, 11, 10, 0, 0};
  ASSERT_EQ(StoreSendSet(), 1);
  ASSERT_EQ(LoadSendSet(1), 1);
  EXPECT_EQ(FieldText(g_sSendSet.szRecp[2]), "me@example.com");
  EXPECT_FALSE(std::filesystem::exists(folder_.file("CFG.BIN.tmp")));
}

}  // namespace
