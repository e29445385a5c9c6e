// The full campaign of the benchmarks (tests/support/FullCampaign.h), under the benchmarks' names.
#pragma once

#include "tests/support/FullCampaign.h"

namespace bench {
using fullcampaign::copyTree;

// A program runs several campaigns (600 and 2,400 ships a side): each benchmark chooses its own,
// its program folder with it, whichever campaign was written last.
struct FullCampaign : fullcampaign::FullCampaign {
    using fullcampaign::FullCampaign::FullCampaign;
    void choose() const {
        platform::setAppFolder(dir.path());
        fullcampaign::FullCampaign::choose();
    }
};
} // namespace bench
