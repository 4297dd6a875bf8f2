#pragma once
// The directory picker window: a name field, the directory tree of one drive
// and the drive list.
#include <QDialog>

#include <functional>
#include <string>
#include <vector>

#include "ui/napedy_wyboru.h"
#include "ui/wybor_katalogu.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace ramvel {

class TSelDir : public QDialog {
    Q_OBJECT
public:
    explicit TSelDir(std::vector<TNaped> napedy);

    // Everything the picker does before it is shown: the name field, the
    // texts, the initial drive and the start directory (ignored when it
    // cannot be shown).
    void Przygotuj(const std::string& katalogPoczatkowy, bool sprawdzaj, const std::string& opis,
                   const std::string& tytul);
    std::string Nazwa() const;

    QWidget* Panel1;
    QLabel* FolderLabel;
    QLineEdit* DirName;
    QLabel* Label2;
    QTreeWidget* DirListBox;
    QLabel* Label1;
    QComboBox* NapedCombo;
    QPushButton* ButtonOK;
    QPushButton* AnulujButton;

private:
    void DirListBoxChange();
    void NapedComboClick(int indeks);
    void ButtonOKClick();

    // The tree shows the drive's directory as its root, nothing chosen.
    void PokazNaped(int indeks);
    // Opens the tree down to `katalog` and chooses it; false when it is no
    // directory of the drive shown.
    bool UstawKatalog(const std::string& katalog);
    QTreeWidgetItem* NoweDrzewo(const std::string& katalog, const QString& napis);
    void WczytajPodkatalogi(QTreeWidgetItem* element);

    std::vector<TNaped> FNapedy;
    bool FSprawdzaj = false;
};

// The Qt front end of the picker; the drive list is asked for at each call.
class TWyborKataloguQt : public IWyborKatalogu {
public:
    explicit TWyborKataloguQt(std::function<std::vector<TNaped>()> napedy = NapedyDoWyboru)
        : FNapedy(std::move(napedy)) {}
    std::string Wybierz(const std::string& katalogPoczatkowy, bool sprawdzaj, const std::string& opis,
                        const std::string& tytul) override;

private:
    std::function<std::vector<TNaped>()> FNapedy;
};

}  // namespace ramvel
