// Ramvel: restores one company's data of Morvanta PRO from a backup.
#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <cstring>

#include <cstdlib>
#include <iostream>

#include "app/konsola/ramvel_konsola.h"
#include "app/qt/glowna_qt.h"
#include "platform/srodowisko.h"
#include "platform/wersja.h"
#include "ui/qt/front_qt.h"

namespace {

void Pomoc() {
    std::printf(
        "Użycie: ramvel [OPCJE]\n"
        "Odtwarza dane jednej firmy programu Morvanta PRO z kopii zapasowej.\n\n"
        "  --katalog=KATALOG  katalog programu Morvanta PRO (domyślnie katalog programu ramvel)\n"
        "  --konsola          praca w terminalu (wybierana sama, gdy nie ma ekranu)\n"
        "W terminalu wybory obu stron można podać opcjami (pytania odtwarzania są wtedy\n"
        "czytane ze standardowego wejścia: t/n, TAK dla potwierdzenia):\n"
        "  --zrodlo=dyskietka|automatyczna|inna\n"
        "  --sciezka=KATALOG  katalog z kopiami dla --zrodlo=inna\n"
        "  --firma=KLUCZ      firma (identyfikator)\n"
        "  --kopia=N          kopia firmy: 1 = najstarsza (domyślnie najnowsza)\n"
        "  --cel=firmy|KATALOG\n"
        "  --akceptuj         \"Tak, chcę odtworzyć kopię tej firmy\"\n"
        "Kod wyjścia: 0 gdy odtworzenie się udało, 1 gdy nie, 2 przy błędnym użyciu.\n"
        "  /S:NAZWA           nazwa komputera zamiast nazwy hosta\n"
        "  --help             ten opis\n"
        "  --version          wersja programu\n");
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            Pomoc();
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("ramvel %s\n", ramvel::WersjaProgramu("FileVersion").c_str());
            return 0;
        }
    }
    ramvel::UstawParametry(argc, argv);

    bool konsola = std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr;
    for (const auto& p : ramvel::ParametryProgramu())
        konsola = konsola || p == "--konsola";
    ramvel::TOpcjeKonsoli opcje;
    std::string blad;
    if (!ramvel::CzytajOpcjeKonsoli(ramvel::ParametryProgramu(), opcje, blad)) {
        std::fprintf(stderr, "ramvel: %s\nSpróbuj: ramvel --help\n", blad.c_str());
        return 2;
    }
    if (konsola)
        return ramvel::UruchomWKonsoli(opcje, std::cin, std::cout);

    QApplication aplikacja(argc, argv);
    QApplication::setApplicationName("Ramvel");
    QApplication::setApplicationDisplayName("Ramvel");
    // Fixed-size windows are laid out for this face and size.
    QFont czcionka("DejaVu Sans");
    czcionka.setPixelSize(11);
    QApplication::setFont(czcionka);
    QTranslator tlumaczenieQt;
    if (tlumaczenieQt.load(QLocale(QLocale::Polish, QLocale::Poland), "qtbase", "_",
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&tlumaczenieQt);
    ramvel::InstalujFrontQt();

    ramvel::TfGlowna okno;
    okno.show();
    return QApplication::exec();
}
