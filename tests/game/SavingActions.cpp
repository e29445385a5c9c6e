// Every player action that saves, set up and driven through its window's handlers as the player
// makes it: the write-failure sweeps and the crash sweeps run the same actions.
#include "SavingActions.h"

#include "ActionSetUps.h"
#include "CampaignState.h"
#include "common/CampaignJournal.h"
#include "common/ContactFiles.h"
#include "common/ContactRecord.h"
#include "common/Dice.h"
#include "common/RecordFiles.h"
#include "game/combat/FormDanniNavi.h"
#include "game/combat/FrmAuto.h"
#include "game/combat/FrmBombNav.h"
#include "game/combat/FrmPatrol.h"
#include "game/main/CampaignOpen.h"
#include "game/main/FrmMain.h"
#include "game/orders/FrmMine.h"
#include "game/orders/FrmPA.h"
#include "game/points/FrmMezziAerei.h"
#include "game/points/FrmMezziNavi.h"
#include "game/points/FrmPunti.h"
#include "game/points/FrmStack.h"
#include "game/points/FrmStackA.h"
#include "game/points/FrnLineaV.h"
#include "game/start/FrmBasi.h"
#include "game/start/FrmGame.h"
#include "game/start/FrmMezziGratis.h"
#include "game/start/FrmSetUpGen.h"
#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "tests/game/combat/BaseAttackShips.h"
#include "tests/game/main/ShipFiles.h"
#include "tests/game/main/TestCampaign.h"
#include "tests/game/start/WizardFixtures.h"
#include <QMainWindow>
#include <array>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>
#include <string>

using namespace platform;
using namespace actionsetups;

