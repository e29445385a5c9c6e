#include "AttackLayout.h"

namespace attacklayout {

void valueBox(platform::Label& l) {
    l.setBorderStyle(1);
    l.setAlignment(2);
    l.setBackColor(platform::vbWhite);
}

void addNote(platform::ControlArray<platform::Label>& notes, platform::Container& frame, const char* text,
             int left, int top, int width) {
    platform::Label& l =
        notes.add(notes.ubound() + 1, frame, QStringLiteral("Notes"), QString::fromUtf8(text));
    l.move(left, top, width, 255);
}

QString num(long long v) {
    return QString::number(v);
}

} // namespace attacklayout
