#include "config/passes/fault_seam.h"

#include <utility>

namespace chromlet {

namespace {

thread_local const FaultHook* installedHook = nullptr;

}  // namespace

ScopedFaultHook::ScopedFaultHook(FaultHook hook)
    : hook_(std::move(hook)), previous_(installedHook) {
    installedHook = &hook_;
}

ScopedFaultHook::~ScopedFaultHook() {
    installedHook = previous_;
}

int InjectedFault(UpdateStep step) {
    if (installedHook == nullptr || !*installedHook || step == UpdateStep::None) {
        return 0;
    }
    return (*installedHook)(step);
}

}  // namespace chromlet
