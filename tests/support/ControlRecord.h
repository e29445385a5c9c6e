// A window's controls as its layout builds them at the design size, one line a control: its path
// of containers, place and size in twips, state at load, caption, tool-tip, the events wired to
// it and its look (colours, font, border, alignment, pictures). Kept in a file beside a window's
// test, the record catches any change of the layout that is not meant; a change that is meant
// is recorded again with ZELTWAR_RECORD=1 in the environment, which writes the file instead.
#pragma once

#include "TestSupport.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <string>

namespace platform {
class Form;
}

namespace testsupport {

QStringList recordControls(const platform::Form& form);
// The window's record against the file `fixture` (a path below tests/): an empty string when
// they are the same, else the first line that differs.
std::string differenceFromRecord(const platform::Form& form, const QString& fixture);

// A window of type F built anew in a program folder of its own, against its record
// `<fixtures>/<window's name>.txt`.
template <class F> std::string differenceOfWindow(const QString& fixtures) {
    ProgramFolder folder;
    auto f = std::make_shared<F>();
    return differenceFromRecord(*f, fixtures + u'/' + f->name() + QStringLiteral(".txt"));
}

} // namespace testsupport
