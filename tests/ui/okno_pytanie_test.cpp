#include "ui/qt/okno_pytanie.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTimer>
#include <functional>

#include "aplikacja_qt.h"

namespace ramvel {
namespace {

const char* const PYTANIE_O_DANE_SYSTEMOWE =
    "Znaleziono dane systemowe.^Odtworzenie danych systemowych spwoduje, że wszystkie aktualne wspólne dane, "
    "takie jak spis firm, użytkowników, itp. zostaną zastąpione danymi sprzed wykonania kopii.^Czy na pewno "
    "odtworzyć dane systemowe?";

class OknoPytanie : public testing::Test {
protected:
    void SetUp() override { testy::AplikacjaQt(); }

    // Asks on `okno`; `uzytkownik` acts once the dialog is up and active. A
    // dialog still open after five seconds fails the test instead of hanging it.
    bool Zapytaj(TfrmPytanie& okno, std::function<void()> uzytkownik, const std::string& tresc = "Pytanie?") {
        QTimer::singleShot(0, &okno, [&okno, uzytkownik] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&okno));
            uzytkownik();
        });
        QTimer straznik;
        straznik.setSingleShot(true);
        QObject::connect(&straznik, &QTimer::timeout, &okno, [&okno] {
            ADD_FAILURE() << "okno pytania nie zostało zamknięte";
            okno.reject();
        });
        straznik.start(5000);
        return okno.ZadajPytanie("Odtwarzanie danych systemowych", tresc);
    }
};

TEST_F(OknoPytanie, TakWymagaWpisanegoTAK) {
    TfrmPytanie okno;
    bool otwartePoPustym = false;
    QString wpisane;
    const bool wynik = Zapytaj(okno, [&] {
        okno.btnTak->click();
        otwartePoPustym = okno.isVisible();
        QTest::keyClicks(okno.edPotwierdz, "ta");
        okno.btnTak->click();
        otwartePoPustym = otwartePoPustym && okno.isVisible();
        QTest::keyClicks(okno.edPotwierdz, "k");
        wpisane = okno.edPotwierdz->text();
        okno.btnTak->click();
    });
    EXPECT_TRUE(otwartePoPustym) << "\"&Tak\" zamknęło okno bez wpisanego TAK";
    EXPECT_EQ(wpisane, QStringLiteral("TAK"));
    EXPECT_TRUE(wynik);
}

TEST_F(OknoPytanie, PoleMaTrzyZnakiWielkimiLiterami) {
    TfrmPytanie okno;
    QString wpisane;
    Zapytaj(okno, [&] {
        QTest::keyClicks(okno.edPotwierdz, "takk");
        wpisane = okno.edPotwierdz->text();
        okno.btnNie->click();
    });
    EXPECT_EQ(wpisane, QStringLiteral("TAK"));

    Zapytaj(okno, [&] {
        okno.edPotwierdz->clear();
        // QTest types ASCII only: Polish letters come as the keyboard sends them.
        for (const QString& litera : {QStringLiteral("ż"), QStringLiteral("ą")}) {
            QKeyEvent klawisz(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, litera);
            QApplication::sendEvent(okno.edPotwierdz, &klawisz);
        }
        wpisane = okno.edPotwierdz->text();
        okno.btnNie->click();
    });
    EXPECT_EQ(wpisane, QStringLiteral("ŻĄ"));
}

TEST_F(OknoPytanie, KazdeInneZamkniecieToNie) {
    struct TPrzypadek {
        const char* Opis;
        std::function<void(TfrmPytanie&)> Zamknij;
    };
    const TPrzypadek przypadki[] = {
        {"TAK i &Nie", [](TfrmPytanie& o) { o.btnNie->click(); }},
        {"TAK i Escape", [](TfrmPytanie& o) { QTest::keyClick(&o, Qt::Key_Escape); }},
        {"TAK i zamknięcie okna", [](TfrmPytanie& o) { o.close(); }},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        TfrmPytanie okno;
        const bool wynik = Zapytaj(okno, [&] {
            QTest::keyClicks(okno.edPotwierdz, "TAK");
            p.Zamknij(okno);
        });
        EXPECT_FALSE(wynik);
    }
}

