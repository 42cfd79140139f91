#include "aids/complete_squares_screen.h"
#include "aids/complete_squares.h"
#include "fakes.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/state.h"
#include "frame/twips.h"
#include "shell/shell.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <random>

using Square = SquaresModel::Square;

namespace {
const QColor blue(0x00, 0x00, 0xFF), red(0xFF, 0x00, 0x00), green(0x00, 0xC0, 0x00),
    lightGreen(0x80, 0xFF, 0x80), paleCyan(0xC0, 0xFF, 0xFF), darkBlue(0x00, 0x00, 0xC0);

const CompleteDesign &design(const QString &name)
{
    for (const CompleteDesign &d : completeDesigns())
        if (d.name == name)
            return d;
    return completeDesigns().front();
}

// The widths of the runs of black pixels along a line of the picture.
QList<int> blackRuns(const QImage &image, QPoint from, QPoint step)
{
    QList<int> runs{0};
    for (QPoint p = from; image.valid(p); p += step)
        if (image.pixelColor(p) == QColor(Qt::black))
            ++runs.back();
        else if (runs.back() > 0)
            runs << 0;
    if (runs.back() == 0)
        runs.removeLast();
    return runs;
}

void type(QLineEdit *field, const QString &text)
{
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}
} // namespace

class CompleteTest : public QObject {
    Q_OBJECT
    Fakes fakes{};

    // The screen's colour, then the scripted draws.
    CompleteScreen *open(const QString &name, std::initializer_list<double> draws)
    {
        fakes.random->push({0.0});
        fakes.random->push(draws);
        auto *s = qobject_cast<CompleteScreen *>(openScreen(name));
        if (s && !QTest::qWaitForWindowActive(s))
            return nullptr;
        return s;
    }

private slots:
    void initTestCase() { registerAllScreens(); }
    void init() { fakes = installFakes(); }
    void cleanup()
    {
        closeAllScreens();
        setZoom(1);
    }

