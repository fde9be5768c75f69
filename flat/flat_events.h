// The flat kinds' event handlers: one core, one table of transitions per behaviour.
//
// Each handler finds the record of the control that raised the current event and does nothing
// without one. A change of hover, pressed or state repaints at once; events that change nothing
// repaint nothing (mouse moves cost a registry lookup and no more), except that the tracking
// handler repaints on every move so that a painter may follow the pointer.
//
//   handler            enter      move       leave      left down             left up
//   FlatButtonEvents   hover = 1  -          hover = 0  pressed = 1, flip     pressed = 0
//   FlatToggleEvents   (the same table as FlatButtonEvents)
//   FlatTrackEvents    hover = 1  hover = 1  hover = 0  pressed = 1           pressed = 0
//   FlatIgnoreEvents   -          -          -          -                     -
//
// The canvas captures the pointer on a left press, so the matching release arrives wherever it
// happens; the second press of a double click is a left press too and flips the state again.
#pragma once

namespace flat {

int FlatButtonEvents();
int FlatToggleEvents();
int FlatTrackEvents();
int FlatIgnoreEvents();

}  // namespace flat
