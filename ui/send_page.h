// The second 3G page: recipients, picture size, daily limit, remote control,
// the save folder, and Generate of CFG.BIN (dialog template 106).
#pragma once

#include <string_view>

#include "ui/control_ids.h"
#include "ui/screen.h"

// The file entry Generate writes into szFileFullName[0].
inline constexpr std::string_view kGenerateFileFullName = "DCIM\\100IMA3G\\IMAG0001.JPG";

class SendPageScreen : public Screen {
 public:
  // sendOptionRow: the row of the parameter page's send-option list when it
  // led here (0 Close 3G, 1 MMS, 2 Email, 3 FTP; -1 none). It cannot change
  // while this page is open, so it is handed over as a value.
  SendPageScreen(ControlSurface& surface, Platform& platform, int sendOptionRow);

  int TemplateId() const override { return send_page_ids::kTemplate; }
  void OnOpen() override;
  void OnCommand(int id, int notification) override;
  void OnClose() override;

  int sendOptionRow() const { return sendOptionRow_; }

 private:
  void SetTexts();
  void FillLists();
  void ShowCoordinates();
  void EnableRemoteInputs(bool enabled);
  void OnFilteredChange(int id, std::string_view allowed);
  void OnCoordinateChange(int id);
  void OnBrowse();
  void OnPreviousPage();
  void OnGenerate();

  int sendOptionRow_;
};
