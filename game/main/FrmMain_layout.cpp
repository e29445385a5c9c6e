// The main window's design: positions (twips), captions, tool-tips, states at load, colours and
// the pictures that its buttons and tool images carry.
#include "FrmMain.h"

#include "common/MapRoutines.h"
#include "common/Pictures.h"
#include "platform/Files.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <cmath>

using namespace platform;

namespace {
constexpr long kPanelBack = 0xE0E8E8; // light grey-green of the panels
constexpr long kPadRest = 0xFFFFC0;   // course pad at rest

// The panels at the left side start below the strip where the Allied groups enter from
// GIBILTERRA (map y 60..3720) and the marks drawn there, and end at the window's foot.
constexpr int kLeftTop = 4620;
constexpr int kLeftHeight = 6150;
constexpr int kLeftWidth = 3615;
constexpr int kNavalWidth = 3855; // the naval panel: a group's whole line beside the scroll bar
// Below the map, from the left: the course pad, the route plot, the naval contacts, the map
// overlays with the off-map bases, and above them the message line; the port orders and the
// choice of a group for a combat air patrol take the course pad's place in their modes.
constexpr int kStripTop = 8400;
constexpr int kPadLeft = 3915;

void hideAtLoad(Control& c) {
    c.setVisible(false);
}
void disable(Control& c) {
    c.setEnabled(false);
}
} // namespace

