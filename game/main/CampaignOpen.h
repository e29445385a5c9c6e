// Opening a campaign without a window: the reference lists, the tables and records of the
// campaign named by CampaignName, then day or night and the weather of its hour.
#pragma once

#include "common/CampaignSnapshot.h"

#include <QString>

// Reads, in order, the name lists, the base points, the group tables, the mine fields, the base
// table and game state, the campaign's settings and set-up tables and the order names; no side is
// in play. A missing or short file raises an error naming it. An hour cut short (its journal left
// beside the campaign) is rolled back first: true then. A journal that cannot be rolled back
// raises an error and nothing is read. Files that disagree with one another stop the opening
// before anything is changed; ships of a group still being formed in port go back to their port,
// and `returned` (when given) gets what the player is told of them (empty when none moved).
bool loadCampaign(QString* returned = nullptr);

// What the player is told of a step undone at the opening, by the step its journal names
// (lastUndoneStep): an hour, or an action between hours and, when the journal tells it, what the
// player used to start it.
QString undoneAtOpenText(const CampaignSnapshot::Step& step);
