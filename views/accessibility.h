#pragma once

// What screen readers are told of the program's own widgets: a radio box is
// a radio button with its checked state, although its grouping is its own,
// and a title label names what it holds while it is empty.
namespace accessibility {

// Registers the interfaces with QAccessible; once, however often called.
void install();

} // namespace accessibility
