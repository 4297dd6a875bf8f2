// Every way a restore can fail, each ending with its own messages and then
// one failure verdict, the destination byte for byte as it was (and the
// system database's rows as they were), and the three buttons enabled again.
#include <filesystem>

#include "app/forma_glowna.h"
#include "archive/pomoc/zapis_kvr.h"
#include "db/kv_database.h"
#include "db/test_polaczenia.h"
#include "odtworzenie/przebieg_odtworzenia.h"
#include "platform/srodowisko.h"
#include "ui/okno_bledu_bazy.h"
#include "zip/archiwa_testowe.h"

namespace ramvel::testy {
namespace {

namespace fs = std::filesystem;

const char* const kPytanieOPonowienie =
    "Plik bazy nie może zostać odtworzony. Być może program Morvanta jest uruchomiony.^Przed podjęciem próby "
    "odtworzenia danych z kopii należy wyjść z programu. Czy spróbować jeszcze raz?";
const char* const kBladWypakowania = "Wypakowanie plików zakończone niepowodzeniem.^";
const char* const kBladDearchiwizacji = "Podczas wywołania dearchiwizacji wystąpił błąd o treści: ";

class Niepowodzenia;

struct TNiepowodzenie {
    const char* Nazwa;
    // Builds the program directory and the backup, sets the choices below.
    std::function<void(Niepowodzenia&)> Przygotuj;
    // The messages expected after "Start", verdict included.
    std::function<void(Niepowodzenia&)> Oczekuj;
};

void PrintTo(const TNiepowodzenie& p, std::ostream* os) { *os << p.Nazwa; }

class Niepowodzenia : public Odtworzenie, public testing::WithParamInterface<TNiepowodzenie> {
public:
    using Odtworzenie::FSkrypt;
    using Odtworzenie::Program;

    // The backup of FIRMA in Kopia/Arch01.
    void Kopia(const std::string& archiwum, const TOpisKopiiTestowej& opis = {}) {
        ZapiszKopie(Program().Arch(1), opis, archiwum);
    }