    void scriptedDraws_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("before");
        QTest::newRow("100 none") << "Form100g" << QList<double>{0.0} << 0 << " 100  +  ";
        QTest::newRow("100 all") << "Form100g" << QList<double>{0.999} << 100 << " 0  +  ";
        QTest::newRow("100 some") << "Form100g" << QList<double>{0.5} << 50 << " 50  +  ";
        QTest::newRow("500 any") << "Form500g" << QList<double>{0.1, 0.927} << 463 << " 37  +  ";
        QTest::newRow("500 any 0") << "Form500g" << QList<double>{0.2, 0.0} << 0 << " 500  +  ";
        QTest::newRow("500 hundreds") << "Form500g" << QList<double>{0.3, 0.999} << 500 << " 0  +  ";
        QTest::newRow("500 hundreds low") << "Form500g" << QList<double>{0.25, 0.0} << 100 << " 400  +  ";
        QTest::newRow("500 tens") << "Form500g" << QList<double>{0.5, 0.0} << 10 << " 490  +  ";
        QTest::newRow("500 tens too") << "Form500g" << QList<double>{0.99, 0.999} << 500 << " 0  +  ";
        QTest::newRow("1000 any low") << "Form1000g" << QList<double>{0.0, 0.0} << 1 << " 999  +  ";
        QTest::newRow("1000 any top") << "Form1000g" << QList<double>{0.1, 0.9999} << 999 << " 1  +  ";
        QTest::newRow("1000 hundreds") << "Form1000g" << QList<double>{0.4, 0.999} << 900 << " 100  +  ";
        QTest::newRow("1000 tens") << "Form1000g" << QList<double>{0.6, 0.999} << 990 << " 10  +  ";
    }
    void scriptedDraws()
    {
        QFETCH(QString, name);
        QFETCH(QList<double>, draws);
        QFETCH(int, numero);
        QFETCH(QString, before);
        SquaresModel m(design(name).rule);
        for (double r : draws)
            fakes.random->push({r});
        m.next();
        QVERIFY(fakes.random->script.empty());
        QCOMPARE(m.numeroCasuale(), numero);
        QCOMPARE(m.before(), before);
    }

    void drawsOverManyValues_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("lowest");
        QTest::addColumn<int>("highest");
        QTest::addColumn<int>("wholeHundreds");   // how many of the values are whole hundreds
        QTest::newRow("Form100g") << "Form100g" << 0 << 100 << 0;
        QTest::newRow("Form500g") << "Form500g" << 0 << 500 << 5;
        QTest::newRow("Form1000g") << "Form1000g" << 1 << 999 << 9;
    }
    void drawsOverManyValues()
    {
        QFETCH(QString, name);
        QFETCH(int, lowest);
        QFETCH(int, highest);
        QFETCH(int, wholeHundreds);
        SquaresModel m(design(name).rule);
        int low = 100000, high = -1, tens = 0, hundreds = 0;
        const int draws = 40000;
        for (int i = 0; i < draws; ++i) {
            m.next();
            const int n = m.numeroCasuale();
            low = std::min(low, n);
            high = std::max(high, n);
            tens += n % 10 == 0;
            hundreds += n % 100 == 0 && n > 0;
        }
        QCOMPARE(low, lowest);
        QCOMPARE(high, highest);
        if (wholeHundreds) {
            // Half the draws whole tens, a quarter whole hundreds, a quarter
            // any number: well over half end in 0.
            QVERIFY2(tens > draws * 55 / 100, qPrintable(QString::number(tens)));
            QVERIFY2(hundreds > draws * 25 / 100, qPrintable(QString::number(hundreds)));
        } else {
            QVERIFY2(tens < draws * 15 / 100, qPrintable(QString::number(tens)));
        }
    }

    void tensAndUnitsStopAtTheirLimits()
    {
        SquaresModel m(design(QStringLiteral("Form100g")).rule);
        m.next();
        // Up to 90 a ten still fits; at 91 it does nothing, units go on to 100.
        for (int i = 0; i < 9; ++i)
            QVERIFY(m.ten());
        QVERIFY(m.ten());
        QCOMPARE(m.contaQuadretti(), 100);
        QCOMPARE(m.square(99), Square::Ten);
        QVERIFY(!m.unit());
        m.restart();
        QCOMPARE(m.square(0), Square::Plain);
        QCOMPARE(m.description(), QStringLiteral("0 quadretti colorati"));
        for (int i = 0; i < 91; ++i)
            QVERIFY(m.unit());
        QVERIFY(!m.ten());
        QCOMPARE(m.contaQuadretti(), 91);
        QCOMPARE(m.square(91), Square::Plain);
        for (int i = 0; i < 9; ++i)
            QVERIFY(m.unit());
        QVERIFY(!m.unit());
        QCOMPARE(m.contaQuadretti(), 100);
        QVERIFY(!m.hundred());   // no big squares here
    }

    void hundredsStopAtTheBigSquares_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("big");
        QTest::newRow("Form500g") << "Form500g" << 4;
        QTest::newRow("Form1000g") << "Form1000g" << 9;
    }
    void hundredsStopAtTheBigSquares()
    {
        QFETCH(QString, name);
        QFETCH(int, big);
        CompleteScreen *s = open(name, {0.0, 0.5});
        QVERIFY(s);
        QVERIFY(s->Command3);
        for (int i = 0; i < 12; ++i)
            QTest::mouseClick(s->Command3, Qt::LeftButton);
        QCOMPARE(s->model().contaCentinaia(), big);
        for (int j = 0; j < big; ++j)
            QCOMPARE(s->bigColour(j), green);
        QTest::mouseClick(s->Command2, Qt::LeftButton);
        QCOMPARE(s->Quadretti->accessibleDescription(),
                 QStringLiteral("1 quadretto colorato, %1 centinaia colorate").arg(big));
        QTest::mouseClick(s->BottoneRicomincia, Qt::LeftButton);
        QCOMPARE(s->bigColour(0), paleCyan);
        QCOMPARE(s->squareColour(0), paleCyan);
        QCOMPARE(s->Quadretti->accessibleDescription(),
                 QStringLiteral("0 quadretti colorati, 0 centinaia colorate"));
        QTest::mouseClick(s->Command3, Qt::LeftButton);
        QTest::mouseClick(s->Command1, Qt::LeftButton);
        QTest::mouseClick(s->Command1, Qt::LeftButton);
        QTest::mouseClick(s->Command2, Qt::LeftButton);
        QTest::mouseClick(s->Command2, Qt::LeftButton);
        QTest::mouseClick(s->Command2, Qt::LeftButton);
        QCOMPARE(s->Quadretti->accessibleDescription(),
                 QStringLiteral("23 quadretti colorati, 1 centinaio colorato"));
    }

    void sevenUnitsThenATenOnTheScreen()
    {
        CompleteScreen *s = open(QStringLiteral("Form100g"), {0.5});
        QVERIFY(s);
        QCOMPARE(s->Command2->text(), QStringLiteral("Colora un'unità"));
        QCOMPARE(s->Command1->text(), QStringLiteral("Colora una decina"));
        QVERIFY(!s->Command3);
        for (int i = 0; i < 7; ++i)
            QTest::mouseClick(s->Command2, Qt::LeftButton);
        QTest::mouseClick(s->Command1, Qt::LeftButton);
        for (int i = 0; i <= 6; ++i)
            QCOMPARE(s->squareColour(i), blue);
        for (int i = 7; i <= 16; ++i)
            QCOMPARE(s->squareColour(i), red);
        QCOMPARE(s->squareColour(17), lightGreen);
        // Painted column by column, 600 twips a square from the grid's corner:
        // square 6 is the seventh of the first column, 10 heads the second.
        const QImage shot = s->Quadretti->grab().toImage();
        QCOMPARE(shot.pixelColor(px(300), px(3900)), blue);        // square 6
        QCOMPARE(shot.pixelColor(px(900), px(300)), red);          // square 10
        QCOMPARE(shot.pixelColor(px(900), px(4500)), lightGreen);  // square 17
        QCOMPARE(shot.pixelColor(px(4500), px(300)), lightGreen);  // square 70
        QCOMPARE(s->Quadretti->accessibleName(), QStringLiteral("quadretti"));
        QCOMPARE(s->Quadretti->accessibleDescription(), QStringLiteral("17 quadretti colorati"));
        QCOMPARE(fakes.announcer->spoken.last(), QStringLiteral("17 quadretti colorati"));
        // The squares are no answer: nothing is counted.
        QCOMPARE(s->esatti() + s->errati(), 0);
        // Ten tens fill the grid; more do nothing.
        for (int i = 0; i < 10; ++i)
            QTest::mouseClick(s->Command1, Qt::LeftButton);
        QCOMPARE(s->model().contaQuadretti(), 97);
        QCOMPARE(s->squareColour(96), red);
        QCOMPARE(s->squareColour(97), lightGreen);
    }

    void typedTextsReadByDigitsOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("463") << "463" << true;
        QTest::newRow("blank") << "4 63" << true;
        QTest::newRow("letter") << "46a3" << true;
        QTest::newRow("minus") << "4-63" << true;
        QTest::newRow("after") << "463x" << true;
        QTest::newRow("before") << "x463" << true;
        QTest::newRow("462") << "462" << false;
        QTest::newRow("4630") << "4630" << false;
        QTest::newRow("letters") << "abcd" << false;
        QTest::newRow("long") << "46300" << false;   // the field keeps 4630
    }
    void typedTextsReadByDigitsOnly()
    {
        QFETCH(QString, typed);
        QFETCH(bool, right);
        shared().NumeroEsatti = 0;
        CompleteScreen *s = open(QStringLiteral("Form500g"), {0.1, 0.927});   // 463
        QVERIFY(s);
        QCOMPARE(s->EtichettaNumero0->text(), QStringLiteral(" 37  +  "));
        type(s->Text1, typed);
        QCOMPARE(int(s->esatti()), right ? 1 : 0);
        QCOMPARE(int(s->errati()), right ? 0 : 1);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), right ? QStringLiteral(" 1") : QStringLiteral("0"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), right ? QStringLiteral("0") : QStringLiteral(" 1"));
        QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled(), right);
        QCOMPARE(s->Text1->isEnabled(), !right);
        QCOMPARE(s->BottoneRicomincia->isEnabled(), !right);
        QVERIFY((right ? static_cast<QWidget *>(frameWidget<QToolButton>(s, "BottoneAvanti")) : s->Text1)->hasFocus());
        QVERIFY(right ? frameWidget<QLabel>(s, "ComandoIconaSi")->isVisibleTo(s) : frameWidget<QLabel>(s, "ComandoIconaNo")->isVisibleTo(s));
        if (!right)
            QCOMPARE(s->Text1->text(), typed.left(4));
    }

    void enterOnAnEmptyField_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<int>("esatti");
        QTest::addColumn<int>("errati");
        QTest::newRow("Form100g ignores it") << "Form100g" << QList<double>{0.0} << 0 << 0;
        QTest::newRow("Form500g reads 0, right") << "Form500g" << QList<double>{0.1, 0.0} << 1 << 0;
        QTest::newRow("Form500g reads 0, wrong") << "Form500g" << QList<double>{0.5, 0.0} << 0 << 1;
        QTest::newRow("Form1000g reads 0, wrong") << "Form1000g" << QList<double>{0.0, 0.0} << 0 << 1;
    }
    void enterOnAnEmptyField()
    {
        QFETCH(QString, name);
        QFETCH(QList<double>, draws);
        QFETCH(int, esatti);
        QFETCH(int, errati);
        fakes.random->push({0.0});
        for (double r : draws)
            fakes.random->push({r});
        auto *s = qobject_cast<CompleteScreen *>(openScreen(name));
        QVERIFY(s);
        QTest::keyClick(s->Text1, Qt::Key_Return);
        QCOMPARE(int(s->esatti()), esatti);
        QCOMPARE(int(s->errati()), errati);
        QCOMPARE(shared().NumeroEsatti, esatti);
        QCOMPARE(shared().NumeroErrati, errati);
    }

    void answeredThenAvanti()
    {
        CompleteScreen *s = open(QStringLiteral("Form100g"), {0.0});   // 0: ' 100  +  '
        QVERIFY(s);
        QVERIFY(s->Text1->hasFocus());
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isVisible());
        QTest::mouseClick(s->Command2, Qt::LeftButton);
        type(s->Text1, QStringLiteral("a"));   // no digit reads 0
        QCOMPARE(s->esatti(), 1);
        // The colouring buttons stay usable; "Ricomincia" does not.
        QTest::mouseClick(s->Command2, Qt::LeftButton);
        QCOMPARE(s->model().contaQuadretti(), 2);
        QTest::mouseClick(s->BottoneRicomincia, Qt::LeftButton);
        QCOMPARE(s->model().contaQuadretti(), 2);
        QCOMPARE(s->Text1->text(), QStringLiteral("a"));
        fakes.random->push({0.0, 0.999});   // colour, then 100: ' 0  +  '
        QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
        QCOMPARE(s->EtichettaNumero0->text(), QStringLiteral(" 0  +  "));
        QCOMPARE(s->model().contaQuadretti(), 0);
        QCOMPARE(s->squareColour(0), lightGreen);
        QCOMPARE(s->Text1->text(), QString());
        QVERIFY(s->Text1->isEnabled());
        QVERIFY(s->Text1->hasFocus());
        QVERIFY(s->BottoneRicomincia->isEnabled());
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        type(s->Text1, QStringLiteral("99"));
        QCOMPARE(s->errati(), 1);
        QVERIFY(s->Text1->hasFocus());
        QTest::mouseClick(s->Command1, Qt::LeftButton);
        QTest::mouseClick(s->BottoneRicomincia, Qt::LeftButton);
        QCOMPARE(s->Text1->text(), QString());
        QCOMPARE(s->model().contaQuadretti(), 0);
        QCOMPARE(s->EtichettaNumero0->text(), QStringLiteral(" 0  +  "));
        QCOMPARE(s->Text1->accessibleDescription(), QStringLiteral("0 più quanto uguale 100"));
        type(s->Text1, QStringLiteral("100"));
        QCOMPARE(s->esatti(), 2);
        QCOMPARE(fakes.announcer->spoken, (QStringList{"1 quadretto colorato",
            "Esatto! 100 più 0 uguale 100. Esatti 1, errati 0.", "2 quadretti colorati",
            "Sbagliato, riprova. Esatti 1, errati 1.", "10 quadretti colorati", "0 quadretti colorati",
            "Esatto! 0 più 100 uguale 100. Esatti 2, errati 1."}));
    }

    void layouts_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::newRow("decine e unità") << "Command24" << "Form100g";
        QTest::newRow("costruire il 500") << "Command23" << "Form500g";
        QTest::newRow("costruire il 1 000") << "Command15" << "Form1000g";
    }
    void layouts()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        auto *s = qobject_cast<CompleteScreen *>(fromGraphicCatalogue(button));
        QVERIFY(s);
        QCOMPARE(s->objectName(), name);
        const bool small = name == QLatin1String("Form100g");
        const CompleteDesign &d = design(name);
        QCOMPARE(s->EtichettaNumero1->text(),
                 name == QLatin1String("Form1000g") ? QStringLiteral(" = 1 000")
                 : small                             ? QStringLiteral(" = 100")
                                                     : QStringLiteral(" = 500"));
        QCOMPARE(s->EtichettaNumero0->pos(), small ? twipsPoint(1440, 120) : twipsPoint(840, 5160));
        QCOMPARE(s->Text1->x(), s->EtichettaNumero0->x() + s->EtichettaNumero0->width());
        QCOMPARE(s->EtichettaNumero1->x(), s->Text1->x() + s->Text1->width());
        QCOMPARE(s->Text1->y(), s->EtichettaNumero0->y());
        QCOMPARE(s->Text1->maxLength(), small ? 3 : 4);
        QCOMPARE(s->Text1->width(), px(small ? 975 : 1215));
        QCOMPARE(s->Text1->font().pixelSize(), pointsToPixels(21.75));
        QCOMPARE(s->EtichettaNumero0->font().pixelSize(), pointsToPixels(21.75));
        QCOMPARE(background(s->EtichettaNumero0), QColor(Qt::white));
        QCOMPARE(s->Command1->property("buttonColour").value<QColor>(), red);
        QCOMPARE(s->Command2->property("buttonColour").value<QColor>(), small ? blue : darkBlue);
        QCOMPARE(s->Command2->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(s->BottoneRicomincia->text(), QStringLiteral("Ricomincia"));
        // The bin of the abacus screens.
        QCOMPARE(s->BottoneRicomincia->icon().cacheKey(), picture(QStringLiteral("bin")).cacheKey());
        QCOMPARE(s->squareColour(0), small ? lightGreen : paleCyan);
        if (small) {
            QCOMPARE(s->Command2->geometry(), twipsRect(6600, 2640, 1650, 915));
            QCOMPARE(s->Command1->geometry(), twipsRect(6600, 4920, 1650, 915));
            QCOMPARE(s->BottoneRicomincia->geometry(), twipsRect(9000, 4560, 1905, 1110));
            QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->geometry(), twipsRect(9000, 6600, 1935, 975));
            QCOMPARE(s->Quadretti->geometry(), twipsRect(240, 1080, 6000, 6000));
        } else {
            QCOMPARE(s->Command3->text(), QStringLiteral("centinaio"));
            QCOMPARE(s->Command3->geometry(), twipsRect(120, 6360, 1830, 660));
            QCOMPARE(s->Command3->property("buttonColour").value<QColor>(), green);
            QCOMPARE(s->Command1->geometry(), twipsRect(2160, 6360, 1830, 675));
            QCOMPARE(s->Command2->geometry(), twipsRect(4200, 6360, 1830, 675));
            QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->geometry(), twipsRect(8760, 6480, 1935, 975));
            QCOMPARE(s->bigColour(0), paleCyan);
            // The small grid stands where a big square would: 165 apart,
            // 180 wide, a big square's side in all.
            QCOMPARE(d.pitch, 165);
            QCOMPARE(d.side, 180);
        }
        if (name == QLatin1String("Form500g")) {
            QCOMPARE(s->BottoneRicomincia->geometry(), twipsRect(8760, 4440, 1905, 1110));
            QCOMPARE(frameWidget<QLabel>(s, "ComandoIconaSi")->geometry(), twipsRect(9180, 120, 1095, 975));
            QCOMPARE(s->Quadretti->geometry(), twipsRect(360, 240, 5385, 3825));
        }
        if (name == QLatin1String("Form1000g")) {
            QCOMPARE(s->BottoneRicomincia->geometry(), twipsRect(8760, 5040, 1905, 1110));
            QCOMPARE(frameWidget<QLabel>(s, "ComandoIconaSi")->geometry(), twipsRect(9780, 120, 1095, 975));
            QCOMPARE(s->Quadretti->geometry(), twipsRect(120, 120, 9030, 3705));
        }
        const QRect client = s->centralWidget()->rect();
        QVERIFY(client.contains(s->Quadretti->geometry()));
        QVERIFY(client.contains(frameWidget<QToolButton>(s, "BottoneAvanti")->geometry()));
    }

    // Every edge of the squares is as wide as every other at any zoom.
    void edgesEvenAtEveryZoom_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("edge");    // pixels
        QTest::addColumn<int>("along");   // edges met along the first row of small squares
        QTest::addColumn<int>("down");    // and down their first column
        QTest::newRow("500 at 1.25") << "Form500g" << 1.25 << 1 << 13 << 13;
        QTest::newRow("500 at 1.5") << "Form500g" << 1.5 << 2 << 13 << 13;
        QTest::newRow("500 at 1.75") << "Form500g" << 1.75 << 2 << 13 << 13;
        QTest::newRow("1000 at 1.25") << "Form1000g" << 1.25 << 1 << 19 << 13;
    }
    void edgesEvenAtEveryZoom()
    {
        QFETCH(QString, name);
        QFETCH(double, zoom);
        QFETCH(int, edge);
        QFETCH(int, along);
        QFETCH(int, down);
        setZoom(zoom);
        auto *s = qobject_cast<CompleteScreen *>(openScreen(name));
        QVERIFY(s);
        const CompleteDesign &d = design(name);
        const QImage image = s->Quadretti->grab().toImage();
        // Through the middle of the first small square.
        const QPoint middle = twipsPoint(d.grid.x() + 90, d.grid.y() + 90) - s->Quadretti->pos();
        QCOMPARE(blackRuns(image, QPoint(0, middle.y()), QPoint(1, 0)), QList<int>(along, edge));
        QCOMPARE(blackRuns(image, QPoint(middle.x(), 0), QPoint(0, 1)), QList<int>(down, edge));
    }

    // Buttons, typing, "avanti" and the menus in any order keep the counts
    // within their limits and the screen in one of its two phases.
    void anySequenceKeepsADescribedState_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Form100g") << "Form100g";
        QTest::newRow("Form500g") << "Form500g";
        QTest::newRow("Form1000g") << "Form1000g";
    }
    void anySequenceKeepsADescribedState()
    {
        QFETCH(QString, name);
        auto *s = qobject_cast<CompleteScreen *>(openScreen(name));
        QVERIFY(s);
        std::mt19937 pick(3);
        const QStringList texts = {QString(), QStringLiteral("12"), QStringLiteral("x"),
                                   QStringLiteral("9999"), QStringLiteral(" 0 ")};
        int esatti = 0;
        for (int step = 0; step < 700; ++step) {
            const bool wasSolved = s->model().solved();
            switch (pick() % 8) {
            case 0: QTest::mouseClick(s->Command1, Qt::LeftButton); break;
            case 1: QTest::mouseClick(s->Command2, Qt::LeftButton); break;
            case 2:
                if (s->Command3)
                    QTest::mouseClick(s->Command3, Qt::LeftButton);
                break;
            case 3: QTest::mouseClick(s->BottoneRicomincia, Qt::LeftButton); break;
            case 4: QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton); break;
            case 5:
                s->Text1->clear();
                type(s->Text1, texts[pick() % texts.size()]);
                break;
            case 6:
                if (s->Text1->isEnabled()) {
                    s->Text1->setText(QString::number(s->model().numeroCasuale()));
                    type(s->Text1, QString());
                }
                break;
            default: frameWidget<QAction>(s, "MenuEsci")->trigger(); break;   // answered No
            }
            const SquaresModel &m = s->model();
            esatti += !wasSolved && m.solved();
            QVERIFY(m.contaQuadretti() >= 0 && m.contaQuadretti() <= 100);
            QVERIFY(m.contaCentinaia() >= 0 && m.contaCentinaia() <= m.rule().bigSquares);
            QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled(), m.solved());
            QCOMPARE(s->Text1->isEnabled(), !m.solved());
            QCOMPARE(s->BottoneRicomincia->isEnabled(), !m.solved());
            QCOMPARE(int(s->esatti()), esatti);
            QCOMPARE(s->Text1->x(), s->EtichettaNumero0->x() + s->EtichettaNumero0->width());
        }
    }
};

QTEST_MAIN(CompleteTest)
#include "test_complete_squares.moc"
