// Number rules shared by all three programs: integer part, rounding on store, reading a
// text's leading number, the two number-to-text forms and checked 16-bit storage.
#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>

namespace platform {

// Raised when a value does not fit the whole-number type it is stored into.
class RangeError : public std::runtime_error {
  public:
    explicit RangeError(const QString& what);
    QString message() const { return QString::fromUtf8(what()); }
};

// Greatest whole number not above x.
long long intPart(double x);

// Nearest whole number, halves to the even one (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
long long roundHalfEven(double x);

// The number a text begins with: leading blanks skipped, reading stops at the first character
// that cannot continue a number; a text that begins with no number reads 0.
double leadingNumber(const QString& text);

// A text stored into a whole number: its leading number rounded half to even.
long long textToWhole(const QString& text);

// The general number-to-text form: a blank before a number that is not negative.
QString numberTextWithSign(double value);
// The plain form: no leading blank.
QString numberText(double value);

// Checks that a value fits 16 bits; raises RangeError naming the value otherwise.
int16_t checked16(long long value);
// Same for 32 bits.
int32_t checked32(long long value);

// A signed 16-bit cell of the game's tables: arithmetic happens in wider types, and a result that
// does not fit is refused with RangeError instead of being stored wrapped.
class Int16 {
  public:
    constexpr Int16() = default;
    Int16(long long v) : v_(checked16(v)) {}
    Int16& operator=(long long v) {
        v_ = checked16(v);
        return *this;
    }
    operator int() const { return v_; }
    int value() const { return v_; }
    Int16& operator+=(long long d) { return *this = static_cast<long long>(v_) + d; }
    Int16& operator-=(long long d) { return *this = static_cast<long long>(v_) - d; }
    Int16& operator++() { return *this += 1; }
    Int16& operator--() { return *this -= 1; }
    int operator++(int) {
        int old = v_;
        *this += 1;
        return old;
    }
    int operator--(int) {
        int old = v_;
        *this -= 1;
        return old;
    }

  private:
    int16_t v_ = 0;
};

// A signed 32-bit cell, same rules.
class Int32 {
  public:
    constexpr Int32() = default;
    Int32(long long v) : v_(checked32(v)) {}
    Int32& operator=(long long v) {
        v_ = checked32(v);
        return *this;
    }
    operator int() const { return v_; }
    int value() const { return v_; }
    Int32& operator+=(long long d) { return *this = static_cast<long long>(v_) + d; }
    Int32& operator-=(long long d) { return *this = static_cast<long long>(v_) - d; }
    Int32& operator++() { return *this += 1; }
    Int32& operator--() { return *this -= 1; }

  private:
    int32_t v_ = 0;
};

} // namespace platform
