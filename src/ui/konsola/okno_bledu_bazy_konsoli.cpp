#include "ui/konsola/okno_bledu_bazy_konsoli.h"

#include <ostream>

namespace ramvel {
namespace {

// The texts come from the server and the tables as they are: no markup, CR
// or CR LF for a line break.
std::string ZwyklymiLiniami(const std::string& tekst) {
    std::string wynik;
    for (size_t i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == '\r') {
            wynik += '\n';
            if (i + 1 < tekst.size() && tekst[i + 1] == '\n')
                ++i;
        } else {
            wynik += tekst[i];
        }
    }
    return wynik;
}

}  // namespace

void TOknoBleduBazyKonsoli::Pokaz(const std::string& tekst, const std::vector<std::string>& szczegoly) {
    std::ostream& out = FKonsola.Wyjscie();
    // No question to answer, so nothing is read: scripts never stall here.
    out << "\n== " << kTytulOknaBleduBazy << " ==\n" << ZwyklymiLiniami(tekst) << "\n-- Szczegóły --\n";
    for (const auto& linia : szczegoly)
        out << ZwyklymiLiniami(linia) << "\n";
    out.flush();
}

}  // namespace ramvel
