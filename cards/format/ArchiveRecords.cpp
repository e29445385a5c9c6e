#include "ArchiveRecords.h"

#include "common/records/RecordRanges.h"
#include "platform/Files.h"
#include "platform/Numbers.h"

#include <QRegularExpression>
#include <functional>
#include <iterator>

using namespace recordformat;

namespace {

// One card value copied into one archive field.
struct CardValueField {
    int field;
    int value;
    bool number;
};

// Ship record fields taken from the ship card as they stand (TIPO, RADAR, AAC and STATUS are
// made below).
constexpr CardValueField kShipFromCard[] = {
    {ship::CLASSE, kCardClass, false},
    {ship::NAZIONE, kCardNationCode, false},
    {ship::STAZZA, 7, true},
    {ship::ANNODATI, kCardDataYear, true},
    {ship::NODI, 8, true},
    {ship::OPERATIVITA, 14, true},
    {ship::DIR_TIRO, 12, true},
    {ship::CARGO, 15, true},
    {ship::COSTO, 16, true},
    {ship::RESISTENZA, 10, true},
    {ship::C_A_INCENDI, 11, true},
    {ship::AEREI, 22, true},
    {ship::AAM, 50, true},
    {ship::MA, 13, true},
};

// Aircraft record fields taken from the aircraft card (fields 19, 28 and 29 are made below).
constexpr CardValueField kAircraftFromCard[] = {
    {aircraft::Nazione, aircraftcard::Nation, false},
    {aircraft::Nome, aircraftcard::Name, false},
    {aircraft::Costruttore, aircraftcard::Maker, false},
    {aircraft::Ruolo, aircraftcard::Type, false},
    {aircraft::Anno, aircraftcard::Year, true},
    {aircraft::Autonomia, aircraftcard::Autonomy, true},
    {aircraft::Giudizio, aircraftcard::Judgement, true},
    {aircraft::FattoreAttacco, aircraftcard::Attack, true},
    {aircraft::FattoreDifesa, aircraftcard::Defence, true},
    {aircraft::FattoreMitragliamento, aircraftcard::Strafing, true},
    {aircraft::Carico, aircraftcard::BombLoad, true},
    {aircraft::Siluri, aircraftcard::Torpedoes, true},
    {aircraft::Velocita, aircraftcard::Speed, true},
    {aircraft::Costo, aircraftcard::Cost, true},
    {aircraft::Disponibilita, aircraftcard::Availability, true},
    {aircraft::Silurante, aircraftcard::TorpedoMark, false},
    {aircraft::Bombardiere, aircraftcard::BomberMark, false},
};

int byteWidth(const QString& s) {
    return platform::toCp1252(s).size();
}

// Numbers are stored as the card writes them. A text too wide for its field is not cut blindly
// (" 100" would become " 10"): the blanks go first, then any decimals; a number whose whole part
// still does not fit is refused, since no reader could read it back.
void storeNumber(TextRecord& r, int field, const QString& text, const QString& what) {
    const int width = r.layout().field(field).width;
    if (byteWidth(text) <= width) return r.setText(field, text);
    const QString t = text.trimmed();
    if (byteWidth(t) <= width) return r.setText(field, t);
    static const QRegularExpression wholePart(QStringLiteral("^[-+]?\\d+"));
    const QRegularExpressionMatch m = wholePart.match(t);
    if (m.hasMatch() && m.capturedLength() <= width) return r.setText(field, m.captured());
    throw platform::RangeError(
        QStringLiteral("%1 (%2) non entra nel campo %3 dell'archivio, largo %4 caratteri")
            .arg(what, t)
            .arg(field)
            .arg(width));
}

void copyFields(TextRecord& r, const CardValueField* begin, const CardValueField* end,
                const std::function<QString(int)>& value) {
    for (const CardValueField* f = begin; f != end; ++f) {
        if (f->number)
            storeNumber(r, f->field, value(f->value),
                        QStringLiteral("Il valore %1 della scheda").arg(f->value));
        else
            r.setText(f->field, value(f->value));
    }
}

// The first card value bound for a number field that the field could not hold, with its name.
template <std::size_t N>
QString cardValuesRefusal(const CardValueField (&fields)[N], const RecordLayout& layout,
                          const std::function<QString(int)>& value,
                          const std::function<QString(int)>& meaning) {
    for (const CardValueField& f : fields) {
        if (!f.number) continue;
        const QString why = valueRefusal(layout, f.field, value(f.value));
        if (!why.isEmpty())
            return QStringLiteral("%1 (valore %2 della scheda), %3")
                .arg(meaning(f.value))
                .arg(f.value)
                .arg(refusalText(layout, f.field, value(f.value).trimmed(), why));
    }
    return {};
}

template <std::size_t N> int cardValueOf(const CardValueField (&fields)[N], int field) {
    for (const CardValueField& f : fields)
        if (f.field == field) return f.value;
    return 0;
}

QString shipMeaning(int n) {
    return n == kCardType ? QStringLiteral("tipologia") : QString::fromUtf8(kShipCardLayout[n].meaning);
}

} // namespace

