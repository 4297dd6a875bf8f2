#include "ui/qt/front_qt.h"

#include <QApplication>

#include "platform/srodowisko.h"

namespace ramvel {

void InstalujFrontQt() {
    UstawSygnalDzwiekowy([](uint32_t) { QApplication::beep(); });
}

}  // namespace ramvel
