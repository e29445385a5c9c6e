// The full campaign of the benchmarks (tests/support/FullCampaign.h), under the benchmarks' names.
#pragma once

#include "tests/support/FullCampaign.h"

namespace bench {
using fullcampaign::copyTree;
using fullcampaign::FullCampaign;
} // namespace bench
