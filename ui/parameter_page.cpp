#include "ui/parameter_page.h"

#include <charconv>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "data/carriers.h"
#include "data/input_checks.h"
#include "data/text_pair.h"
#include "files/send_set.h"
#include "files/text_field.h"
#include "files/trace.h"
#include "ui/app_state.h"

namespace {

namespace ids = parameter_page_ids;

// Run-long state of the page; each opening is a fresh dialog.
bool s_bFirstEntry = true;        // CFG.BIN is still to be loaded
bool s_bCountryListDirty = true;  // the country list does not hold the 43 names
bool s_bFtpBoxShown = false;      // MMS, Email or FTP was applied once

constexpr std::initializer_list<int> kMmsEdits = {ids::kMmsUrlEdit,     ids::kMmsApnEdit,
                                                  ids::kMmsGatewayEdit, ids::kMmsPortEdit,
                                                  ids::kMmsAccountEdit, ids::kMmsPasswordEdit};
constexpr std::initializer_list<int> kNetEdits = {ids::kNetApnEdit, ids::kNetAccountEdit,
                                                  ids::kNetPasswordEdit};
// The account edit is not among them: it is disabled at all times.
constexpr std::initializer_list<int> kSenderEdits = {
    ids::kSenderServerEdit, ids::kSenderPortEdit, ids::kSenderEmailEdit, ids::kSenderPasswordEdit};
constexpr std::initializer_list<int> kFtpInputs = {ids::kFtpServerEdit,   ids::kFtpPortEdit,
                                                   ids::kFtpUserNameEdit, ids::kFtpPasswordEdit,
                                                   ids::kFtpDirTypeList,  ids::kFtpDirEdit};
constexpr std::initializer_list<int> kFtpEdits = {ids::kFtpServerEdit, ids::kFtpPortEdit,
                                                  ids::kFtpUserNameEdit, ids::kFtpPasswordEdit,
                                                  ids::kFtpDirEdit};
constexpr std::initializer_list<int> kFtpBox = {
    ids::kFtpGroup,         ids::kFtpDirGroup,      ids::kFtpServerLabel, ids::kFtpPortLabel,
    ids::kFtpUserNameLabel, ids::kFtpPasswordLabel, ids::kFtpServerEdit,  ids::kFtpPortEdit,
    ids::kFtpUserNameEdit,  ids::kFtpPasswordEdit,  ids::kFtpDirTypeList, ids::kFtpDirEdit};
constexpr std::initializer_list<int> kMmsBox = {
    ids::kMmsGroup,        ids::kMmsUrlLabel,      ids::kMmsGatewayLabel, ids::kMmsPortLabel,
    ids::kMmsAccountLabel, ids::kMmsPasswordLabel, ids::kMmsApnCsdList,   ids::kMmsUrlEdit,
    ids::kMmsApnEdit,      ids::kMmsGatewayEdit,   ids::kMmsPortEdit,     ids::kMmsAccountEdit,
    ids::kMmsPasswordEdit};

struct EditLimit {
  int id;
  int characters;
};
constexpr EditLimit kEditLimits[] = {
    {ids::kMmsUrlEdit, 60},        {ids::kMmsApnEdit, 60},         {ids::kMmsGatewayEdit, 16},
    {ids::kMmsPortEdit, 4},        {ids::kMmsAccountEdit, 32},     {ids::kMmsPasswordEdit, 32},
    {ids::kNetApnEdit, 60},        {ids::kNetAccountEdit, 32},     {ids::kNetPasswordEdit, 32},
    {ids::kSenderServerEdit, 60},  {ids::kSenderPortEdit, 8},      {ids::kSenderEmailEdit, 48},
    {ids::kSenderAccountEdit, 48}, {ids::kSenderPasswordEdit, 32}, {ids::kFtpServerEdit, 60},
    {ids::kFtpPortEdit, 8},        {ids::kFtpUserNameEdit, 48},    {ids::kFtpPasswordEdit, 32},
    {ids::kFtpDirEdit, 32},
};

struct Label {
  int id;
  TextPair text;
};
constexpr TextPair kCaption = {"3G参数设置", "3G Parameter Settings"};
constexpr Label kLabels[] = {
    {ids::kSendOptionLabel, {"3G发送选项", "3G Send Options"}},
    {ids::kParamSourceLabel, {"3G参数设置", "3G Parameter Options"}},
    {ids::kOperatorGroup, {"运营商选择", "Operator Selection"}},
    {ids::kCountryLabel, {"国家", "Country"}},
    {ids::kOperatorLabel, {"运营商", "Operator"}},
    {ids::kMmsGroup, {"彩信参数", "MMS Parameters"}},
    {ids::kMmsUrlLabel, {"网址", "URL"}},
    {ids::kMmsGatewayLabel, {"网关", "Gateway"}},
    {ids::kMmsPortLabel, {"端口", "Port"}},
    {ids::kMmsAccountLabel, {"帐号", "Account"}},
    {ids::kMmsPasswordLabel, {"密码", "Password"}},
    {ids::kFtpGroup, {"FTP设置", "FTP Settings"}},
    {ids::kFtpServerLabel, {"服务器", "Server"}},
    {ids::kFtpPortLabel, {"端口", "Port"}},
    {ids::kFtpUserNameLabel, {"用户名", "User Name"}},
    {ids::kFtpPasswordLabel, {"密码", "Password"}},
    {ids::kFtpDirGroup, {"上传到的FTP目录(必须已存在)", "Upload to FTP directory (must exist)"}},
    {ids::kMailGroup, {"网络设置, 邮件参数", "Network Settings, Mail Parameters"}},
    {ids::kNetGroup, {"3G网络设置", "3G Network Settings"}},
    {ids::kNetAccountLabel, {"帐号", "Account"}},
    {ids::kNetPasswordLabel, {"密码", "Password"}},
    {ids::kSenderGroup, {"发件箱设置", "Sender Settings"}},
    {ids::kSenderServerLabel, {"服务器", "Server"}},
    {ids::kSenderPortLabel, {"端口", "Port"}},
    {ids::kSenderEmailLabel, {"邮件地址", "Email Address"}},
    {ids::kSenderAccountLabel, {"帐号", "Account"}},
    {ids::kSenderPasswordLabel, {"密码", "Password"}},
    {ids::kNextPage, {"下一页", "Next Page"}},
};

constexpr TextPair kSendOptionRows[] = {
    {"关闭3G", "Close 3G"}, {"彩信", "MMS"}, {"邮件", "Email"}, {"FTP", "FTP"}};
constexpr TextPair kParamSourceRows[] = {{"选择运营商参数", "Select Operator"},
                                         {"手动输入", "Manual Input"}};
constexpr TextPair kFtpDirTypeRows[] = {{"根目录", "Root"}, {"指定目录", "Specify"}};
constexpr int kManualInputRow = 1;
constexpr int kRootRow = 0;

SendSet& Record() { return g_sSendSet; }

// The send option the page works with: bySendBy 0..3, anything else Close 3G.
int SendOption() {
  const int by = Record().bySendBy;
  return by <= kSendByFtp ? by : kSendByClose3G;
}
bool Listed() { return Record().byOperatorCountry < CountryCount; }
bool RemoteOn() { return Record().byRemoteSwitch == 1; }
bool OutboxNeeded() { return RemoteOn() && !noReplyCommands; }
// The states in which the 3G edits show the record's 3G set.
bool ShowsNetSet() {
  const int option = SendOption();
  return option == kSendByEmail || option == kSendByFtp || (option == kSendByMms && OutboxNeeded());
}

const char* Pick(const TextPair& pair) { return PickText(pair, LanguageIndex); }

// A number field shows 0 as an empty edit.
std::string NumberText(int value) { return value == 0 ? std::string() : std::to_string(value); }

// The decimal value of a port edit; nothing when its text holds no number.
std::optional<int> ParseNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data()) return std::nullopt;
  return value;
}

}  // namespace

