#include "frame/exercise_screen.h"

#include "frame/feedback.h"
#include "frame/keyboard.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/numbers.h"
#include "frame/services.h"
#include "frame/spoken.h"
#include "frame/state.h"
#include "frame/twips.h"
#include "frame/widgets.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolButton>

namespace {
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
    setWindowIcon(picture(QStringLiteral("app")));
    area_ = new QWidget(this);
    area_->setObjectName(QStringLiteral("area"));
    setCentralWidget(area_);
    setBackground(area_, bgr(0xFFFF00));

    const FrameDesign &d = design;
    ComandoIconaSi = makePicture(area_, QStringLiteral("ComandoIconaSi"), QStringLiteral("happy"),
                                 d.iconaSi.x(), d.iconaSi.y(), d.iconaSi.width(), d.iconaSi.height());
    ComandoIconaNo = makePicture(area_, QStringLiteral("ComandoIconaNo"), QStringLiteral("sad"),
                                 d.iconaNo.x(), d.iconaNo.y(), d.iconaNo.width(), d.iconaNo.height());
    ComandoIconaSi->setAccessibleName(QStringLiteral("faccina felice"));
    ComandoIconaNo->setAccessibleName(QStringLiteral("faccina triste"));
    ComandoIconaNo->hide();
    makeLabel(area_, d.label1Name, QStringLiteral("Esatti"), d.label1.x(), d.label1.y(),
              d.label1.width(), d.label1.height(), QStringLiteral("Arial"), 12);
    EtichettaEsatti = makeLabel(area_, QStringLiteral("EtichettaEsatti"), QString(), d.esatti.x(),
                                d.esatti.y(), d.esatti.width(), d.esatti.height(),
                                QStringLiteral("Arial"), 18);
    makeLabel(area_, d.label2Name, QStringLiteral("Errati"), d.label2.x(), d.label2.y(),
              d.label2.width(), d.label2.height(), QStringLiteral("Arial"), 12);
    EtichettaErrati = makeLabel(area_, QStringLiteral("EtichettaErrati"), QString(), d.errati.x(),
                                d.errati.y(), d.errati.width(), d.errati.height(),
                                QStringLiteral("Arial"), 18);
    BottoneAvanti = makePictureButton(area_, QStringLiteral("BottoneAvanti"),
                                      QStringLiteral("avanti"), QStringLiteral("avanti"),
                                      d.avanti.x(), d.avanti.y(), d.avanti.width(),
                                      d.avanti.height(), QStringLiteral("Arial"), 14.25);
    BottoneAvanti->setCursor(pointer(QStringLiteral("avanti_cursor")));
    BottoneAvanti->setEnabled(d.avantiEnabled);
    BottoneAvanti->setVisible(d.avantiVisible);
    connect(BottoneAvanti, &QToolButton::clicked, this, [this] { onAvanti(); });

    // The menu bar keeps the desktop's face, zoomed with the rest.
    QFont menuFont = menuBar()->font();
    if (menuFont.pointSizeF() > 0)
        menuFont.setPointSizeF(menuFont.pointSizeF() * zoom());
    else
        menuFont.setPixelSize(designPixels(menuFont.pixelSize()));
    menuBar()->setFont(menuFont);
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
}

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
    SuonoEsatto();
    EtichettaEsatti->setText(B(counterEsatti()));
    if (services().announcer->listening())
        announce(QStringLiteral("Esatto!"), spokenSolution());
}

void ExerciseScreen::wrongAnswer(bool beepInstead)
{
    ComandoIconaSi->hide();
    ComandoIconaNo->show();
    countOne(counterErrati());
    if (beepInstead)
        services().sound->beep();
    else
        SuonoSbagliato();
    EtichettaErrati->setText(B(counterErrati()));
    announce(QStringLiteral("Sbagliato, riprova."));
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
    openScreen(design_.catalogue, this);
}

void ExerciseScreen::fitToControls()
{
    // Many designs place controls beyond their client area: the window is
    // made large enough for every control shown.
    fitClientArea(area_, design_.clientArea.width(), design_.clientArea.height());
    adjustSize();
}

void ExerciseScreen::showEvent(QShowEvent *event)
{
    if (!shown_) {
        shown_ = true;
        fitToControls();
        onFirstShown();
        // Read with the window's name as the window comes up.
        setAccessibleDescription(spokenExercise());
    }
    QMainWindow::showEvent(event);
}
