// Camera Setup: the camera's menu settings (menu.dat). Until its controls land,
// the screen opens with its caption and icon and closes back to Main Setup.
#pragma once

#include "ui/screen.h"

class CameraSetupScreen : public Screen {
 public:
  CameraSetupScreen(ControlSurface& surface, Platform& platform);

  int TemplateId() const override;
  void OnOpen() override;
  void OnCommand(int id, int notification) override;
  void OnClose() override;
};