void ResetParameterPageState() {
  s_bFirstEntry = true;
  s_bCountryListDirty = true;
  s_bFtpBoxShown = false;
}

ParameterPageScreen::ParameterPageScreen(ControlSurface& surface, Platform& platform)
    : Screen(surface, platform) {}

void ParameterPageScreen::OnOpen() {
  SendSet& r = Record();
  ui_.SetSmallIcon(kSmallIconId);

  ui_.AddRow(ids::kMmsApnCsdList, "APN");
  ui_.AddRow(ids::kMmsApnCsdList, "CSD");
  ui_.SelectRow(ids::kMmsApnCsdList, 0);
  ui_.Enable(ids::kMmsApnCsdList, false);
  ui_.Enable(ids::kSenderAccountLabel, false);
  ui_.Enable(ids::kSenderAccountEdit, false);
  for (int id : kSenderEdits) ui_.Enable(id, false);
  ui_.SetPasswordMask(ids::kSenderPasswordEdit, true);
  ui_.SetPasswordMask(ids::kFtpPasswordEdit, true);
  ui_.Show(ids::kLanguageList, false);
  ui_.SetText(ids::kVersionLabel, kVersionText);
  ui_.Show(ids::kVersionLabel, false);
  for (const EditLimit& limit : kEditLimits) ui_.SetTextLimit(limit.id, limit.characters);

  if (s_bFirstEntry) {
    s_bFirstEntry = false;
    if (LoadSendSet(0) != 1) ResetSendSet();
  } else {
    r = g_sSendSetCopy;
  }

  r.DebugFlag = 0;
  ui_.SetChecked(ids::kFactoryDebugCheck, false);
  ui_.Enable(ids::kFactoryDebugCheck, false);
  ui_.Show(ids::kFactoryDebugCheck, false);
  ui_.Show(ids::kFactoryDebugLabel, false);
  ui_.Show(ids::kFtpHiddenPortLabel, false);

  if (r.byOperatorCountry > OthersCountry) r.byOperatorCountry = 0;
  if (r.byOperator > kOperatorSlots - 1) r.byOperator = 0;
  // An operator beyond the country's list (a file made elsewhere) is taken
  // as the first one, so no preset is ever copied from an empty slot.
  if (Listed() && r.byOperator >= OperatorCount(r.byOperatorCountry)) r.byOperator = 0;

  SetTexts();
  FillLists();

  if (IsBasicModel(ModelIndex)) r.bySendImgSize = 1;
  Trace("#\t bySendBy=%d, byOperatorCountry=%d \t#\n", r.bySendBy, r.byOperatorCountry);

  ApplySendOption();

  // Manual input has the single row "Others", whatever byOperator holds.
  ui_.SelectRow(ids::kOperatorList, Listed() ? r.byOperator : 0);
  ui_.SelectRow(ids::kFtpDirTypeList, r.sFtpSet.iFtpDirType);

  if (SendOption() == kSendByMms) ShowMmsSet();
  if (SendOption() == kSendByEmail || RemoteOn()) {
    ShowNetSet();
    ShowSenderSet();
  }
}

