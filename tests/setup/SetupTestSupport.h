// Cards and card folders for the set-up program's tests.
#pragma once

#include "cards/format/AircraftCard.h"
#include "cards/format/ShipCard.h"
#include "platform/Files.h"

#include <QStringList>

namespace setuptest {

// A destroyer class rated as Torvcard writes it (values chosen so that each archive field gets a
// value of its own).
inline ShipValues destroyerCard(const QString& cls = QStringLiteral("Oriani"),
                                const QString& nation = QStringLiteral("IT Italia"),
                                const QString& year = QStringLiteral("1940")) {
    ShipValues v;
    v[1] = cls;
    v[2] = QStringLiteral("CT Cacciatorpediniere");
    v[3] = nation;
    v[4] = nation.left(2);
    v[5] = year;
    v[6] = QStringLiteral("1937");
    v[7] = QStringLiteral("1750");
    v[8] = QStringLiteral("38");
    v[10] = QStringLiteral("185");
    v[11] = QStringLiteral("7");
    v[12] = QStringLiteral("6");
    v[13] = QStringLiteral("0");
    v[14] = QStringLiteral("92");
    v[15] = QStringLiteral("3");
    v[16] = QStringLiteral("118");
    v[20] = QStringLiteral("2");
    v[22] = QStringLiteral("0");
    v[41] = v[44] = v[47] = QStringLiteral("0");
    v[42] = QStringLiteral("4");
    v[45] = QStringLiteral("6");
    v[48] = QStringLiteral("2");
    v[49] = QStringLiteral("8");
    v[50] = QStringLiteral("5");
    return v;
}

// Writes a card and its name list into the nation folder under folder; returns the card's path.
inline QString writeShipClass(const QString& folder, const ShipValues& card, const QStringList& names,
                              const QString& cardName = QString()) {
    const QString nationFolder = folder + u'/' + card[kCardNation];
    platform::makeFolder(nationFolder);
    const QString path =
        nationFolder + u'/' + (cardName.isEmpty() ? shipCardFileName(card[1], card[2], card[5]) : cardName);
    writeShipCard(path, card);
    const QString list = nationFolder + u'/' + shipNameListFileName(card[1], card[5]);
    startShipNameList(list, names.value(0));
    for (int i = 1; i < names.size(); ++i) appendShipName(list, names[i]);
    return path;
}

inline aircraftcard::AircraftData fighterCard(const QString& name = QStringLiteral("Fiat CR.42 Falco")) {
    aircraftcard::AircraftData d;
    d.zero();
    d[aircraftcard::Nation] = QStringLiteral("IT Italia");
    d[aircraftcard::Name] = name;
    d[aircraftcard::Maker] = QStringLiteral("Fiat");
    d[aircraftcard::Type] = QStringLiteral("CPT - Caccia terrestre");
    d[aircraftcard::Year] = QStringLiteral("1939");
    d[aircraftcard::Autonomy] = QStringLiteral("3");
    d[aircraftcard::Judgement] = QStringLiteral("8");
    d[aircraftcard::Attack] = QStringLiteral("12");
    d[aircraftcard::Defence] = QStringLiteral("7");
    d[aircraftcard::Strafing] = QStringLiteral("3");
    d[aircraftcard::BombLoad] = QStringLiteral("25");
    d[aircraftcard::Torpedoes] = QStringLiteral("0");
    d[aircraftcard::Speed] = QStringLiteral("441");
    d[aircraftcard::Cost] = QStringLiteral("4");
    d[aircraftcard::Availability] = QStringLiteral("20");
    d[aircraftcard::CarrierBorne] = QStringLiteral("Non Imbarcato");
    d[aircraftcard::Seaplane] = QStringLiteral("Non idro");
    d[aircraftcard::Night] = QStringLiteral("N");
    d[aircraftcard::TorpedoMark] = QStringLiteral("-");
    d[aircraftcard::BomberMark] = QStringLiteral("-");
    return d;
}

} // namespace setuptest
