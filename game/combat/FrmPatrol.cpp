#include "FrmPatrol.h"

#include "common/AirGroups.h"
#include "common/CampaignJournal.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "common/Pictures.h"
#include "common/RecordFiles.h"

#include <algorithm>

using namespace platform;
using namespace patrolattack;

namespace {

namespace F = recordformat::ship;

// The right half of the window: its left edge and the width of one column of values.
constexpr int kPanel = 3960;
constexpr int kColumn = 1200;

const QString kSelectTarget = QStringLiteral("SELEZIONA BERSAGLIO");
const QString kAttackOver = QStringLiteral("ATTACCO TERMINATO");

QString num(long long v) {
    return QString::number(v);
}

int otherSide(int side) {
    return side == kAllies ? kAxis : kAllies;
}

Label& valueBox(Label& l, int left, int top, int width) {
    l.move(left, top, width, 285);
    l.setBorderStyle(1);
    l.setAlignment(2);
    return l;
}

Label& heading(Label& l, const QString& caption, int top) {
    l.setCaption(caption);
    l.move(kPanel, top, 5 * kColumn, 255);
    l.setColumns({0, kColumn, 2 * kColumn, 3 * kColumn, 4 * kColumn});
    return l;
}

} // namespace

FrmPatrol::FrmPatrol() : FormWith(QStringLiteral("FrmPatrol")) {
    setSize(kPanel + 5 * kColumn + 120, 5820);
    setFixedBorder(true);

    Label19.move(120, 120, kPanel + 5 * kColumn - 120, 480);
    Label19.setWordWrap(true);
    Label19.setCaption(
        QStringLiteral("Ogni aereo attacca separatamente.  Selezionare una nave (doppio click) ad "
                       "ogni turno per procedere all'attacco  I danni vengono calcolati dopo ogni "
                       "singolo attacco"));
    Label7.move(120, 735, 1740, 255);
    valueBox(Label6, 1920, 720, 1920).setAlignment(0);
    List1.move(120, 1080, 3720, 2460);
    List1.setToolTipText(QStringLiteral("Doppio Click per proseguire "));
    List2.move(120, 3660, 3720, 1500);

    valueBox(Label1.add(0, *this, "Label1"), kPanel, 720, 1320);
    valueBox(Label1.add(1, *this, "Label1"), kPanel + kColumn + 240, 720, 1080);
    valueBox(Label5, kPanel + 2 * kColumn + 240, 720, 1080);
    Image1.move(kPanel + 3 * kColumn + 480, 630);
    valueBox(Label17, kPanel + 4 * kColumn, 720, 1080);
    Label17.setToolTipText(QStringLiteral("% AA antiaerea"));

    heading(Label2,
            QStringLiteral("  AA/aa           RR/rr             OO/oo            KN/kn        CA/ Inc"),
            1200);
    for (int i = 2; i <= 11; ++i) {
        const int k = i - 2;
        valueBox(Label1.add(i, *this, "Label1"), kPanel + (k / 2) * kColumn + (k % 2) * 540, 1470, 500);
    }
    heading(Label4, QStringLiteral("N/bom   Taglio    Mitra     %interc     %Attac "), 1920);
    for (int i = 0; i <= 4; ++i) valueBox(Label3.add(i, *this, "Label3"), kPanel + i * kColumn, 2190, 1040);
    heading(Label21, QStringLiteral("  AA            RE             OP             KN           INC  "),
            2640);
    Label21.setToolTipText(QStringLiteral("Danni Speciali "));
    for (int i = 0; i <= 4; ++i) valueBox(Label22.add(i, *this, "Label22"), kPanel + i * kColumn, 2910, 1040);

    Command3.move(kPanel, 3420, 1040, 375);
    Command1.move(kPanel + kColumn, 3420, 2240, 375);
    Command2.move(kPanel + 3 * kColumn, 3420, 2240, 375);
    valueBox(Label13, kPanel + kColumn, 3870, 1040);
    valueBox(Label14, kPanel + 2 * kColumn, 3870, 1040);
    valueBox(Label15, kPanel + 3 * kColumn, 3870, 1040);

    Label9.move(kPanel, 4395, 1680, 255);
    valueBox(Label10, kPanel + 1740, 4380, 660);
    Label18.move(kPanel + 2 * kColumn + 240, 4395, 1560, 255);
    valueBox(Label8, kPanel + 4 * kColumn, 4380, 660);
    Label20.move(kPanel, 4710, 2 * kColumn, 255);
    Label20.setColumns({0, 660});
    valueBox(Label11, kPanel, 4980, 600);
    valueBox(Label12, kPanel + 660, 4980, 600);

    valueBox(Label16, 120, 5370, kPanel + 3 * kColumn - 240).setAlignment(0);
    Label16.setToolTipText(
        QStringLiteral("Doppio Click per forzare il combattimento in assenza di CAP sul bersaglio"));
    Command4.move(kPanel + 3 * kColumn, 5325, 2240, 375);

    List1.Click = [this] { List1_Click(); };
    List1.DblClick = [this] { List1_DblClick(); };
    Command3.Click = [this] { Command3_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Label16.DblClick = [this] { Label16_DblClick(); };
}

// ---------------------------------------------------------------- opening

void FrmPatrol::Form_Load() {
    Globals& g = G();
    // The group tables reach their files whole once the attack is over, as the hour's do; each hit
    // is in the ship file at once, and the hour rebuilds a group's columns from its ships.
    if (!g.SaveBatchOpen) saves_ = std::make_shared<SaveBatch>();
    AzzeraAttacco();
    g.WeatherSeverity = static_cast<Int16>(std::clamp<long long>(g.state(StateItem::Weather), 0, 3));
    MostraDanni();
    for (CommandButton* b : {&Command1, &Command2, &Command3, &Command4}) b->setEnabled(false);
    ImpostaAttacco();
    Label1[0].setCaption(g.AttackTarget[2] == 1 ? QStringLiteral("Q/Periscopio")
                                                : QStringLiteral("Superfice"));
    ListaAereiAttacco();
    CalcolaPercAttacco();
    MostraValoriGruppo();
    Label10.setCaption(num(AereoInAzione));
    Label10.setBackColor(vbWhite);
    Label16.setCaption(kSelectTarget);
    Label1[1].setCaption(QStringLiteral("GN: ") + num(g.AttackTarget[1]));
    Label5.setCaption(QStringLiteral("GA: ") + num(g.AttackGroup[1]));
    Label8.setCaption(num(g.AttackGroup[3]));
    Label11.setCaption(num(TotDanneggiati));
    Label12.setCaption(num(TotAbbattuti));
    // A group whose bombs are spent has attacked already.
    if (g.AttackGroup[5] == 0) {
        Label16.setCaption(QStringLiteral("GIA FATTO !"));
        List1.setEnabled(false);
        Command4.setEnabled(true);
    }
}

// The defender's ship file on the ships' channel, opened when it is not open there already; its
// record count. The table saves close every channel, so it is opened again as needed.
int FrmPatrol::shipFile() {
    Globals& g = G();
    if (!g.Files.isOpen(kChannelShips) || g.Files.random(kChannelShips).path() != shipPath_) {
        openShipFile(kChannelShips, LatoDifesa);
        shipPath_ = g.Files.random(kChannelShips).path();
    }
    return g.Files.random(kChannelShips).count();
}

void FrmPatrol::commitSaves() {
    if (!saves_) return;
    saves_->commit();
    saves_.reset();
}

void FrmPatrol::AzzeraAttacco() {
    Globals& g = G();
    for (int i = 1; i <= kHitElements; ++i) {
        g.ShipHitDamage[i] = 0;
        g.AttackTarget[i] = 0;
        g.AttackGroup[i] = 0;
    }
    RecordNave = AereoInAzione = TotDanneggiati = TotAbbattuti = 0;
    EsitoAA = kPassed;
    ColpiBombe = DanniBombe = DanniMitra = 0;
    AAGruppo = NumCAP = CAPForzata = 0;
    capBlock_ = attackEnded_ = false;
    ships_.clear();
}

// The attacking side is the one that attacks in the contact (element 5), whichever side saw.
void FrmPatrol::ImpostaAttacco() {
    Globals& g = G();
    const int side = g.OperationContext[5];
    if (side != kAllies && side != kAxis) return;
    LatoAttacco = side;
    LatoDifesa = otherSide(side);
    NumGA = g.OperationContext[6];
    NumGN = side == kAllies ? g.OperationContext[16] : g.OperationContext[15];
    g.AttackGroup[1] = NumGA;
    g.AttackTarget[1] = NumGN;
    // Read from the target's own row: the contact's flag is that of the group the seeing side saw.
    g.AttackTarget[2] = gnRow()[GnCol::Periscope];
    ListaNaviBersaglio();
    CaricaGruppoAereo();
}

bool FrmPatrol::sidesSet() const {
    return LatoAttacco == kAllies || LatoAttacco == kAxis;
}

// The rows of the groups in the attack; a row of zeros (written nowhere) for a number outside
// the tables, so that a faulty contact cannot reach another group.
Int16* FrmPatrol::gnRow() const {
    static Int16 none[kGroupColumns + 1];
    std::fill(std::begin(none), std::end(none), Int16());
    return sidesSet() && NumGN >= 1 && NumGN <= kGroups ? G().gnTable(LatoDifesa)[NumGN] : none;
}

Int16* FrmPatrol::gaRow() const {
    static Int16 none[kGroupColumns + 1];
    std::fill(std::begin(none), std::end(none), Int16());
    return sidesSet() && NumGA >= 1 && NumGA <= kGroups ? G().gaTable(LatoAttacco)[NumGA] : none;
}

// Every ship whose group is the target, as the defender's ship file holds it.
void FrmPatrol::ListaNaviBersaglio() {
    Globals& g = G();
    List1.clear();
    ships_.clear();
    if (NumGN < 1 || NumGN > kGroups) return;
    const int count = shipFile();
    const ShipRecord& s = g.ShipRecordBuffer;
    for (int r = 1; r <= count; ++r) {
        readShip(kChannelShips, r);
        if (s.whole(F::NUMERO_GN) != NumGN) continue;
        List1.addItem(s.text(F::TIPO) + QStringLiteral(" ") + s.text(F::NOME));
        List1.setItemData(List1.newIndex(), r);
        ships_.push_back({r, shipValues(s)});
    }
}

void FrmPatrol::CaricaGruppoAereo() {
    Globals& g = G();
    const Int16* r = gaRow();
    g.AttackGroup[2] = r[GaCol::Aircraft];
    g.AttackGroup[3] = r[GaCol::InAction];
    g.AttackGroup[4] = r[GaCol::StrafingFactor];
    g.AttackGroup[5] = r[GaCol::Bombs];
    g.AttackGroup[6] = r[GaCol::BombSize];
    g.AttackGroup[7] = r[GaCol::AttackFactor];
    g.AttackGroup[8] = r[GaCol::InterceptPercent];
}

void FrmPatrol::ListaAereiAttacco() {
    Globals& g = G();
    List2.clear();
    if (!sidesSet() || NumGA < 1 || NumGA > kGroups) return;
    const QString name = g.gaNames(LatoAttacco)[NumGA][1];
    for (int n = 1; n <= g.AttackGroup[3]; ++n) List2.addItem(num(n) + QStringLiteral(" ") + name);
}

void FrmPatrol::CalcolaPercAttacco() {
    Globals& g = G();
    g.AttackGroup[9] = attackPercentage(g.AttackGroup[8], g.AttackGroup[7], g.WeatherSeverity, g.DayFlag == 0,
                                        g.AttackTarget[2] == 1);
}

void FrmPatrol::MostraValoriGruppo() {
    const Int16* a = G().AttackGroup;
    const int shown[5] = {a[5], a[6], a[4], a[8], a[9]};
    for (int i = 0; i < 5; ++i) Label3[i].setCaption(num(shown[i]));
}

// ---------------------------------------------------------------- the ship under attack

void FrmPatrol::LeggiValoriNave() {
    Globals& g = G();
    const ShipRecord& s = g.ShipRecordBuffer;
    Int32* t = g.AttackTarget;
    t[3] = s.whole(F::INCENDI_ATTIVI);
    t[4] = s.whole(F::AAM);
    t[5] = s.whole(F::AAMM);
    t[6] = s.whole(F::OPERATIVITA);
    t[7] = s.whole(F::OPERATIVITAM);
    t[9] = s.whole(F::RESISTENZA);
    t[10] = s.whole(F::RESISTENZAM);
    t[11] = s.whole(F::NODI);
    t[12] = s.whole(F::NODIM);
}

void FrmPatrol::percentualeAA() {
    Globals& g = G();
    AAGruppo = groupAntiAircraft(gnRow());
    g.AttackTarget[8] = antiAircraftPercentage(AAGruppo, g.AttackTarget[5], g.WeatherSeverity, g.DayFlag == 0,
                                               g.AttackTarget[7]);
}

// On a ship chosen: the patrol over the target stops the attack until the player forces it.
void FrmPatrol::CalcolaPercAA() {
    NumCAP = gnRow()[GnCol::PatrolGroups];
    capBlock_ = NumCAP > 0 && CAPForzata == 0;
    if (capBlock_) {
        Label16.setCaption(QStringLiteral("CAP ATTIVA - Fare Tattico o Abortire"));
        List1.setEnabled(false);
        Command4.setEnabled(true);
        return;
    }
    Label16.setCaption(QStringLiteral("CAP ATTIVA - NESSUN AEREO PRESENTE"));
    List1.setEnabled(true);
    Command4.setEnabled(false);
    percentualeAA();
}

void FrmPatrol::MostraValoriNave() {
    const Globals& g = G();
    const Int32* t = g.AttackTarget;
    const long long shown[10] = {t[4], t[5],  t[9],  t[10], t[6],
                                 t[7], t[11], t[12], t[3],  g.ShipRecordBuffer.whole(F::C_A_INCENDIM)};
    for (int i = 0; i < 10; ++i) Label1[i + 2].setCaption(num(shown[i]));
    Label17.setCaption(num(t[8]) + QStringLiteral("%"));
}

void FrmPatrol::MostraDanni() {
    for (int i = 0; i < 5; ++i) Label22[i].setCaption(num(G().ShipHitDamage[i + 1]));
}

bool FrmPatrol::leggiNaveScelta() {
    Globals& g = G();
    for (int i = 1; i <= kHitElements; ++i) g.ShipHitDamage[i] = 0;
    MostraDanni();
    for (Label* l : {&Label13, &Label14, &Label15}) l->setCaption(QString());
    ColpiBombe = DanniMitra = 0;
    if (List1.listIndex() < 0 || !sidesSet()) return false;
    RecordNave = List1.itemData(List1.listIndex());
    shipFile();
    readShip(kChannelShips, RecordNave);
    Label6.setCaption(g.ShipRecordBuffer.trimmed(F::NOME));
    LeggiValoriNave();
    CalcolaPercAA();
    MostraValoriNave();
    return true;
}

void FrmPatrol::List1_Click() {
    DanniBombe = 0;
    if (!leggiNaveScelta()) return;
    const QString icon =
        G().AttackTarget[3] > 0 ? QStringLiteral("\\Ico\\inc1.ico") : QStringLiteral("\\Ico\\kvz.ico");
    loadPictureInto(Image1, G().AppPath + icon);
}

// The next aircraft attacks the ship double-clicked.
void FrmPatrol::List1_DblClick() {
    if (attackEnded_ || !leggiNaveScelta() || capBlock_) return;
    // The attack is booked as the window closes: in a folder that cannot be written it is refused
    // here, before its first aircraft, so that the window has nothing to book.
    aboutToChangeCampaign();
    ProssimoAereo();
    if (attackEnded_) return;
    // No fire to meet before the release.
    if (G().AttackTarget[8] == 0 || G().AttackTarget[2] == 1) {
        Command3.setEnabled(false);
        Command1.setEnabled(true);
    }
}

void FrmPatrol::ProssimoAereo() {
    ++AereoInAzione;
    Label10.setBackColor(vbWhite);
    if (G().AttackGroup[3] < AereoInAzione) {
        attaccoTerminato();
        return;
    }
    Label10.setCaption(num(AereoInAzione));
    Command3.setEnabled(true);
    List1.setEnabled(false);
}

void FrmPatrol::Label16_DblClick() {
    if (!capBlock_) return;
    CAPForzata = 1;
    capBlock_ = false;
    List1.setEnabled(true);
    Command4.setEnabled(false);
    Label16.setCaption(QString());
}

// ---------------------------------------------------------------- one aircraft's steps

void FrmPatrol::TiroAntiaereo() {
    Globals& g = G();
    Label10.setBackColor(vbGreen);
    EsitoAA = antiAircraftFire(g.AttackTarget[4], g.AttackTarget[8]);
    if (EsitoAA == kShotDown) {
        ++TotAbbattuti;
        Label10.setBackColor(vbRed);
        Label16.setCaption(QStringLiteral("      AEREO ABBATTUTO       seleziona bersaglio"));
    } else if (EsitoAA == kDamaged) {
        ++TotDanneggiati;
        Label10.setBackColor(vbYellow);
        Label16.setCaption(QStringLiteral("      AEREO DANNEGGIATO     seleziona bersaglio"));
    }
    if (EsitoAA == kPassed) {
        Command1.setEnabled(true);
    } else {
        // A hit aircraft releases nothing: the next one is sent.
        List1.setEnabled(true);
        if (AereoInAzione >= g.AttackGroup[3]) attaccoTerminato();
    }
    Command3.setEnabled(false);
    Label11.setCaption(num(TotDanneggiati));
    Label12.setCaption(num(TotAbbattuti));
}

void FrmPatrol::Command3_Click() {
    TiroAntiaereo();
    if (G().AttackGroup[3] < AereoInAzione) {
        Label10.setBackColor(vbWhite);
        attaccoTerminato();
    }
}

void FrmPatrol::Command1_Click() {
    Globals& g = G();
    for (int i = 1; i <= kHitElements; ++i) g.ShipHitDamage[i] = 0;
    ColpiBombe = bombsOnTarget(g.AttackGroup[5], g.AttackGroup[9]);
    Command1.setEnabled(false);
    Command2.setEnabled(true);
    Label13.setCaption(num(ColpiBombe));
    DanniBombe = bombDamage(ColpiBombe, g.AttackGroup[6]);
    if (DanniBombe >= kSpecialHitFrom) DanniSpeciali();
    g.ShipHitDamage[kHitHull] = saturate16(DanniBombe);
    if (DanniBombe > 0) {
        ApplicaDanni();
        LeggiValoriNave();
        percentualeAA();
    }
    MostraValoriNave();
    MostraDanni();
    Label14.setCaption(num(DanniBombe));
}

void FrmPatrol::DanniSpeciali() {
    specialHits(G().AttackGroup[9], G().ShipHitDamage);
}

void FrmPatrol::Command2_Click() {
    Globals& g = G();
    DanniMitra = 0;
    // A group at periscope depth offers nothing to strafe, and fires nothing back.
    if (g.AttackTarget[2] != 1) {
        DanniMitra = strafingDamage(g.AttackGroup[4], g.AttackGroup[9]);
        Label15.setCaption(num(DanniMitra));
        Label22[1].setCaption(num(textToWhole(Label22[1].caption()) + DanniMitra));
        if (DanniMitra > 0) {
            for (int i = 1; i <= kHitElements; ++i) g.ShipHitDamage[i] = 0;
            g.ShipHitDamage[kHitHull] = saturate16(DanniMitra);
            ApplicaDanni();
            LeggiValoriNave();
            percentualeAA();
        }
        TiroAntiaereo();
    }
    MostraValoriNave();
    Command2.setEnabled(false);
    Command1.setEnabled(false);
    List1.setEnabled(true);
    Label16.setCaption(kSelectTarget);
    if (AereoInAzione >= g.AttackGroup[3]) {
        Label10.setBackColor(vbWhite);
        attaccoTerminato();
    }
}

// ---------------------------------------------------------------- a hit written

// The hit in ShipHitDamage on the ship in the record buffer (the one read last), written at once
// with its group's columns.
void FrmPatrol::ApplicaDanni() {
    Globals& g = G();
    ValoriNave = applyHit(shipValues(g.ShipRecordBuffer), g.ShipHitDamage);
    setShipValues(g.ShipRecordBuffer, ValoriNave);
    AggiornaGNColpito();
    ScriviNave();
    SalvaTabelleGruppi();
}

void FrmPatrol::AggiornaGNColpito() {
    for (GroupShip& s : ships_)
        if (s.record == RecordNave) s.values = ValoriNave;
    if (NumGN >= 1 && NumGN <= kGroups) updateHitGroup(gnRow(), ships_, ValoriNave);
}

void FrmPatrol::ScriviNave() {
    shipFile();
    writeShip(kChannelShips, RecordNave);
}

// ---------------------------------------------------------------- the end

void FrmPatrol::attaccoTerminato() {
    Command3.setEnabled(false);
    Command4.setEnabled(true);
    List1.setEnabled(false);
    Label16.setCaption(kAttackOver);
    FineAttacco();
}

// Once an attack: the losses are added to the group's only once.
void FrmPatrol::FineAttacco() {
    if (attackEnded_) return;
    attackEnded_ = true;
    if (!sidesSet() || NumGA < 1 || NumGA > kGroups) return;
    endAttack(gaRow(), TotDanneggiati, TotAbbattuti);
    SalvaTabelleGruppi();
    commitSaves();
}

void FrmPatrol::Command4_Click() {
    unload<FrmPatrol>();
}

// However the window is closed, an attack begun is ended and the map shown clean.
void FrmPatrol::Form_Unload(int&) {
    if (AereoInAzione > 0) FineAttacco();
    CAPForzata = 0;
    commitSaves();
    G().Files.close(kChannelShips);
    RicaricaMappa();
    DisegnaBasi();
}

void showPatrolAttack(const QString& caption) {
    FrmPatrol& f = form<FrmPatrol>();
    f.setCaption(caption);
    f.showModal();
}
