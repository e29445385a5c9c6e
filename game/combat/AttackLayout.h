// Pieces of layout shared by the base attack windows: the value boxes and the numbers they show.
#pragma once

#include "platform/Controls.h"

#include <QString>

namespace attacklayout {

// A value box: bordered, centred, on white.
void valueBox(platform::Label& l);
// A whole number as a caption shows it.
QString num(long long v);

} // namespace attacklayout
