#include "ui/camera_setup.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "data/camera_options.h"
#include "data/text_pair.h"
#include "files/menu_data.h"
#include "files/save_path.h"
#include "files/trace.h"
#include "ui/app_state.h"
#include "ui/clock_entry.h"
#include "ui/control_ids.h"

bool MenuFirstOpen = true;
int IntervalUnit = kIntervalSec;

void ResetCameraSetupState() {
  MenuFirstOpen = true;
  IntervalUnit = kIntervalSec;
}

namespace {

namespace ids = camera_setup_ids;

constexpr TextPair kCaption = {"相机设置", "Camera Setup"};
constexpr TextPair kTimeZoneText = {"时区", "Time Zone"};
constexpr TextPair kNoticeCaption = {"通知", "Notice"};
constexpr TextPair kGenerateDone = {"成功生成配置文件!", "Generate Success!"};
constexpr TextPair kDefaultDone = {"出厂设置完成，成功生成配置文件!",
                                   "Default setting and generate success!"};

struct LabelText {
  int id;
  TextPair text;
};

// The labels a full fill sets; the Time Zone label is set with its list.
constexpr LabelText kLabels[] = {
    {ids::kModeLabel, {"模式", "Mode"}},
    {ids::kImgSizeLabel, {"图像尺寸", "Image Size"}},
    {ids::kVideoSizeLabel, {"录像尺寸", "Video Size"}},
    {ids::kPicNumLabel, {"拍摄张数", "Picture Number"}},
    {ids::kTimeStampLabel, {"时间戳", "Time Stamp"}},
    {ids::kSenseLevelLabel, {"灵敏度", "Sense Level"}},
    {ids::kSidePirLabel, {"侧面PIR", "Side PIR"}},
    {ids::kVideoLenLabel, {"录像长度", "Video Length"}},
    {ids::kVideoLenUnitLabel, {"秒钟", "Sec"}},
    {ids::kTimeLapseSecLabel, {"秒钟", "Sec"}},
    {ids::kIntervalLabel, {"间隔时间", "Interval"}},
    {ids::kDateFormatLabel, {"日期格式", "Date Format"}},
    {ids::kBeepSoundLabel, {"按键音", "Beep Sound"}},
    {ids::kSdCycleLabel, {"循环存储", "SD Cycle"}},
    {ids::kLanguageLabel, {"语言", "Language"}},
    {ids::kSetClockLabel, {"设置时间", "Set Clock"}},
    {ids::kTimer1Label, {"定时设置1", "Timer1"}},
    {ids::kTimer2Label, {"定时设置2", "Timer2"}},
    {ids::kTimer1StartFrame, {"开始", "Start"}},
    {ids::kTimer2StartFrame, {"开始", "Start"}},
    {ids::kTimer1EndFrame, {"结束", "End"}},
    {ids::kTimer2EndFrame, {"结束", "End"}},
    {ids::kTimer1StartHourLabel, {"小时", "Hour"}},
    {ids::kTimer1EndHourLabel, {"小时", "Hour"}},
    {ids::kTimer2StartHourLabel, {"小时", "Hour"}},
    {ids::kTimer2EndHourLabel, {"小时", "Hour"}},
    {ids::kTimeLapseHourLabel, {"小时", "Hour"}},
    {ids::kTimer1StartMinLabel, {"分钟", "Min"}},
    {ids::kTimer1EndMinLabel, {"分钟", "Min"}},
    {ids::kTimer2StartMinLabel, {"分钟", "Min"}},
    {ids::kTimer2EndMinLabel, {"分钟", "Min"}},
    {ids::kTimeLapseMinLabel, {"分钟", "Min"}},
    {ids::kSerialLabel, {"序列号", "Serial Number"}},
    {ids::kTimeLapseLabel, {"定时拍摄", "Time Lapse"}},
    {ids::kSavePathFrame, {"保存路径", "Save Path"}},
    {ids::kBrowseButton, {"浏览", "Browse"}},
    {ids::kDefaultButton, {"出厂设置", "Default"}},
    {ids::kGenerateButton, {"生成配置", "Generate"}},
};

// The Time Zone label's colour on the button face.
constexpr std::uint8_t kTimeZoneRed = 34;
constexpr std::uint8_t kTimeZoneGreen = 96;
constexpr std::uint8_t kTimeZoneBlue = 217;

constexpr int kTimer1Group[] = {ids::kTimer1StartHourList, ids::kTimer1StartMinList,
                                ids::kTimer1EndHourList, ids::kTimer1EndMinList};
constexpr int kTimer2Group[] = {ids::kTimer2StartHourList, ids::kTimer2StartMinList,
                                ids::kTimer2EndHourList, ids::kTimer2EndMinList};
constexpr int kSerialGroup[] = {ids::kSerialChar1List, ids::kSerialChar2List, ids::kSerialChar3List,
                                ids::kSerialChar4List};
constexpr int kTimeLapseGroup[] = {ids::kTimeLapseHourList, ids::kTimeLapseMinList,
                                   ids::kTimeLapseSecList};

constexpr int kPathChars = 260;

// TimeZoneFromLocal asks the screen's platform for the local hour of the
// epoch while a Camera Setup screen exists, so that a fixed platform fixes
// the zone as well.
Platform* g_zonePlatform = nullptr;
int PlatformEpochLocalHour() { return g_zonePlatform->EpochLocalHour(); }

void EnableGroup(ControlSurface& ui, std::span<const int> group, bool enabled) {
  for (int id : group) ui.Enable(id, enabled);
}

// A list filled (on a full fill) and selected from a stored row.
void FillList(ControlSurface& ui, int id, OptionRows rows, bool addRows, int row) {
  if (addRows) {
    ui.ClearRows(id);
    for (const TextPair& text : rows) ui.AddRow(id, PickText(text, LanguageIndex));
  }
  ui.SelectRow(id, row);
}

void FillList(ControlSurface& ui, int id, const std::vector<std::string>& rows, bool addRows,
              int row) {
  if (addRows) {
    ui.ClearRows(id);
    for (const std::string& text : rows) ui.AddRow(id, text);
  }
  ui.SelectRow(id, row);
}

std::uint8_t ReadRow(ControlSurface& ui, int id) { return StoredRow(ui.SelectedRow(id)); }

}  // namespace

