#include "FrmMission.h"

#include "Objectives.h"
#include "SidePictures.h"
#include "common/Globals.h"

using namespace platform;
using namespace objectives;

namespace {
// The column headings, the scores' names and the lost ships' heading of each side's frame.
const char* const kHeadings[9] = {"Obbiettivo",          "Attuale",
                                  "Punti Mezzi Usati",   "Punti Aerei Persi",
                                  "Stazza Guerra Perse", "Stazza Merc. Perse",
                                  "Cargo/Operat. Persa", "Indice Negativo",
                                  "Navi perse"};
const std::array<const char*, 6> kAlliedTips = {
    "Punti Mezzi Usati",
    "TOTALE PUNTI AEREI PERSI",
    "TOT STAZZA STD NAVI DA GUERRA PERSE",
    "TOTALE STAZZA STD NAVI MERC.PERSE",
    "mom escluso    CARGO/OPERATIVITA' PERSA SU NAVI AFFONDATE, BOMB. BASI ECC.",
    "> INDICE NEGATIVO<  ( Perdite aere in rapporto ai punti usati)"};
const std::array<const char*, 6> kAxisTips = {
    "Punti Mezzi Usati",
    "TOTALE PUNTI AEREI PERSI",
    "TOT STAZZA STD NAVI DA GUERRA PERSE",
    "TOTALE STAZZA STD NAVI MERC.PERSE",
    "mom esculo   CARGO/OPERATIVITA' PERSA SU NAVI AFFONDATE,BOMB. BASI ECC.",
    "> INDICE NEGATIVO <   ( Perdite aere in rapporto ai punti usati)"};
constexpr long kSkyBlue = 0xFFCC66;
constexpr int kFrameWidth = 6480;
} // namespace

FrmMission::FrmMission() : Form("FrmMission") {
    setCaption("Missioni e Punteggi");
    setSize(13320, 7680);
    setFixedBorder(true);

    Frame1.move(120, 120, kFrameWidth, 6720);
    Frame2.move(240 + kFrameWidth, 120, kFrameWidth, 6720);
    layOut(side(kAllies), kAlliedTips);
    layOut(side(kAxis), kAxisTips);

    Label7.move(120, 6960, 13080, 600);
    Label7.setWordWrap(true);
    Label7.setFontBold(true);
    Label7.setCaption(
        "Vince chi raggiunge tutti gli obiettivi (4 verdi accesi). O al termine della Campagna chi "
        "ne ha di più. In caso di  parità vince chi ha un   >INDICE NEGATIVO<    inferiore  (vedi "
        "sopra numero celeste)");
}

FrmMission::SideControls FrmMission::side(int s) {
    if (s == kAxis)
        return {Frame2,
                Label2,
                Label3,
                Label4,
                {&Label9, &Label11, &Label13, &Label15, &Label17, &Label19},
                List2,
                AxisHeadings,
                {"Label2", "Label3", "Label4"}};
    return {Frame1,
            Label1,
            Label5,
            Label6,
            {&Label8, &Label10, &Label12, &Label14, &Label16, &Label18},
            List1,
            AlliedHeadings,
            {"Label1", "Label5", "Label6"}};
}

void FrmMission::layOut(const SideControls& c, const std::array<const char*, 6>& tips) {
    for (int i = 0; i < 2; ++i)
        c.headings.add(i, c.frame, "Headings", kHeadings[i]).move(3960 + 1200 * i, 300, 1140, 255);
    for (int i = 0; i < 4; ++i) {
        const int y = 600 + 390 * i;
        c.captions.add(i, c.frame, c.names[0]).move(120, y, 3720, 330);
        c.captions[i].setFontBold(true);
        c.targets.add(i, c.frame, c.names[1]).move(3960, y, 1140, 330);
        c.present.add(i, c.frame, c.names[2]).move(5160, y, 1140, 330);
        c.targets[i].setToolTipText("Obbiettivo");
        c.present[i].setToolTipText("Attuale");
        for (Label* l : {&c.targets[i], &c.present[i]}) styleValue(*l);
    }
    for (int i = 0; i < 6; ++i) {
        const int x = 120 + 3240 * (i / 3);
        const int y = 2340 + 390 * (i % 3);
        c.headings.add(2 + i, c.frame, "Headings", kHeadings[2 + i]).move(x, y + 45, 1980, 255);
        c.scores[i]->move(x + 2040, y, 1020, 330);
        styleValue(*c.scores[i]);
        for (Label* l : {&c.headings[2 + i], c.scores[i]}) l->setToolTipText(tips[i]);
    }
    c.scores[NegativeIndex]->setBackColor(kSkyBlue);
    c.headings.add(8, c.frame, "Headings", kHeadings[8]).move(120, 3600, 3000, 255);
    c.lost.move(120, 3870, kFrameWidth - 240, 2730);
    c.lost.setFontName("Courier");
    c.lost.setToolTipText("TUTTE LE NAVI PERSE");
}

void FrmMission::Form_Load() {
    G().Files.closeAll();
    MostraObiettivi();
    ColoraObiettivi();
    ListaNaviPerse();
}

void FrmMission::MostraObiettivi() {
    for (int s : {kAllies, kAxis}) {
        const SideControls c = side(s);
        const Standing standing = sideStanding(s);
        for (int i = 0; i < 4; ++i) {
            c.captions[i].setCaption(standing.objectives[i].caption);
            c.targets[i].setCaption(standing.objectives[i].target);
            c.present[i].setCaption(standing.objectives[i].present);
        }
        for (int k = 0; k < kScores; ++k) c.scores[k]->setCaption(standing.scores[k]);
    }
}

void FrmMission::ColoraObiettivi() {
    for (int s : {kAllies, kAxis}) {
        const SideControls c = side(s);
        for (int i = 0; i < 4; ++i) {
            const bool met = objectiveMet(s, i, c.targets[i].caption(), c.present[i].caption());
            c.captions[i].setBackColor(met ? vbGreen : vbRed);
            // Black on this red is hard to read; white is not.
            c.captions[i].setForeColor(met ? vbBlack : vbWhite);
        }
    }
}

void FrmMission::ListaNaviPerse() {
    for (int s : {kAllies, kAxis}) {
        ListBox& list = side(s).lost;
        list.clear();
        for (const QString& line : lostShipLines(s)) list.addItem(line);
    }
}