void ParameterPageScreen::SetTexts() {
  ui_.SetCaption(Pick(kCaption));
  for (const Label& label : kLabels) ui_.SetText(label.id, Pick(label.text));
}

void ParameterPageScreen::FillLists() {
  const SendSet& r = Record();
  for (const TextPair& row : kSendOptionRows) ui_.AddRow(ids::kSendOptionList, Pick(row));
  ui_.SelectRow(ids::kSendOptionList, kSendByMms);
  for (const TextPair& row : kParamSourceRows) ui_.AddRow(ids::kParamSourceList, Pick(row));
  ui_.SelectRow(ids::kParamSourceList, 0);

  if (Listed()) {
    for (int country = 0; country < CountryCount; ++country)
      ui_.AddRow(ids::kCountryList, CountryName(LanguageIndex, country));
    ui_.SelectRow(ids::kCountryList, r.byOperatorCountry);
    s_bCountryListDirty = false;
    for (int op = 0; op < OperatorCount(r.byOperatorCountry); ++op)
      ui_.AddRow(ids::kOperatorList, OperatorName(LanguageIndex, r.byOperatorCountry, op));
  } else {
    ui_.AddRow(ids::kCountryList, CountryName(LanguageIndex, OthersCountry));
    ui_.SelectRow(ids::kCountryList, 0);
    ui_.AddRow(ids::kOperatorList, CountryName(LanguageIndex, OthersCountry));
  }
  ui_.SelectRow(ids::kOperatorList, 0);

  ui_.AddRow(ids::kLanguageList, "中文");
  ui_.AddRow(ids::kLanguageList, "English");
  ui_.SelectRow(ids::kLanguageList, LanguageIndex);

  Trace("## s_eFtpEditUse = %d ##\n", 0);
  for (const TextPair& row : kFtpDirTypeRows) ui_.AddRow(ids::kFtpDirTypeList, Pick(row));
  ui_.SelectRow(ids::kFtpDirTypeList, r.sFtpSet.iFtpDirType);
}

