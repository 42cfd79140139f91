#include "aids/hundred_count_screen.h"
#include "aids/hundred_table.h"
#include "aids/hundred_table_screen.h"
#include "design.h"
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
#include <QSet>
#include <QTest>
#include <QToolButton>

#include <random>

using Draw = HundredTableModel::Draw;
Q_DECLARE_METATYPE(Draw)

namespace {
QColor cellColour(QPushButton *cell) { return cell->property("buttonColour").value<QColor>(); }

const QColor lightGreen(0xC0, 0xFF, 0xC0), green(0x00, 0xC0, 0x00), red(0xFF, 0x00, 0x00),
    lightYellow(0xFF, 0xFF, 0xC0);

// Only greys in the picture, black and a mid grey among them.
bool greyAndBlack(const QImage &picture)
{
    QSet<int> shades;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (const QColor c = picture.pixelColor(x, y); c.alpha() == 255) {
                if (c.red() != c.green() || c.green() != c.blue())
                    return false;
                shades << c.red() / 64;   // 0 black, 1 and 2 greys, 3 white
            }
    return shades.contains(0) && (shades.contains(1) || shades.contains(2));
}
} // namespace

class HundredTableTest : public QObject {
    Q_OBJECT
    Fakes fakes{};

    // Opens a click screen without the catalogue: the screen's colour, then
    // the scripted draws.
    HundredTableScreen *open(const QString &name, std::initializer_list<double> draws)
    {
        fakes.random->push({0.0});
        fakes.random->push(draws);
        auto *s = qobject_cast<HundredTableScreen *>(openScreen(name));
        if (s && !QTest::qWaitForWindowActive(s))
            return nullptr;
        return s;
    }

private slots:
    void initTestCase() { registerAllScreens(); }
    void init() { fakes = installFakes(); }
    void cleanup() { closeAllScreens(); }

    void scriptedDraws_data()
    {
        QTest::addColumn<Draw>("draw");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<int>("primo");
        QTest::addColumn<int>("secondo");
        QTest::addColumn<QString>("text");
        QTest::newRow("units") << Draw::Units << QList<double>{0.5, 0.5} << 50 << 4 << " 50 -  4 = ";
        QTest::newRow("units 0") << Draw::Units << QList<double>{0.0, 0.1} << 10 << 0 << " 10 -  0 = ";
        QTest::newRow("units top") << Draw::Units << QList<double>{0.999, 0.999} << 89 << 8 << " 89 -  8 = ";
        QTest::newRow("tens") << Draw::Tens << QList<double>{0.5, 0.9} << 50 << 40 << " 50 -  40 = ";
        QTest::newRow("tens 0") << Draw::Tens << QList<double>{0.1, 0.99} << 10 << 0 << " 10 -  0 = ";
        QTest::newRow("any") << Draw::Any << QList<double>{0.5, 0.3} << 50 << 35 << " 50 -  35 = ";
        QTest::newRow("any to 0") << Draw::Any << QList<double>{0.3, 0.0} << 30 << 30 << " 30 -  30 = ";
        QTest::newRow("either tens") << Draw::TensOrUnits << QList<double>{0.2, 0.5, 0.9} << 50 << 40
                                     << " 50 -  40 = ";
        QTest::newRow("either units") << Draw::TensOrUnits << QList<double>{0.7, 0.5, 0.95} << 50 << 9
                                      << " 50 -  9 = ";
        // Units above the first number are drawn again: 9 and 5 are above 3.
        QTest::newRow("units redrawn") << Draw::TensOrUnits << QList<double>{0.7, 0.03, 0.95, 0.5, 0.2}
                                       << 3 << 2 << " 3 -  2 = ";
    }
    void scriptedDraws()
    {
        QFETCH(Draw, draw);
        QFETCH(QList<double>, draws);
        QFETCH(int, primo);
        QFETCH(int, secondo);
        QFETCH(QString, text);
        HundredTableModel m(draw);
        for (double r : draws)
            fakes.random->push({r});
        m.next();
        QVERIFY(fakes.random->script.empty());
        QCOMPARE(m.primo(), primo);
        QCOMPARE(m.secondo(), secondo);
        QCOMPARE(m.differenza(), primo - secondo);
        QCOMPARE(m.text(), text);
    }

