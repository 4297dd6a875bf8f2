#include "ui/qt/front_qt.h"

#include <QApplication>

#include "platform/srodowisko.h"
#include "ui/qt/okno_komunikat.h"

namespace ramvel {

void InstalujFrontQt() {
    static TKomunikatyQt komunikaty;
    UstawKomunikaty(&komunikaty);
    UstawSygnalDzwiekowy([](uint32_t) { QApplication::beep(); });
}

}  // namespace ramvel
