// The display switch: the choices it makes, checked without a display, and
// the real service on whatever platform the test runs (offscreen in the
// ordinary run, an Xvfb server in the run under xvfb-run).
#include "fakes.h"
#include "platform/linux/display_modes.h"
#include "frame/services.h"
#include "shell/shell.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#ifdef TOLVENA_HAVE_RANDR
#include <QtGui/qguiapplication_platform.h>
#include <xcb/randr.h>
#include <xcb/xcb.h>
#endif

namespace {

#ifdef TOLVENA_HAVE_RANDR
xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The size of the X screen as the server tells it, read afresh.
QSize rootSize(xcb_connection_t *c)
{
    const xcb_screen_t *s = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    xcb_get_geometry_reply_t *g =
        xcb_get_geometry_reply(c, xcb_get_geometry(c, s->root), nullptr);
    const QSize size = g ? QSize(g->width, g->height) : QSize();
    std::free(g);
    return size;
}

bool hasRandr(xcb_connection_t *c)
{
    const xcb_query_extension_reply_t *ext = xcb_get_extension_data(c, &xcb_randr_id);
    return ext && ext->present;
}
#endif

DisplayMode mode(std::uint32_t id, int w, int h, double hz) { return {id, w, h, hz}; }

} // namespace

class DisplayTest : public QObject {
    Q_OBJECT
private slots:
    void refreshOfAModeLine_data()
    {
        QTest::addColumn<uint>("clock");
        QTest::addColumn<int>("htotal");
        QTest::addColumn<int>("vtotal");
        QTest::addColumn<bool>("interlace");
        QTest::addColumn<bool>("doubleScan");
        QTest::addColumn<double>("hz");
        QTest::newRow("VESA 800x600@60") << 40000000u << 1056 << 628 << false << false << 60.3161;
        QTest::newRow("VESA 800x600@72") << 50000000u << 1040 << 666 << false << false << 72.1881;
        QTest::newRow("interlaced fields") << 13500000u << 858 << 525 << true << false << 59.9401;
        QTest::newRow("double scan") << 25175000u << 800 << 525 << false << true << 29.9702;
        QTest::newRow("no totals (Xvfb)") << 0u << 0 << 0 << false << false << 0.0;
        QTest::newRow("no vertical total") << 40000000u << 1056 << 0 << false << false << 0.0;
    }
    void refreshOfAModeLine()
    {
        QFETCH(uint, clock);
        QFETCH(int, htotal);
        QFETCH(int, vtotal);
        QFETCH(bool, interlace);
        QFETCH(bool, doubleScan);
        QFETCH(double, hz);
        QVERIFY2(qAbs(refreshRate(clock, htotal, vtotal, interlace, doubleScan) - hz) < 0.001,
                 qPrintable(QString::number(refreshRate(clock, htotal, vtotal, interlace, doubleScan))));
    }

