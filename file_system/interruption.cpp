#include "file_system/interruption.h"

#include <atomic>

namespace brisel {

namespace {

// Lock-free, so that a signal handler may store it.
std::atomic<int> requested{0};
static_assert(std::atomic<int>::is_always_lock_free);

}  // namespace

void RequestInterruption(int signal) noexcept { requested.store(signal, std::memory_order_relaxed); }

int InterruptionSignal() noexcept { return requested.load(std::memory_order_relaxed); }

void ClearInterruption() noexcept { requested.store(0, std::memory_order_relaxed); }

}  // namespace brisel
