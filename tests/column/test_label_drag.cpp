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

    // The focus frame and the outline keep their look at every zoom; the
    // frame follows the keys, and a hidden target is passed over.
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
        hit(Qt::Key_Tab, 3);   // top, left, then right (200, 150, 50 x 50): not the hidden one
        QCOMPARE(focusFrame->geometry(), QRect(200 - frame, 150 - frame, 50 + 2 * frame, 50 + 2 * frame));
        QCOMPARE(drag->outline()->geometry(), QRect(205, 160, 40, 30));
        hit(Qt::Key_Escape);
        QCOMPARE(focusFrame->geometry(), QRect(10 - frame, 10 - frame, 40 + 2 * frame, 30 + 2 * frame));
        first->clearFocus();
        QVERIFY(!focusFrame->isVisible());
    }

    // The area hidden in the middle of a mouse drag: the pointer comes back
    // and the release finds nothing under way.
    void hidingEndsAMouseDrag()
    {
        QVERIFY(build(1));
        QTest::mousePress(second, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(second, QPoint(100, 150));
        QVERIFY(QApplication::overrideCursor());
        area->hide();
        QVERIFY(!drag->pressed());
        QVERIFY(!QApplication::overrideCursor());
        QTest::mouseRelease(second, Qt::LeftButton, {}, QPoint(100, 150));
        QVERIFY(drops.empty());
    }
};

QTEST_MAIN(LabelDragTest)
#include "test_label_drag.moc"
