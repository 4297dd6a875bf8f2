#include "db/tlumacz_blad_bazy.h"

#include <vector>

#include "db/blad_firebird.h"
#include "db/komunikaty_bazy.h"
#include "db/kv_database.h"
#include "db/kv_sql.h"
#include "db/kv_transaction.h"
#include "platform/cp1250.h"

namespace ramvel {
namespace {

constexpr int32_t kNaruszenieKluczaObcego = 335544466;
constexpr int32_t kDuplikatWIndeksieUnikalnym = 335544349;
constexpr int32_t kNaruszenieKluczaGlownego = 335544665;
constexpr int32_t kWyjatekBazy = 335544517;

const char* const kNieznanyBlad = "Nieznany błąd bazy danych";

// Lines of a message: each ends with CR LF (or LF); a final line end adds no line.
std::vector<std::string> Linie(const std::string& tekst) {
    std::vector<std::string> linie;
    size_t od = 0;
    while (od < tekst.size()) {
        const size_t lf = tekst.find('\n', od);
        size_t koniec = lf == std::string::npos ? tekst.size() : lf;
        const size_t nastepna = lf == std::string::npos ? tekst.size() : lf + 1;
        if (koniec > od && tekst[koniec - 1] == '\r')
            --koniec;
        linie.push_back(tekst.substr(od, koniec - od));
        od = nastepna;
    }
    return linie;
}

std::string WielkieAscii(std::string tekst) {
    for (char& c : tekst)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return tekst;
}

// The quoted name after `poczatek` (a quote followed by the name's prefix, as
// "\"FK_") up to the first `koniec` ("\" on table "), upper-cased; '' when
// the message does not hold both in that order.
std::string NazwaMiedzy(const std::string& komunikat, const std::string& poczatek, const std::string& koniec) {
    const size_t p = komunikat.find(poczatek);
    const size_t k = komunikat.find(koniec);
    if (p == std::string::npos || k == std::string::npos || k <= p)
        return {};
    return WielkieLitery(komunikat.substr(p + 1, k - p - 1));
}

std::string NazwaIndeksuUnikalnego(const std::string& komunikat) {
    const std::string znacznik = "in unique index";
    const size_t p = komunikat.find(znacznik);
    // After the words, a blank and the opening quote.
    const size_t od = p == std::string::npos ? std::string::npos : p + znacznik.size() + 2;
    if (od == std::string::npos || od > komunikat.size())
        return {};
    const size_t cudzyslow = komunikat.find('"', od);
    return WielkieLitery(komunikat.substr(od, cudzyslow == std::string::npos ? std::string::npos : cudzyslow - od));
}

// The number that starts at the 10th character of "Exception 17." and ends
// before the first "." (leading blanks allowed); 0 when there is none.
int NumerWyjatku(const std::string& linia) {
    const size_t kropka = linia.find('.');
    if (kropka == std::string::npos || kropka < 9)
        return 0;
    std::string cyfry = linia.substr(9, kropka - 9);
    size_t i = 0;
    while (i < cyfry.size() && cyfry[i] == ' ')
        ++i;
    if (i == cyfry.size())
        return 0;
    long long wartosc = 0;
    for (; i < cyfry.size(); ++i) {
        if (cyfry[i] < '0' || cyfry[i] > '9')
            return 0;
        wartosc = wartosc * 10 + (cyfry[i] - '0');
        if (wartosc > 0x7FFFFFFF)
            return 0;
    }
    return static_cast<int>(wartosc);
}

std::string NazwaWyjatku(TkvDatabase& baza, int numer) {
    TkvTransaction transakcja(&baza);
    transakcja.Rozpocznij();
    TkvSQL polecenie(&baza, &transakcja);
    polecenie.SQL = {"SELECT RDB$EXCEPTION_NAME", "FROM RDB$EXCEPTIONS",
                     "WHERE RDB$EXCEPTION_NUMBER = " + std::to_string(numer)};
    polecenie.Wykonaj();
    std::string nazwa;
    if (polecenie.LiczbaPobranych() > 0) {
        nazwa = polecenie.Pole(0).JakoTekst();
        const size_t a = nazwa.find_first_not_of(' ');
        const size_t b = nazwa.find_last_not_of(' ');
        nazwa = a == std::string::npos ? std::string() : nazwa.substr(a, b - a + 1);
    }
    polecenie.Zamknij();
    transakcja.Zatwierdz();
    return nazwa;
}

std::string TlumaczWyjatek(const std::string& komunikat, TkvDatabase* baza) {
    const auto linie = Linie(komunikat);
    if (baza) {
        // The number stands on the third line in the layout the rule was made
        // for; Firebird 3 puts it on the second and the exception's name on
        // the third, so the second line is the fallback.
        int numer = linie.size() >= 3 ? NumerWyjatku(linie[2]) : 0;
        if (numer == 0 && linie.size() >= 2)
            numer = NumerWyjatku(linie[1]);
        const std::string tekst = KomunikatWyjatku(NazwaWyjatku(*baza, numer));
        if (!tekst.empty())
            return "Wyjątek: \r" + tekst;
    }
    std::string wynik = WstawWartosci("Wyjątek <digit>", komunikat, "Exception <digit>");
    if (!wynik.empty())
        return wynik;
    for (size_t i = 0; i < linie.size(); ++i)
        if (WielkieAscii(linie[i].substr(0, 3)) == "AT ")
            return linie[i == 0 ? 0 : i - 1];
    return linie.size() >= 5 ? linie[4] : std::string("Nieznany błąd bazy danych.");
}

// Positions count from 1, as in the rule: "the position of ... in ...", 0 when absent.
size_t Pozycja(const std::string& szukany, const std::string& tekst) {
    const size_t p = tekst.find(szukany);
    return p == std::string::npos ? 0 : p + 1;
}

// Replaces the text from the first "<" to the first ">" after it by `wartosc`.
void ZastapPierwszyZnacznik(std::string& tekst, const std::string& wartosc) {
    const size_t otwarcie = tekst.find('<');
    if (otwarcie == std::string::npos)
        return;
    const size_t zamkniecie = tekst.find('>', otwarcie);
    if (zamkniecie == std::string::npos)
        return;
    tekst.replace(otwarcie, zamkniecie - otwarcie + 1, wartosc);
}

// The rule on single-byte text, as the messages came from the server.
std::string WstawWartosciBajtowo(const std::string& szablonPolski, const std::string& komunikat,
                                 const std::string& szablonAngielski) {
    const auto linie = Linie(komunikat);
    std::string szczegol;
    if (linie.size() == 2)
        szczegol = linie[1];
    else if (linie.size() == 4)
        szczegol = linie[3];
    else if (linie.size() == 6)
        szczegol = linie[4];
    if (szczegol.empty())
        return {};

    std::string wynik = szablonPolski;
    std::string wzor = szablonAngielski;
    for (const char* znacznik : {"<string>", "<string2>", "<string3>", "<long>", "<long2>", "<digit>", "<digit2>"}) {
        const std::string z = znacznik;
        if (wynik.find(z) == std::string::npos)
            continue;
        size_t start = Pozycja(z, wzor);
        const std::string reszta = start == 0 ? std::string() : wzor.substr(start - 1 + z.size());
        if (start == 0)
            start = 1;
        const size_t mniejszy = reszta.find('<');
        size_t koniec;
        if (mniejszy == std::string::npos || mniejszy == 0)
            koniec = szczegol.size() + 1;
        else
            koniec = Pozycja(reszta.substr(0, mniejszy), szczegol);
        std::string wartosc;
        if (start < koniec) {
            wartosc = start - 1 < szczegol.size() ? szczegol.substr(start - 1, koniec - start) : std::string();
        } else if (start - 1 < szczegol.size()) {
            const size_t odstep = szczegol.find(' ', start - 1);
            wartosc = szczegol.substr(start - 1, odstep == std::string::npos ? std::string::npos : odstep - (start - 1));
        }
        ZastapPierwszyZnacznik(wynik, wartosc);
        ZastapPierwszyZnacznik(wzor, wartosc);
    }
    return wynik;
}

}  // namespace

std::string WstawWartosci(const std::string& szablonPolski, const std::string& komunikat,
                          const std::string& szablonAngielski) {
    // Positions must count characters as the single-byte texts did, so the
    // rule runs on Windows-1250; every text here came from it.
    const auto polski = Utf8NaCp1250(szablonPolski);
    const auto tresc = Utf8NaCp1250(komunikat);
    const auto angielski = Utf8NaCp1250(szablonAngielski);
    if (polski && tresc && angielski)
        return Cp1250NaUtf8(WstawWartosciBajtowo(*polski, *tresc, *angielski));
    return WstawWartosciBajtowo(szablonPolski, komunikat, szablonAngielski);
}

std::string TlumaczBladBazy(const EBladFirebird& blad, TkvDatabase* baza) {
    const std::string komunikat = blad.what();
    switch (blad.KodBledu) {
        case kNaruszenieKluczaObcego: {
            const std::string tekst = KomunikatOgraniczenia(NazwaMiedzy(komunikat, "\"FK_", "\" on table "));
            if (!tekst.empty())
                return tekst;
            return WstawWartosci("Brak możliwości wykonania operacji. Ta pozycja tabeli ma powiązanie z innymi danymi.",
                                 komunikat, "Violation of FOREIGN KEY constraint \"<string>\" on table \"<string2>\"");
        }
        case kDuplikatWIndeksieUnikalnym: {
            const std::string tekst = KomunikatIndeksu(NazwaIndeksuUnikalnego(komunikat));
            if (!tekst.empty())
                return tekst;
            return WstawWartosci("Taka pozycja w tabeli już istnieje.", komunikat,
                                 "attempt to store duplicate value (visible to active transactions) in unique index "
                                 "\"<string>\"");
        }
        case kNaruszenieKluczaGlownego: {
            const std::string tekst = KomunikatIndeksu(NazwaMiedzy(komunikat, "\"PK_", "\" on table "));
            if (!tekst.empty())
                return tekst;
            return WstawWartosci("Taka pozycja w tabeli już istnieje.", komunikat,
                                 "violation of PRIMARY or UNIQUE KEY constraint \"<string>\" on table \"<string2>\"");
        }
        case kWyjatekBazy: return TlumaczWyjatek(komunikat, baza);
        default: break;
    }
    const auto wiersz = KomunikatKodu(blad.KodBledu);
    if (!wiersz)
        return kNieznanyBlad;
    switch (wiersz->Rodzaj) {
        case TKomunikatKodu::TRodzaj::Szablon: return WstawWartosci(wiersz->Polski, komunikat, wiersz->Angielski);
        case TKomunikatKodu::TRodzaj::Tekst: return wiersz->Polski;
        case TKomunikatKodu::TRodzaj::Regula: break;
    }
    return kNieznanyBlad;
}

}  // namespace ramvel
