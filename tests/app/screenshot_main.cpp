// Writes the main window as it looks right after start-up to a PNG file, for a person to look
// at: the first argument, or kennwerk.png in the build folder.
#include <cstdio>
#include <string>

#include "app/startup.h"
#include "password/window_ids.h"
#include "toolkit/platform/headless/script.h"

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : KENNWERK_SCREENSHOT_PATH;
  tk::headless::Session session;
  app::OpenKennwerk();
  if (!tk::headless::WritePng(tk::headless::Screenshot(password::MainWindow), path)) {
    std::fprintf(stderr, "could not write %s\n", path.c_str());
    return 1;
  }
  std::printf("%s\n", path.c_str());
  return 0;
}
