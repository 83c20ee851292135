// The 3G send page: recipients, sending rules and Generate of CFG.BIN. It
// gets the send option row of the 3G parameter page that led here. Until its
// controls land, the page opens with its caption and icon and closes back to
// Main Setup.
#pragma once

#include "ui/screen.h"

class SendPageScreen : public Screen {
 public:
  SendPageScreen(ControlSurface& surface, Platform& platform, int sendOptionRow);

  int TemplateId() const override;
  void OnOpen() override;
  void OnCommand(int id, int notification) override;
  void OnClose() override;

  // The send option row (0 Close 3G, 1 MMS, 2 Email, 3 FTP) it was opened with.
  int sendOptionRow() const { return sendOptionRow_; }

 private:
  int sendOptionRow_;
};
