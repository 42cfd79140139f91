#pragma once
// Start-up, the splash screen, the main menu and the two catalogues.

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;

// The start-up procedure: refuses a second copy, seeds the random source,
// switches the sounds on and opens the splash screen. Returns false when the
// program must end at once.
bool Main();

// Registers every screen of the program by name.
void registerAllScreens();

// Asks whether to quit and ends the program on Yes.
void ChiediUscita(QWidget *parent);

class FormAvvio : public QWidget {
    Q_OBJECT
public:
    explicit FormAvvio(QWidget *parent = nullptr);
    QToolButton *BottoneAvvio = nullptr;

protected:
    bool event(QEvent *event) override;

private:
    void load();
    bool dressed_ = false;
};

class FormMenu : public QWidget {
    Q_OBJECT
public:
    explicit FormMenu(QWidget *parent = nullptr);
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QToolButton *BottoneEsci = nullptr;
    QCheckBox *Check2 = nullptr;   // "Leggi ad alta voce"

private:
    void showReadAloud();
};
