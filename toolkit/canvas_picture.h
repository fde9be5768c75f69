// The drawing sessions' way to a canvas's picture buffer.
#pragma once

#include "toolkit/ids.h"
#include "toolkit/raster.h"

namespace tk::core {

// The picture of a control whose *current* table says canvas (so a patched copy of the canvas
// table stays drawable); null for any other control or a number that names none.
PixelBuffer* CanvasPictureOf(ControlId canvas);
// Shows the picture on the control, if the control still owns it.
void PresentPicture(ControlId canvas, const PixelBuffer* picture);

}  // namespace tk::core
