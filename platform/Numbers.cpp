#include "Numbers.h"

#include <cmath>
#include <limits>

namespace platform {

RangeError::RangeError(const QString& what) : std::runtime_error(what.toStdString()) {}

namespace {
// A whole number of any size read from a file saturates instead of overflowing the conversion;
// the 16-bit and 32-bit cells then refuse it.
long long saturated(double whole) {
    if (std::isnan(whole)) return 0;
    if (whole >= 9223372036854775807.0) return std::numeric_limits<long long>::max();
    if (whole <= -9223372036854775808.0) return std::numeric_limits<long long>::min();
    return static_cast<long long>(whole);
}
} // namespace

long long intPart(double x) {
    return saturated(std::floor(x));
}

long long roundHalfEven(double x) {
    return saturated(std::nearbyint(x));
}

double leadingNumber(const QString& text) {
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t')) ++i;
    QString num;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) num += text[i++];
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        num += text[i++];
        digits = true;
    }
    if (i < n && text[i] == u'.') {
        num += text[i++];
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            num += text[i++];
            digits = true;
        }
    }
    if (!digits) return 0.0;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        int j = i + 1;
        QString exp = "e";
        if (j < n && (text[j] == u'-' || text[j] == u'+')) exp += text[j++];
        bool expDigits = false;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128) {
            exp += text[j++];
            expDigits = true;
        }
        if (expDigits) num += exp;
    }
    bool ok = false;
    double v = num.toDouble(&ok);
    return ok ? v : 0.0;
}

long long textToWhole(const QString& text) {
    return roundHalfEven(leadingNumber(text));
}

QString numberText(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<long long>(value));
    QString s = QString::number(value, 'g', 15);
    if (s.startsWith("0."))
        s.remove(0, 1);
    else if (s.startsWith("-0."))
        s.remove(1, 1);
    return s;
}

QString numberTextWithSign(double value) {
    QString s = numberText(value);
    return value < 0 ? s : " " + s;
}

int16_t checked16(long long value) {
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        throw RangeError(QStringLiteral("Valore fuori dai limiti consentiti (-32768..32767): %1").arg(value));
    return static_cast<int16_t>(value);
}

int32_t checked32(long long value) {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        throw RangeError(QStringLiteral("Valore fuori dai limiti consentiti: %1").arg(value));
    return static_cast<int32_t>(value);
}

} // namespace platform
