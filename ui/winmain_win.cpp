// Entry point of camsetup.exe: the screen loop over real dialogs.
#include <windows.h>

#include "ui/screen_loop.h"
#include "ui/win32_binding.h"

// The command line and the requested show state are ignored.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ConnectStandardOutput();
  DialogHost host;
  WindowsPlatform platform;
  return RunScreens(host, platform);
}
