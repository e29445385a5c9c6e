// The hourly step as rules: every phase of one hour in order (RunTime's sequence), and the hour
// all or nothing for the campaign's files. What a player sees of it (phase codes, progress,
// alarms, the map drawn again) goes through HourView, which the main window implements; a run
// without a window passes a view that shows nothing.
#pragma once

#include <QString>

// The alarms of the hour, shown when it ends.
struct HourAlarms {
    bool groupStopped = false; // a naval group came to the end of its route (GnStoppedFlag)
    bool contacts = false;     // contacts were written (ContattiGestiti)
    bool airReturn = false;    // air groups turned for home (AirReturnFlag)
    bool mineHit = false;      // a mine field struck (MineHitAlarm)
};

class HourView {
  public:
    virtual ~HourView() = default;
    // The hour begins: the progress runs from 0 to kLastHourProgress.
    virtual void hourBegins() {}
    // The three-letter code of the phase under way.
    virtual void phase(const char* code) { (void)code; }
    virtual void progress(int point) { (void)point; }
    // True at one o'clock, when mines may be laid.
    virtual void hourOne(bool yes) { (void)yes; }
    // The clock, the weather and day or night of the new hour are set.
    virtual void clockChanged() {}
    virtual void alarms(const HourAlarms& a) { (void)a; }
    // The clean map with the base squares, then the circles of the hour's activities.
    virtual void redrawMap() {}
    virtual void drawActivities() {}
    virtual void hourEnds() {}
};

constexpr int kLastHourProgress = 32;

// Every phase of one hour, in order; a failing phase throws and leaves the hour half done.
void runHourPhases(HourView& view);

struct HourOutcome {
    bool done = false;
    bool undoneFirst = false; // an hour left half undone by an earlier failure was undone first
    QString failure;          // why the hour was not run
    // Why the campaign could not be put back as it was (empty when it was). Its journal then stays
    // beside it, and the next opening or hour puts it back first: it should be closed.
    QString restoreFailure;
};
// One hour, all or nothing, as one transaction over the campaign's files (CampaignJournal.h):
// when a phase fails, every file of the campaign, the tables, the marks of the hour and the clock
// values are put back as they were before the hour; a program killed during the hour leaves a
// campaign that its next opening puts back so. A journal left by an hour whose undoing failed is
// rolled back (and the tables read again) before the hour runs.
HourOutcome runHourWhole(HourView& view);
