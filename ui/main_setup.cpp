#include "ui/main_setup.h"

#include <optional>
#include <string>

#include "data/text_pair.h"
#include "files/save_path.h"
#include "files/trace.h"
#include "ui/app_state.h"
#include "ui/control_ids.h"

bool MainFirstOpen = true;

namespace {

namespace ids = main_setup_ids;

constexpr TextPair kCaption = {"设置", "Setup"};

struct ControlText {
  int id;
  TextPair text;
};

// In the order the screen sets them.
constexpr ControlText kTexts[] = {
    {ids::kVersionFrame, {"软件版本", "Version"}},
    {ids::kLanguageFrame, {"界面语言", "Interface Language"}},
    {ids::kCameraSetupButton, {"相机设置", "Camera Setup"}},
    {ids::k3GSetupButton, {"3G设置", "3G Setup"}},
    {ids::kModelFrame, {"相机型号", "Camera Model"}},
};

constexpr const char* kLanguageRows[] = {"中文", "English"};
constexpr const char* kModelRows[] = {"OV-2300-3G", "OV-2300-3G(BASIC)", "OV-2500-3G",
                                      "OV-2500-3G(BASIC)"};
constexpr int kLanguageCount = sizeof(kLanguageRows) / sizeof(kLanguageRows[0]);
constexpr int kModelCount = sizeof(kModelRows) / sizeof(kModelRows[0]);

constexpr unsigned kLangChinesePrc = 0x0804;

// The rectangle copied from the 360 x 52 logo: its right 20 columns stay
// hidden, as the screen has always drawn it.
constexpr int kLogoX = 24;
constexpr int kLogoY = 10;
constexpr int kLogoWidth = 340;
constexpr int kLogoHeight = 72;

}  // namespace

bool SetSavePathToCurrentDir(Platform& platform) {
  const std::optional<std::string> directory = platform.CurrentDirectory();
  if (!directory) return false;
  if (!SetSavePath(directory->c_str())) return false;
  Trace("CurDir:%s\n", SavePath);
  return true;
}

int LanguageFromLangId(unsigned langId) { return langId == kLangChinesePrc ? 0 : 1; }

void FillMainSetupTexts(ControlSurface& ui, bool refill) {
  ui.SetCaption(PickText(kCaption, LanguageIndex));
  ui.SetText(ids::kVersionLabel, kVersionText);
  for (const ControlText& entry : kTexts) {
    ui.SetText(entry.id, PickText(entry.text, LanguageIndex));
  }

  if (refill) ui.ClearRows(ids::kLanguageList);
  for (const char* row : kLanguageRows) ui.AddRow(ids::kLanguageList, row);
  ui.SelectRow(ids::kLanguageList, LanguageIndex);

  if (refill) ui.ClearRows(ids::kModelList);
  for (const char* row : kModelRows) ui.AddRow(ids::kModelList, row);
  ui.SelectRow(ids::kModelList, ModelIndex);
}

int MainSetupScreen::TemplateId() const { return ids::kTemplate; }

void MainSetupScreen::OnOpen() {
  ui_.SetSmallIcon(kSmallIconId);
  ui_.PaintBitmap(kLogoBitmapId, kLogoX, kLogoY, kLogoWidth, kLogoHeight);
  if (MainFirstOpen) {
    LanguageIndex = LanguageFromLangId(platform_.SystemDefaultLangId());
    SetSavePathToCurrentDir(platform_);
    MainFirstOpen = false;
  }
  FillMainSetupTexts(ui_, false);
}

void MainSetupScreen::OnCommand(int id, int notification) {
  switch (id) {
    case ids::kCameraSetupButton:
      Leave(ScreenId::CameraSetup);
      return;
    case ids::k3GSetupButton:
      Leave(ScreenId::ParameterPage);
      return;
    case ids::kModelList:
      if (notification == kCbnSelChange) {
        // A list without a selection (text typed into its edit field) keeps
        // the model: every later screen relies on a row 0..3.
        const int row = ui_.SelectedRow(ids::kModelList);
        if (row >= 0 && row < kModelCount) ModelIndex = row;
      }
      return;
    case ids::kLanguageList:
      if (notification == kCbnSelChange) {
        const int row = ui_.SelectedRow(ids::kLanguageList);
        if (row >= 0 && row < kLanguageCount) {
          LanguageIndex = row;
          FillMainSetupTexts(ui_, true);
        }
      }
      return;
    default:
      // Escape (IDCANCEL) and everything else: the screen stays.
      return;
  }
}

void MainSetupScreen::OnClose() { Leave(ScreenId::None); }
