#include "ui/send_page.h"

#include "data/text_pair.h"
#include "ui/app_state.h"
#include "ui/control_ids.h"

namespace {
constexpr TextPair kCaption = {"3G发送设置", "3G Send Settings"};
}  // namespace

SendPageScreen::SendPageScreen(ControlSurface& surface, Platform& platform, int sendOptionRow)
    : Screen(surface, platform), sendOptionRow_(sendOptionRow) {}

int SendPageScreen::TemplateId() const { return send_page_ids::kTemplate; }

void SendPageScreen::OnOpen() {
  ui_.SetSmallIcon(kSmallIconId);
  ui_.SetCaption(PickText(kCaption, LanguageIndex));
}

void SendPageScreen::OnCommand(int /*id*/, int /*notification*/) {}

void SendPageScreen::OnClose() { Leave(ScreenId::MainSetup); }
