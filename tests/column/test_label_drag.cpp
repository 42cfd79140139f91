#include "column/label_drag.h"
#include "frame/twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <memory>
#include <vector>

namespace {
struct Drop {
    QLabel *source;
    QWidget *target;
};

void hit(Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (int i = 0; i < times; ++i) {
        QTest::keyPress(static_cast<QWidget *>(nullptr), key, modifiers);
        QTest::keyRelease(static_cast<QWidget *>(nullptr), key, modifiers);
    }
}
} // namespace

// The drag controller on its own: two labels, four targets (one hidden),
// added out of reading order on purpose.
class LabelDragTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QWidget> area;
    LabelDrag *drag = nullptr;
    QLabel *first = nullptr, *second = nullptr;
    QLabel *right = nullptr, *left = nullptr, *top = nullptr, *hidden = nullptr;
    bool secondMayGo = true;
    std::vector<Drop> drops;

    QLabel *label(const char *name, QRect geometry)
    {
        auto *l = new QLabel(QString::fromLatin1(name), area.get());
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(geometry);
        return l;
    }

    bool build(double zoom)
    {
        setZoom(zoom);
        area = std::make_unique<QWidget>();
        area->resize(400, 300);
        drag = new LabelDrag(area.get());
        first = label("primo", QRect(10, 10, 40, 30));
        second = label("secondo", QRect(60, 10, 40, 30));
        right = label("destra", QRect(200, 150, 50, 50));
        left = label("sinistra", QRect(20, 150, 50, 50));
        top = label("alto", QRect(300, 80, 50, 50));
        hidden = label("nascosto", QRect(100, 150, 50, 50));
        hidden->hide();
        drag->addSource(first, [] { return true; });
        drag->addSource(second, [this] { return secondMayGo; });
        for (QLabel *t : {right, left, top, hidden})
            drag->addTarget(t);
        drag->dropped = [this](QLabel *s, QWidget *t) { drops.push_back({s, t}); };
        drag->refresh();
        area->show();
        area->activateWindow();
        return QTest::qWaitForWindowActive(area.get());
    }

private slots:
    void init()
    {
        drops.clear();
        secondMayGo = true;
    }
    void cleanup()
    {
        area.reset();
        setZoom(1);
    }

    // Targets in reading order, the hidden one left out, round both ways.
    void targetsInReadingOrder()
    {
        QVERIFY(build(1));
        QCOMPARE(QApplication::focusWidget(), first);
        hit(Qt::Key_Return);
        QVERIFY(drag->held());
        const std::vector<QWidget *> order = {top, left, right, top, left};
        for (QWidget *expected : order) {
            hit(Qt::Key_Tab);
            QCOMPARE(drag->keyTarget(), expected);
        }
        hit(Qt::Key_Up);
        QCOMPARE(drag->keyTarget(), top);
        hit(Qt::Key_Left);
        QCOMPARE(drag->keyTarget(), right);
        hit(Qt::Key_Down);
        QCOMPARE(drag->keyTarget(), top);
        QCOMPARE(QApplication::focusWidget(), first);
        QVERIFY(drops.empty());
        hit(Qt::Key_Space);
        QCOMPARE(drops.size(), size_t(1));
        QCOMPARE(drops[0].source, first);
        QCOMPARE(drops[0].target, top);
    }

    // The mouse and the keys end in the same call with the same pair.
    void mouseAndKeysDropAlike()
    {
        QVERIFY(build(1));
        hit(Qt::Key_Space);
        hit(Qt::Key_Backtab, 1, Qt::ShiftModifier);
        QCOMPARE(drag->keyTarget(), right);
        hit(Qt::Key_Return);
        QTest::mousePress(first, Qt::LeftButton, {}, QPoint(5, 5));
        const QPoint over = first->mapFromGlobal(right->mapToGlobal(QPoint(25, 25)));
        QTest::mouseMove(first, over);
        QTest::mouseRelease(first, Qt::LeftButton, {}, over);
        QCOMPARE(drops.size(), size_t(2));
        QCOMPARE(drops[0].source, drops[1].source);
        QCOMPARE(drops[0].target, drops[1].target);
        QCOMPARE(drops[1].target, right);
    }

    // Keys that must not pick up or let go: a held Enter's repeats, Enter
    // with Ctrl, any key on a label that may not be dragged now.
    void keysThatDoNothing()
    {
        QVERIFY(build(1));
        QTest::keyPress(first, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(!drag->held());
        hit(Qt::Key_Return);
        hit(Qt::Key_Tab);
        QTest::keyPress(first, Qt::Key_Return, Qt::NoModifier);   // no release: a held key
        QCOMPARE(drops.size(), size_t(1));
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(first, &repeat);
        QVERIFY(!drag->held());
        QCOMPARE(drops.size(), size_t(1));

        secondMayGo = false;
        drag->refresh();
        QCOMPARE(second->focusPolicy(), Qt::NoFocus);
        second->setFocus();
        QTest::keyClick(second, Qt::Key_Space);
        QVERIFY(!drag->held());
        QCOMPARE(second->accessibleDescription(), QString());
    }

    // The focus frame and the outline keep their look at every zoom.
    void framesFollowTheZoom_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("frame");     // focus frame width and gap, pixels
        QTest::addColumn<int>("outline");   // outline width, pixels
        QTest::newRow("1") << 1.0 << 3 << 2;
        QTest::newRow("2") << 2.0 << 6 << 4;
        QTest::newRow("3") << 3.0 << 9 << 6;
    }
    void framesFollowTheZoom()
    {
        QFETCH(double, zoom);
        QFETCH(int, frame);
        QFETCH(int, outline);
        QVERIFY(build(zoom));
        QFrame *focusFrame = drag->focusFrame();
        QVERIFY(focusFrame->isVisible());
        QCOMPARE(focusFrame->geometry(), QRect(10 - frame, 10 - frame, 40 + 2 * frame, 30 + 2 * frame));
        QVERIFY(focusFrame->styleSheet().contains(QStringLiteral("border: %1px solid").arg(frame)));
        QVERIFY(drag->outline()->styleSheet().contains(QStringLiteral("border: %1px dashed").arg(outline)));
        hit(Qt::Key_Space);
        hit(Qt::Key_Tab, 2);   // the left target, 20, 150, 50 x 50
        QCOMPARE(focusFrame->geometry(), QRect(20 - frame, 150 - frame, 50 + 2 * frame, 50 + 2 * frame));
        QCOMPARE(drag->outline()->geometry(), QRect(25, 160, 40, 30));
        hit(Qt::Key_Escape);
        QCOMPARE(focusFrame->geometry(), QRect(10 - frame, 10 - frame, 40 + 2 * frame, 30 + 2 * frame));
        first->clearFocus();
        QVERIFY(!focusFrame->isVisible());
    }
};

QTEST_MAIN(LabelDragTest)
#include "test_label_drag.moc"