void ParameterPageScreen::FillCountryAndOperatorLists() {
  const SendSet& r = Record();
  const char* others = CountryName(LanguageIndex, OthersCountry);
  if (!Listed()) {
    ui_.SelectRow(ids::kParamSourceList, kManualInputRow);
    for (int id : {ids::kCountryList, ids::kOperatorList}) {
      ui_.Enable(id, false);
      ui_.ClearRows(id);
      ui_.AddRow(id, others);
      ui_.SelectRow(id, 0);
    }
    return;
  }
  ui_.SelectRow(ids::kParamSourceList, 0);
  ui_.Enable(ids::kCountryList, true);
  if (s_bCountryListDirty) {
    ui_.ClearRows(ids::kCountryList);
    for (int country = 0; country < CountryCount; ++country)
      ui_.AddRow(ids::kCountryList, CountryName(LanguageIndex, country));
    s_bCountryListDirty = false;
  }
  ui_.SelectRow(ids::kCountryList, r.byOperatorCountry);
  ui_.Enable(ids::kOperatorList, true);
  ui_.ClearRows(ids::kOperatorList);
  for (int op = 0; op < OperatorCount(r.byOperatorCountry); ++op)
    ui_.AddRow(ids::kOperatorList, OperatorName(LanguageIndex, r.byOperatorCountry, op));
  ui_.SelectRow(ids::kOperatorList, r.byOperator);
}

void ParameterPageScreen::ApplySendOption() {
  SendSet& r = Record();
  const int option = SendOption();
  const bool listed = Listed();
  ui_.SelectRow(ids::kSendOptionList, option);

  if (option == kSendByClose3G) {
    ui_.Enable(ids::kParamSourceList, false);
    ui_.Enable(ids::kCountryList, false);
    ui_.Enable(ids::kOperatorList, false);
    for (int id : kMmsEdits) ui_.Enable(id, false);
    for (int id : kNetEdits) ui_.Enable(id, false);
    for (int id : kSenderEdits) ui_.Enable(id, false);
    for (int id : kFtpBox) ui_.Show(id, s_bFtpBoxShown);
    for (int id : kFtpInputs) ui_.Enable(id, false);
  } else {
    ui_.Enable(ids::kParamSourceList, true);
    FillCountryAndOperatorLists();

    if (option == kSendByMms || RemoteOn()) {
      for (int id : kMmsEdits) ui_.Enable(id, !listed);
      ShowMmsSet();
    } else {
      for (int id : kMmsEdits) ui_.Enable(id, false);
    }

    const bool netShown = option != kSendByMms || OutboxNeeded();
    if (netShown) {
      for (int id : kNetEdits) ui_.Enable(id, !listed);
      // Email keeps the stored set; the others take the operator's at once.
      if (listed && option != kSendByEmail) {
        const int op = ui_.SelectedRow(ids::kOperatorList);
        CopyNetPreset(r, r.byOperatorCountry, op >= 0 ? op : 0);
      }
      ShowNetSet();
    } else {
      for (int id : kNetEdits) ui_.Enable(id, false);
    }

    const bool senderEnabled = option == kSendByEmail || OutboxNeeded();
    for (int id : kSenderEdits) ui_.Enable(id, senderEnabled);

    for (int id : kFtpBox) ui_.Show(id, true);
    for (int id : kFtpInputs) ui_.Enable(id, option == kSendByFtp);
    if (option == kSendByFtp) {
      if (r.sFtpSet.iFtpDirType == 0) {
        CopyText(r.sFtpSet.szFtpDir, "/");
        ui_.Enable(ids::kFtpDirEdit, false);
      }
      Trace("~~~SendBy=%d, DebugFlag=%d~~~\r\n", r.bySendBy, r.DebugFlag);
      ShowFtpSet();
    }
    s_bFtpBoxShown = true;
  }
  for (int id : kMmsBox) ui_.Show(id, true);

  for (int id : kMmsEdits) ui_.SetPasswordMask(id, listed);
  for (int id : kNetEdits) ui_.SetPasswordMask(id, listed);
}

