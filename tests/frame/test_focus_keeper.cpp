// Where the keys go when the control that held them closes or is busy.

#include "fakes.h"
#include "frame/focus_keeper.h"

#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {
// A window with an answer field, a button and "avanti" in its client area.
class Window final : public QMainWindow {
public:
    QWidget *area = new QWidget(this);
    QLineEdit *field = new QLineEdit(area);
    QPushButton *button = new QPushButton(area);
    QPushButton *avanti = new QPushButton(area);
    QAction *command = menuBar()->addAction(QStringLiteral("Azzera"));
    FocusKeeper keys{this, area, avanti};
    Window()
    {
        setCentralWidget(area);
        keys.setAnswerField(field);
    }

protected:
    bool focusNextPrevChild(bool next) override
    {
        return keys.moveOn(next) || QMainWindow::focusNextPrevChild(next);
    }
};
} // namespace

class FocusKeeperTest : public QObject {
    Q_OBJECT

private slots:
    void keysNeverRestOnAClosedControl_data()
    {
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("fieldOpen");
        QTest::addColumn<QString>("keys");
        QTest::newRow("hidden: to the field") << "button" << "hide" << true << "field";
        QTest::newRow("hidden, no field: to the area") << "button" << "hide" << false << "area";
        QTest::newRow("disabled: to the field") << "button" << "disable" << true << "field";
        QTest::newRow("avanti disabled: never the next control") << "avanti" << "disable" << false << "area";
        QTest::newRow("the field disabled: to the area") << "field" << "disable" << true << "area";
        QTest::newRow("menu closed: back") << "button" << "menu closed" << true << "button";
        QTest::newRow("command closed it: to the field") << "button" << "command hides" << true << "field";
        QTest::newRow("command closed it, no field") << "button" << "command hides" << false << "area";
        QTest::newRow("box closed: back") << "avanti" << "command shows a box" << true << "avanti";
        QTest::newRow("animation: parked and back") << "button" << "park" << true << "button";
        QTest::newRow("animation from the menu bar: not back to it") << "bar" << "park" << true << "field";
        QTest::newRow("typed meanwhile: stays") << "button" << "park, type" << true << "field";
        QTest::newRow("moved meanwhile: stays") << "button" << "park, move" << true << "avanti";
        QTest::newRow("Shift+Tab from avanti, no field") << "avanti" << "Shift+Tab" << false << "area";
        QTest::newRow("Shift+Tab from avanti, field") << "avanti" << "Shift+Tab" << true << "button";
    }
    void keysNeverRestOnAClosedControl()
    {
        QFETCH(QString, held);
        QFETCH(QString, event);
        QFETCH(bool, fieldOpen);
        QFETCH(QString, keys);
        Window w;
        const QHash<QString, QWidget *> at{{"field", w.field}, {"button", w.button}, {"avanti", w.avanti},
                                           {"bar", w.menuBar()}, {"area", w.area}};
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QWidget *holder = at[held];
        holder->setFocus();
        w.field->setEnabled(fieldOpen || holder == w.field);
        FakeMessageBoxes boxes;
        QObject::connect(w.command, &QAction::triggered, &w, [&] {
            if (event == "command hides")
                holder->hide();
            else
                boxes.show(&w, QStringLiteral("?"), {}, MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
        });
        w.keys.watchMenuBar();   // after the window's own commands, as a screen does
        if (event == "hide")
            holder->hide();
        if (event == "disable")
            holder->setEnabled(false);
        if (event == "Shift+Tab")
            QTest::keyClick(holder, Qt::Key_Tab, Qt::ShiftModifier);
        if (event.startsWith("menu") || event.startsWith("command"))
            w.menuBar()->setFocus();
        if (event == "menu closed")
            QTest::keyClick(w.menuBar(), Qt::Key_Escape);
        if (event.startsWith("command"))
            w.command->trigger();
        if (event.startsWith("park")) {
            w.keys.park();
            QCOMPARE(QApplication::focusWidget(), w.keys.restingPlace());
            if (event == "park, type")
                QTest::keyClick(w.field, Qt::Key_5);
            if (event == "park, move")
                w.avanti->setFocus();
            w.keys.unpark();
        }
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), at[keys]);
    }
};

QTEST_MAIN(FocusKeeperTest)
#include "test_focus_keeper.moc"
