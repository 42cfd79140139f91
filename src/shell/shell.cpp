#include "shell/shell.h"

#include "frame/feedback.h"
#include "frame/keyboard.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/services.h"
#include "frame/state.h"
#include "frame/twips.h"
#include "frame/voice.h"
#include "frame/widgets.h"

#include <QEvent>
#include <QTimer>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

bool Main()
{
    if (!services().instance->acquire()) {
        services().messages->show(nullptr,
                                  QStringLiteral("E' già stata avviata una copia di questo programma!"),
                                  QStringLiteral("Error"), MessageBoxes::Icon::Error,
                                  MessageBoxes::Buttons::Ok);
        return false;
    }
    services().random->reseed();
    shared().SuoniAttivi = -1;
    return openScreen(QStringLiteral("FormAvvio")) != nullptr;
}

void ChiediUscita(QWidget *parent)
{
    const auto answer = services().messages->show(
        parent, QStringLiteral("Vuoi uscire dal programma?"), ProgramTitle,
        MessageBoxes::Icon::Question, MessageBoxes::Buttons::YesNo);
    if (answer == MessageBoxes::Answer::Yes)
        services().application->quit();
}

FormAvvio::FormAvvio(QWidget *parent) : QWidget(parent)
{
    enterPressesButtons();
    setObjectName(QStringLiteral("FormAvvio"));
    setWindowTitle(QStringLiteral("Tolvena"));
    setBackground(this, Qt::cyan);

    auto *title = makeLabel(this, {.name = QStringLiteral("Label2"),
                                   .text = QStringLiteral("Esercitazioni matematiche"),
                                   .box = QRect(3600, 360, 4935, 855), .points = 18,
                                   .family = QStringLiteral("Comic Sans MS")});
    title->setProperty("index", 1);
    title->setAlignment(Qt::AlignCenter);
    auto *name = makeLabel(this, {.name = QStringLiteral("Label2"),
                                  .text = QStringLiteral("Tolvena"),
                                  .box = QRect(2280, 1800, 7455, 1815), .points = 69.75,
                                  .family = QStringLiteral("Comic Sans MS")});
    name->setProperty("index", 0);
    name->setAlignment(Qt::AlignCenter);
    makeLabel(this, {.name = QStringLiteral("Label1"), .text = QStringLiteral("31 luglio 2002"),
                     .box = QRect(720, 5160, 1695, 375), .points = 12,
                     .family = QStringLiteral("MS Sans Serif")});
    BottoneAvvio = makePictureButton(this, {.name = QStringLiteral("BottoneAvvio"),
                                            .text = QStringLiteral("Avvio"),
                                            .box = QRect(3720, 6000, 4425, 1305), .points = 24,
                                            .family = QStringLiteral("Comic Sans MS")},
                                     QStringLiteral("fish"));
    connect(BottoneAvvio, &QToolButton::clicked, this,
            [this] { openScreen(QStringLiteral("FormMenu"), this); });
    fitClientArea(this, 14400, 10275);
    load();
}

// The splash screen is the first thing the program paints: its window icon
// and its pointer, drawn from pictures, wait until it has been painted.
bool FormAvvio::event(QEvent *event)
{
    if (event->type() == QEvent::Paint && !dressed_) {
        dressed_ = true;
        QTimer::singleShot(0, this, [this] {
            setWindowIcon(windowPicture(QStringLiteral("fish")));
            BottoneAvvio->setCursor(pointer(QStringLiteral("fish")));
        });
    }
    return QWidget::event(event);
}

