#include "frame/twips.h"

#include <QTest>

class TwipsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setZoom(1); }

    // Design units to pixels at three zooms, rounding to the nearest with
    // halves up.
    void designUnitsAtEachZoom_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QList<int>>("twips");
        QTest::addColumn<QList<int>>("pixels");
        QTest::addColumn<QList<int>>("fontPixels");    // 12, 13.5, 14.25 pt
        QTest::addColumn<QList<int>>("designed");      // 1, 2, 32 design pixels
        QTest::addColumn<QRect>("rect");               // 15, 30, 1440, 9570 twips
        QTest::newRow("1") << 1.0 << QList<int>{7, 8, 15, 22, 23, 1440, 9570}
                           << QList<int>{0, 1, 1, 1, 2, 96, 638} << QList<int>{16, 18, 19}
                           << QList<int>{1, 2, 32} << QRect(1, 2, 96, 638);
        QTest::newRow("1.5") << 1.5 << QList<int>{4, 7, 9, 15, 1440, 9570}
                             << QList<int>{0, 1, 1, 2, 144, 957} << QList<int>{24, 27, 29}
                             << QList<int>{2, 3, 48} << QRect(2, 3, 144, 957);
        QTest::newRow("2") << 2.0 << QList<int>{3, 4, 7, 15, 1440, 9570}
                           << QList<int>{0, 1, 1, 2, 192, 1276} << QList<int>{32, 36, 38}
                           << QList<int>{2, 4, 64} << QRect(2, 4, 192, 1276);
    }
    void designUnitsAtEachZoom()
    {
        QFETCH(double, zoom);
        QFETCH(QList<int>, twips);
        QFETCH(QList<int>, pixels);
        QFETCH(QList<int>, fontPixels);
        QFETCH(QList<int>, designed);
        QFETCH(QRect, rect);
        setZoom(zoom);
        QCOMPARE(::zoom(), zoom);
        for (int i = 0; i < twips.size(); ++i)
            QCOMPARE(px(twips[i]), pixels[i]);
        QCOMPARE(pointsToPixels(12), fontPixels[0]);
        QCOMPARE(pointsToPixels(13.5), fontPixels[1]);
        QCOMPARE(pointsToPixels(14.25), fontPixels[2]);
        QCOMPARE(designPixels(1), designed[0]);
        QCOMPARE(designPixels(2), designed[1]);
        QCOMPARE(designPixels(32), designed[2]);
        QCOMPARE(twipsRect(15, 30, 1440, 9570), rect);
    }

    void zoomOutsideTheStepsIsRefused()
    {
        setZoom(0.5);
        QCOMPARE(zoom(), 1.0);
        setZoom(7);
        QCOMPARE(zoom(), 1.0);
        QCOMPARE(pxF(15), 1.0);
    }
};

QTEST_GUILESS_MAIN(TwipsTest)
#include "test_twips.moc"
