#include "ui/main_setup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/save_path.h"
#include "tests/support/test_support.h"
#include "tests/ui/fake_platform.h"
#include "tests/ui/fake_surface.h"
#include "ui/app_state.h"
#include "ui/control_ids.h"

namespace {

namespace ids = main_setup_ids;

// The process-wide state as a fresh run has it.
void ResetRun() {
  LanguageIndex = 1;
  ModelIndex = 0;
  noReplyCommands = false;
  MainFirstOpen = true;
  SetSavePath("C:\\");
}

struct Texts {
  const char* caption;
  const char* version;
  const char* language;
  const char* camera;
  const char* threeG;
  const char* model;
};
constexpr Texts kChinese = {"设置", "软件版本", "界面语言", "相机设置", "3G设置", "相机型号"};
constexpr Texts kEnglish = {"Setup",        "Version",  "Interface Language",
                            "Camera Setup", "3G Setup", "Camera Model"};

const std::vector<std::string> kModels = {"OV-2300-3G", "OV-2300-3G(BASIC)", "OV-2500-3G",
                                          "OV-2500-3G(BASIC)"};
const std::vector<std::string> kLanguages = {"中文", "English"};

void ExpectTexts(FakeSurface& ui, const Texts& texts) {
  EXPECT_EQ(ui.caption(), texts.caption);
  EXPECT_EQ(ui.GetText(ids::kVersionLabel), "1,2,2,33");
  EXPECT_EQ(ui.GetText(ids::kVersionFrame), texts.version);
  EXPECT_EQ(ui.GetText(ids::kLanguageFrame), texts.language);
  EXPECT_EQ(ui.GetText(ids::kCameraSetupButton), texts.camera);
  EXPECT_EQ(ui.GetText(ids::k3GSetupButton), texts.threeG);
  EXPECT_EQ(ui.GetText(ids::kModelFrame), texts.model);
  EXPECT_EQ(ui.Rows(ids::kLanguageList), kLanguages);
  EXPECT_EQ(ui.Rows(ids::kModelList), kModels);
}

class MainSetupTest : public ::testing::Test {
 protected:
  MainSetupTest() { ResetRun(); }
  ~MainSetupTest() override { ResetRun(); }

  // A new Main Setup, opened.
  struct Opened {
    explicit Opened(FakePlatform& platform) : screen(ui, platform) {
      ui.Attach(screen);
      ui.Open();
    }
    FakeSurface ui;
    MainSetupScreen screen;
  };

  FakePlatform platform;
  TraceCapture trace;
};

TEST_F(MainSetupTest, FirstOpeningTakesTheLanguageFromTheSystem) {
  struct Case {
    std::uint16_t langId;
    int language;
    const Texts* texts;
  };
  const Case cases[] = {
      {0x0804, 0, &kChinese},  // Chinese, PRC
      {0x0404, 1, &kEnglish},  // Chinese, Taiwan
      {0x0409, 1, &kEnglish},  // English, United States
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.langId);
    ResetRun();
    LanguageIndex = 1 - c.language;  // the opening must set it either way
    platform.langId = c.langId;
    Opened main(platform);
    EXPECT_EQ(LanguageIndex, c.language);
    EXPECT_FALSE(MainFirstOpen);
    ExpectTexts(main.ui, *c.texts);
    EXPECT_EQ(main.ui.SelectedRow(ids::kLanguageList), c.language);
  }
}

TEST_F(MainSetupTest, OpeningSetsIconLogoAndTextsInOrder) {
  Opened main(platform);
  EXPECT_EQ(
      main.ui.calls(),
      (std::vector<std::string>{
          "SetSmallIcon 119", "PaintBitmap 114 24 10 340 72", "SetCaption Setup",
          "SetText 40006 1,2,2,33", "SetText 40003 Version", "SetText 40005 Interface Language",
          "SetText 40000 Camera Setup", "SetText 40002 3G Setup", "SetText 40007 Camera Model",
          "AddRow 40004 中文", "AddRow 40004 English", "SelectRow 40004 1",
          "AddRow 40001 OV-2300-3G", "AddRow 40001 OV-2300-3G(BASIC)", "AddRow 40001 OV-2500-3G",
          "AddRow 40001 OV-2500-3G(BASIC)", "SelectRow 40001 0"}));
  EXPECT_TRUE(main.ui.notifications().empty());
}

TEST_F(MainSetupTest, FirstOpeningMakesTheCurrentDirectoryTheSaveFolder) {
  platform.currentDirectory = "/media/SDCARD";
  Opened main(platform);
  EXPECT_STREQ(SavePath, "/media/SDCARD");
  EXPECT_EQ(trace.text(), "CurDir:/media/SDCARD\n");
}

