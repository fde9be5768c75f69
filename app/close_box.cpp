#include "app/chrome.h"
#include "app/end_program.h"
#include "app/palette.h"
#include "app/shell_ids.h"
#include "toolkit/controls.h"
#include "toolkit/drawing.h"
#include "toolkit/events.h"

namespace app {
namespace {

// Two one-pixel lines, both end points drawn, filling the square from (18, 6) to (35, 23).
void DrawCross(tk::Drawing& drawing, tk::Color color) {
  drawing.Line(18, 23, 18, -18, color);
  drawing.Line(18, 6, 18, 18, color);
}

}  // namespace

void CreateCloseBox() {
  tk::CreateCanvas(CloseBox, kCloseBoxRect);
  if (auto drawing = tk::Drawing::Start(CloseBox)) {
    drawing->Box(0, 0, drawing->OutputWidth(), drawing->OutputHeight(), Green);
    DrawCross(*drawing, White);
  }
}

void DrawCloseBoxCross(tk::Color color) {
  if (auto drawing = tk::Drawing::Start(CloseBox)) {
    DrawCross(*drawing, color);
  }
}

int CloseBoxEvents() {
  switch (tk::EventKind()) {
    case tk::EventType::MouseLeave:
      DrawCloseBoxCross(White);
      break;
    case tk::EventType::MouseEnter:
    case tk::EventType::MouseMove:
      DrawCloseBoxCross(DarkGreen);
      break;
    case tk::EventType::LeftButtonDown:
      EndProgram();
    default:
      // Other buttons and a release that began elsewhere leave the cross as it is.
      break;
  }
  return 0;
}

}  // namespace app
