#include "ui/qt/front_qt.h"

#include <QApplication>

#include "platform/srodowisko.h"
#include "ui/qt/zdarzenia_qt.h"
#include "ui/zdarzenia_okien.h"

namespace ramvel {

void InstalujFrontQt() {
    UstawSygnalDzwiekowy([](uint32_t) { QApplication::beep(); });
    static TZdarzeniaQt zdarzenia;
    UstawZdarzeniaOkien(&zdarzenia);
}

}  // namespace ramvel
