// The Qt database error window: what is visible, the details toggle and its
// menu item, the closing button, and one window for the whole run.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include "ui/okno_bledu_bazy.h"
#include "ui/qt/front_qt.h"
#include "ui/qt/ib_error_wnd.h"

namespace ramvel {
namespace {

class OknoBleduBazyQt : public testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char nazwa[] = "test";
        static char* argv[] = {nazwa, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }
};

TEST_F(OknoBleduBazyQt, WygladIPrzelaczanieSzczegolow) {
    TfIbErrorWnd okno;
    okno.Wypelnij("Nie można usunąć banku.", {"Kod wyjątku : 335544466", "Kod SQL : -530"});
    okno.show();
    EXPECT_EQ(okno.windowTitle(), QString::fromUtf8("Informacja z bazy danych"));
    EXPECT_EQ(okno.size(), QSize(419, 157));
    EXPECT_EQ(okno.Notebook1->currentIndex(), 0);
    EXPECT_TRUE(okno.L_except->isVisible());
    EXPECT_TRUE(okno.L_except->wordWrap());
    EXPECT_EQ(okno.L_except->text(), QString::fromUtf8("Nie można usunąć banku."));
    EXPECT_FALSE(okno.BBNie->isVisible());
    EXPECT_TRUE(okno.BBok->isDefault());
    EXPECT_TRUE(okno.BBpomoc->isVisible());
    EXPECT_EQ(okno.SB_details->text(), QString::fromUtf8("&Szczegóły"));
    EXPECT_TRUE(okno.M_details->isReadOnly());
    EXPECT_EQ(okno.M_details->toPlainText(), QString("Kod wyjątku : 335544466\nKod SQL : -530"));

    okno.SB_details->click();
    EXPECT_EQ(okno.Notebook1->currentIndex(), 1);
    EXPECT_TRUE(okno.M_details->isVisible());
    EXPECT_TRUE(okno.Szczegy1->isChecked());
    // The menu item flips the button, which shows the page.
    okno.Szczegy1->trigger();
    EXPECT_FALSE(okno.SB_details->isChecked());
    EXPECT_EQ(okno.Notebook1->currentIndex(), 0);
    EXPECT_FALSE(okno.Szczegy1->isChecked());
    EXPECT_EQ(okno.Szczegy1->shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));

    // Refilling puts the toggle up and the sentence in front.
    okno.SB_details->click();
    okno.Wypelnij("Drugi.", {});
    EXPECT_FALSE(okno.SB_details->isChecked());
    EXPECT_EQ(okno.Notebook1->currentIndex(), 0);
}

TEST_F(OknoBleduBazyQt, OkZamykaIOknoJestJednoNaCalyProgram) {
    InstalujFrontQt();
    TfIbErrorWnd* pierwsze = nullptr;
    bool widoczne = false;
    QTimer::singleShot(0, [&] {
        pierwsze = qobject_cast<TfIbErrorWnd*>(QApplication::activeModalWidget());
        ASSERT_NE(pierwsze, nullptr);
        widoczne = pierwsze->isVisible();
        EXPECT_EQ(pierwsze->L_except->text(), QString("Pierwszy\nwiersz"));
        EXPECT_EQ(pierwsze->M_details->toPlainText(), QString("a\nb"));
        pierwsze->BBok->click();
    });
    OknoBleduBazy().Pokaz("Pierwszy\rwiersz", {"a", "b"});
    EXPECT_TRUE(widoczne);
    ASSERT_NE(pierwsze, nullptr);
    EXPECT_FALSE(pierwsze->isVisible());

    TfIbErrorWnd* drugie = nullptr;
    QTimer::singleShot(0, [&] {
        drugie = qobject_cast<TfIbErrorWnd*>(QApplication::activeModalWidget());
        if (drugie)
            drugie->BBok->click();
    });
    OknoBleduBazy().Pokaz("Drugi", {});
    EXPECT_EQ(drugie, pierwsze);
    UstawOknoBleduBazy(nullptr);
}

}  // namespace
}  // namespace ramvel