CameraSetupScreen::CameraSetupScreen(ControlSurface& surface, Platform& platform)
    : Screen(surface, platform) {}

CameraSetupScreen::~CameraSetupScreen() {
  if (g_zonePlatform == &platform_) {
    g_zonePlatform = nullptr;
    SetEpochLocalHourSource(nullptr);
  }
}

int CameraSetupScreen::TemplateId() const { return ids::kTemplate; }

void CameraSetupScreen::OnOpen() {
  ui_.SetSmallIcon(kSmallIconId);
  ui_.SetLabelColor(ids::kTimeZoneLabel, kTimeZoneRed, kTimeZoneGreen, kTimeZoneBlue);
  g_zonePlatform = &platform_;
  SetEpochLocalHourSource(PlatformEpochLocalHour);

  if (MenuFirstOpen) {
    MenuFirstOpen = false;
    if (!LoadMenuData()) {
      DefaultMenuData();
    } else if (g_sMenuData.VideoLen > 59) {
      g_sMenuData.VideoLen = RepairVideoLen(g_sMenuData.VideoLen);
    }
    g_sMenuData.ClockZone = kClockAuto;
  }

  FillCameraScreen(Fill::Full);
  EnableCameraGroups();
  if (CurrentClockMode() != kClockOff) ShowLiveClock(ui_, platform_);
  ui_.SetText(ids::kPathEdit, SavePath);

  for (const ClockField& field : kClockFields)
    ui_.SetTextLimit(field.id, static_cast<int>(field.maxChars));
  ui_.SetTextLimit(ids::kPathEdit, kPathChars);

  ui_.StartTimer(ids::kClockTimerId, ids::kClockTimerPeriodMs);
  TraceLine("INIT END.");
}

void CameraSetupScreen::FillInterval() {
  const IntervalRows rows = IntervalFromValue(g_sMenuData.Interval);
  IntervalUnit = rows.unit;
  FillList(ui_, ids::kIntervalNumberList, IntervalNumberRows(rows.unit), true, rows.numberRow);
  ui_.SelectRow(ids::kIntervalUnitList, IntervalUnit);
}

