#include "ShipCard.h"

#include "platform/Files.h"
#include "platform/Numbers.h"

#include <QFile>

namespace {
constexpr ShipCardField T(const char* m) {
    return {false, m};
}
constexpr ShipCardField N(const char* m) {
    return {true, m};
}
} // namespace

const std::array<ShipCardField, kShipCardValues + 1> kShipCardLayout = {
    T(""),
    T("classe"),
    T("tipologia"),
    T("nazione"),
    T("codice nazione"),
    T("anno dati"),
    T("anno varo/ristrutturazione"),
    T("stazza standard"),
    T("nodi"),
    T(""),
    T("resistenza globale"),
    T("controllo incendi"),
    T("DT"),
    T("MA"),
    T("OP"),
    T("cargo"),
    T("costo unitario"),
    T(""),
    T("tipo siluri"),
    T("lanciasiluri e tubi"),
    N("lanciabombe BTG"),
    T("BTG per lanciatore"),
    T("aerei imbarcati"),
    T("elevatori aerei"),
    T("calibro principale"),
    T("torri e canne principali"),
    T("calibro secondario"),
    T("torri e canne secondarie"),
    T("terzo calibro"),
    T("torri e canne terzo calibro"),
    T(""),
    T("VR"),
    T("OR"),
    T("PL"),
    T("TP"),
    T("TS"),
    T(""),
    T("CT"),
    T("FU"),
    T("CG"),
    T("calibro AA su TP"),
    N("canne AA su TP"),
    T("valore AA su TP"),
    T("calibro AA su TS"),
    N("canne AA su TS"),
    T("valore AA su TS"),
    T("calibro AA altri"),
    N("canne AA altri"),
    T("valore AA altri"),
    N("mitragliere AA"),
    T("valore MAA"),
    T("quarto calibro"),
    T("torri e canne quarto calibro"),
    T("totale siluri"),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
    T(""),
};

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
    platform::TextReader r(path);
    ShipValues v;
    for (int i = 1; i <= kShipCardValues; ++i) v[i] = r.readText();
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
