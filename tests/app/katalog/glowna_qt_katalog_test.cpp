#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstdlib>

#include "app/qt/glowna_qt.h"
#include "katalog/kopie_testowe.h"
#include "platform/srodowisko.h"
#include "ui/skrypt/skrypt.h"
#include "ui/skrypt/wybor_katalogu_skryptu.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

using testing::IsEmpty;

QApplication& Aplikacja() {
    static int argc = 1;
    static char nazwa[] = "testy";
    static char* argv[] = {nazwa, nullptr};
    static QApplication* aplikacja = [] {
        setenv("LC_ALL", "pl_PL.UTF-8", 1);
        return new QApplication(argc, argv);  // never destroyed: Qt's statics may go first
    }();
    return *aplikacja;
}

template <class T>
T* Element(QWidget& okno, const char* nazwa) {
    T* element = okno.findChild<T*>(nazwa);
    EXPECT_NE(element, nullptr) << nazwa;
    return element;
}

QPushButton* Przycisk(QWidget& okno, const QString& napis) {
    for (auto* przycisk : okno.findChildren<QPushButton*>())
        if (przycisk->text() == napis)
            return przycisk;
    ADD_FAILURE() << "brak przycisku " << napis.toStdString();
    return nullptr;
}

void Klawisz(QWidget* cel, int klawisz) {
    QKeyEvent nacisniecie(QEvent::KeyPress, klawisz, Qt::NoModifier);
    QApplication::sendEvent(cel, &nacisniecie);
}

class GlownaQtKatalog : public testing::Test {
protected:
    GlownaQtKatalog() : FPoprzedniKatalog(KatalogProgramu()) {
        Aplikacja();
        UstawKatalogProgramu(FProgram.Sciezka());
        testy::ZapiszPlik(FProgram / "baza.set", "[MAIN]\r\nREMOTE=0\r\n");
    }
    ~GlownaQtKatalog() override { UstawKatalogProgramu(FPoprzedniKatalog); }
    void TearDown() override { EXPECT_THAT(FSkrypt.Bledy(), IsEmpty()); }

    void WybierzZrodlo(TfGlowna& okno, int element) {
        auto* grupa = Element<QGroupBox>(okno, "rgRodzKopii");
        grupa->findChildren<QRadioButton*>().at(element)->click();
    }

    testy::TKatalogTymczasowy FProgram;
    std::string FPoprzedniKatalog;
    TSkrypt FSkrypt;
};

TEST_F(GlownaQtKatalog, StartPokazujeStronę2ZKatalogiem) {
    testy::ZapiszKopie(FProgram / "Kopia/Arch01/2008_10", "Mazury", "Mazury", "2008-10-10 9:05");
    testy::ZapiszKopie(FProgram / "Kopia/Arch02/2008_11", "Mazury", "Mazury", "2008-11-03 14:30");
    testy::ZapiszKopie(FProgram / "Kopia/Arch02/2008_11", "Łódź", "Łódź", "2008-11-03 14:30");
    testy::ZapiszKopie(FProgram / "Kopia/Arch02", "Lodz", "Lodz", "2008-11-03 14:30");
    TfGlowna okno;
    okno.show();
    EXPECT_EQ(okno.height(), 210);
    WybierzZrodlo(okno, 1);
    FSkrypt.Info("Znaleziono kopię 3 firm.");
    Przycisk(okno, "Start")->click();

    EXPECT_EQ(okno.height(), 412);
    EXPECT_FALSE(Element<QWidget>(okno, "panRodzKopii")->isVisible());
    EXPECT_TRUE(Element<QWidget>(okno, "panOdtworz")->isVisible());
    auto* firmy = Element<QComboBox>(okno, "cmbKopie");
    ASSERT_EQ(firmy->count(), 3);
    EXPECT_EQ(firmy->itemText(0), "Lodz");
    EXPECT_EQ(firmy->itemText(1), "Łódź");
    EXPECT_EQ(firmy->itemText(2), "Mazury");
    EXPECT_EQ(firmy->currentIndex(), 0);

    auto* kopie = Element<QComboBox>(okno, "cmbDataKopii");
    auto* akceptacja = Element<QCheckBox>(okno, "cbAccept");
    akceptacja->click();
    ASSERT_TRUE(akceptacja->isChecked());
    firmy->setCurrentIndex(2);
    emit firmy->activated(2);
    ASSERT_EQ(kopie->count(), 2);
    EXPECT_EQ(kopie->currentIndex(), 1);
    EXPECT_EQ(kopie->currentText(), "3.11.2008 14:30:00  zip");
    EXPECT_EQ(Element<QLabel>(okno, "labDataCzas")->text(), "3.11.2008 14:30:00");
    EXPECT_EQ(Element<QLabel>(okno, "L_DaneProg")->text(), "Morvanta PRO 2.1");
    EXPECT_FALSE(akceptacja->isChecked());

    akceptacja->click();
    kopie->setCurrentIndex(0);
    emit kopie->activated(0);
    EXPECT_EQ(Element<QLabel>(okno, "labDataCzas")->text(), "10.10.2008 09:05:00");
    EXPECT_FALSE(akceptacja->isChecked());

    Przycisk(okno, QString::fromUtf8("Wróć"))->click();
    EXPECT_EQ(okno.height(), 210);
}

TEST_F(GlownaQtKatalog, F6OtwieraWybórKatalogu) {
    TWyborKataloguSkryptu wybor(FSkrypt);
    TfGlowna okno;
    okno.show();
    WybierzZrodlo(okno, 2);
    auto* zrodlo = Element<QLineEdit>(okno, "edPathInnaLok");
    FSkrypt.Oczekuj("Katalog", "Podaj katalog: Podaj katalog w którym jest kopia []", "/media/usb");
    Klawisz(zrodlo, Qt::Key_F6);
    EXPECT_EQ(zrodlo->text(), "/media/usb");

    auto* cel = Element<QLineEdit>(okno, "edPathRozpakuj");
    FSkrypt.Oczekuj("Katalog", "Podaj katalog: Podaj katalog do którego odtworzyć dane []", "/dane");
    Klawisz(cel, Qt::Key_F6);
    EXPECT_EQ(cel->text(), "/dane");
}

TEST_F(GlownaQtKatalog, PustaŚcieżkaDostajeFokus) {
    TfGlowna okno;
    okno.show();
    QApplication::setActiveWindow(&okno);
    WybierzZrodlo(okno, 2);
    Przycisk(okno, "Start")->setFocus();
    FSkrypt.Info("Podaj katalog źródłowy.");
    Przycisk(okno, "Start")->click();
    EXPECT_EQ(QApplication::focusWidget(), Element<QLineEdit>(okno, "edPathInnaLok"));
    EXPECT_EQ(okno.height(), 210);
}

}  // namespace
}  // namespace ramvel
