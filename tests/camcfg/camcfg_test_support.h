// Records and helpers shared by camcfg's tests.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "files/menu_data.h"
#include "files/send_set.h"
#include "files/text_field.h"

inline SendSet AsSendSet(const std::vector<std::uint8_t>& image) {
  SendSet record;
  std::memcpy(&record, image.data(), sizeof record);
  return record;
}

// A record with something distinct in every field, texts free of stale
// tails (a text is its bytes up to the terminator, so tails do not travel).
inline SendSet BusySendSet() {
  SendSet r = FreshSendSet();
  r.bySendBy = 3 | IF_SEND_BY_APP_SET_FLG;
  r.bySendMode = 1;
  r.bySendImgSize = 1;
  r.byRemoteSwitch = 1;
  r.byRemoteInterval = 7;
  r.byOperatorCountry = 12;
  r.byOperator = 9;
  r.byDailySendTime = 24;
  r.bySendFileNum = 2;
  r.byPad9 = 0xA5;
  r.uwMaxSendImgNum = 999;
  r.sTime = SendTime{24, 2, 29, 10, 20, 30};
  r.bSet = 1;
  r.byPad21[2] = 0x7E;
  r.sSmtpSet.iPort = -465;
  CopyText(r.sSmtpSet.sz3GSmtpApN, std::string(60, 'n'));
  CopyText(r.sSmtpSet.szServer, "smtp.example.com");
  CopyText(r.sSmtpSet.szAddr, "cam@example.com");
  CopyText(r.sSmtpSet.szPassword, "p\"w\\d");
  r.sSmtpSet.byPad = 0xFF;
  CopyText(r.sMmsSet.szUrl, "http://mms.example/");
  CopyText(r.sMmsSet.szGateway, "010.000.000.172");
  CopyText(r.sMmsSet.szPort, "8080");
  CopyText(r.szRecp[0], "+8613800000000");
  CopyText(r.szRecp[2], "\xE4\xBE\x8B@example.com");  // UTF-8 before the at sign
  r.uwRecpLen[0] = 14;
  r.uwRecpLen[2] = 3;  // deliberately not the text's length: kept as stored
  CopyText(r.szFileFullName[1], "DCIM\\100IMA3G\\IMAG0001.JPG");
  CopyText(r.szRemotePhoneNum, "13800000000");
  CopyText(r.szCloudMail, "\xC4\xE3\xBA\xC3");  // code page 936, not UTF-8
  r.byPad1045[1] = 1;
  CopyText(r.sFtpSet.szServer, "ftp.example.com");
  r.sFtpSet.iPort = 2121;
  r.sFtpSet.iFtpDirType = 1;
  r.sLongitude = CoordSet{1, 179, 59, 58};
  r.sLatitude = CoordSet{1, 89, 1, 2};
  r.byReserved1240[0] = 0x12;
  r.DebugFlag = 1;
  r.byReserved1243[12] = 0x34;
  r.DebugPort = 65535;
  CopyText(r.DebugUrl, "debug.example");
  r.byPad1319 = 0x56;
  return r;
}

inline MenuData AsMenuData(const std::vector<std::uint8_t>& image) {
  MenuData record;
  std::memcpy(&record, image.data(), sizeof record);
  return record;
}

// Every camera setting away from its factory value.
inline MenuData BusyMenuData() {
  MenuData m = FactoryMenuData();
  m.CapMode = 2;
  m.ImgSize = 1;
  m.VideoSize = 2;
  m.PicNum = 2;
  m.TimeStamp = 1;
  m.SenseLevel = 3;
  m.SidePir = 0;
  m.VideoLen = 59;
  m.Interval = 119;
  m.DateFormat = 1;
  m.BeepSound = 0;
  m.SdCycle = 1;
  m.MenuLanguage = 14;
  m.ClockZone = PackClockZone(3, kClockInput);
  m.Year = 2031;
  m.Month = 12;
  m.Day = 31;
  m.Hour = 23;
  m.Minute = 59;
  m.Second = 58;
  m.Timer1On = 1;
  m.Timer1StartHour = 6;
  m.Timer1StartMin = 30;
  m.Timer1EndHour = 18;
  m.Timer1EndMin = 45;
  m.Timer2On = 1;
  m.Timer2StartHour = 20;
  m.Timer2StartMin = 1;
  m.Timer2EndHour = 23;
  m.Timer2EndMin = 2;
  m.SerialOn = 1;
  m.SerialChars[0] = 35;
  m.SerialChars[1] = 0;
  m.SerialChars[2] = 10;
  m.SerialChars[3] = 9;
  m.TimeLapse = 0;
  m.TimeLapseHour = 1;
  m.TimeLapseMin = 2;
  m.TimeLapseSec = 3;
  m.Reserved1 = 0x11;
  m.Reserved2 = 0x22;
  return m;
}