void FormAvvio::load()
{
    const float width = static_cast<float>(services().display->widthPixels());
    if (width < 800) {
        const auto answer = services().messages->show(
            this,
            QStringLiteral("Per una corretta visualizzazione dei programmi è necessaria almeno una "
                           "risoluzione 800 x 600.\r\nModifico la risoluzione dello schermo?"),
            QStringLiteral("software didattico - Velandri"), MessageBoxes::Icon::Question,
            MessageBoxes::Buttons::YesNo);
        if (answer == MessageBoxes::Answer::Yes) {
            const int result = services().display->changeMode(800, 600);
            const QString text = result == 1
                ? QStringLiteral("Per cambiare risoluzione è necessario 'Riavviare il sistema'")
                : result == 0 ? QStringLiteral("Cambio risoluzione OK. ")
                              : QStringLiteral("Risoluzione non supportata");
            services().messages->show(this, text, ProgramTitle, MessageBoxes::Icon::Information,
                                      MessageBoxes::Buttons::Ok);
        }
    }
    setBackground(this, ColoreCasuale());
}

FormMenu::FormMenu(QWidget *parent) : QWidget(parent)
{
    enterPressesButtons();
    setObjectName(QStringLiteral("FormMenu"));
    setWindowTitle(ProgramTitle);
    setWindowIcon(windowPicture(QStringLiteral("app")));

    Command1 = makeButton(this, {.name = QStringLiteral("Command1"),
                                 .text = QStringLiteral("esercizi con aiuto grafico"),
                                 .box = QRect(1920, 600, 6735, 1215), .points = 24,
                                 .family = QStringLiteral("MS Sans Serif")});
    Command2 = makeButton(this, {.name = QStringLiteral("Command2"),
                                 .text = QStringLiteral("esercizi con solo numeri"),
                                 .box = QRect(1920, 2040, 6735, 1215), .points = 24,
                                 .family = QStringLiteral("MS Sans Serif")});
    Check1 = new QCheckBox(QStringLiteral("Suoni attivati"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setFont(designFont(QStringLiteral("Arial"), 12));
    Check1->setGeometry(twipsRect(2880, 4200, 3135, 375));
    BottoneEsci = makePictureButton(this, {.name = QStringLiteral("BottoneEsci"),
                                           .text = QStringLiteral("Esci"),
                                           .box = QRect(2040, 6360, 6615, 1335), .points = 26.25},
                                    QStringLiteral("waving"));
    const QCursor arrow = pointer(QStringLiteral("arrow_big"));
    Command1->setCursor(arrow);
    Command2->setCursor(arrow);
    BottoneEsci->setCursor(arrow);
    Check1->setCursor(pointer(QStringLiteral("clef")));
    Check2 = new QCheckBox(QStringLiteral("Leggi ad alta voce"), this);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setFont(Check1->font());
    Check2->setGeometry(twipsRect(2880, 4800, 3735, 375));
    Check2->setCursor(Check1->cursor());
    setTabOrder(BottoneEsci, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Check1);
    setTabOrder(Check1, Check2);
    BottoneEsci->setFocus();
    fitClientArea(this, 14145, 10005);

    connect(Command1, &QPushButton::clicked, this,
            [this] { openScreen(catalogueName(Catalogue::Graphic), this); });
    connect(Command2, &QPushButton::clicked, this,
            [this] { openScreen(catalogueName(Catalogue::Numbers), this); });
    connect(Check1, &QCheckBox::clicked, this,
            [](bool ticked) { shared().SuoniAttivi = ticked ? -1 : 0; });
    connect(Check2, &QCheckBox::clicked, this, [this](bool ticked) {
        setReadingAloud(ticked);
        showReadAloud();
    });
    onReadAloudChanged(this, [this] { showReadAloud(); });
    connect(BottoneEsci, &QToolButton::clicked, this, [this] { ChiediUscita(this); });

    // Loading: a fresh start for the counters, the box shows the switch.
    shared().NumeroEsatti = 0;
    shared().NumeroErrati = 0;
    Check1->setChecked(soundsOn());
    const QColor colour = ColoreCasuale();
    setBackground(this, colour);
    setBackground(Check1, colour);
    setBackground(Check2, colour);
    showReadAloud();
}

// The box shows the switch; when the program cannot speak it says why.
void FormMenu::showReadAloud()
{
    const QString reason = readAloudUnavailable();
    Check2->setChecked(readingAloud());
    Check2->setEnabled(reason.isEmpty());
    Check2->setToolTip(reason);
    Check2->setAccessibleDescription(reason);
}