    void drawsOverManyValues_data()
    {
        QTest::addColumn<Draw>("draw");
        QTest::newRow("Form100c") << Draw::Units;
        QTest::newRow("Form100d") << Draw::Tens;
        QTest::newRow("Form100e") << Draw::Any;
        QTest::newRow("Form100f") << Draw::TensOrUnits;
    }
    void drawsOverManyValues()
    {
        QFETCH(Draw, draw);
        HundredTableModel m(draw);
        bool nothingTaken = false, resultZero = false, smallUnits = false, tens = false, units = false;
        for (int i = 0; i < 20000; ++i) {
            m.next();
            const int p = m.primo(), s = m.secondo(), d = m.differenza();
            QCOMPARE(p - s, d);
            QVERIFY(d >= 0 && d <= 99);
            nothingTaken = nothingTaken || s == 0;
            resultZero = resultZero || d == 0;
            switch (draw) {
            case Draw::Units:
                QVERIFY(p >= 10 && p <= 89);
                QVERIFY(s >= 0 && s <= 8);
                break;
            case Draw::Tens:
                QVERIFY(p >= 1 && p <= 99);
                QCOMPARE(s % 10, 0);
                QVERIFY(s < p);
                break;
            case Draw::Any:
                QVERIFY(p >= 1 && p <= 99);
                QVERIFY(s >= 1 && s <= p);
                break;
            case Draw::TensOrUnits:
                QVERIFY(p >= 1 && p <= 99);
                QVERIFY(s <= p);
                tens = tens || (s >= 10 && s % 10 == 0);
                units = units || (s % 10 != 0);
                smallUnits = smallUnits || (p < 9 && s > 0);
                break;
            }
        }
        // Only Form100e never takes away 0; the result may be 0 where any
        // number or units up to the first number are taken away.
        QCOMPARE(nothingTaken, draw != Draw::Any);
        QCOMPARE(resultZero, draw == Draw::Any || draw == Draw::TensOrUnits);
        if (draw == Draw::TensOrUnits)
            QVERIFY(tens && units && smallUnits);
    }

