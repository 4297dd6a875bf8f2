#include "app/dyskietki.h"

#include <QDate>
#include <cmath>

#include "app/opis_kopii.h"
#include "files/kopiuj_plik.h"
#include "files/napedy.h"
#include "files/sciezki.h"
#include "files/teksty.h"
#include "ui/komunikaty.h"

namespace ramvel {
namespace {

QDate DataKopii(double czas) { return QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(czas))); }

std::string Zacheta(const TRekKat& wybrana, int numer) {
    return "Proszę włożyć dyskietkę o nazwie \"Kopia " + TekstDyskietki(wybrana, numer);
}

}  // namespace

std::string RozszerzenieWolumenu(int numer) {
    if (numer == 0)
        return ".ini";
    if (numer == 1)
        return ".KVP";
    return ".S" + DopelnijTekst(std::to_string(numer - 2), 2, 'P', '0');
}

std::string TekstDyskietki(const TRekKat& wybrana, int numer) {
    const QDate data = DataKopii(wybrana.Czas);
    const std::string rok = std::to_string(data.year());
    const std::string miesiac = DopelnijTekst(std::to_string(data.month()), 2, 'P', '0');
    if (wybrana.IloscDysk == 1)
        return wybrana.PodKatalog + "_" + rok + "_" + miesiac;
    return wybrana.PodKatalog + " " + rok + "_" + miesiac + " nr " + std::to_string(numer) + "\"";
}

bool WczytajDyskietki(const TRekKat& wybrana, TRekKat& sprawdzana, const std::string& katalogRoboczy) {
    UtworzKatalog(katalogRoboczy);
    UsunZawartoscKatalogu(katalogRoboczy);
    const std::string podstawa = SciezkaNaNapedzie(ZmienRozszerzenie(wybrana.NazwaPliku, ""));
    const char litera = LiteraDyskietki(wybrana.NazwaPliku) ? LiteraDyskietki(wybrana.NazwaPliku) : 'A';

    for (int numer = 1; numer <= wybrana.IloscDysk; ++numer) {
        std::optional<std::string> wolumen;
        while (!wolumen) {
            if (!KomunikatOkAnuluj(Zacheta(wybrana, numer)))
                return false;
            for (;;) {
                while (!SprawdzNaped(litera))
                    if (!KomunikatOkAnuluj(Zacheta(wybrana, numer)))
                        return false;
                while (!CzytajOpisKopii(podstawa + ".aaa", sprawdzana))
                    if (!KomunikatOkAnuluj("Niewłaściwa dyskietka - brak pliku ini."))
                        return false;
                if (sprawdzana.Id == wybrana.Id && TekstyRowne(sprawdzana.PodKatalog, wybrana.PodKatalog))
                    break;
                if (!KomunikatOkAnuluj("Nieprawidłowa identyfikacja dyskietki. Włożona dyskietka pochodzi z innej "
                                       "kopii. Włóż poprawny dysk."))
                    return false;
            }
            const std::string oczekiwany = podstawa + RozszerzenieWolumenu(numer);
            wolumen = ZnajdzPlikBezWielkosciLiter(oczekiwany);
            if (!wolumen && !KomunikatOkAnuluj("Niewłaściwa dyskietka. Być może pomylono numery kolejnych dyskietek. "
                                               "Brak pliku \"" + oczekiwany + "\"."))
                return false;
        }
        while (!KopiujPlik(*wolumen, PolaczSciezke(katalogRoboczy, NazwaPliku(*wolumen)), true)) {
            if (!KomunikatPytanie("Plik został źle skopiowany. Być może dyskietka jest uszkodzona.^Czy spróbować "
                                  "jeszcze raz?"))
                return false;
            if (!KomunikatOkAnuluj(Zacheta(wybrana, numer)))
                return false;
        }
    }
    return true;
}

}  // namespace ramvel
