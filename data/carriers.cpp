// Copying an operator's presets into the 3G record, and emptying those fields.

#include "data/carriers.h"

#include "files/text_field.h"
#include "files/trace.h"

void CopyMmsPreset(SendSet& record, int country, int op) {
  Trace("lCountrySel = %d, lrOperatorIndex = %d\n", country, op);
  const MmsPreset& preset = MmsPresetAt(country, op);
  MmsSet& mms = record.sMmsSet;
  CopyText(mms.szUrl, preset.Url);
  CopyText(mms.szApn, preset.Apn);
  CopyText(mms.szGateway, preset.Gateway);
  CopyText(mms.szPort, preset.Port);
  CopyText(mms.szAccount, preset.Account);
  CopyText(mms.szPassword, preset.Password);
}

void CopyNetPreset(SendSet& record, int country, int op) {
  const NetPreset& preset = NetPresetAt(country, op);
  SmtpSet& smtp = record.sSmtpSet;
  CopyText(smtp.sz3GSmtpApN, preset.apn);
  CopyText(smtp.sz3GSmtpAccount, preset.account);
  CopyText(smtp.sz3GSmtpPassword, preset.password);
}

void ClearMmsSet(SendSet& record) {
  MmsSet& mms = record.sMmsSet;
  ClearText(mms.szUrl);
  ClearText(mms.szApn);
  ClearText(mms.szGateway);
  ClearText(mms.szPort);
  ClearText(mms.szAccount);
  ClearText(mms.szPassword);
}

void ClearNetSet(SendSet& record) {
  SmtpSet& smtp = record.sSmtpSet;
  ClearText(smtp.sz3GSmtpApN);
  ClearText(smtp.sz3GSmtpAccount);
  ClearText(smtp.sz3GSmtpPassword);
}