void CameraSetupScreen::FillCameraScreen(Fill how) {
  const bool full = how == Fill::Full;
  MenuData& m = g_sMenuData;

  if (full) {
    ui_.SetCaption(PickText(kCaption, LanguageIndex));
    for (const LabelText& label : kLabels)
      ui_.SetText(label.id, PickText(label.text, LanguageIndex));
  }

  FillList(ui_, ids::kModeList, kCapModeRows, full, m.CapMode);
  FillList(ui_, ids::kImgSizeList, kImgSizeRows, full, m.ImgSize);
  FillList(ui_, ids::kVideoSizeList, kVideoSizeRows, full, m.VideoSize);
  FillList(ui_, ids::kPicNumList, kPicNumRows, full, m.PicNum);
  FillList(ui_, ids::kTimeStampList, OnOffList, full, m.TimeStamp);
  FillList(ui_, ids::kSenseLevelList, kSenseLevelRows, full, m.SenseLevel);
  FillList(ui_, ids::kSidePirList, OffOnList, full, m.SidePir);
  FillList(ui_, ids::kVideoLenList, OneToSixtyRows(), full, m.VideoLen);

  if (full) {
    ui_.ClearRows(ids::kIntervalUnitList);
    for (const TextPair& unit : kIntervalUnitRows)
      ui_.AddRow(ids::kIntervalUnitList, PickText(unit, LanguageIndex));
  }
  FillInterval();

  FillList(ui_, ids::kDateFormatList, kDateFormatRows, full, m.DateFormat);
  FillList(ui_, ids::kBeepSoundList, OffOnList, full, m.BeepSound);
  FillList(ui_, ids::kSdCycleList, OffOnList, full, m.SdCycle);

  m.MenuLanguage = RepairMenuLanguage(m.MenuLanguage);
  FillList(ui_, ids::kLanguageList, kMenuLanguageRows, full, m.MenuLanguage - 1);

  ui_.SetText(ids::kTimeZoneLabel, PickText(kTimeZoneText, LanguageIndex));
  TimeZoneIndex = RepairTimeZoneIndex(TimeZoneIndex);
  FillList(ui_, ids::kTimeZoneList, TimeZoneList(), full, TimeZoneIndex);

  FillList(ui_, ids::kSetClockList, kClockModeRows, full, CurrentClockMode());

  FillList(ui_, ids::kTimer1List, OffOnList, full, m.Timer1On);
  FillList(ui_, ids::kTimer1StartHourList, HourRows(), full, m.Timer1StartHour);
  FillList(ui_, ids::kTimer1EndHourList, HourRows(), full, m.Timer1EndHour);
  FillList(ui_, ids::kTimer1StartMinList, MinuteSecondRows(), full, m.Timer1StartMin);
  FillList(ui_, ids::kTimer1EndMinList, MinuteSecondRows(), full, m.Timer1EndMin);
  FillList(ui_, ids::kTimer2List, OffOnList, full, m.Timer2On);
  FillList(ui_, ids::kTimer2StartHourList, HourRows(), full, m.Timer2StartHour);
  FillList(ui_, ids::kTimer2EndHourList, HourRows(), full, m.Timer2EndHour);
  FillList(ui_, ids::kTimer2StartMinList, MinuteSecondRows(), full, m.Timer2StartMin);
  FillList(ui_, ids::kTimer2EndMinList, MinuteSecondRows(), full, m.Timer2EndMin);

  FillList(ui_, ids::kSerialList, OffOnList, full, m.SerialOn);
  for (std::size_t i = 0; i < std::size(kSerialGroup); ++i)
    FillList(ui_, kSerialGroup[i], SerialRows(), full, m.SerialChars[i]);

  FillList(ui_, ids::kTimeLapseList, OnOffList, full, m.TimeLapse);
  FillList(ui_, ids::kTimeLapseHourList, HourRows(), full, m.TimeLapseHour);
  FillList(ui_, ids::kTimeLapseMinList, MinuteSecondRows(), full, m.TimeLapseMin);
  FillList(ui_, ids::kTimeLapseSecList, MinuteSecondRows(), full, m.TimeLapseSec);
}

void CameraSetupScreen::EnableCameraGroups() {
  const MenuData& m = g_sMenuData;
  EnableClockFields(ui_, CurrentClockMode() == kClockInput);
  EnableGroup(ui_, kTimer1Group, m.Timer1On == 1);
  EnableGroup(ui_, kTimer2Group, m.Timer2On == 1);
  EnableGroup(ui_, kSerialGroup, m.SerialOn == 1);
  EnableGroup(ui_, kTimeLapseGroup, m.TimeLapse == 0);
}

