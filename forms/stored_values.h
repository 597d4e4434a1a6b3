#pragma once
// Numbers the template stores that have a meaning of their own: the event
// numbers of event bindings, the system cursors of mouse pointers, and the
// choices of border styles, alignments, window placement and the default
// push button in the kind data. The window descriptions write them; the
// controls read them.

#include <cstdint>

namespace forms {

// Common events of every kind that can raise events.
enum class CommonEvent : int32_t {
    LeftDown = -1,    // x, y, modifier state
    LeftUp = -2,      // x, y, modifier state
    LeftDouble = -3,  // x, y, modifier state
    RightDown = -4,   // x, y, modifier state
    RightUp = -5,     // x, y, modifier state
    MouseMove = -6,   // x, y, modifier state
    GotFocus = -7,    // no arguments
    LostFocus = -8,   // no arguments
    KeyDown = -9,     // key code, modifier state
    KeyUp = -10,      // key code, modifier state
    Character = -11,  // character code
    Wheel = -12,      // notches (positive away from the user), modifier state
};

// Kind events are numbered per kind, so several share the number 0.

// Kind events of the window's own unit.
enum class WindowEvent : int32_t {
    Created = 0,         // once, after the window and all its units exist
    CloseRequested = 1,  // a true result keeps the window open
    Destroying = 2,
    Moved = 3,
    Resized = 4,
    Idle = 7,  // milliseconds since the idle phase began
};

enum class ButtonEvent : int32_t { Clicked = 0 };

enum class ComboBoxEvent : int32_t {
    ItemChosen = 0,  // after the selection is confirmed
    TextChanged = 1,
    DropDownOpened = 2,
    DropDownClosed = 3,
    DoubleClicked = 4,
};

enum class TabEvent : int32_t {
    Clicked = 0,
    PageChanging = 1,  // a true result keeps the current page
    PageChanged = 2,   // before the controls of the new page are shown
};

enum class TimerEvent : int32_t {
    Elapsed = 0,  // no arguments; once per interval
};

// Border styles of the window's own unit.
enum class WindowBorder : uint32_t {
    None = 0,
    Sizable = 1,
    FixedSingle = 2,
    ToolSizable = 3,
    ToolFixed = 4,
    SunkenSizable = 5,
    SunkenFixed = 6,
};

// Where a window opens.
enum class StartPosition : uint32_t {
    AsStored = 0,
    CentredOnScreen = 1,
    Minimized = 2,
    Maximized = 3
};

// Border styles of labels and edit boxes; labels alone have PaintedFrame.
enum class BorderStyle : uint32_t {
    None = 0,
    Sunken = 1,
    RaisedDialog = 2,
    StaticEdge = 3,
    SunkenInRaised = 4,
    SingleLine = 5,
    PaintedFrame = 6,  // width and colours from the label's properties
};

// Alignment of text: left or top, centred, right or bottom.
enum class Alignment : uint32_t { Near = 0, Centre = 1, Far = 2 };

// The default-button choice of a button that is the window's default push
// button (any other value: an ordinary button).
inline constexpr uint32_t kDefaultPushButton = 1;

// System cursor identifiers a unit's mouse pointer may store.
inline constexpr uint32_t kArrowPointer = 32512;
inline constexpr uint32_t kHandPointer = 32649;

// The stored number of a choice.
template <typename Choice>
constexpr uint32_t Stored(Choice choice) {
    return static_cast<uint32_t>(choice);
}

}  // namespace forms
