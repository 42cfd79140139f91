#pragma once
// The frame every exercise screen is built on: the scoreboard (the two
// answer counters with their captions, the happy and sad faces), "avanti",
// the menu bar with "Azzera conteggio", "Informazioni" and "Esci", the way
// back to the screen's catalogue, and the focus keeper. A screen supplies
// GeneraEsercizio and its own check, and reports each answer with
// rightAnswer() or wrongAnswer().

#include "frame/navigation.h"

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <memory>

class FocusKeeper;
class QAction;
class QLabel;
class QMenu;
class QToolButton;
class Scoreboard;

// One screen's frame, as its family's table row gives it. The frame controls
// keep one arrangement on every screen, led by the happy face: the sad face
// 60 twips left of it and 30 down, "Esatti" and "Errati" 300 left of it and
// their counters 540 right of it, below it; only where the happy face and
// "avanti" stand changes.
struct FrameDesign {
    QString name;                // the screen's name, e.g. "Form20"
    Catalogue catalogue = Catalogue::None;   // where "Esci" returns
    QSize clientArea;            // design client area, twips
    QPoint iconaSi;              // top left of the happy face, twips
    QPoint avanti;               // top left of "avanti", twips
    int azzeraBlanks = 8;        // blanks after "Azzera conteggio"
    int informazioniBlanks = 11; // blanks after "Informazioni"
    QString exitName = QStringLiteral("mnuEsci");
    QString label1Name = QStringLiteral("Label1");
    QString label2Name = QStringLiteral("Label2");
    bool avantiEnabled = false;  // "avanti" in its design state
    bool avantiVisible = true;
    bool ownCounters = false;    // counts kept by the screen, not the shared ones
};

class ExerciseScreen : public QMainWindow {
    Q_OBJECT
public:
    explicit ExerciseScreen(const FrameDesign &design, QWidget *parent = nullptr);
    ~ExerciseScreen() override;

    // Draws a new exercise and resets the screen for it.
    virtual void GeneraEsercizio() = 0;

    std::int16_t esatti() const;
    std::int16_t errati() const;
    const FrameDesign &design() const { return design_; }
    // Sizes the window to its controls, once: before it first shows, when
    // every control is in place.
    void fitToControls();

    // What a screen reader hears where the keys rest (the client area): the
    // exercise, or the completed one after a right answer.
    QString restingName() const;

protected:
    // The client area, where the screen places its controls.
    QWidget *area() const { return area_; }
    // Places a widget of the client area at a design position in twips.
    static void place(QWidget *w, int left, int top, int width, int height);
    // "avanti", which the screen enables, places in its tab order and gives
    // the keys once an exercise is done.
    QToolButton *avanti() const { return BottoneAvanti; }

    // Menus and items of the screen's own go between "Azzera conteggio" and
    // "Informazioni".
    QMenu *addScreenMenu(const QString &title, const QString &objectName);
    QAction *addScreenItem(const QString &title, const QString &objectName);

    // Answer outcomes: face, count, sound, count label.
    void rightAnswer();
    // `beepInstead`: the system beep sounds instead of the buzzer, whatever
    // the sounds switch says.
    void wrongAnswer(bool beepInstead = false);
    // One right answer taken back, the price of a help; nothing at 0.
    void takeBackRightAnswer();
    // What a screen reader says after "Esatto!": the completed subtraction in
    // words ("94 meno 1 uguale 93"), or nothing where the screen has none.
    virtual QString spokenSolution() const { return {}; }
    // What a screen reader says of the screen as it opens, after its place:
    // the exercise in words and what to do. By default the exercise label
    // ("EtichettaNumero") in words.
    virtual QString spokenExercise() const;

    // Each exercise on a new background colour.
    void newBackground();

    // Frame events a screen may extend.
    virtual void onAvanti() {}
    virtual void onAzzera();
    virtual void onFirstShown() {}
    // Before a message box or leaving: the screen puts down whatever the
    // child holds (a label picked up with the keys, a drag under way).
    virtual void letGo() {}
    void onEsci();

    // The keyboard (see FocusKeeper). The answer field, where the screen
    // has one, is where the keys wait while the control that had them is
    // closed or busy.
    void setAnswerField(QWidget *field);
    QWidget *restingPlace() const;
    // The keys wait in the resting place during an animation, and go back
    // after it.
    void parkFocus();
    void unparkFocus();

    void showEvent(QShowEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void readExercise();
    // The verdict, what follows it and the counts, to the screen reader.
    void announce(const QString &verdict, const QString &detail = QString());

    FrameDesign design_;
    QWidget *area_ = nullptr;
    Scoreboard *score_ = nullptr;
    QToolButton *BottoneAvanti = nullptr;
    QAction *MenuInformazioni = nullptr;   // the screen's own items go before it
    // Gone before the controls, whose last focus changes are not its business.
    std::unique_ptr<FocusKeeper> keys_;
    bool shown_ = false;
    bool fitted_ = false;
};
