#include "ui/send_page.h"

#include <charconv>
#include <cstdio>
#include <string>

#include "data/input_checks.h"
#include "data/text_pair.h"
#include "files/save_path.h"
#include "files/send_set.h"
#include "files/text_field.h"
#include "files/trace.h"
#include "ui/app_state.h"

namespace {

namespace ids = send_page_ids;

constexpr int kPhoneEdits[] = {ids::kPhone1Edit, ids::kPhone2Edit};
constexpr int kEmailEdits[] = {ids::kEmail1Edit, ids::kEmail2Edit};
// szRecp[0..3]: Phone 1, Phone 2, Email 1, Email 2.
constexpr int kRecipientEdits[] = {ids::kPhone1Edit, ids::kPhone2Edit, ids::kEmail1Edit,
                                   ids::kEmail2Edit};
constexpr int kCoordinateInputs[] = {ids::kLongitudeDirList,    ids::kLongitudeDegreeEdit,
                                     ids::kLongitudeMinuteEdit, ids::kLongitudeSecondEdit,
                                     ids::kLatitudeDirList,     ids::kLatitudeDegreeEdit,
                                     ids::kLatitudeMinuteEdit,  ids::kLatitudeSecondEdit};

struct EditLimit {
  int id;
  int characters;
};
constexpr EditLimit kEditLimits[] = {
    {ids::kPhone1Edit, 15},         {ids::kPhone2Edit, 15},         {ids::kEmail1Edit, 48},
    {ids::kEmail2Edit, 48},         {ids::kLongitudeDegreeEdit, 3}, {ids::kLongitudeMinuteEdit, 2},
    {ids::kLongitudeSecondEdit, 2}, {ids::kLatitudeDegreeEdit, 2},  {ids::kLatitudeMinuteEdit, 2},
    {ids::kLatitudeSecondEdit, 2},  {ids::kMaxSendEdit, 4},         {ids::kRemotePhoneEdit, 15},
    {ids::kRemoteEmailEdit, 48},    {ids::kSavePathEdit, 32},
};

struct Label {
  int id;
  TextPair text;
};
constexpr TextPair kCaption = {"3G发送设置", "3G Send Settings"};
constexpr Label kLabels[] = {
    {ids::kDestinationGroup, {"发往目的地", "To Destination"}},
    {ids::kPhone1Label, {"手机号码1", "Phone Number 1"}},
    {ids::kPhone2Label, {"手机号码2", "Phone Number 2"}},
    {ids::kEmail1Label, {"邮件地址1", "Email Address1"}},
    {ids::kEmail2Label, {"邮件地址2", "Email Address2"}},
    {ids::kCoordinateGroup, {"坐标", "Coordinate"}},
    {ids::kDirectionHead, {"方向", "Direction"}},
    {ids::kDegreeHead, {"度", "Degree"}},
    {ids::kMinuteHead, {"分", "Minute"}},
    {ids::kSecondHead, {"秒", "Second"}},
    {ids::kLongitudeLabel, {"经度", "Longitude"}},
    {ids::kLatitudeLabel, {"纬度", "Latitude"}},
    {ids::kImageSizeLabel, {"发送图片大小", "Send Image Size"}},
    {ids::kMaxSendLabel, {"最大发送数量", "Max Sent Num"}},
    {ids::kPerDayLabel, {"/天", "/Day"}},
    {ids::kSendModeGroup, {"发送方式", "Send Mode"}},
    {ids::kSendModeLabel, {"3G发送方式", "3G Send Mode"}},
    {ids::kDailyTimeLabel, {"集中发送时间", "Daily Send Time"}},
    {ids::kRemoteGroup, {"遥控", "Remote Control"}},
    {ids::kRemoteIntervalLabel, {"遥控间隔时间", "Remote Interval"}},
    {ids::kNoReplyCheck, {"不使用22,60,61命令", "Do not use 22,60,61 command"}},
    {ids::kRemotePhoneLabel, {"遥控手机号码", "Remote Phone Number"}},
    {ids::kRemoteEmailLabel, {"遥控接收邮箱", "Remote Receiver Email"}},
    {ids::kRemotePhoneHint, {"^ 发遥控命令", "^ Send remote commands"}},
    {ids::kRemoteEmailHint,
     {"^ 接收遥控请求/拍摄的图像", "^ Receive remote control request/shot image"}},
    {ids::kSavePathGroup, {"保存路径", "Save Path"}},
    {ids::kBrowse, {"浏览", "Browse"}},
    {ids::kPreviousPage, {"上一页", "Previous Page"}},
    {ids::kGenerate, {"生成配置", "Generate"}},
};

constexpr TextPair kImageSizeRows[] = {{"大图", "Full Image"}, {"小图", "Thumbnail"}};
constexpr TextPair kSendModeRows[] = {{"立即发送", "Send Immediately"},
                                      {"每天集中发送", "Daily Send"}};
constexpr TextPair kLongitudeDirRows[] = {{"东", "E"}, {"西", "W"}};
constexpr TextPair kLatitudeDirRows[] = {{"北", "N"}, {"南", "S"}};
constexpr int kRemoteRows = 26;  // off, 10 minutes, 1..24 hours

constexpr TextPair kWarningCaption = {"警告", "Warning"};
constexpr TextPair kNoticeCaption = {"通知", "Notice"};
constexpr TextPair kOutOfRange = {"输入内容超出范围！", "The input is out of range!"};
constexpr TextPair kGenerateSuccess = {"成功生成配置文件!", "Generate Success!"};

SendSet& Record() { return g_sSendSet; }
const char* Pick(const TextPair& pair) { return PickText(pair, LanguageIndex); }

// The send option as the opening treats it: the cloud system like FTP,
// values no list offers like Close 3G.
int OpeningSendOption(int bySendBy) {
  if (bySendBy == kSendByCloud) return kSendByFtp;
  return bySendBy <= kSendByFtp ? bySendBy : kSendByClose3G;
}

// The decimal value of at most the first `digits` characters; 0 for a text
// that starts with no digit.
unsigned long LeadingNumber(std::string_view text, std::size_t digits) {
  text = text.substr(0, digits);
  unsigned long value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::uint8_t ByteValue(std::string_view text) {
  const unsigned long value = LeadingNumber(text, text.size());
  return static_cast<std::uint8_t>(value > 255 ? 255 : value);
}

std::uint16_t WordValue(std::string_view text) {
  const unsigned long value = LeadingNumber(text, text.size());
  return static_cast<std::uint16_t>(value > 65535 ? 65535 : value);
}

}  // namespace

SendPageScreen::SendPageScreen(ControlSurface& surface, Platform& platform, int sendOptionRow)
    : Screen(surface, platform), sendOptionRow_(sendOptionRow) {}

void SendPageScreen::OnOpen() {
  SendSet& r = Record();
  const int option = OpeningSendOption(r.bySendBy);

  ui_.SetSmallIcon(kSmallIconId);
  for (const EditLimit& limit : kEditLimits) ui_.SetTextLimit(limit.id, limit.characters);
  ui_.SetChecked(ids::kNoReplyCheck, noReplyCommands);
  ui_.SetText(ids::kSavePathEdit, SavePath);

  SetTexts();
  FillLists();
  ShowCoordinates();

  for (int i = 0; i < 4; ++i)
    if (r.uwRecpLen[i] != 0) ui_.SetText(kRecipientEdits[i], FieldText(r.szRecp[i]));

  const bool phones = option == kSendByMms;
  const bool emails = option == kSendByMms || option == kSendByEmail;
  for (int id : kPhoneEdits) ui_.Enable(id, phones);
  for (int id : kEmailEdits) ui_.Enable(id, emails);
  if (option == kSendByMms) {
    ui_.Enable(ids::kImageSizeList, false);
    r.bySendImgSize = 1;
  } else if (option == kSendByEmail || option == kSendByFtp) {
    ui_.Enable(ids::kImageSizeList, true);
  }
  for (int id : kCoordinateInputs) {
    ui_.Show(id, false);
    ui_.Enable(id, false);
  }

  if (IsBasicModel(ModelIndex)) ui_.Enable(ids::kImageSizeList, false);
  ui_.SelectRow(ids::kImageSizeList, r.bySendImgSize == 1 ? 1 : 0);

  ui_.SetText(ids::kMaxSendEdit, std::to_string(r.uwMaxSendImgNum));
  Trace(":: uwMaxSendImgNum=%d, Edit txt:%s\n", r.uwMaxSendImgNum,
        ui_.GetText(ids::kMaxSendEdit).c_str());

  const bool remoteStored = r.byRemoteInterval <= 24;
  ui_.SelectRow(ids::kRemoteIntervalList, remoteStored ? r.byRemoteInterval + 1 : 0);
  if (option == kSendByClose3G) ui_.Enable(ids::kRemoteIntervalList, false);

  if (!IsEmptyText(r.szRemotePhoneNum))
    ui_.SetText(ids::kRemotePhoneEdit, FieldText(r.szRemotePhoneNum));
  if (!IsEmptyText(r.szRemoteEmail)) ui_.SetText(ids::kRemoteEmailEdit, FieldText(r.szRemoteEmail));

  Trace(":: byDailySendTime = %d, bySendMode = %d\n", r.byDailySendTime, r.bySendMode);
  if (r.byDailySendTime > 23) r.byDailySendTime = 0;
  ui_.SelectRow(ids::kDailyTimeList, r.byDailySendTime);
  if (r.bySendMode == 1) r.bySendMode = 0;
  ui_.SelectRow(ids::kSendModeList, 0);

  if (remoteStored) {
    r.byRemoteSwitch = 1;
    EnableRemoteInputs(true);
  } else {
    r.byRemoteSwitch = 0;
    ui_.SelectRow(ids::kRemoteIntervalList, 0);
    EnableRemoteInputs(false);
  }

  if (option == kSendByClose3G) {
    ui_.Enable(ids::kImageSizeList, false);
    ui_.Enable(ids::kMaxSendEdit, false);
    ui_.Enable(ids::kSendModeList, false);
    ui_.Enable(ids::kDailyTimeList, false);
    r.byRemoteSwitch = 0;
    ui_.SelectRow(ids::kRemoteIntervalList, 0);
    EnableRemoteInputs(false);
  }

  ui_.Enable(ids::kDailyTimeLabel, false);
  ui_.Show(ids::kDailyTimeList, false);
  ui_.Enable(ids::kSendModeList, false);
}

void SendPageScreen::SetTexts() {
  ui_.SetCaption(Pick(kCaption));
  for (const Label& label : kLabels) ui_.SetText(label.id, Pick(label.text));
  // The two hints are greyed text.
  ui_.Enable(ids::kRemotePhoneHint, false);
  ui_.Enable(ids::kRemoteEmailHint, false);
}

void SendPageScreen::FillLists() {
  for (const TextPair& row : kImageSizeRows) ui_.AddRow(ids::kImageSizeList, Pick(row));
  for (const TextPair& row : kSendModeRows) ui_.AddRow(ids::kSendModeList, Pick(row));
  for (int hour = 0; hour < 24; ++hour) {
    char text[32];
    std::snprintf(text, sizeof text, LanguageIndex == 0 ? "%02d点钟" : "%02d o'clock", hour);
    ui_.AddRow(ids::kDailyTimeList, text);
  }
  ui_.AddRow(ids::kRemoteIntervalList, Pick({"关闭遥控", "Remote Off"}));
  ui_.AddRow(ids::kRemoteIntervalList, Pick({"10分钟", "10 Minutes"}));
  for (int hours = 1; hours < kRemoteRows - 1; ++hours) {
    char text[32];
    std::snprintf(text, sizeof text, LanguageIndex == 0 ? "%02d小时" : "%02d Hours", hours);
    ui_.AddRow(ids::kRemoteIntervalList, text);
  }
  for (const TextPair& row : kLongitudeDirRows) ui_.AddRow(ids::kLongitudeDirList, Pick(row));
  for (const TextPair& row : kLatitudeDirRows) ui_.AddRow(ids::kLatitudeDirList, Pick(row));
  for (int id : {ids::kImageSizeList, ids::kSendModeList, ids::kDailyTimeList,
                 ids::kRemoteIntervalList, ids::kLongitudeDirList, ids::kLatitudeDirList})
    ui_.SelectRow(id, 0);
}

void SendPageScreen::ShowCoordinates() {
  const CoordSet& lon = Record().sLongitude;
  const CoordSet& lat = Record().sLatitude;
  Trace(":: sLongitude: byDir=%d, byDegree=%d, byMinute=%d, bySecond=%d\n", lon.byDir, lon.byDegree,
        lon.byMinute, lon.bySecond);
  ui_.SelectRow(ids::kLongitudeDirList, lon.byDir);
  ui_.SelectRow(ids::kLatitudeDirList, lat.byDir);
  // Each fill runs the field's bound against the fields filled before it.
  ui_.SetText(ids::kLongitudeDegreeEdit, std::to_string(lon.byDegree));
  ui_.SetText(ids::kLongitudeMinuteEdit, std::to_string(lon.byMinute));
  ui_.SetText(ids::kLongitudeSecondEdit, std::to_string(lon.bySecond));
  ui_.SetText(ids::kLatitudeDegreeEdit, std::to_string(lat.byDegree));
  ui_.SetText(ids::kLatitudeMinuteEdit, std::to_string(lat.byMinute));
  ui_.SetText(ids::kLatitudeSecondEdit, std::to_string(lat.bySecond));
}

void SendPageScreen::EnableRemoteInputs(bool enabled) {
  ui_.Enable(ids::kRemotePhoneEdit, enabled);
  ui_.Enable(ids::kNoReplyCheck, enabled);
  ui_.Enable(ids::kRemoteEmailEdit, enabled && !noReplyCommands);
}

void SendPageScreen::OnCommand(int id, int notification) {
  switch (id) {
    case ids::kPhone1Edit:
    case ids::kPhone2Edit:
    case ids::kRemotePhoneEdit:
      if (notification == kEnChange) OnFilteredChange(id, kPhoneChars);
      break;
    case ids::kMaxSendEdit:
      if (notification == kEnChange) OnFilteredChange(id, kDigitChars);
      break;
    case ids::kLongitudeDegreeEdit:
    case ids::kLongitudeMinuteEdit:
    case ids::kLongitudeSecondEdit:
    case ids::kLatitudeDegreeEdit:
    case ids::kLatitudeMinuteEdit:
    case ids::kLatitudeSecondEdit:
      if (notification == kEnChange) OnCoordinateChange(id);
      break;
    case ids::kRemoteIntervalList:
      EnableRemoteInputs(ui_.SelectedRow(ids::kRemoteIntervalList) != 0);
      break;
    case ids::kNoReplyCheck:
      if (notification == kBnClicked) {
        noReplyCommands = ui_.IsChecked(ids::kNoReplyCheck);
        ui_.Enable(ids::kRemoteEmailEdit, !noReplyCommands);
      }
      break;
    case ids::kRemoteEmailEdit:
      if (notification == kEnKillFocus) {
        // The field's first 47 characters, as far as its text buffer reaches.
        const std::string text = ui_.GetText(ids::kRemoteEmailEdit).substr(0, 47);
        CopyText(Record().szRemoteEmail, text);
        Trace("# EN_KILLFOCUS, szRemoteEmail:%s\n",
              std::string(FieldText(Record().szRemoteEmail)).c_str());
      }
      break;
    case ids::kBrowse:
      OnBrowse();
      break;
    case ids::kPreviousPage:
      OnPreviousPage();
      break;
    case ids::kGenerate:
      OnGenerate();
      break;
    default:
      // Enter and Escape among them: the page has no OK or Cancel.
      break;
  }
}

void SendPageScreen::OnFilteredChange(int id, std::string_view allowed) {
  FilterResult filtered = FilterInputChars(ui_.GetText(id), allowed);
  if (!filtered.caret) return;
  ui_.SetText(id, filtered.text);
  ui_.SetCaret(id, static_cast<int>(*filtered.caret));
}

void SendPageScreen::OnCoordinateChange(int id) {
  // The other fields of the same coordinate, as far as their limits reach.
  auto value = [this](int field, std::size_t digits) {
    return static_cast<int>(LeadingNumber(ui_.GetText(field), digits));
  };
  std::uint16_t maximum = 0;
  switch (id) {
    case ids::kLongitudeDegreeEdit:
      maximum = LongitudeDegreeMax(value(ids::kLongitudeMinuteEdit, 2),
                                   value(ids::kLongitudeSecondEdit, 2));
      break;
    case ids::kLatitudeDegreeEdit:
      maximum =
          LatitudeDegreeMax(value(ids::kLatitudeMinuteEdit, 2), value(ids::kLatitudeSecondEdit, 2));
      break;
    case ids::kLongitudeMinuteEdit:
    case ids::kLongitudeSecondEdit:
      maximum = MinuteSecondMax(Coordinate::Longitude, value(ids::kLongitudeDegreeEdit, 3));
      break;
    default:
      maximum = MinuteSecondMax(Coordinate::Latitude, value(ids::kLatitudeDegreeEdit, 2));
      break;
  }
  const std::string text = ui_.GetText(id);
  const ClampResult clamped = ClampNumericInput(text, 0, maximum);
  if (clamped.text != text) {
    // The new text is within the bound, so the change it causes is quiet.
    ui_.SetText(id, clamped.text);
    const std::size_t caret = clamped.caret ? *clamped.caret : clamped.text.size();
    ui_.SetCaret(id, static_cast<int>(caret < clamped.text.size() ? caret : clamped.text.size()));
  }
  if (clamped.outOfRangeHigh)
    ui_.ShowMessage(Pick(kOutOfRange), Pick(kWarningCaption), MessageKind::Warning);
}

void SendPageScreen::OnBrowse() {
  const std::optional<std::string> folder = platform_.PickFolder();
  if (!folder || !SetSavePath(folder->c_str())) return;
  ui_.SetText(ids::kSavePathEdit, SavePath);
}

void SendPageScreen::OnPreviousPage() {
  SendSet& live = Record();
  SendSet& copy = g_sSendSetCopy;
  for (int i = 0; i < 4; ++i) {
    CopyText(copy.szRecp[i], ui_.GetText(kRecipientEdits[i]));
    copy.uwRecpLen[i] = static_cast<std::uint16_t>(FieldText(copy.szRecp[i]).size());
  }

  // A direction list without a row (a direction no list offers) keeps it.
  const int lonDir = ui_.SelectedRow(ids::kLongitudeDirList);
  const int latDir = ui_.SelectedRow(ids::kLatitudeDirList);
  if (lonDir >= 0) copy.sLongitude.byDir = static_cast<std::uint8_t>(lonDir);
  if (latDir >= 0) copy.sLatitude.byDir = static_cast<std::uint8_t>(latDir);
  copy.sLongitude.byDegree = ByteValue(ui_.GetText(ids::kLongitudeDegreeEdit));
  copy.sLongitude.byMinute = ByteValue(ui_.GetText(ids::kLongitudeMinuteEdit));
  copy.sLongitude.bySecond = ByteValue(ui_.GetText(ids::kLongitudeSecondEdit));
  copy.sLatitude.byDegree = ByteValue(ui_.GetText(ids::kLatitudeDegreeEdit));
  copy.sLatitude.byMinute = ByteValue(ui_.GetText(ids::kLatitudeMinuteEdit));
  copy.sLatitude.bySecond = ByteValue(ui_.GetText(ids::kLatitudeSecondEdit));

  copy.bySendImgSize = ui_.SelectedRow(ids::kImageSizeList) == 1 ? 1 : 0;
  copy.uwMaxSendImgNum = WordValue(ui_.GetText(ids::kMaxSendEdit));
  copy.bySendMode = 0;
  copy.byDailySendTime = live.byDailySendTime;

  const int row = ui_.SelectedRow(ids::kRemoteIntervalList);
  if (row <= 0) {
    copy.byRemoteInterval = kRemoteIntervalOff;
    copy.byRemoteSwitch = 0;
  } else {
    copy.byRemoteInterval = static_cast<std::uint8_t>(row - 1);
    copy.byRemoteSwitch = live.bySendBy != kSendByClose3G ? 1 : 0;
  }
  live.byRemoteSwitch = copy.byRemoteSwitch;

  CopyText(copy.szRemotePhoneNum, ui_.GetText(ids::kRemotePhoneEdit));
  CopyText(copy.szRemoteEmail, ui_.GetText(ids::kRemoteEmailEdit));

  Leave(ScreenId::ParameterPage);
}

void SendPageScreen::OnClose() { Leave(ScreenId::MainSetup); }

void SendPageScreen::OnGenerate() {
  SendSet& r = Record();

  const LocalTime now = platform_.Now();
  Trace("Sytem time: %d-%d-%d, %d:%d:%d\n", now.year, now.month, now.day, now.hour, now.minute,
        now.second);
  const int yearBase = now.year >= 2000 ? 2000 : 1900;
  r.sTime.byYear = static_cast<std::uint8_t>((now.year - yearBase) & 0xFF);
  r.sTime.byMonth = static_cast<std::uint8_t>(now.month);
  r.sTime.byDay = static_cast<std::uint8_t>(now.day);
  r.sTime.byHour = static_cast<std::uint8_t>(now.hour);
  r.sTime.byMinute = static_cast<std::uint8_t>(now.minute);
  r.sTime.bySecond = static_cast<std::uint8_t>(now.second);
  r.bSet = 0;
  g_sGenTime = r.sTime;

  CopyText(r.szRemotePhoneNum, ui_.GetText(ids::kRemotePhoneEdit));
  CopyText(r.szRemoteEmail, ui_.GetText(ids::kRemoteEmailEdit));
  r.uwMaxSendImgNum = WordValue(ui_.GetText(ids::kMaxSendEdit));
  Trace("EDIT_MAX_SEND_IMG_NUM val=%d\n", r.uwMaxSendImgNum);
  r.bySendBy = sendOptionRow_ >= kSendByMms && sendOptionRow_ <= kSendByFtp
                   ? static_cast<std::uint8_t>(sendOptionRow_)
                   : std::uint8_t{kSendByClose3G};
  for (int i = 0; i < 4; ++i) {
    CopyText(r.szRecp[i], ui_.GetText(kRecipientEdits[i]));
    r.uwRecpLen[i] = static_cast<std::uint16_t>(FieldText(r.szRecp[i]).size());
  }

  if (r.bySendBy != kSendByClose3G) {
    const int row = ui_.SelectedRow(ids::kRemoteIntervalList);
    const RemotePair remote = RemoteFromRow(row > 0 ? row : 0);
    r.byRemoteInterval = remote.byRemoteInterval;
    r.byRemoteSwitch = remote.byRemoteSwitch;
  }

  r.bySendFileNum = 0;
  CopyText(r.szFileFullName[0], kGenerateFileFullName);
  TraceLine("** **");

  noReplyCommands = ui_.IsChecked(ids::kNoReplyCheck);
  const SendCheckResult check = ValidateSendSettings(r, noReplyCommands);
  if (check != SendCheckResult::SendCheckOk) {
    ui_.ShowMessage(Pick(SendCheckMessage(check)), Pick(kWarningCaption), MessageKind::Warning);
    return;
  }

  r.byDailySendTime = 24;
  r.bySendMode = 0;
  Trace(":: Get SendMode=%d\n", r.bySendMode);
  r.bySendImgSize = ui_.SelectedRow(ids::kImageSizeList) == 1 ? 1 : 0;
  Trace(":: Get SendImgSize=%d\n", r.bySendImgSize);

  // A store that failed left the previous file in place; reading that back
  // would put an old record in place of the user's, so only a written file
  // is verified.
  const bool generated = StoreSendSet() == 1 && LoadSendSet(1) == 1;
  if (generated)
    ui_.ShowMessage(Pick(kGenerateSuccess), Pick(kNoticeCaption), MessageKind::Information);
  else
    TraceLine("Generate fail!");
}