void ParameterPageScreen::CopyPresets() {
  SendSet& r = Record();
  const int country = ui_.SelectedRow(ids::kCountryList);
  if (!Listed() || country < 0 || country >= CountryCount) return;
  int op = ui_.SelectedRow(ids::kOperatorList);
  if (op < 0 || op >= OperatorCount(country)) op = 0;
  CopyMmsPreset(r, country, op);
  CopyNetPreset(r, country, op);
  if (ShowsNetSet()) ShowNetSet();
}

void ParameterPageScreen::ShowMmsSet() {
  const MmsSet& m = Record().sMmsSet;
  ui_.SetText(ids::kMmsUrlEdit, FieldText(m.szUrl));
  ui_.SetText(ids::kMmsApnEdit, FieldText(m.szApn));
  ui_.SetText(ids::kMmsGatewayEdit, FieldText(m.szGateway));
  ui_.SetText(ids::kMmsPortEdit, FieldText(m.szPort));
  ui_.SetText(ids::kMmsAccountEdit, FieldText(m.szAccount));
  ui_.SetText(ids::kMmsPasswordEdit, FieldText(m.szPassword));
}

void ParameterPageScreen::ShowNetSet() {
  const SmtpSet& s = Record().sSmtpSet;
  ui_.SetText(ids::kNetApnEdit, FieldText(s.sz3GSmtpApN));
  ui_.SetText(ids::kNetAccountEdit, FieldText(s.sz3GSmtpAccount));
  ui_.SetText(ids::kNetPasswordEdit, FieldText(s.sz3GSmtpPassword));
}

void ParameterPageScreen::ShowSenderSet() {
  const SmtpSet& s = Record().sSmtpSet;
  ui_.SetText(ids::kSenderServerEdit, FieldText(s.szServer));
  ui_.SetText(ids::kSenderPortEdit, NumberText(s.iPort));
  // The address mirrors into the account edit; the account is set after it.
  ui_.SetText(ids::kSenderEmailEdit, FieldText(s.szAddr));
  ui_.SetText(ids::kSenderAccountEdit, FieldText(s.szUserName));
  ui_.SetText(ids::kSenderPasswordEdit, FieldText(s.szPassword));
}

void ParameterPageScreen::ShowFtpSet() {
  const FtpSet& f = Record().sFtpSet;
  ui_.SetText(ids::kFtpServerEdit, FieldText(f.szServer));
  ui_.SetText(ids::kFtpPortEdit, NumberText(f.iPort));
  ui_.SetText(ids::kFtpUserNameEdit, FieldText(f.szUserName));
  ui_.SetText(ids::kFtpPasswordEdit, FieldText(f.szPassword));
  ui_.SetText(ids::kFtpDirEdit, FieldText(f.szFtpDir));
}

