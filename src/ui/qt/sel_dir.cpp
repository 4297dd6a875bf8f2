#include "ui/qt/sel_dir.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>
#include <filesystem>

namespace ramvel {
namespace {

// Each tree item keeps its directory's path as bytes: names need not be UTF-8.
constexpr int RolaSciezki = Qt::UserRole;
constexpr int RolaWczytany = Qt::UserRole + 1;

std::string SciezkaElementu(const QTreeWidgetItem* element) {
    return element->data(0, RolaSciezki).toByteArray().toStdString();
}

bool JestKatalogiem(const std::string& sciezka) {
    std::error_code blad;
    return std::filesystem::is_directory(sciezka, blad);
}

std::string Polacz(const std::string& katalog, const std::string& nazwa) {
    return katalog.ends_with('/') ? katalog + nazwa : katalog + "/" + nazwa;
}

// An absolute path without ".", ".." or a trailing '/'.
std::string Uporzadkowana(const std::string& sciezka) {
    std::error_code blad;
    std::filesystem::path p = std::filesystem::absolute(sciezka, blad);
    if (blad)
        return sciezka;
    std::string wynik = p.lexically_normal().string();
    while (wynik.size() > 1 && wynik.ends_with('/'))
        wynik.pop_back();
    return wynik;
}

}  // namespace

TSelDir::TSelDir(std::vector<TNaped> napedy) : FNapedy(std::move(napedy)) {
    setWindowTitle(QStringLiteral("Wybierz folder"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(392, 276);

    Panel1 = new QWidget(this);
    Panel1->setGeometry(0, 0, 392, 241);
    FolderLabel = new QLabel(QStringLiteral("Nazwa Folderu"), Panel1);
    FolderLabel->setGeometry(8, 8, 377, 16);
    DirName = new QLineEdit(Panel1);
    DirName->setGeometry(8, 24, 377, 21);
    Label2 = new QLabel(QStringLiteral("Folder"), Panel1);
    Label2->setGeometry(8, 56, 377, 16);
    DirListBox = new QTreeWidget(Panel1);
    DirListBox->setGeometry(8, 72, 377, 117);
    DirListBox->setHeaderHidden(true);
    DirListBox->setColumnCount(1);
    DirListBox->setUniformRowHeights(true);
    DirListBox->setIconSize(QSize(16, 16));
    Label1 = new QLabel(QStringLiteral("Napęd"), Panel1);
    Label1->setGeometry(8, 196, 377, 16);
    NapedCombo = new QComboBox(Panel1);
    NapedCombo->setGeometry(8, 212, 377, 21);
    for (const TNaped& naped : FNapedy)
        NapedCombo->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), QString::fromStdString(naped.Napis()));
    NapedCombo->setCurrentIndex(-1);

    ButtonOK = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    ButtonOK->setGeometry(236, 248, 75, 25);
    ButtonOK->setDefault(true);
    AnulujButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Anuluj"), this);
    AnulujButton->setGeometry(316, 248, 75, 25);

    connect(DirListBox, &QTreeWidget::currentItemChanged, this, [this] { DirListBoxChange(); });
    connect(DirListBox, &QTreeWidget::itemClicked, this, [this] { DirListBoxChange(); });
    connect(DirListBox, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* e) { WczytajPodkatalogi(e); });
    connect(NapedCombo, &QComboBox::activated, this, [this](int indeks) { NapedComboClick(indeks); });
    connect(ButtonOK, &QPushButton::clicked, this, [this] { ButtonOKClick(); });
    connect(AnulujButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TSelDir::Przygotuj(const std::string& katalogPoczatkowy, bool sprawdzaj, const std::string& opis,
                        const std::string& tytul) {
    DirName->setText(QString::fromStdString(katalogPoczatkowy));
    DirName->setEnabled(sprawdzaj);
    FolderLabel->setText(QString::fromStdString(opis));
    setWindowTitle(QString::fromStdString(tytul));
    FSprawdzaj = sprawdzaj;
    PokazNaped(NapedPoczatkowy(FNapedy));
    if (!katalogPoczatkowy.empty())
        UstawKatalog(katalogPoczatkowy);
}

std::string TSelDir::Nazwa() const { return DirName->text().toStdString(); }

void TSelDir::DirListBoxChange() {
    if (const QTreeWidgetItem* element = DirListBox->currentItem())
        DirName->setText(QString::fromStdString(SciezkaElementu(element)));
}

void TSelDir::NapedComboClick(int indeks) {
    if (indeks < 0 || indeks >= static_cast<int>(FNapedy.size()))
        return;
    PokazNaped(indeks);
    if (QTreeWidgetItem* korzen = DirListBox->topLevelItem(0)) {
        DirListBox->setCurrentItem(korzen);
        DirListBoxChange();
    }
    // The first diskette drive names itself even with no medium to show.
    if (FNapedy[static_cast<size_t>(indeks)].Litera == 'A')
        DirName->setText(QString::fromStdString(FNapedy[static_cast<size_t>(indeks)].Katalog));
}

void TSelDir::ButtonOKClick() {
    if (FSprawdzaj && !JestKatalogiem(Nazwa())) {
        QApplication::beep();
        return;
    }
    accept();
}

void TSelDir::PokazNaped(int indeks) {
    const QSignalBlocker bezZmianNazwy(DirListBox);
    DirListBox->clear();
    NapedCombo->setCurrentIndex(indeks);
    if (indeks < 0 || indeks >= static_cast<int>(FNapedy.size()))
        return;
    const TNaped& naped = FNapedy[static_cast<size_t>(indeks)];
    if (!JestKatalogiem(naped.Katalog))
        return;
    QTreeWidgetItem* korzen = NoweDrzewo(naped.Katalog, QString::fromStdString(naped.Napis()));
    DirListBox->addTopLevelItem(korzen);
    WczytajPodkatalogi(korzen);  // its expansion signal is blocked here
    korzen->setExpanded(true);
    // The tree would make its first item current when it gets the focus, and
    // the name field would follow; it is current already, unchosen, instead.
    DirListBox->selectionModel()->setCurrentIndex(DirListBox->indexFromItem(korzen), QItemSelectionModel::NoUpdate);
}

QTreeWidgetItem* TSelDir::NoweDrzewo(const std::string& katalog, const QString& napis) {
    auto* element = new QTreeWidgetItem(QStringList(napis));
    element->setData(0, RolaSciezki, QByteArray::fromStdString(katalog));
    element->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    element->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return element;
}

void TSelDir::WczytajPodkatalogi(QTreeWidgetItem* element) {
    if (element->data(0, RolaWczytany).toBool())
        return;
    element->setData(0, RolaWczytany, true);
    const std::string katalog = SciezkaElementu(element);
    std::vector<std::string> nazwy;
    std::error_code blad;
    for (std::filesystem::directory_iterator it(katalog, blad), koniec; !blad && it != koniec; it.increment(blad)) {
        std::string nazwa = it->path().filename().string();
        std::error_code bladWpisu;
        if (!nazwa.starts_with('.') && it->is_directory(bladWpisu))
            nazwy.push_back(std::move(nazwa));
    }
    std::sort(nazwy.begin(), nazwy.end(), [](const std::string& a, const std::string& b) {
        return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) < 0;
    });
    for (const std::string& nazwa : nazwy)
        element->addChild(NoweDrzewo(Polacz(katalog, nazwa), QString::fromStdString(nazwa)));
    if (nazwy.empty())
        element->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

bool TSelDir::UstawKatalog(const std::string& katalog) {
    const std::string cel = Uporzadkowana(katalog);
    if (!JestKatalogiem(cel))
        return false;
    const int naped = NapedSciezki(FNapedy, cel);
    if (naped < 0)
        return false;
    if (naped != NapedCombo->currentIndex() || !DirListBox->topLevelItem(0))
        PokazNaped(naped);
    QTreeWidgetItem* element = DirListBox->topLevelItem(0);
    if (!element)
        return false;
    std::string reszta = cel.substr(std::min(cel.size(), FNapedy[static_cast<size_t>(naped)].Katalog.size()));
    std::string sciezka = SciezkaElementu(element);
    for (const auto& czesc : std::filesystem::path(reszta).relative_path()) {
        const std::string nazwa = czesc.string();
        sciezka = Polacz(sciezka, nazwa);
        WczytajPodkatalogi(element);
        element->setExpanded(true);
        QTreeWidgetItem* dziecko = nullptr;
        for (int i = 0; i < element->childCount() && !dziecko; ++i)
            if (SciezkaElementu(element->child(i)) == sciezka)
                dziecko = element->child(i);
        if (!dziecko) {
            // A hidden directory is not listed, but may be where the user was.
            dziecko = NoweDrzewo(sciezka, QString::fromStdString(nazwa));
            element->addChild(dziecko);
        }
        element = dziecko;
    }
    DirListBox->setCurrentItem(element);
    DirListBox->scrollToItem(element);
    DirListBoxChange();
    return true;
}

std::string TWyborKataloguQt::Wybierz(const std::string& katalogPoczatkowy, bool sprawdzaj, const std::string& opis,
                                      const std::string& tytul) {
    TSelDir okno(FNapedy());
    okno.Przygotuj(katalogPoczatkowy, sprawdzaj, opis, tytul);
    return okno.exec() == QDialog::Accepted ? okno.Nazwa() : katalogPoczatkowy;
}

}  // namespace ramvel
