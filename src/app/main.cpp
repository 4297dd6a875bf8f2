// Ramvel: restores one company's data of Morvanta PRO from a backup.
#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <cstring>

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
