// A screen's portable logic: it receives the dialog's events and acts only
// through its ControlSurface.
#pragma once

#include "ui/control_surface.h"
#include "ui/platform.h"

enum class ScreenId { None, MainSetup, CameraSetup, ParameterPage, SendPage };

// Where a screen leads when it ends. The 3G parameter page hands the row of
// its send-option list to the send page as a value.
struct Transition {
  ScreenId next = ScreenId::None;
  int sendOptionRow = -1;
};

class Screen {
 public:
  Screen(ControlSurface& surface, Platform& platform) : ui_(surface), platform_(platform) {}
  virtual ~Screen() = default;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  virtual int TemplateId() const = 0;

  // WM_INITDIALOG.
  virtual void OnOpen() = 0;
  // WM_COMMAND: control id and notification code.
  virtual void OnCommand(int id, int notification) = 0;
  // WM_TIMER.
  virtual void OnTimer(int /*timerId*/) {}
  // WM_CLOSE: the close box, the system menu's Close, Alt+F4.
  virtual void OnClose() = 0;

  // Set once the screen has ended; the screen loop opens `next`.
  const Transition& transition() const { return transition_; }
  bool ended() const { return ended_; }

 protected:
  // Ends the dialog and names the screen to open next.
  void Leave(Transition next) {
    transition_ = next;
    ended_ = true;
    ui_.EndDialog();
  }
  void Leave(ScreenId next) { Leave(Transition{next, -1}); }

  ControlSurface& ui_;
  Platform& platform_;

 private:
  Transition transition_;
  bool ended_ = false;
};
