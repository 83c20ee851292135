// Walks camsetup.exe through every screen it can reach, in Chinese and in
// English, and has each one photographed by scripts/screenshots.sh: for a
// screen NAME it writes NAME.ready (the window's rectangle "x y width
// height") into the picture folder and waits for NAME.png to appear there.
//
//   screen_tour.exe PICTURE_FOLDER SAVE_FOLDER    (Unix paths)
// CAMSETUP_EXE names the program. Exit code 0 when every screen was shot.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"
#include "ui/control_ids.h"

namespace {

using e2e::Window;

const std::vector<std::string> kMain = {"设置", "Setup"};
const std::vector<std::string> kCamera = {"相机设置", "Camera Setup"};
const std::vector<std::string> kParameters = {"3G参数设置", "3G Parameter Settings"};
const std::vector<std::string> kSend = {"3G发送设置", "3G Send Settings"};
constexpr int kNextPageButton = 40082;

std::filesystem::path g_pictures;
int g_failures = 0;

bool Fail(const std::string& what) {
  std::fprintf(stderr, "screen_tour: %s\n", what.c_str());
  ++g_failures;
  return false;
}

bool Shoot(Window window, const std::string& name) {
  if (window == nullptr) return Fail("no window for " + name);
  e2e::Process::Pause(700);  // let it paint
  const e2e::Rect r = e2e::ScreenRect(window);
  const std::filesystem::path picture = g_pictures / (name + ".png");
  std::filesystem::remove(picture);
  {
    std::ofstream ready(g_pictures / (name + ".ready.tmp"));
    ready << r.x << ' ' << r.y << ' ' << r.width << ' ' << r.height << '\n';
  }
  std::filesystem::rename(g_pictures / (name + ".ready.tmp"), g_pictures / (name + ".ready"));
  for (int i = 0; i < 1000; ++i) {
    if (std::filesystem::exists(picture)) {
      std::printf("screen_tour: %s\n", name.c_str());
      return true;
    }
    e2e::Process::Pause(20);
  }
  return Fail("no picture taken of " + name);
}

bool WaitCaption(Window window, const std::string& caption) {
  for (int i = 0; i < 500; ++i) {
    if (e2e::Caption(window) == caption) return true;
    e2e::Process::Pause(20);
  }
  return false;
}

class Tour {
 public:
  explicit Tour(e2e::Process& app) : app_(app) {}

  Window Main() const { return main_; }
  bool Start() {
    main_ = app_.WaitDialog(kMain);
    return main_ != nullptr || Fail("no Main Setup");
  }

  Window Open(Window from, int button, const std::vector<std::string>& captions, int timeoutMs) {
    if (!e2e::Click(from, button)) return nullptr;
    return app_.WaitDialog(captions, timeoutMs, from);
  }

  bool BackToMain(Window screen) {
    e2e::Close(screen);
    e2e::WaitGone(screen);
    main_ = app_.WaitDialog(kMain, e2e::kWaitMs, screen);
    return main_ != nullptr || Fail("no Main Setup after closing a screen");
  }

  void InLanguage(int language, const std::string& code) {
    e2e::ChooseRow(main_, main_setup_ids::kLanguageList, language);
    if (!WaitCaption(main_, kMain[language])) Fail("the language did not change");
    Shoot(main_, "main-setup-" + code);

    Window camera = Open(main_, main_setup_ids::kCameraSetupButton, kCamera, e2e::kWaitMs);
    Shoot(camera, "camera-setup-" + code);
    if (camera == nullptr || !BackToMain(camera)) return;

    Window page = Open(main_, main_setup_ids::k3GSetupButton, kParameters, e2e::kWaitMs);
    Shoot(page, "parameter-page-" + code);
    if (page == nullptr) return;
    // The send page is reached through Next Page, when the page has one.
    Window send = Open(page, kNextPageButton, kSend, 3000);
    if (send != nullptr) {
      Shoot(send, "send-page-" + code);
      BackToMain(send);
    } else {
      std::fprintf(stderr, "screen_tour: the send page cannot be reached yet\n");
      BackToMain(page);
    }
  }

 private:
  e2e::Process& app_;
  Window main_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: screen_tour PICTURE_FOLDER SAVE_FOLDER\n");
    return 2;
  }
  g_pictures = e2e::FromUnixPath(argv[1]);
  const std::filesystem::path folder = e2e::FromUnixPath(argv[2]);
  e2e::Process app;
  if (!app.Start(e2e::ProgramPath(), folder, g_pictures / "camsetup.out")) {
    std::fprintf(stderr, "screen_tour: cannot start %s\n",
                 e2e::Utf8Path(e2e::ProgramPath()).c_str());
    return 1;
  }
  Tour tour(app);
  if (!tour.Start()) return 1;
  tour.InLanguage(0, "zh");
  tour.InLanguage(1, "en");
  e2e::Close(tour.Main());
  if (app.WaitExit() != 0) Fail("the program did not end with 0");
  return g_failures == 0 ? 0 : 1;
}
