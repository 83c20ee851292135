#include "ui/screen_loop.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "files/save_path.h"
#include "tests/support/test_support.h"
#include "tests/ui/fake_host.h"
#include "tests/ui/fake_platform.h"
#include "ui/app_state.h"
#include "ui/control_ids.h"
#include "ui/main_setup.h"

namespace {

namespace main_ids = main_setup_ids;

constexpr int kMain = main_setup_ids::kTemplate;
constexpr int kCamera = camera_setup_ids::kTemplate;
constexpr int kParameters = parameter_page_ids::kTemplate;
constexpr int kSend = send_page_ids::kTemplate;

class ScreenLoopTest : public ::testing::Test {
 protected:
  ScreenLoopTest() { ResetRun(); }
  ~ScreenLoopTest() override { ResetRun(); }

  static void ResetRun() {
    LanguageIndex = 1;
    ModelIndex = 0;
    noReplyCommands = false;
    MainFirstOpen = true;
    SetSavePath("C:\\");
  }

  FakePlatform platform;
  FakeHost host;
  TraceCapture trace;
};

TEST_F(ScreenLoopTest, MakeScreenOpensTheNamedScreen) {
  const std::pair<ScreenId, int> cases[] = {{ScreenId::MainSetup, kMain},
                                            {ScreenId::CameraSetup, kCamera},
                                            {ScreenId::ParameterPage, kParameters},
                                            {ScreenId::SendPage, kSend}};
  for (const auto& [id, templateId] : cases) {
    FakeSurface ui;
    const std::unique_ptr<Screen> screen = MakeScreen(Transition{id, 2}, ui, platform);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->TemplateId(), templateId);
  }
  FakeSurface ui;
  EXPECT_EQ(MakeScreen(Transition{}, ui, platform), nullptr);
}

TEST_F(ScreenLoopTest, ClosingTheFirstMainSetupEndsTheRun) {
  EXPECT_EQ(RunScreens(host, platform), 0);
  EXPECT_EQ(host.templates(), (std::vector<int>{kMain}));
}

TEST_F(ScreenLoopTest, EscapeLeavesMainSetupOpen) {
  bool stillOpen = false;
  host.Then([&](FakeSurface& ui, Screen& screen) {
    ui.PressEscape();
    stillOpen = !ui.ended() && !screen.ended();
  });
  EXPECT_EQ(RunScreens(host, platform), 0);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(host.templates(), (std::vector<int>{kMain}));
}

TEST_F(ScreenLoopTest, SeveralMovesThenCloseExitWithZero) {
  host.Then([](FakeSurface& ui, Screen&) { ui.Click(main_ids::kCameraSetupButton); })
      .Then([](FakeSurface& ui, Screen&) { ui.Close(); })
      .Then([](FakeSurface& ui, Screen&) { ui.Click(main_ids::k3GSetupButton); })
      .Then([](FakeSurface& ui, Screen&) { ui.Close(); })
      .Then([](FakeSurface& ui, Screen&) { ui.Click(main_ids::kCameraSetupButton); })
      .Then([](FakeSurface& ui, Screen&) { ui.Close(); })
      .Then([](FakeSurface& ui, Screen&) { ui.Close(); });
  EXPECT_EQ(RunScreens(host, platform), 0);
  EXPECT_EQ(host.templates(),
            (std::vector<int>{kMain, kCamera, kMain, kParameters, kMain, kCamera, kMain}));
}

TEST_F(ScreenLoopTest, ThirdModelSurvivesARoundTripThroughCameraSetup) {
  int rowShown = -1;
  host.Then([](FakeSurface& ui, Screen&) {
        ASSERT_TRUE(ui.Pick(main_ids::kModelList, 2));
        ui.Click(main_ids::kCameraSetupButton);
      })
      .Then([](FakeSurface& ui, Screen&) { ui.Close(); })
      .Then([&](FakeSurface& ui, Screen&) { rowShown = ui.SelectedRow(main_ids::kModelList); });
  EXPECT_EQ(RunScreens(host, platform), 0);
  EXPECT_EQ(rowShown, 2);
  EXPECT_EQ(ModelIndex, 2);
  EXPECT_EQ(host.templates(), (std::vector<int>{kMain, kCamera, kMain}));
}