TEST_F(MainSetupTest, SaveFolderStaysWhenTheCurrentDirectoryIsUnusable) {
  struct Case {
    const char* name;
    std::optional<std::string> directory;
  };
  const Case cases[] = {
      {"GetCurrentDirectoryA fails", std::nullopt},
      {"longer than SavePath holds", std::string(kSavePathMax + 1, 'd')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetRun();
    trace.clear();
    platform.currentDirectory = c.directory;
    Opened main(platform);
    EXPECT_STREQ(SavePath, "C:\\");
    EXPECT_EQ(trace.text(), "");
    EXPECT_FALSE(MainFirstOpen);
  }
}

TEST_F(MainSetupTest, LongestDirectoryThatFitsIsTaken) {
  const std::string directory(kSavePathMax, 'd');
  platform.currentDirectory = directory;
  EXPECT_TRUE(SetSavePathToCurrentDir(platform));
  EXPECT_EQ(std::string(SavePath), directory);
  EXPECT_EQ(trace.text(), "CurDir:" + directory + "\n");
}

TEST_F(MainSetupTest, LaterOpeningsKeepWhatTheRunChose) {
  platform.currentDirectory = "/start";
  { Opened first(platform); }
  LanguageIndex = 0;
  ModelIndex = 3;
  SetSavePath("/picked");
  platform.langId = 0x0409;
  platform.currentDirectory = "/elsewhere";
  trace.clear();

  Opened second(platform);
  EXPECT_EQ(LanguageIndex, 0);
  EXPECT_STREQ(SavePath, "/picked");
  EXPECT_EQ(trace.text(), "");
  ExpectTexts(second.ui, kChinese);
  EXPECT_EQ(second.ui.SelectedRow(ids::kLanguageList), 0);
  EXPECT_EQ(second.ui.SelectedRow(ids::kModelList), 3);
}

TEST_F(MainSetupTest, LanguageSwitchRefreshesEveryText) {
  Opened main(platform);
  ModelIndex = 2;  // the refill selects the current model too
  main.ui.ClearCalls();

  ASSERT_TRUE(main.ui.Pick(ids::kLanguageList, 0));
  EXPECT_EQ(LanguageIndex, 0);
  ExpectTexts(main.ui, kChinese);  // refilled, not appended to
  EXPECT_EQ(main.ui.SelectedRow(ids::kLanguageList), 0);
  EXPECT_EQ(main.ui.SelectedRow(ids::kModelList), 2);
  const std::vector<std::string>& calls = main.ui.calls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front(), "SetCaption 设置");
  EXPECT_NE(std::find(calls.begin(), calls.end(), "ClearRows 40004"), calls.end());
  EXPECT_NE(std::find(calls.begin(), calls.end(), "ClearRows 40001"), calls.end());

  ASSERT_TRUE(main.ui.Pick(ids::kLanguageList, 1));
  EXPECT_EQ(LanguageIndex, 1);
  ExpectTexts(main.ui, kEnglish);
  EXPECT_FALSE(main.ui.ended());
}

TEST_F(MainSetupTest, ModelPickSetsModelIndex) {
  Opened main(platform);
  for (int row : {2, 3, 1, 0}) {
    ASSERT_TRUE(main.ui.Pick(ids::kModelList, row));
    EXPECT_EQ(ModelIndex, row);
  }
  EXPECT_EQ(LanguageIndex, 1);
  EXPECT_FALSE(main.ui.ended());
}

TEST_F(MainSetupTest, ListsReactToSelChangeOnly) {
  Opened main(platform);
  main.ui.SelectRow(ids::kModelList, 3);
  main.ui.SelectRow(ids::kLanguageList, 0);
  main.ui.Command(ids::kModelList, kCbnSelEndOk);
  main.ui.Command(ids::kLanguageList, kCbnSelEndOk);
  EXPECT_EQ(ModelIndex, 0);
  EXPECT_EQ(LanguageIndex, 1);
  EXPECT_EQ(main.ui.caption(), "Setup");
}

TEST_F(MainSetupTest, ListWithoutSelectionKeepsTheValues) {
  // Text typed into a list's edit field leaves it without a row; a later
  // screen indexing by -1 would read outside its tables.
  Opened main(platform);
  ModelIndex = 2;
  main.ui.SelectRow(ids::kModelList, -1);
  main.ui.SelectRow(ids::kLanguageList, -1);
  main.ui.Command(ids::kModelList, kCbnSelChange);
  main.ui.Command(ids::kLanguageList, kCbnSelChange);
  EXPECT_EQ(ModelIndex, 2);
  EXPECT_EQ(LanguageIndex, 1);
}

TEST_F(MainSetupTest, EscapeEnterAndStrayCommandsDoNothing) {
  Opened main(platform);
  main.ui.ClearCalls();
  ASSERT_TRUE(main.ui.PressEscape());
  ASSERT_TRUE(main.ui.PressEnter());
  main.ui.Command(ids::kVersionLabel, kBnClicked);
  main.ui.Command(ids::kModelList, kEnChange);
  EXPECT_FALSE(main.ui.ended());
  EXPECT_FALSE(main.screen.ended());
  EXPECT_TRUE(main.ui.calls().empty());
}

TEST_F(MainSetupTest, ButtonsAndCloseLeadOn) {
  struct Case {
    const char* name;
    std::function<bool(FakeSurface&)> act;
    ScreenId next;
  };
  const Case cases[] = {
      {"Camera Setup", [](FakeSurface& ui) { return ui.Click(ids::kCameraSetupButton); },
       ScreenId::CameraSetup},
      {"3G Setup", [](FakeSurface& ui) { return ui.Click(ids::k3GSetupButton); },
       ScreenId::ParameterPage},
      {"close box", [](FakeSurface& ui) { return ui.Close(); }, ScreenId::None},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Opened main(platform);
    ASSERT_TRUE(c.act(main.ui));
    EXPECT_TRUE(main.screen.ended());
    EXPECT_EQ(main.ui.endCount(), 1);
    EXPECT_EQ(main.screen.transition().next, c.next);
  }
}

}  // namespace
