#include "drills/possible_screen.h"

#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/services.h"
#include "frame/spoken.h"
#include "frame/state.h"
#include "frame/widgets.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>

namespace {
FrameDesign possibleFrame()
{
    return {.name = QStringLiteral("Form22"),
            .catalogue = Catalogue::Numbers,
            .clientArea = QSize(11160, 10005),
            .iconaSi = {8460, 120},
            .avanti = {7800, 5880}};
}

} // namespace

PossibleScreen::PossibleScreen(QWidget *parent) : ExerciseScreen(possibleFrame(), parent)
{
    services().random->reseed();

    EtNumero = makeLabel(area(), {.name = QStringLiteral("EtNumero"),
                                  .box = QRect(1560, 1560, 4455, 975), .points = 27.75});
    EtNumero->setProperty("index", 0);
    EtNumero->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackground(EtNumero, QApplication::palette().color(QPalette::Window));

    const QCursor arrow = pointer(QStringLiteral("arrow_big"));
    const QString captions[2] = {QStringLiteral("possibile"), QStringLiteral("impossibile")};
    const int lefts[2] = {1080, 4320};
    const std::uint32_t colours[2] = {0x00C000, 0x0000FF};
    const QString lights[2] = {QStringLiteral("light_green"), QStringLiteral("light_red")};
    for (int i = 0; i < 2; ++i) {
        Comando[i] = makeButton(area(), {.name = QStringLiteral("Comando"), .text = captions[i],
                                         .box = QRect(lefts[i], 3240, 2655, 975), .points = 14.25});
        Comando[i]->setProperty("index", i);
        Comando[i]->setCursor(arrow);
        setButtonColour(Comando[i], bgr(colours[i]));
        connect(Comando[i], &QPushButton::clicked, this, [this, i] { press(i); });

        Image1[i] = makePicture(area(), QStringLiteral("Image1"), lights[i],
                                QRect(6120, 1560, 855, 975));
        Image1[i]->setProperty("index", i);
        Image1[i]->setAccessibleName(i == 0 ? QStringLiteral("semaforo verde")
                                            : QStringLiteral("semaforo rosso"));
        Image1[i]->hide();
    }

    CorniceNumeroMassimo = new QGroupBox(area());
    CorniceNumeroMassimo->setObjectName(QStringLiteral("CorniceNumeroMassimo"));
    CorniceNumeroMassimo->setFont(designFont(QStringLiteral("Arial"), 12));
    place(CorniceNumeroMassimo, 8760, 4920, 9615, 6735);
    setBackground(CorniceNumeroMassimo, bgr(0xC0FFFF));
    CorniceNumeroMassimo->hide();
    const QString options[4] = {QStringLiteral("20"), QStringLiteral("99"), QStringLiteral("999"),
                                QStringLiteral("9.999")};
    const int tops[4] = {1800, 2520, 3360, 4200};
    const int widths[4] = {1935, 1455, 1215, 1695};
    for (int i = 0; i < 4; ++i) {
        auto *o = new QRadioButton(options[i], CorniceNumeroMassimo);
        o->setObjectName(QStringLiteral("OpzioneNumeroMassimo"));
        o->setProperty("index", i);
        o->setFont(designFont(QStringLiteral("MS Sans Serif"), 13.5));
        place(o, 3480, tops[i], widths[i], 375);
        // An option already chosen still takes effect when clicked again.
        connect(o, &QRadioButton::clicked, this, [this, i] { chooseMaximum(i); });
        o->installEventFilter(this);
        OpzioneNumeroMassimo[i] = o;
    }

    MenuNumeroMassimo = addScreenItem(QStringLiteral("Scegli il numero massimo") + QString(8, QLatin1Char(' ')),
                                      QStringLiteral("MenuNumeroMassimo"));
    connect(MenuNumeroMassimo, &QAction::triggered, this, [this] { showPanel(); });

    // The first exercise is drawn at load.
    GeneraEsercizio();
}

