#include "engine/StopSignals.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

constexpr int Signals[] = {SIGTERM, SIGINT};
struct sigaction previous[2];
bool installed = false;

// Only sets a flag: the log and the stop happen in the main loop, where it is
// safe to call anything.
void onStopSignal(int) {
    stopRequested = 1;
}

}  // namespace

void installStopSignals() {
    if (installed) restoreStopSignals();
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    for (int i = 0; i < 2; ++i) sigaction(Signals[i], &action, &previous[i]);
    stopRequested = 0;
    installed = true;
}

void restoreStopSignals() {
    if (!installed) return;
    for (int i = 0; i < 2; ++i) sigaction(Signals[i], &previous[i], nullptr);
    installed = false;
}

bool takeStopSignal() {
    if (!stopRequested) return false;
    stopRequested = 0;
    return true;
}