TEST_F(ScreenLoopTest, LanguageAndSaveFolderSurviveTheThreeGPages) {
  platform.langId = 0x0409;
  platform.currentDirectory = "/media/SDCARD";
  std::string pageCaption, mainCaption, versionFrame, savePathBack;
  host.Then([&](FakeSurface& ui, Screen&) {
        // Neither may be read again by a later Main Setup.
        platform.currentDirectory = "/elsewhere";
        platform.langId = 0x0409;
        ASSERT_TRUE(ui.Pick(main_ids::kLanguageList, 0));
        ui.Click(main_ids::k3GSetupButton);
      })
      .Then([&](FakeSurface& ui, Screen&) {
        pageCaption = ui.caption();
        ui.Close();
      })
      .Then([&](FakeSurface& ui, Screen&) {
        mainCaption = ui.caption();
        versionFrame = ui.GetText(main_ids::kVersionFrame);
        savePathBack = SavePath;
      });
  EXPECT_EQ(RunScreens(host, platform), 0);
  EXPECT_EQ(pageCaption, "3G参数设置");
  EXPECT_EQ(mainCaption, "设置");
  EXPECT_EQ(versionFrame, "软件版本");
  EXPECT_EQ(savePathBack, "/media/SDCARD");
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{"CurDir:/media/SDCARD"}));
}

TEST_F(ScreenLoopTest, ADialogThatCannotBeCreatedEndsTheRunWithMinusOne) {
  {
    FakeHost first;
    first.FailToCreate();
    EXPECT_EQ(RunScreens(first, platform), -1);
    EXPECT_EQ(first.templates(), (std::vector<int>{kMain}));
  }
  // Deeper in the chain the run ends too; no screen is left open, so the
  // failure is what the process reports.
  host.Then([](FakeSurface& ui, Screen&) { ui.Click(main_ids::k3GSetupButton); }).FailToCreate();
  EXPECT_EQ(RunScreens(host, platform), -1);
  EXPECT_EQ(host.templates(), (std::vector<int>{kMain, kParameters}));
}

// Stands in for the 3G parameter page: Next Page with a chosen send option.
class NextPageScreen : public Screen {
 public:
  NextPageScreen(ControlSurface& surface, Platform& platform, int row)
      : Screen(surface, platform), row_(row) {}
  int TemplateId() const override { return kParameters; }
  void OnOpen() override {}
  void OnCommand(int id, int) override {
    if (id == 40082) Leave(Transition{ScreenId::SendPage, row_});
  }
  void OnClose() override { Leave(ScreenId::MainSetup); }

 private:
  int row_;
};

TEST_F(ScreenLoopTest, SendOptionRowIsHandedToTheSendPage) {
  std::vector<Transition> made;
  const ScreenFactory factory = [&](const Transition& how, ControlSurface& surface,
                                    Platform& system) -> std::unique_ptr<Screen> {
    made.push_back(how);
    if (how.next == ScreenId::ParameterPage) {
      return std::make_unique<NextPageScreen>(surface, system, 3);
    }
    return MakeScreen(how, surface, system);
  };
  int sendTemplate = 0;
  host.Then([](FakeSurface& ui, Screen&) { ui.Click(main_ids::k3GSetupButton); })
      .Then([](FakeSurface& ui, Screen&) { ui.Click(40082); })
      .Then([&](FakeSurface&, Screen& screen) { sendTemplate = screen.TemplateId(); });
  EXPECT_EQ(RunScreens(host, platform, factory), 0);
  EXPECT_EQ(sendTemplate, kSend);
  ASSERT_EQ(made.size(), 4u);  // Main, parameters, send page, Main
  EXPECT_EQ(made[2].next, ScreenId::SendPage);
  EXPECT_EQ(made[2].sendOptionRow, 3);
  EXPECT_EQ(made[3].next, ScreenId::MainSetup);
}

TEST_F(ScreenLoopTest, PagesShowCaptionAndIconAndCloseToMainSetup) {
  struct Case {
    ScreenId id;
    const char* zh;
    const char* en;
  };
  const Case cases[] = {{ScreenId::CameraSetup, "相机设置", "Camera Setup"},
                        {ScreenId::ParameterPage, "3G参数设置", "3G Parameter Settings"},
                        {ScreenId::SendPage, "3G发送设置", "3G Send Settings"}};
  for (const Case& c : cases) {
    for (int language : {0, 1}) {
      SCOPED_TRACE(c.en);
      LanguageIndex = language;
      FakeSurface ui;
      const std::unique_ptr<Screen> screen = MakeScreen(Transition{c.id, 1}, ui, platform);
      ui.Attach(*screen);
      ui.Open();
      EXPECT_EQ(ui.caption(), language == 0 ? c.zh : c.en);
      EXPECT_EQ(ui.smallIcon(), kSmallIconId);
      ui.PressEscape();
      EXPECT_FALSE(screen->ended());
      ASSERT_TRUE(ui.Close());
      EXPECT_TRUE(screen->ended());
      EXPECT_EQ(screen->transition().next, ScreenId::MainSetup);
    }
  }
}

}  // namespace
