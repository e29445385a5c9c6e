#include "Globals.h"

#include <memory>

namespace {
std::unique_ptr<Globals>& instance() {
    static std::unique_ptr<Globals> g = std::make_unique<Globals>();
    return g;
}
} // namespace

Globals& G() {
    return *instance();
}

void resetGlobals() {
    instance() = std::make_unique<Globals>();
}
