// Colours are kept as the old toolkit's values: blue-green-red in one number (255 red, &HFF00 green,
// &HFF0000 blue); values from &H80000000 up name system colours. Conversion to Qt happens here only.
#pragma once

#include <QColor>

namespace platform {

constexpr long vbBlack = 0x0;
constexpr long vbRed = 0xFF;
constexpr long vbGreen = 0xFF00;
constexpr long vbYellow = 0xFFFF;
constexpr long vbBlue = 0xFF0000;
constexpr long vbMagenta = 0xFF00FF;
constexpr long vbCyan = 0xFFFF00;
constexpr long vbWhite = 0xFFFFFF;

constexpr long vbScrollBars = 0x80000000L;
constexpr long vbWindowBackground = 0x80000005L;
constexpr long vbWindowText = 0x80000008L;
constexpr long vbActiveBorder = 0x8000000AL;
constexpr long vbButtonFace = 0x8000000FL;
constexpr long vbButtonText = 0x80000012L;
constexpr long vbGrayText = 0x80000011L;
constexpr long vbHighlight = 0x8000000DL;

// Red, green and blue (0..255) to a colour value.
constexpr long RGB(int r, int g, int b) {
    return long(r) | (long(g) << 8) | (long(b) << 16);
}

QColor toQColor(long colour);
long fromQColor(const QColor& colour);

} // namespace platform