TEST_F(OknoPytanie, EnterWybieraTakTylkoGdyPoleMaTAK) {
    TfrmPytanie okno;
    bool otwartePoPierwszymEnter = false;
    const bool wynik = Zapytaj(okno, [&] {
        okno.edPotwierdz->setFocus();
        QTest::keyClicks(okno.edPotwierdz, "TA");
        QTest::keyClick(okno.edPotwierdz, Qt::Key_Return);
        otwartePoPierwszymEnter = okno.isVisible();
        QTest::keyClicks(okno.edPotwierdz, "K");
        QTest::keyClick(okno.edPotwierdz, Qt::Key_Return);
    });
    EXPECT_TRUE(otwartePoPierwszymEnter);
    EXPECT_TRUE(wynik);
}

TEST_F(OknoPytanie, FokusNaNieIEnterNaNimOdmawia) {
    TfrmPytanie okno;
    QWidget* fokus = nullptr;
    const bool wynik = Zapytaj(okno, [&] {
        fokus = QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(fokus, okno.btnNie);
    EXPECT_FALSE(wynik);
}

TEST_F(OknoPytanie, TekstTytulIPustePoleNaStart) {
    TfrmPytanie okno;
    QString tekst, tytul, poleNaStart;
    Zapytaj(
        okno,
        [&] {
            tekst = okno.labPytanie->text();
            tytul = okno.windowTitle();
            poleNaStart = okno.edPotwierdz->text();
            QTest::keyClicks(okno.edPotwierdz, "TAK");
            okno.btnTak->click();
        },
        PYTANIE_O_DANE_SYSTEMOWE);
    EXPECT_EQ(tekst.count('\n'), 2);
    EXPECT_TRUE(tekst.startsWith(QStringLiteral("Znaleziono dane systemowe.\nOdtworzenie")));
    EXPECT_FALSE(tekst.contains('^'));
    EXPECT_EQ(tytul, QStringLiteral("Odtwarzanie danych systemowych"));
    EXPECT_EQ(poleNaStart, QString());

    // The same dialog asked again starts from an empty box.
    bool otwarte = false;
    Zapytaj(okno, [&] {
        poleNaStart = okno.edPotwierdz->text();
        okno.btnTak->click();
        otwarte = okno.isVisible();
        okno.btnNie->click();
    });
    EXPECT_EQ(poleNaStart, QString());
    EXPECT_TRUE(otwarte);
}

TEST_F(OknoPytanie, TekstyMieszcząSięWOknie) {
    TfrmPytanie okno;
    EXPECT_EQ(okno.size(), QSize(492, 180));
    const QRect pole = okno.edPotwierdz->geometry();
    EXPECT_LE(okno.labPotwierdz->geometry().right(), pole.left() - 1) << "instrukcja wchodzi pod pole";
    EXPECT_GE(okno.labPotwierdz->x(), 0);
    // Three capitals fit the box without scrolling: the style's frame and the
    // line edit's own margin of 2 pixels on each side come off its width.
    QStyleOptionFrame opcja;
    opcja.initFrom(okno.edPotwierdz);
    opcja.lineWidth = okno.edPotwierdz->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opcja, okno.edPotwierdz);
    const int naTekst =
        okno.edPotwierdz->style()->subElementRect(QStyle::SE_LineEditContents, &opcja, okno.edPotwierdz).width() - 4;
    EXPECT_LE(okno.edPotwierdz->fontMetrics().horizontalAdvance(QStringLiteral("TAK")), naTekst);
    // The question of the restore, wrapped, stays within its label.
    okno.labPytanie->setText(QString::fromUtf8(PYTANIE_O_DANE_SYSTEMOWE).replace('^', '\n'));
    const int wysokoscTekstu = okno.labPytanie->heightForWidth(okno.labPytanie->width());
    EXPECT_GT(wysokoscTekstu, 0);
    EXPECT_LE(wysokoscTekstu, okno.labPytanie->height());
}

}  // namespace
}  // namespace ramvel
