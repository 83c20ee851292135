// CFG.BIN: the 3G module's sending settings, the 1320-byte image of SendSet.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "the records are the files' little-endian byte images");

inline constexpr const char* kSendSetFileName = "CFG.BIN";
inline constexpr std::size_t kSendSetSize = 1320;
inline constexpr std::uint16_t kSendSetStructFlag = 0x1005;

// Bit 7 of byte 0: set in every file the system writes.
inline constexpr std::uint8_t IF_SEND_BY_APP_SET_FLG = 0x80;

// bySendBy values.
enum SendBy : std::uint8_t {
  kSendByClose3G = 0,
  kSendByMms = 1,
  kSendByEmail = 2,
  kSendByFtp = 3,
  kSendByCloud = 4,  // no screen offers it; a load turns it into 0
};

inline constexpr std::uint8_t kRemoteIntervalOff = 25;

struct SendTime {
  std::uint8_t byYear;  // year - 2000 (2000..2255), year - 1900 before 2000
  std::uint8_t byMonth;
  std::uint8_t byDay;
  std::uint8_t byHour;
  std::uint8_t byMinute;
  std::uint8_t bySecond;
};

struct SmtpSet {
  std::int32_t iPort;
  char sz3GSmtpApN[61];
  char sz3GSmtpAccount[33];
  char sz3GSmtpPassword[33];
  char szServer[61];
  char szAddr[49];
  char szUserName[49];
  char szPassword[33];
  std::uint8_t byPad;
};

struct MmsSet {
  char szUrl[61];
  char szApn[61];
  char szGateway[17];
  char szPort[9];
  char szAccount[33];
  char szPassword[33];
};

struct FtpSet {
  char szFtpDir[33];
  char szServer[61];
  char szUserName[49];
  char szPassword[33];
  std::int32_t iPort;
  std::int32_t iFtpDirType;  // 0 root, 1 szFtpDir
};

struct CoordSet {
  std::uint8_t byDir;  // longitude 0 east, 1 west; latitude 0 north, 1 south
  std::uint8_t byDegree;
  std::uint8_t byMinute;
  std::uint8_t bySecond;
};

struct SendSet {
  std::uint8_t bySendBy;  // bits 0-6; bit 7 IF_SEND_BY_APP_SET_FLG
  std::uint8_t bySendMode;
  std::uint8_t bySendImgSize;
  std::uint8_t byRemoteSwitch;
  std::uint8_t byRemoteInterval;
  std::uint8_t byOperatorCountry;
  std::uint8_t byOperator;
  std::uint8_t byDailySendTime;
  std::uint8_t bySendFileNum;
  std::uint8_t byPad9;
  std::uint16_t uwMaxSendImgNum;
  std::uint16_t uwStructFlag;
  SendTime sTime;
  std::uint8_t bSet;
  std::uint8_t byPad21[3];
  SmtpSet sSmtpSet;
  MmsSet sMmsSet;
  std::uint16_t uwRecpLen[4];
  char szRecp[4][49];
  char szFileFullName[4][33];
  char szRemotePhoneNum[16];
  char szRemoteEmail[49];
  char szCloudMail[33];
  char szCloudPassword[33];
  char szSimPhoneNum[16];
  std::uint8_t byPad1045[3];
  FtpSet sFtpSet;
  CoordSet sLongitude;
  CoordSet sLatitude;
  std::uint8_t byReserved1240[2];
  std::uint8_t DebugFlag;
  std::uint8_t byReserved1243[13];
  std::uint16_t DebugPort;
  char DebugUrl[61];
  std::uint8_t byPad1319;
};

