// The 3G parameter page: send option and network parameters. Until its
// controls land, the page opens with its caption and icon and closes back to
// Main Setup.
#pragma once

#include "ui/screen.h"

class ParameterPageScreen : public Screen {
 public:
  ParameterPageScreen(ControlSurface& surface, Platform& platform);

  int TemplateId() const override;
  void OnOpen() override;
  void OnCommand(int id, int notification) override;
  void OnClose() override;
};