    void pickingTheMode_data()
    {
        QTest::addColumn<double>("current");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("chosen");   // id, 0 for none
        QTest::newRow("closest to 60") << 60.0 << 800 << 600 << 11;
        QTest::newRow("closest to 75") << 75.0 << 800 << 600 << 13;
        QTest::newRow("closest to 71") << 71.0 << 800 << 600 << 12;
        QTest::newRow("rate unknown: the lowest") << 0.0 << 800 << 600 << 10;
        QTest::newRow("only exact sizes") << 60.0 << 1024 << 768 << 20;
        QTest::newRow("turned size is another size") << 60.0 << 600 << 800 << 0;
        QTest::newRow("missing size") << 60.0 << 640 << 480 << 0;
        QTest::newRow("width alone is not enough") << 60.0 << 800 << 768 << 0;
    }
    void pickingTheMode()
    {
        QFETCH(double, current);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, chosen);
        const std::vector<DisplayMode> offered{
            mode(20, 1024, 768, 60.0), mode(10, 800, 600, 56.25), mode(11, 800, 600, 60.32),
            mode(12, 800, 600, 72.19), mode(13, 800, 600, 75.0), mode(30, 1280, 600, 60.0)};
        const auto m = pickMode(offered, width, height, current);
        QCOMPARE(m ? int(m->id) : 0, chosen);
    }

    void aTieGoesToTheFirstOffered()
    {
        const std::vector<DisplayMode> offered{mode(7, 800, 600, 50.0), mode(8, 800, 600, 70.0)};
        QCOMPARE(int(pickMode(offered, 800, 600, 60.0)->id), 7);
        QVERIFY(!pickMode({}, 800, 600, 60.0));
    }

    void choosingTheOutput_data()
    {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<int>("primary");
        QTest::addColumn<int>("index");
        QTest::newRow("named like the screen") << "HDMI-1" << 101 << 2;
        QTest::newRow("name of a dark output") << "DP-1" << 101 << 1;
        QTest::newRow("unknown name: primary") << "VGA-9" << 101 << 1;
        QTest::newRow("no name, no primary") << "" << 0 << 1;
        QTest::newRow("primary is dark") << "" << 100 << 1;
    }
    void choosingTheOutput()
    {
        QFETCH(QString, screenName);
        QFETCH(int, primary);
        QFETCH(int, index);
        const std::vector<OutputChoice> outputs{
            {100, "eDP-1", true, 0},      // connected but switched off
            {101, "DP-2", true, 50},
            {102, "HDMI-1", true, 51},
            {103, "DP-1", false, 0},      // nothing plugged in
        };
        QCOMPARE(chooseOutput(outputs, screenName, std::uint32_t(primary)), index);
    }

    void noLitOutputIsNoChoice()
    {
        const std::vector<OutputChoice> outputs{{1, "a", true, 0}, {2, "b", false, 9}};
        QCOMPARE(chooseOutput(outputs, "a", 1), -1);
        QCOMPARE(chooseOutput({}, "a", 1), -1);
    }

    void desktopSize_data()
    {
        QTest::addColumn<QList<QRect>>("crtcs");
        QTest::addColumn<QSize>("size");
        QTest::newRow("one output") << QList<QRect>{{0, 0, 800, 600}} << QSize(800, 600);
        QTest::newRow("side by side")
            << QList<QRect>{{0, 0, 800, 600}, {800, 0, 1280, 1024}} << QSize(2080, 1024);
        QTest::newRow("below the minimum") << QList<QRect>{{0, 0, 200, 100}} << QSize(320, 200);
        QTest::newRow("beyond the maximum") << QList<QRect>{{4000, 0, 800, 600}} << QSize();
        QTest::newRow("nothing lit") << QList<QRect>{} << QSize(320, 200);
    }
    void desktopSize()
    {
        QFETCH(QList<QRect>, crtcs);
        QFETCH(QSize, size);
        const std::vector<QRect> rects(crtcs.begin(), crtcs.end());
        QCOMPARE(desktopSizeFor(rects, QSize(320, 200), QSize(4096, 4096)), size);
    }

    // The real service, wherever this runs.
    void neverAskedForARestart()
    {
        Services real = qtServices();
        for (const QSize s : {QSize(800, 600), QSize(0, 0), QSize(-800, 600), QSize(70000, 600)})
            QVERIFY(real.display->changeMode(s.width(), s.height()) != 1);
    }

    void offTheX11WindowSystemNothingSwitches()
    {
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            QSKIP("running on X11: the X11 checks below apply instead");
        Services real = qtServices();
        QCOMPARE(real.display->changeMode(800, 600), ModeSwitch::NotX11);
        QCOMPARE(real.display->changeMode(1024, 768), ModeSwitch::NotX11);
    }

    void onX11ASizeTheOutputLacksIsRefused()
    {
#ifdef TOLVENA_HAVE_RANDR
        xcb_connection_t *c = x11Connection();
        if (!c)
            QSKIP("not running on X11 (run under xvfb-run for this check)");
        const QSize before = rootSize(c);
        if (before == QSize(800, 600))
            QSKIP("the X screen is already 800 x 600; start Xvfb at 640x480");
        Services real = qtServices();
        const int code = real.display->changeMode(800, 600);
        QVERIFY2(code < 0, qPrintable(QString::number(code)));
        QCOMPARE(code, hasRandr(c) ? ModeSwitch::NoMode : ModeSwitch::NoRandr);
        QCOMPARE(rootSize(c), before);   // nothing changed
        QCOMPARE(real.display->widthPixels(), before.width());
#else
        QSKIP("built without xcb-randr");
#endif
    }

    void onX11TheCurrentSizeIsAlreadySet()
    {
#ifdef TOLVENA_HAVE_RANDR
        xcb_connection_t *c = x11Connection();
        if (!c)
            QSKIP("not running on X11 (run under xvfb-run for this check)");
        if (!hasRandr(c)) {
            Services real = qtServices();
            QCOMPARE(real.display->changeMode(rootSize(c).width(), rootSize(c).height()),
                     ModeSwitch::NoRandr);
            QSKIP("this X server has no RandR: only the refusal was checked");
        }
        const QSize before = rootSize(c);
        Services real = qtServices();
        QCOMPARE(real.display->changeMode(before.width(), before.height()), ModeSwitch::Done);
        QCOMPARE(real.display->changeMode(before.width(), before.height()), ModeSwitch::Done);
        QCOMPARE(rootSize(c), before);
#else
        QSKIP("built without xcb-randr");
#endif
    }

    void theSplashScreenTellsTheRefusal()
    {
        // The splash screen with the real display and scripted answers: on the
        // 640 x 480 Xvfb it asks, and after Yes says the mode is not there.
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("not running on X11 (run under xvfb-run for this check)");
        if (QGuiApplication::primaryScreen()->geometry().width() >= 800)
            QSKIP("the X screen is 800 pixels wide or more: no question is asked");
        Fakes f = installFakes();
        Services real = qtServices();
        installServices(Services{.display = std::move(real.display)});
        f.messages->answers = {MessageBoxes::Answer::Yes};
        FormAvvio avvio;
        QCOMPARE(f.messages->shown.size(), 2);
        QCOMPARE(f.messages->shown[0].title, QStringLiteral("software didattico - Velandri"));
        QCOMPARE(f.messages->shown[1].text, QStringLiteral("Risoluzione non supportata"));
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().width(), 640);
    }
};

QTEST_MAIN(DisplayTest)
#include "test_display.moc"