void PossibleScreen::GeneraEsercizio()
{
    newBackground();
    for (QPushButton *b : Comando)
        b->setEnabled(true);
    for (QLabel *l : Image1)
        l->hide();
    // Every new exercise is asked afresh: "avanti" waits for its right answer,
    // also when the panel replaced an exercise already answered.
    avanti()->setEnabled(false);
    model_.next();
    EtNumero->setText(model_.text());
    // The buttons are read with the subtraction they judge.
    for (QPushButton *b : Comando)
        b->setAccessibleDescription(spokenExercise());
}

QString PossibleScreen::spokenExercise() const { return spokenSum(EtNumero->text()); }

QString PossibleScreen::spokenSolution() const
{
    return spokenExercise() + QStringLiteral(": ") + Comando[answered_]->text();
}

void PossibleScreen::press(int index)
{
    switch (model_.press(index)) {
    case Verdict::Right:
        answered_ = index;
        rightAnswer();
        Image1[index]->show();
        avanti()->setEnabled(true);
        for (QPushButton *b : Comando)
            b->setEnabled(false);
        break;
    case Verdict::Wrong:
        wrongAnswer();
        break;
    case Verdict::Ignored:
        break;
    }
}

void PossibleScreen::onAvanti()
{
    avanti()->setEnabled(false);
    GeneraEsercizio();
}

void PossibleScreen::showPanel()
{
    // The option of the maximum in force shows chosen; none does for another.
    for (QRadioButton *o : OpzioneNumeroMassimo)
        o->setAutoExclusive(false);
    for (int i = 0; i < 4; ++i)
        OpzioneNumeroMassimo[i]->setChecked(possibleMaxima[i] == shared().NumeroMassimo);
    for (QRadioButton *o : OpzioneNumeroMassimo)
        o->setAutoExclusive(true);
    CorniceNumeroMassimo->setGeometry(area()->rect());
    CorniceNumeroMassimo->raise();
    CorniceNumeroMassimo->show();
    // The keyboard goes to the panel too: an answer button hidden under it
    // must not take a Space or an Enter.
    QRadioButton *focus = OpzioneNumeroMassimo[0];
    for (QRadioButton *o : OpzioneNumeroMassimo)
        if (o->isChecked())
            focus = o;
    focus->setFocus();
}

void PossibleScreen::chooseMaximum(int index)
{
    shared().NumeroMassimo = static_cast<std::int16_t>(possibleMaxima[index]);
    GeneraEsercizio();
    CorniceNumeroMassimo->hide();
    // The keyboard leaves the hidden options for the new exercise's answers.
    Comando[0]->setFocus();
}

bool PossibleScreen::eventFilter(QObject *watched, QEvent *event)
{
    // Tab stays among the options while the panel covers the screen, so that
    // it cannot land on a control hidden under it.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        // An arrow key chooses the option beside, as a click would; the panel
        // then hides and the keyboard goes back to the answers.
        const int arrow = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                          : key == Qt::Key_Up || key == Qt::Key_Left  ? -1
                                                                      : 0;
        if (arrow != 0)
            for (int i = 0; i < 4; ++i)
                if (watched == OpzioneNumeroMassimo[i]) {
                    const int next = std::clamp(i + arrow, 0, 3);
                    if (next != i) {
                        OpzioneNumeroMassimo[next]->setChecked(true);
                        chooseMaximum(next);
                    }
                    return true;
                }
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            for (int i = 0; i < 4; ++i)
                if (watched == OpzioneNumeroMassimo[i]) {
                    const int step = key == Qt::Key_Tab ? 1 : 3;
                    OpzioneNumeroMassimo[(i + step) % 4]->setFocus(Qt::TabFocusReason);
                    return true;
                }
        }
    }
    return ExerciseScreen::eventFilter(watched, event);
}

void registerPossibleDrill()
{
    registerScreen(possibleFrame(), [] { return new PossibleScreen; });
}
