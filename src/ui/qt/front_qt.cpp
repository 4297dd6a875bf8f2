#include "ui/qt/front_qt.h"

#include <QApplication>

#include "platform/srodowisko.h"
#include "ui/qt/okno_komunikat.h"
#include "ui/okno_bledu_bazy.h"
#include "ui/qt/ib_error_wnd.h"

namespace ramvel {

void InstalujFrontQt() {
    static TKomunikatyQt komunikaty;
    UstawKomunikaty(&komunikaty);
    UstawSygnalDzwiekowy([](uint32_t) { QApplication::beep(); });
    UstawOknoBleduBazy(&OknoBleduBazyQt());
}

}  // namespace ramvel
