#include "files/send_set.h"

#include <cstring>
#include <string>

#include "files/codec.h"
#include "files/text_field.h"
#include "files/trace.h"

SendSet g_sSendSet{};
SendSet g_sSendSetCopy{};
SendTime g_sGenTime{};

namespace {

// A field's text, terminated, for a "%s" of the dump.
template <std::size_t N>
std::string Text(const char (&field)[N]) {
  return std::string(FieldText(field));
}

void DumpMms(const MmsSet& mms) {
  const struct {
    const char* label;
    std::string text;
  } fields[] = {
      {"Url", Text(mms.szUrl)},         {"Apn", Text(mms.szApn)},
      {"Gateway", Text(mms.szGateway)}, {"Port", Text(mms.szPort)},
      {"Account", Text(mms.szAccount)}, {"Password", Text(mms.szPassword)},
  };
  for (const auto& field : fields) Trace("%s:\"%s\"\n", field.label, field.text.c_str());
}

void FillSendSetImage(std::uint8_t* image) {
  std::memcpy(image, &g_sSendSet, kSendSetSize);
  image[0] |= IF_SEND_BY_APP_SET_FLG;
}

}  // namespace

SendSet FreshSendSet() {
  SendSet record{};
  record.uwMaxSendImgNum = 49;
  record.uwStructFlag = kSendSetStructFlag;
  CopyText(record.sFtpSet.szFtpDir, "/");
  record.bySendBy = kSendByMms;
  record.byRemoteInterval = kRemoteIntervalOff;
  record.sFtpSet.iPort = 21;
  return record;
}

void ResetSendSet() { g_sSendSet = FreshSendSet(); }

