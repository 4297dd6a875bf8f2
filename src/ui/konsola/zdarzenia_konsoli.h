#pragma once
// The terminal has no window messages; its stop key is Ctrl+C. While a job
// watches, SIGINT only raises a flag, so the job can stop cleanly (delete its
// half-written file) instead of the process dying mid-write.
#include <optional>

#include "ui/konsola/ctrl_c.h"
#include "ui/zdarzenia_okien.h"

namespace ramvel {

class TZdarzeniaKonsoli : public IZdarzeniaOkien {
public:
    void Rozpocznij() override;
    void Zakoncz() override;
    void PrzetworzZdarzenia() override {}
    // Ctrl+C since the last call; the press is consumed.
    bool PrzerwanieWcisniete() override;

private:
    int FZagniezdzenie = 0;
    std::optional<TNasluchCtrlC> FCtrlC;  // while a job watches
};

}  // namespace ramvel
