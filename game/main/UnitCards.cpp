#include "UnitCards.h"

#include "common/Globals.h"
#include "platform/Colors.h"

namespace ship = recordformat::ship;
namespace aircraft = recordformat::aircraft;
using platform::vbBlack;
using platform::vbRed;
using recordformat::AircraftRecord;
using recordformat::ShipRecord;

namespace {
QString pictureFolder(const QString& sub) {
    return G().DataPath + QStringLiteral("\\immagini\\") + sub + u'\\';
}

QString wholeText(const recordformat::TextRecord& r, int field) {
    return QString::number(r.whole(field));
}

long redWhen(bool red) {
    return red ? vbRed : vbBlack;
}
} // namespace

CardFrame shipCardFrame() {
    return {QStringLiteral("  KN.kn         RE.re           OP.op       CG.cg  "),
            QStringLiteral(" AE.ae      AC.ac      AM.am     CI     IA     DT"),
            pictureFolder(QStringLiteral("navi")) + QStringLiteral("nondisp.bmp")};
}

CardFrame aircraftCardFrame() {
    return {QStringLiteral("Kh   AUT    TP   NAZ      FA   FD   FM   GI  "),
            QStringLiteral("SIL.BMB.NSL.CDF.IMB.CST.TER.VOL.ABB"),
            pictureFolder(QStringLiteral("AEREI")) + QStringLiteral("nondisp.bmp")};
}

UnitCard shipCard(const ShipRecord& s) {
    UnitCard card;
    // Nominal and current value of each pair; the current one turns red when below the nominal.
    const int pairs[7][2] = {{ship::NODI, ship::NODIM},
                             {ship::RESISTENZA, ship::RESISTENZAM},
                             {ship::OPERATIVITA, ship::OPERATIVITAM},
                             {ship::CARGO, ship::CARGOM},
                             {ship::AEREI, ship::AEREIM},
                             {ship::AAC, ship::AACM},
                             {ship::AAM, ship::AAMM}};
    for (int p = 0; p < 7; ++p) {
        card.cells[2 * p].text = wholeText(s, pairs[p][0]);
        card.cells[2 * p + 1] = {wholeText(s, pairs[p][1]),
                                 redWhen(s.whole(pairs[p][1]) < s.whole(pairs[p][0]))};
    }
    card.cells[14] = {wholeText(s, ship::C_A_INCENDIM),
                      redWhen(s.whole(ship::C_A_INCENDIM) < s.whole(ship::C_A_INCENDI))};
    card.cells[15] = {wholeText(s, ship::INCENDI_ATTIVI), redWhen(s.whole(ship::INCENDI_ATTIVI) > 0)};
    card.cells[16] = {wholeText(s, ship::D_TIROM), redWhen(s.whole(ship::D_TIROM) < s.whole(ship::DIR_TIRO))};
    card.caption = s.text(ship::TIPO) + u' ' + s.trimmed(ship::NOME) + QStringLiteral(" (") +
                   s.trimmed(ship::CLASSE) + u')';
    card.picture = pictureFolder(QStringLiteral("navi")) + s.trimmed(ship::CLASSE) + QStringLiteral(".bmp");
    return card;
}

UnitCard aircraftCard(const AircraftRecord& a) {
    UnitCard card;
    const QString texts[kCardCells] = {wholeText(a, aircraft::Velocita),
                                       wholeText(a, aircraft::Autonomia),
                                       a.trimmed(aircraft::Ruolo),
                                       a.text(aircraft::Nazione).left(2),
                                       wholeText(a, aircraft::FattoreAttacco),
                                       wholeText(a, aircraft::FattoreDifesa),
                                       wholeText(a, aircraft::FattoreMitragliamento),
                                       wholeText(a, aircraft::Giudizio),
                                       a.trimmed(aircraft::Silurante),
                                       a.trimmed(aircraft::Bombardiere),
                                       a.trimmed(aircraft::Siluri),
                                       wholeText(a, aircraft::Carico),
                                       a.number(aircraft::Imbarcato) == 0 ? QStringLiteral("no")
                                                                          : QStringLiteral("si"),
                                       wholeText(a, aircraft::Costo),
                                       wholeText(a, aircraft::Pronti),
                                       wholeText(a, aircraft::InVolo),
                                       wholeText(a, aircraft::Persi)};
    for (int i = 0; i < kCardCells; ++i) card.cells[i] = {texts[i], vbBlack};
    if (a.whole(aircraft::Persi) > 0) card.cells[16].colour = vbRed;
    card.caption = a.text(aircraft::Ruolo) + u' ' + a.trimmed(aircraft::Nome);
    card.picture =
        pictureFolder(QStringLiteral("AEREI")) + a.trimmed(aircraft::Nome) + QStringLiteral(".bmp");
    return card;
}
