// Process-wide state shared by the screens.
#pragma once

// Interface language: 0 Chinese, 1 English; the first Main Setup decides.
extern int LanguageIndex;
// Camera model row 0..3; rows 1 and 3 are the BASIC models.
extern int ModelIndex;
// "Do not use 22,60,61 command" on the 3G send page; stored in no file.
extern bool noReplyCommands;

inline bool IsBasicModel(int model) { return model == 1 || model == 3; }

// The version text every screen shows.
inline constexpr const char* kVersionText = "1,2,2,33";

// Resources shared by the screens.
inline constexpr int kSmallIconId = 119;
inline constexpr int kLogoBitmapId = 114;
