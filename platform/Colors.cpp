#include "Colors.h"

namespace platform {

namespace {
// The classic system colours, by index.
const QRgb kSystem[25] = {
    qRgb(200, 200, 200), qRgb(58, 110, 165),  qRgb(10, 36, 106),   qRgb(128, 128, 128), qRgb(240, 240, 240),
    qRgb(255, 255, 255), qRgb(100, 100, 100), qRgb(0, 0, 0),       qRgb(0, 0, 0),       qRgb(255, 255, 255),
    qRgb(180, 180, 180), qRgb(244, 247, 252), qRgb(171, 171, 171), qRgb(51, 153, 255),  qRgb(255, 255, 255),
    qRgb(240, 240, 240), qRgb(160, 160, 160), qRgb(109, 109, 109), qRgb(0, 0, 0),       qRgb(67, 78, 84),
    qRgb(255, 255, 255), qRgb(105, 105, 105), qRgb(227, 227, 227), qRgb(0, 0, 0),       qRgb(255, 255, 225)};
} // namespace

QColor toQColor(long colour) {
    const unsigned long c = static_cast<unsigned long>(colour) & 0xFFFFFFFFUL;
    if (c & 0x80000000UL) {
        const unsigned idx = c & 0xFF;
        return QColor(idx < 25 ? kSystem[idx] : kSystem[15]);
    }
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

long fromQColor(const QColor& colour) {
    return RGB(colour.red(), colour.green(), colour.blue());
}

} // namespace platform