void FrmMain::buildLayout() {
    setCaption(QStringLiteral("Zeltwar WW2 Gioco :  "));
    setSize(18495, 10815);
    setBackColor(vbBlack);

    PicBitMap.move(0, 0, 18495, 10815);
    PicBitMap.setBackColor(0x604020);
    PicBitMap.setScale(0, 0, 15250, 6930);

    // 1. Unit card, over the Tyrrhenian Sea between CAGLIARI and NAPOLI.
    Frame11.move(3150, 0, 3495, 2535);
    hideAtLoad(Frame11);
    PicShip.move(240, 180, 3000, 1020);
    // Two rows of values, cells 0..7 and 8..16, each under its header line.
    Label2.move(60, 1230, 3375, 240);
    Label3.move(60, 1740, 3375, 240);
    for (int i = 0; i <= 16; ++i) {
        Label& cell = Label4.add(i, Frame11, QStringLiteral("Label4"));
        const bool first = i < 8;
        const int width = first ? 420 : 375;
        cell.move(60 + (first ? i : i - 8) * width, first ? 1470 : 1980, width, 240);
        cell.setBorderStyle(1);
        cell.setAlignment(2);
        cell.setBackColor(vbWhite);
        cell.setFontSize(7);
    }
    for (Label* header : {&Label2, &Label3}) {
        header->setWordWrap(false);
        header->setFontSize(7);
    }

    // 2. Help picture.
    Picture1.move(1200, 720, 11415, 8295);
    Picture1.setToolTipText(QStringLiteral("Un Click per chiudere Help"));
    hideAtLoad(Picture1);

    // 3. Naval contacts.
    Frame27.move(7305, kStripTop, 3615, 2295);
    hideAtLoad(Frame27);
    List9.move(60, 180, 2175, 1440);
    List9.setToolTipText(QStringLiteral("GN  avvistati/contattati"));
    // The course, the enemy group's classes (a few short lines) and the own group beside the list.
    Label82.move(2295, 180, 1260, 255);
    Label82.setToolTipText(QStringLiteral("ROTTA del GN nemico selezionato"));
    Label81.move(2295, 450, 1260, 780);
    Label84.move(2295, 1290, 840, 255);
    Label84.setToolTipText(QStringLiteral("GN amico sul Contatto selezionato"));
    Image28.move(3180, 1230, 360, 360);
    for (Control* c : std::initializer_list<Control*>{&List9, &Label82, &Label81, &Label84})
        c->setFontSize(7);
    Command19.move(60, 1680, 2175, 495);
    Command19.setToolTipText(QStringLiteral("Per attaccare il GN intercettato"));
    hideAtLoad(Command19);
    Command18.move(2295, 1680, 1260, 495);
    Command18.setToolTipText(QStringLiteral("Esce"));

    // 4. Nearby own naval groups.
    // Over the naval panel's group list, out of reach while a group is open, and clear of the
    // panel's buttons.
    Frame16.move(0, kLeftTop, kNavalWidth, 2580);
    hideAtLoad(Frame16);
    List7.move(60, 180, kNavalWidth - 120, 840);
    List7.setToolTipText(QStringLiteral("GN AMICI VICINI - Attivare GN con un click"));
    List6.move(60, 1080, kNavalWidth - 120, 840);
    Frame17.move(60, 1980, kNavalWidth - 120, 555);
    Image12.move(180, 150, 360, 360);
    Image12.setToolTipText(
        QStringLiteral("Crea Nuovo GN  (Costa 5 PAM x nave) Cliccare l'icona di nuovo GN poi doppio "
                       "click sulla nave Blue da trasferire al nuovo GN"));
    Image13.move(780, 150, 360, 360);
    Image13.setToolTipText(QStringLiteral(
        "Unisci due GN attivi (prima selezionare il GN ROSSO poi cliccare l'icona di unione)"));
    Image14.move(1380, 150, 360, 360);
    Image14.setToolTipText(QStringLiteral("Crea File GN.Txt "));
    Image15.move(1980, 150, 360, 360);
    Image15.setToolTipText(QStringLiteral(
        "(GN/Blu , lista sottto) AUTOAFFONDA NAVE (2/3 STL vanno al nemico) Dbl Click - IRREVERSIBILE "));
    Image16.move(2580, 150, 360, 360);
    Image16.setToolTipText(QStringLiteral(
        " Dbl Click - DARE/TOGLIERE ASSISTENZA/OPERATIVITA' alle navi in crisi del proprio GN  "));

    // 5. Map pop-up list.
    List12.move(8040, 720, 3495, 2430);
    List12.setToolTipText(QStringLiteral("Informazioni GN (o=oper.  i=inc. §=CAP  nn=TRN Rotta)"));
    hideAtLoad(List12);

    // 6. Naval group for a combat air patrol.
    Frame18.move(kPadLeft, kStripTop, 3615, 2295);
    hideAtLoad(Frame18);
    List11.move(60, 240, 3495, 1500);
    List11.setToolTipText(QStringLiteral("Sele zionare il GN da impegnare "));
    Command24.move(60, 1800, 1695, 405);
    Command24.setToolTipText(QStringLiteral("Per confermare il GN selezionato"));
    hideAtLoad(Command24);
    disable(Command24);
    Command25.move(1860, 1800, 1695, 405);
    Command25.setToolTipText(QStringLiteral("Cancella senza eseguire il comando"));

    // 7-9. Contact board, automatic boxes, hour button.
    Command23.move(13440, 2310, 1455, 375);
    Command23.setToolTipText(QStringLiteral("CONTROLLO CONTATTI E ATTACCO "));
    Check7.move(13950, 1800, 495, 495);
    Check7.setToolTipText(QStringLiteral("BOMB. NAVALE AUTO/MANUALE"));
    Check6.move(13440, 1800, 495, 495);
    Check6.setToolTipText(QStringLiteral("PATROL AUTO/MANUALE "));
    Check5.move(14460, 1800, 495, 495);
    Check5.setToolTipText(QStringLiteral("BOMB. AEREO AUTO/MANUALE"));
    Command22.move(7920, 0, 495, 495);
    Command22.setToolTipText(QStringLiteral("RUN TIME (assicurarsi che tutti abbiano mosso)"));

    // 10. Map overlays.
    Frame25.move(10980, 9480, 2295, 1215);
    hideAtLoad(Frame25);
    Command16.move(60, 180, 855, 375);
    Command16.setToolTipText(QStringLiteral("Reset MAPPA e Lista GN "));
    Label79.move(60, 660, 855, 315);
    Label79.setToolTipText(QStringLiteral("Numero Attivita"));
    Label79.setBorderStyle(1);
    Label79.setAlignment(2);
    Image30.move(1020, 300, 360, 360);
    Image30.setToolTipText(QStringLiteral("Raggio di EVV delle Basi  e ZONE BASSI FONDALI MARINI"));
    Image29.move(1440, 300, 360, 360);
    Image29.setToolTipText(QStringLiteral("Visualizza i Contatti e le attività dell' ultima Ora"));
    Image27.move(1860, 300, 360, 360);
    Image27.setToolTipText(
        QStringLiteral("Zone delle ultime 120 attività (rosso= ultima ora - il cerchio diminuisce "
                       "verso le attività più vecchie)"));

    // 11. Port orders.
    Frame21.move(kPadLeft, kStripTop, 3615, 1860);
    hideAtLoad(Frame21);
    Label6.move(60, 210, 3495, 255);
    const int portX[] = {120, 810, 1500, 2190, 2880};
    Image* portTools[] = {&Image20, &Image19, &Image21, &Image23, &Image22};
    for (int i = 0; i < 5; ++i) portTools[i]->move(portX[i], 510, 360, 360);
    Image20.setToolTipText(QStringLiteral("SCARICO (NB: le PT svuotano anche OP fino al 95% )"));
    Image19.setToolTipText(QStringLiteral("CARICO (solo stiva Cargo)"));
    Image21.setToolTipText(QStringLiteral("RIFORNIMENTO (NB: solo Operatività)"));
    Image23.setToolTipText(QStringLiteral("CANCELLA L'ORDINE"));
    Image22.setToolTipText(QStringLiteral("RIPARAZIONE DANNI LIEVI (in porto)"));
    Image24.move(120, 960, 360, 360);
    Image24.setToolTipText(QStringLiteral("(Doppio Click) DANNI IRREPARABILI -(La nave viene internata - non "
                                          "più disponibile - IRREVERSIBILE)"));
    Label68.move(60, 1470, 2820, 255);
    Label68.setWordWrap(false);
    Label68.setFontSize(7);
    Label69.move(2940, 1470, 615, 255);
    Label69.setToolTipText(QStringLiteral("Stima Approsimata"));
    Label69.setBorderStyle(1);
    Command15.move(600, 945, 2955, 405);

    // 12. Naval-group panel.
    Frame12.move(0, kLeftTop, kNavalWidth, kLeftHeight);
    hideAtLoad(Frame12);
    Frame14.move(60, 180, kNavalWidth - 120, 2355);
    List2.move(60, 180, kNavalWidth - 240, 1320);
    // A group's line with every mark ("GN 50 Nv 12 Kn 30/ 30 Op 153*<FERMO SS") beside the bar.
    List2.setFontSize(7);
    List2.setToolTipText(QStringLiteral("FOCUS su : GN - Gruppi Navali Attivi . Dbl Click Info Stack"));
    Label59.move(60, 1560, kNavalWidth - 240, 255);
    Label59.setToolTipText(
        QStringLiteral("GN selezionato - (ALLE * = fuori MAPPA - distanza in ore dalla base e dalla MAPPA)"));
    // One line: the off-map line ends with the hours to the map, which wrapping hid.
    Label59.setWordWrap(false);
    Label59.setFontSize(7);
    Combo6.move(60, 1920, 900, 315);
    Combo6.setToolTipText(QStringLiteral("Nodi di Gruppo, ATT: oltre 20Kn il consumo raddoppia "));
    Combo5.move(1020, 1920, kNavalWidth - 1200, 315);
    Combo5.setToolTipText(QStringLiteral("Ordine di Gruppo"));
    Command11.move(60, 2640, 1035, 375);
    Command12.move(1140, 2640, 1035, 375);
    disable(Command12);
    Option2.add(0, Frame12, QStringLiteral("Option2"), QStringLiteral("Altri")).move(2280, 2610, 1095, 225);
    Option2.add(1, Frame12, QStringLiteral("Option2"), QStringLiteral("Patrol")).move(2280, 2835, 1095, 225);
    Image7.move(60, 3120, 360, 360);
    Image7.setToolTipText(QStringLiteral("Plot Area Ricognitori"));
    Image8.move(480, 3120, 360, 360);
    Image9.move(900, 3120, 360, 360);
    Command27.move(1380, 3120, 1935, 375);
    Frame20.move(60, 3600, kNavalWidth - 120, 2430);
    hideAtLoad(Frame20);
    Image11.move(60, 180, 360, 360);
    Image11.setToolTipText(QStringLiteral("ATTRACCA LA NAVE SELEZIONATA IN PORTO"));
    Image18.move(480, 180, 360, 360);
    Image18.setToolTipText(QStringLiteral("Attiva Portaerei selezionata "));
    List5.move(60, 600, kNavalWidth - 240, 1455);
    List5.setToolTipText(QStringLiteral("GN AMICO ATTIVO (in esame)"));
    Label76.move(60, 2115, kNavalWidth - 240, 255);
    Label76.setToolTipText(QStringLiteral("navi nei porti (NaviPres/NaviMax) / click= SCHEDA NAVE"));

    // 13. Port side of the base panel.
    Frame7.move(0, kLeftTop, kLeftWidth, kLeftHeight);
    hideAtLoad(Frame7);
    Label45.move(60, 180, 3495, 255);
    Label45.setWordWrap(false);
    Label45.setFontSize(7);
    Image6.move(60, 480, 360, 360);
    Image3.move(480, 480, 360, 360);
    Label47.move(960, 540, 600, 255);
    Label46.move(1620, 540, 900, 255);
    Label46.setToolTipText(QStringLiteral("Punti sulla base"));
    Label35.move(2580, 540, 975, 255);
    Label35.setToolTipText(QStringLiteral("Navi Pres/Max Navi"));
    Command8.move(60, 960, 615, 375);
    Command8.setToolTipText(QStringLiteral("vai all'aeroporto"));
    Label5.move(720, 1020, 2175, 255);
    Label5.setToolTipText(QStringLiteral("indice nave - click=scheda Nave"));
    Image10.move(3060, 960, 360, 360);
    Image10.setToolTipText(QStringLiteral("Apre alle Manovre portuali"));
    List3.move(60, 1440, 3495, 1695);
    List3.setToolTipText(QStringLiteral("Doppio Click Conferma"));
    disable(List3);
    Label43.move(60, 3195, 3495, 255);
    List4.move(60, 3495, 3495, 1440);
    // "(GN:50) k:30-IL" and a whole ship's name.
    List4.setFontSize(7);
    disable(List4);
    Label44.move(60, 5055, 870, 255);
    Label56.move(960, 5055, 555, 255);
    Label56.setToolTipText(QStringLiteral("Crea un nuovo GN "));
    Label56.setBorderStyle(1);
    Label57.move(1620, 5055, 900, 255);
    Label58.move(2550, 5055, 555, 255);
    Label58.setBorderStyle(1);
    for (Label* l : {&Label44, &Label57}) l->setWordWrap(false);
    Command2.move(60, 5475, 3495, 495);
    Command2.setToolTipText(QStringLiteral("Ordina la partenza del GN appena formato "));
    disable(Command2);

    // 14. Course pad.
    Frame5.move(kPadLeft, kStripTop, 2295, 2295);
    hideAtLoad(Frame5);
    Combo7.move(60, 180, 2175, 315);
    Combo7.setToolTipText(QStringLiteral("Numero di TRN su questa rotta (TRN Rotta)"));
    // One line: " 24 Trn Rotta NORD-OVEST".
    Label60.move(60, 540, 2175, 255);
    Label60.setWordWrap(false);
    Label60.setFontSize(7);
    Label60.setToolTipText(
        QStringLiteral("Assegnano la ROTTA è facile perdere il FOCUS controllare sempre che l'ordine "
                       "si arecepito dal TUTOR"));
    struct Pad {
        Label* l;
        const char* tip;
    };
    const Pad pad[9] = {{&Label19, "Rotta Nord-Ovest"},
                        {&Label20, "Rotta Nord"},
                        {&Label21, "Rotta Nord Est"},
                        {&Label22, "Rotta Ovest"},
                        {&Label23, "Cancella Ordine Movimento"},
                        {&Label24, "Rotta Est"},
                        {&Label25, "Rotta Sud Ovest"},
                        {&Label26, "Rotta Sud"},
                        {&Label27, "Rotta Sud Est"}};
    for (int i = 0; i < 9; ++i) {
        pad[i].l->move(120 + (i % 3) * 705, 900 + (i / 3) * 450, 645, 405);
        pad[i].l->setToolTipText(QString::fromUtf8(pad[i].tip));
        pad[i].l->setBorderStyle(1);
        pad[i].l->setAlignment(2);
        pad[i].l->setBackColor(kPadRest);
        pad[i].l->setFontBold(true);
    }

    // 15. Air-base side of the base panel.
    Frame4.move(0, kLeftTop, kLeftWidth, kLeftHeight);
    hideAtLoad(Frame4);
    Label33.move(60, 180, 3495, 255);
    // The level icons and the damage under the words of the heading.
    Image2.move(60, 480, 360, 360);
    Image4.move(960, 480, 360, 360);
    Label37.move(1890, 540, 600, 255);
    Label37.setToolTipText(QStringLiteral("% Danni"));
    Command7.move(2940, 480, 615, 375);
    Command7.setToolTipText(QStringLiteral("Vai al Porto"));
    Label34.move(60, 900, 1695, 255);
    Label34.setToolTipText(QStringLiteral("Punti Comando"));
    Label36.move(1800, 900, 1755, 255);
    Label36.setToolTipText(QStringLiteral("Pronti/Volo/Max Aerei"));
    Label42.move(60, 1200, 3495, 255);
    Label* activation[] = {&Label38, &Label39, &Label40, &Label41};
    for (int i = 0; i < 4; ++i) {
        activation[i]->move(60 + i * 870, 1470, 840, 255);
        activation[i]->setBorderStyle(1);
        activation[i]->setAlignment(2);
    }
    Label38.setToolTipText(QStringLiteral("Percentuale Attivazione Aerei (varia secondo Metereologia)"));
    Label39.setToolTipText(QStringLiteral("Massimo Numero Aerei in in volo contemporaneamente"));
    Label40.setToolTipText(QStringLiteral("Tentativi Attivazione  FATTI/PERMESSI"));
    Label41.setToolTipText(QStringLiteral("Aerei di questa base in azione "));
    List1.move(60, 1800, 3495, 1395);
    // The whole name of the line (32 characters as stored) beside the count of its aircraft.
    Label52.move(60, 3255, 2670, 255);
    Label52.setWordWrap(false);
    Label52.setToolTipText(QStringLiteral("CLICK=REST MAPPA / Mostra scheda Aereo selezionato "));
    Label52.setBorderStyle(1);
    Label53.move(2790, 3255, 765, 255);
    Label53.setToolTipText(QStringLiteral("TOT AEREI /click=Radius Aerei/GN Amici/GN nemici avvistati"));
    Label53.setBorderStyle(1);
    Label49.move(60, 3555, 1695, 255);
    Label49.setToolTipText(QStringLiteral("  DADO %  - Rest ore12 e ore 24"));
    Label49.setForeColor(vbRed);
    Label49.setBorderStyle(1);
    disable(Label49);
    Label50.move(1800, 3555, 1755, 255);
    Label50.setToolTipText(QStringLiteral("Numero GA pronto al decollo / DOPPIO CLICK reset"));
    Label50.setBorderStyle(1);
    Frame10.move(60, 3915, 3495, 2115);
    disable(Frame10);
    Label51.move(60, 240, 3375, 255);
    // Each heading on one line over its inputs.
    for (Label* header : {&Label51, &Label55}) {
        header->setWordWrap(false);
        header->setFontSize(7);
    }
    Combo1.move(60, 540, 1035, 315);
    Combo2.move(1200, 540, 1035, 315);
    Combo2.setToolTipText(QStringLiteral("Massimo numero utile anti nave 4 (escluso Patrol)"));
    Combo3.move(2340, 540, 1035, 315);
    Combo3.setToolTipText(QStringLiteral("Massimo peso consentito anti nave 100"));
    Label55.move(60, 960, 3375, 255);
    Combo4.move(1200, 1260, 1035, 315);
    Combo4.setToolTipText(QStringLiteral("ATT: Ricognitori e Patrol  NO SILURI! "));
    Command1.move(60, 1620, 1035, 375);
    Label54.move(2340, 1290, 1035, 255);
    Label54.setToolTipText(QStringLiteral("TOTALE DEL PESO BELLICO (BOMBE)"));
    Label54.setBorderStyle(1);

    // 16. Off-map Allied bases.
    Frame2.move(13335, 10110, 555, 615);
    Frame2.setToolTipText(QStringLiteral("ALESSANDRIA"));
    hideAtLoad(Frame2);
    Label16.move(120, 180, 315, 315);
    Label16.setBackColor(vbYellow);
    Label16.setToolTipText(QStringLiteral("ALESSANDRIA"));
    Frame1.move(13335, 9480, 555, 615);
    Frame1.setToolTipText(QStringLiteral("GIBILTERRA"));
    hideAtLoad(Frame1);
    Label15.move(120, 180, 315, 315);
    Label15.setBackColor(vbYellow);
    Label15.setToolTipText(QStringLiteral("GIBILTERRA"));

    // 17. Route plot.
    Frame15.move(6270, 9120, 975, 1575);
    hideAtLoad(Frame15);
    Command13.move(60, 180, 405, 375);
    Command13.setToolTipText(QStringLiteral("Plot movimento del GN selezionato"));
    Command21.move(510, 180, 405, 375);
    Command21.setToolTipText(QStringLiteral("Plot movimento di tutti i GN "));
    Command14.move(60, 600, 855, 375);
    Command14.setToolTipText(QStringLiteral("Cancella Proiezione Movimento"));
    Label* swatches[] = {&Label61, &Label62, &Label63};
    // Green, magenta and the default white; the border marks the colour in force.
    const long swatchColours[] = {vbGreen, vbMagenta, vbWhite};
    for (int i = 0; i < 3; ++i) {
        swatches[i]->move(90 + i * 300, 1080, 225, 375);
        swatches[i]->setBackColor(swatchColours[i]);
        swatches[i]->setBorderStyle(i == 2 ? 1 : 0);
    }
    Label63.setToolTipText(QStringLiteral("Colore rotta default (e numero degli Stack)"));
    Line10.setPoints(345, 1050, 345, 1485);
    Line11.setPoints(645, 1050, 645, 1485);

    // 18. Progress bar.
    // Beside the hour button, clear of NAPOLI and TARANTO.
    ProgressBar1.move(8520, 120, 3510, 255);
    hideAtLoad(ProgressBar1);

    // 19. Air-group panel.
    Frame9.move(0, kLeftTop, kLeftWidth, kLeftHeight);
    hideAtLoad(Frame9);
    List8.move(60, 180, 3495, 960);
    List8.setToolTipText(QStringLiteral("AEREI IN VOLO"));
    Label89.move(60, 1200, 1695, 255);
    Label91.move(1800, 1200, 1755, 255);
    Label91.setToolTipText(QStringLiteral("BASE NEMICA BERSAGLIO "));
    const char* cellTips[13] = {"VELOCITA' (base Kh)",
                                "Aerei del GA:  Origine(Rimasti)",
                                "AEREI DANNEGGIATI",
                                "AEREI ABBATTUTI",
                                "TIPOLOGIA -/Click  Plot Ricognitori)",
                                "NUM.SILURI (xAereo)",
                                "NUM.BOMBE (xAereo)",
                                "TAGLIO BOMBE",
                                "FATTORE ATTACCO",
                                "FATTORE DIFESA",
                                "GIUDIZIO",
                                "RITARDO AL PRONTI (mm/TRN) - esprime le difficolta della BASE ",
                                "STRESS DA ATTIVITA (limite stress 13, test di rientro)"};
    for (int i = 0; i <= 12; ++i) {
        Label& cell = Label85.add(i, Frame9, QStringLiteral("Label85"));
        cell.move(60 + (i % 7) * 495, 1500 + (i / 7) * 285, 480, 255);
        cell.setFontSize(7);
        cell.setToolTipText(QString::fromUtf8(cellTips[i]));
        cell.setBorderStyle(1);
        cell.setAlignment(2);
        cell.setBackColor(vbWhite);
    }
    Label* flight[] = {&Label96, &Label97, &Label98, &Label99};
    for (int i = 0; i < 4; ++i) {
        flight[i]->move(60 + i * 870, 2100, 840, 255);
        flight[i]->setBorderStyle(1);
        flight[i]->setAlignment(2);
    }
    Label96.setToolTipText(
        QStringLiteral("INCREMENTO PERCENTUALE DI SCOPERTA NEMICO  (mx 15)/TRN  DI VOLO VERSO IL "
                       "BERSAGLIO (incluso Ritardo al pronti) "));
    Label97.setToolTipText(
        QStringLiteral("% (base)STIMATA DI INTERCETTAZIONE  (giorno/notte) - (Atmo escluse)"));
    Label98.setToolTipText(QStringLiteral("VELOCITA' IN TWEEP per TRN"));
    Label99.setToolTipText(QStringLiteral("NUMERO AEREI IN AZIONE (CAP-PATROL-INT.ATT.-BOMB)"));
    Command28.move(60, 2415, 375, 315);
    Command28.setToolTipText(QStringLiteral("Inserisci AEREI Danneggiati"));
    Command29.move(480, 2415, 375, 315);
    Command29.setToolTipText(QStringLiteral("Inserisci AEREI Abbattuti"));
    // The five filters in two rows, the first beside the loss buttons.
    const char* filters[5] = {"TUTTI", "IntAtt", "RiPaCp", "DecRie", "Stres"};
    const QRect filterSpot[5] = {{930, 2445, 960, 255},
                                 {1950, 2445, 960, 255},
                                 {60, 2760, 1080, 255},
                                 {1200, 2760, 1080, 255},
                                 {2340, 2760, 1080, 255}};
    for (int i = 0; i < 5; ++i) {
        OptionButton& o = Option1.add(i, Frame9, QStringLiteral("Option1"), QString::fromUtf8(filters[i]));
        const QRect& r = filterSpot[i];
        o.move(r.x(), r.y(), r.width(), r.height());
    }
    Option1[0].setValue(true);
    Combo8.move(60, 3075, 3495, 315);
    Combo8.setToolTipText(
        QStringLiteral("ORDINE Operativo (Solo RIENTRO può essere assegnati a GA in missione)"));
    disable(Combo8);
    Command20.move(60, 3435, 3495, 435);
    Command20.setToolTipText(
        QStringLiteral("CONFERMA L'ORDINE - vale l'ultimo valore inserito (GRAFICO/SELEZIONATO)"));
    hideAtLoad(Command20);
    Check1.move(60, 3930, 1695, 255);
    Check1.setToolTipText(QStringLiteral("Raggio di azione del GA "));
    Check2.move(1800, 3930, 1695, 255);
    Check2.setToolTipText(QStringLiteral("Mostra i propri GN attivi / Ultime Attività"));
    Check3.move(60, 4200, 1695, 255);
    Check4.move(1800, 4200, 1695, 255);
    List10.move(60, 4515, 3495, 840);
    List10.setToolTipText(QStringLiteral("Formazioni Nemiche avvistate"));
    Label88.move(60, 5415, 2535, 255);
    Label88.setToolTipText(QStringLiteral("Rotta GN Nemico"));
    Image31.move(2700, 5385, 360, 360);
    Image31.setToolTipText(QStringLiteral("GN include navi con incendi attivi "));
    Label86.move(60, 5775, 3495, 255);

    // 21. Main-menu button, east of TOBRUCK, under the side panel.
    Command17.move(15180, 7800, 1815, 975);
    Command17.setToolTipText(QStringLiteral("MENU PRINCIPALE"));
    Command17.setFontSize(7);

    // 20. Side panel, east of TOBRUCK.
    Frame3.move(15000, 7440, 2175, 3255);
    hideAtLoad(Frame3);
    Image5.move(120, 180, 480, 480);
    Image32.move(600, 180, 480, 480);
    Command4.move(1140, 180, 915, 435);
    Command4.setToolTipText(QStringLiteral("Resetta la mappa e conferma gli ordini"));
    Frame8.move(60, 720, 2055, 1095);
    Command5.move(60, 240, 1935, 360);
    Command6.move(60, 660, 1935, 360);
    Command5.setToolTipText(QStringLiteral("allontanare il nemico dal monitor"));
    Command6.setToolTipText(QStringLiteral("allontanare il nemico dal monitor"));
    Frame13.move(60, 1860, 2055, 1335);
    disable(Frame13);
    Command10.move(60, 240, 1935, 315);
    Command3.move(60, 600, 1935, 315);
    Command9.move(60, 960, 1935, 315);

    // 22. Weather details.
    // Beside the clock: the air panel shows both.
    Frame24.move(15300, 0, 2295, 1695);
    hideAtLoad(Frame24);
    Image17.move(120, 240, 480, 480);
    Image17.setToolTipText(QStringLiteral("Nascondi Meteo"));
    Image25.move(840, 240, 480, 480);
    Image26.move(1560, 240, 480, 480);
    Label73.move(60, 780, 2175, 255);
    Label74.move(60, 1050, 2175, 255);
    Label75.move(60, 1320, 2175, 255);
    for (Label* l : {&Label73, &Label74, &Label75}) {
        l->setWordWrap(false);
        l->setFontSize(7);
    }

    // 23. Clock.
    Frame6.move(13200, 0, 2055, 1695);
    Image1.move(120, 180, 480, 480);
    Image1.setToolTipText(QStringLiteral("Mostra Meteo"));
    Label32.move(660, 270, 1365, 375);
    Label32.setFontBold(true);
    Label32.setFontSize(7);
    Label32.setWordWrap(false);
    Label28.move(30, 780, 1995, 255);
    Label28.setFontSize(7);
    Label28.setWordWrap(false);
    Label29.move(60, 1080, 555, 375);
    Label29.setToolTipText(QStringLiteral("Mostra attività ultima ora/ dbl clik ultime 120 attività"));
    Label30.move(720, 1080, 555, 375);
    Label30.setToolTipText(QStringLiteral("ORA SCOCCATA"));
    Label31.move(1320, 1080, 675, 375);
    Label31.setToolTipText(QStringLiteral("GIORNI  PASSATI/GIORNI RESTANTI"));
    for (Label* l : {&Label29, &Label30, &Label31}) {
        l->setBorderStyle(1);
        l->setAlignment(2);
        l->setBackColor(vbBlack);
        l->setForeColor(vbGreen);
        l->setFontBold(true);
    }

    // 24. Status marks.
    Label95.move(12120, 0, 495, 615);
    Label95.setToolTipText(QStringLiteral("Gestine Navi e Mine (doppio Click)"));
    Label95.setWordWrap(true);
    Label95.setBackColor(vbCyan);
    hideAtLoad(Label95);
    Label87.move(12600, 0, 120, 495);
    Label87.setBackColor(vbYellow);
    Label87.setToolTipText(QStringLiteral("AVVISTAMENTO O CONTATTO!!!"));
    hideAtLoad(Label87);
    Label80.move(12720, 0, 240, 495);
    Label80.setBackColor(vbRed);
    Label80.setToolTipText(QStringLiteral("GN FERMO"));
    hideAtLoad(Label80);
    Label18.move(12120, 615, 240, 240);
    Label18.setBackColor(vbMagenta);
    Label18.setToolTipText(QStringLiteral("GN Colpito da Mine"));
    hideAtLoad(Label18);
    Label101.move(12360, 615, 240, 240);
    Label101.setBackColor(vbCyan);
    Label101.setToolTipText(QStringLiteral("RIENTRO AEREI "));
    hideAtLoad(Label101);
    Label64.move(12600, 615, 360, 240);
    Label64.setBackColor(vbBlack);
    Label64.setToolTipText(QStringLiteral("Navi Affondate nell'ultima ora"));

    // 25-27. Report line, message line, coordinates.
    Label83.move(7800, 8880, 3165, 225);
    Label83.setBackStyle(0);
    Label83.setFontBold(true);
    // The hover label lies under the panels and lists, as labels lay under windowed controls.
    Label83.widget()->lower();
    // Room for four lines: the longest hints run to a hundred characters.
    Label17.move(10980, 8430, 3960, 990);
    Label17.setForeColor(vbRed);
    Label17.setBackColor(vbWhite);
    Label17.setBorderStyle(1);
    Label17.setWordWrap(true);
    Label17.setToolTipText(QStringLiteral("Click/DblClick - Campi Minati"));
    // Wide enough for a point of the map with its fractions ("15249.99:6929.999"), under the hour
    // button; empty until the pointer moves over the map.
    Label1.move(7560, 510, 1815, 255);
    Label1.setCaption(QString());
    Label1.setToolTipText(QStringLiteral("X,Y/click=dado centesimale"));
    Label1.setBackColor(vbWhite);
    Label1.setBorderStyle(1);
    Label1.setAlignment(2);

    // The unit card shows over whatever list it was opened from (the pop-up list puts it at its
    // own place).
    Frame11.widget()->raise();
    // The level icons keep their place whatever the size of their pictures.
    for (Image* i : {&Image2, &Image3, &Image4, &Image6, &Image10}) i->setStretch(true);

    // Panels and their captions in the panel colour.
    for (Frame* f : {&Frame11, &Frame27, &Frame16, &Frame18, &Frame25, &Frame21, &Frame12, &Frame7, &Frame5,
                     &Frame4, &Frame15, &Frame9, &Frame24, &Frame6})
        f->setBackColor(kPanelBack);

    // Menus disabled at load.
    MnAcqTaranto.setEnabled(false);
    MnAcqGibilterra.setEnabled(false);
    MnUtilSuper.setEnabled(false);

    loadDesignPictures();
    for (Control* c : PicBitMap.children()) designSpots_.emplace_back(c, QPoint(c->left(), c->top()));
}

