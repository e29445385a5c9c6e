// A seam for tests of the hourly step: while an observer is set, RunTime tells it each status code
// it shows ("[EVG]"), each pass it calls with the side in play ("InizioOraNavi/1", a per-group
// pass also with the group: "AggiornaGNDaNavi/2#7") and each progress value it reaches ("5").
#pragma once

#include <QString>
#include <functional>

using HourObserver = std::function<void(const QString& step)>;
void setHourObserver(HourObserver observer);
// Tells the observer, when one is set.
void traceHour(const QString& step);
