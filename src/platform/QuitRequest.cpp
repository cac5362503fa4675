#include "platform/QuitRequest.h"

#include <csignal>
#include <initializer_list>

namespace bg::platform {

namespace {
volatile std::sig_atomic_t gQuit = 0;

void onSignal(int) { gQuit = 1; }
} // namespace

void watchQuitSignals() {
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

void requestQuit() { gQuit = 1; }
bool isQuitRequested() { return gQuit != 0; }
void clearQuitRequest() { gQuit = 0; }

} // namespace bg::platform