    void screensFromTheCatalogue_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("left");
        QTest::newRow("togliere solo unità") << "Command3" << "Form100c" << 240;
        QTest::newRow("togliere solo decine") << "Command4" << "Form100d" << 360;
        QTest::newRow("togliere decine e unità") << "Command5" << "Form100e" << 240;
        QTest::newRow("togliere decine o unità") << "Command12" << "Form100f" << 240;
    }
    void screensFromTheCatalogue()
    {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        QFETCH(int, left);
        auto *s = qobject_cast<HundredTableScreen *>(fromGraphicCatalogue(button));
        QVERIFY(s);
        QCOMPARE(s->objectName(), screen);
        QCOMPARE(int(s->Numero.size()), 100);
        QCOMPARE(s->Numero[0]->text(), QStringLiteral(" 0"));
        QCOMPARE(s->Numero[7]->text(), QStringLiteral(" 7"));
        QCOMPARE(s->Numero[99]->text(), QStringLiteral(" 99"));
        QCOMPARE(s->Numero[42]->accessibleName(), QStringLiteral(" 42"));
        QCOMPARE(s->Numero[0]->geometry(), twipsRect(left, 240, 700, 700));
        QCOMPARE(s->Numero[9]->geometry(), twipsRect(left + 6480, 240, 700, 700));
        QCOMPARE(s->Numero[90]->geometry(), twipsRect(left, 240 + 6480, 700, 700));
        QCOMPARE(s->Numero[23]->geometry(), twipsRect(left + 2160, 240 + 1440, 700, 700));
        QCOMPARE(s->Numero[5]->font().pixelSize(), pointsToPixels(18));
        QCOMPARE(s->Numero[5]->cursor().shape(), Qt::BitmapCursor);
        const int x = left - 240;
        QCOMPARE(s->Label3->text(), QStringLiteral("clicca sul numero"));
        QCOMPARE(s->Label3->geometry(), twipsRect(8100 + x, 3375, 2520, 315));
        QCOMPARE(s->EtichettaNumero->geometry(), twipsRect(7680 + x, 4080, 3735, 615));
        QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->geometry(), twipsRect(9240 + x, 6480, 1935, 975));
        QVERIFY(greyAndBlack(frameWidget<QToolButton>(s, "BottoneAvanti")->icon().pixmap(32, 32).toImage()));
        QVERIFY(greyAndBlack(frameWidget<QToolButton>(s, "BottoneAvanti")->cursor().pixmap().toImage()));
        QCOMPARE(frameWidget<QLabel>(s, "ComandoIconaSi")->geometry(), twipsRect(8820 + x, 360, 1095, 975));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->geometry(), twipsRect(9360 + x, 1935, 855, 615));
        QCOMPARE(frameWidget<QLabel>(s, "ComandoIconaNo")->geometry(), twipsRect(8760 + x, 390, 1095, 975));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->geometry(), twipsRect(9360 + x, 1410, 975, 615));
        QCOMPARE(s->findChild<QLabel *>(QStringLiteral("Label1"))->geometry(),
                 twipsRect(8520 + x, 1515, 735, 375));
        QCOMPARE(background(s->EtichettaNumero), QColor(Qt::white));
        // The first number's cell is painted green, the others light green.
        for (int i : {s->model().primo(), (s->model().primo() + 37) % 100}) {
            const QImage shot = s->Numero[i]->grab().toImage();
            QCOMPARE(shot.pixelColor(shot.width() / 8, shot.height() / 8),
                     i == s->model().primo() ? green : lightGreen);
        }
        // Tab walks the table in order, then "avanti".
        const QStringList order = tabOrder(s->Numero[0]);
        QCOMPARE(order.size(), 101);
        QCOMPARE(order.mid(0, 2), QStringList({"Numero(0)", "Numero(1)"}));
        QCOMPARE(order.mid(98), QStringList({"Numero(98)", "Numero(99)", "BottoneAvanti"}));
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isVisible());
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        // Only the first number is marked.
        int greens = 0;
        for (int i = 0; i < 100; ++i) {
            QPushButton *cell = s->Numero[i];
            const bool first = i == s->model().primo();
            greens += first;
            QCOMPARE(cellColour(cell), first ? green : lightGreen);
            QCOMPARE(cell->accessibleDescription(), first ? QStringLiteral("verde") : QString());
            QVERIFY(cell->isEnabled());
        }
        QCOMPARE(greens, 1);
        // The whole table and the frame are inside the window.
        const QRect client = s->centralWidget()->rect();
        QVERIFY(client.contains(s->Numero[99]->geometry()));
        QVERIFY(client.contains(frameWidget<QToolButton>(s, "BottoneAvanti")->geometry()));
    }

    void rightThenWrongClick()
    {
        HundredTableScreen *s = open(QStringLiteral("Form100c"), {0.5, 0.5});   // 50 - 4
        QVERIFY(s);
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 50 -  4 = "));
        QTest::mouseClick(s->Numero[46], Qt::LeftButton);
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 50 -  4 =  46"));
        QCOMPARE(cellColour(s->Numero[46]), red);
        QCOMPARE(s->Numero[46]->accessibleDescription(), QStringLiteral("rosso"));
        QVERIFY(!s->Numero[46]->isEnabled());
        QCOMPARE(cellColour(s->Numero[50]), green);
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaSi")->isVisibleTo(s));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        // The right cell clicked again counts nothing; any other cell is wrong.
        QTest::mouseClick(s->Numero[46], Qt::LeftButton);
        QCOMPARE(s->esatti(), 1);
        QCOMPARE(s->errati(), 0);
        QTest::mouseClick(s->Numero[50], Qt::LeftButton);
        QCOMPARE(s->esatti(), 1);
        QCOMPARE(s->errati(), 1);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 1"));
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaNo")->isVisibleTo(s));
        QVERIFY(!frameWidget<QLabel>(s, "ComandoIconaSi")->isVisibleTo(s));
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 50 -  4 =  46"));
        QCOMPARE(shared().NumeroEsatti, 1);
        QCOMPARE(shared().NumeroErrati, 1);
        QCOMPARE(fakes.sound->played.size(), 2);
    }

    void nextExerciseUndoesTheMarks()
    {
        HundredTableScreen *s = open(QStringLiteral("Form100d"), {0.5, 0.9});   // 50 - 40
        QVERIFY(s);
        QTest::mouseClick(s->Numero[10], Qt::LeftButton);
        QCOMPARE(cellColour(s->Numero[10]), red);
        fakes.random->push({0.0, 0.3, 0.5});   // colour, then 30 - 10
        QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 30 -  10 = "));
        QCOMPARE(cellColour(s->Numero[50]), lightGreen);
        QCOMPARE(cellColour(s->Numero[10]), lightGreen);
        QCOMPARE(s->Numero[10]->accessibleDescription(), QString());
        QVERIFY(s->Numero[10]->isEnabled());
        QCOMPARE(cellColour(s->Numero[30]), green);
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QCOMPARE(s->Numero[30], QApplication::focusWidget());
        // A wrong click leaves "avanti" closed.
        QTest::mouseClick(s->Numero[29], Qt::LeftButton);
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QTest::mouseClick(s->Numero[20], Qt::LeftButton);
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QCOMPARE(s->esatti(), 2);
        QCOMPARE(s->errati(), 1);
    }

    void avantiSkipsOnlyTheFirstExercise()
    {
        HundredTableScreen *s = open(QStringLiteral("Form100e"), {0.5, 0.3});   // 50 - 35
        QVERIFY(s);
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        fakes.random->push({0.0, 0.3, 0.0});   // colour, then 30 - 30
        QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 30 -  30 = "));
        QCOMPARE(cellColour(s->Numero[50]), lightGreen);
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 30 -  30 = "));
        QCOMPARE(s->esatti() + s->errati(), 0);
        QTest::mouseClick(s->Numero[0], Qt::LeftButton);
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 30 -  30 =  0"));
        QCOMPARE(cellColour(s->Numero[0]), red);
    }

    void arrowKeysMoveAboutTheTable()
    {
        HundredTableScreen *s = open(QStringLiteral("Form100c"), {0.5, 0.5});   // 50 - 4
        QVERIFY(s);
        QCOMPARE(QApplication::focusWidget(), s->Numero[50]);
        // From 50: up, left at the row's start (stays), right twice, down.
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget(), s->Numero[52]);
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right})
            QTest::keyClick(QApplication::focusWidget(), key);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(s->esatti(), 1);
        QCOMPARE(QApplication::focusWidget(), frameWidget<QToolButton>(s, "BottoneAvanti"));
        // The answered cell is stepped over.
        s->Numero[45]->setFocus();
        QTest::keyClick(s->Numero[45], Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), s->Numero[47]);
        QTest::keyClick(s->Numero[56], Qt::Key_Up);   // 46 closed: on to 36
        QCOMPARE(QApplication::focusWidget(), s->Numero[36]);
    }

    // Clicks, "avanti" and the menus in any order: at most the first number
    // is green and the answered cell red; the red cell alone is closed, and
    // only while the exercise is answered.
    void anySequenceKeepsADescribedState_data()
    {
        QTest::addColumn<QString>("name");
        for (const auto &row : hundredTableRows())
            QTest::newRow(qPrintable(row.name)) << row.name;
    }
    void anySequenceKeepsADescribedState()
    {
        QFETCH(QString, name);
        auto *s = qobject_cast<HundredTableScreen *>(openScreen(name));
        QVERIFY(s);
        std::mt19937 pick(11);
        int esatti = 0, errati = 0;
        bool skipped = false;
        for (int step = 0; step < 600; ++step) {
            switch (pick() % 6) {
            case 0:
            case 1: {
                QPushButton *cell = s->Numero[pick() % 100];
                const int i = cell->property("index").toInt();
                const bool open = cell->isEnabled();
                QTest::mouseClick(cell, Qt::LeftButton);
                if (open)
                    (i == s->model().differenza() ? esatti : errati)++;
                break;
            }
            case 2:
                esatti += !s->model().solved();
                QTest::mouseClick(s->Numero[s->model().differenza()], Qt::LeftButton);
                break;
            case 3:
                skipped = true;
                QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
                break;
            case 4:
                frameWidget<QAction>(s, "MenuAzzera")->trigger();
                esatti = errati = 0;
                break;
            default:
                frameWidget<QAction>(s, "MenuEsci")->trigger();   // answered No
                break;
            }
            const HundredTableModel &m = s->model();
            int greens = 0, reds = 0;
            for (int i = 0; i < 100; ++i) {
                const QColor c = cellColour(s->Numero[i]);
                greens += c == green;
                reds += c == red;
                QCOMPARE(s->Numero[i]->isEnabled(), c != red);
            }
            QCOMPARE(reds, m.solved() ? 1 : 0);
            QCOMPARE(greens, m.solved() && m.primo() == m.differenza() ? 0 : 1);
            QCOMPARE(cellColour(s->Numero[m.primo()]),
                     m.solved() && m.primo() == m.differenza() ? red : green);
            if (skipped)
                QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled(), m.solved());
            QCOMPARE(s->EtichettaNumero->text().endsWith(QStringLiteral(" = ")), !m.solved());
            QCOMPARE(int(s->esatti()), esatti);
            QCOMPARE(int(s->errati()), errati);
        }
    }

    // FormC100: the table counts N, and the child types what is missing.
    void countDraws_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("before");
        QTest::newRow("none") << 0.0 << 0 << " 0 + ";
        QTest::newRow("37") << 0.37 << 37 << " 37 + ";
        QTest::newRow("all") << 0.999 << 100 << " 100 + ";
    }
    void countDraws()
    {
        QFETCH(double, r);
        QFETCH(int, n);
        QFETCH(QString, before);
        fakes.random->push({0.0, 0.0, r});   // catalogue colour, screen colour, N
        auto *s = qobject_cast<HundredCountScreen *>(fromGraphicCatalogue(QStringLiteral("Command13")));
        QVERIFY(s);
        QCOMPARE(s->objectName(), QStringLiteral("FormC100"));
        QCOMPARE(s->model().n(), n);
        QCOMPARE(s->EtichettaNumero0->text(), before);
        QCOMPARE(s->EtichettaNumero1->text(), QStringLiteral(" = 100"));
        for (int i = 0; i < 100; ++i) {
            QCOMPARE(s->Numero[i]->text(), QString::number(i + 1));
            QCOMPARE(s->Numero[i]->accessibleName(), QString::number(i + 1));
            QCOMPARE(background(s->Numero[i]), i < n ? green : lightYellow);
            QCOMPARE(s->Numero[i]->accessibleDescription(),
                     i < n ? QStringLiteral("verde") : QStringLiteral("giallo"));
        }
        QTest::keyClicks(s->Text1, QString::number(100 - n));
        QTest::keyClick(s->Text1, Qt::Key_Return);
        QCOMPARE(s->esatti(), 1);
        QCOMPARE(s->errati(), 0);
    }

    void countDrawsOverManyValues()
    {
        HundredCountModel m;
        bool none = false, all = false;
        for (int i = 0; i < 5000; ++i) {
            m.next();
            QVERIFY(m.n() >= 0 && m.n() <= 100);
            none = none || m.n() == 0;
            all = all || m.n() == 100;
        }
        QVERIFY(none && all);
    }

    void countTypedAnswers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("esatti");
        QTest::addColumn<int>("errati");
        QTest::newRow("empty") << "" << 0 << 0;
        QTest::newRow("63") << "63" << 1 << 0;
        QTest::newRow("blanks") << "6 3" << 1 << 0;
        QTest::newRow("then letters") << "63a" << 1 << 0;
        QTest::newRow("64") << "64" << 0 << 1;
        QTest::newRow("letters first") << "a63" << 0 << 1;
        QTest::newRow("sign") << "+63" << 1 << 0;
        QTest::newRow("decimal") << "6.3" << 0 << 1;
        QTest::newRow("four digits") << "0063" << 1 << 0;
        QTest::newRow("a fourth digit") << "0634" << 0 << 1;   // 634, not 63
        QTest::newRow("blanks only") << "   " << 0 << 1;
    }
    void countTypedAnswers()
    {
        QFETCH(QString, typed);
        QFETCH(int, esatti);
        QFETCH(int, errati);
        shared().NumeroEsatti = 5;
        shared().NumeroErrati = 7;
        fakes.random->push({0.0, 0.37});
        auto *s = qobject_cast<HundredCountScreen *>(openScreen(QStringLiteral("FormC100")));
        QVERIFY(s);
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isVisible());
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QTest::keyClicks(s->Text1, typed);
        QTest::keyClick(s->Text1, Qt::Key_Return);
        QCOMPARE(int(s->esatti()), esatti);
        QCOMPARE(int(s->errati()), errati);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), esatti ? QStringLiteral(" 1") : QStringLiteral("0"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), errati ? QStringLiteral(" 1") : QStringLiteral("0"));
        QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled(), esatti == 1);
        QCOMPARE(s->Text1->isEnabled(), esatti == 0);
        QCOMPARE(shared().NumeroEsatti, 5);
        QCOMPARE(shared().NumeroErrati, 7);
    }

    void countLineStandsEdgeToEdge()
    {
        fakes.random->push({0.0, 0.37});
        auto *s = qobject_cast<HundredCountScreen *>(openScreen(QStringLiteral("FormC100")));
        QVERIFY(s);
        QVERIFY(QTest::qWaitForWindowActive(s));
        QVERIFY(s->Text1->hasFocus());
        QCOMPARE(s->EtichettaNumero0->pos(), twipsPoint(7380, 4080));
        QCOMPARE(s->Text1->x(), s->EtichettaNumero0->x() + s->EtichettaNumero0->width());
        QCOMPARE(s->Text1->y(), s->EtichettaNumero0->y());
        QCOMPARE(s->Text1->size(), twipsRect(0, 0, 975, 700).size());
        QCOMPARE(s->EtichettaNumero1->x(), s->Text1->x() + s->Text1->width());
        QCOMPARE(s->Text1->maxLength(), 4);
        // Each label is as wide as its text, and no wider than the design's.
        QVERIFY(s->EtichettaNumero0->width()
                >= s->EtichettaNumero0->fontMetrics().horizontalAdvance(QStringLiteral(" 37 + ")));
        QVERIFY(s->EtichettaNumero0->width() < px(1455));
        QCOMPARE(s->Numero[0]->geometry(), twipsRect(120, 240, 735, 735));
        QCOMPARE(s->Numero[99]->geometry(), twipsRect(120 + 6480, 240 + 6480, 735, 735));
        QCOMPARE(s->Numero[0]->font().pixelSize(), pointsToPixels(21.75));

        // Answered: "avanti" takes the focus; it brings a new line and the field back.
        QTest::keyClicks(s->Text1, QStringLiteral("63"));
        QTest::keyClick(s->Text1, Qt::Key_Return);
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->hasFocus());
        fakes.random->push({0.0, 0.05});
        QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
        QCOMPARE(s->EtichettaNumero0->text(), QStringLiteral(" 5 + "));
        QCOMPARE(s->Text1->x(), s->EtichettaNumero0->x() + s->EtichettaNumero0->width());
        QCOMPARE(s->Text1->text(), QString());
        QVERIFY(s->Text1->isEnabled());
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QCOMPARE(s->esatti(), 1);

        frameWidget<QAction>(s, "MenuAzzera")->trigger();
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral("0"));
        QCOMPARE(s->esatti(), 0);
        QCOMPARE(s->EtichettaNumero0->text(), QStringLiteral(" 5 + "));
    }
};

QTEST_MAIN(HundredTableTest)
#include "test_hundred_table.moc"
