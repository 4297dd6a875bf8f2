#pragma once
// What page 2 shows of the chosen backup.
#include <QLocale>

#include <string>

#include "app/data_czas.h"
#include "app/rek_kat.h"

namespace ramvel {

// The texts of the six detail labels, in the order of the group.
struct TSzczegolyKopii {
    std::string Ident;     // labIdent, "Identyfikator"
    std::string Opis;      // labOpis, "Opis firmy"
    std::string DataCzas;  // labDataCzas, "Data i czas"
    std::string IlDysk;    // labIlDysk, "Ilość dyskietek"
    std::string DaneLic;   // L_DaneLic, "Dane licencji"
    std::string DaneProg;  // L_DaneProg, "Dane programu"

    bool operator==(const TSzczegolyKopii&) const = default;
};

TSzczegolyKopii SzczegolyKopii(const TRekKat& kopia, const QLocale& region = RegionUzytkownika());

// One item of the list of a company's backups: its time, two blanks and the
// archive type.
std::string PozycjaListyKopii(const TRekKat& kopia, const QLocale& region = RegionUzytkownika());

}  // namespace ramvel
