#pragma once
// Ctrl+C as the terminal's stop key. While anyone watches, SIGINT only counts
// the presses, so a job can stop cleanly instead of the process dying
// mid-write; when the last watcher goes, the previous handler comes back.
// Every watcher sees every press once: the progress line asks its question and
// the extraction it shows stops, as Escape does in the window.
#include <csignal>

namespace ramvel {

class TNasluchCtrlC {
public:
    TNasluchCtrlC();
    ~TNasluchCtrlC();
    TNasluchCtrlC(const TNasluchCtrlC&) = delete;
    TNasluchCtrlC& operator=(const TNasluchCtrlC&) = delete;

    // A press since this watcher started or last asked; consumed for it alone.
    bool Odbierz();

private:
    std::sig_atomic_t FWidziane;
};

}  // namespace ramvel
