// The main window's design: the table of its controls (positions in twips, captions, tool-tips,
// states at load, handlers), their look and the pictures that its buttons and tool images carry;
// then the map and its panels as the window grows.
#include "FrmMain.h"

#include "common/MapRoutines.h"
#include "common/Pictures.h"
#include "platform/Files.h"

#include <QImage>
#include <QWidget>

#include <algorithm>
#include <cmath>

using namespace platform;

namespace {
constexpr long kPanelBack = 0xE0E8E8; // light grey-green of the panels
constexpr long kPadRest = 0xFFFFC0;   // course pad at rest
// The top of the strip under the map (the panels' rows at 8400 in the table).
constexpr int kStripTop = 8400;
// How much wider than its proportions the map is drawn, at the most, across a wide window.
constexpr double kMostStretch = 1.125;

// A framed value, centred on white in the small font.
void valueCell(Label& l) {
    l.setBorderStyle(1);
    l.setAlignment(2);
    l.setBackColor(vbWhite);
    l.setFontSize(7);
}
} // namespace

// The panels at the left side (the naval, base and air panels) start below the strip where the
// Allied groups enter from GIBILTERRA (map y 60..3720) and the marks drawn there, at 4620, and end
// at the window's foot. Below the map, from the left: the course pad, the route plot, the naval
// contacts, the map overlays with the off-map bases, and above them the message line; the port
// orders and the choice of a group for a combat air patrol take the course pad's place in their
// modes.
const platform::Layout<FrmMain>& FrmMain::layout() {
    using enum Kind;
    using enum On;
    static const Layout<FrmMain> rows = {
        // clang-format off
        // kind        name            container      left    top  width  height  caption, tool-tip, state at load, events
        {Picture,      "PicBitMap",    "",              0,     0, 18495,  10815, "", "", Visible, {{Click, &FrmMain::PicBitMap_Click}, {DblClick, &FrmMain::PicBitMap_DblClick}, {MouseDown, &FrmMain::PicBitMap_MouseDown}, {MouseMove, &FrmMain::PicBitMap_MouseMove}}},
        // 1. Unit card, over the Tyrrhenian Sea between CAGLIARI and NAPOLI: two rows of values,
        // cells 0..7 and 8..16, each under its header line.
        {Frame,        "Frame11",      "PicBitMap",  3150,     0,  3495,   2535, "", "", Hidden},
        {Picture,      "PicShip",      "Frame11",     240,   180,  3000,   1020, "", "", Visible, {{Click, &FrmMain::PicShip_Click}}},
        {Label,        "Label2",       "Frame11",      60,  1230,  3375,    240, "", "", Visible},
        {Label,        "Label3",       "Frame11",      60,  1740,  3375,    240, "", "", Visible},
        {Label,        "Label4(0)",    "Frame11",      60,  1470,   420,    240, "", "", Visible},
        {Label,        "Label4(1)",    "Frame11",     480,  1470,   420,    240, "", "", Visible},
        {Label,        "Label4(2)",    "Frame11",     900,  1470,   420,    240, "", "", Visible},
        {Label,        "Label4(3)",    "Frame11",    1320,  1470,   420,    240, "", "", Visible},
        {Label,        "Label4(4)",    "Frame11",    1740,  1470,   420,    240, "", "", Visible},
        {Label,        "Label4(5)",    "Frame11",    2160,  1470,   420,    240, "", "", Visible},
        {Label,        "Label4(6)",    "Frame11",    2580,  1470,   420,    240, "", "", Visible},
        {Label,        "Label4(7)",    "Frame11",    3000,  1470,   420,    240, "", "", Visible},
        {Label,        "Label4(8)",    "Frame11",      60,  1980,   375,    240, "", "", Visible},
        {Label,        "Label4(9)",    "Frame11",     435,  1980,   375,    240, "", "", Visible},
        {Label,        "Label4(10)",   "Frame11",     810,  1980,   375,    240, "", "", Visible},
        {Label,        "Label4(11)",   "Frame11",    1185,  1980,   375,    240, "", "", Visible},
        {Label,        "Label4(12)",   "Frame11",    1560,  1980,   375,    240, "", "", Visible},
        {Label,        "Label4(13)",   "Frame11",    1935,  1980,   375,    240, "", "", Visible},
        {Label,        "Label4(14)",   "Frame11",    2310,  1980,   375,    240, "", "", Visible},
        {Label,        "Label4(15)",   "Frame11",    2685,  1980,   375,    240, "", "", Visible},
        {Label,        "Label4(16)",   "Frame11",    3060,  1980,   375,    240, "", "", Visible},
        // 2. Help picture.
        {Picture,      "Picture1",     "PicBitMap",  1200,   720, 11415,   8295, "", "Un Click per chiudere Help", Hidden, {{Click, &FrmMain::Picture1_Click}}},
        // 3. Naval contacts: beside the list the course, the enemy group's classes and the own group.
        {Frame,        "Frame27",      "PicBitMap",  7305,  8400,  3615,   2295, "", "", Hidden},
        {List,         "List9",        "Frame27",      60,   180,  2175,   1440, "", "GN  avvistati/contattati", Visible, {{Click, &FrmMain::List9_Click}}},
        {Label,        "Label82",      "Frame27",    2295,   180,  1260,    255, "", "ROTTA del GN nemico selezionato", Visible},
        {Label,        "Label81",      "Frame27",    2295,   450,  1260,    780, "", "", Visible},
        {Label,        "Label84",      "Frame27",    2295,  1290,   840,    255, "", "GN amico sul Contatto selezionato", Visible},
        {Image,        "Image28",      "Frame27",    3180,  1230,   360,    360, "", "", Visible},
        {Button,       "Command19",    "Frame27",      60,  1680,  2175,    495, "ATTACCA con &GN:", "Per attaccare il GN intercettato", Hidden, {{Click, &FrmMain::Command19_Click}}},
        {Button,       "Command18",    "Frame27",    2295,  1680,  1260,    495, "C&HIUDI", "Esce", Visible, {{Click, &FrmMain::Command18_Click}}},
        // 4. Nearby own naval groups: over the naval panel's group list, out of reach while a group is
        // open, and clear of the panel's buttons.
        {Frame,        "Frame16",      "PicBitMap",     0,  4620,  3855,   2580, "", "", Hidden},
        {List,         "List7",        "Frame16",      60,   180,  3735,    840, "", "GN AMICI VICINI - Attivare GN con un click", Visible, {{Click, &FrmMain::List7_Click}}},
        {List,         "List6",        "Frame16",      60,  1080,  3735,    840, "", "", Visible, {{Click, &FrmMain::List6_Click}}},
        {Frame,        "Frame17",      "Frame16",      60,  1980,  3735,    555, "", "", Visible},
        {Image,        "Image12",      "Frame17",     180,   150,   360,    360, "", "Crea Nuovo GN  (Costa 5 PAM x nave) Cliccare l'icona di nuovo GN poi doppio click sulla nave Blue da trasferire al nuovo GN", Visible, {{Click, &FrmMain::Image12_Click}}},
        {Image,        "Image13",      "Frame17",     780,   150,   360,    360, "", "Unisci due GN attivi (prima selezionare il GN ROSSO poi cliccare l'icona di unione)", Visible, {{Click, &FrmMain::Image13_Click}}},
        {Image,        "Image14",      "Frame17",    1380,   150,   360,    360, "", "Crea File GN.Txt ", Visible, {{Click, &FrmMain::Image14_Click}}},
        {Image,        "Image15",      "Frame17",    1980,   150,   360,    360, "", "(GN/Blu , lista sottto) AUTOAFFONDA NAVE (2/3 STL vanno al nemico) Dbl Click - IRREVERSIBILE ", Visible, {{Click, &FrmMain::Image15_Click}, {DblClick, &FrmMain::Image15_DblClick}}},
        {Image,        "Image16",      "Frame17",    2580,   150,   360,    360, "", " Dbl Click - DARE/TOGLIERE ASSISTENZA/OPERATIVITA' alle navi in crisi del proprio GN  ", Visible, {{Click, &FrmMain::Image16_Click}, {DblClick, &FrmMain::Image16_DblClick}}},
        // 5. Map pop-up list.
        {List,         "List12",       "PicBitMap",  8040,   720,  3495,   2430, "", "Informazioni GN (o=oper.  i=inc. §=CAP  nn=TRN Rotta)", Hidden, {{Click, &FrmMain::List12_Click}, {DblClick, &FrmMain::List12_DblClick}}},
        // 6. Naval group for a combat air patrol.
        {Frame,        "Frame18",      "PicBitMap",  3915,  8400,  3615,   2295, "Seleziona  GN per questa CAP", "", Hidden},
        {List,         "List11",       "Frame18",      60,   240,  3495,   1500, "", "Sele zionare il GN da impegnare ", Visible, {{Click, &FrmMain::List11_Click}}},
        {Button,       "Command24",    "Frame18",      60,  1800,  1695,    405, "Esegui Ordine", "Per confermare il GN selezionato", HiddenDisabled, {{Click, &FrmMain::Command24_Click}}},
        {Button,       "Command25",    "Frame18",    1860,  1800,  1695,    405, "Annulla", "Cancella senza eseguire il comando", Visible, {{Click, &FrmMain::Command25_Click}}},
        // 7-9. Contact board, automatic boxes, hour button.
        {Button,       "Command23",    "PicBitMap", 13440,  2310,  1455,    375, "", "CONTROLLO CONTATTI E ATTACCO ", Visible, {{Click, &FrmMain::Command23_Click}}},
        {Check,        "Check7",       "PicBitMap", 13950,  1800,   495,    495, "", "BOMB. NAVALE AUTO/MANUALE", Visible, {{Click, &FrmMain::Check7_Click}}},
        {Check,        "Check6",       "PicBitMap", 13440,  1800,   495,    495, "", "PATROL AUTO/MANUALE ", Visible, {{Click, &FrmMain::Check6_Click}}},
        {Check,        "Check5",       "PicBitMap", 14460,  1800,   495,    495, "", "BOMB. AEREO AUTO/MANUALE", Visible, {{Click, &FrmMain::Check5_Click}}},
        {Button,       "Command22",    "PicBitMap",  7920,     0,   495,    495, "", "RUN TIME (assicurarsi che tutti abbiano mosso)", Visible, {{Click, &FrmMain::Command22_Click}, {MouseDown, &FrmMain::Command22_MouseDown}}},
        // 10. Map overlays.
        {Frame,        "Frame25",      "PicBitMap", 10980,  9480,  2295,   1215, "", "", Hidden},
        {Button,       "Command16",    "Frame25",      60,   180,   855,    375, "&reset>", "Reset MAPPA e Lista GN ", Visible, {{Click, &FrmMain::Command16_Click}}},
        {Label,        "Label79",      "Frame25",      60,   660,   855,    315, "", "Numero Attivita", Visible},
        {Image,        "Image30",      "Frame25",    1020,   300,   360,    360, "", "Raggio di EVV delle Basi  e ZONE BASSI FONDALI MARINI", Visible, {{Click, &FrmMain::Image30_Click}}},
        {Image,        "Image29",      "Frame25",    1440,   300,   360,    360, "", "Visualizza i Contatti e le attività dell' ultima Ora", Visible, {{Click, &FrmMain::Image29_Click}}},
        {Image,        "Image27",      "Frame25",    1860,   300,   360,    360, "", "Zone delle ultime 120 attività (rosso= ultima ora - il cerchio diminuisce verso le attività più vecchie)", Visible, {{Click, &FrmMain::Image27_Click}}},
        // 11. Port orders.
        {Frame,        "Frame21",      "PicBitMap",  3915,  8400,  3615,   1860, "Manovre Portuali", "", Hidden},
        {Label,        "Label6",       "Frame21",      60,   210,  3495,    255, "scarico carico refuel   reset     cantiere", "", Visible},
        {Image,        "Image20",      "Frame21",     120,   510,   360,    360, "", "SCARICO (NB: le PT svuotano anche OP fino al 95% )", Visible, {{Click, &FrmMain::Image20_Click}}},
        {Image,        "Image19",      "Frame21",     810,   510,   360,    360, "", "CARICO (solo stiva Cargo)", Visible, {{Click, &FrmMain::Image19_Click}}},
        {Image,        "Image21",      "Frame21",    1500,   510,   360,    360, "", "RIFORNIMENTO (NB: solo Operatività)", Visible, {{Click, &FrmMain::Image21_Click}}},
        {Image,        "Image23",      "Frame21",    2190,   510,   360,    360, "", "CANCELLA L'ORDINE", Visible, {{Click, &FrmMain::Image23_Click}}},
        {Image,        "Image22",      "Frame21",    2880,   510,   360,    360, "", "RIPARAZIONE DANNI LIEVI (in porto)", Visible, {{Click, &FrmMain::Image22_Click}}},
        {Image,        "Image24",      "Frame21",     120,   960,   360,    360, "", "(Doppio Click) DANNI IRREPARABILI -(La nave viene internata - non più disponibile - IRREVERSIBILE)", Visible, {{Click, &FrmMain::Image24_Click}, {DblClick, &FrmMain::Image24_DblClick}}},
        {Label,        "Label68",      "Frame21",      60,  1470,  2820,    255, "Tempo (ore)  per completare l'ordine:", "", Visible},
        {Label,        "Label69",      "Frame21",    2940,  1470,   615,    255, "0", "Stima Approsimata", Visible},
        {Button,       "Command15",    "Frame21",     600,   945,  2955,    405, "Chiudi Man. Port.", "", Visible, {{Click, &FrmMain::Command15_Click}}},
        // 12. Naval-group panel: a group's line with every mark beside the scroll bar.
        {Frame,        "Frame12",      "PicBitMap",     0,  4620,  3855,   6150, "Frame12", "", Hidden},
        {Frame,        "Frame14",      "Frame12",      60,   180,  3735,   2355, "", "", Visible},
        {List,         "List2",        "Frame14",      60,   180,  3615,   1320, "", "FOCUS su : GN - Gruppi Navali Attivi . Dbl Click Info Stack", Visible, {{Click, &FrmMain::List2_Click}, {DblClick, &FrmMain::List2_DblClick}}},
        {Label,        "Label59",      "Frame14",      60,  1560,  3615,    255, "", "GN selezionato - (ALLE * = fuori MAPPA - distanza in ore dalla base e dalla MAPPA)", Visible},
        {DropDownList, "Combo6",       "Frame14",      60,  1920,   900,    315, "", "Nodi di Gruppo, ATT: oltre 20Kn il consumo raddoppia ", Visible, {{Click, &FrmMain::Combo6_Click}}},
        {DropDownList, "Combo5",       "Frame14",    1020,  1920,  2655,    315, "", "Ordine di Gruppo", Visible, {{Click, &FrmMain::Combo5_Click}}},
        {Button,       "Command11",    "Frame12",      60,  2640,  1035,    375, "Apri GN", "", Visible, {{Click, &FrmMain::Command11_Click}}},
        {Button,       "Command12",    "Frame12",    1140,  2640,  1035,    375, "Chiudi GN", "", Disabled, {{Click, &FrmMain::Command12_Click}}},
        {Image,        "Image7",       "Frame12",      60,  3120,   360,    360, "", "Plot Area Ricognitori", Visible, {{Click, &FrmMain::Image7_Click}}},
        {Image,        "Image8",       "Frame12",     480,  3120,   360,    360, "", "", Visible},
        {Image,        "Image9",       "Frame12",     900,  3120,   360,    360, "", "", Visible},
        {Button,       "Command27",    "Frame12",    1380,  3120,  1935,    375, "Inserisci Danni", "", Visible, {{Click, &FrmMain::Command27_Click}}},
        {Frame,        "Frame20",      "Frame12",      60,  3600,  3735,   2430, "", "", Hidden},
        {Image,        "Image11",      "Frame20",      60,   180,   360,    360, "", "ATTRACCA LA NAVE SELEZIONATA IN PORTO", Visible, {{Click, &FrmMain::Image11_Click}}},
        {List,         "List5",        "Frame20",      60,   600,  3615,   1455, "", "GN AMICO ATTIVO (in esame)", Visible, {{Click, &FrmMain::List5_Click}, {DblClick, &FrmMain::List5_DblClick}}},
        {Image,        "Image18",      "Frame20",     480,   180,   360,    360, "", "Attiva Portaerei selezionata ", Visible, {{Click, &FrmMain::Image18_Click}}},
        {Label,        "Label76",      "Frame20",      60,  2115,  3615,    255, "", "navi nei porti (NaviPres/NaviMax) / click= SCHEDA NAVE", Visible, {{Click, &FrmMain::Label76_Click}}},
        {Option,       "Option2(0)",   "Frame12",    2280,  2610,  1095,    225, "Altri", "", Visible, {{Click, &FrmMain::Option2_Click}}},
        {Option,       "Option2(1)",   "Frame12",    2280,  2835,  1095,    225, "Patrol", "", Visible, {{Click, &FrmMain::Option2_Click}}},
        // 13. Port side of the base panel.
        {Frame,        "Frame7",       "PicBitMap",     0,  4620,  3615,   6150, "Frame7", "", Hidden},
        {Label,        "Label45",      "Frame7",       60,   180,  3495,    255, "  BASE       PORTO     DANNI   ORDINE NAVE", "", Visible},
        {Image,        "Image6",       "Frame7",       60,   480,   360,    360, "", "", Visible},
        {Image,        "Image3",       "Frame7",      480,   480,   360,    360, "", "", Visible},
        {Label,        "Label47",      "Frame7",      960,   540,   600,    255, "0%", "", Visible},
        {Label,        "Label46",      "Frame7",     1620,   540,   900,    255, "", "Punti sulla base", Visible},
        {Label,        "Label35",      "Frame7",     2580,   540,   975,    255, "", "Navi Pres/Max Navi", Visible},
        {Button,       "Command8",     "Frame7",       60,   960,   615,    375, "<< ", "vai all'aeroporto", Visible, {{Click, &FrmMain::Command8_Click}}},
        {Label,        "Label5",       "Frame7",      720,  1020,  2175,    255, "", "indice nave - click=scheda Nave", Visible, {{Click, &FrmMain::Label5_Click}}},
        {Image,        "Image10",      "Frame7",     3060,   960,   360,    360, "", "Apre alle Manovre portuali", Visible, {{Click, &FrmMain::Image10_Click}}},
        {List,         "List3",        "Frame7",       60,  1440,  3495,   1695, "", "Doppio Click Conferma", Disabled, {{Click, &FrmMain::List3_Click}, {DblClick, &FrmMain::List3_DblClick}}},
        {Label,        "Label43",      "Frame7",       60,  3195,  3495,    255, "", "", Visible},
        {List,         "List4",        "Frame7",       60,  3495,  3495,   1440, "", "", Disabled, {{Click, &FrmMain::List4_Click}, {DblClick, &FrmMain::List4_DblClick}}},
        {Label,        "Label44",      "Frame7",       60,  5055,   870,    255, "GN Num:", "", Visible},
        {Label,        "Label56",      "Frame7",      960,  5055,   555,    255, "", "Crea un nuovo GN ", Visible, {{Click, &FrmMain::Label56_Click}}},
        {Label,        "Label57",      "Frame7",     1620,  5055,   900,    255, "Navi Num:", "", Visible},
        {Label,        "Label58",      "Frame7",     2550,  5055,   555,    255, "", "", Visible},
        {Button,       "Command2",     "Frame7",       60,  5475,  3495,    495, "Vai !(reset)", "Ordina la partenza del GN appena formato ", Disabled, {{Click, &FrmMain::Command2_Click}}},
        // 14. Course pad.
        {Frame,        "Frame5",       "PicBitMap",  3915,  8400,  2295,   2295, "", "", Hidden},
        {Combo,        "Combo7",       "Frame5",       60,   180,  2175,    315, "", "Numero di TRN su questa rotta (TRN Rotta)", Visible, {{Click, &FrmMain::Combo7_Click}, {KeyPress, &FrmMain::Combo7_KeyPress}}},
        {Label,        "Label60",      "Frame5",       60,   540,  2175,    255, "", "Assegnano la ROTTA è facile perdere il FOCUS controllare sempre che l'ordine si arecepito dal TUTOR", Visible},
        {Label,        "Label19",      "Frame5",      120,   900,   645,    405, "NO", "Rotta Nord-Ovest", Visible, {{Click, &FrmMain::Label19_Click}}},
        {Label,        "Label20",      "Frame5",      825,   900,   645,    405, "N", "Rotta Nord", Visible, {{Click, &FrmMain::Label20_Click}}},
        {Label,        "Label21",      "Frame5",     1530,   900,   645,    405, "NE", "Rotta Nord Est", Visible, {{Click, &FrmMain::Label21_Click}}},
        {Label,        "Label22",      "Frame5",      120,  1350,   645,    405, "O", "Rotta Ovest", Visible, {{Click, &FrmMain::Label22_Click}}},
        {Label,        "Label23",      "Frame5",      825,  1350,   645,    405, "STP", "Cancella Ordine Movimento", Visible, {{Click, &FrmMain::Label23_Click}}},
        {Label,        "Label24",      "Frame5",     1530,  1350,   645,    405, "E", "Rotta Est", Visible, {{Click, &FrmMain::Label24_Click}}},
        {Label,        "Label25",      "Frame5",      120,  1800,   645,    405, "SO", "Rotta Sud Ovest", Visible, {{Click, &FrmMain::Label25_Click}}},
        {Label,        "Label26",      "Frame5",      825,  1800,   645,    405, "S", "Rotta Sud", Visible, {{Click, &FrmMain::Label26_Click}}},
        {Label,        "Label27",      "Frame5",     1530,  1800,   645,    405, "SE", "Rotta Sud Est", Visible, {{Click, &FrmMain::Label27_Click}}},
        // 15. Air-base side of the base panel: the level icons and the damage under the heading.
        {Frame,        "Frame4",       "PicBitMap",     0,  4620,  3615,   6150, "Frame4", "", Hidden},
        {Label,        "Label33",      "Frame4",       60,   180,  3495,    255, "BASE         AEROP       DANNI", "", Visible},
        {Image,        "Image2",       "Frame4",       60,   480,   360,    360, "", "", Visible},
        {Image,        "Image4",       "Frame4",      960,   480,   360,    360, "", "", Visible},
        {Label,        "Label37",      "Frame4",     1890,   540,   600,    255, "0%", "% Danni", Visible},
        {Button,       "Command7",     "Frame4",     2940,   480,   615,    375, ">>", "Vai al Porto", Visible, {{Click, &FrmMain::Command7_Click}}},
        {Label,        "Label34",      "Frame4",       60,   900,  1695,    255, "", "Punti Comando", Visible},
        {Label,        "Label36",      "Frame4",     1800,   900,  1755,    255, "", "Pronti/Volo/Max Aerei", Visible},
        {Label,        "Label42",      "Frame4",       60,  1200,  3495,    255, "%Attivaz    MxAerAt   TentAtt   AerAttivati", "", Visible},
        {Label,        "Label38",      "Frame4",       60,  1470,   840,    255, "", "Percentuale Attivazione Aerei (varia secondo Metereologia)", Visible},
        {Label,        "Label39",      "Frame4",      930,  1470,   840,    255, "", "Massimo Numero Aerei in in volo contemporaneamente", Visible},
        {Label,        "Label40",      "Frame4",     1800,  1470,   840,    255, "", "Tentativi Attivazione  FATTI/PERMESSI", Visible},
        {Label,        "Label41",      "Frame4",     2670,  1470,   840,    255, "", "Aerei di questa base in azione ", Visible},
        {List,         "List1",        "Frame4",       60,  1800,  3495,   1395, "", "", Visible, {{Click, &FrmMain::List1_Click}, {MouseMove, &FrmMain::List1_MouseMove}}},
        {Label,        "Label52",      "Frame4",       60,  3255,  2670,    255, "", "CLICK=REST MAPPA / Mostra scheda Aereo selezionato ", Visible, {{Click, &FrmMain::Label52_Click}, {MouseMove, &FrmMain::Label52_MouseMove}}},
        {Label,        "Label53",      "Frame4",     2790,  3255,   765,    255, "", "TOT AEREI /click=Radius Aerei/GN Amici/GN nemici avvistati", Visible, {{Click, &FrmMain::Label53_Click}}},
        {Label,        "Label49",      "Frame4",       60,  3555,  1695,    255, "", "  DADO %  - Rest ore12 e ore 24", Disabled, {{Click, &FrmMain::Label49_Click}}},
        {Label,        "Label50",      "Frame4",     1800,  3555,  1755,    255, "", "Numero GA pronto al decollo / DOPPIO CLICK reset", Visible, {{DblClick, &FrmMain::Label50_DblClick}}},
        {Frame,        "Frame10",      "Frame4",       60,  3915,  3495,   2115, "Numero Aerei e Carico", "", Disabled},
        {Label,        "Label51",      "Frame10",      60,   240,  3375,    255, "N° Aerei              N° Bombe     Taglio Bombe", "", Visible},
        {Combo,        "Combo1",       "Frame10",      60,   540,  1035,    315, "", "", Visible, {{Click, &FrmMain::Combo1_Click}, {Change, &FrmMain::Combo1_Change}, {KeyPress, &FrmMain::digitsOnly}}},
        {Combo,        "Combo2",       "Frame10",    1200,   540,  1035,    315, "", "Massimo numero utile anti nave 4 (escluso Patrol)", Visible, {{Click, &FrmMain::Combo2_Click}, {Change, &FrmMain::Combo2_Change}, {KeyPress, &FrmMain::digitsOnly}}},
        {Combo,        "Combo3",       "Frame10",    2340,   540,  1035,    315, "", "Massimo peso consentito anti nave 100", Visible, {{Click, &FrmMain::Combo3_Click}, {Change, &FrmMain::Combo3_Change}, {KeyPress, &FrmMain::digitsOnly}}},
        {Label,        "Label55",      "Frame10",      60,   960,  3375,    255, " Se Pronto      N° Siluri           Carico Diff CD", "", Visible},
        {Combo,        "Combo4",       "Frame10",    1200,  1260,  1035,    315, "", "ATT: Ricognitori e Patrol  NO SILURI! ", Visible, {{Click, &FrmMain::Combo4_Click}, {Change, &FrmMain::Combo4_Change}, {KeyPress, &FrmMain::digitsOnly}}},
        {Button,       "Command1",     "Frame10",      60,  1620,  1035,    375, "Vai !", "", Visible, {{Click, &FrmMain::Command1_Click}}},
        {Label,        "Label54",      "Frame10",    2340,  1290,  1035,    255, "0", "TOTALE DEL PESO BELLICO (BOMBE)", Visible},
        // 16. Off-map Allied bases.
        {Frame,        "Frame2",       "PicBitMap", 13335, 10110,   555,    615, "Ale", "ALESSANDRIA", Hidden},
        {Label,        "Label16",      "Frame2",      120,   180,   315,    315, "", "ALESSANDRIA", Visible, {{Click, &FrmMain::Label16_Click}}},
        {Frame,        "Frame1",       "PicBitMap", 13335,  9480,   555,    615, "Gib", "GIBILTERRA", Hidden},
        {Label,        "Label15",      "Frame1",      120,   180,   315,    315, "", "GIBILTERRA", Visible, {{Click, &FrmMain::Label15_Click}}},
        // 17. Route plot.
        {Frame,        "Frame15",      "PicBitMap",  6270,  9120,   975,   1575, "", "", Hidden},
        {Button,       "Command13",    "Frame15",      60,   180,   405,    375, "1", "Plot movimento del GN selezionato", Visible, {{Click, &FrmMain::Command13_Click}}},
        {Button,       "Command21",    "Frame15",     510,   180,   405,    375, "T", "Plot movimento di tutti i GN ", Visible, {{Click, &FrmMain::Command21_Click}}},
        {Button,       "Command14",    "Frame15",      60,   600,   855,    375, "Un-Plot", "Cancella Proiezione Movimento", Visible, {{Click, &FrmMain::Command14_Click}}},
        {Label,        "Label61",      "Frame15",      90,  1080,   225,    375, "", "", Visible, {{Click, &FrmMain::Label61_Click}}},
        {Label,        "Label62",      "Frame15",     390,  1080,   225,    375, "", "", Visible, {{Click, &FrmMain::Label62_Click}}},
        {Label,        "Label63",      "Frame15",     690,  1080,   225,    375, "", "Colore rotta default (e numero degli Stack)", Visible, {{Click, &FrmMain::Label63_Click}}},
        {Line,         "Line10",       "Frame15",     345,  1050,   345,   1485, "", "", Visible},
        {Line,         "Line11",       "Frame15",     645,  1050,   645,   1485, "", "", Visible},
        // 18. Progress bar, beside the hour button, clear of NAPOLI and TARANTO.
        {Progress,     "ProgressBar1", "PicBitMap",  8520,   120,  3510,    255, "", "", Hidden},
        // 19. Air-group panel.
        {Frame,        "Frame9",       "PicBitMap",     0,  4620,  3615,   6150, "Frame9", "", Hidden},
        {List,         "List8",        "Frame9",       60,   180,  3495,    960, "", "AEREI IN VOLO", Visible, {{Click, &FrmMain::List8_Click}}},
        {Label,        "Label89",      "Frame9",       60,  1200,  1695,    255, "", "", Visible},
        {Label,        "Label91",      "Frame9",     1800,  1200,  1755,    405, "", "BASE NEMICA BERSAGLIO ", Visible},
        {Label,        "Label96",      "Frame9",       60,  2250,   840,    255, "", "INCREMENTO PERCENTUALE DI SCOPERTA NEMICO  (mx 15)/TRN  DI VOLO VERSO IL BERSAGLIO (incluso Ritardo al pronti) ", Visible},
        {Label,        "Label97",      "Frame9",      930,  2250,   840,    255, "", "% (base)STIMATA DI INTERCETTAZIONE  (giorno/notte) - (Atmo escluse)", Visible},
        {Label,        "Label98",      "Frame9",     1800,  2250,   840,    255, "", "VELOCITA' IN TWEEP per TRN", Visible},
        {Label,        "Label99",      "Frame9",     2670,  2250,   840,    255, "", "NUMERO AEREI IN AZIONE (CAP-PATROL-INT.ATT.-BOMB)", Visible},
        {Button,       "Command28",    "Frame9",       60,  2565,   375,    315, "D", "Inserisci AEREI Danneggiati", Visible, {{Click, &FrmMain::Command28_Click}}},
        {Button,       "Command29",    "Frame9",      480,  2565,   375,    315, "A", "Inserisci AEREI Abbattuti", Visible, {{Click, &FrmMain::Command29_Click}}},
        {DropDownList, "Combo8",       "Frame9",       60,  3225,  3495,    315, "", "ORDINE Operativo (Solo RIENTRO può essere assegnati a GA in missione)", Disabled, {{Click, &FrmMain::Combo8_Click}}},
        {Button,       "Command20",    "Frame9",       60,  3585,  3495,    435, "CONFERMA ORDINE", "CONFERMA L'ORDINE - vale l'ultimo valore inserito (GRAFICO/SELEZIONATO)", Hidden, {{Click, &FrmMain::Command20_Click}}},
        {Check,        "Check1",       "Frame9",       60,  4080,  1695,    255, "Plot Raggio", "Raggio di azione del GA ", Visible, {{Click, &FrmMain::Check1_Click}}},
        {Check,        "Check2",       "Frame9",     1800,  4080,  1695,    255, "Mostra GN ", "Mostra i propri GN attivi / Ultime Attività", Visible, {{Click, &FrmMain::Check2_Click}}},
        {Check,        "Check3",       "Frame9",       60,  4350,  1695,    255, "Plot rotta GA", "", Visible, {{Click, &FrmMain::Check3_Click}}},
        {Check,        "Check4",       "Frame9",     1800,  4350,  1695,    255, "Plot GN", "", Visible, {{Click, &FrmMain::Check4_Click}}},
        {List,         "List10",       "Frame9",       60,  4665,  3495,    690, "", "Formazioni Nemiche avvistate", Visible, {{Click, &FrmMain::List10_Click}}},
        {Label,        "Label88",      "Frame9",       60,  5415,  2535,    255, "", "Rotta GN Nemico", Visible},
        {Image,        "Image31",      "Frame9",     2700,  5385,   360,    360, "", "GN include navi con incendi attivi ", Visible, {{Click, &FrmMain::Image31_Click}}},
        {Label,        "Label86",      "Frame9",       60,  5775,  3495,    255, "", "", Visible},
        {Label,        "Label85(0)",   "Frame9",       60,  1650,   480,    255, "", "VELOCITA' (base Kh)", Visible, {{Click, &FrmMain::Label85_Click}}},
        {Label,        "Label85(1)",   "Frame9",      555,  1650,   480,    255, "", "Aerei del GA:  Origine(Rimasti)", Visible, {{Click, &FrmMain::Label85_Click}}},
        {Label,        "Label85(2)",   "Frame9",     1050,  1650,   480,    255, "", "AEREI DANNEGGIATI", Visible, {{Click, &FrmMain::Label85_Click}}},
        {Label,        "Label85(3)",   "Frame9",     1545,  1650,   480,    255, "", "AEREI ABBATTUTI", Visible, {{Click, &FrmMain::Label85_Click}}},
        {Label,        "Label85(4)",   "Frame9",     2040,  1650,   480,    255, "", "TIPOLOGIA -/Click  Plot Ricognitori)", Visible, {{Click, &FrmMain::Label85_Click}}},
        {Label,        "Label85(5)",   "Frame9",     2535,  1650,   480,    255, "", "NUM.SILURI (xAereo)", Visible, {{Click, &FrmMain::Label85_Click}}},
        {Label,        "Label85(6)",   "Frame9",     3030,  1650,   480,    255, "", "NUM.BOMBE (xAereo)", Visible, {{Click, &FrmMain::Label85_Click}}},
        {Label,        "Label85(7)",   "Frame9",       60,  1935,   480,    255, "", "TAGLIO BOMBE", Visible, {{Click, &FrmMain::Label85_Click}}},
        {Label,        "Label85(8)",   "Frame9",      555,  1935,   480,    255, "", "FATTORE ATTACCO", Visible, {{Click, &FrmMain::Label85_Click}}},
        {Label,        "Label85(9)",   "Frame9",     1050,  1935,   480,    255, "", "FATTORE DIFESA", Visible, {{Click, &FrmMain::Label85_Click}}},
        {Label,        "Label85(10)",  "Frame9",     1545,  1935,   480,    255, "", "GIUDIZIO", Visible, {{Click, &FrmMain::Label85_Click}}},
        {Label,        "Label85(11)",  "Frame9",     2040,  1935,   480,    255, "", "RITARDO AL PRONTI (mm/TRN) - esprime le difficolta della BASE ", Visible, {{Click, &FrmMain::Label85_Click}}},
        {Label,        "Label85(12)",  "Frame9",     2535,  1935,   480,    255, "", "STRESS DA ATTIVITA (limite stress 13, test di rientro)", Visible, {{Click, &FrmMain::Label85_Click}}},
        {Option,       "Option1(0)",   "Frame9",      930,  2595,   960,    255, "TUTTI", "", Set, {{Click, &FrmMain::Option1_Click}}},
        {Option,       "Option1(1)",   "Frame9",     1950,  2595,   960,    255, "IntAtt", "", Visible, {{Click, &FrmMain::Option1_Click}}},
        {Option,       "Option1(2)",   "Frame9",       60,  2910,  1080,    255, "RiPaCp", "", Visible, {{Click, &FrmMain::Option1_Click}}},
        {Option,       "Option1(3)",   "Frame9",     1200,  2910,  1080,    255, "DecRie", "", Visible, {{Click, &FrmMain::Option1_Click}}},
        {Option,       "Option1(4)",   "Frame9",     2340,  2910,  1080,    255, "Stres", "", Visible, {{Click, &FrmMain::Option1_Click}}},
        // 21. Main-menu button, east of TOBRUCK, under the side panel.
        {Button,       "Command17",    "PicBitMap", 15180,  7800,  1815,    975, " APRI MENU PRINCIPALE", "MENU PRINCIPALE", Visible, {{Click, &FrmMain::Command17_Click}}},
        // 20. Side panel, east of TOBRUCK.
        {Frame,        "Frame3",       "PicBitMap", 15000,  7440,  2175,   3255, "", "", Hidden},
        {Button,       "Command4",     "Frame3",     1140,   180,   915,    435, "&Chiudi", "Resetta la mappa e conferma gli ordini", Visible, {{Click, &FrmMain::Command4_Click}}},
        {Image,        "Image5",       "Frame3",      120,   180,   480,    480, "", "", Visible},
        {Image,        "Image32",      "Frame3",      600,   180,   480,    480, "", "", Visible},
        {Frame,        "Frame8",       "Frame3",       60,   720,  2055,   1095, "", "", Visible},
        {Button,       "Command5",     "Frame8",       60,   240,  1935,    360, "1 a&lle", "allontanare il nemico dal monitor", Visible, {{Click, &FrmMain::Command5_Click}}},
        {Button,       "Command6",     "Frame8",       60,   660,  1935,    360, "2  a&sse", "allontanare il nemico dal monitor", Visible, {{Click, &FrmMain::Command6_Click}}},
        {Frame,        "Frame13",      "Frame3",       60,  1860,  2055,   1335, "", "", Disabled},
        {Button,       "Command10",    "Frame13",      60,   240,  1935,    315, "&Basi", "", Visible, {{Click, &FrmMain::Command10_Click}}},
        {Button,       "Command3",     "Frame13",      60,   600,  1935,    315, "&Navi - GN", "", Visible, {{Click, &FrmMain::Command3_Click}}},
        {Button,       "Command9",     "Frame13",      60,   960,  1935,    315, "&Aerei - GA", "", Visible, {{Click, &FrmMain::Command9_Click}}},
        // 22. Weather details, beside the clock: the air panel shows both.
        {Frame,        "Frame24",      "PicBitMap", 15300,     0,  2295,   1695, "Meteo", "", Hidden},
        {Image,        "Image17",      "Frame24",     120,   240,   480,    480, "", "Nascondi Meteo", Visible, {{Click, &FrmMain::Image17_Click}}},
        {Image,        "Image25",      "Frame24",     840,   240,   480,    480, "", "", Visible, {{Click, &FrmMain::Image25_Click}}},
        {Image,        "Image26",      "Frame24",    1560,   240,   480,    480, "", "", Visible, {{Click, &FrmMain::Image26_Click}}},
        {Label,        "Label73",      "Frame24",      60,   780,  2175,    255, "VISIBIL  MARE   VENTO", "", Visible},
        {Label,        "Label74",      "Frame24",      60,  1050,  2175,    255, "", "", Visible},
        {Label,        "Label75",      "Frame24",      60,  1320,  2175,    255, "", "", Visible},
        // 23. Clock.
        {Frame,        "Frame6",       "PicBitMap", 13200,     0,  2055,   1695, "", "", Visible},
        {Image,        "Image1",       "Frame6",      120,   180,   480,    480, "", "Mostra Meteo", Visible, {{Click, &FrmMain::Image1_Click}}},
        {Label,        "Label32",      "Frame6",      660,   270,  1365,    375, "1940", "", Visible},
        {Label,        "Label28",      "Frame6",       30,   780,  1995,    255, " Attivita    Ora      Giorno  ", "", Visible},
        {Label,        "Label29",      "Frame6",       60,  1080,   555,    375, "STP", "Mostra attività ultima ora/ dbl clik ultime 120 attività", Visible, {{Click, &FrmMain::Label29_Click}, {DblClick, &FrmMain::Label29_DblClick}}},
        {Label,        "Label30",      "Frame6",      720,  1080,   555,    375, "", "ORA SCOCCATA", Visible},
        {Label,        "Label31",      "Frame6",     1320,  1080,   675,    375, "", "GIORNI  PASSATI/GIORNI RESTANTI", Visible, {{DblClick, &FrmMain::Label31_DblClick}}},
        // 24. Status marks.
        {Label,        "Label95",      "PicBitMap", 12120,     0,   495,    615, "NAVI   MINE", "Gestine Navi e Mine (doppio Click)", Hidden, {{Click, &FrmMain::Label95_Click}}},
        {Label,        "Label87",      "PicBitMap", 12600,     0,   120,    495, "", "AVVISTAMENTO O CONTATTO!!!", Hidden},
        {Label,        "Label80",      "PicBitMap", 12720,     0,   240,    495, "", "GN FERMO", Hidden},
        {Label,        "Label18",      "PicBitMap", 12120,   615,   240,    240, "", "GN Colpito da Mine", Hidden},
        {Label,        "Label101",     "PicBitMap", 12360,   615,   240,    240, "", "RIENTRO AEREI ", Hidden},
        {Label,        "Label64",      "PicBitMap", 12600,   615,   360,    240, "", "Navi Affondate nell'ultima ora", Visible, {{Click, &FrmMain::Label64_Click}}},
        // 25-27. Hover line, message line (four lines: the longest hints run to a hundred characters),
        // the pointer's map point (room for "15249.99:6929.999", under the hour button).
        {Label,        "Label83",      "PicBitMap",  7800,  8880,  3165,    225, "", "", Visible},
        {Label,        "Label17",      "PicBitMap", 10980,  8430,  3960,    990, "Messaggi e Mappa dei Campi Minati", "Click/DblClick - Campi Minati", Visible, {{Click, &FrmMain::Label17_Click}, {DblClick, &FrmMain::Label17_DblClick}}},
        {Label,        "Label1",       "PicBitMap",  7560,   510,  1815,    255, "", "X,Y/click=dado centesimale", Visible, {{Click, &FrmMain::Label1_Click}}},
        // clang-format on
    };
    return rows;
}

