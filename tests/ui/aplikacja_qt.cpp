#include "aplikacja_qt.h"

#include <QApplication>
#include <QFont>

namespace ramvel::testy {

QApplication& AplikacjaQt() {
    static int argc = 1;
    static char nazwa[] = "testy_ui_qt";
    static char* argv[] = {nazwa, nullptr};
    static QApplication* aplikacja = [] {
        auto* a = new QApplication(argc, argv);
        QFont czcionka(QStringLiteral("DejaVu Sans"));
        czcionka.setPixelSize(11);
        QApplication::setFont(czcionka);
        return a;
    }();
    return *aplikacja;
}

}  // namespace ramvel::testy
