#pragma once
// The database error window: the translated sentence on the first page, the
// details on the second, switched by the "Szczegóły" toggle or its menu item
// (Alt+S). Made once per run and refilled for every error.
#include <QDialog>
#include <QStringList>

#include "ui/okno_bledu_bazy.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace ramvel {

class TfIbErrorWnd : public QDialog {
    Q_OBJECT
public:
    explicit TfIbErrorWnd(QWidget* rodzic = nullptr);

    // The sentence and the details; shows page 0 with the toggle up.
    void Wypelnij(const QString& tekst, const QStringList& szczegoly);

    QStackedWidget* Notebook1;
    QLabel* Ikona;
    QLabel* L_except;
    QPlainTextEdit* M_details;
    QPushButton* SB_details;
    QPushButton* BBok;
    QPushButton* BBpomoc;
    QPushButton* BBNie;
    QMenu* PopupMenu1;
    QAction* Szczegy1;

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void contextMenuEvent(QContextMenuEvent* zdarzenie) override;

private:
    void PokazStrone(bool szczegoly);
};

// The Qt front end of IOknoBleduBazy: one TfIbErrorWnd for the whole run,
// shown modally for each error.
class TOknoBleduBazyQt : public IOknoBleduBazy {
public:
    void Pokaz(const std::string& tekst, const std::vector<std::string>& szczegoly) override;
    // The window, made at the first use; it goes with the application.
    TfIbErrorWnd& Okno();
};

TOknoBleduBazyQt& OknoBleduBazyQt();

}  // namespace ramvel
