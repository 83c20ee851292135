#include "tools/camcfg/fields.h"

#include <charconv>

#include "files/menu_data.h"
#include "files/send_set.h"

namespace {

// Offsets and sizes come from the records themselves, whose layout the
// headers pin down byte by byte.
#define CAMCFG_FIELD(Record, name, member, kind, count, meaning)                               \
  FieldDesc {                                                                                  \
    name, offsetof(Record, member), kind, sizeof(Record{}.member) / (count), count, 0, meaning \
  }
#define SEND(name, member, kind, meaning) CAMCFG_FIELD(SendSet, name, member, kind, 1, meaning)
#define SEND4(name, member, kind, meaning) CAMCFG_FIELD(SendSet, name, member, kind, 4, meaning)
#define MENU(name, member, kind, meaning) CAMCFG_FIELD(MenuData, name, member, kind, 1, meaning)
#define BITS(name, offset, mask, meaning) \
  FieldDesc { name, offset, FieldKind::Bits, 1, 1, mask, meaning }

using K = FieldKind;

const FieldDesc kSendSetFields[] = {
    BITS("bySendBy", 0, 0x7F,
         "how pictures are sent: 0 Close 3G, 1 MMS, 2 e-mail, 3 FTP, 4 camera cloud system "
         "(a load turns 4 into 0)"),
    BITS("IF_SEND_BY_APP_SET_FLG", 0, IF_SEND_BY_APP_SET_FLG,
         "bit 7 of byte 0: 1 in every file the program writes"),
    SEND("bySendMode", bySendMode, K::U8, "0 send at once, 1 send once a day (a load makes it 0)"),
    SEND("bySendImgSize", bySendImgSize, K::U8, "picture size sent: 0 full image, 1 thumbnail"),
    SEND("byRemoteSwitch", byRemoteSwitch, K::U8, "remote control: 1 on, 0 off"),
    SEND("byRemoteInterval", byRemoteInterval, K::U8,
         "remote polling: 0 every 10 minutes, 1..24 every that many hours, 25 off"),
    SEND("byOperatorCountry", byOperatorCountry, K::U8,
         "country row of the carrier database, 43 Others (typed by hand)"),
    SEND("byOperator", byOperator, K::U8, "operator row within that country"),
    SEND("byDailySendTime", byDailySendTime, K::U8, "hour of the daily send, 24 when sent at once"),
    SEND("bySendFileNum", bySendFileNum, K::U8, "entries of szFileFullName in use, 0..4"),
    SEND("reserved.byPad9", byPad9, K::Hex, "padding"),
    SEND("uwMaxSendImgNum", uwMaxSendImgNum, K::U16, "most pictures sent per day"),
    SEND("uwStructFlag", uwStructFlag, K::U16, "structure flag, always 0x1005 (4101)"),
    SEND("sTime.byYear", sTime.byYear, K::U8,
         "time of generation: year - 2000 (year - 1900 before 2000)"),
    SEND("sTime.byMonth", sTime.byMonth, K::U8, "time of generation: month 1..12"),
    SEND("sTime.byDay", sTime.byDay, K::U8, "time of generation: day 1..31"),
    SEND("sTime.byHour", sTime.byHour, K::U8, "time of generation: hour 0..23"),
    SEND("sTime.byMinute", sTime.byMinute, K::U8, "time of generation: minute 0..59"),
    SEND("sTime.bySecond", sTime.bySecond, K::U8, "time of generation: second 0..59"),
    SEND("bSet", bSet, K::U8, "0 in every file the program writes"),
    SEND("reserved.byPad21", byPad21, K::Hex, "padding"),
    SEND("sSmtpSet.iPort", sSmtpSet.iPort, K::I32, "outgoing mail server port"),
    SEND("sSmtpSet.sz3GSmtpApN", sSmtpSet.sz3GSmtpApN, K::Text, "mobile-data access point name"),
    SEND("sSmtpSet.sz3GSmtpAccount", sSmtpSet.sz3GSmtpAccount, K::Text, "mobile-data account"),
    SEND("sSmtpSet.sz3GSmtpPassword", sSmtpSet.sz3GSmtpPassword, K::Text, "mobile-data password"),
    SEND("sSmtpSet.szServer", sSmtpSet.szServer, K::Text, "outgoing mail server"),
    SEND("sSmtpSet.szAddr", sSmtpSet.szAddr, K::Text, "sender e-mail address"),
    SEND("sSmtpSet.szUserName", sSmtpSet.szUserName, K::Text, "mail account user name"),
    SEND("sSmtpSet.szPassword", sSmtpSet.szPassword, K::Text, "mail account password"),
    SEND("reserved.byPad347", sSmtpSet.byPad, K::Hex, "padding at the end of sSmtpSet"),
    SEND("sMmsSet.szUrl", sMmsSet.szUrl, K::Text, "MMS centre URL"),
    SEND("sMmsSet.szApn", sMmsSet.szApn, K::Text, "MMS access point name"),
    SEND("sMmsSet.szGateway", sMmsSet.szGateway, K::Text, "MMS gateway (proxy) address"),
    SEND("sMmsSet.szPort", sMmsSet.szPort, K::Text, "MMS gateway port, as decimal text"),
    SEND("sMmsSet.szAccount", sMmsSet.szAccount, K::Text, "MMS account"),
    SEND("sMmsSet.szPassword", sMmsSet.szPassword, K::Text, "MMS password"),
    SEND4("uwRecpLen", uwRecpLen, K::U16, "length in bytes of each szRecp entry"),
    SEND4("szRecp", szRecp, K::Text,
          "recipients: [0] phone number 1, [1] phone number 2, [2] e-mail address 1, "
          "[3] e-mail address 2"),
    SEND4("szFileFullName", szFileFullName, K::Text,
          "file paths; the first bySendFileNum entries are in use"),
    SEND("szRemotePhoneNum", szRemotePhoneNum, K::Text,
         "phone number allowed to send remote-control commands"),
    SEND("szRemoteEmail", szRemoteEmail, K::Text, "mailbox that receives remote-control replies"),
    SEND("szCloudMail", szCloudMail, K::Text, "cloud system: registered mail address"),
    SEND("szCloudPassword", szCloudPassword, K::Text, "cloud system: login password"),
    SEND("szSimPhoneNum", szSimPhoneNum, K::Text, "cloud system: phone number of the camera's SIM"),
    SEND("reserved.byPad1045", byPad1045, K::Hex, "padding"),
    SEND("sFtpSet.szFtpDir", sFtpSet.szFtpDir, K::Text, "FTP upload directory"),
    SEND("sFtpSet.szServer", sFtpSet.szServer, K::Text, "FTP server"),
    SEND("sFtpSet.szUserName", sFtpSet.szUserName, K::Text, "FTP user name"),
    SEND("sFtpSet.szPassword", sFtpSet.szPassword, K::Text, "FTP password"),
    SEND("sFtpSet.iPort", sFtpSet.iPort, K::I32, "FTP port"),
    SEND("sFtpSet.iFtpDirType", sFtpSet.iFtpDirType, K::I32,
         "0 upload to the root, 1 upload to szFtpDir"),
    SEND("sLongitude.byDir", sLongitude.byDir, K::U8, "longitude: 0 east, 1 west"),
    SEND("sLongitude.byDegree", sLongitude.byDegree, K::U8, "longitude: degrees"),
    SEND("sLongitude.byMinute", sLongitude.byMinute, K::U8, "longitude: minutes"),
    SEND("sLongitude.bySecond", sLongitude.bySecond, K::U8, "longitude: seconds"),
    SEND("sLatitude.byDir", sLatitude.byDir, K::U8, "latitude: 0 north, 1 south"),
    SEND("sLatitude.byDegree", sLatitude.byDegree, K::U8, "latitude: degrees"),
    SEND("sLatitude.byMinute", sLatitude.byMinute, K::U8, "latitude: minutes"),
    SEND("sLatitude.bySecond", sLatitude.bySecond, K::U8, "latitude: seconds"),
    SEND("reserved.byReserved1240", byReserved1240, K::Hex, "reserved"),
    SEND("DebugFlag", DebugFlag, K::U8, "factory debug mode: 1 on, 0 off"),
    SEND("reserved.byReserved1243", byReserved1243, K::Hex, "reserved"),
    SEND("DebugPort", DebugPort, K::U16, "port of the factory debug server"),
    SEND("DebugUrl", DebugUrl, K::Text, "address of the factory debug server"),
    SEND("reserved.byPad1319", byPad1319, K::Hex, "padding at the end of the record"),
};

const FieldDesc kMenuDataFields[] = {
    MENU("CapMode", CapMode, K::U8, "capture mode: 0 Camera, 1 Video, 2 Camera+Video"),
    MENU("ImgSize", ImgSize, K::U8, "picture size: 0 12 MP, 1 5 MP, 2 2 MP"),
    MENU("VideoSize", VideoSize, K::U8, "video size: 0 1440x1080, 1 720P, 2 VGA"),
    MENU("PicNum", PicNum, K::U8, "pictures per trigger: 0, 1, 2 = 1, 2, 3 pictures"),
    MENU("TimeStamp", TimeStamp, K::U8, "time stamp on pictures: 0 On, 1 Off"),
    MENU("SenseLevel", SenseLevel, K::U8, "sensitivity: 0 Normal, 1 High, 2 Low, 3 Off"),
    MENU("SidePir", SidePir, K::U8, "side PIR sensors: 0 Off, 1 On"),
    MENU("VideoLen", VideoLen, K::U8, "video length: value + 1 seconds (0..59 = 1..60 s)"),
    MENU("Interval", Interval, K::U8, "interval: 0..59 seconds; 60..119 = 1..60 minutes"),
    MENU("DateFormat", DateFormat, K::U8,
         "date order: 0 year-month-day, 1 day-month-year, 2 month-day-year"),
    MENU("BeepSound", BeepSound, K::U8, "key beep: 0 Off, 1 On"),
    MENU("SdCycle", SdCycle, K::U8, "cyclic storage on the SD card: 0 Off, 1 On"),
    MENU("MenuLanguage", MenuLanguage, K::U8, "camera menu language: row + 1 (1..14), 2 English"),
    MENU("ClockZone", ClockZone, K::U8,
         "packed byte: bits 0-1 ClockMode, bits 2-6 TimeZoneRow, bit 7 ZonePresent"),
    BITS("ClockMode", offsetof(MenuData, ClockZone), kClockModeMask,
         "bits 0-1 of ClockZone: 0 Auto (PC clock), 1 Input (typed), 2 Off"),
    BITS("TimeZoneRow", offsetof(MenuData, ClockZone), kZoneRowMask,
         "bits 2-6 of ClockZone: time zone row 0..24 = UTC-12..UTC+12"),
    BITS("ZonePresent", offsetof(MenuData, ClockZone), kZonePresentBit,
         "bit 7 of ClockZone: set when the byte stores a time zone"),
    MENU("Year", Year, K::U16, "clock year"),
    MENU("Month", Month, K::U8, "clock month 1..12"),
    MENU("Day", Day, K::U8, "clock day 1..31"),
    MENU("Hour", Hour, K::U8, "clock hour 0..23"),
    MENU("Minute", Minute, K::U8, "clock minute 0..59"),
    MENU("Second", Second, K::U8, "clock second 0..59"),
    MENU("Timer1On", Timer1On, K::U8, "timer 1: 0 Off, 1 On"),
    MENU("Timer1StartHour", Timer1StartHour, K::U8, "timer 1 start hour 0..23"),
    MENU("Timer1StartMin", Timer1StartMin, K::U8, "timer 1 start minute 0..59"),
    MENU("Timer1EndHour", Timer1EndHour, K::U8, "timer 1 end hour 0..23"),
    MENU("Timer1EndMin", Timer1EndMin, K::U8, "timer 1 end minute 0..59"),
    MENU("Timer2On", Timer2On, K::U8, "timer 2: 0 Off, 1 On"),
    MENU("Timer2StartHour", Timer2StartHour, K::U8, "timer 2 start hour 0..23"),
    MENU("Timer2StartMin", Timer2StartMin, K::U8, "timer 2 start minute 0..59"),
    MENU("Timer2EndHour", Timer2EndHour, K::U8, "timer 2 end hour 0..23"),
    MENU("Timer2EndMin", Timer2EndMin, K::U8, "timer 2 end minute 0..59"),
    MENU("SerialOn", SerialOn, K::U8, "serial number: 0 Off, 1 On"),
    CAMCFG_FIELD(MenuData, "SerialChars", SerialChars, K::U8, 4,
                 "serial number characters, each a row 0..35 of 0..9 then A..Z"),
    MENU("TimeLapse", TimeLapse, K::U8, "time lapse: 0 On, 1 Off"),
    MENU("TimeLapseHour", TimeLapseHour, K::U8, "time-lapse period: hours 0..23"),
    MENU("TimeLapseMin", TimeLapseMin, K::U8, "time-lapse period: minutes 0..59"),
    MENU("TimeLapseSec", TimeLapseSec, K::U8, "time-lapse period: seconds 0..59"),
    MENU("Reserved1", Reserved1, K::U8, "not interpreted; carried unchanged"),
    MENU("Reserved2", Reserved2, K::U8, "not interpreted; carried unchanged"),
    MENU("Flag", Flag, K::U16, "structure flag; every store writes 0x8081"),
};

#undef BITS
#undef MENU
#undef SEND4
#undef SEND
#undef CAMCFG_FIELD

// Splits "szRecp[2]" into "szRecp" and 2; false when the brackets are not a
// plain decimal index at the end of the name.
bool SplitIndex(std::string_view name, std::string_view& base, int& index) {
  const std::size_t open = name.find('[');
  if (open == std::string_view::npos) {
    base = name;
    index = -1;
    return true;
  }
  if (name.back() != ']' || open + 2 >= name.size()) return false;
  const std::string_view digits = name.substr(open + 1, name.size() - open - 2);
  for (char c : digits)
    if (c < '0' || c > '9') return false;
  if (digits.size() > 3) return false;
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  base = name.substr(0, open);
  index = value;
  return true;
}

}  // namespace

