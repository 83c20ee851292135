// A screen host for RunScreens: every dialog is a FakeSurface, and a
// scripted user acts on each screen in turn.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "tests/ui/fake_surface.h"
#include "ui/screen_loop.h"

// What the user does on one screen, after its opening.
using UserScript = std::function<void(FakeSurface& ui, Screen& screen)>;

class FakeHost : public ScreenHost {
 public:
  // Longest chain of dialogs a test may run before the host calls it a loop.
  static constexpr int kMaxDialogs = 1000;

  // The next dialog opens and runs `script`. After the script, a screen still
  // open is closed as the user would (its close box); with no script left the
  // user closes every screen at once.
  FakeHost& Then(UserScript script);
  // The next dialog cannot be created: RunModal returns -1 without opening.
  FakeHost& FailToCreate();

  std::unique_ptr<ControlSurface> NewSurface() override;
  int RunModal(Screen& screen, ControlSurface& surface) override;

  // Template ids of every dialog asked for, in order, those that could not be
  // created included.
  const std::vector<int>& templates() const { return templates_; }

 private:
  struct Step {
    UserScript script;
    bool fail = false;
  };
  std::deque<Step> steps_;
  std::vector<int> templates_;
};
