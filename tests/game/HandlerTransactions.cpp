// The game's windows are driven as the program drives them: each outermost handler is one
// transaction over the open campaign's files.
#include "common/CampaignJournal.h"

namespace {
const bool installed = (runHandlersAsTransactions(), true);
} // namespace
