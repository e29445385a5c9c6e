// A window's layout as a player reads it: captions, texts and list items that do not fit their
// control or are drawn smaller than the smallest text of the windows, controls that stick out of
// their frame or window or lie under another control, and a window larger than the screen.
#pragma once

#include <QPoint>
#include <QStringList>
#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace platform {
class Form;
}

namespace testsupport {

// One line per fault, naming the control ("Frame4/Label58: ..."); empty when everything fits.
// Hidden controls are not checked.
QStringList clippedControls(platform::Form& form);
QStringList clippedControls(QWidget* top);
// The captions a window gives a control while it runs, by the control's name ("Label91", or
// "Label85(3)" for an item of a control array): a label's, a button's, a check box's or an option's
// caption, or a frame's title.
using RunTimeCaptions = std::vector<std::pair<QString, QStringList>>;
// Each caption put in its control in turn and the control checked as clippedControls checks it,
// its own caption given back after; one line per fault, a control the window does not have too.
QStringList clippedCaptions(platform::Form& form, const RunTimeCaptions& captions);
// Enabled controls whose middle lies under another control: a click there misses them.
QStringList coveredControls(QWidget* top);
// The control a click at `at` (pixels of `top`) reaches: the topmost shown control there.
QWidget* widgetAt(QWidget* top, QPoint at);
// The window with its title bar and border larger than the screen's room; empty when it fits.
QStringList windowOffScreen(platform::Form& form);
// Controls that stand on a frame's title or right under its line, where they read as one with
// the title; one line per fault, empty when every frame's title stands clear.
QStringList frameTitleFaults(platform::Form& form);
// The window shown and gone through with Tab, then with Shift+Tab, as a keyboard player would:
// one line per fault (no control in focus when it opens, a key that leaves the focus where it
// was, a control visited twice in a round or missed, a round out of the order of the layout);
// empty when each round visits every enabled control once. The window is hidden again.
std::string tabFaults(platform::Form& form);
// The faults one to a line, readable in a test's failure message.
std::string layoutFaults(platform::Form& form);
// The same with the frames' titles checked too.
std::string layoutAndTitleFaults(platform::Form& form);

} // namespace testsupport
