#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include "aplikacja_qt.h"
#include "ui/qt/okno_komunikat.h"

namespace ramvel {
namespace {

class OknoKomunikatu : public ::testing::Test {
protected:
    void SetUp() override { testy::AplikacjaQt(); }
};

TEST_F(OknoKomunikatu, PytanieZDwiemaLiniamiIPogrubieniem) {
    TOknoKomunikat okno("<B>Pierwsza</B> linia^druga linia", {TKomPrzycisk::Tak, TKomPrzycisk::Nie},
                        TKomPrzycisk::Tak, TKomRodzaj::Pytanie);
    EXPECT_EQ(okno.windowTitle(), "Pytanie");
    ASSERT_EQ(okno.Przyciski().size(), 2u);
    EXPECT_EQ(okno.Przyciski()[0]->text(), "&Tak");
    EXPECT_EQ(okno.Przyciski()[1]->text(), "&Nie");
    EXPECT_EQ(okno.PrzyciskDomyslny(), okno.Przyciski()[0]);
    EXPECT_EQ(okno.PoleTekstu()->document()->blockCount(), 2);
    EXPECT_EQ(okno.PoleTekstu()->document()->begin().text(), "Pierwsza linia");
    // Two buttons are 140 wide: the text takes the 245 minimum, the window 55 + 245 + 15.
    EXPECT_EQ(okno.width(), 315);
    EXPECT_EQ(okno.Przyciski()[0]->width(), 65);
    EXPECT_EQ(okno.Przyciski()[1]->x() - okno.Przyciski()[0]->x(), 75);
    EXPECT_EQ(okno.Wynik(), TKomPrzycisk::Tak);
    okno.show();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), okno.Przyciski()[0]);
}

TEST_F(OknoKomunikatu, ZamykajaGoTylkoPrzyciski) {
    TOknoKomunikat okno("Czy kontynuować?", {TKomPrzycisk::Tak, TKomPrzycisk::Nie}, TKomPrzycisk::Nie,
                        TKomRodzaj::Pytanie);
    okno.show();
    QApplication::processEvents();
    EXPECT_FALSE(okno.close());  // Alt+F4 / the window system's close
    EXPECT_TRUE(okno.isVisible());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&okno, &escape);
    EXPECT_TRUE(okno.isVisible());
    // The accelerator letter presses its button.
    QKeyEvent litera(QEvent::KeyPress, Qt::Key_T, Qt::NoModifier, "t");
    QApplication::sendEvent(&okno, &litera);
    EXPECT_FALSE(okno.isVisible());
    EXPECT_EQ(okno.Wynik(), TKomPrzycisk::Tak);
}

TEST_F(OknoKomunikatu, EnterNaciskaPrzyciskZFokusem) {
    TOknoKomunikat okno("x", {TKomPrzycisk::OK, TKomPrzycisk::Anuluj}, TKomPrzycisk::Anuluj, TKomRodzaj::Pytanie);
    okno.show();
    QApplication::processEvents();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&okno, &enter);
    EXPECT_EQ(okno.Wynik(), TKomPrzycisk::Anuluj);
    EXPECT_FALSE(okno.isVisible());
}

TEST_F(OknoKomunikatu, DlugaInformacjaMiesciSieNaEkranie) {
    std::string dluga;
    for (int i = 0; i < 400; ++i)
        dluga += "bardzo długi komunikat ";
    TOknoKomunikat okno(dluga, {TKomPrzycisk::OK}, TKomPrzycisk::OK, TKomRodzaj::Informacja);
    const QRect ekran = QApplication::primaryScreen()->geometry();
    EXPECT_LE(okno.width(), ekran.width());
    EXPECT_GT(okno.width(), 315);  // widened towards the limit
    EXPECT_EQ(okno.height(), ekran.height() - 100);
    EXPECT_EQ(okno.PoleTekstu()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    TOknoKomunikat blad(dluga, {TKomPrzycisk::OK}, TKomPrzycisk::OK, TKomRodzaj::Blad);
    EXPECT_EQ(blad.PoleTekstu()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(OknoKomunikatu, KomunikatQtZwracaNacisnietyPrzycisk) {
    TKomunikatyQt komunikaty;
    QTimer::singleShot(0, [] {
        auto* okno = qobject_cast<TOknoKomunikat*>(QApplication::activeModalWidget());
        ASSERT_NE(okno, nullptr);
        okno->Przyciski()[1]->click();
    });
    EXPECT_EQ(komunikaty.Pokaz("Włóż dyskietkę. Czy kontynuować?", {TKomPrzycisk::Tak, TKomPrzycisk::Nie},
                               TKomPrzycisk::Tak, TKomRodzaj::Pytanie),
              TKomPrzycisk::Nie);
}

}  // namespace
}  // namespace ramvel
