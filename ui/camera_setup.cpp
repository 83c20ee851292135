#include "ui/camera_setup.h"

#include "data/text_pair.h"
#include "ui/app_state.h"
#include "ui/control_ids.h"

namespace {
constexpr TextPair kCaption = {"相机设置", "Camera Setup"};
}  // namespace

CameraSetupScreen::CameraSetupScreen(ControlSurface& surface, Platform& platform)
    : Screen(surface, platform) {}

int CameraSetupScreen::TemplateId() const { return camera_setup_ids::kTemplate; }

void CameraSetupScreen::OnOpen() {
  ui_.SetSmallIcon(kSmallIconId);
  ui_.SetCaption(PickText(kCaption, LanguageIndex));
}

void CameraSetupScreen::OnCommand(int /*id*/, int /*notification*/) {}

void CameraSetupScreen::OnClose() { Leave(ScreenId::MainSetup); }
