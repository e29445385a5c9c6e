// A ship card and an aircraft card whose texts are the widest the editors' lists offer over every
// nation (calibres, torpedo, type, nation, maker), with long names and mounts: what a sheet or a
// printed card must hold.
#pragma once

#include "CardsTestSupport.h"
#include "cards/Form_Aerei.h"
#include "cards/format/AircraftCard.h"
#include "cards/format/ShipCard.h"

#include <QFontMetrics>
#include <QWidget>

namespace widest {

inline QString item(const platform::ComboBox& c, QString best = QString()) {
    const QFontMetrics fm(c.widget()->font());
    for (int i = 0; i < c.listCount(); ++i)
        if (fm.horizontalAdvance(c.list(i).trimmed()) > fm.horizontalAdvance(best))
            best = c.list(i).trimmed();
    return best;
}

// Written into the program folder's Navi folder; returns the card's path. The rated numbers are
// those of a battleship, in their widest forms.
inline QString shipCard(Form1_Main& f, const QString& cardFolder) {
    QString gun, aa, nation;
    for (int n = 0; n < f.Combo2.listCount(); ++n) {
        f.Combo2.doPick(n);
        gun = item(f.Combo6, gun);
        aa = item(f.Combo10, aa);
        nation = item(f.Combo2, nation);
    }
    ShipValues v = readShipCard(TEST_SOURCE_DIR "/cards/data/LittorioNB1939.sns");
    v[kCardClass] = QStringLiteral("Ammiraglio di Saint Bon Classe");
    v[kCardType] = item(f.Combo1);
    v[kCardNation] = nation;
    v[kCardNationCode] = nation.left(2);
    v[7] = QStringLiteral("45752");
    v[18] = item(f.Combo4);
    v[19] = QStringLiteral("2T*4L+2T*3L");
    for (int k : {24, 26, 28, 51}) v[k] = gun;
    for (int k : {25, 27, 29, 52}) v[k] = QStringLiteral("4T*3C+2T*2C");
    for (int k : {40, 43, 46}) v[k] = aa;
    for (int k : {41, 44, 47}) v[k] = QStringLiteral("24");
    for (int k : {42, 45, 48}) v[k] = QStringLiteral("96");
    const QString path = cardFolder + QStringLiteral("/") + shipCardFileName(v[1], v[2], v[5]);
    writeShipCard(path, v);
    return path;
}

// Written into the given folder; returns the card's path.
inline QString aircraftCard(Form_Aerei& f, const QString& cardFolder) {
    QString maker, nation;
    for (int n = 0; n < f.Combo2.listCount(); ++n) {
        f.Combo2.doPick(n);
        maker = item(f.Combo1, maker);
        nation = item(f.Combo2, nation);
    }
    aircraftcard::AircraftData d = aircraftcard::readCard(TEST_SOURCE_DIR "/cards/data/Bf109E-4CPT1939.SNK");
    d[aircraftcard::Nation] = nation;
    d[aircraftcard::Name] = QStringLiteral("Bristol Beaufighter Mk.IF/IC");
    d[aircraftcard::Maker] = maker;
    d[aircraftcard::Type] = item(f.Combo3);
    d[aircraftcard::Autonomy] = QStringLiteral("18");
    d[aircraftcard::Speed] = QStringLiteral("1088");
    d[aircraftcard::BombLoad] = QStringLiteral("2200");
    const QString path = cardFolder + QStringLiteral("/widest.SNK");
    aircraftcard::writeCard(path, d);
    return path;
}

} // namespace widest
