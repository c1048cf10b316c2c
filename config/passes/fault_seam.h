// The seam through which tests make any one file operation of an update fail as if the system had
// refused it. Only the updater's own sources and the tests include this header: the program never
// installs a hook, and then each operation asks one thread-local pointer and goes on.
#pragma once

#include <functional>

#include "config/passes/update_step.h"

namespace chromlet {

/// Asked before every open, read, write, check and rename of an update, with the step that
/// operation belongs to. Returns the error number (errno) the operation is to fail with, or 0 to
/// let it run.
using FaultHook = std::function<int(UpdateStep step)>;

/// Installs a hook for the updates this thread runs while the object lives. Threads an update
/// starts for itself never see it.
class ScopedFaultHook {
  public:
    explicit ScopedFaultHook(FaultHook hook);
    ~ScopedFaultHook();
    ScopedFaultHook(const ScopedFaultHook&) = delete;
    ScopedFaultHook& operator=(const ScopedFaultHook&) = delete;

  private:
    FaultHook hook_;
    const FaultHook* previous_;
};

/// The error number the next operation of `step` is to fail with; 0 when no hook is installed,
/// for UpdateStep::None, and when the hook lets it run.
int InjectedFault(UpdateStep step);

}  // namespace chromlet
