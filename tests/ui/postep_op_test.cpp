#include "ui/qt/postep_op.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QCloseEvent>
#include <QSpontaneKeyEvent>
#include <QTest>

#include "aplikacja_qt.h"
#include "ui/qt/animacja.h"
#include "ui/qt/front_qt.h"
#include "ui/qt/okno_pytanie.h"
#include "ui/skrypt/skrypt.h"

namespace ramvel {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class PostepOp : public testing::Test {
protected:
    void SetUp() override { testy::AplikacjaQt(); }
};

struct TPrzypadekUkladu {
    const char* Opis;
    bool Przerywalny;
    int64_t Maks;
    int64_t MaksDodatkowy;
    bool Animacja;
    int Wysokosc;
    bool Pasek;
    int SzerokoscPaska;
    bool AnimacjaWidoczna;
};

TEST_F(PostepOp, UkladZalezyOdFlagIMaksimow) {
    const TPrzypadekUkladu przypadki[] = {
        {"bez paska", false, 0, 0, false, 77, false, 331, true},
        {"z paskiem", false, 500, 0, false, 98, true, 331, false},
        {"z paskiem i animacją", false, 500, 0, true, 98, true, 331, true},
        {"dwa paski", false, 500, 20, false, 98, true, 164, false},
        {"przerywalne bez paska", true, 0, 0, false, 130, false, 331, true},
        {"przerywalne, dwa paski", true, 500, 20, false, 130, true, 164, false},
        {"ujemne maksimum to brak paska", false, -5, 0, false, 77, false, 331, true},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        TfPostepOp okno("Tekst", p.Maks, p.MaksDodatkowy, p.Przerywalny, p.Animacja, "");
        EXPECT_EQ(okno.Wysokosc(), p.Wysokosc);
        EXPECT_EQ(okno.width(), 351);
        EXPECT_EQ(!okno.PB_main1->isHidden(), p.Pasek);
        EXPECT_EQ(!okno.Bevel2->isHidden(), p.Pasek);
        EXPECT_EQ(okno.PB_main1->width(), p.SzerokoscPaska);
        EXPECT_EQ(!okno.PB_main2->isHidden(), p.MaksDodatkowy > 0);
        EXPECT_EQ(!okno.Animate1->isHidden(), p.AnimacjaWidoczna);
        EXPECT_EQ(okno.Animate1->Dziala(), p.AnimacjaWidoczna);
        EXPECT_EQ(okno.Image1->isHidden(), p.AnimacjaWidoczna);
        EXPECT_EQ(!okno.BB_Przerwij->isHidden(), p.Przerywalny);
        // Whatever is shown fits inside the client the height leaves.
        for (QWidget* kontrolka : okno.Panel->findChildren<QWidget*>()) {
            if (!kontrolka->isHidden()) {
                EXPECT_TRUE(okno.rect().contains(kontrolka->geometry()))
                    << kontrolka->metaObject()->className() << " poza oknem";
            }
        }
    }
}

TEST_F(PostepOp, PustyWpisChowaPasekANastepnyGoPokazuje) {
    TfPostepOp okno("", 0, 0, false, false, "");
    okno.UstawMaks(1000);
    EXPECT_EQ(okno.Wysokosc(), 98);
    okno.UstawPozycje(0);
    okno.UstawMaks(0);
    EXPECT_EQ(okno.Wysokosc(), 77);
    EXPECT_TRUE(okno.Animate1->Dziala());
    okno.UstawMaks(70);
    EXPECT_EQ(okno.Wysokosc(), 98);
    EXPECT_FALSE(okno.PB_main1->isHidden());
    EXPECT_FALSE(okno.Animate1->Dziala());
    EXPECT_FALSE(okno.Image1->isHidden());
}

TEST_F(PostepOp, DrugiPasekZweza_PierwszyITrzymaJegoMiejsce) {
    TfPostepOp okno("", 100, 0, false, false, "");
    okno.UstawMaksDodatkowy(10);
    EXPECT_EQ(okno.PB_main1->geometry(), QRect(10, 50, 164, 12));
    EXPECT_EQ(okno.PB_main2->geometry(), QRect(176, 50, 164, 12));
    EXPECT_FALSE(okno.PB_main1->geometry().intersects(okno.PB_main2->geometry()));
    okno.UstawMaksDodatkowy(0);
    EXPECT_EQ(okno.PB_main1->geometry(), QRect(10, 50, 331, 12));
    EXPECT_TRUE(okno.PB_main2->isHidden());
}

TEST_F(PostepOp, TytulTekstIPozycje) {
    TfPostepOp domyslny("", 0, 0, false, false, "");
    EXPECT_EQ(domyslny.windowTitle(), QStringLiteral("Operacja w toku"));
    EXPECT_EQ(domyslny.L_Opis->text(), QString());

    TfPostepOp okno("Dearchiwizacja bazy firmy: FIRMA", 1000, 0, false, false, "Kopia");
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Kopia"));
    EXPECT_EQ(okno.L_Opis->text(), QStringLiteral("Dearchiwizacja bazy firmy: FIRMA"));
    okno.UstawPozycje(250);
    EXPECT_EQ(okno.PB_main1->value(), 250);
    // The last block may carry the counter past the size: the bar is full, not reset.
    okno.UstawPozycje(1200);
    EXPECT_EQ(okno.PB_main1->value(), 1000);
}

TEST_F(PostepOp, RozmiarPonadZakresIntTrzymaProporcje) {
    TfPostepOp okno("", 0, 0, false, false, "");
    const int64_t rozmiar = 5'000'000'000;
    okno.UstawMaks(rozmiar);
    okno.UstawPozycje(rozmiar / 2);
    const double czesc = double(okno.PB_main1->value()) / okno.PB_main1->maximum();
    EXPECT_NEAR(czesc, 0.5, 0.001);
    okno.UstawPozycje(rozmiar);
    EXPECT_EQ(okno.PB_main1->value(), okno.PB_main1->maximum());
}

// Counts paints of one widget.
class TLicznikMalowania : public QObject {
public:
    int Malowan = 0;
    bool eventFilter(QObject*, QEvent* zdarzenie) override {
        if (zdarzenie->type() == QEvent::Paint)
            ++Malowan;
        return false;
    }
};

TEST_F(PostepOp, TekstMalowanyOdRazuBezPetliZdarzen) {
    // With a bar, so that no animation frame paints the window along with the label.
    TfPostepOp okno("Początek", 100, 0, false, false, "");
    okno.Pokaz();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
    QCoreApplication::processEvents();
    TLicznikMalowania licznik;
    okno.L_Opis->installEventFilter(&licznik);
    okno.UstawTekst("Linia serwera");
    // No event processing in between: the operation keeps the loop waiting.
    EXPECT_GE(licznik.Malowan, 1);
    okno.L_Opis->removeEventFilter(&licznik);

    okno.UstawMaks(0);
    const int klatka = okno.Animate1->Klatka();
    okno.UstawTekst("Następna linia");
    EXPECT_NE(okno.Animate1->Klatka(), klatka) << "animacja stoi, gdy pętla zdarzeń czeka";
}

enum class TSposob { Przycisk, Escape, ZamkniecieOkna };

struct TPrzypadekPrzerwania {
    const char* Opis;
    bool Przerywalny;
    TSposob Sposob;
    const char* Odpowiedz;
    bool Przerwano;
};

TEST_F(PostepOp, PrzerwanieZPytaniem) {
    const TPrzypadekPrzerwania przypadki[] = {
        {"Przerwij, Nie", true, TSposob::Przycisk, "&Nie", false},
        {"Przerwij, Tak", true, TSposob::Przycisk, "&Tak", true},
        {"Escape, Nie", true, TSposob::Escape, "&Nie", false},
        {"Escape, Tak", true, TSposob::Escape, "&Tak", true},
        {"Escape bez przycisku, Tak", false, TSposob::Escape, "&Tak", true},
        {"zamknięcie przez menedżera okien, Nie", false, TSposob::ZamkniecieOkna, "&Nie", false},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Opis);
        TSkrypt skrypt;
        skrypt.Pytanie("Czy na pewno przerwać?", p.Odpowiedz);
        TfPostepOp okno("Dearchiwizacja bazy systemowej", 0, 0, p.Przerywalny, false, "");
        okno.Pokaz();
        switch (p.Sposob) {
            case TSposob::Przycisk: okno.BB_Przerwij->click(); break;
            case TSposob::Escape: QTest::keyClick(&okno, Qt::Key_Escape); break;
            case TSposob::ZamkniecieOkna: {
                // What a window manager's close request turns into.
                QCloseEvent zamkniecie;
                QSpontaneKeyEvent::setSpontaneous(&zamkniecie);
                QApplication::instance()->notify(&okno, &zamkniecie);
                break;
            }
        }
        EXPECT_EQ(okno.Przerwano(), p.Przerwano);
        EXPECT_EQ(okno.isVisible(), !p.Przerwano);
        // The operation goes on: the window still takes its texts.
        okno.UstawTekst("dalej");
        EXPECT_EQ(okno.L_Opis->text(), QStringLiteral("dalej"));
        EXPECT_THAT(skrypt.Bledy(), IsEmpty());
    }
}

