#pragma once
// The start-up floor: the main window made in plain code, as the program
// first shows it, with none of the program's template reading, kind
// registry, message runtime or engine. bench/floor_generator.cpp writes
// BuildMainWindow from the window's description at build time; these are
// the few steps it calls beside making the controls with their kinds'
// widgets, each doing what the program's window does at that point.

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRect>
#include <cstdint>
#include <span>
#include <string_view>

#include "controls/kinds/button.h"
#include "controls/kinds/core_kinds.h"
#include "controls/kinds/edit_box.h"
#include "controls/kinds/group_box.h"
#include "controls/kinds/label.h"
#include "controls/kinds/tab_control.h"
#include "extended_controls/hyperlinker.h"
#include "extended_controls/trans_label.h"
#include "forms/kind_data.h"
#include "lunar_controls/date_box.h"

namespace startup_floor {

// The main window with the controls of its first page (generated), and the
// control that takes the keyboard when it opens.
struct MainWindow {
    QMainWindow* window;
    QWidget* firstTabStop;
};
MainWindow BuildMainWindow();

// Gives the keyboard to the window's first tab stop as the window opens,
// its text selected so that typing replaces it.
void FocusFirstTabStop(QWidget& control);

forms::Bytes AssetBytes(std::span<const uint8_t> bytes);
forms::FontRecord FontWithFace(forms::FontRecord font, std::string_view gbkFace);

// The window's frame: its flags, title and icon, and the client area below
// the menu bar in the window's background colour.
struct Frame {
    QMainWindow* window;
    QWidget* client;
};
Frame MakeFrame(const forms::WindowData& data, const forms::Bytes& icon);

// An edit box at its place, a one-line box at least as tall as its font
// and the two edges of its border, with the stored selection.
void PlaceEditBox(QWidget& box, QRect place, const forms::EditBoxData& data);

// What the window's created event writes on the first page: today's day of
// the week, 0 for Sunday.
void ShowWeekday(extended_controls::TransLabelWidget& label);

// The client area at the stored outer size less the classic frame and the
// menu bar, and the window centred on the screen.
void FixClientSize(QMainWindow& window, QWidget& client, int outerWidth, int outerHeight);

}  // namespace startup_floor
