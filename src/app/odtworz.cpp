#include "app/odtworz.h"

#include <dirent.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "app/dyskietki.h"
#include "app/glowna.h"
#include "app/postep_zip.h"
#include "app/rejestracja.h"
#include "archive/paker.h"
#include "db/kv_restore.h"
#include "files/kopiuj_plik.h"
#include "files/kursor.h"
#include "files/napedy.h"
#include "files/sciezki.h"
#include "files/teksty.h"
#include "files/zip/opis_bledu_zip.h"
#include "files/zip/unzip_int.h"
#include "platform/bledy.h"
#include "platform/srodowisko.h"
#include "ui/komunikaty.h"
#include "ui/postep.h"
#include "ui/pytanie.h"

namespace ramvel {
namespace {

const char* const kKopiaSystemowa = "systemkv.gbk";
const char* const kBazaSystemowa = "systemkv";

// The .gbk files of a directory (letter case ignored), in listing order.
std::vector<std::string> KopieBaz(const std::string& katalog) {
    std::vector<std::string> nazwy;
    DIR* strumien = opendir(katalog.c_str());
    if (!strumien)
        return nazwy;
    while (const dirent* wpis = readdir(strumien)) {
        const std::string nazwa = wpis->d_name;
        const size_t kropka = nazwa.rfind('.');
        if (kropka != std::string::npos && TekstyRowne(nazwa.substr(kropka), ".GBK") &&
            PlikIstnieje(PolaczSciezke(katalog, nazwa)))
            nazwy.push_back(nazwa);
    }
    closedir(strumien);
    return nazwy;
}

// A new database file in the destination takes the directory's group and
// rights for the owner and the group, so that the server can open it.
void UstawPrawaNowejBazy(const std::string& plik, const std::string& katalog) {
    struct stat k{};
    if (stat(katalog.c_str(), &k) == 0)
        [[maybe_unused]] const int ignorowany = chown(plik.c_str(), static_cast<uid_t>(-1), k.st_gid);
    chmod(plik.c_str(), 0660);
}

}  // namespace

std::string KatalogRoboczy() { return PolaczSciezke(KatalogProgramu(), "Temp"); }

std::string KatalogRozpakowania() { return PolaczSciezke(KatalogRoboczy(), "Baza"); }

void UdostepnijSerwerowi(const std::string& katalog) {
    const group* grupa = getgrnam("firebird");
    if (grupa && chown(katalog.c_str(), static_cast<uid_t>(-1), grupa->gr_gid) == 0 &&
        chmod(katalog.c_str(), 02770) == 0)
        return;
    chmod(katalog.c_str(), 0777);
}

TOdtwarzanie::TOdtwarzanie(TGlowna& glowna, TRekKat& wybrana, IPostep& postepZip)
    : FGlowna(glowna), FWybrana(wybrana), FPostepZip(postepZip) {}

std::string TOdtwarzanie::KatalogDocelowy() const {
    return FGlowna.Forma().RozpakDoFirmy ? FGlowna.FKatalogBazy : FGlowna.Forma().PathRozpakuj;
}

bool TOdtwarzanie::Odtworz() {
    FGlowna.ZablokujPrzyciski(true);
    TRekKat sprawdzana;
    FUdane = false;
    // The closing steps run on every way out, the verdict last.
    struct TZamkniecie {
        TOdtwarzanie& O;
        std::unique_ptr<TKursorCzekania> Kursor;
        ~TZamkniecie() {
            Kursor.reset();
            O.FGlowna.ZablokujPrzyciski(false);
            if (O.FUdane)
                KomunikatInfo("Odtworzenie z kopii wykonano poprawnie.");
            else
                KomunikatBlad("Odtworzenie z kopii nie powiodło się.");
        }
    } zamkniecie{*this, nullptr};

    const std::string rozpakowanie = KatalogRozpakowania();
    UtworzKatalog(rozpakowanie);
    UsunZawartoscKatalogu(rozpakowanie);
    UdostepnijSerwerowi(KatalogRoboczy());
    UdostepnijSerwerowi(rozpakowanie);

    std::string katalogArchiwum;
    if (LiteraDyskietki(FWybrana.NazwaPliku) == 'A') {
        WczytajDyskietki(FWybrana, sprawdzana, KatalogRoboczy());
        katalogArchiwum = KatalogRoboczy();
        // Emptying Temp took Temp/Baza with it.
        UtworzKatalog(rozpakowanie);
        UdostepnijSerwerowi(KatalogRoboczy());
        UdostepnijSerwerowi(rozpakowanie);
    } else {
        katalogArchiwum = KatalogNadrzedny(FWybrana.NazwaPliku);
    }
    const std::string archiwum = PolaczSciezke(katalogArchiwum, FWybrana.PodKatalog);

    zamkniecie.Kursor = std::make_unique<TKursorCzekania>(false, 0);
    if (!RozpakujKopie(archiwum, rozpakowanie, FWybrana.ArchiveExt))
        return false;
    ZapytajODaneSystemowe(rozpakowanie);
    if (FGlowna.Forma().RozpakDoFirmy)
        OstrzezenieONadpisaniu();
    OdtworzBazy(rozpakowanie);
    if (FGlowna.Forma().RozpakDoFirmy && !FWybrana.DaneSystemowe)
        ZarejestrujFirme(FWybrana.PodKatalog, FWybrana.NazwaSkr);
    KopiujBazy(rozpakowanie);
    return FUdane;
}

bool TOdtwarzanie::RozpakujKopie(const std::string& archiwum, const std::string& katalog, const std::string& rodzaj) {
    if (TekstyRowne(rodzaj, "KVP"))
        return RozpakujKvp(archiwum, katalog);
    if (TekstyRowne(rodzaj, "ZIP"))
        return RozpakujZip(archiwum, katalog);
    KomunikatBlad("Nieznany format archiwum. Nie można rozpakować");
    return false;
}

bool TOdtwarzanie::RozpakujKvp(const std::string& archiwum, const std::string& katalog) {
    Tpaker paker;
    FPokazanoOkno = true;
    // The key may hold a dot of its own, so the extension is named here rather
    // than left to the engine; the file system may keep any letter case.
    const std::string plik = archiwum + ".KVP";
    return paker.Dekompresuj("+o+y+w-p", ZnajdzPlikBezWielkosciLiter(plik).value_or(plik), katalog, "");
}

bool TOdtwarzanie::RozpakujZip(const std::string& archiwum, const std::string& katalog) {
    TUnzipInt unzip;
    TPostepZip postep(FPostepZip);
    unzip.UstawRaport([&postep](int32_t wartosc, TRaportZip& raport) { postep(wartosc, raport); });
    // The archive lies under its company key, whatever case the file system keeps.
    const std::string plik = archiwum + ".zip";
    unzip.UstawArchiwum(ZnajdzPlikBezWielkosciLiter(plik).value_or(plik));
    unzip.UstawKatalogDocelowy(katalog);
    const int32_t wynik = unzip.Rozpakuj();
    FPokazanoOkno = FPokazanoOkno || postep.Pokazano();
    // A fatal error ends the extraction without its end report.
    if (postep.Pokazano())
        FPostepZip.Zamknij();
    // An entry that failed leaves the result positive when the others were
    // extracted, but the backup is incomplete all the same: restoring on would
    // register a company whose database never arrives.
    const int32_t blad = wynik < 0 ? wynik : postep.BladPozycji();
    if (blad == 0)
        return true;
    KomunikatBlad("Wypakowanie plików zakończone niepowodzeniem.^" + OpisBleduZip(blad));
    return false;
}

void TOdtwarzanie::ZapytajODaneSystemowe(const std::string& katalog) {
    const bool saDane = ZnajdzPlikBezWielkosciLiter(PolaczSciezke(katalog, FGlowna.NazwaPlikuBazy(kBazaSystemowa))) ||
                        ZnajdzPlikBezWielkosciLiter(PolaczSciezke(katalog, kKopiaSystemowa));
    if (!saDane)
        return;
    if (FGlowna.Forma().RozpakDoFirmy)
        FWybrana.DaneSystemowe = ZadajPytanie(
            "Odtwarzanie danych systemowych",
            "Znaleziono dane systemowe.^Odtworzenie danych systemowych spwoduje, że wszystkie aktualne wspólne dane, "
            "takie jak spis firm, użytkowników, itp. zostaną zastąpione danymi sprzed wykonania kopii.^Czy na pewno "
            "odtworzyć dane systemowe?");
    else
        FWybrana.DaneSystemowe =
            KomunikatPytanieNie("Znaleziono dane systemowe.\r\nCzy odtworzyć również dane systemowe?");
}

void TOdtwarzanie::OstrzezenieONadpisaniu() {
    const std::string baza = PolaczSciezke(FGlowna.FKatalogBazy, FGlowna.NazwaPlikuBazy(FWybrana.PodKatalog));
    if (!PlikIstnieje(baza))
        return;
    const std::string& k = FWybrana.PodKatalog;
    if (!KomunikatPytanieNie("Odtworzenie bazy " + k + " z kopii spowoduje zastąpienie aktualnych danych \r\nw bazie " +
                             k + " danymi z kopii.\r\nZalecane jest aby wykonać kopię danych odtwarzanej firmy.\r\n"
                             "Czy została wykonana kopia bazy " + k + "?"))
        throw EPrzerwanie();
}

void TOdtwarzanie::OdtworzBazy(const std::string& katalog) {
    for (const auto& plik : KopieBaz(katalog)) {
        if (TekstyRowne(plik, kKopiaSystemowa) && !FWybrana.DaneSystemowe)
            continue;
        try {
            OdtworzBaze(katalog, plik.substr(0, plik.find('.')));
        } catch (const std::exception& blad) {
            KomunikatBlad(std::string("Podczas wywołania dearchiwizacji wystąpił błąd o treści: ") +
                          (NieJestPrzerwaniem(blad) ? blad.what() : ""));
            throw EPrzerwanie();
        }
    }
}

void TOdtwarzanie::OdtworzBaze(const std::string& katalog, const std::string& nazwa) {
    const std::string tekst = TekstyRowne(nazwa + ".gbk", kKopiaSystemowa) ? "Dearchiwizacja bazy systemowej"
                                                                           : "Dearchiwizacja bazy firmy: " + nazwa;
    std::unique_ptr<IPostep> okno = UtworzPostep(tekst);
    okno->Pokaz();
    FPokazanoOkno = true;
    // The window goes with `okno` on every way out.
    struct TZamknijOkno {
        IPostep& Okno;
        ~TZamknijOkno() { Okno.Zamknij(); }
    } zamknij{*okno};
    IPostep* widoczne = okno.get();
    OdtworzKopieBazy(katalog, nazwa, [widoczne](TkvRestore&, const std::string& linia) { widoczne->UstawTekst(linia); });
}

void TOdtwarzanie::KopiujBaze(const std::string& katalog, const std::string& plik) {
    const std::string cel = PolaczSciezke(KatalogDocelowy(), plik);
    const bool nowy = !PlikIstnieje(cel);
    while (!KopiujPlik(PolaczSciezke(katalog, plik), cel, true)) {
        if (!KomunikatPytanieNie("Plik bazy nie może zostać odtworzony. Być może program Morvanta jest uruchomiony.^"
                                 "Przed podjęciem próby odtworzenia danych z kopii należy wyjść z programu. Czy "
                                 "spróbować jeszcze raz?"))
            throw EPrzerwanie();
    }
    if (nowy)
        UstawPrawaNowejBazy(cel, KatalogDocelowy());
}

void TOdtwarzanie::KopiujBazy(const std::string& katalog) {
    UtworzKatalog(KatalogDocelowy());
    KopiujBaze(katalog, FGlowna.NazwaPlikuBazy(FWybrana.PodKatalog));
    if (FWybrana.DaneSystemowe)
        KopiujBaze(katalog, FGlowna.NazwaPlikuBazy(kBazaSystemowa));
    FUdane = true;
}

}  // namespace ramvel
