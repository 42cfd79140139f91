#include "frame/exercise_screen.h"

#include "frame/feedback.h"
#include "frame/focus_keeper.h"
#include "frame/keyboard.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/numbers.h"
#include "frame/services.h"
#include "frame/spoken.h"
#include "frame/state.h"
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
    setBackground(area_, bgr(0xFFFF00));

    const FrameDesign &d = design;
    const int x = d.iconaSi.x(), y = d.iconaSi.y();
    ComandoIconaSi = makePicture(area_, QStringLiteral("ComandoIconaSi"), QStringLiteral("happy"),
                                 x, y, 1095, 975);
    ComandoIconaNo = makePicture(area_, QStringLiteral("ComandoIconaNo"), QStringLiteral("sad"),
                                 x - 60, y + 30, 1095, 975);
    ComandoIconaSi->setAccessibleName(QStringLiteral("faccina felice"));
    ComandoIconaNo->setAccessibleName(QStringLiteral("faccina triste"));
    ComandoIconaNo->hide();
    makeLabel(area_, d.label1Name, QStringLiteral("Esatti"), x - 300, y + 1155, 735, 375,
              QStringLiteral("Arial"), 12);
    EtichettaEsatti = makeLabel(area_, QStringLiteral("EtichettaEsatti"), QString(), x + 540,
                                y + 1050, 975, 615, QStringLiteral("Arial"), 18);
    makeLabel(area_, d.label2Name, QStringLiteral("Errati"), x - 300, y + 1680, 735, 495,
              QStringLiteral("Arial"), 12);
    EtichettaErrati = makeLabel(area_, QStringLiteral("EtichettaErrati"), QString(), x + 540,
                                y + 1575, 855, 615, QStringLiteral("Arial"), 18);
    BottoneAvanti = makePictureButton(area_, QStringLiteral("BottoneAvanti"),
                                      QStringLiteral("avanti"), QStringLiteral("avanti"),
                                      d.avanti.x(), d.avanti.y(), 1935, 975,
                                      QStringLiteral("Arial"), 14.25);
    BottoneAvanti->setCursor(pointer(QStringLiteral("avanti_cursor")));
    BottoneAvanti->setEnabled(d.avantiEnabled);
    BottoneAvanti->setVisible(d.avantiVisible);
    connect(BottoneAvanti, &QToolButton::clicked, this, [this] {
        onAvanti();
        readExercise();
    });

    // The menu bar keeps the desktop's face, zoomed with the rest.
    menuBar()->setFont(zoomedFont(menuBar()->font()));
    MenuAzzera = menuBar()->addAction(withBlanks(QStringLiteral("Azzera conteggio"), d.azzeraBlanks));
    MenuAzzera->setObjectName(QStringLiteral("MenuAzzera"));
    MenuInformazioni = menuBar()->addAction(
        withBlanks(QStringLiteral("Informazioni"), d.informazioniBlanks));
    MenuInformazioni->setObjectName(QStringLiteral("MenuInformazioni"));
    MenuEsci = menuBar()->addAction(QStringLiteral("Esci"));
    MenuEsci->setObjectName(d.exitName);
    connect(MenuAzzera, &QAction::triggered, this, [this] { onAzzera(); });
    connect(MenuInformazioni, &QAction::triggered, this, [this] {
        letGo();
        MostraInformazioni(this);
    });
    connect(MenuEsci, &QAction::triggered, this, [this] { onEsci(); });

    // Loading: both counters and their labels start at 0.
    EtichettaEsatti->setText(QStringLiteral("0"));
    EtichettaErrati->setText(QStringLiteral("0"));
    counterEsatti() = 0;
    counterErrati() = 0;

    keys_ = std::make_unique<FocusKeeper>(this, area_, BottoneAvanti);
}

ExerciseScreen::~ExerciseScreen() = default;

std::int16_t &ExerciseScreen::counterEsatti()
{
    return design_.ownCounters ? ownEsatti_ : shared().NumeroEsatti;
}

std::int16_t &ExerciseScreen::counterErrati()
{
    return design_.ownCounters ? ownErrati_ : shared().NumeroErrati;
}

std::int16_t ExerciseScreen::esatti() const
{
    return design_.ownCounters ? ownEsatti_ : shared().NumeroEsatti;
}

std::int16_t ExerciseScreen::errati() const
{
    return design_.ownCounters ? ownErrati_ : shared().NumeroErrati;
}

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
    ComandoIconaSi->show();
    ComandoIconaSi->setAccessibleName(QStringLiteral("faccina felice"));
    ComandoIconaNo->setAccessibleName(QStringLiteral("faccina triste"));
    ComandoIconaNo->hide();
    countOne(counterEsatti());
    const QString cheer = SuonoEsatto();
    EtichettaEsatti->setText(B(counterEsatti()));
    if (services().announcer->listening())
        announce(QStringLiteral("Esatto!"), spokenSolution());
    // After the cheer, and after the screen has written the completed line.
    readAloudAfter(soundLengthMs(cheer), this, [this] {
        return QStringLiteral("Esatto! ") + spokenSolution();
    });
}

void ExerciseScreen::wrongAnswer(bool beepInstead)
{
    ComandoIconaSi->hide();
    ComandoIconaNo->show();
    countOne(counterErrati());
    QString buzzer;
    if (beepInstead) {
        services().sound->beep();
        buzzer = QDir(soundFolder()).filePath(QStringLiteral("beep.wav"));
    } else {
        buzzer = SuonoSbagliato();
    }
    EtichettaErrati->setText(B(counterErrati()));
    announce(QStringLiteral("Sbagliato, riprova."));
    readAloudAfter(soundLengthMs(buzzer), this, [] { return QStringLiteral("Sbagliato, riprova"); });
}

void ExerciseScreen::takeBackRightAnswer()
{
    std::int16_t &count = counterEsatti();
    if (count <= 0)
        return;
    --count;
    EtichettaEsatti->setText(B(count));
    announce(QString());
}

// A new exercise silences what is still said about the last one.
void ExerciseScreen::readExercise() { readAloudAnew(spokenExercise()); }

void ExerciseScreen::newBackground() { setBackground(area_, ColoreCasuale()); }

void ExerciseScreen::onAzzera()
{
    EtichettaEsatti->setText(QStringLiteral("0"));
    EtichettaErrati->setText(QStringLiteral("0"));
    counterEsatti() = 0;
    counterErrati() = 0;
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
    return ComandoIconaSi->isVisible() ? spokenSolution() : spokenExercise();
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