void CameraSetupScreen::ReadCameraScreen() {
  MenuData& m = g_sMenuData;

  m.CapMode = ReadRow(ui_, ids::kModeList);
  m.ImgSize = ReadRow(ui_, ids::kImgSizeList);
  m.VideoSize = ReadRow(ui_, ids::kVideoSizeList);
  m.PicNum = ReadRow(ui_, ids::kPicNumList);
  m.TimeStamp = ReadRow(ui_, ids::kTimeStampList);
  m.SenseLevel = ReadRow(ui_, ids::kSenseLevelList);
  m.SidePir = ReadRow(ui_, ids::kSidePirList);
  m.VideoLen = ReadRow(ui_, ids::kVideoLenList);

  const int unit = ui_.SelectedRow(ids::kIntervalUnitList);
  m.Interval = IntervalValue(unit, ui_.SelectedRow(ids::kIntervalNumberList));
  IntervalUnit = unit;

  m.DateFormat = ReadRow(ui_, ids::kDateFormatList);
  m.BeepSound = ReadRow(ui_, ids::kBeepSoundList);
  m.SdCycle = ReadRow(ui_, ids::kSdCycleList);
  m.MenuLanguage = StoredRow(ui_.SelectedRow(ids::kLanguageList) + 1);

  m.ClockZone = ReadRow(ui_, ids::kSetClockList);
  TimeZoneIndex = ReadRow(ui_, ids::kTimeZoneList);
  m.ClockZone = PackClockZone(TimeZoneIndex, m.ClockZone);

  const auto field = [this](int index) {
    return ParseClockText(ui_.GetText(kClockFields[index].id), kClockFields[index].maxChars);
  };
  if (const std::optional<int> v = field(0)) m.Year = static_cast<std::uint16_t>(*v);
  if (const std::optional<int> v = field(1)) m.Month = static_cast<std::uint8_t>(*v);
  if (const std::optional<int> v = field(2)) m.Day = static_cast<std::uint8_t>(*v);
  if (const std::optional<int> v = field(3)) m.Hour = static_cast<std::uint8_t>(*v);
  if (const std::optional<int> v = field(4)) m.Minute = static_cast<std::uint8_t>(*v);
  if (const std::optional<int> v = field(5)) m.Second = static_cast<std::uint8_t>(*v);
  Trace("Y:%d,M:%d,D:%d, h:%d, m:%d, s:%d\n", m.Year, m.Month, m.Day, m.Hour, m.Minute, m.Second);

  m.Timer1On = ReadRow(ui_, ids::kTimer1List);
  m.Timer1StartHour = ReadRow(ui_, ids::kTimer1StartHourList);
  m.Timer1StartMin = ReadRow(ui_, ids::kTimer1StartMinList);
  m.Timer1EndHour = ReadRow(ui_, ids::kTimer1EndHourList);
  m.Timer1EndMin = ReadRow(ui_, ids::kTimer1EndMinList);
  m.Timer2On = ReadRow(ui_, ids::kTimer2List);
  m.Timer2StartHour = ReadRow(ui_, ids::kTimer2StartHourList);
  m.Timer2StartMin = ReadRow(ui_, ids::kTimer2StartMinList);
  m.Timer2EndHour = ReadRow(ui_, ids::kTimer2EndHourList);
  m.Timer2EndMin = ReadRow(ui_, ids::kTimer2EndMinList);
  m.SerialOn = ReadRow(ui_, ids::kSerialList);
  for (std::size_t i = 0; i < std::size(kSerialGroup); ++i)
    m.SerialChars[i] = ReadRow(ui_, kSerialGroup[i]);
  m.TimeLapse = ReadRow(ui_, ids::kTimeLapseList);
  m.TimeLapseHour = ReadRow(ui_, ids::kTimeLapseHourList);
  m.TimeLapseMin = ReadRow(ui_, ids::kTimeLapseMinList);
  m.TimeLapseSec = ReadRow(ui_, ids::kTimeLapseSecList);

  SaveClock = {m.Year, m.Month, m.Day, m.Hour, m.Minute, m.Second};
}