void FrmMain::Form_Resize() {
    // The map grows with the window's width only as far as the strip of panels under it moves
    // down: a window wider than that leaves a band at its right rather than draw the map's south,
    // and its bases, under the strip.
    const int height = std::max(clientHeight(), kDesignHeight);
    const int widest = int(kDesignWidth * (1.0 + double(height - kDesignHeight) / kStripTop));
    PicBitMap.move(0, 0, std::max(kDesignWidth, std::min(clientWidth(), widest)), height);
    for (const auto& [c, spot] : designSpots_) placeScaled(*c, spot);
}

double FrmMain::twipsPerMapUnit() const {
    // The picture is painted from the top left keeping its proportions.
    const QImage& img = PicBitMap.image();
    if (img.isNull()) return double(PicBitMap.width()) / kMapWidth;
    const double k =
        std::min(double(PicBitMap.width()) / img.width(), double(PicBitMap.height()) / img.height());
    return k * img.width() / kMapWidth;
}

double FrmMain::designTwipsPerMapUnit() const {
    const QImage& img = PicBitMap.image();
    if (img.isNull()) return double(kDesignWidth) / kMapWidth;
    const double k = std::min(double(kDesignWidth) / img.width(), double(kDesignHeight) / img.height());
    return k * img.width() / kMapWidth;
}

