// Escape in the Qt program: seen through the application's event filter while
// a job watches, and remembered until the job asks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "ui/qt/front_qt.h"
#include "ui/qt/zdarzenia_qt.h"
#include "ui/zdarzenia_okien.h"

namespace ramvel {
namespace {

void Klawisz(QWidget& okno, QEvent::Type rodzaj, int klawisz) {
    QKeyEvent zdarzenie(rodzaj, klawisz, Qt::NoModifier);
    QCoreApplication::sendEvent(&okno, &zdarzenie);
}

TEST(ZipZdarzeniaQt, EscapeWidzianyTylkoPodczasPracy) {
    int argc = 1;
    char nazwa[] = "testy_zip_qt";
    char* argv[] = {nazwa, nullptr};
    QApplication aplikacja(argc, argv);
    InstalujFrontQt();
    IZdarzeniaOkien& zdarzenia = ZdarzeniaOkien();
    ASSERT_NE(dynamic_cast<TZdarzeniaQt*>(&zdarzenia), nullptr);
    QWidget okno;

    Klawisz(okno, QEvent::KeyPress, Qt::Key_Escape);  // before the job: not ours
    Klawisz(okno, QEvent::KeyRelease, Qt::Key_Escape);
    {
        TNasluchPrzerwania nasluch;
        EXPECT_FALSE(zdarzenia.PrzerwanieWcisniete());
        Klawisz(okno, QEvent::KeyPress, Qt::Key_A);
        EXPECT_FALSE(zdarzenia.PrzerwanieWcisniete());
        // Pressed and released between two looks: still a press.
        Klawisz(okno, QEvent::KeyPress, Qt::Key_Escape);
        Klawisz(okno, QEvent::KeyRelease, Qt::Key_Escape);
        zdarzenia.PrzetworzZdarzenia();
        EXPECT_TRUE(zdarzenia.PrzerwanieWcisniete());
        EXPECT_FALSE(zdarzenia.PrzerwanieWcisniete());
        // Held down: seen at every look.
        Klawisz(okno, QEvent::KeyPress, Qt::Key_Escape);
        EXPECT_TRUE(zdarzenia.PrzerwanieWcisniete());
        EXPECT_TRUE(zdarzenia.PrzerwanieWcisniete());
        Klawisz(okno, QEvent::KeyRelease, Qt::Key_Escape);
        EXPECT_FALSE(zdarzenia.PrzerwanieWcisniete());
    }
    {
        TNasluchPrzerwania nasluch;
        EXPECT_FALSE(zdarzenia.PrzerwanieWcisniete());
    }
    UstawZdarzeniaOkien(nullptr);
}

}  // namespace
}  // namespace ramvel
