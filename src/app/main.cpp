#include <QApplication>

#include "platform/srodowisko.h"
#include "ui/qt/front_qt.h"

int main(int argc, char** argv) {
    ramvel::UstawParametry(argc, argv);
    QApplication aplikacja(argc, argv);
    QApplication::setApplicationName("Ramvel");
    ramvel::InstalujFrontQt();
    return 0;
}