void ParameterPageScreen::OnCommand(int id, int notification) {
  switch (id) {
    case ids::kSendOptionList:
      if (notification == kCbnSelEndOk) OnSendOptionChange();
      break;
    case ids::kCountryList:
      if (notification == kCbnSelEndOk) OnCountryChange();
      break;
    case ids::kParamSourceList:
      if (notification == kCbnSelEndOk) OnParameterSourceChange();
      break;
    case ids::kOperatorList:
      if (notification == kCbnSelChange) OnOperatorChange();
      break;
    case ids::kFtpDirTypeList:
      if (notification == kCbnSelChange) OnFtpDirTypeChange();
      break;
    case ids::kSenderEmailEdit:
      if (notification == kEnChange)
        ui_.SetText(ids::kSenderAccountEdit, ui_.GetText(ids::kSenderEmailEdit));
      break;
    case ids::kMmsPortEdit:
    case ids::kSenderPortEdit:
    case ids::kFtpPortEdit:
      if (notification == kEnChange) OnDigitsChange(id);
      break;
    case ids::kNextPage:
      OnNextPage();
      break;
    default:
      // Enter and Escape (IDOK, IDCANCEL) among them: the page is left only
      // through Next Page and the close box.
      break;
  }
}

void ParameterPageScreen::OnSendOptionChange() {
  SendSet& r = Record();
  const int row = ui_.SelectedRow(ids::kSendOptionList);
  if (row < kSendByClose3G || row > kSendByFtp) return;
  r.bySendBy = static_cast<std::uint8_t>(row);
  Trace("DebugFlag = %d\n", r.DebugFlag);

  // Empty what the new option does not carry over; the record keeps it.
  auto empty = [this](std::initializer_list<int> edits) {
    for (int id : edits) ui_.SetText(id, "");
  };
  switch (row) {
    case kSendByClose3G:
      empty(kMmsEdits);
      empty(kNetEdits);
      if (!RemoteOn()) empty(kSenderEdits);
      break;
    case kSendByMms:
      empty(kNetEdits);
      if (!RemoteOn()) empty(kSenderEdits);
      break;
    case kSendByEmail:
      empty(kMmsEdits);
      break;
    case kSendByFtp:
      empty(kFtpEdits);
      break;
  }
  ApplySendOption();
}

void ParameterPageScreen::OnCountryChange() {
  SendSet& r = Record();
  const int row = ui_.SelectedRow(ids::kCountryList);
  if (!Listed() || row < 0 || row >= CountryCount || row == r.byOperatorCountry) return;
  r.byOperatorCountry = static_cast<std::uint8_t>(row);
  r.byOperator = 0;
  ApplySendOption();
  CopyPresets();
  if (SendOption() == kSendByMms) ShowMmsSet();
}

void ParameterPageScreen::OnOperatorChange() {
  SendSet& r = Record();
  const int row = ui_.SelectedRow(ids::kOperatorList);
  if (!Listed() || row < 0 || row >= OperatorCount(r.byOperatorCountry) || row == r.byOperator)
    return;
  r.byOperator = static_cast<std::uint8_t>(row);
  CopyPresets();
  if (SendOption() == kSendByMms) ShowMmsSet();
}

void ParameterPageScreen::OnParameterSourceChange() {
  SendSet& r = Record();
  const int row = ui_.SelectedRow(ids::kParamSourceList);
  if (row == kManualInputRow) {
    if (!Listed()) return;
    r.byOperatorCountry = OthersCountry;
    ApplySendOption();
    ClearMmsSet(r);
    ClearNetSet(r);
    ShowMmsSet();
    ShowNetSet();
  } else if (row == 0) {
    if (Listed()) return;
    s_bCountryListDirty = true;
    r.byOperatorCountry = 0;
    r.byOperator = 0;
    CopyMmsPreset(r, 0, 0);
    CopyNetPreset(r, 0, 0);
    ShowMmsSet();
    ApplySendOption();
  }
}

void ParameterPageScreen::OnFtpDirTypeChange() {
  SendSet& r = Record();
  const int row = ui_.SelectedRow(ids::kFtpDirTypeList);
  if (row < 0) return;
  r.sFtpSet.iFtpDirType = row;
  if (row == kRootRow) {
    CopyText(r.sFtpSet.szFtpDir, "/");
    ui_.Enable(ids::kFtpDirEdit, false);
  } else {
    ui_.Enable(ids::kFtpDirEdit, true);
  }
  ui_.SetText(ids::kFtpDirEdit, FieldText(r.sFtpSet.szFtpDir));
}

