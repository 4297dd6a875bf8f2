#include "ui/qt/front_qt.h"

#include <QApplication>

#include "platform/srodowisko.h"
#include "ui/qt/okna_paka_qt.h"

namespace ramvel {

void InstalujFrontQt() {
    UstawSygnalDzwiekowy([](uint32_t) { QApplication::beep(); });
    UstawOknaPaka(&OknaPakaQt());
}

}  // namespace ramvel
