#pragma once
// The terminal front end: messages and questions on a text stream, answers
// read from another. Used when there is no display, by ramvel-archiwum, and
// (with string streams) by tests of the terminal's wording.
#include <iosfwd>
#include <memory>
#include <string>

#include "ui/komunikaty.h"

namespace ramvel {

class TKonsola {
public:
    TKonsola(std::istream& wejscie, std::ostream& wyjscie);
    ~TKonsola();

    IKomunikaty& Komunikaty();
    std::istream& Wejscie() { return FWejscie; }
    std::ostream& Wyjscie() { return FWyjscie; }

    // One answer line; nullopt-like false at the end of input.
    bool CzytajLinie(std::string& linia);

private:
    class TKomunikatyKonsoli;
    std::istream& FWejscie;
    std::ostream& FWyjscie;
    std::unique_ptr<TKomunikatyKonsoli> FKomunikaty;
};

// The process's terminal (std::cin, std::cerr).
TKonsola& Konsola();

// A message text as plain terminal text: "^" and CR LF become line ends and
// the markup tags of the message windows are dropped.
std::string TekstBezZnacznikow(const std::string& tresc);

}  // namespace ramvel
