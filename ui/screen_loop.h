// One screen at a time: each screen ends naming the next, and the loop opens
// it, so moving between screens never nests modal loops.
#pragma once

#include <functional>
#include <memory>

#include "ui/control_surface.h"
#include "ui/platform.h"
#include "ui/screen.h"

class ScreenHost {
 public:
  virtual ~ScreenHost() = default;
  // A surface for the next dialog; the host binds it to its window when the
  // dialog opens.
  virtual std::unique_ptr<ControlSurface> NewSurface() = 0;
  // Runs the screen's template as a modal dialog over `surface` until it
  // ends. Returns what DialogBoxParamA returns: 0, or -1 when the dialog
  // cannot be created.
  virtual int RunModal(Screen& screen, ControlSurface& surface) = 0;
};

// The screen a transition opens (MainSetupScreen, CameraSetupScreen,
// ParameterPageScreen, SendPageScreen).
std::unique_ptr<Screen> MakeScreen(const Transition& how, ControlSurface& surface,
                                   Platform& platform);

// Opens Main Setup, then every screen the previous one leads to, until a
// screen ends leading nowhere (closing Main Setup). Returns the exit code:
// 0, or -1 when a dialog cannot be created.
int RunScreens(ScreenHost& host, Platform& platform);

// Builds the screen for a transition; RunScreens uses MakeScreen. Tests give
// their own to watch what the loop hands from one screen to the next.
using ScreenFactory = std::function<std::unique_ptr<Screen>(
    const Transition& how, ControlSurface& surface, Platform& platform)>;
int RunScreens(ScreenHost& host, Platform& platform, const ScreenFactory& make);