namespace savingactions {
namespace {
namespace A = recordformat::aircraft;

// Aircraft types of a base's or a carrier's file, `ready` of each on hand.
void writeAircraft(const QString& path, int side, const QStringList& names, int ready) {
    openAircraftFile(1, path, side);
    for (const QString& name : names) {
        AircraftRecord a;
        a.setText(A::Nazione, side == kAxis ? "IT Italia" : "GB Gran Bretagna");
        a.setText(A::Nome, name);
        a.setText(A::Ruolo, "CPT");
        a.setNumber(A::Anno, 1940);
        a.setNumber(A::Autonomia, 8);
        for (int f = A::Giudizio; f <= A::FattoreMitragliamento; ++f) a.setNumber(f, f);
        a.setNumber(A::Carico, 250);
        a.setNumber(A::Velocita, 250);
        a.setNumber(A::Costo, 5);
        a.setNumber(A::Disponibilita, 100);
        a.setText(A::Silurante, "N");
        a.setText(A::Imbarcato, "1");
        a.setNumberWithSign(A::Pronti, ready);
        appendAircraft(1, a);
    }
    G().Files.close(1);
    // A base counts present the aircraft its file holds ready.
    for (int base = 1; base <= kBases; ++base)
        if (path == baseAircraftFilePath(base)) {
            G().BaseTable[base][BaseCol::AircraftPresent] = ready * int(names.size());
            SalvaDatiBasi();
        }
}

} // namespace

void ShipPurchase(Sweeper& s) {
    s.sweep(
        [] {
            testcampaign::write();
            for (int cost : {250, 300})
                shipfiles::addShip(kAllies,
                                   {{S::STATUS, 0}, {S::COSTO, cost}, {S::OPERATIVITA, 90}, {S::CARGO, 10}});
        },
        [](const Moments& m) {
            openCampaign();
            Globals& g = G();
            g.CurrentSide = kAllies;
            g.GameSettings[3] = 1941;
            g.GameSettings[4] = 10000;
            g.GameSettings[10] = 100;
            FrmMezziNavi& w = form<FrmMezziNavi>();
            {
                ChosenDice dice(QList<int>(2, 100));
                w.Command2.doClick();
            }
            m.arm();
            w.List1.doPickDouble(0);
        });
}

void AircraftPurchase(Sweeper& s) {
    s.sweep(
        [] {
            G().BaseTable[1][BaseCol::PointsArrived] = 100;
            testcampaign::write();
            writeAircraft(baseAircraftFilePath(1), kAxis, {"Macchi", "Fiat"}, 5);
        },
        [](const Moments& m) {
            openCampaign();
            G().CurrentSide = kAxis;
            FrmMezziAerei& w = form<FrmMezziAerei>();
            w.List1.doPick(0);
            {
                ChosenDice dice({9, 1, 1});
                w.Command2.doClick();
            }
            w.List3.doPick(0);
            w.Command3.doClick();
            w.Command3.doClick();
            m.arm();
            w.Command5.doClick();
        });
}

namespace {

// Four Axis ships lying at TARANTO, the first with 2 aircraft, the second with a half-empty
// tank, the third with its hull at 40.
void makeTaranto() {
    G().BaseTable[kTaranto][BaseCol::ShipsPresent] = 4;
    testcampaign::write();
    testcampaign::appendShips(kAxis, {{.aircraft = 2}, {.operativity = 70}, {.hull = 100}, {}});
    for (int r = 1; r <= 4; ++r) changeShip(kAxis, r, [](ShipRecord& s) { s.setNumber(S::PORTO, kTaranto); });
    changeShip(kAxis, 2, [](ShipRecord& s) { s.setNumber(S::OPERATIVITA, 100); });
    changeShip(kAxis, 3, [](ShipRecord& s) { s.setNumber(S::RESISTENZAM, 40); });
}

// Ships 1 and 2 of TARANTO moved into a new group, not yet sailed.
FrmMain& formTwo() {
    FrmMain& f = openTaranto();
    f.Label56.doClick();
    for (int r : {1, 2}) pickIn(f.List3, r, true);
    return f;
}

// Group 3 of `side` (three ships, records 1 to 3) and group 4 close by (records 4 and 5).
void makeGroups(int side) {
    Int16* r = groupRow(side, 3, 3, 7000, 4500);
    r[GnCol::Destroyers] = r[GnCol::Capitals] = r[GnCol::OtherShips] = 1;
    groupRow(side, 4, 2, 7050, 4520);
    testcampaign::write();
    testcampaign::appendShips(
        side,
        {{.group = 3}, {.type = "IL", .group = 3}, {.type = "NX", .group = 3}, {.group = 4}, {.group = 4}});
}

} // namespace

void ShipIntoAndOutOfAGroupFormingInPort(Sweeper& s) {
    for (const bool out : {false, true}) {
        SCOPED_TRACE(out ? "out" : "in");
        s.sweep(makeTaranto, [out](const Moments& m) {
            FrmMain& f = openTaranto();
            f.Label56.doClick();
            pickIn(f.List3, 1, true);
            m.arm();
            out ? pickIn(f.List4, 1, true) : pickIn(f.List3, 2, true);
        });
    }
    // The group given up by the file menu's reset: both ships go back to the port.
    SCOPED_TRACE("given up");
    s.sweep(makeTaranto, [](const Moments& m) {
        FrmMain& f = formTwo();
        m.arm();
        f.mnFileReset.doClick();
    });
}

void GroupDeparture(Sweeper& s) {
    s.sweep(makeTaranto, [](const Moments& m) {
        FrmMain& f = formTwo();
        m.arm();
        f.Command2.doClick();
    });
}

void ShipDockedFromAGroup(Sweeper& s) {
    s.sweep(makeTaranto, [](const Moments& m) {
        FrmMain& f = formTwo();
        f.Command2.doClick();
        f.Command3.doClick();
        f.List2.doPick(0);
        pickIn(f.List5, 2, false);
        m.arm();
        f.Image11.doClick();
    });
}

void PortOrderAndDockyard(Sweeper& s) {
    // Refuelling, then the dockyard.
    for (auto [record, dockyard] : {std::pair{2, false}, std::pair{3, true}}) {
        SCOPED_TRACE(record);
        s.sweep(makeTaranto, [record, dockyard](const Moments& m) {
            G().BasePoints[kTaranto] = 1000;
            FrmMain& f = openTaranto();
            f.Image10.doClick();
            pickIn(f.List3, record, false);
            m.arm();
            if (dockyard)
                f.Image24.doDblClick();
            else
                f.Image21.doClick();
        });
    }
}

void SplitAndMerge(Sweeper& s) {
    SCOPED_TRACE("split");
    s.sweep([] { makeGroups(kAllies); },
            [](const Moments& m) {
                FrmMain& f = openGroup(kAllies, 3);
                f.Image12.doClick();
                pickIn(f.List5, 1, true);
                m.arm();
                pickIn(f.List5, 2, true);
            });
    SCOPED_TRACE("merge");
    s.sweep([] { makeGroups(kAllies); },
            [](const Moments& m) {
                FrmMain& f = openGroup(kAllies, 3);
                pickIn(f.List7, 4, false);
                m.arm();
                f.Image13.doClick();
            });
}

void ScuttlingAndAssistance(Sweeper& s) {
    for (bool scuttle : {true, false}) {
        SCOPED_TRACE(scuttle);
        s.sweep([] { makeGroups(kAxis); },
                [scuttle](const Moments& m) {
                    FrmMain& f = openGroup(kAxis, 3);
                    pickIn(f.List5, 2, false);
                    m.arm();
                    (scuttle ? f.Image15 : f.Image16).doDblClick();
                });
    }
}

void PointTransfers(Sweeper& s) {
    s.sweep([] { testcampaign::write(); },
            [](const Moments& m) {
                openCampaign();
                G().CurrentSide = kAllies;
                G().GameSettings[4] = 1000;
                FrmPunti& w = form<FrmPunti>();
                w.Option1[0].doClick();
                w.Label1.doClick();
                w.Label1.doClick();
                w.Label3.doClick();
                w.Label6.doClick();
                m.arm();
                w.Command1.doClick();
            });
}

void FlightLine(Sweeper& s) {
    s.sweep(
        [] {
            G().BaseTable[carriers::kGibilterra][BaseCol::ShipsPresent] = 1;
            testcampaign::write();
            shipfiles::addShip(kAllies, {{S::NOME, "Ark Royal"},
                                         {S::TIPO, "PA"},
                                         {S::AEREI, 3},
                                         {S::AEREIM, 2},
                                         {S::CodicePortaerei, "P1"},
                                         {S::PORTO, carriers::kGibilterra}});
            writeAircraft(carrierAircraftFilePath("P1"), kAllies, {"Fulmar", "Swordfish"}, 1);
        },
        [](const Moments& m) {
            openCampaign();
            G().GameSettings[3] = 1941;
            G().GameSettings[4] = 100;
            FrnLineaV& w = form<FrnLineaV>();
            w.List1.doPick(0);
            w.List2.doPick(0);
            w.Command2.doClick();
            m.arm();
            w.Command5.doClick();
        });
}

namespace {
// Allied group 3 in the carriers' launch zone: a destroyer and carrier P1 (record 2), whose
// line of Fulmars has 30 ready; MALTA BS has a line of Fulmars too.
void makeCarrier() {
    Int16* r = groupRow(kAllies, 3, 2, 2400, 2900);
    r[GnCol::Destroyers] = 1, r[GnCol::Carriers] = 1;
    testcampaign::write();
    testcampaign::appendShips(kAllies,
                              {{.group = 3}, {.type = "PA", .group = 3, .knots = 25, .aircraft = 30}});
    changeShip(kAllies, 2, [](ShipRecord& s) {
        s.setNumber(S::MAM, 5);
        s.setText(S::CodicePortaerei, "P1");
    });
    writeAircraft(carrierAircraftFilePath("P1"), kAllies, {"Fulmar"}, 30);
    writeAircraft(baseAircraftFilePath(13), kAllies, {"Wellington", "Fulmar"}, 3);
}

// The carrier picked in its group's list, its window opened by the carrier icon and driven.
void launch(const std::function<void(FrmPA&)>& drive) {
    FrmMain& f = openGroup(kAllies, 3);
    pickIn(f.List5, 2, false);
    platform::testing::setModalHandler([&](Form& w) {
        auto& pa = static_cast<FrmPA&>(w);
        pa.List1.doPick(0);
        pa.Label4.doClick();
        pa.Combo1.doPick(4);
        drive(pa);
        unloadForm(w);
    });
    f.Image18.doClick();
}
} // namespace

void CarrierLaunchAndMaltaFerry(Sweeper& s) {
    SCOPED_TRACE("launch");
    s.sweep(makeCarrier, [](const Moments& m) {
        launch([&](FrmPA& w) {
            w.Combo2.doPick(0);
            m.arm();
            w.Command2.doClick();
            m.done();
        });
    });
    SCOPED_TRACE("ferry");
    s.sweep(makeCarrier, [](const Moments& m) {
        launch([&](FrmPA& w) {
            m.arm();
            w.Command5.doClick();
            m.done();
        });
    });
}

void MinePurchase(Sweeper& s) {
    s.sweep([] { testcampaign::write({.hour = 1}); },
            [](const Moments& m) {
                FrmMain& f = openMain();
                G().CurrentSide = kAxis;
                G().GameSettings[5] = 5000;
                platform::testing::setModalHandler([&](Form& w) {
                    auto& mines = static_cast<FrmMine&>(w);
                    mines.List1.doPick(2);
                    m.arm();
                    mines.Command2.doClick();
                    m.done();
                    unloadForm(w);
                });
                f.Label17.doDblClick();
            });
}

void ShipDamageEntry(Sweeper& s) {
    s.sweep([] { makeGroups(kAllies); },
            [](const Moments& m) {
                FrmMain& f = openGroup(kAllies, 3);
                platform::testing::setModalHandler([&](Form& w) {
                    auto& d = static_cast<FormDanniNavi&>(w);
                    d.List1.doPick(1);
                    d.Text1[0].doType("20");
                    d.Text1[1].doType("5");
                    m.arm();
                    d.Command2.doClick();
                    m.done();
                    d.Command1.doClick();
                });
                f.Command27.doClick();
            });
}

void NavalAttackFromTheMap(Sweeper& s) {
    s.sweep(
        [] {
            testcampaign::write({.contacts = 1});
            ContactRecord c{};
            c.STLATO1 = c.STLATO2 = c.STVEDELATO1 = c.STVEDELATO2 = 1;
            c.STNSTACKLATO1 = 3, c.STNSTACKLATO2 = 5, c.STDIFVEVLATO1 = 3, c.STDIFVEVLATO2 = 2;
            c.STNUMNAVILATO1 = 2, c.STNUMNAVILATO2 = 4, c.STDISTANZA = 150, c.STB2 = kActNavalMeeting;
            openContactFile(20);
            writeContact(20, 1, c);
            G().Files.close(20);
        },
        [](const Moments& m) {
            FrmMain& f = openMain();
            G().ContattiGestiti = 1;
            f.Command5.doClick();
            f.Image29.doClick();
            f.List9.doPick(0);
            m.arm();
            f.Command19.doClick();
            m.said(f.Label17.caption());
        });
}

void SupervisorEdits(Sweeper& s) {
    // Allied groups 3 (two ships) and 7 (one, record 3) and air group 5.
    const auto make = [] {
        Globals& g = G();
        groupRow(kAllies, 3, 2, 5000, 3000);
        groupRow(kAllies, 7, 1, 6000, 3000)[GnCol::Knots] = 20;
        g.GaTableAlle[5][GaCol::InUse] = 1, g.GaTableAlle[5][GaCol::Aircraft] = 9;
        g.GaNamesAlle[5][1] = "AEREO 5";
        testcampaign::write();
        testcampaign::appendShips(kAllies, {{.group = 3}, {.group = 3}, {.group = 7, .knots = 24}});
    };
    for (int edit : {0, 1, 2}) {
        SCOPED_TRACE(edit);
        s.sweep(make, [edit](const Moments& m) {
            openCampaign();
            G().CurrentSide = kAllies;
            const auto drive = [&](Form& w) {
                if (edit == 2) {
                    auto& a = static_cast<FrmStackA&>(w);
                    a.Option1.doClick();
                    a.List1.doPick(0);
                    a.Label2[GaCol::Aircraft - 1].doClick();
                    a.Text1.setText("12");
                    m.arm();
                    a.Command1.doClick();
                } else {
                    auto& s = static_cast<FrmStack&>(w);
                    s.Option1.doClick();
                    s.Combo1.doPick(1);
                    if (edit == 0) {
                        s.Label2[GnCol::Knots - 1].doClick();
                        s.Text2.setText("12");
                        m.arm();
                        s.Command3.doClick();
                    } else {
                        pickIn(s.List1, 3, false);
                        s.Text4.doType("12");
                        m.arm();
                        s.Command1.doClick();
                    }
                }
            };
            if (edit == 2)
                drive(form<FrmStackA>());
            else
                drive(form<FrmStack>());
        });
    }
}

void AttackWindows(Sweeper& s) {
    SCOPED_TRACE("patrol");
    s.sweep(
        [] {
            groupRow(kAllies, 1, 2, 5000, 3000);
            Int16* a = G().GaTableAsse[4];
            a[GaCol::InUse] = 1, a[GaCol::Order] = kOrderPatrol, a[GaCol::Aircraft] = 3,
            a[GaCol::InAction] = 2;
            a[GaCol::Bombs] = 2, a[GaCol::BombSize] = 50, a[GaCol::AttackFactor] = 20,
            a[GaCol::StrafingFactor] = 3;
            a[GaCol::X] = a[GaCol::TargetX] = 5000, a[GaCol::Y] = a[GaCol::TargetY] = 3000;
            testcampaign::write({.hour = 10});
            testcampaign::appendShips(kAllies, {{.group = 1}, {.type = "IL", .group = 1}});
        },
        [](const Moments& m) {
            openCampaign();
            G().DayFlag = 1;
            Int32* oc = G().OperationContext;
            oc[5] = kAxis, oc[6] = 4, oc[15] = 1, oc[8] = kAllies;
            // Opened by a handler, as the contact board opens it.
            platform::runHandler([] { form<FrmPatrol>(); });
            FrmPatrol& p = form<FrmPatrol>();
            p.List1.doPickDouble(1);
            setDiceSource([](int) { return 1; });
            m.arm();
            p.Command1.doClick();
        });
    SCOPED_TRACE("patrol broken off");
    s.sweep(
        [] {
            groupRow(kAllies, 1, 1, 5000, 3000);
            Int16* a = G().GaTableAsse[4];
            a[GaCol::InUse] = 1, a[GaCol::Order] = kOrderPatrol, a[GaCol::Aircraft] = 3,
            a[GaCol::InAction] = 2, a[GaCol::Bombs] = 2, a[GaCol::BombSize] = 50, a[GaCol::AttackFactor] = 20;
            testcampaign::write({.hour = 10});
            testcampaign::appendShips(kAllies, {{.group = 1}});
        },
        [](const Moments& m) {
            openCampaign();
            G().DayFlag = 1;
            Int32* oc = G().OperationContext;
            oc[5] = kAxis, oc[6] = 4, oc[15] = 1, oc[8] = kAllies;
            platform::runHandler([] { form<FrmPatrol>(); });
            FrmPatrol& p = form<FrmPatrol>();
            setDiceSource([](int) { return 100; });
            p.List1.doPickDouble(0);
            p.Command1.doClick();
            p.Command2.doClick();
            // The attack ends with the window, its losses booked to the air group.
            m.arm();
            p.window()->close();
        });
    SCOPED_TRACE("air strike");
    s.sweep(
        [] {
            Int16* r = G().GaTableAsse[3];
            r[GaCol::InUse] = 1, r[GaCol::Aircraft] = 4, r[GaCol::Order] = kOrderBombing, r[GaCol::Bombs] = 2;
            r[GaCol::BombSize] = 3, r[GaCol::InterceptPercent] = 60, r[GaCol::TargetBase] = 12;
            testcampaign::write({.hour = 10});
            testcampaign::appendShips(kAllies, {{}, {}});
            for (int record : {1, 2})
                changeShip(kAllies, record, [](ShipRecord& s) { s.setNumber(S::PORTO, 12); });
        },
        [](const Moments& m) {
            openCampaign();
            G().CurrentSide = kAxis;
            Int32* oc = G().OperationContext;
            oc[2] = 12, oc[5] = kAxis, oc[6] = 3;
            FrmAuto& f = form<FrmAuto>();
            // Every aircraft caught and safe, every bomb on target, each d1000 a percent of damage.
            setDiceSource([](int sides) { return sides == 100 ? 50 : sides == 125 ? 20 : 1; });
            for (CommandButton* b : {&f.Command1, &f.Command3, &f.Command4}) b->doClick();
            m.arm();
            f.Command5.doClick();
        });
    SCOPED_TRACE("bombardment");
    s.sweep(
        [] {
            Int16* r = groupRow(kAllies, 5, 2, 5000, 3000);
            r[GnCol::Order] = kNavalBombardment, r[GnCol::BombardedBase] = 7, r[GnCol::Knots] = 28;
            G().BaseTable[7][BaseCol::ShipsPresent] = 2;
            testcampaign::write({.hour = 10});
            attackships::append(kAllies,
                                {{.name = "Warspite", .group = 5, .aa = 5, .fireDirection = 6, .type = "NB"},
                                 {.name = "Valiant", .group = 5, .aa = 5, .hull = 250}});
            attackships::append(kAxis, {{.name = "Bolzano", .port = 7}, {.name = "Gorizia", .port = 7}});
        },
        [](const Moments& m) {
            openCampaign();
            Int32* oc = G().OperationContext;
            oc[1] = 0, oc[2] = 7, oc[5] = kAllies, oc[6] = 5;
            FrmBombNav& f = form<FrmBombNav>();
            // A few hits each way, on the port's ships and the group's.
            setDiceSource([n = 0](int sides) mutable {
                return sides == 125 ? (++n % 40 == 0 ? 20 : 125) : sides == 100 ? 50 : 1;
            });
            m.arm();
            f.Command1.doClick();
        });
}

void TheWizardsLastStep(Sweeper& s) {
    const auto make = [&s] {
        wizardtest::removeShippedArchives(s.programFolder());
        wizardtest::writeStandardArchives(s.programFolder());
        platform::testing::setModalHandler([](Form& f) {
            auto& w = static_cast<FrmSetUpGen&>(f);
            w.Text1.doDblClick();
            w.Text1.doType("Prova");
            w.Combo1.doPick(0);
            w.Command3.doClick();
        });
        form<FrmGame>().MnSetupGenerale.doClick();
        platform::testing::setModalHandler(nullptr);
        ChosenDice dice({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 100, 260});
        form<FrmBasi>().Command2.doClick();
    };
    const auto aircraft = [](FrmMezziGratis& m, int base, int type, int count) {
        m.Combo2.doPick(base);
        m.List3.doPick(type);
        for (int i = 0; i < count; ++i) m.Command6.doClick();
    };
    s.sweep(make, [aircraft](const Moments& m) {
        FrmMezziGratis& w = form<FrmMezziGratis>();
        for (CommandButton* phase : {&w.Command2, &w.Command3}) {
            phase->doClick();
            w.Command1.doClick();
            w.Combo1.doPick(1);
            w.List1.doPickDouble(0);
            w.Label14.doClick();
        }
        w.Command4.doClick();
        w.Command1.doClick();
        aircraft(w, 3, 0, 40);
        w.Command8.doClick();
        w.Command5.doClick();
        w.Command1.doClick();
        aircraft(w, 0, 0, 30);
        w.Command8.doClick();
        aircraft(w, 9, 0, 20);
        m.arm();
        w.Command8.doClick();
    });
}

namespace {
// A line of nine JU 88 at TARANTO; each side may have 50 of a base's aircraft in flight.
void makeBombers() {
    G().BaseTable[kTaranto][BaseCol::AircraftPresent] = 9;
    testcampaign::write();
    std::array<long long, kSettings + 1> settings{};
    settings[1] = 30, settings[2] = 3, settings[3] = 1941, settings[16] = 10, settings[17] = 10;
    writeSettingsFile(settings);
    writeAircraft(baseAircraftFilePath(kTaranto), kAxis, {"JU 88"}, 9);
}
} // namespace

void AirGroupFormedAndGroupsOrdered(Sweeper& s) {
    SCOPED_TRACE("air group formed");
    s.sweep(makeBombers, [](const Moments& m) {
        FrmMain& f = openMain();
        f.Command17.doClick();
        f.Command6.doClick();
        G().BasesMode = 1;
        const int x = G().BaseMapXY[kTaranto][1], y = G().BaseMapXY[kTaranto][2];
        f.PicBitMap.doMouseDown(vbLeftButton, 0, x + 90, y + 90);
        f.List1.doPick(0);
        {
            ChosenDice dice({1, 1});
            f.Label49.doClick();
        }
        // The take-off delay's die.
        setDiceSource([](int) { return 2; });
        f.Combo1.doPick(3);
        m.arm();
        f.Command1.doClick();
    });
    SCOPED_TRACE("air order");
    s.sweep(
        [] {
            Int16* a = G().GaTableAsse[2];
            a[GaCol::InUse] = 1, a[GaCol::Aircraft] = 4, a[GaCol::Order] = kOrderTakeOff;
            a[GaCol::OriginBase] = kTaranto, a[GaCol::SpeedKmh] = 250, a[GaCol::DefaultEndurance] = 8;
            a[GaCol::X] = G().BaseMapXY[kTaranto][1], a[GaCol::Y] = G().BaseMapXY[kTaranto][2];
            makeBombers();
        },
        [](const Moments& m) {
            FrmMain& f = openMain();
            f.Command17.doClick();
            f.Command6.doClick();
            f.Command9.doClick();
            f.List8.doPick(0);
            f.Combo8.doPick(kOrderReturn - 1);
            m.arm();
            f.Command20.doClick();
        });
    SCOPED_TRACE("naval order");
    s.sweep([] { makeGroups(kAllies); },
            [](const Moments& m) {
                FrmMain& f = openMain();
                f.Command17.doClick();
                f.Command5.doClick();
                f.Command3.doClick();
                pickIn(f.List2, 3, false);
                m.arm();
                f.Combo5.doPick(kNavalSupport - 1);
            });
}

const std::vector<std::pair<const char*, void (*)(Sweeper&)>>& all() {
    static const std::vector<std::pair<const char*, void (*)(Sweeper&)>> actions{
        {"ShipPurchase", ShipPurchase},
        {"AircraftPurchase", AircraftPurchase},
        {"ShipIntoAndOutOfAGroupFormingInPort", ShipIntoAndOutOfAGroupFormingInPort},
        {"GroupDeparture", GroupDeparture},
        {"ShipDockedFromAGroup", ShipDockedFromAGroup},
        {"PortOrderAndDockyard", PortOrderAndDockyard},
        {"SplitAndMerge", SplitAndMerge},
        {"ScuttlingAndAssistance", ScuttlingAndAssistance},
        {"PointTransfers", PointTransfers},
        {"FlightLine", FlightLine},
        {"CarrierLaunchAndMaltaFerry", CarrierLaunchAndMaltaFerry},
        {"MinePurchase", MinePurchase},
        {"ShipDamageEntry", ShipDamageEntry},
        {"NavalAttackFromTheMap", NavalAttackFromTheMap},
        {"SupervisorEdits", SupervisorEdits},
        {"AttackWindows", AttackWindows},
        {"TheWizardsLastStep", TheWizardsLastStep},
        {"AirGroupFormedAndGroupsOrdered", AirGroupFormedAndGroupsOrdered},
    };
    return actions;
}

} // namespace savingactions
