#include "app/szczegoly_kopii.h"

namespace ramvel {

TSzczegolyKopii SzczegolyKopii(const TRekKat& kopia, const QLocale& region) {
    return TSzczegolyKopii{
        kopia.PodKatalog,
        kopia.NazwaSkr,
        TekstDatyCzasu(kopia.Czas, region),
        std::to_string(kopia.IloscDysk),
        kopia.LicencjaNazwa + ", Nr = " + std::to_string(kopia.LicencjaNr),
        kopia.ProgramName + " " + kopia.Wersja,
    };
}

std::string PozycjaListyKopii(const TRekKat& kopia, const QLocale& region) {
    return TekstDatyCzasu(kopia.Czas, region) + "  " + kopia.ArchiveExt;
}

}  // namespace ramvel