void FrmMain::placeScaled(Control& c, QPoint spot) {
    // Never smaller than at the design size: the picture box does not shrink below it.
    const double s = std::max(1.0, twipsPerMapUnit() / designTwipsPerMapUnit());
    const int x = int(std::lround(spot.x() * s)), y = int(std::lround(spot.y() * s));
    // The unit card, the pop-up list and the hover label stand where the player points, as near
    // as the window's edges let them.
    if (&c == &Frame11 || &c == &List12 || &c == &Label83) {
        c.move(std::min(x, std::max(spot.x(), PicBitMap.width() - c.width())),
               std::min(y, std::max(spot.y(), PicBitMap.height() - c.height())));
        return;
    }
    // The panels follow the map as it grows, but no further than the room the window has beyond
    // its design size: two panels apart at the design size stay apart, and each stays whole.
    c.move(std::min(x, spot.x() + std::max(0, PicBitMap.width() - kDesignWidth)),
           std::min(y, spot.y() + std::max(0, PicBitMap.height() - kDesignHeight)));
}

void FrmMain::placeOnMap(Control& c, double x, double y) {
    const double k = designTwipsPerMapUnit();
    const QPoint spot(int(std::lround(x * k)), int(std::lround(y * k)));
    for (auto& [control, at] : designSpots_)
        if (control == &c) at = spot;
    placeScaled(c, spot);
}

