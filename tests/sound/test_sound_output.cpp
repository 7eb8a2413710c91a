// Plays through a sound server of its own with a null sink and records the sink's monitor.
// Without the server and recorder programs it skips.

#include "lecture/windowkeys.h"
#include "modulation/amplitudemodulatedsignal.h"
#include "pulsetrain/periodicsignaldependences.h"
#include "sound/soundcontroller.h"
#include "sound/spectrum.h"
#include "sound/tonegenerator.h"
#include "soundprobes.h"
#include "soundserver.h"
#include "testsupport.h"
#include "windowing/notice.h"

#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>

using soundprobes::rate;

class TestSoundOutput : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QProcess server;

    void startServer()
    {
        QVERIFY2(soundserver::start(server, dir, {"module-null-sink sink_name=veltarn rate=48000"}),
                 server.readAll().constData());
    }

    // The last second of 1.6 recorded from the monitor.
    void recordMonitor(std::vector<double> &x)
    {
        const QString path = dir.filePath(QStringLiteral("monitor.raw"));
        QProcess parec;
        parec.setStandardOutputFile(path);
        parec.start(QStringLiteral("parec"), {"--device=veltarn.monitor", "--raw", "--format=s16le",
                                              "--rate=48000", "--channels=1", "--latency-msec=20"});
        QVERIFY(parec.waitForStarted(5000));
        QVERIFY(
            QTest::qWaitFor([&] { return QFileInfo(path).size() >= 2 * rate * 16 / 10; }, 10000));
        parec.kill();
        parec.waitForFinished(5000);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        x.clear();
        for (int i = (bytes.size() & ~1) - 2 * rate; i < bytes.size(); i += 2)
            x.push_back(qint16(quint8(bytes[i]) | (quint8(bytes[i + 1]) << 8)) / 32768.0);
    }

    // Why the recorded power does not sit on the multiples of f0, or nothing.
    static QString offTheLines(const std::vector<double> &x, double f0)
    {
        const auto at = [&x](double f) { return std::abs(soundprobes::toneAt(x, f)); };
        double power = 0.0, inLines = 0.0, between = 0.0;
        for (const double v : x)
            power += v * v / double(x.size());
        for (int n = 1; n * f0 < sound::bandLimit * rate; ++n) {
            inLines += at(n * f0) * at(n * f0) / 2;
            between += at((n - 0.5) * f0) * at((n - 0.5) * f0) / 2;
        }
        if (inLines >= 0.8 * power && between <= 0.05 * power && power > 0.005)
            return {};
        return QStringLiteral("power %1, in the lines %2, between them %3")
            .arg(power)
            .arg(inLines)
            .arg(between);
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty())
            QSKIP("no sound server program (pulseaudio, parec) to test with");
        QVERIFY(soundserver::prepare(server, dir));
        startServer();
        qputenv("PULSE_SERVER",
                QFile::encodeName(QStringLiteral("unix:") + soundserver::socket(dir)));
    }

    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("."))); }

    void cleanupTestCase()
    {
        server.terminate();
        server.waitForFinished(5000);
    }

    // Started at the reference and moved while playing: the recorded power sits on the
    // expected fundamental's multiples.
    void recordedFundamental_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("length");
        QTest::newRow("reference: 220 Hz") << 14 << 3;
        QTest::newRow("moved to T 25: 123.2 Hz") << 25 << 1;
    }
    void recordedFundamental()
    {
        QFETCH(int, period);
        QFETCH(int, length);
        periodicSignalDependences w;
        QVERIFY(soundprobes::show(w, QSize(1200, 800)));
        auto *button = w.findChild<QPushButton *>(QStringLiteral("sound"));
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        sound::Controller *c = sound::controllerOf(&w);
        QVERIFY(c->isPlaying() && button->isChecked());
        QTest::qWait(200);
        w.findChild<QSlider *>(QStringLiteral("lengthhorizontalSlider"))->setValue(1);
        w.findChild<QSlider *>(QStringLiteral("periodhorizontalSlider"))->setValue(period);
        w.findChild<QSlider *>(QStringLiteral("lengthhorizontalSlider"))->setValue(length);

        std::vector<double> x;
        recordMonitor(x);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(c->isPlaying(), qPrintable(button->toolTip()));
        const QString off = offTheLines(x, sound::trainFundamental(period));
        QVERIFY2(off.isEmpty(), qPrintable(off));
        c->toggle();
        QVERIFY(!c->isPlaying() && !button->isChecked());
    }

    // S, or Ы in the Russian layout, starts a window's sound; one window sounds at a time;
    // "Главное меню" stops the sound of the window it closes.
    void oneAtATimeAndStopOnClose()
    {
        periodicSignalDependences a;
        amplitudeModulatedSignal b;
        QVERIFY(soundprobes::show(a, QSize(1200, 800)) && soundprobes::show(b, QSize(1200, 800)));
        sound::Controller *ca = sound::controllerOf(&a);
        sound::Controller *cb = sound::controllerOf(&b);
        for (QWidget *w : {static_cast<QWidget *>(&a), static_cast<QWidget *>(&b)}) {
            lecture::WindowKeys::attach(*w);
            const bool russian = w == &b;
            QTest::sendKeyEvent(QTest::Click, w->focusWidget() ? w->focusWidget() : w,
                                russian ? Qt::Key(0x042B) : Qt::Key_S,
                                russian ? QStringLiteral("ы") : QStringLiteral("s"), {});
            QVERIFY(sound::controllerOf(w)->isPlaying());
        }
        QVERIFY(!ca->isPlaying());
        QVERIFY(!a.findChild<QPushButton *>(QStringLiteral("sound"))->isChecked());
        b.findChild<QPushButton *>(QStringLiteral("pushButton"))->click();
        QVERIFY(!cb->isPlaying() &&
                !b.findChild<QPushButton *>(QStringLiteral("sound"))->isChecked());
        ca->toggle();
        QVERIFY(ca->isPlaying());
        a.hide(); // a window out of sight falls silent too
        QVERIFY(!ca->isPlaying());
    }

    // The server stops while a window sounds and starts again: a notice says why the sound
    // stopped, a window made meanwhile shows the reason and says it on S, and once the server is
    // back every window's button works again and is heard.
    void serverStopsAndComesBack()
    {
        periodicSignalDependences w;
        QVERIFY(soundprobes::show(w, QSize(1200, 800)));
        auto *button = w.findChild<QPushButton *>(QStringLiteral("sound"));
        sound::Controller *c = sound::controllerOf(&w);
        QSignalSpy notices(c, &sound::Controller::noticeShown);
        c->toggle();
        QVERIFY(c->isPlaying());
        const QString playTip = button->toolTip();

        // The toolkit's sound backend says so when the connection drops.
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("Connection terminated")));
        server.terminate();
        QVERIFY(server.waitForFinished(5000));
        QTRY_VERIFY_WITH_TIMEOUT(!c->isPlaying(), 10000);
        QVERIFY(!button->isChecked() && !button->isEnabled());
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices[0][0].toString().startsWith(QStringLiteral("Звук остановлен")),
                 qPrintable(notices[0][0].toString()));
        const auto *notice = w.findChild<QLabel *>(QLatin1String(veltarn::noticeName));
        QVERIFY(notice && notice->isVisible() && notice->text() == notices[0][0].toString());
        QVERIFY(button->toolTip() != playTip);

        {
            periodicSignalDependences meanwhile;
            auto *off = meanwhile.findChild<QPushButton *>(QStringLiteral("sound"));
            QVERIFY(!off->isEnabled() && off->toolTip() == button->toolTip());
            sound::Controller *m = sound::controllerOf(&meanwhile);
            QSignalSpy told(m, &sound::Controller::noticeShown);
            m->toggle(); // what S does
            QVERIFY(!m->isPlaying() && told.size() == 1 && told[0][0] == off->toolTip());
        }

        startServer();
        QTRY_VERIFY2_WITH_TIMEOUT(button->isEnabled(), qPrintable(button->toolTip()), 30000);
        QCOMPARE(button->toolTip(), playTip);
        periodicSignalDependences after;
        QVERIFY(after.findChild<QPushButton *>(QStringLiteral("sound"))->isEnabled());

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(c->isPlaying() && button->isChecked());
        std::vector<double> x;
        recordMonitor(x);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(c->isPlaying(), qPrintable(button->toolTip()));
        const QString off = offTheLines(x, sound::trainFundamental(14));
        QVERIFY2(off.isEmpty(), qPrintable(off));
        c->toggle();
        QVERIFY(!c->isPlaying());
    }
};

VELTARN_TEST_MAIN(TestSoundOutput)
#include "test_sound_output.moc"
