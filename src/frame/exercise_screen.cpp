#include "frame/exercise_screen.h"

#include "frame/feedback.h"
#include "frame/focus_keeper.h"
#include "frame/keyboard.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/scoreboard.h"
#include "frame/services.h"
#include "frame/spoken.h"
#include "frame/twips.h"
#include "frame/voice.h"
#include "frame/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolButton>

namespace {

// The client area, where the keys rest when no control may hold them. A
// screen reader hears there what is on the screen: the exercise, completed
// once it is solved. The name is read as the keys arrive, never stored.
class ClientArea final : public QWidget {
public:
    using QWidget::QWidget;
};

class ClientAreaAccessible final : public QAccessibleWidget {
public:
    explicit ClientAreaAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::Client) {}
    QString text(QAccessible::Text t) const override
    {
        const auto *screen = qobject_cast<const ExerciseScreen *>(widget()->window());
        if (t == QAccessible::Name && screen)
            return screen->restingName();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *clientAreaFactory(const QString &, QObject *object)
{
    if (auto *w = dynamic_cast<ClientArea *>(object))
        return new ClientAreaAccessible(w);
    return nullptr;
}

QString withBlanks(const QString &caption, int blanks)
{
    return caption + QString(blanks, QLatin1Char(' '));
}
} // namespace

ExerciseScreen::ExerciseScreen(const FrameDesign &design, QWidget *parent)
    : QMainWindow(parent), design_(design)
{
    enterPressesButtons();
    setObjectName(design.name);
    setWindowTitle(ProgramTitle);
    setWindowIcon(windowPicture(QStringLiteral("app")));
    static const bool named = (QAccessible::installFactory(clientAreaFactory), true);
    Q_UNUSED(named);
    area_ = new ClientArea(this);
    area_->setObjectName(QStringLiteral("area"));
    setCentralWidget(area_);
    setBackground(area_, Qt::cyan);

    const FrameDesign &d = design;
    score_ = new Scoreboard(area_, d.iconaSi, d.label1Name, d.label2Name, d.ownCounters, this);
    BottoneAvanti = makePictureButton(area_, {.name = QStringLiteral("BottoneAvanti"),
                                              .text = QStringLiteral("avanti"),
                                              .box = QRect(d.avanti.x(), d.avanti.y(), 1935, 975),
                                              .points = 14.25},
                                      QStringLiteral("avanti"));
    BottoneAvanti->setCursor(pointer(QStringLiteral("avanti_cursor")));
    BottoneAvanti->setEnabled(d.avantiEnabled);
    BottoneAvanti->setVisible(d.avantiVisible);
    connect(BottoneAvanti, &QToolButton::clicked, this, [this] {
        onAvanti();
        readExercise();
    });

    // The menu bar keeps the desktop's face, zoomed with the rest.
    menuBar()->setFont(zoomedFont(menuBar()->font()));
    QAction *azzera =
        menuBar()->addAction(withBlanks(QStringLiteral("Azzera conteggio"), d.azzeraBlanks));
    azzera->setObjectName(QStringLiteral("MenuAzzera"));
    MenuInformazioni = menuBar()->addAction(
        withBlanks(QStringLiteral("Informazioni"), d.informazioniBlanks));
    MenuInformazioni->setObjectName(QStringLiteral("MenuInformazioni"));
    QAction *esci = menuBar()->addAction(QStringLiteral("Esci"));
    esci->setObjectName(d.exitName);
    connect(azzera, &QAction::triggered, this, [this] { onAzzera(); });
    connect(MenuInformazioni, &QAction::triggered, this, [this] {
        letGo();
        MostraInformazioni(this);
    });
    connect(esci, &QAction::triggered, this, [this] { onEsci(); });

    // Loading: both counters and their labels start at 0.
    score_->reset();

    keys_ = std::make_unique<FocusKeeper>(this, area_, BottoneAvanti);
}

ExerciseScreen::~ExerciseScreen() = default;

std::int16_t ExerciseScreen::esatti() const { return score_->esatti(); }

std::int16_t ExerciseScreen::errati() const { return score_->errati(); }

void ExerciseScreen::place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twipsRect(left, top, width, height));
}

