#include "ui/parameter_page.h"

#include "data/text_pair.h"
#include "ui/app_state.h"
#include "ui/control_ids.h"

namespace {
constexpr TextPair kCaption = {"3G参数设置", "3G Parameter Settings"};
}  // namespace

ParameterPageScreen::ParameterPageScreen(ControlSurface& surface, Platform& platform)
    : Screen(surface, platform) {}

int ParameterPageScreen::TemplateId() const { return parameter_page_ids::kTemplate; }

void ParameterPageScreen::OnOpen() {
  ui_.SetSmallIcon(kSmallIconId);
  ui_.SetCaption(PickText(kCaption, LanguageIndex));
}

void ParameterPageScreen::OnCommand(int /*id*/, int /*notification*/) {}

void ParameterPageScreen::OnClose() { Leave(ScreenId::MainSetup); }
