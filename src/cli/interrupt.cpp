// The SIGINT handler of the command-line program.
#include "cli/interrupt.h"

#ifndef _WIN32
#include <signal.h>
#endif

namespace quillon::cli {

namespace {

// The one piece of process-wide state of the program: a signal handler can reach nothing else.
volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void onInterrupt(int)
{
    g_interrupted = 1;
}

}  // namespace

volatile std::sig_atomic_t& installInterruptHandler()
{
#ifdef _WIN32
    (void)std::signal(SIGINT, onInterrupt);
#else
    struct sigaction action {};
    struct sigaction previous {};
    if (::sigaction(SIGINT, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
        return g_interrupted;
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    (void)::sigaction(SIGINT, &action, nullptr);
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    (void)::sigprocmask(SIG_UNBLOCK, &interrupt, nullptr);
#endif
    return g_interrupted;
}

}  // namespace quillon::cli
