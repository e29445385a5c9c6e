#include "AircraftCard.h"

#include "CardFile.h"

#include "platform/Files.h"

namespace aircraftcard {

using enum Kind;

const std::array<ValueSlot, kValues + 1> kLayout = {{
    {0, Text, ""},
    {1, Text, "nazione"},
    {2, Text, "nome"},
    {3, Text, "costruttore"},
    {4, Text, "tipologia"},
    {5, NumberText, "anno"},
    {6, NumberText, "TA"},
    {7, NumberText, "GI"},
    {8, NumberText, "FA"},
    {9, NumberText, "FD"},
    {10, NumberText, "PM"},
    {11, NumberText, "CD"},
    {12, NumberText, "siluri"},
    {13, NumberText, "velocità"},
    {14, NumberText, "costo"},
    {15, NumberText, "disponibilità"},
    {16, Text, "imbarcato"},
    {17, Text, "idro"},
    {18, Text, "volo notturno"},
    {19, Number, "non usato"},
    {20, Number, "non usato"},
    {21, Number, "non usato"},
    {22, Number, "non usato"},
    {23, Number, "non usato"},
    {24, Number, "non usato"},
    {25, Number, "non usato"},
    {26, Number, "non usato"},
    {27, Number, "non usato"},
    {28, Number, "non usato"},
    {29, Text, "silurante"},
    {30, Text, "bombardiere"},
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
    const QStringList values = cardfile::readCardValues(path, QStringLiteral("aereo"), kValues, [](int n) {
        return cardfile::LineRule{kLayout[n].holdsNumber(), QString::fromUtf8(kLayout[n].meaning)};
    });
    AircraftData read;
    for (int n = 1; n <= kValues; ++n) read[n] = values[n - 1];
    return read;
}

} // namespace aircraftcard
