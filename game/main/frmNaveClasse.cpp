#include "frmNaveClasse.h"

#include "common/Globals.h"
#include "common/Messages.h"
#include "platform/Files.h"
#include "platform/Numbers.h"

using namespace platform;

namespace {
// Captions of rows 0..30 and the card value each row shows (0: the sum of the three AA values).
struct Row {
    const char* caption;
    int value;
};
constexpr Row kRows[kClassCardRows] = {
    {"STAZZA LORDA", 7},
    {"ANNO IMPOSTAZIONE", 6},
    {"COSTO NAVE", 16},
    {"NUM. ELEVATORI", 23},
    {"MOVIMENT. AEREI MA", 13},
    {"TIPO SILURI", 18},
    {"TUBI LANCIO SILURT", 19},
    {"NUM. LANCIAT. BTG", 20},
    {"NUM. BTGxARMA", 21},
    {"NUM. AEREI IMBARC.", 22},
    {"VERTICALE           VR", 31},
    {"ORIZZONTALE      OR", 32},
    {"PLANCIA                PL", 33},
    {"TORRI PRINCIP.    TP", 34},
    {"TORRI SEC. a        TS", 35},
    {"CENTRALE TIRO    CT", 37},
    {"FUMAIOLO             FU", 38},
    {"GENERALE            GN", 39},
    {"CANNONI PRIMARI", 24},
    {"DISP. CANN. PRIM.", 25},
    {"CANN. SECOND.   a", 26},
    {"DISP. CANN. SEC. a", 27},
    {"CANN. SECOND.   b", 28},
    {"DISP. CANN. SEC. b", 29},
    {"CANN. SECOND.   c", 51},
    {"DISP. CANN. SEC. c", 52},
    {"AA SU CANN. PRIM.", 42},
    {"AA SU CANN. SEC.", 45},
    {"AA SU ALTRI CANN.", 48},
    {"TOT. AAC  CANNONI", 0},
    {"TOT. AAM  MITRAGL.", 50},
};
// The three columns: rows 0..9 untitled, 10..17 the armour, 18..30 the armament.
constexpr int kArmourRow = 10;
constexpr int kArmamentRow = 18;
constexpr int kColumnWidth = 4200;
constexpr int kCaptionWidth = 2160;
constexpr int kValueWidth = 1860;
constexpr int kRowHeight = 300;
constexpr int kFirstRowTop = 540;
} // namespace

frmNaveClasse::frmNaveClasse() : Form(QStringLiteral("frmNaveClasse")) {
    setSize(3 * kColumnWidth + 240, kFirstRowTop + 13 * kRowHeight + 240);
    setFixedBorder(true);
    for (int i = 0; i < kClassCardRows; ++i) {
        const int column = i < kArmourRow ? 0 : i < kArmamentRow ? 1 : 2;
        const int row = i - (column == 0 ? 0 : column == 1 ? kArmourRow : kArmamentRow);
        const int left = 120 + column * kColumnWidth, top = kFirstRowTop + row * kRowHeight;
        Label& caption = Label2.add(i, *this, QStringLiteral("Label2"), QString::fromUtf8(kRows[i].caption));
        caption.move(left, top, kCaptionWidth, kRowHeight - 45);
        caption.setWordWrap(false);
        Label& value = Label1.add(i, *this, QStringLiteral("Label1"));
        value.move(left + kCaptionWidth + 60, top, kValueWidth, kRowHeight - 45);
        value.setBorderStyle(1);
        value.setAlignment(2);
        value.setBackColor(vbWhite);
        value.setWordWrap(false);
    }
    for (Label* title : {&Label3, &Label4}) {
        title->setFontBold(true);
        title->setAlignment(2);
    }
    Label3.move(120 + kColumnWidth, 150, kCaptionWidth + kValueWidth, 300);
    Label4.move(120 + 2 * kColumnWidth, 150, kCaptionWidth + kValueWidth, 300);
    const int bottom = kFirstRowTop + 13 * kRowHeight;
    Line1.setPoints(kColumnWidth + 60, 120, kColumnWidth + 60, bottom);
    Line2.setPoints(2 * kColumnWidth + 60, 120, 2 * kColumnWidth + 60, bottom);
}

int nationNumber(const QString& code) {
    static const char* const kCodes[] = {"IT", "DE", "GB", "RU", "US", "JP", "AU", "NL"};
    for (int n = 1; n <= 8; ++n)
        if (code == QLatin1String(kCodes[n - 1])) return n;
    return 0;
}

QString classCardPath(const recordformat::ShipRecord& ship) {
    namespace f = recordformat::ship;
    const Globals& g = G();
    const QString nation = g.NationNames[nationNumber(ship.text(f::NAZIONE))];
    return g.AppPath + QStringLiteral("\\NAVI\\") + nation + u'\\' + ship.trimmed(f::CLASSE) +
           ship.text(f::TIPO) + ship.text(f::ANNODATI) + QStringLiteral(".SNS");
}

QStringList classCardTexts(const ShipValues& card) {
    QStringList texts;
    for (const Row& r : kRows) {
        if (r.value > 0) {
            texts << card[r.value];
        } else {
            const double aa = leadingNumber(card[42]) + leadingNumber(card[45]) + leadingNumber(card[48]);
            texts << numberText(aa);
        }
    }
    return texts;
}

bool SchedaClasseNave() {
    namespace f = recordformat::ship;
    const Globals& g = G();
    const recordformat::ShipRecord& ship = g.ShipRecordBuffer;
    const QString path = classCardPath(ship);
    ShipValues card;
    try {
        card = readShipCard(path);
    } catch (const FileError&) {
        const QString name = path.section(u'\\', -1);
        setMessageLine((fileExists(path) ? QStringLiteral("SCHEDA CLASSE INCOMPLETA: ")
                                         : QStringLiteral("SCHEDA CLASSE NON TROVATA: ")) +
                       name);
        return false;
    }
    frmNaveClasse& w = form<frmNaveClasse>();
    w.setCaption(ship.trimmed(f::CLASSE) + QStringLiteral(" - ") + ship.text(f::TIPO) +
                 QStringLiteral("  (") + g.NationNames[nationNumber(ship.text(f::NAZIONE))] + u')');
    const QStringList texts = classCardTexts(card);
    for (int i = 0; i < kClassCardRows; ++i) w.Label1[i].setCaption(texts[i]);
    return true;
}
