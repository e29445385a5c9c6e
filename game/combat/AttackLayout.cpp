#include "AttackLayout.h"

namespace attacklayout {

void valueBox(platform::Label& l) {
    l.setBorderStyle(1);
    l.setAlignment(2);
    l.setBackColor(platform::vbWhite);
}

QString num(long long v) {
    return QString::number(v);
}

} // namespace attacklayout
