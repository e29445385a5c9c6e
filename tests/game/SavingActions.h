// Every player action that saves, each a campaign made and the player's moves through the windows
// up to the action: the write-failure sweeps and the crash sweeps run the same actions.
#pragma once

#include "tests/support/TestSupport.h"

#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace savingactions {

// The moments of a run: arm() just before the click that makes the action, done() just after it
// (when the windows go on writing after the action, e.g. a window shown modal that is closed, the
// action is what lies between them).
struct Moments {
    std::function<void()> arm, done;
    // For a handler that tells of its own failures: what it says on its window.
    std::function<void(const QString&)> said;
};
// Opens the campaign, drives its windows up to the action and makes it.
using Run = std::function<void(const Moments&)>;

// What runs the actions: `make` writes the campaign in the program folder; `run` is what the
// player does.
class Sweeper {
  public:
    virtual ~Sweeper() = default;
    virtual void sweep(const std::function<void()>& make, const Run& run) = 0;
    virtual const testsupport::ProgramFolder& programFolder() const = 0;
};

// Each gives the sweeper its actions, one after the other.
void ShipPurchase(Sweeper& s);
void AircraftPurchase(Sweeper& s);
void ShipIntoAndOutOfAGroupFormingInPort(Sweeper& s);
void GroupDeparture(Sweeper& s);
void ShipDockedFromAGroup(Sweeper& s);
void PortOrderAndDockyard(Sweeper& s);
void SplitAndMerge(Sweeper& s);
void ScuttlingAndAssistance(Sweeper& s);
void PointTransfers(Sweeper& s);
void FlightLine(Sweeper& s);
void CarrierLaunchAndMaltaFerry(Sweeper& s);
void MinePurchase(Sweeper& s);
void ShipDamageEntry(Sweeper& s);
void NavalAttackFromTheMap(Sweeper& s);
void SupervisorEdits(Sweeper& s);
void AttackWindows(Sweeper& s);
void TheWizardsLastStep(Sweeper& s);
void AirGroupFormedAndGroupsOrdered(Sweeper& s);

// All of them, by name.
const std::vector<std::pair<const char*, void (*)(Sweeper&)>>& all();

} // namespace savingactions