void CameraSetupScreen::OnCommand(int id, int notification) {
  if (FindClockField(id) != nullptr) {
    if (notification == kEnChange) ClockFieldChanged(ui_, id);
    if (notification == kEnKillFocus) ClockFieldLostFocus(ui_, id);
    return;
  }
  if (notification == kCbnSelChange) {
    switch (id) {
      case ids::kSetClockList:
        SetClockPicked(ui_, platform_, ui_.SelectedRow(id));
        break;
      case ids::kIntervalUnitList:
        IntervalUnitPicked();
        break;
      case ids::kTimer1List:
      case ids::kTimer2List:
      case ids::kSerialList:
      case ids::kTimeLapseList:
        GroupListPicked(id);
        break;
      default:
        break;
    }
    return;
  }
  if (notification != kBnClicked) return;
  switch (id) {
    case ids::kBrowseButton:
      Browse();
      break;
    case ids::kGenerateButton:
      Generate();
      break;
    case ids::kDefaultButton:
      Default();
      break;
    default:
      break;  // Escape (IDCANCEL) and Enter do nothing here
  }
}

void CameraSetupScreen::OnTimer(int timerId) {
  if (timerId == ids::kClockTimerId) ClockTimerTick(ui_, platform_);
}

void CameraSetupScreen::OnClose() {
  ReadCameraScreen();
  ui_.StopTimer(ids::kClockTimerId);
  Leave(ScreenId::MainSetup);
}

void CameraSetupScreen::IntervalUnitPicked() {
  const int unit = ui_.SelectedRow(ids::kIntervalUnitList);
  if (unit < 0 || unit == IntervalUnit) return;
  const int shown = ui_.SelectedRow(ids::kIntervalNumberList);
  ui_.ClearRows(ids::kIntervalNumberList);
  for (const std::string& row : IntervalNumberRows(unit)) ui_.AddRow(ids::kIntervalNumberList, row);
  // A list that showed nothing shows nothing for the other unit either.
  ui_.SelectRow(ids::kIntervalNumberList,
                shown < 0 ? -1 : SwitchIntervalRow(IntervalUnit, unit, shown));
  IntervalUnit = unit;
}

void CameraSetupScreen::GroupListPicked(int listId) {
  const int row = ui_.SelectedRow(listId);
  switch (listId) {
    case ids::kTimer1List:
      EnableGroup(ui_, kTimer1Group, row == 1);
      break;
    case ids::kTimer2List:
      EnableGroup(ui_, kTimer2Group, row == 1);
      break;
    case ids::kSerialList:
      EnableGroup(ui_, kSerialGroup, row == 1);
      break;
    case ids::kTimeLapseList:
      EnableGroup(ui_, kTimeLapseGroup, row == 0);
      break;
    default:
      break;
  }
}

void CameraSetupScreen::Browse() {
  const std::optional<std::string> folder = platform_.PickFolder();
  if (!folder) return;
  // A folder too long for SavePath is refused; the field keeps showing the
  // folder the files really go to.
  SetSavePath(folder->c_str());
  ui_.SetText(ids::kPathEdit, SavePath);
}

void CameraSetupScreen::StoreAndVerify(const TextPair& message) {
  const int stored = StoreMenuData();
  const bool verified = LoadMenuData();
  // A failed store leaves an older file behind that may still load: only
  // both together mean the file holds what the screen shows.
  if (stored == 1 && verified) {
    ui_.ShowMessage(PickText(message, LanguageIndex), PickText(kNoticeCaption, LanguageIndex),
                    MessageKind::Information);
  }
}

void CameraSetupScreen::Generate() {
  ReadCameraScreen();
  StoreAndVerify(kGenerateDone);
}

void CameraSetupScreen::Default() {
  // Default keeps the time zone the list shows. TimeZoneIndex alone would
  // bring back the zone of the last load or read-back and drop a zone picked
  // since then.
  const int zoneRow = ui_.SelectedRow(ids::kTimeZoneList);
  if (zoneRow >= 0) TimeZoneIndex = StoredRow(zoneRow);
  DefaultMenuData();
  ui_.ClearRows(ids::kIntervalNumberList);
  FillCameraScreen(Fill::Reselect);
  EnableCameraGroups();
  ReadCameraScreen();
  StoreAndVerify(kDefaultDone);
}