void FrmMain::loadDesignPictures() {
    // The pictures of the window's design; a missing one leaves the control blank.
    const QString folder = appFolder() + QStringLiteral("\\Ico\\FrmMain\\");
    auto pic = [&](const char* name) { return designPicture(folder + QString::fromUtf8(name) + ".png"); };
    Command22.setPicture(pic("Ora"));
    Command23.setPicture(pic("Contatti"));
    Check7.setGraphical(pic("AutoBombNavale"));
    Check6.setGraphical(pic("AutoPatrol"));
    Check5.setGraphical(pic("AutoBombAereo"));
    Command17.setPicture(pic("MenuPrincipale"));
    PicShip.setPicture(pic("SchedaNave"));
    struct Tool {
        Image* image;
        const char* name;
    };
    const Tool tools[] = {
        {&Image12, "NuovoGN"},        {&Image13, "UnisciGN"},     {&Image14, "FileGN"},
        {&Image15, "Autoaffonda"},    {&Image16, "Assistenza"},   {&Image20, "Scarico"},
        {&Image19, "Carico"},         {&Image21, "Rifornimento"}, {&Image23, "Annulla"},
        {&Image22, "Riparazione"},    {&Image24, "Irreparabile"}, {&Image10, "ManovrePortuali"},
        {&Image11, "Attracca"},       {&Image18, "Portaerei"},    {&Image6, "Base"},
        {&Image3, "ManovrePortuali"}, {&Image2, "Base"},          {&Image4, "Aeroporto"},
        {&Image30, "Fondali"},        {&Image29, "VediContatti"}, {&Image27, "Attivita"},
        {&Image28, "Bersaglio"},      {&Image31, "Incendi"}};
    for (const Tool& t : tools) t.image->setPicture(pic(t.name));
}