void ParameterPageScreen::OnDigitsChange(int id) {
  FilterResult filtered = FilterInputChars(ui_.GetText(id), kDigitChars);
  if (!filtered.caret) return;
  ui_.SetText(id, filtered.text);
  ui_.SetCaret(id, static_cast<int>(*filtered.caret));
}

void ParameterPageScreen::OnNextPage() {
  SendSet& r = Record();
  const int option = SendOption();

  // Manual input is the record's own state: in Close 3G the disabled source
  // list may still show its opening row.
  if (!Listed()) {
    CopyText(r.sMmsSet.szUrl, ui_.GetText(ids::kMmsUrlEdit));
    CopyText(r.sMmsSet.szApn, ui_.GetText(ids::kMmsApnEdit));
    CopyText(r.sMmsSet.szGateway, ui_.GetText(ids::kMmsGatewayEdit));
    CopyText(r.sMmsSet.szPort, ui_.GetText(ids::kMmsPortEdit));
    CopyText(r.sMmsSet.szAccount, ui_.GetText(ids::kMmsAccountEdit));
    CopyText(r.sMmsSet.szPassword, ui_.GetText(ids::kMmsPasswordEdit));
  } else {
    CopyPresets();
  }
  Trace("g_sSendSet.byRemoteSwitch=%d\n", r.byRemoteSwitch);

  // A listed operator's 3G set is already in the record (copied above); its
  // edits are read-only then and may still show an earlier operator's set.
  auto storeNetSet = [this, &r] {
    if (Listed()) return;
    CopyText(r.sSmtpSet.sz3GSmtpApN, ui_.GetText(ids::kNetApnEdit));
    CopyText(r.sSmtpSet.sz3GSmtpAccount, ui_.GetText(ids::kNetAccountEdit));
    CopyText(r.sSmtpSet.sz3GSmtpPassword, ui_.GetText(ids::kNetPasswordEdit));
  };
  if (option == kSendByEmail || RemoteOn()) {
    storeNetSet();
    CopyText(r.sSmtpSet.szServer, ui_.GetText(ids::kSenderServerEdit));
    Trace("** szServer:%s\n", std::string(FieldText(r.sSmtpSet.szServer)).c_str());
    if (auto port = ParseNumber(ui_.GetText(ids::kSenderPortEdit))) r.sSmtpSet.iPort = *port;
    CopyText(r.sSmtpSet.szAddr, ui_.GetText(ids::kSenderEmailEdit));
    CopyText(r.sSmtpSet.szUserName, ui_.GetText(ids::kSenderAccountEdit));
    CopyText(r.sSmtpSet.szPassword, ui_.GetText(ids::kSenderPasswordEdit));
  }
  if (option == kSendByFtp) {
    CopyText(r.sFtpSet.szServer, ui_.GetText(ids::kFtpServerEdit));
    if (auto port = ParseNumber(ui_.GetText(ids::kFtpPortEdit))) r.sFtpSet.iPort = *port;
    CopyText(r.sFtpSet.szUserName, ui_.GetText(ids::kFtpUserNameEdit));
    CopyText(r.sFtpSet.szPassword, ui_.GetText(ids::kFtpPasswordEdit));
    // A list without a row (a type the list does not offer) keeps the type.
    const int dirType = ui_.SelectedRow(ids::kFtpDirTypeList);
    if (dirType >= 0) r.sFtpSet.iFtpDirType = dirType;
    CopyText(r.sFtpSet.szFtpDir, ui_.GetText(ids::kFtpDirEdit));
    storeNetSet();
  }

  g_sSendSetCopy = r;
  Trace(":: NEXT_PAGE, OperatorCountry=%d, uwMaxSendImgNum=%d\n", r.byOperatorCountry,
        r.uwMaxSendImgNum);
  Trace(":: NEXT_PAGE, FTP Server=%s, FTP Port=%d\n",
        std::string(FieldText(r.sFtpSet.szServer)).c_str(), r.sFtpSet.iPort);
  Leave(Transition{ScreenId::SendPage, ui_.SelectedRow(ids::kSendOptionList)});
}

void ParameterPageScreen::OnClose() {
  g_sSendSetCopy = Record();
  Leave(ScreenId::MainSetup);
}
