#include "tests/ui/fake_host.h"

#include <gtest/gtest.h>

#include <utility>

FakeHost& FakeHost::Then(UserScript script) {
  steps_.push_back({std::move(script), false});
  return *this;
}

FakeHost& FakeHost::FailToCreate() {
  steps_.push_back({nullptr, true});
  return *this;
}

std::unique_ptr<ControlSurface> FakeHost::NewSurface() { return std::make_unique<FakeSurface>(); }

int FakeHost::RunModal(Screen& screen, ControlSurface& surface) {
  templates_.push_back(screen.TemplateId());
  if (static_cast<int>(templates_.size()) > kMaxDialogs) {
    ADD_FAILURE() << "more than " << kMaxDialogs << " dialogs: the screens never end the run";
    return -1;
  }
  auto* ui = dynamic_cast<FakeSurface*>(&surface);
  if (ui == nullptr) {
    ADD_FAILURE() << "RunModal with a surface FakeHost did not make";
    return -1;
  }

  Step step;
  if (!steps_.empty()) {
    step = std::move(steps_.front());
    steps_.pop_front();
  }
  if (step.fail) return -1;

  ui->Attach(screen);
  ui->Open();
  if (step.script && !ui->ended()) step.script(*ui, screen);
  if (!ui->ended()) ui->Close();
  if (!ui->ended()) {
    ADD_FAILURE() << "dialog " << screen.TemplateId() << " stays open after its close box";
    return -1;
  }
  return 0;
}
