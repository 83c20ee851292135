// The first 3G page: send option, carrier or typed network parameters, the
// sender account and the FTP server (dialog template 107).
#pragma once

#include "ui/control_ids.h"
#include "ui/screen.h"

class ParameterPageScreen : public Screen {
 public:
  ParameterPageScreen(ControlSurface& surface, Platform& platform);

  int TemplateId() const override { return parameter_page_ids::kTemplate; }
  void OnOpen() override;
  void OnCommand(int id, int notification) override;
  void OnClose() override;

 private:
  void SetTexts();
  void FillLists();
  void ApplySendOption();
  void FillCountryAndOperatorLists();
  void CopyPresets();
  void ShowMmsSet();
  void ShowNetSet();
  void ShowSenderSet();
  void ShowFtpSet();
  void OnSendOptionChange();
  void OnCountryChange();
  void OnOperatorChange();
  void OnParameterSourceChange();
  void OnFtpDirTypeChange();
  void OnDigitsChange(int id);
  void OnNextPage();
};

// Puts the page's run-long flags back to their start-of-run values (first
// opening still to come, country list to be refilled, FTP box not yet
// shown), so that tests can start each case as a fresh run.
void ResetParameterPageState();
