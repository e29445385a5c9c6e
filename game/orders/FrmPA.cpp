#include "FrmPA.h"

#include "CarrierLaunch.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "common/Messages.h"
#include "common/UnitLists.h"
#include "game/points/SidePictures.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"

using namespace platform;
namespace A = recordformat::aircraft;
using carrierlaunch::Refusal;

namespace {
const char* const kBombs[] = {"0", "1", "2", "3", "4", "5", "6", "8", "10", "12", "14", "16", "18", "20"};
const char* const kSizes[] = {"0",  "5",  "10", "15", "20", "25", "30", "35",
                              "40", "50", "55", "60", "80", "90", "120"};
const char* const kWeatherTips[] = {"Meteo: PERFETTO", "Meteo: CATTIVO TEMPO (-1)",
                                    "Meteo: BRUTTO TEMPO (-2)", "Meteo: PESSIMO Non si vola"};
const char* const kLineTips[] = {"Aerei pronti al decollo", "Aerei in volo / persi",
                                 "Carico bellico massimo"};
const char* const kHandlingTips[] = {"Totale Aerei in VOLO della Portaerei ",
                                     "Numero massimo di aerei in volo consentito da MA",
                                     "Valore di MA attuale"};
const QString kNoFreeGroup = QStringLiteral("ATT: NESSUN GA LIBERO (tutti i 50 GA in uso)");

Int32* context() {
    return G().OperationContext;
}

long long value(const ComboBox& c) {
    return textToWhole(c.text());
}

int handling() {
    return context()[5];
}
} // namespace

