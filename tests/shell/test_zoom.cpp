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

// One row a registered screen.
void everyScreen()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : registeredScreens())
        QTest::newRow(qPrintable(name)) << name;
}

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

    // The frame of every family stands where its design puts it: the happy
    // and sad faces, "Esatti", its counter, "Errati", its counter and
    // "avanti", in twips, read at zoom 3 (5 twips a pixel, so no rounding).
    void frameStandsAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<QPoint>>("places");
        auto row = [](const char *name, QList<QPoint> places) {
            QTest::newRow(name) << QString::fromLatin1(name) << places;
        };
        row("Form20", {{8940, 600}, {8880, 630}, {8640, 1755}, {9480, 1650}, {8640, 2280}, {9480, 2175}, {8280, 6360}});
        row("Form22", {{8460, 120}, {8400, 150}, {8160, 1275}, {9000, 1170}, {8160, 1800}, {9000, 1695}, {7800, 5880}});
        row("Form23", {{9270, 480}, {9210, 510}, {8970, 1635}, {9810, 1530}, {8970, 2160}, {9810, 2055}, {9090, 6600}});
        row("Form33", {{9900, 2760}, {9840, 2790}, {9600, 3915}, {10440, 3810}, {9600, 4440}, {10440, 4335}, {8880, 6600}});
        row("Form99d", {{9420, 360}, {9360, 390}, {9120, 1515}, {9960, 1410}, {9120, 2040}, {9960, 1935}, {9000, 6960}});
        row("Form500g", {{9180, 120}, {9120, 150}, {8880, 1275}, {9720, 1170}, {8880, 1800}, {9720, 1695}, {8760, 6480}});
        row("FormBarreTolvena", {{9060, 240}, {9000, 270}, {8760, 1395}, {9600, 1290}, {8760, 1920}, {9600, 1815}, {8880, 6360}});
        row("FormGrafMeno1", {{9060, 360}, {9000, 390}, {8760, 1515}, {9600, 1410}, {8760, 2040}, {9600, 1935}, {8640, 6840}});
        row("Form100d", {{8940, 360}, {8880, 390}, {8640, 1515}, {9480, 1410}, {8640, 2040}, {9480, 1935}, {9360, 6480}});
        row("FormC100", {{8940, 360}, {8880, 390}, {8640, 1515}, {9480, 1410}, {8640, 2040}, {9480, 1935}, {9360, 6480}});
        row("Formcomponi10", {{8970, 360}, {8910, 390}, {8670, 1515}, {9510, 1410}, {8670, 2040}, {9510, 1935}, {8790, 6480}});
    }
    void frameStandsAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QList<QPoint>, places);
        const char *controls[] = {"ComandoIconaSi", "ComandoIconaNo", "Label1", "EtichettaEsatti",
                                  "Label2", "EtichettaErrati", "BottoneAvanti"};
        const QSize sizes[] = {{1095, 975}, {1095, 975}, {735, 375}, {975, 615},
                               {735, 495}, {855, 615}, {1935, 975}};
        setZoom(3);
        QWidget *screen = openScreen(name);
        QVERIFY(screen);
        for (int i = 0; i < 7; ++i) {
            auto *w = screen->findChild<QWidget *>(QLatin1String(controls[i]));
            QVERIFY2(w, controls[i]);
            const QRect r = w->geometry();
            QCOMPARE(QRect(r.x() * 5, r.y() * 5, r.width() * 5, r.height() * 5), QRect(places[i], sizes[i]));
        }
    }

    // On an 800 x 600 display every window fits at zoom 1, frame and menu bar
    // included.
    void everyScreenFits800x600_data() { everyScreen(); }
    void everyScreenFits800x600()
    {
        QFETCH(QString, name);
        Fakes f = installFakes();
        f.display->available = QSize(800, 600);
        setZoom(1);
        QWidget *screen = openScreen(name);
        QVERIFY(screen);
        const QSize size = screen->frameGeometry().size();
        QVERIFY2(size.width() <= 800 && size.height() <= 600,
                 qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
    }

    // Every screen at zoom 2 is its zoom-1 self twice as large: places, sizes
    // and fonts, and nothing leaves its client area.
    void everyScreenDoublesAtZoomTwo_data() { everyScreen(); }
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
