#pragma once
// Progress windows on the terminal: one status line rewritten in place when
// the output is a terminal, plain lines (text changes and every tenth of the
// bar) when it is a file or a pipe. Ctrl+C while a window is shown stands for
// its Escape key: it asks whether to interrupt.
#include <iosfwd>

#include "ui/postep.h"

namespace ramvel {

class TPostepyKonsoli : public IPostepy {
public:
    // `wTerminalu`: rewrite one line instead of writing lines. `szerokosc`:
    // columns of that line; 0 asks the terminal behind standard error.
    TPostepyKonsoli(std::ostream& wyjscie, bool wTerminalu, int szerokosc = 0);

    std::unique_ptr<IPostep> Utworz(const std::string& tekst, int64_t maksGlowny, int64_t maksDodatkowy,
                                    bool przerywalny, bool animacja, const std::string& tytul) override;

private:
    std::ostream& FWyjscie;
    bool FWTerminalu;
    int FSzerokosc;
};

// Over the process's terminal (standard error).
TPostepyKonsoli& PostepyKonsoli();

}  // namespace ramvel