static_assert(sizeof(SendSet) == kSendSetSize);
static_assert(sizeof(SendTime) == 6);
static_assert(sizeof(SmtpSet) == 324);
static_assert(sizeof(MmsSet) == 214);
static_assert(sizeof(FtpSet) == 184);
static_assert(offsetof(SendSet, bySendBy) == 0);
static_assert(offsetof(SendSet, bySendMode) == 1);
static_assert(offsetof(SendSet, bySendImgSize) == 2);
static_assert(offsetof(SendSet, byRemoteSwitch) == 3);
static_assert(offsetof(SendSet, byRemoteInterval) == 4);
static_assert(offsetof(SendSet, byOperatorCountry) == 5);
static_assert(offsetof(SendSet, byOperator) == 6);
static_assert(offsetof(SendSet, byDailySendTime) == 7);
static_assert(offsetof(SendSet, bySendFileNum) == 8);
static_assert(offsetof(SendSet, uwMaxSendImgNum) == 10);
static_assert(offsetof(SendSet, uwStructFlag) == 12);
static_assert(offsetof(SendSet, sTime) + offsetof(SendTime, byYear) == 14);
static_assert(offsetof(SendSet, sTime) + offsetof(SendTime, byMonth) == 15);
static_assert(offsetof(SendSet, sTime) + offsetof(SendTime, byDay) == 16);
static_assert(offsetof(SendSet, sTime) + offsetof(SendTime, byHour) == 17);
static_assert(offsetof(SendSet, sTime) + offsetof(SendTime, byMinute) == 18);
static_assert(offsetof(SendSet, sTime) + offsetof(SendTime, bySecond) == 19);
static_assert(offsetof(SendSet, bSet) == 20);
static_assert(offsetof(SendSet, sSmtpSet) + offsetof(SmtpSet, iPort) == 24);
static_assert(offsetof(SendSet, sSmtpSet) + offsetof(SmtpSet, sz3GSmtpApN) == 28);
static_assert(offsetof(SendSet, sSmtpSet) + offsetof(SmtpSet, sz3GSmtpAccount) == 89);
static_assert(offsetof(SendSet, sSmtpSet) + offsetof(SmtpSet, sz3GSmtpPassword) == 122);
static_assert(offsetof(SendSet, sSmtpSet) + offsetof(SmtpSet, szServer) == 155);
static_assert(offsetof(SendSet, sSmtpSet) + offsetof(SmtpSet, szAddr) == 216);
static_assert(offsetof(SendSet, sSmtpSet) + offsetof(SmtpSet, szUserName) == 265);
static_assert(offsetof(SendSet, sSmtpSet) + offsetof(SmtpSet, szPassword) == 314);
static_assert(offsetof(SendSet, sSmtpSet) + offsetof(SmtpSet, byPad) == 347);
static_assert(offsetof(SendSet, sMmsSet) + offsetof(MmsSet, szUrl) == 348);
static_assert(offsetof(SendSet, sMmsSet) + offsetof(MmsSet, szApn) == 409);
static_assert(offsetof(SendSet, sMmsSet) + offsetof(MmsSet, szGateway) == 470);
static_assert(offsetof(SendSet, sMmsSet) + offsetof(MmsSet, szPort) == 487);
static_assert(offsetof(SendSet, sMmsSet) + offsetof(MmsSet, szAccount) == 496);
static_assert(offsetof(SendSet, sMmsSet) + offsetof(MmsSet, szPassword) == 529);
static_assert(offsetof(SendSet, uwRecpLen) == 562);
static_assert(offsetof(SendSet, szRecp) == 570);
static_assert(offsetof(SendSet, szFileFullName) == 766);
static_assert(offsetof(SendSet, szRemotePhoneNum) == 898);
static_assert(offsetof(SendSet, szRemoteEmail) == 914);
static_assert(offsetof(SendSet, szCloudMail) == 963);
static_assert(offsetof(SendSet, szCloudPassword) == 996);
static_assert(offsetof(SendSet, szSimPhoneNum) == 1029);
static_assert(offsetof(SendSet, sFtpSet) + offsetof(FtpSet, szFtpDir) == 1048);
static_assert(offsetof(SendSet, sFtpSet) + offsetof(FtpSet, szServer) == 1081);
static_assert(offsetof(SendSet, sFtpSet) + offsetof(FtpSet, szUserName) == 1142);
static_assert(offsetof(SendSet, sFtpSet) + offsetof(FtpSet, szPassword) == 1191);
static_assert(offsetof(SendSet, sFtpSet) + offsetof(FtpSet, iPort) == 1224);
static_assert(offsetof(SendSet, sFtpSet) + offsetof(FtpSet, iFtpDirType) == 1228);
static_assert(offsetof(SendSet, sLongitude) == 1232);
static_assert(offsetof(SendSet, sLatitude) == 1236);
static_assert(offsetof(SendSet, byReserved1240) == 1240);
static_assert(offsetof(SendSet, DebugFlag) == 1242);
static_assert(offsetof(SendSet, byReserved1243) == 1243);
static_assert(offsetof(SendSet, DebugPort) == 1256);
static_assert(offsetof(SendSet, DebugUrl) == 1258);
static_assert(offsetof(SendSet, byPad1319) == 1319);

// The live record, the 3G pages' working copy and the generation stamp.
extern SendSet g_sSendSet;
extern SendSet g_sSendSetCopy;
extern SendTime g_sGenTime;

// Loads CFG.BIN from SavePath into g_sSendSet with its checks, corrections
// and trace dump. verifyStamp 1 also requires sTime to equal g_sGenTime.
int LoadSendSet(int verifyStamp);

// Writes g_sSendSet as CFG.BIN with IF_SEND_BY_APP_SET_FLG set. Returns 1
// when the file now holds the record; on 0 a previous file is left intact.
int StoreSendSet();

// The same under another file name in SavePath (a backup copy, say); the
// command-line tool edits such files in place.
int LoadSendSetFrom(const char* fileName, int verifyStamp);
int StoreSendSetAs(const char* fileName);

// Makes g_sSendSet a fresh record.
void ResetSendSet();

// A fresh record, as ResetSendSet leaves g_sSendSet.
SendSet FreshSendSet();

// The load's checks, corrections and dump applied to a decoded record.
// Returns 0 (and resets the record to zero plus flag) for a wrong structure
// flag, 1 otherwise.
int NormalizeSendSet(SendSet& record);