ShipRecord BuildShipArchiveRecord(const ShipValues& card) {
    ShipRecord r;
    copyFields(r, std::begin(kShipFromCard), std::end(kShipFromCard), [&](int n) { return card[n]; });
    r.setText(ship::TIPO, card[kCardType].left(2));
    r.setText(ship::RADAR, QStringLiteral("0"));
    const double aa = platform::leadingNumber(card[45]) + platform::leadingNumber(card[48]) +
                      platform::leadingNumber(card[42]);
    storeNumber(r, ship::AAC, platform::numberTextWithSign(aa), QStringLiteral("Il totale antiaereo"));
    r.setText(ship::STATUS, QStringLiteral("0"));
    return r;
}

AircraftRecord BuildAircraftArchiveRecord(const aircraftcard::AircraftData& card) {
    AircraftRecord r;
    copyFields(r, std::begin(kAircraftFromCard), std::end(kAircraftFromCard), [&](int n) { return card[n]; });
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    // "Imbarcato" against "Non Imbarcato", "Idro" against "Non idro".
    r.setText(aircraft::Imbarcato, flag(card[aircraftcard::CarrierBorne].trimmed().size() <= 10));
    r.setText(aircraft::Idro, flag(card[aircraftcard::Seaplane].trimmed().size() <= 4));
    r.setText(aircraft::Notturno, flag(card[aircraftcard::Night].trimmed() == QLatin1String("S")));
    return r;
}

int cardValueOfShipField(int field) {
    return cardValueOf(kShipFromCard, field);
}
int cardValueOfAircraftField(int field) {
    return cardValueOf(kAircraftFromCard, field);
}

QString shipCardRefusal(const ShipValues& card) {
    const QString values = cardValuesRefusal(
        kShipFromCard, shipLayout(), [&](int n) { return card[n]; }, shipMeaning);
    if (!values.isEmpty()) return values;
    const double aa = platform::leadingNumber(card[45]) + platform::leadingNumber(card[48]) +
                      platform::leadingNumber(card[42]);
    const QString aaText = platform::numberTextWithSign(aa).trimmed();
    if (const QString why = valueRefusal(shipLayout(), ship::AAC, aaText); !why.isEmpty())
        return QStringLiteral("totale antiaereo (valori 42, 45 e 48 della scheda), ") +
               refusalText(shipLayout(), ship::AAC, aaText, why);
    try {
        const ShipRecord r = BuildShipArchiveRecord(card);
        const FieldRefusal why = shipRecordRefusal(r);
        if (why.field == 0) return {};
        return QStringLiteral("%1 (valore %2 della scheda), ").arg(shipMeaning(kCardType)).arg(kCardType) +
               refusalText(r, why);
    } catch (const platform::RangeError& e) {
        return e.message();
    }
}

QString aircraftCardRefusal(const aircraftcard::AircraftData& card) {
    const QString values = cardValuesRefusal(
        kAircraftFromCard, aircraftLayout(), [&](int n) { return card[n]; },
        [](int n) { return QString::fromUtf8(aircraftcard::kLayout[n].meaning); });
    if (!values.isEmpty()) return values;
    try {
        const AircraftRecord r = BuildAircraftArchiveRecord(card);
        const FieldRefusal why = aircraftRecordRefusal(r);
        if (why.field == 0) return {};
        return refusalText(r, why);
    } catch (const platform::RangeError& e) {
        return e.message();
    }
}

namespace {
[[noreturn]] void refuseCard(const QString& why) {
    throw platform::RangeError(QStringLiteral("La scheda non può entrare in un gioco: %1.").arg(why));
}
} // namespace

ShipRecord checkedShipArchiveRecord(const ShipValues& card) {
    if (const QString why = shipCardRefusal(card); !why.isEmpty()) refuseCard(why);
    return BuildShipArchiveRecord(card);
}

AircraftRecord checkedAircraftArchiveRecord(const aircraftcard::AircraftData& card) {
    if (const QString why = aircraftCardRefusal(card); !why.isEmpty()) refuseCard(why);
    return BuildAircraftArchiveRecord(card);
}