int NormalizeSendSet(SendSet& r) {
  if (r.uwStructFlag != kSendSetStructFlag) {
    TraceLine("StructFlag is different!");
    r = SendSet{};
    r.uwStructFlag = kSendSetStructFlag;
    return 0;
  }
  Trace("IF_SEND_BY_APP_SET_FLG=%d\n", (r.bySendBy & IF_SEND_BY_APP_SET_FLG) ? 1 : 0);
  r.bySendBy &= static_cast<std::uint8_t>(~IF_SEND_BY_APP_SET_FLG);
  Trace("g_sSendSet.bySendBy=%d\n", r.bySendBy);

  for (int i = 0; i < 4; ++i) {
    Trace("g_sSendSet.uwRecpLen[%d]=%d\n", i, r.uwRecpLen[i]);
    Trace("g_sSendSet.szRecp[%d]=\"%s\"\n", i, Text(r.szRecp[i]).c_str());
  }

  if (r.bySendFileNum > 4) r.bySendFileNum = 0;
  Trace("g_sSendSet.bySendFileNum=%d\n", r.bySendFileNum);
  for (int i = 0; i < r.bySendFileNum; ++i)
    Trace("g_sSendSet.szFileFullName[%d]=\"%s\"\n", i, Text(r.szFileFullName[i]).c_str());

  Trace("g_sSendSet.byOperatorCountry=%d\n", r.byOperatorCountry);
  DumpMms(r.sMmsSet);

  const SmtpSet& smtp = r.sSmtpSet;
  Trace("g_sSendSet.sSmtpSet.sz3GSmtpApN=%s\n", Text(smtp.sz3GSmtpApN).c_str());
  Trace("g_sSendSet.sSmtpSet.sz3GSmtpAccount=%s\n", Text(smtp.sz3GSmtpAccount).c_str());
  Trace("g_sSendSet.sSmtpSet.sz3GSmtpPassword=%s\n", Text(smtp.sz3GSmtpPassword).c_str());
  Trace("g_sSendSet.sSmtpSet.szServer=%s\n", Text(smtp.szServer).c_str());
  Trace("g_sSendSet.sSmtpSet.iPort=%d\n", smtp.iPort);
  Trace("g_sSendSet.sSmtpSet.szAddr=%s\n", Text(smtp.szAddr).c_str());
  Trace("g_sSendSet.sSmtpSet.szUserName=%s\n", Text(smtp.szUserName).c_str());
  Trace("g_sSendSet.sSmtpSet.szPassword=%s\n", Text(smtp.szPassword).c_str());

  const SendTime& t = r.sTime;
  Trace("Time(%d-%d-%d, %d:%d:%d), bSet=%d\n", t.byYear, t.byMonth, t.byDay, t.byHour, t.byMinute,
        t.bySecond, r.bSet);

  r.bySendMode = 0;
  Trace("g_sSendSet.bySendMode=%d\n", r.bySendMode);
  Trace("g_sSendSet.bySendImgSize=%d\n", r.bySendImgSize);
  Trace("g_sSendSet.uwMaxSendImgNum=%d\n", r.uwMaxSendImgNum);
  Trace("g_sSendSet.szRemotePhoneNum=\"%s\"\n", Text(r.szRemotePhoneNum).c_str());
  Trace("g_sSendSet.byRemoteInterval=%d\n", r.byRemoteInterval);

  if (r.byRemoteInterval > kRemoteIntervalOff) {
    r.byRemoteInterval = 0;
    r.byRemoteSwitch = 1;
  } else {
    r.byRemoteSwitch = r.byRemoteInterval == kRemoteIntervalOff ? 0 : 1;
  }
  Trace("g_sSendSet.byRemoteSwitch=%d\n", r.byRemoteSwitch);

  Trace("g_sSendSet.byOperatorCountry=%d\n", r.byOperatorCountry);
  Trace("g_sSendSet.byOperator=%d\n", r.byOperator);
  Trace("g_sSendSet.byDailySendTime=%d\n", r.byDailySendTime);

  if (r.bySendBy == kSendByFtp) {
    const FtpSet& ftp = r.sFtpSet;
    Trace("g_sSendSet.sFtpSet.iFtpDirType\t=%d\n", ftp.iFtpDirType);
    Trace("g_sSendSet.sFtpSet.szFtpDir\t=%s\n", Text(ftp.szFtpDir).c_str());
    Trace("g_sSendSet.sFtpSet.szServer\t=%s\n", Text(ftp.szServer).c_str());
    Trace("g_sSendSet.sFtpSet.iPort\t=%d\n", ftp.iPort);
    Trace("g_sSendSet.sFtpSet.szUserName\t=%s\n", Text(ftp.szUserName).c_str());
    Trace("g_sSendSet.sFtpSet.szPassword\t=%s\n", Text(ftp.szPassword).c_str());
  } else if (r.bySendBy == kSendByCloud) {
    r.bySendBy = kSendByClose3G;
  }

  // The ideographic full stop in code page 936: A1 A3.
  const CoordSet& lon = r.sLongitude;
  const CoordSet& lat = r.sLatitude;
  Trace("g_sSendSet.sLongitude:\t(%d)%d\xA1\xA3%d'%d\"\n", lon.byDir, lon.byDegree, lon.byMinute,
        lon.bySecond);
  Trace("g_sSendSet.sLatitude:\t(%d)%d\xA1\xA3%d'%d\"\n", lat.byDir, lat.byDegree, lat.byMinute,
        lat.bySecond);
  return 1;
}

int LoadSendSet(int verifyStamp) { return LoadSendSetFrom(kSendSetFileName, verifyStamp); }

int LoadSendSetFrom(const char* fileName, int verifyStamp) {
  Trace("sizeof = %d\n", static_cast<int>(kSendSetSize));
  SendSet loaded;
  if (!LoadSettingsFile(fileName, &loaded, kSendSetSize, true)) return 0;
  const int usable = NormalizeSendSet(loaded);
  g_sSendSet = loaded;
  if (!usable) return 0;
  if (verifyStamp == 0) return 1;
  return std::memcmp(&g_sSendSet.sTime, &g_sGenTime, sizeof(SendTime)) == 0 ? 1 : 0;
}

int StoreSendSet() { return StoreSendSetAs(kSendSetFileName); }

int StoreSendSetAs(const char* fileName) {
  return StoreSettingsFile(fileName, kSendSetSize, FillSendSetImage);
}
