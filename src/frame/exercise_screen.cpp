#include "frame/exercise_screen.h"

#include "frame/feedback.h"
#include "frame/keyboard.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/numbers.h"
#include "frame/services.h"
#include "frame/state.h"
#include "frame/twips.h"
#include "frame/voice.h"
#include "frame/widgets.h"

#include <QDir>

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
    connect(BottoneAvanti, &QToolButton::clicked, this, [this] {
        onAvanti();
        readExercise();
    });

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
    const QString cheer = SuonoEsatto();
    EtichettaEsatti->setText(B(counterEsatti()));
    // After the cheer, and after the screen has written the completed line.
    readAloudAfter(soundLengthMs(cheer), this, [this] {
        return QStringLiteral("Esatto! ") + spokenLine(exerciseText());
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
    readAloudAfter(soundLengthMs(buzzer), this, [] { return QStringLiteral("Sbagliato, riprova"); });
}

void ExerciseScreen::takeBackRightAnswer()
{
    std::int16_t &count = counterEsatti();
    if (count <= 0)
        return;
    --count;
    EtichettaEsatti->setText(B(count));
}

QString ExerciseScreen::exerciseText() const
{
    QList<QLabel *> labels;
    for (QLabel *l : area_->findChildren<QLabel *>(QStringLiteral("EtichettaNumero")))
        if (l->isVisibleTo(area_))
            labels << l;
    std::sort(labels.begin(), labels.end(),
              [](const QLabel *a, const QLabel *b) { return a->x() < b->x(); });
    QStringList parts;
    for (const QLabel *l : labels)
        parts << l->text();
    return parts.join(QLatin1Char(' '));
}

// A new exercise silences what is still said about the last one.
void ExerciseScreen::readExercise() { readAloudAnew(spokenLine(exerciseText())); }

void ExerciseScreen::newBackground() { setBackground(area_, ColoreCasuale()); }

void ExerciseScreen::onAzzera()
{
    EtichettaEsatti->setText(QStringLiteral("0"));
    EtichettaErrati->setText(QStringLiteral("0"));
    counterEsatti() = 0;
    counterErrati() = 0;
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
        readExercise();
    }
    QMainWindow::showEvent(event);
}
