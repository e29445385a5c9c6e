#include "ShipCard.h"

#include "CardFile.h"

#include "platform/Files.h"
#include "platform/Numbers.h"

#include <QFile>

namespace {
// What values 1..53 hold; 54..80 are always empty.
// clang-format off
const char* const kMeanings[54] = {"",
    "classe", "tipologia", "nazione", "codice nazione", "anno dati", "anno varo/ristrutturazione",
    "stazza standard", "nodi", "", "resistenza globale", "controllo incendi", "DT", "MA", "OP", "cargo",
    "costo unitario", "", "tipo siluri", "lanciasiluri e tubi", "lanciabombe BTG", "BTG per lanciatore",
    "aerei imbarcati", "elevatori aerei", "calibro principale", "torri e canne principali",
    "calibro secondario", "torri e canne secondarie", "terzo calibro", "torri e canne terzo calibro", "",
    "VR", "OR", "PL", "TP", "TS", "", "CT", "FU", "CG",
    "calibro AA su TP", "canne AA su TP", "valore AA su TP", "calibro AA su TS", "canne AA su TS",
    "valore AA su TS", "calibro AA altri", "canne AA altri", "valore AA altri", "mitragliere AA",
    "valore MAA", "quarto calibro", "torri e canne quarto calibro", "totale siluri"};
// clang-format on
// The values written bare: depth-charge launchers, the three barrel counts, the machine guns.
constexpr int kNumberItems[] = {20, 41, 44, 47, 49};
// The values written as quoted texts that hold numbers: the years, displacement, speed, ratings,
// aircraft, the anti-aircraft values and the torpedoes.
constexpr int kNumberTextItems[] = {5,  6,  7,  8,  10, 11, 12, 13, 14, 15, 16, 21, 22, 23,
                                    31, 32, 33, 34, 35, 37, 38, 39, 42, 45, 48, 50, 53};
} // namespace

const std::array<ShipCardField, kShipCardValues + 1> kShipCardLayout = [] {
    std::array<ShipCardField, kShipCardValues + 1> t{};
    for (int i = 1; i <= kShipCardValues; ++i) t[i] = {false, i <= 53 ? kMeanings[i] : "", false};
    for (int i : kNumberItems) t[i].number = t[i].holdsNumber = true;
    for (int i : kNumberTextItems) t[i].holdsNumber = true;
    return t;
}();

QByteArray shipCardBytes(const ShipValues& values) {
    platform::TextWriter w;
    for (int i = 1; i <= kShipCardValues; ++i) {
        if (kShipCardLayout[i].number)
            w.writeRaw(platform::numberText(platform::leadingNumber(values[i])));
        else
            w.writeText(values[i]);
    }
    return w.bytes();
}

void writeShipCard(const QString& path, const ShipValues& values) {
    platform::writeWholeFile(path, shipCardBytes(values));
}

ShipValues readShipCard(const QString& path) {
    const QStringList read =
        cardfile::readCardValues(path, QStringLiteral("nave"), kShipCardValues, [](int n) {
            return cardfile::LineRule{kShipCardLayout[n].holdsNumber,
                                      QString::fromUtf8(kShipCardLayout[n].meaning)};
        });
    ShipValues v;
    for (int i = 1; i <= kShipCardValues; ++i) v[i] = read[i - 1];
    return v;
}

QString shipCardFileName(const QString& className, const QString& typeLine, const QString& dataYear) {
    return className.trimmed() + typeLine.left(2) + QString(dataYear).remove(u' ') + QStringLiteral(".sns");
}

QString shipNameListFileName(const QString& className, const QString& dataYear) {
    return QStringLiteral("cp_") + className.trimmed() + QString(dataYear).remove(u' ') +
           QStringLiteral(".SNN");
}

QStringList readShipNameList(const QString& path) {
    platform::TextReader r(path);
    QStringList names;
    while (!r.atEnd()) names << r.readText();
    return names;
}

void startShipNameList(const QString& path, const QString& leader) {
    platform::TextWriter w;
    w.writeText(leader);
    w.commit(path);
}

void appendShipName(const QString& path, const QString& name) {
    QByteArray bytes = platform::fileExists(path) ? platform::readWholeFile(path) : QByteArray();
    if (!bytes.isEmpty() && !bytes.endsWith('\n')) bytes += "\r\n";
    platform::TextWriter w;
    w.writeText(name);
    platform::writeWholeFile(path, bytes + w.bytes());
}
