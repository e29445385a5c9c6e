// Pieces of layout shared by the base attack windows: value boxes and the notes that say what
// each box holds.
#pragma once

#include "platform/Controls.h"

#include <QString>

namespace attacklayout {

// A value box: bordered, centred, on white.
void valueBox(platform::Label& l);
// A note written over a value box, added to the window's notes.
void addNote(platform::ControlArray<platform::Label>& notes, platform::Container& frame, const char* text,
             int left, int top, int width);
// A whole number as a caption shows it.
QString num(long long v);

} // namespace attacklayout
