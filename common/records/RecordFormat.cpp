#include "RecordFormat.h"

#include "platform/Files.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <string>

namespace recordformat {

namespace {

constexpr FieldSpec kShipFields[] = {
    {0, 30},  {30, 30}, {60, 2},  {62, 2},  {64, 5},  {69, 4},  {73, 2},  {75, 3},  {78, 2},  {80, 3},
    {83, 4},  {87, 4},  {91, 2},  {93, 3},  {96, 1},  {97, 3},  {100, 3}, {103, 3}, {106, 1}, {107, 1},
    {108, 2}, {110, 3}, {113, 2}, {115, 3}, {118, 4}, {122, 2}, {124, 3}, {127, 1}, {128, 3}, {131, 3},
    {134, 3}, {137, 3}, {140, 3}, {143, 3}, {146, 2}, {148, 3}, {151, 2}, {153, 2}, {155, 2}, {157, 1},
    {158, 2}, {160, 2}, {162, 2}, {164, 3}, {167, 3}, {170, 4}, {174, 5},
};

constexpr FieldSpec kAircraftFields[] = {
    {0, 20},  {20, 32}, {52, 30}, {82, 3},  {85, 4},  {89, 3},  {92, 2},  {94, 2},  {96, 2},  {98, 2},
    {100, 4}, {104, 1}, {105, 3}, {108, 3}, {111, 3}, {114, 1}, {115, 1}, {116, 1}, {117, 1}, {118, 2},
    {120, 2}, {122, 3}, {125, 3}, {128, 4}, {132, 4}, {136, 4}, {140, 6}, {146, 1}, {147, 1}, {148, 1},
};

// The fields must tile the record exactly; checked once at compile time.
template <std::size_t N> constexpr bool tiles(const FieldSpec (&f)[N], int length) {
    int at = 0;
    for (const FieldSpec& s : f) {
        if (s.offset != at || s.width < 1) return false;
        at += s.width;
    }
    return at == length;
}
static_assert(std::size(kShipFields) == ShipRecord::kFields && tiles(kShipFields, ShipRecord::kLength));
static_assert(std::size(kAircraftFields) == AircraftRecord::kFields &&
              tiles(kAircraftFields, AircraftRecord::kLength));

const RecordLayout kShip{"ShipRecord", ShipRecord::kLength, kShipFields};
const RecordLayout kAircraft{"AircraftRecord", AircraftRecord::kLength, kAircraftFields};

long long pow10(int n) {
    long long p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

} // namespace

void RecordLayout::noSuchField(int n) const {
    throw std::out_of_range(std::string(name) + ": field " + std::to_string(n) + " does not exist");
}

const RecordLayout& shipLayout() {
    return kShip;
}
const RecordLayout& aircraftLayout() {
    return kAircraft;
}

TextRecord::TextRecord(const RecordLayout& layout) : layout_(&layout), bytes_(layout.length, ' ') {}

void TextRecord::setBytes(const QByteArray& bytes) {
    bytes_ = bytes.left(layout_->length);
    if (bytes_.size() < layout_->length) bytes_.append(QByteArray(layout_->length - bytes_.size(), ' '));
}

QString TextRecord::text(int field) const {
    const FieldSpec& f = layout_->field(field);
    return platform::fromCp1252(QByteArrayView(bytes_.constData() + f.offset, f.width));
}

void TextRecord::setText(int field, const QString& value) {
    const FieldSpec& f = layout_->field(field);
    QByteArray v = platform::toCp1252(value).left(f.width);
    v.append(QByteArray(f.width - v.size(), ' '));
    bytes_.replace(f.offset, f.width, v);
}

double TextRecord::number(int field) const {
    return platform::leadingNumber(text(field));
}

long long TextRecord::whole(int field) const {
    if (const std::optional<long long> v = plainWhole(field)) return *v;
    return platform::roundHalfEven(number(field));
}

std::optional<long long> TextRecord::plainWhole(int field) const {
    const FieldSpec& f = layout_->field(field);
    const char* p = bytes_.constData() + f.offset;
    const char* const end = p + f.width;
    while (p < end && *p == ' ') ++p;
    const bool negative = p < end && *p == '-';
    if (negative) ++p;
    const char* const digits = p;
    long long v = 0;
    while (p < end && *p >= '0' && *p <= '9' && p - digits < 18) v = v * 10 + (*p++ - '0');
    const char* const last = p;
    while (p < end && *p == ' ') ++p;
    if (p == end && (last > digits || !negative)) return negative ? -v : v;
    return std::nullopt;
}

void TextRecord::setNumber(int field, long long value) {
    const int width = layout_->field(field).width;
    const long long most = pow10(width) - 1;
    const long long least = width > 1 ? -(pow10(width - 1) - 1) : 0;
    setText(field, QString::number(std::clamp(value, least, most)));
}

void TextRecord::setNumberWithSign(int field, long long value) {
    const QString withSign = platform::numberTextWithSign(double(value));
    if (platform::toCp1252(withSign).size() <= layout_->field(field).width)
        setText(field, withSign);
    else
        setNumber(field, value);
}

bool ShipRecord::isDeleted() const {
    return text(ship::Cancellato) == QLatin1String("XXX");
}
void ShipRecord::markDeleted() {
    setText(ship::Cancellato, QStringLiteral("XXX"));
}

bool AircraftRecord::isDeleted() const {
    return text(aircraft::Cancellato) == QLatin1String("X");
}
void AircraftRecord::markDeleted() {
    setText(aircraft::Cancellato, QStringLiteral("X"));
}

namespace {
void checkLength(const platform::RecordFile& file, const TextRecord& record) {
    if (file.recordLength() != record.layout().length)
        throw platform::FileError(QStringLiteral("Il file %1 è aperto con record di %2 byte, non di %3")
                                      .arg(file.path())
                                      .arg(file.recordLength())
                                      .arg(record.layout().length),
                                  file.path());
}
} // namespace

void readRecord(const platform::RecordFile& file, int number, TextRecord& record) {
    checkLength(file, record);
    // Read into the record's own bytes (a pass reads thousands of records into one buffer); a
    // record cut short by the end of the file reads blank where it is missing.
    const qsizetype length = record.layout_->length;
    record.bytes_.resize(length);
    char* to = record.bytes_.data();
    const qsizetype n = std::clamp<qsizetype>(file.readPresent(number, to), 0, length);
    std::memset(to + n, ' ', std::size_t(length - n));
}

void writeRecord(platform::RecordFile& file, int number, const TextRecord& record) {
    checkLength(file, record);
    file.put(number, record.bytes());
}

int appendRecord(platform::RecordFile& file, const TextRecord& record) {
    checkLength(file, record);
    const int number = file.count() + 1;
    file.put(number, record.bytes());
    return number;
}

} // namespace recordformat
