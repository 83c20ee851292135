#include "ui/screen_loop.h"

#include "ui/camera_setup.h"
#include "ui/main_setup.h"
#include "ui/parameter_page.h"
#include "ui/send_page.h"

std::unique_ptr<Screen> MakeScreen(const Transition& how, ControlSurface& surface,
                                   Platform& platform) {
  switch (how.next) {
    case ScreenId::MainSetup:
      return std::make_unique<MainSetupScreen>(surface, platform);
    case ScreenId::CameraSetup:
      return std::make_unique<CameraSetupScreen>(surface, platform);
    case ScreenId::ParameterPage:
      return std::make_unique<ParameterPageScreen>(surface, platform);
    case ScreenId::SendPage:
      return std::make_unique<SendPageScreen>(surface, platform, how.sendOptionRow);
    case ScreenId::None:
      break;
  }
  return nullptr;
}

int RunScreens(ScreenHost& host, Platform& platform) {
  return RunScreens(host, platform, MakeScreen);
}

int RunScreens(ScreenHost& host, Platform& platform, const ScreenFactory& make) {
  Transition how{ScreenId::MainSetup, -1};
  while (how.next != ScreenId::None) {
    // Each screen gets a fresh dialog; the previous one is gone before the
    // next opens, so nothing nests and the send option row travels as a value.
    std::unique_ptr<ControlSurface> surface = host.NewSurface();
    std::unique_ptr<Screen> screen = make(how, *surface, platform);
    if (screen == nullptr) return -1;
    // A dialog that cannot be created ends the run: no screen is left open.
    if (host.RunModal(*screen, *surface) == -1) return -1;
    how = screen->ended() ? screen->transition() : Transition{};
  }
  return 0;
}
