#include "archive/paker.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <new>

#include "archive/kvr/czytnik_kvr.h"
#include "archive/kvr/lzrw1kh.h"
#include "archive/kvr/paczki.h"
#include "archive/maska_pliku.h"
#include "archive/okno_paka.h"
#include "archive/strumien_pliku.h"
#include "files/kursor.h"
#include "files/sciezki.h"
#include "files/teksty.h"
#include "platform/bledy.h"
#include "platform/cp1250.h"
#include "platform/srodowisko.h"
#include "ui/komunikaty.h"

namespace ramvel {
namespace {

constexpr int32_t kRozmiarStandardowy = 1440000;  // "1,44MB"
constexpr uint32_t kSygnalDomyslny = 0xFFFFFFFF;

int64_t ZegarSystemowy() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool MaRozszerzenie(const std::string& sciezka) { return NazwaPliku(sciezka).find('.') != std::string::npos; }

// The number of "+v": a decimal integer whose thousandfold fits in 32 bits.
std::optional<int32_t> RozmiarZOpcji(const std::string& tekst) {
    size_t i = 0;
    bool minus = false;
    if (i < tekst.size() && (tekst[i] == '+' || tekst[i] == '-'))
        minus = tekst[i++] == '-';
    if (i == tekst.size())
        return std::nullopt;
    int64_t liczba = 0;
    for (; i < tekst.size(); ++i) {
        if (tekst[i] < '0' || tekst[i] > '9')
            return std::nullopt;
        liczba = liczba * 10 + (tekst[i] - '0');
        if (liczba * 1000 > INT32_MAX)
            return std::nullopt;
    }
    return static_cast<int32_t>((minus ? -liczba : liczba) * 1000);
}

}  // namespace

Tpaker::Tpaker() : Zegar(ZegarSystemowy) {}

Tpaker::~Tpaker() = default;

bool Tpaker::Dekompresuj(const std::string& Opcje, const std::string& NazwaArchiwum_,
                         const std::string& KatalogDocelowy_, const std::string& Maski_) {
    if (!UstawOpcje(Opcje))
        return false;
    NazwaArchiwum = NazwaArchiwum_;
    KatalogDocelowy = KatalogDocelowy_;
    Maski = Maski_;
    return DekompresujArchiwum();
}

bool Tpaker::UstawOpcje(const std::string& Opcje) {
    Rekurencja = false;
    Nadpisuj = false;
    ZawszeTak = false;
    PokazOkno = true;
    ZachowajSciezki = true;
    BledyBezPytania = true;
    PrzywracajDaty = true;
    RozmiarPaczki = 0;
    if (Opcje.empty())
        return true;
    // The text is searched, not split: order and separators do not matter.
    const auto jest = [&](const char* opcja) { return Opcje.find(opcja) != std::string::npos; };
    if (jest("+r"))
        Rekurencja = true;
    if (jest("+o"))
        Nadpisuj = true;
    if (jest("+y"))
        ZawszeTak = true;
    if (jest("-w"))
        PokazOkno = false;
    if (jest("-p"))
        ZachowajSciezki = false;
    if (jest("-e"))
        BledyBezPytania = false;
    if (jest("-d"))
        PrzywracajDaty = false;
    const size_t v = Opcje.find("+v");
    if (v == std::string::npos)
        return true;
    const std::string reszta = Opcje.substr(v + 2);
    const std::string liczba = reszta.substr(0, reszta.find(';'));
    if (const auto rozmiar = RozmiarZOpcji(liczba)) {
        RozmiarPaczki = *rozmiar;
        return true;
    }
    if (!KomunikatPytanie("Ciag: " + liczba + " nie jest prawidłowym rozmiarem paczki. Przyjąć rozmiar standardowy 1,44MB ?"))
        return false;
    RozmiarPaczki = kRozmiarStandardowy;
    return true;
}

bool Tpaker::DekompresujArchiwum() {
    bool wynik = false;
    try {
        wynik = PrzygotujIWykonaj();
    } catch (...) {
        SygnalDzwiekowy(kSygnalDomyslny);
        PokazBledy();
        throw;
    }
    if (!wynik)
        SygnalDzwiekowy(kSygnalDomyslny);
    PokazBledy();
    return wynik;
}

bool Tpaker::PrzygotujIWykonaj() {
    if (NazwaArchiwum.empty()) {
        KomunikatBlad("Brak nazwy archiwum do dekompresji.");
        return false;
    }
    if (!MaRozszerzenie(NazwaArchiwum))
        NazwaArchiwum += ".KVP";
    if (KatalogDocelowy.empty())
        KatalogDocelowy = KatalogProgramu();
    // Joined paths take '/' only after an absolute directory.
    if (KatalogDocelowy.front() != '/') {
        std::error_code blad;
        const auto bezwzgledny = std::filesystem::absolute(KatalogDocelowy, blad);
        if (!blad)
            KatalogDocelowy = bezwzgledny.string();
    }
    if (!KatalogIstnieje(KatalogDocelowy)) {
        if (!ZapytajUzytkownika("Brak katalogu :\"" + KatalogDocelowy + "\". Utowrzyć?"))
            return false;
        UtworzDrzewoKatalogow(KatalogDocelowy);
        if (!KatalogIstnieje(KatalogDocelowy)) {
            DodajBlad("Nie można utworzyć katalogu :\"" + KatalogDocelowy + "\".");
            return false;
        }
    }
    if (Maski.empty())
        Maski = "*.*";
    return WykonajDekompresje();
}

bool Tpaker::WykonajDekompresje() {
    FOdrzuconoNazwe = false;
    SzacowanyCzas = 0;
    try {
        if (PokazOkno) {
            Okno = std::make_unique<TOknoPaka>(OknaPaka().OtworzPostep());
            Okno->UstawTytul(NazwaArchiwum);
        }
        CzasStartu = Zegar();
        if (!PlikIstnieje(NazwaArchiwum)) {
            KomunikatBlad("Plik archiwum : \"" + NazwaArchiwum + "\" nie istnije.");
            throw EPrzerwanie();
        }
        if (Okno)
            Okno->UstawMaksimumCalosci(RozmiarPaczek(PaczkiNaDysku(), NazwaArchiwum));
        {
            TCzytnikArchiwum StrumienArchiwum(PaczkiNaDysku(), NazwaArchiwum);
            StrumienArchiwum.PoZmianiePaczki = [this](const std::string& paczka) {
                NazwaArchiwum = paczka;
                if (Okno)
                    Okno->UstawTytul(paczka);
            };
            TCzytnikKvr czytnik(StrumienArchiwum);
            FCzytnik = &czytnik;
            struct TKoniecCzytnika {
                TCzytnikKvr*& Czytnik;
                ~TKoniecCzytnika() { Czytnik = nullptr; }
            } koniecCzytnika{FCzytnik};

            switch (czytnik.SprawdzNaglowek()) {
                case TNaglowekKvr::ZlaSygnatura:
                    KomunikatBlad("Plik : \"" + NazwaArchiwum + "\" nie jest prawidłowym archiwum KVR.");
                    throw EPrzerwanie();
                case TNaglowekKvr::NowszaWersja:
                    KomunikatBlad("Plik : \"" + NazwaArchiwum +
                                  "\" został skompresowany nowszą wersją programu kompresującego.");
                    throw EPrzerwanie();
                case TNaglowekKvr::Poprawny:
                    break;
            }
            ArchiwumZDatami = czytnik.ArchiwumZDatami();
            try {
                PetlaWpisow();
            } catch (const EUszkodzoneArchiwum& uszkodzenie) {
                // Told while the progress window is still up, like every
                // message that stops a run.
                KomunikatBlad(uszkodzenie.what());
                throw EPrzerwanie();
            }
            if (Okno)
                Okno->StanKoncowy();
        }
        if (Okno) {
            Odczekaj(200);
            Okno.reset();
        }
        return !FOdrzuconoNazwe;
    } catch (const std::bad_alloc&) {
        Okno.reset();
        KomunikatBlad("Wystąpił błąd o treści: Brak pamięci.");
        return false;
    } catch (const std::exception& wyjatek) {
        Okno.reset();
        if (NieJestPrzerwaniem(wyjatek))
            KomunikatBlad(std::string("Wystąpił błąd o treści: ") + wyjatek.what());
        return false;
    }
}

void Tpaker::PetlaWpisow() {
    int32_t rozmiar = 0;
    if (!FCzytnik->CzytajRozmiar(rozmiar))
        return;
    do {
        DekompresujPlik(rozmiar);
        // Skipped entries are decoded too: damage in them is still damage.
        if (rozmiar >= 0 && FZdekodowanoWpisu != rozmiar) {
            KomunikatBlad("Rozmiar pliku po dekompresji jest różny od rozmiaru przed kompresją.");
            throw EPrzerwanie();
        }
    } while (FCzytnik->CzytajRozmiar(rozmiar));
}

std::optional<std::string> Tpaker::SciezkaDocelowa(const std::string& nazwa) const {
    if (nazwa.find('\0') != std::string::npos)
        return std::nullopt;
    if (!ZachowajSciezki) {
        const std::string gola = NazwaPliku(nazwa);
        if (gola.empty() || gola == "." || gola == "..")
            return std::nullopt;
        return PolaczSciezke(KatalogDocelowy, gola);
    }
    if (nazwa.front() == '\\' || nazwa.front() == '/' || nazwa.find(':') != std::string::npos)
        return std::nullopt;
    std::string wzgledna;
    size_t poczatek = 0;
    while (poczatek <= nazwa.size()) {
        size_t koniec = nazwa.find_first_of("\\/", poczatek);
        if (koniec == std::string::npos)
            koniec = nazwa.size();
        const std::string czesc = nazwa.substr(poczatek, koniec - poczatek);
        if (czesc == "..")
            return std::nullopt;
        if (!czesc.empty() && czesc != ".")
            wzgledna += (wzgledna.empty() ? "" : "/") + czesc;
        poczatek = koniec + 1;
    }
    if (wzgledna.empty())
        return std::nullopt;
    return PolaczSciezke(KatalogDocelowy, wzgledna);
}

int32_t Tpaker::DekompresujPlik(int32_t RozmiarPliku) {
    // Two block buffers per entry, reused for every block.
    std::vector<uint8_t> zakodowany(kRozmiarBuforaBloku), zdekodowany(kRozmiarBuforaBloku);
    Pomin = false;
    FZdekodowanoWpisu = 0;

    TWpisKvr wpis;
    wpis.RozmiarPliku = RozmiarPliku;
    FCzytnik->CzytajNazwe(wpis);
    const std::string nazwa = Cp1250NaUtf8(wpis.Nazwa);

    const auto cel = SciezkaDocelowa(nazwa);
    if (cel) {
        BiezacyPlik = *cel;
        Pomin = !PasujeDoMasek(BiezacyPlik);
    } else {
        BiezacyPlik = PolaczSciezke(KatalogDocelowy, NazwaPliku(nazwa));
        DodajBlad("Plik : \"" + nazwa + "\" nie został zdekompresowany, bo jego nazwa wskazuje miejsce poza katalogiem docelowym.");
        Pomin = true;
        FOdrzuconoNazwe = true;
    }
    if (RozmiarPliku < 0)
        DodajBlad("Błędna informacja o rozmiarze pliku przed kompresją : \"" + BiezacyPlik + "\".");
    if (!Pomin && OnPrzedPlikiem)
        OnPrzedPlikiem(*this, BiezacyPlik);
    if (!Pomin) {
        const std::string katalog = KatalogNadrzedny(BiezacyPlik);
        if (!katalog.empty() && !KatalogIstnieje(katalog))
            UtworzDrzewoKatalogow(katalog);
    }
    if (!Pomin && PlikIstnieje(BiezacyPlik)) {
        if (!Nadpisuj) {
            DodajBlad("Plik : \"" + BiezacyPlik +
                      "\" nie został zdekompresowany ponieważ istnieje plik o tej nazwie. Użyj \"+o\".");
            Pomin = true;
        } else if (JestTylkoDoOdczytu(BiezacyPlik)) {
            UstawTylkoDoOdczytu(BiezacyPlik, false);
        }
    }

    int64_t zapisane = 0;
    bool anulowano = false;
    {
        std::unique_ptr<TStrumienPliku> StrumienPliku;
        // On every way out: the file closed, a cancelled one deleted, the
        // window's file line reset.
        struct TSprzatanie {
            Tpaker& Paker;
            std::unique_ptr<TStrumienPliku>& Strumien;
            bool& Anulowano;
            ~TSprzatanie() {
                const bool utworzony = Strumien != nullptr;
                Strumien.reset();
                if (utworzony && (Anulowano || (Paker.Okno && Paker.Okno->Anulowano())))
                    unlink(Paker.BiezacyPlik.c_str());
                if (Paker.Okno)
                    Paker.Okno->KoniecPliku();
            }
        } sprzatanie{*this, StrumienPliku, anulowano};

        if (Okno)
            Okno->PoczatekPliku(RozmiarPliku, BiezacyPlik, Pomin);
        if (!Pomin)
            StrumienPliku = std::make_unique<TStrumienPliku>(BiezacyPlik);

        size_t kawalek = kRozmiarKawalka;
        while (kawalek == kRozmiarKawalka) {
            uint16_t dlugosc = 0;
            kawalek = FCzytnik->CzytajBlok(zakodowany.data(), zdekodowany.data(), dlugosc);
            FZdekodowanoWpisu += static_cast<int64_t>(kawalek);
            if (Pomin)
                continue;
            ZapiszDoStrumienia(*StrumienPliku, zdekodowany.data(), kawalek);
            if (Okno) {
                Okno->PoBloku(kawalek, dlugosc);
                if (OnPostep)
                    OnPostep(*this, Okno->PozycjaCalosci(), Okno->MaksimumCalosci());
                Okno->PokazProcent();
            }
            zapisane += static_cast<int64_t>(kawalek);
            if (Okno)
                Okno->Czasy(Zegar() - CzasStartu, SzacowanyCzas);
            if (Okno && Okno->Anulowano()) {
                anulowano = true;
                throw EPrzerwanie();
            }
        }
        if (!FCzytnik->CzytajZnacznikKonca()) {
            KomunikatBlad("Błąd odczytu zakończenia pliku.");
            throw EPrzerwanie();
        }
        if (!Pomin && StrumienPliku->Rozmiar() != zapisane) {
            DodajBlad("Błąd zapisu na dysk. Plik: \"" + BiezacyPlik + "\".");
            throw EPrzerwanie();
        }
        if (!Pomin && OnPoPliku)
            OnPoPliku(*this, BiezacyPlik);
    }
    if (!Pomin && PrzywracajDaty && ArchiwumZDatami)
        UstawDatePliku(BiezacyPlik, wpis.DataDos);
    return static_cast<int32_t>(zapisane);
}

bool Tpaker::PasujeDoMasek(const std::string& Sciezka) const {
    const int pola = LiczbaPol(Maski, ';');
    for (int i = 1; i <= pola; ++i) {
        const std::string maska = PoleTekstu(Maski, i, ';');
        if (JestSciezka(maska))
            continue;
        if (PasujeDoMaski(Sciezka, maska))
            return true;
    }
    return false;
}

bool Tpaker::JestSciezka(const std::string& Maska) {
    return (Maska.size() >= 3 && Maska[1] == ':' && Maska[2] == '\\') || Maska.rfind("\\\\", 0) == 0 ||
           Maska.rfind("//", 0) == 0;
}

bool Tpaker::PasujeDoMaski(const std::string& Nazwa, const std::string& Maska) {
    return TMaskFile(Maska).Matches(Nazwa);
}

bool Tpaker::ZapytajUzytkownika(const std::string& Tekst) { return ZawszeTak || KomunikatPytanie(Tekst); }

void Tpaker::DodajBlad(const std::string& Tekst) {
    ListaBledow.push_back(DopelnijTekst(std::to_string(ListaBledow.size()), 3, 'P', '0') + " - " + Tekst);
}

void Tpaker::PokazBledy() {
    if (ListaBledow.empty())
        return;
    if (!BledyBezPytania &&
        !KomunikatPytanie("Podczas dekompresji archiwum \"" + NazwaArchiwum + "\" powstały błędy. Pokazać listę?"))
        return;
    OknaPaka().PokazListeBledow(ListaBledow);
    ListaBledow.clear();
}

}  // namespace ramvel
