#include "SetupGlobals.h"

#include <memory>

namespace {
std::unique_ptr<SetupGlobals>& instance() {
    static std::unique_ptr<SetupGlobals> g = std::make_unique<SetupGlobals>();
    return g;
}
} // namespace

SetupGlobals& SG() {
    return *instance();
}

void resetSetupGlobals() {
    instance() = std::make_unique<SetupGlobals>();
}
