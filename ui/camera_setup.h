// The Camera Setup screen (template 113): edits the camera menu record and
// writes menu.dat through Generate and Default.
#pragma once

#include "data/text_pair.h"
#include "ui/control_surface.h"
#include "ui/platform.h"
#include "ui/screen.h"

// Set at process start: menu.dat has not been loaded in this run yet.
extern bool MenuFirstOpen;
// The unit (0 Sec, 1 Min) whose rows the interval number list holds.
extern int IntervalUnit;

// Back to the state of process start (tests run many openings in one process).
void ResetCameraSetupState();

class CameraSetupScreen : public Screen {
 public:
  CameraSetupScreen(ControlSurface& surface, Platform& platform);
  ~CameraSetupScreen() override;

  int TemplateId() const override;
  void OnOpen() override;
  void OnCommand(int id, int notification) override;
  void OnTimer(int timerId) override;
  void OnClose() override;

  // Full: caption, labels, every list's rows and its selection from the
  // record. Reselect: the selections only; the interval number list is
  // rebuilt for the record's unit.
  enum class Fill { Full, Reselect };
  void FillCameraScreen(Fill how);
  // Enables the dependent groups from the record.
  void EnableCameraGroups();
  // Copies every control into the record and captures SaveClock.
  void ReadCameraScreen();

 private:
  void FillInterval();
  void IntervalUnitPicked();
  void GroupListPicked(int listId);
  void Browse();
  void Generate();
  void Default();
  // Store, verify, and the success message only when both worked.
  void StoreAndVerify(const TextPair& message);
};
