// The engine's Qt windows offscreen: what they show, their sizes, Anuluj, and
// the error list's closing rule.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "ui/okna_paka.h"
#include "ui/qt/front_qt.h"
#include "ui/qt/okna_paka_qt.h"

namespace ramvel {
namespace {

QApplication& Aplikacja() {
    static int argc = 1;
    static char nazwa[] = "test";
    static char* argv[] = {nazwa, nullptr};
    static QApplication* aplikacja = new QApplication(argc, argv);
    return *aplikacja;
}

template <typename T>
T* Okno(const char* nazwa) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == nazwa && w->isVisible())
            return qobject_cast<T*>(w);
    return nullptr;
}

QString Tekst(QWidget* okno, const char* kontrolka) { return okno->findChild<QLabel*>(kontrolka)->text(); }

TEST(OknaPakaQt, OknoPostepuPokazujeStanSilnikaIPrzyjmujeAnuluj) {
    Aplikacja();
    InstalujFrontQt();
    IOknaPaka* poprzednie = UstawOknaPaka(&OknaPakaQt());
    {
        auto postep = OknaPaka().OtworzPostep();
        auto* okno = Okno<TfwinPak>("fwinPak");
        ASSERT_NE(okno, nullptr);
        EXPECT_EQ(okno->size(), QSize(413, 139));
        EXPECT_FALSE(okno->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(okno->windowFlags() & Qt::WindowSystemMenuHint);
        EXPECT_EQ(Tekst(okno, "Label1"), "Plik:");
        EXPECT_EQ(Tekst(okno, "L_fileName"), "---");
        EXPECT_EQ(Tekst(okno, "Label3"), "Czas od począkku:");
        EXPECT_EQ(Tekst(okno, "L_proc"), "00 %");
        EXPECT_EQ(okno->findChild<QPushButton*>("Button1")->text(), "Anuluj");

        postep->UstawTytul("Odtwarzanie z archiwum: KOPIA.s01");
        postep->UstawNazwePliku("pomijanie : FIRMA.GBK");
        postep->UstawPasekCalosci(40, 80);
        postep->UstawPasekPliku(0, 0);
        postep->UstawProcent("50 %");
        postep->UstawCzasDoKonca("00:01:05");
        EXPECT_EQ(okno->windowTitle(), "Odtwarzanie z archiwum: KOPIA.s01");
        EXPECT_EQ(Tekst(okno, "L_fileName"), "pomijanie : FIRMA.GBK");
        EXPECT_EQ(okno->findChild<QProgressBar*>("PB_all")->value(), 40);
        EXPECT_EQ(okno->findChild<QProgressBar*>("PB_all")->maximum(), 80);
        EXPECT_GT(okno->findChild<QProgressBar*>("PB_file")->maximum(), 0);  // never the busy indicator
        EXPECT_EQ(Tekst(okno, "L_proc"), "50 %");
        EXPECT_EQ(Tekst(okno, "L_estimated"), "00:01:05");

        EXPECT_FALSE(postep->Anulowano());
        okno->close();  // no close box: closing is refused
        EXPECT_TRUE(okno->isVisible());
        okno->findChild<QPushButton*>("Button1")->click();
        EXPECT_TRUE(postep->Anulowano());
    }
    EXPECT_EQ(Okno<TfwinPak>("fwinPak"), nullptr);
    UstawOknaPaka(poprzednie);
}

TEST(OknaPakaQt, ListaBledowPokazujeWszystkieLinieDoZamknij) {
    Aplikacja();
    bool sprawdzono = false;
    QTimer::singleShot(0, [&] {
        auto* okno = Okno<TfwinPakError>("fwinPakError");
        ASSERT_NE(okno, nullptr);
        EXPECT_EQ(okno->windowTitle(), "Błędy - Komunikaty");
        EXPECT_EQ(okno->size(), QSize(456, 306));
        auto* memo = okno->findChild<QPlainTextEdit*>("Memo1");
        EXPECT_TRUE(memo->isReadOnly());
        EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
        EXPECT_EQ(memo->toPlainText(), "000 - pierwszy\n001 - drugi, dłuższy wiersz");
        sprawdzono = true;
        okno->findChild<QPushButton*>("Button1")->click();
    });
    OknaPakaQt().PokazListeBledow({"000 - pierwszy", "001 - drugi, dłuższy wiersz"});
    EXPECT_TRUE(sprawdzono);
}

}  // namespace
}  // namespace ramvel