FrmPA::FrmPA() : FormWith(QStringLiteral("FrmPA")) {
    setCaption(QStringLiteral("Portaerei: Lancio Aerei"));
    setSize(7800, 4860);
    setFixedBorder(true);

    List1.move(120, 120, 3720, 2400);
    List1.setFontName(QStringLiteral("Courier New"));
    Label2.move(3960, 120, 3720, 255);
    for (int i = 0; i < 3; ++i) {
        Label& l = Label3.add(i, *this, "Label3");
        l.move(3960 + 1260 * i, 420, 1140, 375);
        styleValue(l);
        l.setToolTipText(QString::fromUtf8(kLineTips[i]));
    }
    Label4.move(3960, 1230, 1140, 375);
    styleValue(Label4);
    Label4.setToolTipText(QStringLiteral("Seleziona GA "));
    Label6.move(5220, 960, 2460, 255);
    for (int i = 0; i < 3; ++i) {
        Label& l = Label5.add(i, *this, "Label5");
        l.move(5220 + 840 * i, 1230, 780, 375);
        styleValue(l);
        l.setToolTipText(QString::fromUtf8(kHandlingTips[i]));
    }

    Frame1.move(120, 2640, 7560, 1560);
    Label1.move(120, 270, 4200, 255);
    ComboBox* combos[] = {&Combo1, &Combo2, &Combo3};
    for (int i = 0; i < 3; ++i) {
        combos[i]->move(120 + 1320 * i, 570, 1200, 315);
        combos[i]->setToolTipText(QStringLiteral("solo valori predefiniti"));
    }
    Label& load = Label3.add(3, Frame1, "Label3");
    load.move(4080, 540, 1440, 375);
    styleValue(load);
    load.setToolTipText(QStringLiteral("Carico bellico per aereo"));
    Command3.move(4080, 1020, 1440, 420);
    Command2.move(5760, 300, 1680, 420);
    Command2.setFontBold(true);
    Command5.move(5760, 840, 1680, 420);
    Command5.setToolTipText(QStringLiteral("Lancia aerei su MALTA BS (20% rischio ogni -1 di ATMO) "));
    Command4.move(4560, 4320, 1440, 420);
    Command1.move(6120, 4320, 1440, 420);

    // Nothing to choose before a line is picked.
    for (Control* c :
         std::initializer_list<Control*>{&Frame1, &Label4, &Combo1, &Combo2, &Combo3, &Command2, &Command3})
        c->setEnabled(false);

    List1.Click = [this] { List1_Click(); };
    List1.MouseMove = [this](int, int, double, double) { List1_MouseMove(); };
    Label4.Click = [this] { Label4_Click(); };
    Combo1.Click = [this] { Combo1_Click(); };
    Combo2.Click = [this] { Combo2_Click(); };
    Combo2.Change = [this] { Combo2_Change(); };
    Combo3.Click = [this] { Combo3_Click(); };
    for (ComboBox* c : combos) c->DblClick = [c] { c->setText(QString()); };
    Command2.Click = [this] { Command2_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command1.Click = [this] { Command1_Click(); };
}

void FrmPA::Form_Load() {
    Globals& g = G();
    g.Files.closeAll();
    Frame1.setCaption(g.OperationTexts[1].trimmed() + QStringLiteral(" | ") + g.OperationTexts[2]);
    AereiInVolo();
    ValoriMa();
    Label4.setCaption(QStringLiteral("OK"));
    Label4.setBackColor(vbGreen);
    fillCombos();
    Command5.setEnabled(g.CarrierLaunchZone == 1 && g.WeatherSeverity < 3);
}

void FrmPA::fillCombos() {
    for (ComboBox* c : {&Combo1, &Combo2, &Combo3}) c->clear();
    for (int n = 0; n <= carrierlaunch::kMostAircraft; ++n) Combo1.addItem(QString::number(n));
    for (const char* b : kBombs) Combo2.addItem(QString::fromLatin1(b));
    for (const char* s : kSizes) Combo3.addItem(QString::fromLatin1(s));
}

void FrmPA::AereiInVolo() {
    const carrierlaunch::Aloft aloft = carrierlaunch::aircraftAloft(G().OperationTexts[2]);
    G().CarrierAircraftAloft = Int16(aloft.aircraft);
    IndexAerei = aloft.lines;
}

void FrmPA::ValoriMa() {
    Label5[0].setCaption(QString::number(G().CarrierAircraftAloft));
    Label5[1].setCaption(QString::number(carrierlaunch::inFlightLimit(handling())));
    Label5[2].setCaption(QString::number(handling()));
}

void FrmPA::ListaAereiPA() {
    Globals& g = G();
    for (int i = 0; i < 3; ++i) Label3[i].setCaption(QString());
    List1.clear();
    g.CarrierAircraftAloft = 0;
    fillList(List1, carrierAircraftItems(g.OperationTexts[2]));
}

void FrmPA::List1_MouseMove() {
    const int w = G().WeatherSeverity;
    if (w >= 0 && w <= 3) List1.setToolTipText(QString::fromUtf8(kWeatherTips[w]));
}

void FrmPA::List1_Click() {
    const int index = List1.listIndex();
    if (index < 0) return;
    setMessageLine(QString());
    Command3.setEnabled(true);
    AereoSelez = List1.itemData(index);
    AircraftCost = carrierlaunch::takeLine(G().OperationTexts[2], AereoSelez);
    const recordformat::AircraftRecord& a = G().AircraftRecordBuffer;
    // The fields as they are stored, blanks and all.
    Label3[0].setCaption(a.text(A::Pronti));
    Label3[1].setCaption(a.text(A::InVolo) + u'/' + a.text(A::Persi));
    Label3[2].setCaption(a.text(A::Carico));
    Label3[3].setCaption(QString());
    if (carrierlaunch::torpedoLine()) {
        Combo2.setText(QStringLiteral("1"));
        Combo3.setEnabled(false);
    } else {
        Combo2.setText(QString());
    }
    Frame1.setEnabled(true);
    Label4.setEnabled(true);
}

void FrmPA::Label4_Click() {
    Globals& g = G();
    g.NewGroupNumber = 0;
    if (g.WeatherSeverity == 3) {
        Label4.setCaption(QStringLiteral("NoFly"));
        return;
    }
    PrimoGALibero();
    if (g.NewGroupNumber < 1 || g.NewGroupNumber > kGroups) {
        // No row to write the group into: nothing can be launched until one is free.
        g.NewGroupNumber = 0;
        Combo1.setEnabled(false);
        setMessageLine(g.CarrierAircraftAloft >= carrierlaunch::inFlightLimit(handling())
                           ? QStringLiteral("ATT: TROPPI AEREI IN VOLO")
                           : kNoFreeGroup);
        return;
    }
    Label4.setCaption(QString::number(g.NewGroupNumber));
    List1.setEnabled(false);
    Combo1.setEnabled(true);
}

void FrmPA::showWarLoad() {
    Label3[3].setCaption(QString::number(carrierlaunch::warLoad()));
}

void FrmPA::Combo1_Click() {
    Int32* c = context();
    c[10] = Int32(value(Combo1));
    const bool torpedo = carrierlaunch::torpedoLine();
    if (torpedo) {
        c[19] = 1;
        Label3[3].setCaption(QStringLiteral("1 siluro"));
        Combo2.setEnabled(true);
    }
    const double ready = G().AircraftRecordBuffer.number(A::Pronti);
    if (c[10] > ready || c[10] > carrierlaunch::kMostAircraft) {
        Combo1.setText(QString());
        c[10] = 0;
        return;
    }
    if (torpedo || c[15] != 0) {
        Command2.setEnabled(true);
        Combo2.setEnabled(true);
        Combo2.setText(QString::number(c[19]));
    } else {
        // A line that carries no load.
        for (ComboBox* b : {&Combo3, &Combo2}) {
            b->setText(QString());
            b->setEnabled(false);
        }
        Command2.setEnabled(true);
        showWarLoad();
    }
}

void FrmPA::torpedoChoice() {
    Int32* c = context();
    if (c[19] >= 1) {
        c[19] = 1;
        Combo2.setText(QStringLiteral("1"));
        Label3[3].setCaption(QStringLiteral("1 siluro"));
    } else {
        Label3[3].setCaption(QStringLiteral("Vuoto"));
        Combo2.setText(QStringLiteral("0"));
    }
    Command2.setEnabled(true);
}

void FrmPA::Combo2_Change() {
    if (emptying_) return;
    Label3[3].setCaption(QString());
    if (carrierlaunch::torpedoLine())
        torpedoChoice();
    else
        showWarLoad();
}

void FrmPA::Combo2_Click() {
    Label3[3].setCaption(QString());
    context()[19] = Int32(value(Combo2));
    // A torpedo line carries one torpedo or nothing: any count above one is one torpedo.
    if (carrierlaunch::torpedoLine()) {
        torpedoChoice();
        return;
    }
    Command3.setEnabled(true);
    Combo3.setEnabled(true);
    Command2.setEnabled(true);
    showWarLoad();
}

void FrmPA::Combo3_Click() {
    Int32* c = context();
    c[20] = Int32(value(Combo3));
    if (carrierlaunch::torpedoLine() && c[20] >= 1) {
        Combo3.setText(QStringLiteral("0"));
        c[20] = 0;
        return;
    }
    if (!carrierlaunch::torpedoLine()) showWarLoad();
    Command2.setEnabled(true);
}

void FrmPA::Command3_Click() {
    Globals& g = G();
    const Int32* c = context();
    const int gn = c[2];
    if (gn < 1 || gn > kGroups) return;
    g.MissionOrigin[0] = g.GnTableAlle[gn][GnCol::X];
    g.MissionOrigin[1] = g.GnTableAlle[gn][GnCol::Y];
    g.MissionEndurance = Int16(c[9]);
    g.MissionSpeed = Int16(c[17]);
    g.PlotRangeFlag = 1;
    CerchioMissione();
    g.PlotRangeFlag = 0;
}

void FrmPA::launch(bool toMalta) {
    Globals& g = G();
    AereiInVolo();
    const carrierlaunch::LaunchCheck check =
        carrierlaunch::checkLaunch(g.NewGroupNumber, g.CarrierAircraftAloft, toMalta);
    switch (check.refusal) {
    case Refusal::None:
        break;
    case Refusal::NothingChosen:
        return;
    case Refusal::NoFreeGroup:
        setMessageLine(kNoFreeGroup);
        return;
    case Refusal::TooManyAloft:
        MsgBox(QStringLiteral("TROPPI AEREI IN VOLO - Consentito solo: %1 Aerei").arg(check.allowed));
        Combo1.setText(QStringLiteral("0"));
        return;
    case Refusal::NoRoomAtMalta:
        MsgBox(QStringLiteral("TROPPI AEREI  - spazio Libero su Malta BS per %1 Aerei").arg(check.allowed),
               vbOKOnly, QStringLiteral("Lancio Su Malta BS Bloccato"));
        Combo1.setText(QStringLiteral("0"));
        return;
    case Refusal::LoadTooHeavy:
        Label3[3].setCaption(QStringLiteral("NO"));
        return;
    }
    if (carrierlaunch::flyEmpty()) {
        Combo2.setText(QStringLiteral("0"));
        Combo3.setText(QStringLiteral("0"));
        Label3[3].setCaption(QStringLiteral("Vuoto"));
    }
    if (toMalta) {
        const int group = g.NewGroupNumber;
        carrierlaunch::ferryToMalta(group, AereoSelez, AircraftCost, g.WeatherSeverity);
        // The weather's toll is the group's damaged aircraft: the player learns it at the launch.
        const Int16* r = g.GaTableAlle[group];
        setMessageLine(QStringLiteral("VOLO SU MALTA BS: %1 aerei partiti, %2 danneggiati dal maltempo")
                           .arg(r[GaCol::Aircraft])
                           .arg(r[GaCol::Damaged]));
    } else {
        carrierlaunch::launchFromCarrier(g.NewGroupNumber, AereoSelez, AircraftCost);
    }
    backToLines();
    ListaAereiPA();
    AereiInVolo();
    ValoriMa();
}

void FrmPA::Command2_Click() {
    launch(false);
}

void FrmPA::Command5_Click() {
    launch(true);
}

void FrmPA::backToLines() {
    Globals& g = G();
    Frame1.setEnabled(false);
    List1.setEnabled(true);
    for (Control* c :
         std::initializer_list<Control*>{&Command2, &Command3, &Combo1, &Combo2, &Combo3, &Label4})
        c->setEnabled(false);
    // The number taken is used or given back: the next launch takes a free one again.
    g.NewGroupNumber = 0;
    Int32* c = context();
    c[10] = c[19] = c[20] = 0;
    emptying_ = true;
    for (ComboBox* b : {&Combo1, &Combo2, &Combo3}) b->setText(QString());
    emptying_ = false;
    Label4.setCaption(QStringLiteral("OK"));
    Label3[3].setCaption(QString());
}

void FrmPA::Command4_Click() {
    backToLines();
    for (int i = 0; i < 3; ++i) Label3[i].setCaption(QString());
    setMessageLine(QString());
}

void FrmPA::Command1_Click() {
    Command3.setEnabled(false);
    Command2.setEnabled(false);
    setCaption(QString());
    unloadForm(*this);
}

void FrmPA::Form_Unload(int&) {
    // A number taken and not used is not kept, however the window is closed: the main window reads
    // a held number as a group being formed.
    G().NewGroupNumber = 0;
}