std::span<const FieldDesc> FieldTable(RecordKind kind) {
  if (kind == RecordKind::SendSet) return kSendSetFields;
  return kMenuDataFields;
}

std::size_t RecordSize(RecordKind kind) {
  return kind == RecordKind::SendSet ? kSendSetSize : kMenuDataSize;
}

std::string_view RecordFileName(RecordKind kind) {
  return kind == RecordKind::SendSet ? kSendSetFileName : kMenuDataFileName;
}

const FieldDesc* FieldNamed(RecordKind kind, std::string_view name) {
  for (const FieldDesc& field : FieldTable(kind))
    if (field.name == name) return &field;
  return nullptr;
}

FieldRef FindField(RecordKind kind, std::string_view name) {
  std::string_view base;
  int index = -1;
  if (!SplitIndex(name, base, index)) return {};
  const FieldDesc* field = FieldNamed(kind, base);
  if (field == nullptr) return {};
  if (field->count == 1) return index < 0 ? FieldRef{field, 0} : FieldRef{};
  if (index < 0 || index >= field->count) return {};
  return {field, index};
}

bool IsGroupName(RecordKind kind, std::string_view prefix) {
  for (const FieldDesc& field : FieldTable(kind)) {
    if (field.name.size() > prefix.size() && field.name.substr(0, prefix.size()) == prefix &&
        field.name[prefix.size()] == '.')
      return true;
  }
  return false;
}

int BitsShift(const FieldDesc& field) {
  int shift = 0;
  while (shift < 8 && ((field.mask >> shift) & 1) == 0) ++shift;
  return shift;
}

std::uint32_t BitsMaximum(const FieldDesc& field) {
  return static_cast<std::uint32_t>(field.mask) >> BitsShift(field);
}
