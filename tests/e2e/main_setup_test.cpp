// camsetup.exe from the start: the first Main Setup, its language and save
// folder, the language switch, the round trips to the other screens and the
// end of the process.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"
#include "ui/control_ids.h"

namespace {

namespace ids = main_setup_ids;
using e2e::Window;

const std::vector<std::string> kMainCaptions = {"设置", "Setup"};
const std::vector<std::string> kCameraCaptions = {"相机设置", "Camera Setup"};
const std::vector<std::string> kParameterCaptions = {"3G参数设置", "3G Parameter Settings"};
const std::vector<std::string> kModels = {"OV-2300-3G", "OV-2300-3G(BASIC)", "OV-2500-3G",
                                          "OV-2500-3G(BASIC)"};
const std::vector<std::string> kLanguages = {"中文", "English"};

struct MainTexts {
  const char* caption;
  const char* version;
  const char* language;
  const char* camera;
  const char* setup3g;
  const char* model;
};

constexpr MainTexts kTexts[2] = {
    {"设置", "软件版本", "界面语言", "相机设置", "3G设置", "相机型号"},
    {"Setup", "Version", "Interface Language", "Camera Setup", "3G Setup", "Camera Model"},
};

bool WaitCaption(Window window, const std::string& caption) {
  for (int i = 0; i < 500; ++i) {
    if (e2e::Caption(window) == caption) return true;
    if (!e2e::Exists(window)) return false;
    e2e::Process::Pause(20);
  }
  return false;
}

// Every text and both lists of a Main Setup in `language` (0 Chinese).
void ExpectMainSetup(Window main, int language, int model) {
  const MainTexts& t = kTexts[language];
  EXPECT_EQ(e2e::Caption(main), t.caption);
  EXPECT_EQ(e2e::Text(main, ids::kVersionLabel), "1,2,2,33");
  EXPECT_FALSE(e2e::IsEnabled(main, ids::kVersionLabel));
  EXPECT_EQ(e2e::Text(main, ids::kVersionFrame), t.version);
  EXPECT_EQ(e2e::Text(main, ids::kLanguageFrame), t.language);
  EXPECT_EQ(e2e::Text(main, ids::kCameraSetupButton), t.camera);
  EXPECT_EQ(e2e::Text(main, ids::k3GSetupButton), t.setup3g);
  EXPECT_EQ(e2e::Text(main, ids::kModelFrame), t.model);
  EXPECT_EQ(e2e::Rows(main, ids::kLanguageList), kLanguages);
  EXPECT_EQ(e2e::SelectedRow(main, ids::kLanguageList), language);
  EXPECT_EQ(e2e::Rows(main, ids::kModelList), kModels);
  EXPECT_EQ(e2e::SelectedRow(main, ids::kModelList), model);
}

int CountLinesStartingWith(const std::vector<std::string>& lines, const std::string& start) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
    return line.rfind(start, 0) == 0;
  }));
}

// A run of the program in a fresh save folder of its own.
class ProgramRun : public testing::Test {
 protected:
  void StartIn(const std::string& folderName) {
    folder_ = e2e::NewFolder(folderName);
    ASSERT_FALSE(e2e::ProgramPath().empty()) << "CAMSETUP_EXE is not set";
    ASSERT_TRUE(app_.Start(e2e::ProgramPath(), folder_,
                           folder_.parent_path() / (folder_.filename().wstring() + L".out")));
    main_ = app_.WaitDialog(kMainCaptions);
    ASSERT_NE(main_, nullptr) << "no Main Setup";
  }

  // Leaves `from` with `button` and waits for the screen it opens.
  Window MoveTo(Window from, int button, const std::vector<std::string>& captions) {
    EXPECT_TRUE(e2e::Click(from, button));
    EXPECT_TRUE(e2e::WaitGone(from));
    return app_.WaitDialog(captions, e2e::kWaitMs, from);
  }

  // Closes a screen other than Main Setup and waits for the new Main Setup.
  Window CloseToMain(Window screen) {
    EXPECT_TRUE(e2e::Close(screen));
    EXPECT_TRUE(e2e::WaitGone(screen));
    return app_.WaitDialog(kMainCaptions, e2e::kWaitMs, screen);
  }

  std::filesystem::path folder_;
  e2e::Process app_;
  Window main_ = nullptr;
};

// The system's language, given by the test run: 0x0804 on a Chinese (PRC)
// system, 0x0409 otherwise.
std::uint16_t ExpectedSystemLanguage() {
  const char* configured = std::getenv("CAMSETUP_E2E_LANGID");
  return configured == nullptr ? 0
                               : static_cast<std::uint16_t>(std::strtoul(configured, nullptr, 0));
}