    int Zrodlo = kKopiaAutomatyczna;
    std::string InneMiejsce;                 // '' for "Firmy"
    std::vector<std::string> TakzeBezZmian;  // directories besides BAZA that must stay as they were
    bool RejestracjaPisze = false;           // the system database is attached (its rows are compared)
    std::unique_ptr<TBazaTestowa> BazaWInnymMiejscu;
    std::unique_ptr<TkvDatabase> Trzymajaca;  // an attachment that holds a database open
};

TEST_P(Niepowodzenia, KonczaSieWerdyktemIBezZmianWCelu) {
    const TNiepowodzenie& p = GetParam();
    p.Przygotuj(*this);
    if (HasFatalFailure())
        return;
    const auto bezSystemowej = [this](std::map<std::string, std::string> pliki) {
        if (RejestracjaPisze)
            pliki.erase("systemkv.fdb");
        return pliki;
    };
    const bool jestSystemowa = fs::exists(Baza("systemkv.fdb"));
    std::vector<std::string> firmy;
    if (jestSystemowa)
        firmy = Wiersze(Baza("systemkv.fdb"), "select F.ID_FIRMA, F.IDENTYFIKATOR, P.ID_UZYTKOWNIK from FIRMA F "
                                              "left join PRAWODOFIRMY P on P.ID_FIRMA = F.ID_FIRMA order by 1, 3");
    const auto baza = Zawartosc(FProgram->Baza());
    std::vector<std::map<std::string, std::string>> inne;
    for (const auto& katalog : TakzeBezZmian)
        inne.push_back(Zawartosc(katalog));

    ASSERT_NO_FATAL_FAILURE(Start(Zrodlo, Zrodlo == kKopiaWInnejLokalizacji ? Program() / "kopie" : ""));
    p.Oczekuj(*this);
    EXPECT_FALSE(Odtworz(InneMiejsce));

    int werdykty = 0;
    for (const auto& linia : FSkrypt.Przebieg())
        werdykty += linia.find(kNieudane) != std::string::npos || linia.find(kUdane) != std::string::npos;
    EXPECT_EQ(werdykty, 1);
    EXPECT_EQ(bezSystemowej(Zawartosc(FProgram->Baza())), bezSystemowej(baza));
    for (size_t i = 0; i < TakzeBezZmian.size(); ++i)
        EXPECT_EQ(Zawartosc(TakzeBezZmian[i]), inne[i]) << TakzeBezZmian[i];
    if (jestSystemowa) {
        EXPECT_EQ(Wiersze(Baza("systemkv.fdb"), "select F.ID_FIRMA, F.IDENTYFIKATOR, P.ID_UZYTKOWNIK from FIRMA F "
                                                "left join PRAWODOFIRMY P on P.ID_FIRMA = F.ID_FIRMA order by 1, 3"),
                  firmy);
    }
    SprawdzPrzyciski();
}

const std::string& Gbk() { return KopiaBazyFirmy(); }

const TNiepowodzenie kNiepowodzenia[] = {
    {"NieznanyRodzajArchiwum",
     [](Niepowodzenia& t) {
         t.Kopia(ZipKopii({{"FIRMA.gbk", Gbk()}}));
         TOpisKopiiTestowej opis;
         opis.ArchiveExt = "rar";
         ZapiszPlik(t.Program().Arch(1) + "/FIRMA.ini", OpisKopii(opis));
     },
     [](Niepowodzenia& t) { t.FSkrypt.Blad("Nieznany format archiwum. Nie można rozpakować").Blad(kNieudane); }},
    {"UszkodzonyKvr",
     [](Niepowodzenia& t) {
         TOpcjePliku zlyZnacznik;
         zlyZnacznik.ZnacznikKonca = 1;
         TOpisKopiiTestowej opis;
         opis.ArchiveExt = "kvp";
         t.Kopia(TZapisKvr().Plik("FIRMA.gbk", Gbk(), zlyZnacznik).Terminator().Bajty(), opis);
     },
     [](Niepowodzenia& t) { t.FSkrypt.Blad("Błąd odczytu zakończenia pliku.").Blad(kNieudane); }},
    {"PlikNieJestZipem", [](Niepowodzenia& t) { t.Kopia("to nie jest archiwum ZIP"); },
     [](Niepowodzenia& t) {
         t.FSkrypt.Blad(std::string(kBladWypakowania) + "Zbiór nie jest poprawnym archiwum ZIP").Blad(kNieudane);
     }},
    {"ZipZBlednaSumaKontrolna",
     [](Niepowodzenia& t) {
         TWpisTestowy wpis;
         wpis.Nazwa = "FIRMA.gbk";
         wpis.Dane = Gbk();
         wpis.Metoda = 8;
         wpis.Crc = Crc32(Gbk()) ^ 1;
         t.Kopia(ZbudujZip({wpis}));
     },
     [](Niepowodzenia& t) { t.FSkrypt.Blad(std::string(kBladWypakowania) + "Błąd sumy CRC").Blad(kNieudane); }},
    {"KopiaBazyNieJestKopia", [](Niepowodzenia& t) { t.Kopia(ZipKopii({{"FIRMA.gbk", std::string(4096, 'x')}})); },
     [](Niepowodzenia& t) {
         // The server's own words.
         t.FSkrypt
             .Blad(std::string(kBladDearchiwizacji) +
                   "Unsuccessful execution caused by system error that does not preclude successful execution of "
                   "subsequent statements.\r\nExpected backup description record.\r\nExiting before completion due "
                   "to errors.\r\n")
             .Blad(kNieudane);
     }},
    {"RejestracjaOdrzuconaPrzezBaze",
     [](Niepowodzenia& t) {
         t.Program(DdlBazySystemowej({"create exception DZIENUZYT_ODDO 'zakres godzin'",
                                      "create trigger PRAWODOFIRMY_BI for PRAWODOFIRMY before insert as begin "
                                      "exception DZIENUZYT_ODDO; end"}));
         t.Kopia(ZipKopii({{"FIRMA.gbk", Gbk()}}));
         t.RejestracjaPisze = true;
     },
     [](Niepowodzenia& t) {
         t.FSkrypt.Oczekuj(kTytulOknaBleduBazy, "Wyjątek: \rNiepoprawny zakres godzin pracy dla operatora.", "Ok")
             .Blad(kNieudane);
     }},
    {"RejestracjaBezBazySystemowej",
     [](Niepowodzenia& t) {
         t.Program({});
         t.Kopia(ZipKopii({{"FIRMA.gbk", Gbk()}}));
     },
     [](Niepowodzenia& t) {
         TTestDatabaseConnect test;
         test.CzytajUstawienia();
         ASSERT_FALSE(test.Testuj(false));
         t.FSkrypt.Blad("Błąd podczas łączenia z bazą danych.\r" + test.OstatniBlad)
             .Info("W celu konfiguracji połączenia z bazą danych uruchom program \"Norvik\"")
             .Blad(kNieudane);
     }},
    {"KatalogDocelowyNieDoUtworzenia",
     [](Niepowodzenia& t) {
         t.Kopia(ZipKopii({{"FIRMA.gbk", Gbk()}}));
         fs::create_directories(t.Program() / "miejsce");
         ZapiszPlik(t.Program() / "miejsce/plik", "zwykły plik");
         t.InneMiejsce = t.Program() / "miejsce/plik/cel";
         t.TakzeBezZmian = {t.Program() / "miejsce"};
     },
     [](Niepowodzenia& t) { t.FSkrypt.Blad(kNieudane).Blad("Nie można utworzyć katalogu: " + t.InneMiejsce); }},
    {"KopiaOdrzuconaBoBazaOtwarta",
     [](Niepowodzenia& t) {
         t.Kopia(ZipKopii({{"FIRMA.gbk", Gbk()}}));
         t.InneMiejsce = t.Program() / "inne";
         fs::create_directories(t.InneMiejsce);
         UdostepnijSerwerowi(t.InneMiejsce);
         t.BazaWInnymMiejscu = std::make_unique<TBazaTestowa>(t.InneMiejsce + "/FIRMA.fdb");
         t.Trzymajaca = std::make_unique<TkvDatabase>();
         t.Trzymajaca->KatalogBazy = t.InneMiejsce;
         t.Trzymajaca->PlikBazy = "FIRMA.fdb";
         t.Trzymajaca->UstawPolaczenie();
         t.Trzymajaca->Connected(true);
         t.TakzeBezZmian = {t.InneMiejsce};
     },
     [](Niepowodzenia& t) {
         t.FSkrypt.Blad("Błąd kopiowania pliku: FIRMA.fdb\r\r" + OpisBleduSystemu(ETXTBSY))
             .Pytanie(kPytanieOPonowienie, "&Nie")
             .Blad(kNieudane);
     }},
    {"RezygnacjaZDyskietek",
     [](Niepowodzenia& t) {
         TOpisKopiiTestowej opis;
         opis.ArchiveExt = "kvp";
         opis.IloscDysk = 3;
         const std::string archiwum = KvrKopii({{"FIRMA.gbk", Gbk()}});
         const auto wolumeny = Potnij(archiwum, archiwum.size() / 3 + 1);
         fs::create_directories(t.Program() / "dyskietka1");
         ZapiszPlik(t.Program() / "dyskietka1/FIRMA.ini", OpisKopii(opis));
         ZapiszPlik(t.Program() / "dyskietka1/FIRMA.KVP", wolumeny[0]);
         t.Program().Wloz(t.Program() / "dyskietka1");
         t.Zrodlo = kKopiaNaDyskietce;
     },
     [](Niepowodzenia& t) {
         const std::string prosze = "Proszę włożyć dyskietkę o nazwie \"Kopia FIRMA 2008_10 nr ";
         const std::string temp = t.Program() / "Temp";
         t.FSkrypt.Pytanie(prosze + "1\"", "&OK")
             .Pytanie(prosze + "2\"", "&Anuluj")
             .Blad("Archiwum \"" + temp + "/FIRMA.KVP\" jest niekompletne: kończy się w pliku \"FIRMA.gbk\". Brak "
                   "paczki \"" + temp + "/FIRMA.s00\" albo archiwum zostało ucięte.")
             .Blad(kNieudane);
     }},
};

INSTANTIATE_TEST_SUITE_P(Odtworzenie, Niepowodzenia, testing::ValuesIn(kNiepowodzenia),
                         [](const testing::TestParamInfo<TNiepowodzenie>& info) { return info.param.Nazwa; });

}  // namespace
}  // namespace ramvel::testy
