#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "data/carriers.h"
#include "files/menu_data.h"
#include "files/save_path.h"
#include "files/send_set.h"
#include "files/text_field.h"
#include "support/test_support.h"
#include "tests/camcfg/camcfg_test_support.h"
#include "tools/camcfg/cli.h"
#include "tools/camcfg/commands.h"
#include "tools/camcfg/record_json.h"
#include "tools/camcfg/settings_io.h"

namespace fs = std::filesystem;

namespace {

// 2024-02-29 10:20:30, local.
bool FixedNow(std::tm* local) {
  *local = std::tm{};
  local->tm_year = 124;
  local->tm_mon = 1;
  local->tm_mday = 29;
  local->tm_hour = 10;
  local->tm_min = 20;
  local->tm_sec = 30;
  return true;
}
const SendTime kFixedStamp{24, 2, 29, 10, 20, 30};

// The PC at UTC+08:00: time zone row 20.
int EpochHourAtUtcPlus8() { return 8; }
constexpr std::uint8_t kPcZoneRow = 20;

struct RunResult {
  int code;
  std::string out;
  std::string err;
};

using Snapshot = std::map<std::string, std::vector<std::uint8_t>>;

class CamcfgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLocalTimeSource(FixedNow);
    SetEpochLocalHourSource(EpochHourAtUtcPlus8);
    SaveClock = ClockStamp{};
  }
  void TearDown() override {
    SetLocalTimeSource(nullptr);
    SetEpochLocalHourSource(nullptr);
    SaveClock = ClockStamp{};
  }

  RunResult Run(std::vector<std::string> args) {
    std::vector<const char*> argv{"camcfg"};
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCamcfg(static_cast<int>(argv.size()), argv.data(), out, err);
    return {code, out.str(), err.str()};
  }

  std::string Path(const std::string& name) const { return (folder_.path() / name).string(); }
  std::string Dir() const { return folder_.path().string(); }

  // Every file under the folder with its bytes.
  Snapshot Files() const {
    Snapshot files;
    for (const auto& entry : fs::recursive_directory_iterator(folder_.path())) {
      const std::string name = fs::relative(entry.path(), folder_.path()).string();
      if (entry.is_symlink() || !entry.is_regular_file())
        files[name] = {};
      else
        files[name] = ReadBytes(entry.path());
    }
    return files;
  }

  void WriteText(const std::string& name, const std::string& text) {
    std::ofstream(Path(name), std::ios::binary) << text;
  }

  // A settings file with exactly these plain bytes.
  void WriteRecord(const std::string& name, const std::vector<std::uint8_t>& plain) {
    WriteBytes(Path(name), Encoded(plain.data(), plain.size()));
  }

  std::vector<std::uint8_t> PlainOf(const std::string& name) const {
    return Decoded(ReadBytes(Path(name)));
  }

  // A CFG.BIN that passes the checks: MMS to one phone number.
  void NewGoodCfg(const std::string& dir) {
    const RunResult r = Run({"new", "cfg", dir, "--set", "szRecp[0]=13800000000"});
    ASSERT_EQ(r.code, 0) << r.err;
  }

  SaveFolder folder_;
};

Json ParsedJson(const std::string& text) {
  Json value;
  const Outcome parsed = ParseJson(text, value);
  EXPECT_TRUE(parsed.ok()) << parsed.error;
  return value;
}

