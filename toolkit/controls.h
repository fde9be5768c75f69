// Controls: creation, the generic operations, lookup, state and focus.
//
// A control is created into the open container: the window last opened, or the container last
// created and not yet closed. Creating a container opens it; CloseContainer returns to its parent.
// An operation on a number that names no control does nothing and returns 0.
//
// While the program sets a control's text or state through these calls, the events that controls
// raise in consequence are dropped: no handler runs for them and they are not queued.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "toolkit/color.h"
#include "toolkit/gadget_ops.h"
#include "toolkit/geometry.h"
#include "toolkit/ids.h"

namespace tk {

// Colour types of stock controls: labels and edits take both, containers the background only.
inline constexpr int kColorFront = 1;
inline constexpr int kColorBack = 2;

// Canvas attributes (get): the pointer's position in the canvas at the event being handled.
inline constexpr int kCanvasMouseX = 2;
inline constexpr int kCanvasMouseY = 3;

// In ResizeControl: leave this coordinate as it is.
inline constexpr int kKeepValue = -65535;

// Labels never take mouse input (presses fall through to the parent) and show '&' as it stands.
struct LabelOptions {
  bool centerVertically = false;    // also keeps the text on one line
  bool centerHorizontally = false;
};

// Edit fields have no border, are tab stops and scroll sideways instead of wrapping.
struct EditOptions {
  bool multiLine = false;
  bool digitsOnly = false;  // typing takes digits only; pasted text is not filtered
  bool readOnly = false;
  bool centered = false;
};

// Each creator returns the new number when given kAnyNumber, else the native handle; 0 on failure.
std::intptr_t CreateLabel(ControlId id, Rect rect, std::u16string_view text, LabelOptions = {});
std::intptr_t CreateEdit(ControlId id, Rect rect, std::u16string_view text, EditOptions = {});
std::intptr_t CreateContainer(ControlId id, Rect rect);  // no border; becomes the open container
std::intptr_t CreateCanvas(ControlId id, Rect rect);     // a picture buffer with mouse events
// An image view takes the picture's size; without a picture it keeps the requested size.
std::intptr_t CreateImageView(ControlId id, Rect rect, Handle image);
void CloseContainer();

// The generic operations, dispatched through the control's current GadgetOps table.
std::intptr_t GetControlState(ControlId id);
std::intptr_t SetControlState(ControlId id, std::intptr_t value);  // image view: an image handle
std::u16string GetControlText(ControlId id);
std::intptr_t SetControlText(ControlId id, std::u16string_view text);
std::intptr_t ResizeControl(ControlId id, int x, int y, int width, int height);
std::intptr_t GetControlAttribute(ControlId id, int attribute);
std::intptr_t SetControlAttribute(ControlId id, int attribute, std::intptr_t value);
std::intptr_t SetControlColor(ControlId id, int colorType, Color color);
std::intptr_t GetControlColor(ControlId id, int colorType);
FontHandle GetControlFont(ControlId id);
std::intptr_t SetControlFont(ControlId id, FontHandle font);

void DisableControl(ControlId id, bool disabled);
void HideControl(ControlId id, bool hidden);
bool IsControlEnabled(ControlId id);
bool IsControlVisible(ControlId id);  // its own flag, not its parents'
Rect ControlRect(ControlId id);       // relative to the parent's client area

// Moves the keyboard focus. Edit fields that lose or gain it raise FocusLost / FocusGained, and
// their handlers have run before this returns.
void SetActiveControl(ControlId id);
ControlId ActiveControl();  // {kAnyNumber} when no control has the focus

// Multi-line edit fields.
int EditLineCount(ControlId id);
void SetEditFormattingRect(ControlId id, Rect rect);

// Lookup and walk. The pointer stays valid until the control is destroyed.
GadgetObject* FindControl(ControlId id);
bool IsControl(ControlId id);
Handle ControlHandle(ControlId id);
// Visits every control in creation order; the visitor returns true to stop the walk.
void ForEachControl(const std::function<bool(GadgetObject&)>& visit);

}  // namespace tk
