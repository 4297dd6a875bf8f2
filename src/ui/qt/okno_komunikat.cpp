#include "ui/qt/okno_komunikat.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <cmath>

#include "platform/srodowisko.h"
#include "ui/znaczniki.h"

namespace ramvel {
namespace {

constexpr int kLewyTekstu = 55;
constexpr int kGoraTekstu = 10;
constexpr int kWysokoscPrzyciskow = 45;

int SzerokoscPrzycisku(TKomPrzycisk p) { return p == TKomPrzycisk::Anuluj ? 70 : 65; }

QStyle::StandardPixmap IkonaPrzycisku(TKomPrzycisk p) {
    switch (p) {
        case TKomPrzycisk::Tak: return QStyle::SP_DialogYesButton;
        case TKomPrzycisk::Nie:
        case TKomPrzycisk::Anuluj: return QStyle::SP_DialogCancelButton;
        case TKomPrzycisk::OK: return QStyle::SP_DialogOkButton;
    }
    return QStyle::SP_DialogOkButton;
}

QStyle::StandardPixmap IkonaRodzaju(TKomRodzaj r) {
    switch (r) {
        case TKomRodzaj::Pytanie: return QStyle::SP_MessageBoxQuestion;
        case TKomRodzaj::Blad: return QStyle::SP_MessageBoxCritical;
        case TKomRodzaj::Informacja: return QStyle::SP_MessageBoxInformation;
    }
    return QStyle::SP_MessageBoxInformation;
}

// Windows colours are 0x00BBGGRR; system colours map onto the palette.
QColor KolorQt(uint32_t kolor) {
    if (kolor == kKolorDomyslny)
        return QApplication::palette().color(QPalette::WindowText);
    if ((kolor & 0xFF000000u) == 0xFF000000u) {
        switch (kolor & 0xFF) {
            case 5: return QApplication::palette().color(QPalette::Base);
            case 13: return QApplication::palette().color(QPalette::Highlight);
            case 14: return QApplication::palette().color(QPalette::HighlightedText);
            case 15: return QApplication::palette().color(QPalette::Button);
            case 17: return QApplication::palette().color(QPalette::PlaceholderText);
            default: return QApplication::palette().color(QPalette::WindowText);
        }
    }
    return QColor(kolor & 0xFF, (kolor >> 8) & 0xFF, (kolor >> 16) & 0xFF);
}

QFont CzcionkaKomunikatu(const TTekstZeZnacznikami& tekst) {
    QFont czcionka = QApplication::font();
    // The Windows default face is not on Linux; the program's own font stands in.
    if (tekst.Czcionka != "MS Sans Serif")
        czcionka.setFamily(QString::fromStdString(tekst.Czcionka));
    if (tekst.Rozmiar > 0)
        czcionka.setPointSize(tekst.Rozmiar + 1);
    return czcionka;
}

int WagaLinii(const QString& linia) {
    int waga = linia.size();
    if (linia.contains("\t\t\t"))
        waga += 24;
    else if (linia.contains("\t\t"))
        waga += 16;
    else if (linia.contains('\t'))
        waga += 8;
    return waga;
}

int DodatekTabulatorow(const QString& linia) {
    if (linia.contains("\t\t\t"))
        return 120;
    if (linia.contains("\t\t"))
        return 80;
    if (linia.contains('\t'))
        return 40;
    return 0;
}

}  // namespace

void WypelnijTekstKomunikatu(QTextEdit* pole, const std::string& tresc) {
    const TTekstZeZnacznikami tekst = RozbierzZnaczniki(tresc);
    pole->setFont(CzcionkaKomunikatu(tekst));
    pole->document()->setDefaultFont(pole->font());
    pole->clear();
    QTextCursor kursor(pole->document());
    for (const auto& kawalek : tekst.Kawalki) {
        if (kawalek.NowyAkapit) {
            QTextBlockFormat akapit;
            akapit.setAlignment(kawalek.Wyrownanie == TWyrownanie::Prawo     ? Qt::AlignRight
                                : kawalek.Wyrownanie == TWyrownanie::Srodek ? Qt::AlignHCenter
                                                                             : Qt::AlignLeft);
            kursor.insertBlock(akapit);
        }
        QTextCharFormat format;
        format.setFontWeight(kawalek.Styl.Pogrubienie ? QFont::Bold : QFont::Normal);
        format.setFontItalic(kawalek.Styl.Kursywa);
        format.setFontUnderline(kawalek.Styl.Podkreslenie);
        format.setFontStrikeOut(kawalek.Styl.Przekreslenie);
        format.setForeground(KolorQt(kawalek.Styl.Kolor));
        kursor.insertText(QString::fromStdString(kawalek.Tekst), format);
    }
}

TOknoKomunikat::TOknoKomunikat(const std::string& tresc, const std::vector<TKomPrzycisk>& przyciski,
                               TKomPrzycisk domyslny, TKomRodzaj rodzaj, QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), FWynik(TKomPrzycisk::Tak) {
    setModal(true);
    setWindowTitle(QString::fromUtf8(TytulKomunikatu(rodzaj)));
    const QIcon ikona = style()->standardIcon(IkonaRodzaju(rodzaj));
    setWindowIcon(ikona);

    auto* obrazek = new QLabel(this);
    obrazek->setPixmap(ikona.pixmap(32, 32));
    obrazek->setGeometry(10, 10, 32, 32);

    FTekst = new QTextEdit(this);
    FTekst->setObjectName("tekst");
    FTekst->setReadOnly(true);
    FTekst->setFrameStyle(QFrame::NoFrame);
    FTekst->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FTekst->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FTekst->setLineWrapMode(QTextEdit::NoWrap);
    FTekst->setFocusPolicy(Qt::NoFocus);
    FTekst->viewport()->setCursor(Qt::ArrowCursor);
    FTekst->document()->setDocumentMargin(0);
    QPalette paleta = FTekst->palette();
    paleta.setColor(QPalette::Base, paleta.color(QPalette::Button));
    FTekst->setPalette(paleta);
    FTekst->installEventFilter(this);

    // Button row width: buttons plus 10 between each two.
    int szerokoscPrzyciskow = 0;
    bool domyslnyJest = false;
    for (const auto p : przyciski) {
        szerokoscPrzyciskow += SzerokoscPrzycisku(p);
        domyslnyJest = domyslnyJest || p == domyslny;
    }
    if (!przyciski.empty())
        szerokoscPrzyciskow += 10 * static_cast<int>(przyciski.size() - 1);
    FWynik = domyslnyJest ? domyslny : TKomPrzycisk::Tak;

    const int szerokoscTekstu = szerokoscPrzyciskow >= 300 ? szerokoscPrzyciskow : 300 - kLewyTekstu;
    FTekst->setGeometry(kLewyTekstu, kGoraTekstu, szerokoscTekstu, 100 - kGoraTekstu);

    WypelnijTekstKomunikatu(FTekst, tresc);
    const QScreen* ekran = QApplication::primaryScreen();
    const QRect obszar = ekran ? ekran->geometry() : QRect(0, 0, 1024, 768);
    DopasujTekst(static_cast<int>(przyciski.size()), obszar.width());

    const int szerokoscOkna = kLewyTekstu + FTekst->width() + 15;
    const int wysokoscWiersza = std::max(FTekst->height() + 10, 50);
    int wysokoscOkna = wysokoscWiersza + kWysokoscPrzyciskow;

    // Buttons centred in their row.
    const int lewyPrzyciskow = (szerokoscOkna - szerokoscPrzyciskow) / 2;
    int x = lewyPrzyciskow;
    for (const auto p : przyciski) {
        auto* przycisk = new QPushButton(style()->standardIcon(IkonaPrzycisku(p)),
                                         QString::fromUtf8(NapisPrzycisku(p)), this);
        przycisk->setAutoDefault(false);
        przycisk->setDefault(false);
        przycisk->setGeometry(x, wysokoscWiersza + 14, SzerokoscPrzycisku(p), 25);
        przycisk->setProperty("kod", static_cast<int>(p));
        connect(przycisk, &QPushButton::clicked, this, [this, p] { Nacisnieto(p); });
        x += SzerokoscPrzycisku(p) + 10;
        FPrzyciski.push_back(przycisk);
        if (p == domyslny) {
            FDomyslny = przycisk;
            przycisk->setFocus();
        }
    }

    // Information too tall for the screen scrolls instead.
    if (rodzaj == TKomRodzaj::Informacja && wysokoscOkna > obszar.height() - 100) {
        wysokoscOkna = obszar.height() - 100;
        const int wiersz = wysokoscOkna - 70;
        FTekst->setFixedHeight(wiersz - 10);
        FTekst->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        for (auto* przycisk : FPrzyciski)
            przycisk->move(przycisk->x(), wiersz + 14);
    }
    setFixedSize(szerokoscOkna, wysokoscOkna);
    SygnalDzwiekowy(static_cast<uint32_t>(rodzaj));
}

void TOknoKomunikat::DopasujTekst(int liczbaPrzyciskow, int szerokoscEkranu) {
    QTextDocument* dokument = FTekst->document();
    // The widest line: the first with the greatest weight.
    QTextBlock najszerszy;
    int najwiekszaWaga = -1;
    for (QTextBlock blok = dokument->begin(); blok.isValid(); blok = blok.next()) {
        const int waga = WagaLinii(blok.text());
        if (waga > najwiekszaWaga) {
            najwiekszaWaga = waga;
            najszerszy = blok;
        }
    }
    int zmierzona = 300;
    if (najszerszy.isValid()) {
        double suma = 0;
        for (auto it = najszerszy.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QFont czcionka = FTekst->font();
            const QTextCharFormat format = fragment.charFormat();
            czcionka.setBold(format.fontWeight() >= QFont::Bold);
            czcionka.setItalic(format.fontItalic());
            czcionka.setUnderline(format.fontUnderline());
            czcionka.setStrikeOut(format.fontStrikeOut());
            const QFontMetricsF miara(czcionka);
            for (const QChar znak : fragment.text())
                suma += miara.horizontalAdvance(znak);
        }
        zmierzona = static_cast<int>(std::ceil(suma)) + DodatekTabulatorow(najszerszy.text()) + 20;
    }
    QFont pogrubiona = FTekst->font();
    pogrubiona.setBold(true);
    const int wysokoscLinii = QFontMetrics(pogrubiona).boundingRect("MYy").height();

    const double wspolczynnik = liczbaPrzyciskow >= 4 ? 0.14 : liczbaPrzyciskow == 3 ? 0.16 : liczbaPrzyciskow == 2 ? 0.18 : 0.20;
    const int margines = static_cast<int>(std::lround(szerokoscEkranu * wspolczynnik));
    const int limit = szerokoscEkranu - 2 * margines - kLewyTekstu - 10;
    int szerokosc = FTekst->width();
    if (zmierzona > szerokosc)
        szerokosc = zmierzona > limit ? limit : zmierzona + 5;

    FTekst->setLineWrapMode(QTextEdit::WidgetWidth);
    dokument->setTextWidth(szerokosc);
    int linie = 0;
    for (QTextBlock blok = dokument->begin(); blok.isValid(); blok = blok.next())
        linie += std::max(1, blok.layout() ? blok.layout()->lineCount() : 1);
    FTekst->setFixedSize(szerokosc, wysokoscLinii * (linie + 1));
}

void TOknoKomunikat::Nacisnieto(TKomPrzycisk przycisk) {
    FWynik = przycisk;
    FMoznaZamknac = true;
    accept();
}

void TOknoKomunikat::closeEvent(QCloseEvent* zdarzenie) {
    // Only a button closes the window; Alt+F4 and the window system are refused.
    if (FMoznaZamknac)
        zdarzenie->accept();
    else
        zdarzenie->ignore();
}

void TOknoKomunikat::keyPressEvent(QKeyEvent* zdarzenie) {
    switch (zdarzenie->key()) {
        case Qt::Key_Escape:
            return;  // there is no cancel button
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (auto* przycisk = qobject_cast<QPushButton*>(focusWidget())) {
                przycisk->click();
                return;
            }
            break;
        default: {
            // The underlined letter of a caption presses its button, with or without Alt.
            const QString litera = zdarzenie->text().toUpper();
            if (litera.size() == 1)
                for (auto* przycisk : FPrzyciski) {
                    const int amp = przycisk->text().indexOf('&');
                    if (amp >= 0 && amp + 1 < przycisk->text().size() && przycisk->text().at(amp + 1).toUpper() == litera.at(0)) {
                        przycisk->click();
                        return;
                    }
                }
        }
    }
    QDialog::keyPressEvent(zdarzenie);
}

bool TOknoKomunikat::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == FTekst && zdarzenie->type() == QEvent::KeyPress) {
        const auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
        if ((klawisz->key() == Qt::Key_Return || klawisz->key() == Qt::Key_Enter) && FDomyslny) {
            FDomyslny->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}

TKomPrzycisk TKomunikatyQt::Pokaz(const std::string& tresc, const std::vector<TKomPrzycisk>& przyciski,
                                  TKomPrzycisk domyslny, TKomRodzaj rodzaj) {
    TOknoKomunikat okno(tresc, przyciski, domyslny, rodzaj, QApplication::activeWindow());
    okno.exec();
    return okno.Wynik();
}

}  // namespace ramvel
