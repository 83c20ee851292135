// Shared by the tests of the two 3G pages: a fresh run, a record with a
// distinct value in every field the pages show, and the opened pages.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "files/save_path.h"
#include "files/send_set.h"
#include "files/text_field.h"
#include "tests/support/test_support.h"
#include "tests/ui/fake_platform.h"
#include "tests/ui/fake_surface.h"
#include "ui/app_state.h"
#include "ui/parameter_page.h"
#include "ui/send_page.h"

// The process-wide state of a fresh run, as far as the 3G pages see it.
inline void ResetThreeGRun() {
  LanguageIndex = 1;
  ModelIndex = 0;
  noReplyCommands = false;
  ResetParameterPageState();
  g_sSendSet = SendSet{};
  g_sSendSetCopy = SendSet{};
  g_sGenTime = SendTime{};
}

inline constexpr int kGermany = 2;  // 4 operators
inline constexpr int kGermanyTMobile = 1;
inline constexpr int kUnitedKingdom = 3;  // 8 operators
inline constexpr int kRussia = 12;        // 10 operators, "Velcom" last

// Remote intervals as the file holds them; the load derives the switch.
inline constexpr std::uint8_t kRemoteEvery3Hours = 3;

// A record as a file from an earlier run holds it.
inline SendSet SampleRecord(std::uint8_t sendBy, bool remoteOn, std::uint8_t country,
                            std::uint8_t op) {
  SendSet r = FreshSendSet();
  r.bySendBy = sendBy;
  r.byRemoteInterval = remoteOn ? kRemoteEvery3Hours : kRemoteIntervalOff;
  r.byRemoteSwitch = remoteOn ? 1 : 0;
  r.byOperatorCountry = country;
  r.byOperator = op;
  CopyText(r.sMmsSet.szUrl, "http://mms.example/servlets/mms");
  CopyText(r.sMmsSet.szApn, "mms.example");
  CopyText(r.sMmsSet.szGateway, "10.0.0.172");
  CopyText(r.sMmsSet.szPort, "9201");
  CopyText(r.sMmsSet.szAccount, "mmsuser");
  CopyText(r.sMmsSet.szPassword, "mmspass");
  CopyText(r.sSmtpSet.sz3GSmtpApN, "data.example");
  CopyText(r.sSmtpSet.sz3GSmtpAccount, "netuser");
  CopyText(r.sSmtpSet.sz3GSmtpPassword, "netpass");
  CopyText(r.sSmtpSet.szServer, "smtp.example.org");
  r.sSmtpSet.iPort = 587;
  CopyText(r.sSmtpSet.szAddr, "cam@example.org");
  CopyText(r.sSmtpSet.szUserName, "camaccount");
  CopyText(r.sSmtpSet.szPassword, "mailpass");
  CopyText(r.sFtpSet.szServer, "ftp.example.org");
  r.sFtpSet.iPort = 2121;
  CopyText(r.sFtpSet.szUserName, "ftpuser");
  CopyText(r.sFtpSet.szPassword, "ftppass");
  r.sFtpSet.iFtpDirType = 1;
  CopyText(r.sFtpSet.szFtpDir, "/upload");
  return r;
}

inline void WriteSendSetFile(const SaveFolder& folder, const SendSet& record) {
  WriteBytes(folder.file(kSendSetFileName), Encoded(&record, sizeof record));
}

// The record CFG.BIN holds, decoded.
inline SendSet ReadSendSetFile(const SaveFolder& folder) {
  SendSet record{};
  const std::vector<std::uint8_t> bytes = Decoded(ReadBytes(folder.file(kSendSetFileName)));
  if (bytes.size() == sizeof record) std::memcpy(&record, bytes.data(), sizeof record);
  return record;
}

// A new 3G parameter page, opened.
struct OpenedParameterPage {
  explicit OpenedParameterPage(Platform& platform) : screen(ui, platform) {
    ui.Attach(screen);
    ui.Open();
  }
  FakeSurface ui;
  ParameterPageScreen screen;
};

// A new 3G send page, opened with the send option row the parameter page
// handed over.
struct OpenedSendPage {
  OpenedSendPage(Platform& platform, int sendOptionRow) : screen(ui, platform, sendOptionRow) {
    ui.Attach(screen);
    ui.Open();
  }
  FakeSurface ui;
  SendPageScreen screen;
};
