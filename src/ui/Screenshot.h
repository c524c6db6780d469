// Unattended pictures of the window: the program grabs itself to a PNG and ends, for documentation
// and checks.
#pragma once

#include <optional>
#include <string>

namespace qv {

class TpaaikkunaFRM;

// Read from the environment: QELVUX_SCREENSHOT (PNG file to write), QELVUX_SCREENSHOT_PAGE
// (page index, 0 "Rakenne"), QELVUX_SCREENSHOT_SIZE ("1200x800"), QELVUX_SCREENSHOT_SELECT
// (structure item to select, -1 the member), QELVUX_SCREENSHOT_DIALOG (member dialog mode 1 to
// 3 to picture instead of the window) with QELVUX_SCREENSHOT_POINT (its point, -1 new),
// QELVUX_SCREENSHOT_MENU (object name of a menu of the menu bar to picture open) and
// QELVUX_SCREENSHOT_QUESTION=1 (the question closing asks after a change, over the window).
struct ScreenshotRequest {
  std::string file;
  int page = 0;
  int width = 1200;
  int height = 800;
  int select = -2;     // -2: leave the selection as it is
  int dialogMode = 0;  // 0: the window
  int dialogPoint = -1;
  std::string menu;       // empty: no menu open
  bool question = false;  // the unsaved-change question over the window
};

std::optional<ScreenshotRequest> ScreenshotFromEnvironment();

// Sizes the window, and once it has been shown and painted goes to the page, grabs the
// window into the file and ends the program without the close question.
void ScheduleScreenshot(TpaaikkunaFRM& window, const ScreenshotRequest& request);

}  // namespace qv
