#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <filesystem>
#include <functional>

#include "ui/qt/sel_dir.h"
#include "wspolne/testy.h"

namespace ramvel {
namespace {

QApplication& Aplikacja() {
    static int argc = 1;
    static char nazwa[] = "testy";
    static char* argv[] = {nazwa, nullptr};
    // Never destroyed: Qt's own statics may be gone by the time it would be.
    static QApplication* aplikacja = new QApplication(argc, argv);
    return *aplikacja;
}

// Runs the picker; `uzytkownik` acts in the open window as the user would.
std::string Wybierz(const std::vector<TNaped>& napedy, const std::string& start,
                    const std::function<void(TSelDir&)>& uzytkownik, bool sprawdzaj = false) {
    Aplikacja();
    QTimer::singleShot(0, [&] {
        auto* okno = qobject_cast<TSelDir*>(QApplication::activeModalWidget());
        if (!okno) {
            ADD_FAILURE() << "okno wyboru katalogu nie jest otwarte";
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QDialog*>(w))
                    d->reject();
            return;
        }
        uzytkownik(*okno);
        // A window the user left open is closed with OK, so that a way of
        // cancelling that does not work shows in the result.
        if (okno->isVisible())
            QTimer::singleShot(0, okno, &QDialog::accept);
    });
    TWyborKataloguQt wybor([&] { return napedy; });
    return wybor.Wybierz(start, sprawdzaj, "Podaj katalog w którym jest kopia", "Podaj katalog");
}

void Klawisz(QWidget* cel, int klawisz) {
    QKeyEvent nacisniecie(QEvent::KeyPress, klawisz, Qt::NoModifier);
    QApplication::sendEvent(cel, &nacisniecie);
}

// A drive whose directory is the temporary directory, with a small tree.
class SelDir : public testing::Test {
protected:
    SelDir() {
        for (const char* k : {"kopie/2008_10", "kopie/2008_11", "dane", ".ukryty/w"})
            std::filesystem::create_directories(FKatalog / k);
        FNapedy = {{'A', FKatalog / "stacja", "", ""}, {0, FKatalog.Sciezka(), "ext4", "DANE"}};
    }
    testy::TKatalogTymczasowy FKatalog;
    std::vector<TNaped> FNapedy;
};

TEST_F(SelDir, OknoJakGoPodajeWołający) {
    const std::string start = FKatalog / "kopie";
    Wybierz(FNapedy, start, [&](TSelDir& okno) {
        EXPECT_EQ(okno.windowTitle(), "Podaj katalog");
        EXPECT_EQ(okno.FolderLabel->text(), "Podaj katalog w którym jest kopia");
        EXPECT_EQ(okno.size(), QSize(392, 276));
        EXPECT_FALSE(okno.DirName->isEnabled());
        EXPECT_EQ(okno.DirName->text().toStdString(), start);
        EXPECT_EQ(okno.NapedCombo->currentIndex(), 1);
        EXPECT_EQ(okno.NapedCombo->itemText(1).toStdString(), FKatalog.Sciezka() + " [DANE]");
        ASSERT_NE(okno.DirListBox->currentItem(), nullptr);
        EXPECT_EQ(okno.DirListBox->currentItem()->text(0), "kopie");
        EXPECT_TRUE(okno.ButtonOK->isDefault());
    });
}

TEST_F(SelDir, AnulujEscapeIZamknięcieZwracająStart) {
    const std::string start = FKatalog / "kopie";
    const std::function<void(TSelDir&)> sposoby[] = {
        [](TSelDir& okno) { okno.AnulujButton->click(); },
        [](TSelDir& okno) { Klawisz(&okno, Qt::Key_Escape); },
        [](TSelDir& okno) { okno.close(); },
    };
    for (const auto& zamknij : sposoby) {
        const std::string wynik = Wybierz(FNapedy, start, [&](TSelDir& okno) {
            // Move elsewhere first: cancelling forgets it.
            okno.DirListBox->setCurrentItem(okno.DirListBox->topLevelItem(0));
            EXPECT_EQ(okno.DirName->text().toStdString(), FKatalog.Sciezka());
            zamknij(okno);
        });
        EXPECT_EQ(wynik, start);
    }
}

TEST_F(SelDir, OKZwracaNazwęZPolaNazwy) {
    const std::string start = FKatalog / "kopie";
    EXPECT_EQ(Wybierz(FNapedy, start, [](TSelDir& okno) { okno.ButtonOK->click(); }), start);
    // The start as typed by hand ends up in its plain form.
    EXPECT_EQ(Wybierz(FNapedy, start + "/../kopie/", [](TSelDir& okno) { okno.ButtonOK->click(); }), start);

    const std::string wynik = Wybierz(FNapedy, start, [](TSelDir& okno) {
        QTreeWidgetItem* kopie = okno.DirListBox->currentItem();
        okno.DirListBox->expandItem(kopie);
        ASSERT_EQ(kopie->childCount(), 2);
        okno.DirListBox->setCurrentItem(kopie->child(1));
        Klawisz(okno.DirListBox, Qt::Key_Return);
    });
    EXPECT_EQ(wynik, FKatalog / "kopie/2008_11");
}

TEST_F(SelDir, DrzewoBezUkrytychKatalogów) {
    Wybierz(FNapedy, "", [](TSelDir& okno) {
        QTreeWidgetItem* korzen = okno.DirListBox->topLevelItem(0);
        ASSERT_NE(korzen, nullptr);
        QStringList nazwy;
        for (int i = 0; i < korzen->childCount(); ++i)
            nazwy << korzen->child(i)->text(0);
        EXPECT_EQ(nazwy, QStringList({"dane", "kopie"}));
        EXPECT_EQ(okno.DirName->text(), "");
    });
}

TEST_F(SelDir, NieistniejącyStartZostajeWPoluNazwy) {
    const std::string start = FKatalog / "nie-ma";
    EXPECT_EQ(Wybierz(FNapedy, start, [&](TSelDir& okno) {
                  EXPECT_EQ(okno.NapedCombo->currentIndex(), 1);
                  EXPECT_TRUE(okno.DirListBox->selectedItems().isEmpty());
                  // The tree taking the focus does not change the name.
                  okno.DirListBox->setFocus();
                  QApplication::processEvents();
                  okno.ButtonOK->click();
              }),
              start);
}

TEST_F(SelDir, BezGotowegoNapęduOtwieraSięBezWyboru) {
    const std::vector<TNaped> nieGotowe = {{'A', FKatalog / "stacja", "", ""},
                                           {0, FKatalog / "odlaczony", "ext4", ""},
                                           {0, FKatalog.Sciezka(), "tmpfs", ""}};
    bool otwarte = false;
    Wybierz(nieGotowe, "", [&](TSelDir& okno) {
        otwarte = true;
        EXPECT_EQ(okno.NapedCombo->currentIndex(), -1);
        EXPECT_EQ(okno.DirListBox->topLevelItemCount(), 0);
    });
    EXPECT_TRUE(otwarte);
}

TEST_F(SelDir, WybórNapęduPokazujeJegoKatalog) {
    const std::string wynik = Wybierz(FNapedy, "", [&](TSelDir& okno) {
        // The first diskette drive names its directory even with no medium in it.
        okno.NapedCombo->setCurrentIndex(0);
        emit okno.NapedCombo->activated(0);
        EXPECT_EQ(okno.DirName->text().toStdString(), FKatalog / "stacja");
        EXPECT_EQ(okno.DirListBox->topLevelItemCount(), 0);
        okno.NapedCombo->setCurrentIndex(1);
        emit okno.NapedCombo->activated(1);
        EXPECT_EQ(okno.DirName->text().toStdString(), FKatalog.Sciezka());
        okno.ButtonOK->click();
    });
    EXPECT_EQ(wynik, FKatalog.Sciezka());
}

TEST_F(SelDir, UkrytyKatalogStartuPokazanyWDrzewie) {
    const std::string start = FKatalog / ".ukryty/w";
    EXPECT_EQ(Wybierz(FNapedy, start, [](TSelDir& okno) {
                  ASSERT_NE(okno.DirListBox->currentItem(), nullptr);
                  EXPECT_EQ(okno.DirListBox->currentItem()->text(0), "w");
                  okno.ButtonOK->click();
              }),
              start);
}

TEST_F(SelDir, ZeSprawdzaniemNazwęMożnaWpisaćAleTylkoIstniejącą) {
    const std::string wynik = Wybierz(
        FNapedy, "",
        [&](TSelDir& okno) {
            EXPECT_TRUE(okno.DirName->isEnabled());
            okno.DirName->setText(QString::fromStdString(FKatalog / "nie-ma"));
            okno.ButtonOK->click();
            EXPECT_TRUE(okno.isVisible());
            okno.DirName->setText(QString::fromStdString(FKatalog / "dane"));
            okno.ButtonOK->click();
            EXPECT_FALSE(okno.isVisible());
        },
        true);
    EXPECT_EQ(wynik, FKatalog / "dane");
}

}  // namespace
}  // namespace ramvel
