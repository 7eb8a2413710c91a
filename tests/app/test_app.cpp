#include "app/mainwindow.h"
#include "modulation/amplitudemodulatedsignal.h"
#include "pulsetrain/periodicsignaldependences.h"
#include "shape/signaldependence.h"
#include "testsupport.h"
#include "windowing/placement.h"

#include <QFileInfo>
#include <QProcess>
#include <QSlider>
#include <QTimer>
#include <QWindow>

#include <memory>

static const QStringList screenArguments = {
    QStringLiteral("-platform"), QStringLiteral("offscreen:configfile=" VELTARN_TEST_SCREEN)};

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    // Each slider's range, steps and starting position, and its "Репер" button bringing it
    // back there from a step away.
    void sliders()
    {
        const std::unique_ptr<QWidget> windows[] = {std::make_unique<periodicSignalDependences>(),
                                                    std::make_unique<signalDependence>(),
                                                    std::make_unique<amplitudeModulatedSignal>()};
        // Window, slider, its button: minimum, maximum, single step, page step, value.
        const std::tuple<int, const char *, const char *, QList<int>> sliders[] = {
            {0, "periodhorizontalSlider", "periodpushButton", {1, 25, 1, 1, 14}},
            {0, "lengthhorizontalSlider", "lengthpushButton", {1, 25, 1, 1, 3}},
            {1, "periodSlider", "reperPeriod", {0, 20, 1, 10, 16}},
            {1, "tau1Slider", "reperTau1", {0, 20, 1, 10, 4}},
            {1, "tau2Slider", "reperTau2", {0, 20, 1, 10, 3}},
            {2, "MSlider", "reperM", {0, 100, 1, 10, 50}},
            {2, "omegaMSlider", "reperomegaM", {0, 200, 1, 20, 75}},
            {2, "omegaNSlider", "reperomegaN", {500, 900, 1, 40, 750}}};
        for (const auto &[window, name, button, range] : sliders) {
            auto *s = windows[window]->findChild<QSlider *>(QLatin1String(name));
            QVERIFY2(s, name);
            QCOMPARE((QList<int>{s->minimum(), s->maximum(), s->singleStep(), s->pageStep(),
                                 s->value()}),
                     range);
            s->setValue(range[4] + 1);
            QCOMPARE(s->value(), range[4] + 1);
            windows[window]->findChild<QPushButton *>(QLatin1String(button))->click();
            QVERIFY2(s->value() == range[4], button);
        }
    }

    // "Выход" ends the process at once with status 0, however many windows are open; closing
    // the main menu through the window system ends the event loop with 0.
    void theProgramEnds()
    {
        QProcess helper;
        helper.start(QStringLiteral(VELTARN_EXIT_HELPER), screenArguments);
        QVERIFY(helper.waitForFinished(120000));
        QVERIFY2(helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 0,
                 qPrintable(helper.readAllStandardError()));
        QCOMPARE(helper.readAllStandardOutput(), QByteArray("every window open, pressing Выход\n"));
        MainWindow menu;
        veltarn::showFullScreen(menu);
        QTimer::singleShot(0, &menu, [&menu] {
            QCloseEvent close;
            QCoreApplication::sendEvent(menu.windowHandle(), &close);
        });
        QTimer stuck; // a loop the close did not end
        stuck.callOnTimeout([] { QCoreApplication::exit(5); });
        stuck.start(20000);
        QCOMPARE(QApplication::exec(), 0);
    }

    // Without a display the program says so in one line and fails; told its platform on the
    // command line, it starts and waits for the lecturer.
    void startWithoutDisplay()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("DISPLAY"), QString()); // set but empty is no display either
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VELTARN_EXECUTABLE));
        QVERIFY(program.waitForFinished(60000));
        QVERIFY(program.exitStatus() == QProcess::NormalExit && program.exitCode() != 0);
        const QByteArray err = program.readAllStandardError();
        QVERIFY2(err.endsWith('\n') && err.count('\n') == 1 && err.contains("DISPLAY") &&
                     err.contains("WAYLAND_DISPLAY"),
                 err.constData());
        program.start(QStringLiteral(VELTARN_EXECUTABLE), screenArguments);
        QVERIFY2(!program.waitForFinished(3000), program.readAllStandardError().constData());
        program.kill();
        program.waitForFinished();
    }

    // A display named but not there (no server at :99): one Russian line naming it and status
    // 1, not the toolkit's abort; the same for one named on the command line.
    void unreachableDisplay_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("DISPLAY=:99") << ":99" << QStringList();
        QTest::newRow("-display :98") << ":1" << QStringList{"-display", ":98"};
    }
    void unreachableDisplay()
    {
        QFETCH(QString, display);
        QFETCH(QStringList, arguments);
        const QString named = arguments.isEmpty() ? display : arguments.last();
        if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + named.mid(1)))
            QSKIP("an X server runs at that display here");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("DISPLAY"), display);
        env.remove(QStringLiteral("QT_FATAL_WARNINGS")); // as a user runs it
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VELTARN_EXECUTABLE), arguments);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(err.endsWith('\n') && err.count('\n') == 1 &&
                     err.startsWith(QStringLiteral("veltarn: не удаётся открыть дисплей ") + named +
                                    QLatin1Char(':')),
                 qPrintable(err));
    }
};

VELTARN_TEST_MAIN(TestApp)
#include "test_app.moc"
