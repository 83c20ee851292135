// Writes the fuzz seed corpus: settings files made by the program's own
// store procedures from fresh, typical and awkward records, plus files cut
// one byte short and grown one byte long.
// Where camcfg is built, also its JSON for those records and typical --set
// assignments.
//   make_seeds DIR   ->  DIR/<fuzz target>/*
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "files/codec.h"
#include "files/menu_data.h"
#include "files/save_path.h"
#include "files/send_set.h"
#include "files/text_field.h"
#include "files/trace.h"
#if defined(CAMSETUP_FUZZ_CAMCFG)
#include "tools/camcfg/record_json.h"
#endif

namespace fs = std::filesystem;

namespace {

bool g_failed = false;

void Fail(const std::string& what) {
  std::fprintf(stderr, "make_seeds: %s\n", what.c_str());
  g_failed = true;
}

std::vector<char> ReadAll(const fs::path& path) {
  std::vector<char> bytes;
  std::FILE* file = std::fopen(path.string().c_str(), "rb");
  if (file == nullptr) return bytes;
  char chunk[4096];
  for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
    bytes.insert(bytes.end(), chunk, chunk + got);
  std::fclose(file);
  return bytes;
}

void WriteAll(const fs::path& path, const std::vector<char>& bytes) {
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  if (file == nullptr) return Fail("cannot write " + path.string());
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
  if (std::fclose(file) != 0) Fail("cannot write " + path.string());
}

// Stores through `store` into `folder`, then keeps the file as `name` and,
// when asked, its one-byte-short and one-byte-long variants.
void Keep(const fs::path& folder, const char* fileName, int (*store)(), const std::string& name,
          bool sizeVariants = false) {
  if (!SetSavePath(folder.string().c_str())) return Fail("folder too long: " + folder.string());
  if (store() != 1) return Fail("store failed for " + name);
  const fs::path stored = folder / fileName;
  std::vector<char> bytes = ReadAll(stored);
  std::error_code ignored;
  fs::remove(stored, ignored);
  WriteAll(folder / name, bytes);
  if (!sizeVariants || bytes.empty()) return;
  WriteAll(folder / (name + "-short"), {bytes.begin(), bytes.end() - 1});
  bytes.push_back(bytes.back());
  WriteAll(folder / (name + "-long"), bytes);
}

template <std::size_t N>
void FillUnterminated(char (&field)[N], char c) {
  std::memset(field, c, N);
}

void CfgSeeds(const fs::path& folder) {
  ResetSendSet();
  Keep(folder, kSendSetFileName, StoreSendSet, "fresh", true);

  SendSet& r = g_sSendSet;
  ResetSendSet();
  r.bySendBy = kSendByFtp;
  r.byOperatorCountry = 7;
  r.byOperator = 2;
  r.sTime = SendTime{24, 2, 29, 10, 20, 30};
  r.byRemoteInterval = 3;
  r.byRemoteSwitch = 1;
  CopyText(r.sFtpSet.szServer, "ftp.example.net");
  CopyText(r.sFtpSet.szUserName, "camera");
  CopyText(r.sFtpSet.szPassword, "secret");
  CopyText(r.sFtpSet.szFtpDir, "/pictures");
  r.sFtpSet.iFtpDirType = 1;
  CopyText(r.szRecp[0], "+8613800000000");
  r.uwRecpLen[0] = 14;
  CopyText(r.szRecp[2], "owner@example.net");
  r.uwRecpLen[2] = 17;
  r.bySendFileNum = 2;
  CopyText(r.szFileFullName[0], "DCIM\\100MEDIA");
  CopyText(r.szFileFullName[1], "DCIM\\101MEDIA");
  CopyText(r.sMmsSet.szUrl, "http://mms.example.net");
  CopyText(r.sMmsSet.szPort, "80");
  r.sLongitude = CoordSet{1, 113, 15, 30};
  r.sLatitude = CoordSet{0, 22, 33, 44};
  Keep(folder, kSendSetFileName, StoreSendSet, "ftp");

  // A file made elsewhere: every text field full to its last byte.
  ResetSendSet();
  r.bySendBy = kSendByCloud;
  r.bySendFileNum = 4;
  FillUnterminated(r.sSmtpSet.sz3GSmtpApN, 'a');
  FillUnterminated(r.sSmtpSet.szServer, 's');
  FillUnterminated(r.sSmtpSet.szPassword, 'p');
  FillUnterminated(r.sMmsSet.szUrl, 'u');
  FillUnterminated(r.sMmsSet.szPort, '9');
  FillUnterminated(r.sMmsSet.szPassword, 'w');
  for (auto& recipient : r.szRecp) FillUnterminated(recipient, 'r');
  for (auto& name : r.szFileFullName) FillUnterminated(name, 'f');
  FillUnterminated(r.szRemotePhoneNum, '1');
  FillUnterminated(r.szRemoteEmail, 'e');
  FillUnterminated(r.sFtpSet.szFtpDir, 'd');
  FillUnterminated(r.DebugUrl, 'x');
  Keep(folder, kSendSetFileName, StoreSendSet, "full-fields");

  ResetSendSet();
  r.byRemoteInterval = 200;
  r.bySendFileNum = 9;
  r.bySendMode = 1;
  r.bySendBy = kSendByEmail;
  Keep(folder, kSendSetFileName, StoreSendSet, "out-of-range");

  ResetSendSet();
  r.uwStructFlag = 0x1006;
  Keep(folder, kSendSetFileName, StoreSendSet, "wrong-flag");
}

void MenuSeeds(const fs::path& folder) {
  DefaultMenuData();
  Keep(folder, kMenuDataFileName, StoreMenuData, "factory", true);

  MenuData& m = g_sMenuData;
  DefaultMenuData();
  m.CapMode = 2;
  m.ClockZone = PackClockZone(20, kClockAuto);
  m.Year = 2024;
  m.Month = 2;
  m.Day = 29;
  m.Hour = 10;
  m.Minute = 20;
  m.Second = 30;
  m.Timer1On = 1;
  m.Timer1StartHour = 6;
  m.Timer1EndHour = 18;
  m.SerialOn = 1;
  m.SerialChars[0] = 35;
  m.TimeLapse = 0;
  m.TimeLapseMin = 5;
  Keep(folder, kMenuDataFileName, StoreMenuData, "clock");

  DefaultMenuData();
  m.ClockZone = 0x80;
  m.Reserved1 = 0x11;
  m.Reserved2 = 0x22;
  Keep(folder, kMenuDataFileName, StoreMenuData, "zone-row-0");

  DefaultMenuData();
  std::memset(&m, 0xFF, sizeof m);
  Keep(folder, kMenuDataFileName, StoreMenuData, "all-ff");
}

#if defined(CAMSETUP_FUZZ_CAMCFG)
// The first byte of a camcfg seed: bit 0 menu.dat, bit 2 a record image
// rather than text (see camcfg_entries.h).
std::vector<char> CamcfgSeed(char selector, const std::string& rest) {
  std::vector<char> bytes{selector};
  bytes.insert(bytes.end(), rest.begin(), rest.end());
  return bytes;
}

std::string PlainImage(const fs::path& file) {
  std::vector<char> bytes = ReadAll(file);
  std::string plain(bytes.begin(), bytes.end());
  for (char& c : plain) c = static_cast<char>(UnscrambledByte(static_cast<std::uint8_t>(c)));
  return plain;
}

void CamcfgSeeds(const fs::path& root) {
  const fs::path json = root / "fuzz_camcfg_json";
  const fs::path set = root / "fuzz_camcfg_set";
  std::error_code error;
  fs::create_directories(json, error);
  fs::create_directories(set, error);
  if (error) return Fail("cannot create the camcfg seed folders");

  // Every stored seed as JSON text and as a record image.
  const struct {
    const char* folder;
    RecordKind kind;
    char selector;
  } kinds[] = {{"fuzz_load_cfg", RecordKind::SendSet, 0},
               {"fuzz_load_menu", RecordKind::MenuData, 1}};
  for (const auto& k : kinds) {
    for (const auto& entry : fs::directory_iterator(root / k.folder, error)) {
      const std::string plain = PlainImage(entry.path());
      if (plain.size() != RecordSize(k.kind)) continue;
      const auto* bytes = reinterpret_cast<const std::uint8_t*>(plain.data());
      const std::string shown = DumpJson(RecordToJson(k.kind, {bytes, plain.size()}));
      const std::string name = entry.path().filename().string();
      WriteAll(json / (name + ".json"), CamcfgSeed(k.selector, shown));
      WriteAll(json / (name + ".image"), CamcfgSeed(static_cast<char>(k.selector | 4), plain));
    }
  }
  WriteAll(
      json / "partial.json",
      CamcfgSeed(0, R"({"bySendBy": 3, "sFtpSet": {"szServer": "ftp.example.net", "iPort": 2121},)"
                    R"( "szRecp": ["+8613800000000", "", "owner@example.net", ""]})"));
  WriteAll(json / "clock.json",
           CamcfgSeed(1, R"({"ClockMode": 1, "Year": 2024, "Month": 2, "Day": 29, "Second": 59})"));

  WriteAll(set / "cfg", CamcfgSeed(0,
                                   "bySendBy=3\nsFtpSet.iPort=0x15\nszRecp[2]=owner@example.net\n"
                                   "sMmsSet.szPort=8080\nbyRemoteInterval=25\nDebugUrl=\n"
                                   "sSmtpSet.iPort=-1"));
  WriteAll(set / "menu", CamcfgSeed(1,
                                    "CapMode=2\nClockMode=1\nYear=2024\nSerialChars[3]=35\n"
                                    "Interval=119"));
}
#endif

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds DIR\n");
    return 2;
  }
  TraceToNowhere();
  std::error_code error;
  const fs::path root = fs::absolute(argv[1], error);
  const fs::path cfg = root / "fuzz_load_cfg";
  const fs::path menu = root / "fuzz_load_menu";
  fs::create_directories(cfg, error);
  fs::create_directories(menu, error);
  if (error) {
    Fail("cannot create " + root.string());
    return 1;
  }
  CfgSeeds(cfg);
  MenuSeeds(menu);
#if defined(CAMSETUP_FUZZ_CAMCFG)
  CamcfgSeeds(root);
#endif
  return g_failed ? 1 : 0;
}
