// The Win32 binding seen from portable code: no Windows header here.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "ui/control_surface.h"
#include "ui/platform.h"
#include "ui/screen.h"
#include "ui/screen_loop.h"

// Runs each screen as a modal dialog built from the program's own dialog
// templates (resources of the running executable).
class DialogHost : public ScreenHost {
 public:
  // A surface over a dialog window, bound when RunModal opens the dialog.
  std::unique_ptr<ControlSurface> NewSurface() override;
  // InitCommonControls, then DialogBoxParamA with the screen's numeric
  // template id and no owner. `surface` must come from NewSurface.
  int RunModal(Screen& screen, ControlSurface& surface) override;
};

class WindowsPlatform : public Platform {
 public:
  LocalTime Now() override;
  std::uint16_t SystemDefaultLangId() override;
  std::optional<std::string> CurrentDirectory() override;
  std::optional<std::string> PickFolder() override;
  int EpochLocalHour() override;
};

// A GUI program gets no standard output when started from a console without
// redirection: attach to the parent's console then, so that trace lines
// show. A redirected or inherited output is kept as it is.
void ConnectStandardOutput();