// new then show --json gives back what went in, apart from what new
// stamps: sTime, bSet and the flag bit for CFG.BIN.
TEST_F(CamcfgTest, NewCfgThenShowJsonRoundTrip) {
  const Json input = RecordToJson(RecordKind::SendSet, PlainBytes(BusySendSet()));
  WriteText("busy.json", DumpJson(input));
  fs::create_directory(Path("card"));
  const RunResult made = Run({"new", "cfg", Path("card"), "--from", Path("busy.json"), "--force"});
  ASSERT_EQ(made.code, 0) << made.err;
  EXPECT_EQ(made.out, "Wrote " + (fs::path(Path("card")) / "CFG.BIN").string() + "\n");
  EXPECT_EQ(made.err, "");

  const RunResult shown = Run({"show", Path("card/CFG.BIN"), "--json"});
  ASSERT_EQ(shown.code, 0) << shown.err;
  Json expected = input;
  expected["sTime"] = Json::object({{"byYear", 24},
                                    {"byMonth", 2},
                                    {"byDay", 29},
                                    {"byHour", 10},
                                    {"byMinute", 20},
                                    {"bySecond", 30}});
  expected["bSet"] = 0;
  expected["IF_SEND_BY_APP_SET_FLG"] = 1;
  EXPECT_EQ(ParsedJson(shown.out), expected);
  EXPECT_EQ(std::memcmp(&g_sGenTime, &kFixedStamp, sizeof kFixedStamp), 0);
}

TEST_F(CamcfgTest, NewMenuThenShowJsonRoundTrip) {
  const MenuData busy = BusyMenuData();  // ClockMode Input: the clock is as typed
  WriteText("menu.json", DumpJson(RecordToJson(RecordKind::MenuData, PlainBytes(busy))));
  const RunResult made = Run({"new", "menu", Dir(), "--from", Path("menu.json")});
  ASSERT_EQ(made.code, 0) << made.err;

  MenuData expected = busy;
  expected.ClockZone = PackClockZone(kPcZoneRow, kClockInput);  // the PC's zone, not the JSON's
  const RunResult shown = Run({"show", Path("menu.dat"), "--json"});
  ASSERT_EQ(shown.code, 0) << shown.err;
  EXPECT_EQ(ParsedJson(shown.out), RecordToJson(RecordKind::MenuData, PlainBytes(expected)));
  EXPECT_EQ(PlainOf("menu.dat"), PlainBytes(expected));
}

