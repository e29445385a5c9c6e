// What the screen shows, written to a file for a script that drives the programs from outside
// (tests/play/): the open windows and their controls with their words, state and place on the
// screen. Off unless ZELTWAR_SCREEN_REPORT names the file (initApplication reads it).
#pragma once

#include <QString>

namespace platform {

// The report as it is now, one line an item, fields split by tabs (tabs, line ends and
// backslashes within a text written as \t, \n and \\):
//   W  title  name  class  x y w h  active
//   C  title  name  class  text  enabled  x y w h     a control of the window above
//   I  title  name  class  text  row  enabled  x y w h   a row of a list or an item of a menu
//   P  title  name  left top width height  x y w h     where a picture box paints its picture,
//                                                     and the coordinates the picture spans
// A list's text is the number of its rows. Rectangles are on the screen, in pixels. Only what
// is shown is reported: visible windows, visible controls, rows in view.
QString screenReport();

// From now on the report is written to `path` (through a temporary file renamed into place)
// each time the program has handled its events and waits, when it differs from the last one.
void startScreenReport(const QString& path);

} // namespace platform