QMenu *ExerciseScreen::addScreenMenu(const QString &title, const QString &objectName)
{
    auto *menu = new QMenu(title, this);
    menu->setObjectName(objectName);
    menu->setFont(menuBar()->font());
    menuBar()->insertMenu(MenuInformazioni, menu);
    menu->menuAction()->setObjectName(objectName);
    return menu;
}

QAction *ExerciseScreen::addScreenItem(const QString &title, const QString &objectName)
{
    auto *action = new QAction(title, this);
    action->setObjectName(objectName);
    menuBar()->insertAction(MenuInformazioni, action);
    return action;
}

void ExerciseScreen::rightAnswer()
{
    score_->right();
    const QString cheer = SuonoEsatto();
    if (services().announcer->listening())
        announce(QStringLiteral("Esatto!"), spokenSolution());
    // After the cheer, and after the screen has written the completed line.
    readAloudAfter(soundLengthMs(cheer), this, [this] {
        return QStringLiteral("Esatto! ") + spokenSolution();
    });
}

void ExerciseScreen::wrongAnswer(bool beepInstead)
{
    score_->wrong();
    QString buzzer;
    if (beepInstead) {
        services().sound->beep();
        buzzer = QDir(soundFolder()).filePath(QStringLiteral("beep.wav"));
    } else {
        buzzer = SuonoSbagliato();
    }
    announce(QStringLiteral("Sbagliato, riprova."));
    readAloudAfter(soundLengthMs(buzzer), this, [] { return QStringLiteral("Sbagliato, riprova"); });
}

void ExerciseScreen::takeBackRightAnswer()
{
    if (score_->takeBackRight())
        announce(QString());
}

// A new exercise silences what is still said about the last one.
void ExerciseScreen::readExercise() { readAloudAnew(spokenExercise()); }

void ExerciseScreen::newBackground() { setBackground(area_, ColoreCasuale()); }

void ExerciseScreen::onAzzera()
{
    score_->reset();
    announce(QString());
}

void ExerciseScreen::announce(const QString &verdict, const QString &detail)
{
    Announcer &announcer = *services().announcer;
    if (!announcer.listening())
        return;
    QStringList parts;
    if (!verdict.isEmpty())
        parts << verdict;
    if (!detail.isEmpty())
        parts << detail + QLatin1Char('.');
    parts << QStringLiteral("Esatti %1, errati %2.").arg(esatti()).arg(errati());
    announcer.announce(parts.join(QLatin1Char(' ')));
}

QString ExerciseScreen::spokenExercise() const
{
    const auto *label = area_->findChild<QLabel *>(QStringLiteral("EtichettaNumero"),
                                                   Qt::FindDirectChildrenOnly);
    return label ? spokenSum(label->text()) : QString();
}

void ExerciseScreen::onEsci()
{
    QPointer<ExerciseScreen> self(this);
    letGo();
    const auto answer = services().messages->show(
        this, QStringLiteral("Vuoi tornare al menù?"), ProgramTitle,
        MessageBoxes::Icon::Question, MessageBoxes::Buttons::YesNo);
    if (!self || answer != MessageBoxes::Answer::Yes)
        return;
    openScreen(catalogueName(design_.catalogue), this);
}

QString ExerciseScreen::restingName() const
{
    return score_->happy() ? spokenSolution() : spokenExercise();
}

void ExerciseScreen::setAnswerField(QWidget *field) { keys_->setAnswerField(field); }

QWidget *ExerciseScreen::restingPlace() const { return keys_->restingPlace(); }

void ExerciseScreen::parkFocus() { keys_->park(); }

void ExerciseScreen::unparkFocus() { keys_->unpark(); }

bool ExerciseScreen::focusNextPrevChild(bool next)
{
    return keys_->moveOn(next) || QMainWindow::focusNextPrevChild(next);
}

void ExerciseScreen::fitToControls()
{
    if (fitted_)
        return;
    fitted_ = true;
    // Many designs place controls beyond their client area: the window is
    // made large enough for every control shown.
    fitClientArea(area_, design_.clientArea.width(), design_.clientArea.height());
    adjustSize();
}

void ExerciseScreen::showEvent(QShowEvent *event)
{
    if (!shown_) {
        shown_ = true;
        keys_->watchMenuBar();
        fitToControls();
        onFirstShown();
        // Read with the window's name as the window comes up.
        setAccessibleDescription(spokenExercise());
        readExercise();
    }
    QMainWindow::showEvent(event);
}
