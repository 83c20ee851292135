#include "ui/app_state.h"

int LanguageIndex = 1;
int ModelIndex = 0;
bool noReplyCommands = false;
