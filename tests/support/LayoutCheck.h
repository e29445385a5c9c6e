// A window's layout as a player reads it: captions, texts and list items that do not fit their
// control, and controls that stick out of their frame or window.
#pragma once

#include <QStringList>
#include <string>

class QWidget;

namespace platform {
class Form;
}

namespace testsupport {

// One line per fault, naming the control ("Frame4/Label58: ..."); empty when everything fits.
// Hidden controls are not checked.
QStringList clippedControls(platform::Form& form);
QStringList clippedControls(QWidget* top);
// Controls that stand on a frame's title or right under its line, where they read as one with
// the title; one line per fault, empty when every frame's title stands clear.
QStringList frameTitleFaults(platform::Form& form);
// The faults one to a line, readable in a test's failure message.
std::string layoutFaults(platform::Form& form);
// The same with the frames' titles checked too.
std::string layoutAndTitleFaults(platform::Form& form);

} // namespace testsupport