TEST_F(PostepOp, PoPrzerwaniuEscapeNiePytaJuz) {
    TSkrypt skrypt;
    skrypt.Pytanie("Czy na pewno przerwać?", "&Tak");
    TfPostepOp okno("", 0, 0, false, false, "");
    okno.Pokaz();
    QTest::keyClick(&okno, Qt::Key_Escape);
    ASSERT_TRUE(okno.Przerwano());
    okno.Pokaz();  // a shared window shown again for the next operation
    QTest::keyClick(&okno, Qt::Key_Escape);
    EXPECT_TRUE(okno.isVisible());
    EXPECT_THAT(skrypt.Bledy(), IsEmpty());
    EXPECT_THAT(skrypt.Przebieg(), ElementsAre("Pytanie: Czy na pewno przerwać? -> &Tak"));
}

TEST_F(PostepOp, FrontQtTworzyTeOkna) {
    IPostepy* poprzednie = UstawPostepy(nullptr);
    IPytanie* poprzedniePytania = UstawPytania(nullptr);
    InstalujFrontQt();
    EXPECT_EQ(&Pytania(), &PytaniaQt());
    auto postep = UtworzPostep("Tekst", 10, 0, true, false, "");
    auto* okno = dynamic_cast<TfPostepOp*>(postep.get());
    ASSERT_NE(okno, nullptr);
    EXPECT_EQ(okno->Wysokosc(), 130);
    EXPECT_EQ(okno->L_Opis->text(), QStringLiteral("Tekst"));
    postep.reset();
    UstawPostepy(poprzednie);
    UstawPytania(poprzedniePytania);
}

}  // namespace
}  // namespace ramvel
