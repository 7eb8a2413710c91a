// The sound on a real output: the test starts a sound server of its own with a null sink, plays
// through it and records the sink's monitor. Without the server and recorder programs it skips.

#include "modulation/amplitudemodulatedsignal.h"
#include "pulsetrain/periodicsignaldependences.h"
#include "pulsetrain/pulsetrainsignal.h"
#include "sound/soundcontroller.h"
#include "sound/spectrum.h"
#include "sound/tonegenerator.h"
#include "soundprobes.h"
#include "testsupport.h"

#include <QDir>
#include <QLayout>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

namespace
{

using soundprobes::rate;

double magnitudeAt(const std::vector<double> &x, double f)
{
    return std::abs(soundprobes::toneAt(x, f));
}

std::unique_ptr<QWidget> shown(QWidget *w)
{
    w->resize(1200, 800);
    w->ensurePolished();
    w->layout()->activate(); // before showing: the offscreen platform warns otherwise
    w->show();
    return std::unique_ptr<QWidget>(w);
}

QPushButton *button(QWidget &w)
{
    return w.findChild<QPushButton *>(QStringLiteral("sound"));
}

} // namespace

class TestSoundOutput : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QProcess server;
    QString socket;

    // The last second of `seconds` of sound recorded from the null sink's monitor, in [−1, 1];
    // bounded by ten seconds of waiting, however slow the machine.
    std::vector<double> record(double seconds)
    {
        const QString path = dir.filePath(QStringLiteral("monitor.raw"));
        QFile::remove(path);
        QProcess parec;
        parec.setStandardOutputFile(path);
        parec.start(QStringLiteral("parec"),
                    {QStringLiteral("--device=veltarn.monitor"), QStringLiteral("--raw"),
                     QStringLiteral("--format=s16le"), QStringLiteral("--rate=48000"),
                     QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
        if (!parec.waitForStarted(5000))
            return {};
        const auto wanted = qint64(seconds * rate) * 2;
        const bool full = QTest::qWaitFor([&] { return QFileInfo(path).size() >= wanted; }, 10000);
        parec.terminate();
        if (!parec.waitForFinished(5000)) {
            parec.kill();
            parec.waitForFinished(5000);
        }
        QFile file(path);
        if (!full || !file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.readAll();
        std::vector<double> x;
        for (int i = 0; i + 1 < bytes.size(); i += 2)
            x.push_back(qint16(quint8(bytes[i]) | (quint8(bytes[i + 1]) << 8)) / 32768.0);
        if (x.size() > std::size_t(rate))
            x.erase(x.begin(), x.end() - rate);
        return x;
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty())
            QSKIP("no sound server program (pulseaudio, parec) to test with");
        QVERIFY(dir.isValid());
        QDir(dir.path()).mkdir(QStringLiteral("run"));
        QFile::setPermissions(dir.filePath(QStringLiteral("run")), QFileDevice::ReadOwner |
                                                                       QFileDevice::WriteOwner |
                                                                       QFileDevice::ExeOwner);
        socket = dir.filePath(QStringLiteral("run/native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("run")));
        server.setProcessEnvironment(env);
        server.setProcessChannelMode(QProcess::MergedChannels);
        server.start(QStringLiteral("pulseaudio"),
                     {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                      QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                      QStringLiteral("--disable-shm=yes"), QStringLiteral("--log-target=stderr"),
                      QStringLiteral("--load=module-null-sink sink_name=veltarn rate=48000"),
                      QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 "
                                     "socket=") +
                          socket});
        QVERIFY(server.waitForStarted(5000));
        QVERIFY2(QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 10000),
                 server.readAll().constData());
        qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + socket));
    }

    void cleanupTestCase()
    {
        if (server.state() != QProcess::NotRunning) {
            server.terminate();
            if (!server.waitForFinished(5000)) {
                server.kill();
                server.waitForFinished(5000);
            }
        }
    }

    // Started at the reference state and moved while playing, the recorded sound is the window's
    // spectrum: lines at the fundamental's multiples with the heights the plot draws, and next
    // to nothing between them. The tolerances leave room for dropouts on a busy machine.
    void recordedFundamental_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("length");
        QTest::newRow("reference train: 220 Hz") << 14 << 3;
        QTest::newRow("moved to T 25: 123.2 Hz") << 25 << 1;
        QTest::newRow("moved to T 7: 440 Hz") << 7 << 2;
    }
    void recordedFundamental()
    {
        QFETCH(int, period);
        QFETCH(int, length);
        std::unique_ptr<QWidget> w = shown(new periodicSignalDependences);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QVERIFY(button(*w)->isEnabled());
        QTest::mouseClick(button(*w), Qt::LeftButton);
        sound::Controller *c = sound::controllerOf(w.get());
        QVERIFY(c->isPlaying() && button(*w)->isChecked());
        // Sink buffer and one fade together stay under the 50 ms in which a move is heard.
        const qint64 buffered = c->outputBufferBytes();
        QVERIFY(buffered > 0 && buffered / 2.0 / rate + sound::rampSeconds <= 0.05);
        QTest::qWait(200);
        w->findChild<QSlider *>(QStringLiteral("lengthhorizontalSlider"))->setValue(1);
        w->findChild<QSlider *>(QStringLiteral("periodhorizontalSlider"))->setValue(period);
        w->findChild<QSlider *>(QStringLiteral("lengthhorizontalSlider"))->setValue(length);

        const std::vector<double> x = record(1.6);
        QVERIFY2(x.size() == std::size_t(rate), qPrintable(QString::number(x.size())));
        QVERIFY2(c->isPlaying(), qPrintable(button(*w)->toolTip()));
        pulseTrainSignal train;
        train.setParameters(length, period);
        const double f0 = sound::trainFundamental(period);
        double power = 0.0;
        for (const double v : x)
            power += v * v / double(x.size());
        double inLines = 0.0;
        double between = 0.0;
        const double first = magnitudeAt(x, f0);
        for (int n = 1; n * f0 < sound::bandLimit * rate; ++n) {
            const double m = magnitudeAt(x, n * f0);
            const double half = magnitudeAt(x, (n - 0.5) * f0);
            inLines += m * m / 2;
            between += half * half / 2;
            if (n <= 3) {
                const double want = std::abs(train.coefficient(n) / train.coefficient(1));
                QVERIFY2(std::abs(m / first - want) <= 0.15,
                         qPrintable(QStringLiteral("line %1: %2, expected %3")
                                        .arg(n)
                                        .arg(m / first)
                                        .arg(want)));
            }
        }
        // Not an octave off either way: the power sits on the fundamental's multiples.
        QVERIFY2(inLines >= 0.8 * power && between <= 0.05 * power && power > 0.005,
                 qPrintable(QStringLiteral("power %1, in the lines %2, between them %3")
                                .arg(power)
                                .arg(inLines)
                                .arg(between)));
        c->toggle();
        QVERIFY(!c->isPlaying() && !button(*w)->isChecked());
    }

    // One window sounds at a time; closing it (back to the menu) stops its sound.
    void oneAtATimeAndStopOnClose()
    {
        std::unique_ptr<QWidget> a = shown(new periodicSignalDependences);
        std::unique_ptr<QWidget> b = shown(new amplitudeModulatedSignal);
        QVERIFY(QTest::qWaitForWindowExposed(b.get()));
        sound::Controller *ca = sound::controllerOf(a.get());
        sound::Controller *cb = sound::controllerOf(b.get());
        ca->toggle();
        QVERIFY(ca->isPlaying());
        cb->toggle();
        QVERIFY(cb->isPlaying());
        QVERIFY(!ca->isPlaying() && !button(*a)->isChecked());
        QTest::qWait(200);
        b->findChild<QPushButton *>(QStringLiteral("pushButton"))->click();
        QVERIFY(!cb->isPlaying() && !button(*b)->isChecked());
        // Silence on the monitor once the fade and the sink's buffer are through.
        QTest::qWait(200);
        const std::vector<double> x = record(1.2);
        QVERIFY(x.size() == std::size_t(rate));
        double peak = 0.0;
        for (const double v : x)
            peak = std::max(peak, std::abs(v));
        QVERIFY2(peak < 1e-3, qPrintable(QString::number(peak)));
    }

    // The output goes away while playing (its sink is unloaded): the sound stops, the button is
    // unchecked and its tooltip says why. Last: the server has no sink afterwards.
    void outputLost()
    {
        QProcess helper;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_FATAL_WARNINGS"));
        helper.setProcessEnvironment(env);
        helper.start(QStringLiteral(VELTARN_LOSS_HELPER),
                     {QStringLiteral("-platform"), QStringLiteral("offscreen")});
        QVERIFY(helper.waitForReadyRead(10000));
        QCOMPARE(helper.readLine().trimmed(), QByteArray("playing"));
        QTest::qWait(300);
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"),
                    {QStringLiteral("unload-module"), QStringLiteral("module-null-sink")});
        QVERIFY(pactl.waitForFinished(10000) && pactl.exitCode() == 0);
        QVERIFY(helper.waitForFinished(15000));
        const QString report = QString::fromUtf8(helper.readAllStandardOutput()).trimmed();
        QVERIFY2(report.startsWith(QStringLiteral("checked 0 playing 0 tip Звук остановлен")),
                 qPrintable(report));
    }
};

VELTARN_TEST_MAIN(TestSoundOutput)
#include "test_sound_output.moc"
