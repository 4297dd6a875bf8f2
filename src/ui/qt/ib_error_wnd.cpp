#include "ui/qt/ib_error_wnd.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace ramvel {
namespace {

constexpr int kSzerokosc = 419;
constexpr int kWysokosc = 157;

// Texts from the server and the tables end their lines with CR or CR LF.
QString ZwyklymiLiniami(const std::string& tekst) {
    QString wynik = QString::fromStdString(tekst);
    wynik.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    wynik.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return wynik;
}

QPointer<TfIbErrorWnd>& Wspolne() {
    static QPointer<TfIbErrorWnd> okno;
    return okno;
}

// The window is a top-level widget; it must go before the application does.
void UsunWspolne() { delete Wspolne().data(); }

}  // namespace

TfIbErrorWnd::TfIbErrorWnd(QWidget* rodzic) : QDialog(rodzic) {
    setWindowTitle(QString::fromUtf8(kTytulOknaBleduBazy));
    // A dialog frame with the system menu only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kSzerokosc, kWysokosc);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(6, 6, 6, 6);
    uklad->setSpacing(6);

    Notebook1 = new QStackedWidget(this);
    auto* strona0 = new QWidget(Notebook1);
    auto* ukladStrony0 = new QHBoxLayout(strona0);
    ukladStrony0->setContentsMargins(4, 4, 4, 4);
    Ikona = new QLabel(strona0);
    Ikona->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    Ikona->setFixedSize(32, 32);
    Ikona->setAlignment(Qt::AlignTop);
    L_except = new QLabel(strona0);
    L_except->setWordWrap(true);
    L_except->setTextFormat(Qt::PlainText);
    L_except->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont czcionka = L_except->font();
    czcionka.setPixelSize(13);
    L_except->setFont(czcionka);
    ukladStrony0->addWidget(Ikona, 0, Qt::AlignTop);
    ukladStrony0->addWidget(L_except, 1);

    auto* strona1 = new QWidget(Notebook1);
    strona1->setObjectName(QStringLiteral("Sczegoly"));
    auto* ukladStrony1 = new QVBoxLayout(strona1);
    ukladStrony1->setContentsMargins(0, 0, 0, 0);
    M_details = new QPlainTextEdit(strona1);
    M_details->setReadOnly(true);
    M_details->setFrameShape(QFrame::NoFrame);
    M_details->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    M_details->setLineWrapMode(QPlainTextEdit::NoWrap);
    ukladStrony1->addWidget(M_details);
    Notebook1->addWidget(strona0);
    Notebook1->addWidget(strona1);
    uklad->addWidget(Notebook1, 1);

    auto* przyciski = new QHBoxLayout();
    SB_details = new QPushButton(QString::fromUtf8("&Szczegóły"), this);
    SB_details->setCheckable(true);
    SB_details->setAutoDefault(false);
    BBNie = new QPushButton(QStringLiteral("Nie"), this);
    BBNie->setVisible(false);
    BBok = new QPushButton(QStringLiteral("Ok"), this);
    BBok->setDefault(true);
    BBpomoc = new QPushButton(QStringLiteral("Pomoc"), this);
    BBpomoc->setAutoDefault(false);
    przyciski->addWidget(SB_details);
    przyciski->addStretch(1);
    przyciski->addWidget(BBNie);
    przyciski->addWidget(BBok);
    przyciski->addWidget(BBpomoc);
    uklad->addLayout(przyciski);

    PopupMenu1 = new QMenu(this);
    Szczegy1 = PopupMenu1->addAction(QString::fromUtf8("&Szczegóły"));
    Szczegy1->setCheckable(true);
    Szczegy1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));
    Szczegy1->setShortcutContext(Qt::WindowShortcut);
    // The menu's shortcut must work while the menu is closed.
    addAction(Szczegy1);

    connect(SB_details, &QPushButton::toggled, this, [this](bool wcisniety) { PokazStrone(wcisniety); });
    // The menu item first flips the button; the button then shows the page.
    connect(Szczegy1, &QAction::triggered, this, [this] { SB_details->toggle(); });
    connect(BBok, &QPushButton::clicked, this, &QDialog::accept);
}

void TfIbErrorWnd::Wypelnij(const QString& tekst, const QStringList& szczegoly) {
    SB_details->setChecked(false);
    PokazStrone(false);
    L_except->setText(tekst);
    M_details->setUpdatesEnabled(false);
    M_details->setPlainText(szczegoly.join(QLatin1Char('\n')));
    M_details->setUpdatesEnabled(true);
}

void TfIbErrorWnd::PokazStrone(bool szczegoly) {
    Notebook1->setCurrentIndex(szczegoly ? 1 : 0);
    Szczegy1->setChecked(szczegoly);
}

void TfIbErrorWnd::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    if (const QScreen* ekran = screen())
        move(ekran->availableGeometry().center() - rect().center());
    BBok->setFocus();
}

void TfIbErrorWnd::contextMenuEvent(QContextMenuEvent* zdarzenie) { PopupMenu1->exec(zdarzenie->globalPos()); }

TfIbErrorWnd& TOknoBleduBazyQt::Okno() {
    if (!Wspolne()) {
        Wspolne() = new TfIbErrorWnd();
        qAddPostRoutine(UsunWspolne);
    }
    return *Wspolne();
}

void TOknoBleduBazyQt::Pokaz(const std::string& tekst, const std::vector<std::string>& szczegoly) {
    QStringList linie;
    for (const auto& linia : szczegoly)
        linie << ZwyklymiLiniami(linia);
    TfIbErrorWnd& okno = Okno();
    okno.Wypelnij(ZwyklymiLiniami(tekst), linie);
    okno.exec();
}

TOknoBleduBazyQt& OknoBleduBazyQt() {
    static TOknoBleduBazyQt okno;
    return okno;
}

}  // namespace ramvel
