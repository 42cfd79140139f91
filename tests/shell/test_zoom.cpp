#include "fakes.h"
#include "frame/navigation.h"
#include "frame/twips.h"
#include "shell/shell.h"
#include "shell/zoom.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

namespace {

struct Shot {
    QRect geometry;
    int fontPixels;
    bool visible;
};

// The client area of a screen: the central widget of an exercise screen, the
// window itself for the others.
QWidget *clientArea(QWidget *screen)
{
    if (auto *main = qobject_cast<QMainWindow *>(screen))
        return main->centralWidget();
    return screen;
}

// Every widget of the client area, in creation order, with its place and font.
QList<Shot> shoot(const QString &name, double zoom)
{
    closeAllScreens();
    Fakes f = installFakes();   // the same draws at both zooms
    f.display->available = QSize(3840, 2120);
    setZoom(zoom);
    QWidget *screen = openScreen(name);
    QList<Shot> shots;
    if (!screen)
        return shots;
    QWidget *area = clientArea(screen);
    for (QWidget *w : area->findChildren<QWidget *>()) {
        if (w->inherits("QMenu") || w->inherits("QMenuBar"))
            continue;
        shots.append({QRect(w->mapTo(area, QPoint(0, 0)), w->size()), w->font().pixelSize(),
                      w->isVisibleTo(area)});
    }
    // The menu bar's face grows too (its place is the window's own).
    if (auto *main = qobject_cast<QMainWindow *>(screen))
        shots.append({QRect(), main->menuBar()->fontInfo().pixelSize(), false});
    shots.append({QRect(QPoint(0, 0), area->size()), 0, true});
    return shots;
}

// One pixel of rounding; labels laid edge to edge after text measured in
// another font size may add up a pixel more every hundred.
bool within(int got, int want, int slack) { return std::abs(got - want) <= slack + want / 100; }

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerAllScreens(); }
    void init() { installFakes(); }
    void cleanup()
    {
        closeAllScreens();
        setZoom(1);
    }

    // The largest step at which the largest window fits the room the display
    // leaves (here the display less a 40-pixel panel).
    void automaticChoice_data()
    {
        QTest::addColumn<QSize>("display");
        QTest::addColumn<double>("zoom");
        QTest::newRow("800 x 600") << QSize(800, 600) << 1.0;
        QTest::newRow("1024 x 768") << QSize(1024, 768) << 1.0;
        QTest::newRow("1366 x 768") << QSize(1366, 768) << 1.0;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 1.25;
        QTest::newRow("2560 x 1440") << QSize(2560, 1440) << 1.75;
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << 2.5;
    }
    void automaticChoice()
    {
        QFETCH(QSize, display);
        QFETCH(double, zoom);
        QString warning;
        QCOMPARE(startZoom(std::nullopt, display - QSize(0, 40), &warning), zoom);
        QVERIFY(warning.isEmpty());
        QVERIFY(!readZoomRequest(std::nullopt).zoom && readZoomRequest(std::nullopt).error.isEmpty());
    }

    // --zoom takes a percentage of the steps, judged without a display;
    // anything else is refused with a message and the automatic zoom is used.
    // A zoom at which the largest window does not fit the 1920 x 1040 room
    // is said on standard error and the largest that fits (1.25) is used.
    void askedZoom_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("tooLarge");
        QTest::newRow("100") << "100" << 1.0 << false << false;
        QTest::newRow("125, the largest that fits") << "125" << 1.25 << false << false;
        QTest::newRow("150, one step too large") << "150" << 1.25 << false << true;
        QTest::newRow("small display, asked 250") << "250" << 1.25 << false << true;
        QTest::newRow("300") << "300" << 1.25 << false << true;
        QTest::newRow("between steps") << "160" << 1.25 << true << false;
        QTest::newRow("above") << "400" << 1.25 << true << false;
        QTest::newRow("not a number") << "grande" << 1.25 << true << false;
        QTest::newRow("empty") << "" << 1.25 << true << false;
        QTest::newRow("fraction") << "1.5" << 1.25 << true << false;
    }
    void askedZoom()
    {
        QFETCH(QString, asked);
        QFETCH(double, zoom);
        QFETCH(bool, refused);
        QFETCH(bool, tooLarge);
        const ZoomRequest request = readZoomRequest(asked);
        QCOMPARE(!request.error.isEmpty(), refused);
        QCOMPARE(!request.zoom, refused);
        if (refused)
            QVERIFY(request.error.contains(QStringLiteral("non valido")));
        QString warning;
        QCOMPARE(startZoom(request.zoom, QSize(1920, 1040), &warning), zoom);
        if (tooLarge)
            QCOMPARE(warning, QStringLiteral("tolvena: con lo zoom %1 le finestre non entrano nello "
                                             "schermo (1920 x 1040): uso lo zoom 125.").arg(asked));
        else
            QVERIFY2(warning.isEmpty(), qPrintable(warning));
    }

    // Every screen at zoom 2 is its zoom-1 self twice as large: places, sizes
    // and fonts, and nothing leaves its client area.
    void everyScreenDoublesAtZoomTwo_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : registeredScreens())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyScreenDoublesAtZoomTwo()
    {
        QFETCH(QString, name);
        const QList<Shot> one = shoot(name, 1);
        const QList<Shot> two = shoot(name, 2);
        QVERIFY(!one.isEmpty());
        QCOMPARE(two.size(), one.size());
        const QRect area = two.last().geometry;
        for (int i = 0; i < one.size(); ++i) {
            const QRect a = one[i].geometry, b = two[i].geometry;
            const QString where = QStringLiteral("%1 widget %2: %3 at zoom 1, %4 at zoom 2")
                                      .arg(name).arg(i)
                                      .arg(QStringLiteral("%1,%2 %3x%4").arg(a.x()).arg(a.y()).arg(a.width()).arg(a.height()),
                                           QStringLiteral("%1,%2 %3x%4").arg(b.x()).arg(b.y()).arg(b.width()).arg(b.height()));
            if (one[i].fontPixels > 0)
                QVERIFY2(within(two[i].fontPixels, 2 * one[i].fontPixels, 1), qPrintable(where));
            if (!one[i].visible)
                continue;   // not placed until it shows
            QVERIFY2(within(b.x(), 2 * a.x(), 1) && within(b.y(), 2 * a.y(), 1)
                         && within(b.width(), 2 * a.width(), 1)
                         && within(b.height(), 2 * a.height(), 1),
                     qPrintable(where));
            if (two[i].visible)
                QVERIFY2(area.contains(b), qPrintable(where));
        }
    }
};

QTEST_MAIN(ZoomTest)
#include "test_zoom.moc"