TEST_F(CamcfgTest, NewMenuClockFollowsClockMode) {
  struct Case {
    std::vector<std::string> sets;
    std::uint8_t mode;
    ClockStamp clock;
  };
  const Case cases[] = {
      // Auto: the PC's clock, whatever was given.
      {{"--set", "Year=2030", "--set", "Second=1"}, kClockAuto, {2024, 2, 29, 10, 20, 30}},
      {{}, kClockAuto, {2024, 2, 29, 10, 20, 30}},
      // Input: the fields typed, the PC's clock for the rest.
      {{"--set", "ClockMode=1", "--set", "Year=2030", "--set", "Second=1"},
       kClockInput,
       {2030, 2, 29, 10, 20, 1}},
      // Off: empty fields, so the record keeps its clock: zeros, or as given.
      {{"--set", "ClockMode=2"}, kClockOff, {0, 0, 0, 0, 0, 0}},
      {{"--set", "ClockMode=2", "--set", "Year=2030"}, kClockOff, {2030, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"new", "menu", Dir()};
    args.insert(args.end(), c.sets.begin(), c.sets.end());
    const RunResult r = Run(args);
    ASSERT_EQ(r.code, 0) << r.err;
    const MenuData m = AsMenuData(PlainOf("menu.dat"));
    SCOPED_TRACE(testing::PrintToString(c.sets));
    EXPECT_EQ(m.ClockZone, PackClockZone(kPcZoneRow, c.mode));
    EXPECT_EQ(m.Year, c.clock.year);
    EXPECT_EQ(m.Month, c.clock.month);
    EXPECT_EQ(m.Day, c.clock.day);
    EXPECT_EQ(m.Hour, c.clock.hour);
    EXPECT_EQ(m.Minute, c.clock.minute);
    EXPECT_EQ(m.Second, c.clock.second);
    EXPECT_EQ(m.Flag, kMenuDataFlag);
  }
}

TEST_F(CamcfgTest, NewCfgStartsFromTheFreshRecordAndSetsApplyAfterTheJson) {
  WriteText("part.json", R"({"bySendBy": 2, "sSmtpSet": {"iPort": 25}})");
  const RunResult r = Run({"new", "cfg", Dir(), "--from", Path("part.json"), "--set",
                           "sSmtpSet.iPort=465", "--set", "szRecp[2]=me@example.com", "--force"});
  ASSERT_EQ(r.code, 0) << r.err;
  SendSet expected = FreshSendSet();
  expected.bySendBy = 2 | IF_SEND_BY_APP_SET_FLG;
  expected.sSmtpSet.iPort = 465;
  CopyText(expected.szRecp[2], "me@example.com");
  expected.uwRecpLen[2] = 14;
  expected.sTime = kFixedStamp;
  EXPECT_EQ(PlainOf("CFG.BIN"), PlainBytes(expected));
}

TEST_F(CamcfgTest, NewCfgRunsTheGenerateChecks) {
  struct Case {
    std::vector<std::string> args;
    int code;
    std::string message;  // first lines of stderr, or empty
  };
  const std::vector<std::string> remoteOn{
      "--set", "szRecp[0]=13800000000", "--set", "byRemoteSwitch=1",
      "--set", "byRemoteInterval=0",    "--set", "szRemotePhoneNum=13900000000"};
  auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> args = remoteOn;
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
  };
  const Case cases[] = {
      {{}, 1, "Generate failed!\nPlease enter at least one phone number or email address.\n"},
      {{"--force"}, 0, ""},
      {{"--set", "szRecp[0]=1"}, 0, ""},
      // The outbox group runs for remote control unless reply commands are off.
      {remoteOn, 1, "Generate failed!\nPlease enter the correct remote control receiving email.\n"},
      {with({"--no-reply-commands"}), 0, ""},
      {with({"--set", "szRemoteEmail=r@example.com"}), 1,
       "Generate failed!\nPlease enter 3G network APN.\n"},
      // The flag bit a JSON taken from show carries is no part of the send
      // option: MMS with the bit set still needs a recipient.
      {{"--set", "IF_SEND_BY_APP_SET_FLG=1"},
       1,
       "Generate failed!\nPlease enter at least one phone number or email address.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    fs::remove(Path("CFG.BIN"));
    std::vector<std::string> args{"new", "cfg", Dir()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const RunResult r = Run(args);
    EXPECT_EQ(r.code, c.code) << r.err;
    if (c.code == 0) {
      EXPECT_TRUE(fs::exists(Path("CFG.BIN")));
    } else {
      EXPECT_EQ(r.err.substr(0, c.message.size()), c.message);
      EXPECT_FALSE(fs::exists(Path("CFG.BIN"))) << "nothing written";
      EXPECT_EQ(r.out, "");
    }
  }
}

TEST_F(CamcfgTest, NewReplacesAFileAlreadyThere) {
  NewGoodCfg(Dir());
  ASSERT_EQ(Run({"new", "cfg", Dir(), "--set", "szRecp[1]=555", "--set", "szRecp[0]="}).code, 0);
  const SendSet r = AsSendSet(PlainOf("CFG.BIN"));
  EXPECT_STREQ(r.szRecp[1], "555");
  EXPECT_EQ(r.uwRecpLen[0], 0);
  EXPECT_EQ(Files().size(), 1u) << "no temporary file left";
}

// One edit of each kind; every other byte of the file stays as it was,
// load corrections included (bySendMode 1 and interval 200 are kept).
TEST_F(CamcfgTest, SetEditsEveryFieldKindAndNothingElse) {
  SendSet start = BusySendSet();
  start.byRemoteInterval = 200;
  WriteRecord("CFG.BIN", PlainBytes(start));

  const RunResult r = Run({"set", Path("CFG.BIN"), "bySendImgSize=0", "uwMaxSendImgNum=0x10",
                           "sSmtpSet.iPort=-2147483648", "bySendBy=2", "szRecp[3]=you@example.com",
                           "sMmsSet.szApn=cmwap", "reserved.byReserved1240=abcd",
                           "sLatitude.byDir=0", "DebugUrl="});
  ASSERT_EQ(r.code, 0) << r.err;

  SendSet expected = start;
  expected.bySendImgSize = 0;
  expected.uwMaxSendImgNum = 16;
  expected.sSmtpSet.iPort = INT32_MIN;
  expected.bySendBy = 2 | IF_SEND_BY_APP_SET_FLG;
  CopyText(expected.szRecp[3], "you@example.com");
  expected.uwRecpLen[3] = 15;
  CopyText(expected.sMmsSet.szApn, "cmwap");
  expected.byReserved1240[0] = 0xAB;
  expected.byReserved1240[1] = 0xCD;
  expected.sLatitude.byDir = 0;
  CopyText(expected.DebugUrl, "");
  EXPECT_EQ(PlainOf("CFG.BIN"), PlainBytes(expected));
}

TEST_F(CamcfgTest, SetEditsAMenuDatAndStampsItsFlag) {
  MenuData start = BusyMenuData();
  start.Flag = 0;
  start.ClockZone = 0x01;  // no zone stored: set must not add the PC's
  WriteRecord("menu.dat", PlainBytes(start));
  const RunResult r =
      Run({"set", Path("menu.dat"), "CapMode=1", "SerialChars[2]=35", "Year=2040", "ClockMode=2"});
  ASSERT_EQ(r.code, 0) << r.err;
  MenuData expected = start;
  expected.CapMode = 1;
  expected.SerialChars[2] = 35;
  expected.Year = 2040;
  expected.ClockZone = 0x02;
  expected.Flag = kMenuDataFlag;
  EXPECT_EQ(PlainOf("menu.dat"), PlainBytes(expected));
}

// A copy under another name is edited in its own folder under its own name.
TEST_F(CamcfgTest, SetWorksOnAnyFileName) {
  fs::create_directories(Path("backup"));
  NewGoodCfg(Path("backup"));
  fs::rename(Path("backup/CFG.BIN"), Path("backup/site-3.bin"));
  ASSERT_EQ(Run({"new", "menu", Path("backup")}).code, 0);
  fs::rename(Path("backup/menu.dat"), Path("backup/menu-2024.dat"));

  EXPECT_EQ(Run({"set", Path("backup/site-3.bin"), "szRecp[1]=5550100"}).code, 0);
  EXPECT_EQ(Run({"set", Path("backup/menu-2024.dat"), "PicNum=2"}).code, 0);

  EXPECT_STREQ(AsSendSet(PlainOf("backup/site-3.bin")).szRecp[1], "5550100");
  EXPECT_EQ(AsMenuData(PlainOf("backup/menu-2024.dat")).PicNum, 2);
  const Snapshot files = Files();
  EXPECT_EQ(files.size(), 3u) << "no CFG.BIN, menu.dat or temporary file appeared";
  EXPECT_TRUE(files.count("backup/site-3.bin"));
  EXPECT_TRUE(files.count("backup/menu-2024.dat"));
}

TEST_F(CamcfgTest, SetThroughALinkEditsTheFileItNames) {
  fs::create_directories(Path("card"));
  NewGoodCfg(Path("card"));
  fs::create_symlink(Path("card/CFG.BIN"), Path("link.bin"));
  ASSERT_EQ(Run({"set", Path("link.bin"), "bySendImgSize=1"}).code, 0);
  EXPECT_TRUE(fs::is_symlink(Path("link.bin")));
  EXPECT_EQ(AsSendSet(PlainOf("card/CFG.BIN")).bySendImgSize, 1);
}

// Every bad input: exit 2, one line on stderr, nothing on stdout, and not a
// byte changed under the folder.
TEST_F(CamcfgTest, BadInputWritesNothing) {
  NewGoodCfg(Dir());
  ASSERT_EQ(Run({"new", "menu", Dir()}).code, 0);
  WriteText("short.bin", std::string(100, 'x'));
  WriteText("bad.json", "{\"bySendBy\": ");
  WriteText("type.json", R"({"sSmtpSet": {"iPort": "25"}})");
  WriteText("list.json", R"([])");
  fs::create_directories(Path("sub"));
  // A folder whose temporary file cannot be created, even by root: the
  // existing file there must survive the failed store.
  fs::create_directories(Path("locked/CFG.BIN.tmp"));
  fs::create_directories(Path("locked/menu.dat.tmp"));
  fs::copy_file(Path("CFG.BIN"), Path("locked/CFG.BIN"));
  fs::copy_file(Path("menu.dat"), Path("locked/menu.dat"));
  std::string deep = Dir();
  while (deep.size() <= kSavePathMax) deep += "/" + std::string(40, 'd');
  fs::create_directories(deep);
  fs::copy_file(Path("CFG.BIN"), deep + "/CFG.BIN");

  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::string cfg = Path("CFG.BIN");
  const Case cases[] = {
      {{"set", cfg, "noSuchField=1"}, "unknown field \"noSuchField\" in CFG.BIN"},
      {{"set", cfg, "bySendImgSize=300"}, "bySendImgSize: 300 is out of range (0..255)"},
      {{"set", cfg, "sSmtpSet.iPort=abc"}, "sSmtpSet.iPort: \"abc\" is not a number"},
      {{"set", cfg, "szRemotePhoneNum=1234567890123456"}, "the field holds at most 15 bytes"},
      {{"set", cfg, "szRecp[2]=fine@example.com", "bySendBy=999"}, "out of range"},
      {{"set", cfg, "uwStructFlag=1"}, "uwStructFlag: must be 4101"},
      {{"set", cfg, "bySendBy"}, "not of the form NAME=VALUE"},
      {{"set", Path("menu.dat"), "CapMode=256"}, "CapMode: 256 is out of range"},
      {{"set", Path("missing.bin"), "bySendBy=1"}, "no such file"},
      {{"set", Path("short.bin"), "bySendBy=1"},
       "is 100 bytes; a CFG.BIN is 1320 bytes and a menu.dat 44 bytes"},
      {{"set", Path("sub"), "bySendBy=1"}, "is a folder"},
      {{"set", Path("locked/CFG.BIN"), "bySendBy=2"}, "cannot write"},
      {{"set", Path("locked/menu.dat"), "CapMode=2"}, "cannot write"},
      {{"show", Path("short.bin")}, "a CFG.BIN is 1320 bytes and a menu.dat 44 bytes"},
      {{"show", Path("missing.bin")}, "no such file"},
      {{"new", "cfg", Path("nowhere")}, "no such folder"},
      {{"new", "cfg", cfg}, "is not a folder"},
      {{"new", "cfg", Path("locked"), "--force"}, "cannot write"},
      {{"new", "menu", Path("locked")}, "cannot write"},
      {{"new", "cfg", deep, "--force"}, "longer than 259 characters"},
      {{"set", deep + "/CFG.BIN", "bySendBy=2"}, "longer than 259 characters"},
      {{"check", deep + "/CFG.BIN"}, "longer than 259 characters"},
      {{"new", "cfg", Path("sub"), "--from", Path("bad.json")}, "malformed JSON"},
      {{"new", "cfg", Path("sub"), "--from", Path("type.json")},
       "sSmtpSet.iPort: expected an integer, got string"},
      {{"new", "cfg", Path("sub"), "--from", Path("list.json")}, "expected an object"},
      {{"new", "cfg", Path("sub"), "--from", Path("missing.json")}, "no such file"},
      {{"new", "cfg", Path("sub"), "--from", Path("sub")}, "is not a file"},
      {{"new", "cfg", Path("sub"), "--set", "nope=1"}, "unknown field \"nope\""},
      {{"new", "menu", Path("sub"), "--set", "bySendBy=1"},
       "unknown field \"bySendBy\" in menu.dat"},
      {{"new", "menu", Path("sub"), "--set", "VideoLen=x"}, "not a number"},
      {{"new", "cfg", Path("sub"), "--set", "uwStructFlag=0", "--force"}, "must be 4101"},
      {{"check", Path("menu.dat")}, "check applies to a CFG.BIN"},
      {{"check", Path("missing.bin")}, "no such file"},
      {{"new", "disk", Path("sub")}, "KIND"},
      {{"set", cfg}, "ASSIGNMENTS"},
      {{"check", cfg, "--lang", "fr"}, "--lang"},
      {{"show"}, "FILE"},
      {{"frobnicate"}, "frobnicate"},
      {{"show", cfg, "--colour"}, "--colour"},
      {{}, "subcommand"},
  };
  const Snapshot before = Files();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    const RunResult r = Run(c.args);
    EXPECT_EQ(r.code, kExitBadInput);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("camcfg: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << "one line: " << r.err;
    EXPECT_EQ(Files(), before);
  }
}

TEST_F(CamcfgTest, CheckExitCodesAndMessages) {
  struct Case {
    std::vector<std::string> sets;   // for new cfg --force
    std::vector<std::string> flags;  // for check
    int code;
    std::string out;
  };
  const Case cases[] = {
      {{"szRecp[0]=13800000000"}, {}, 0, "OK\n"},
      {{}, {}, 1, "Generate failed!\nPlease enter at least one phone number or email address.\n"},
      {{}, {"--lang", "zh"}, 1, "未生成配置文件！\n请输入至少一个手机号码或邮箱地址。\n"},
      {{"bySendBy=2", "szRecp[2]=bad"}, {}, 1, "Generate failed!\nEmail address 1 error.\n"},
      // The English FTP account message breaks its line with a lone CR.
      {{"bySendBy=3", "sSmtpSet.sz3GSmtpApN=internet", "sFtpSet.szServer=ftp.example.com"},
       {},
       1,
       "Generate failed!\nFTP account error!\n"},
      {{"szRecp[0]=1", "byRemoteInterval=3", "byRemoteSwitch=1", "szRemotePhoneNum=13900000000"},
       {"--no-reply-commands"},
       0,
       "OK\n"},
      {{"szRecp[0]=1", "byRemoteInterval=3", "byRemoteSwitch=1", "szRemotePhoneNum=13900000000"},
       {},
       1,
       "Generate failed!\nPlease enter the correct remote control receiving email.\n"},
      // Loaded as the parameter page loads it: interval 200 turns remote
      // control on, so the remote phone number is checked ...
      {{"szRecp[0]=1", "byRemoteInterval=200", "byRemoteSwitch=0"},
       {},
       1,
       "Generate failed!\nPlease enter the correct remote phone number.\n"},
      // ... and the cloud option 4 becomes Close 3G, which needs nothing.
      {{"bySendBy=4"}, {}, 0, "OK\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.sets) + testing::PrintToString(c.flags));
    std::vector<std::string> make{"new", "cfg", Dir(), "--force"};
    for (const std::string& s : c.sets) make.insert(make.end(), {"--set", s});
    ASSERT_EQ(Run(make).code, 0);
    std::vector<std::string> args{"check", Path("CFG.BIN")};
    args.insert(args.end(), c.flags.begin(), c.flags.end());
    const RunResult r = Run(args);
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, "");
  }
}

TEST_F(CamcfgTest, CheckRefusesARecordWithAForeignStructureFlag) {
  SendSet record = FreshSendSet();
  CopyText(record.szRecp[0], "1");
  record.uwRecpLen[0] = 1;
  record.uwStructFlag = 0x1006;
  WriteRecord("odd.bin", PlainBytes(record));
  const RunResult r = Run({"check", Path("odd.bin")});
  EXPECT_EQ(r.code, kExitBadInput);
  EXPECT_NE(r.err.find("structure flag"), std::string::npos) << r.err;
}

TEST_F(CamcfgTest, ShowTextNamesEveryFieldWithItsMeaning) {
  WriteRecord("CFG.BIN", PlainBytes(BusySendSet()));
  const RunResult r = Run({"show", Path("CFG.BIN")});
  ASSERT_EQ(r.code, 0) << r.err;
  for (const FieldDesc& field : FieldTable(RecordKind::SendSet)) {
    const std::string name =
        field.count > 1 ? std::string(field.name) + "[3]" : std::string(field.name);
    EXPECT_NE(r.out.find("\n" + name + " "), std::string::npos) << name;
    EXPECT_NE(r.out.find(std::string(field.meaning)), std::string::npos) << name;
  }
  // As stored: the flag bit and the send mode the load would clear.
  EXPECT_NE(r.out.find("\nbySendBy                   3 "), std::string::npos);
  EXPECT_NE(r.out.find("\nIF_SEND_BY_APP_SET_FLG     1 "), std::string::npos);
  EXPECT_NE(r.out.find("\nbySendMode                 1 "), std::string::npos);
  EXPECT_NE(r.out.find("\nszCloudMail                \"\\xc4\\xe3\\xba\\xc3\""), std::string::npos);
  EXPECT_NE(r.out.find("\nsSmtpSet.szPassword        \"p\\\"w\\\\d\""), std::string::npos);
}

TEST_F(CamcfgTest, CarriersJsonMatchesTheDatabase) {
  const RunResult r = Run({"carriers", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const Json list = ParsedJson(r.out);
  ASSERT_TRUE(list.is_array());
  ASSERT_EQ(list.size(), static_cast<std::size_t>(CountryCount) + 1);
  int offered = 0;
  for (int c = 0; c < CountryCount; ++c) {
    const Json& country = list[static_cast<std::size_t>(c)];
    SCOPED_TRACE(c);
    EXPECT_EQ(country["index"], c);
    EXPECT_EQ(country["name"]["zh"], CountryName(0, c));
    EXPECT_EQ(country["name"]["en"], CountryName(1, c));
    ASSERT_EQ(country["operators"].size(), static_cast<std::size_t>(OperatorCount(c)));
    for (int o = 0; o < OperatorCount(c); ++o) {
      const Json& op = country["operators"][static_cast<std::size_t>(o)];
      const MmsPreset& mms = MmsPresetAt(c, o);
      const NetPreset& net = NetPresetAt(c, o);
      EXPECT_EQ(op["index"], o);
      EXPECT_EQ(op["name"]["zh"], OperatorName(0, c, o));
      EXPECT_EQ(op["name"]["en"], OperatorName(1, c, o));
      EXPECT_EQ(op["mms"], Json::object({{"Url", mms.Url},
                                         {"Apn", mms.Apn},
                                         {"Gateway", mms.Gateway},
                                         {"Port", mms.Port},
                                         {"Account", mms.Account},
                                         {"Password", mms.Password}}));
      EXPECT_EQ(
          op["net"],
          Json::object({{"apn", net.apn}, {"account", net.account}, {"password", net.password}}));
      ++offered;
    }
  }
  const Json& others = list[static_cast<std::size_t>(CountryCount)];
  EXPECT_EQ(others["index"], 43);
  EXPECT_EQ(others["name"], Json::object({{"zh", "其他"}, {"en", "Others"}}));
  EXPECT_EQ(others["operators"], Json::array());
  EXPECT_GT(offered, CountryCount);
}

TEST_F(CamcfgTest, CarriersTextInEitherLanguage) {
  const RunResult en = Run({"carriers"});
  const RunResult zh = Run({"carriers", "--lang", "zh"});
  ASSERT_EQ(en.code, 0);
  ASSERT_EQ(zh.code, 0);
  for (int c = 0; c <= CountryCount; ++c) {
    EXPECT_NE(en.out.find(std::to_string(c) + " " + CountryName(1, c) + "\n"), std::string::npos);
    EXPECT_NE(zh.out.find(std::to_string(c) + " " + CountryName(0, c) + "\n"), std::string::npos);
  }
  const MmsPreset& first = MmsPresetAt(0, 0);
  EXPECT_NE(en.out.find("MMS Url \"" + std::string(first.Url) + "\""), std::string::npos);
  EXPECT_NE(en.out.find("\n  0 " + std::string(OperatorName(1, 0, 0)) + "\n"), std::string::npos);
}

TEST_F(CamcfgTest, EveryCommandHasHelpWithExamples) {
  for (const char* command : {"show", "new", "set", "check", "carriers"}) {
    SCOPED_TRACE(command);
    const RunResult r = Run({command, "--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("Examples:"), std::string::npos);
    EXPECT_NE(r.out.find(std::string("camcfg ") + command), std::string::npos);
  }
  const RunResult top = Run({"--help"});
  EXPECT_EQ(top.code, 0);
  EXPECT_NE(top.out.find("Exit codes"), std::string::npos);
}

TEST_F(CamcfgTest, TraceGoesToStderrOnlyWhenAsked) {
  const RunResult quiet = Run({"new", "cfg", Dir(), "--force"});
  ASSERT_EQ(quiet.code, 0);
  EXPECT_EQ(quiet.err, "");
  const RunResult traced = Run({"new", "cfg", Dir(), "--force", "--trace"});
  ASSERT_EQ(traced.code, 0) << traced.err;
  EXPECT_EQ(traced.out, quiet.out);
  EXPECT_NE(traced.err.find("sizeof = 1320\n"), std::string::npos) << traced.err;
  EXPECT_NE(traced.err.find("IF_SEND_BY_APP_SET_FLG=1\n"), std::string::npos);
}

// The real executable: the libraries' trace never reaches its standard
// output, and the exit codes reach the shell.
class CamcfgProcessTest : public CamcfgTest {
 protected:
  RunResult Exec(const std::string& args) {
    const std::string out = Path("stdout.txt");
    const std::string err = Path("stderr.txt");
    const std::string command =
        std::string("'") + CAMCFG_BINARY + "' " + args + " >'" + out + "' 2>'" + err + "'";
    const int status = std::system(command.c_str());
    RunResult r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, "", ""};
    const auto text = [](const std::string& path) {
      const std::vector<std::uint8_t> bytes = ReadBytes(path);
      return std::string(bytes.begin(), bytes.end());
    };
    r.out = text(out);
    r.err = text(err);
    fs::remove(out);
    fs::remove(err);
    return r;
  }
};

TEST_F(CamcfgProcessTest, StdoutCarriesOnlyTheToolsOwnOutput) {
  fs::create_directories(Path("card"));
  const std::string card = Path("card");
  const RunResult made = Exec("new cfg '" + card + "' --set 'szRecp[0]=1'");
  EXPECT_EQ(made.code, 0) << made.err;
  EXPECT_EQ(made.out, "Wrote " + card + "/CFG.BIN\n");
  EXPECT_EQ(made.err, "");

  const RunResult traced = Exec("--trace check '" + card + "/CFG.BIN'");
  EXPECT_EQ(traced.code, 0);
  EXPECT_EQ(traced.out, "OK\n");
  EXPECT_NE(traced.err.find("g_sSendSet.szRecp[0]=\"1\""), std::string::npos) << traced.err;

  EXPECT_EQ(Exec("set '" + card + "/CFG.BIN' bySendImgSize=256").code, 2);
  EXPECT_EQ(Exec("set '" + card + "/CFG.BIN' szRecp[0]=").code, 0);
  const RunResult refused = Exec("check '" + card + "/CFG.BIN'");
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(refused.out,
            "Generate failed!\nPlease enter at least one phone number or email address.\n");
}

}  // namespace
