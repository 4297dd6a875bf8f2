#include "narzedzia_firebirda.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "db/serwer_lokalny.h"
#include "db/uzytkownik_bazy.h"
#include "instalacja_testowa.h"
#include "platform/srodowisko.h"

extern char** environ;

namespace ramvel::testy {

TProgramTestowy::TProgramTestowy(const std::string& katalogBazy, const std::string& dodatkoweLinie)
    : FPoprzedni(KatalogProgramu()) {
    UstawBazaSet("REMOTE=0\r\nDATABASE_DIR=" + katalogBazy + "\r\nDATABASE_FILE_EXT=.gdb\r\n" + dodatkoweLinie);
    UstawKatalogProgramu(FKatalog.Sciezka());
}

TProgramTestowy::~TProgramTestowy() { UstawKatalogProgramu(FPoprzedni); }

void TProgramTestowy::UstawBazaSet(const std::string& linie) const {
    ZapiszPlik(FKatalog / "baza.set", "[MAIN]\r\n" + linie);
}

TWynikNarzedzia UruchomNarzedzie(const std::vector<std::string>& argumenty) {
    const char* haslo = std::getenv(kZmiennaHaslaBazy);
    if (!haslo)
        throw std::runtime_error("brak RAMVEL_HASLO_BAZY");
    std::vector<std::string> srodowisko;
    for (char** e = environ; *e; ++e)
        srodowisko.emplace_back(*e);
    srodowisko.push_back(std::string("ISC_USER=") + kUzytkownikBazy);
    srodowisko.push_back(std::string("ISC_PASSWORD=") + haslo);
    std::vector<char*> envp, argv;
    for (auto& e : srodowisko)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> kopia = argumenty;
    for (auto& a : kopia)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int rura[2];
    if (pipe2(rura, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe");
    posix_spawn_file_actions_t akcje;
    posix_spawn_file_actions_init(&akcje);
    posix_spawn_file_actions_adddup2(&akcje, rura[1], 1);
    posix_spawn_file_actions_adddup2(&akcje, rura[1], 2);
    pid_t pid = 0;
    const int blad = posix_spawnp(&pid, argv[0], &akcje, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&akcje);
    close(rura[1]);
    TWynikNarzedzia wynik;
    if (blad != 0) {
        close(rura[0]);
        throw std::runtime_error("nie można uruchomić " + argumenty[0]);
    }
    char bufor[4096];
    for (ssize_t n; (n = read(rura[0], bufor, sizeof bufor)) != 0;)
        if (n > 0)
            wynik.Wyjscie.append(bufor, static_cast<size_t>(n));
        else if (errno != EINTR)
            break;
    close(rura[0]);
    int stan = 0;
    while (waitpid(pid, &stan, 0) < 0 && errno == EINTR) {
    }
    wynik.Kod = WIFEXITED(stan) ? WEXITSTATUS(stan) : -1;
    return wynik;
}

void ZrobKopieGbak(const std::string& baza, const std::string& kopia) {
    const auto wynik = UruchomNarzedzie({"gbak", "-b", "localhost:" + baza, kopia});
    if (wynik.Kod != 0)
        throw std::runtime_error("gbak -b " + baza + ": " + wynik.Wyjscie);
}

std::vector<std::string> LinieOdtwarzaniaFbsvcmgr(const std::string& kopia, const std::string& baza) {
    const auto wynik = UruchomNarzedzie({"fbsvcmgr", "localhost:service_mgr", "action_restore", "bkp_file", kopia,
                                         "dbname", baza, "res_length", "200000", "verbose", "res_replace",
                                         "res_page_size", "8192"});
    if (wynik.Kod != 0)
        throw std::runtime_error("fbsvcmgr action_restore: " + wynik.Wyjscie);
    std::vector<std::string> linie;
    size_t poczatek = 0;
    while (poczatek < wynik.Wyjscie.size()) {
        size_t koniec = wynik.Wyjscie.find('\n', poczatek);
        if (koniec == std::string::npos)
            koniec = wynik.Wyjscie.size();
        linie.push_back(wynik.Wyjscie.substr(poczatek, koniec - poczatek));
        poczatek = koniec + 1;
    }
    return linie;
}

bool CzekajNaSerwer(int limitMs) {
    return CzekajNa([] { return PrzyjmujePolaczenia(kDomyslnyPortSerwera, 500); }, limitMs);
}

void RestartujSerwer() {
    const std::string polecenie = std::string("bash ") + RAMVEL_SKRYPT_FIREBIRDA + " restart >/dev/null";
    if (std::system(polecenie.c_str()) != 0 || !CzekajNaSerwer())
        throw std::runtime_error("restart serwera Firebird nie powiódł się");
}

}  // namespace ramvel::testy