using SystemLanguage = ProgramRun;

TEST_F(SystemLanguage, FirstMainSetupSpeaksIt) {
  const std::uint16_t expected = ExpectedSystemLanguage();
  ASSERT_NE(expected, 0) << "CAMSETUP_E2E_LANGID is not set";
  // The run really is on that system: otherwise this would test nothing.
  ASSERT_EQ(e2e::SystemLanguage(), expected);
  StartIn("language");
  ExpectMainSetup(main_, expected == 0x0804 ? 0 : 1, 0);
  // The first control with a tab stop has the focus.
  EXPECT_EQ(e2e::FocusedId(main_), ids::k3GSetupButton);
}

using MainSetup = ProgramRun;

TEST_F(MainSetup, SaveFolderIsTheFolderItStartsIn) {
  StartIn("SD卡 root");  // a name only UTF-8 carries through the ANSI functions
  ASSERT_TRUE(app_.WaitOutput("CurDir:"));
  const std::vector<std::string> lines = app_.OutputLines();
  const std::string expected = "CurDir:" + e2e::Utf8Path(folder_);
  EXPECT_EQ(CountLinesStartingWith(lines, "CurDir:"), 1);
  EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << app_.Output();
}

TEST_F(MainSetup, LanguageSwitchRefreshesEveryText) {
  StartIn("switch");
  ASSERT_TRUE(e2e::ChooseRow(main_, ids::kModelList, 3));
  for (int language : {0, 1, 0}) {
    SCOPED_TRACE(language);
    ASSERT_TRUE(e2e::ChooseRow(main_, ids::kLanguageList, language));
    ASSERT_TRUE(WaitCaption(main_, kTexts[language].caption));
    ExpectMainSetup(main_, language, 3);
  }
}

TEST_F(MainSetup, ModelAndLanguageSurviveTheOtherScreens) {
  StartIn("round trip");
  ASSERT_TRUE(e2e::ChooseRow(main_, ids::kModelList, 2));
  ASSERT_TRUE(e2e::ChooseRow(main_, ids::kLanguageList, 0));
  ASSERT_TRUE(WaitCaption(main_, "设置"));

  Window camera = MoveTo(main_, ids::kCameraSetupButton, kCameraCaptions);
  ASSERT_NE(camera, nullptr);
  main_ = CloseToMain(camera);
  ASSERT_NE(main_, nullptr);
  ExpectMainSetup(main_, 0, 2);

  Window page = MoveTo(main_, ids::k3GSetupButton, kParameterCaptions);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(e2e::Caption(page), "3G参数设置");
  main_ = CloseToMain(page);
  ASSERT_NE(main_, nullptr);
  ExpectMainSetup(main_, 0, 2);

  // The save folder was taken once, at the first Main Setup only.
  EXPECT_EQ(CountLinesStartingWith(app_.OutputLines(), "CurDir:"), 1) << app_.Output();
}

TEST_F(MainSetup, EscapeLeavesTheScreenOpen) {
  StartIn("escape");
  ASSERT_TRUE(e2e::PressEscape(main_));
  // Posted after the Escape key, so handled after it: once the caption has
  // changed, the Escape has been dealt with.
  ASSERT_TRUE(e2e::ChooseRow(main_, ids::kLanguageList, 0));
  ASSERT_TRUE(WaitCaption(main_, "设置"));
  EXPECT_TRUE(e2e::Exists(main_));
  EXPECT_TRUE(app_.Running());
  EXPECT_EQ(app_.Dialogs().size(), 1u);
}

TEST_F(MainSetup, ClosingAfterSeveralMovesEndsWithExitCodeZero) {
  StartIn("moves");
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    Window camera = MoveTo(main_, ids::kCameraSetupButton, kCameraCaptions);
    ASSERT_NE(camera, nullptr);
    main_ = CloseToMain(camera);
    ASSERT_NE(main_, nullptr);
    Window page = MoveTo(main_, ids::k3GSetupButton, kParameterCaptions);
    ASSERT_NE(page, nullptr);
    main_ = CloseToMain(page);
    ASSERT_NE(main_, nullptr);
    // One screen at a time: the screens left are gone, not hidden.
    EXPECT_EQ(app_.Dialogs().size(), 1u);
  }
  ASSERT_TRUE(e2e::Close(main_));
  EXPECT_EQ(app_.WaitExit(), 0);
  // Moving between the screens writes no settings file.
  EXPECT_TRUE(std::filesystem::is_empty(folder_));
}

}  // namespace