void FrmMain::buildLayout() {
    setCaption(QStringLiteral("Zeltwar WW2 Gioco :  "));
    setSize(18495, 10815);
    setBackColor(vbBlack);
    PicBitMap.setBackColor(0x604020);
    PicBitMap.setScale(0, 0, 15250, 6930);

    // Labels on one line in the small font: headings over their values and lines of text.
    for (Label* l : {&Label2, &Label3, &Label68, &Label59, &Label45, &Label60, &Label51, &Label55, &Label73,
                     &Label74, &Label75, &Label32, &Label28}) {
        l->setWordWrap(false);
        l->setFontSize(7);
    }
    for (Label* l : {&Label44, &Label57, &Label52}) l->setWordWrap(false);
    // The small font: the contact panel, the naval panel's groups ("GN 50 Nv 12 Kn 30/ 30 Op
    // 153*<FERMO SS"), the group being formed ("(GN:50) k:30-IL" and a whole ship's name) and the
    // main-menu button.
    for (Control* c :
         std::initializer_list<Control*>{&List9, &Label82, &Label81, &Label84, &List2, &List4, &Command17})
        c->setFontSize(7);
    // Framed values; those centred too.
    for (Label* l :
         {&Label69, &Label56, &Label58, &Label52, &Label53, &Label49, &Label50, &Label54, &Label17})
        l->setBorderStyle(1);
    for (Label* l : {&Label79, &Label38, &Label39, &Label40, &Label41, &Label96, &Label97, &Label98, &Label99,
                     &Label1}) {
        l->setBorderStyle(1);
        l->setAlignment(2);
    }
    // The value cells of the unit card and of the air group.
    for (int i = 0; i <= 16; ++i) valueCell(Label4[i]);
    for (int i = 0; i <= 12; ++i) valueCell(Label85[i]);
    for (Label* l :
         {&Label19, &Label20, &Label21, &Label22, &Label23, &Label24, &Label25, &Label26, &Label27}) {
        l->setBorderStyle(1);
        l->setAlignment(2);
        l->setBackColor(kPadRest);
        l->setFontBold(true);
    }
    Label49.setForeColor(vbRed);
    Label16.setBackColor(vbYellow);
    Label15.setBackColor(vbYellow);
    // The route colours: green, magenta and the default white; the border marks the colour in force.
    Label61.setBackColor(vbGreen);
    Label62.setBackColor(vbMagenta);
    Label63.setBackColor(vbWhite);
    Label63.setBorderStyle(1);
    Label32.setFontBold(true);
    for (Label* l : {&Label29, &Label30, &Label31}) {
        l->setBorderStyle(1);
        l->setAlignment(2);
        l->setBackColor(vbBlack);
        l->setForeColor(vbGreen);
        l->setFontBold(true);
    }
    // The status marks.
    Label95.setWordWrap(true);
    Label95.setBackColor(vbCyan);
    Label87.setBackColor(vbYellow);
    Label80.setBackColor(vbRed);
    Label18.setBackColor(vbMagenta);
    Label101.setBackColor(vbCyan);
    Label64.setBackColor(vbBlack);
    Label83.setBackStyle(0);
    Label83.setFontBold(true);
    // The hover label lies under the panels and lists, as labels lay under windowed controls.
    Label83.zOrder(vbSendToBack);
    Label17.setForeColor(vbRed);
    Label17.setBackColor(vbWhite);
    Label17.setWordWrap(true);
    Label1.setBackColor(vbWhite);
    // The ships in port, of the group being formed, of the open group and of the near groups,
    // sorted by their text.
    for (ListBox* l : {&List3, &List4, &List5, &List6, &List7}) l->setSorted(true);

    // The unit card shows over whatever list it was opened from (the pop-up list puts it at its
    // own place).
    Frame11.zOrder(vbBringToFront);
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
    // The map keeps its proportions as it grows with the window's width only as far as the strip
    // of panels under it moves down: drawn larger, its south, and its bases, would lie under the
    // strip. A window wider than that has the map drawn across the rest of its width, stretched by
    // an eighth at the most; only a wider one leaves a band at its right.
    const int height = std::max(clientHeight(), kDesignHeight);
    const int widest = int(kDesignWidth * (1.0 + double(height - kDesignHeight) / kStripTop));
    const int width = std::max(kDesignWidth, std::min(clientWidth(), int(widest * kMostStretch)));
    PicBitMap.move(0, 0, width, height);
    PicBitMap.setPictureArea(
        width > widest ? QSize(width, int(std::lround(mapInProportion(widest, height).height()))) : QSize());
    for (const auto& [c, spot] : designSpots_) placeScaled(*c, spot);
}

QSizeF FrmMain::mapInProportion(int width, int height) const {
    const QImage& img = PicBitMap.image();
    if (img.isNull()) return QSizeF(width, double(width) * kMapHeight / kMapWidth);
    const double k = std::min(double(width) / img.width(), double(height) / img.height());
    return QSizeF(img.width() * k, img.height() * k);
}

QSizeF FrmMain::drawnMap() const {
    const QSize area = PicBitMap.pictureArea();
    return area.isEmpty() ? mapInProportion(PicBitMap.width(), PicBitMap.height()) : QSizeF(area);
}

double FrmMain::designTwipsPerMapUnit() const {
    return mapInProportion(kDesignWidth, kDesignHeight).width() / kMapWidth;
}

void FrmMain::placeScaled(Control& c, QPoint spot) {
    // Never smaller than at the design size: the picture box does not shrink below it.
    const QSizeF now = drawnMap(), design = mapInProportion(kDesignWidth, kDesignHeight);
    const double across = std::max(1.0, now.width() / design.width());
    const double down = std::max(1.0, now.height() / design.height());
    const int x = int(std::lround(spot.x() * across)), y = int(std::lround(spot.y() * down));
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
