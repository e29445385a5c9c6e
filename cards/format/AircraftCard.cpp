#include "AircraftCard.h"

#include "platform/Files.h"

namespace aircraftcard {

using enum Kind;

const std::array<ValueSlot, kValues + 1> kLayout = {{
    {0, Text, ""},
    {1, Text, "nation line"},
    {2, Text, "official and code name as typed"},
    {3, Text, "manufacturer"},
    {4, Text, "aircraft type line"},
    {5, Text, "year of entry into service"},
    {6, Text, "autonomy in turns TA"},
    {7, Text, "judgement GI"},
    {8, Text, "attack factor FA"},
    {9, Text, "defence factor FD"},
    {10, Text, "strafing weight PM"},
    {11, Text, "bomb load value CD"},
    {12, Text, "torpedoes SL"},
    {13, Text, "speed KM"},
    {14, Text, "cost"},
    {15, Text, "availability"},
    {16, Text, "Imbarcato / Non Imbarcato"},
    {17, Text, "Idro / Non idro"},
    {18, Text, "night flying S / N"},
    {19, Number, "unused"},
    {20, Number, "unused"},
    {21, Number, "unused"},
    {22, Number, "unused"},
    {23, Number, "unused"},
    {24, Number, "unused"},
    {25, Number, "unused"},
    {26, Number, "unused"},
    {27, Number, "unused"},
    {28, Number, "unused"},
    {29, Text, "torpedo mark S / -"},
    {30, Text, "bomber mark B / -"},
}};

void AircraftData::zero() {
    for (int n = 1; n <= kValues; ++n) v[n] = QStringLiteral("0");
}

QByteArray cardBytes(const AircraftData& data) {
    platform::TextWriter w;
    for (int n = 1; n <= kValues; ++n) {
        if (kLayout[n].kind == Number)
            w.writeRaw(data[n].trimmed().isEmpty() ? QStringLiteral("0") : data[n].trimmed());
        else
            w.writeText(QString(data[n]).replace(u'"', u'\''));
    }
    return w.bytes();
}

QString cardFileName(const QString& nameWithoutBlanks, const QString& type, const QString& year) {
    return nameWithoutBlanks + type.left(3) + year + QStringLiteral(".SNK");
}

QChar forbiddenFileCharacter(const QString& text) {
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (QChar c : text)
        if (forbidden.contains(c) || c.unicode() < 32) return c;
    return QChar();
}

void writeCard(const QString& path, const AircraftData& data) {
    platform::writeWholeFile(path, cardBytes(data));
}

AircraftData readCard(const QString& path) {
    platform::TextReader in(path);
    AircraftData read;
    for (int n = 1; n <= kValues; ++n) read[n] = in.readText();
    return read;
}

} // namespace aircraftcard
