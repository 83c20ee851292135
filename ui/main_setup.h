// Main Setup: camera model and interface language, and the way to the
// Camera Setup screen and to the 3G pages. The first one of a run settles the
// language from the system and the save folder from the current directory.
#pragma once

#include "ui/control_surface.h"
#include "ui/platform.h"
#include "ui/screen.h"

// The one-time start-up defaults are still to be applied.
extern bool MainFirstOpen;

// SavePath := the process's current directory, printing "CurDir:%s\n".
// When the directory cannot be had, or is too long for SavePath, SavePath
// keeps its value and nothing is printed. Returns true when set.
bool SetSavePathToCurrentDir(Platform& platform);

// 0 (Chinese) for 0x0804, 1 (English) for every other language id.
int LanguageFromLangId(unsigned langId);

// Sets every text of the screen from LanguageIndex and fills both lists,
// emptying them first when refilling.
void FillMainSetupTexts(ControlSurface& ui, bool refill);

class MainSetupScreen : public Screen {
 public:
  using Screen::Screen;

  int TemplateId() const override;
  void OnOpen() override;
  void OnCommand(int id, int notification) override;
  void OnClose() override;
};
