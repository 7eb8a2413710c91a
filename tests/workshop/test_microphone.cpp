// The workshop's microphone through a sound server of the test's own: a null sink whose monitor,
// remapped into an ordinary source, is the default input, fed by the test's tone. Without the
// server and its client programs it skips.

#include "realsound.h"
#include "soundserver.h"
#include "windowing/notice.h"
#include "workshop/signalworkshop.h"
#include "workshop/soundsourcepanel.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace workshop;

class TestMicrophone : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QProcess server;
    QProcess player;

    // The lines `pactl` prints for `what`, or none when it fails.
    QStringList pactl(const QStringList &what)
    {
        QProcess p;
        p.start(QStringLiteral("pactl"), what);
        if (!p.waitForFinished(10000) || p.exitCode() != 0)
            return {QStringLiteral("pactl failed")};
        return QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

    // Streams of clients recording from the server (the remapped source's own stream on the
    // monitor is the server's): the microphone's, while it is open.
    int recordings()
    {
        return int(pactl({"list", "short", "source-outputs"})
                       .filter(QStringLiteral("protocol-native"))
                       .size());
    }

private slots:
    void initTestCase()
    {
        for (const char *program : {"pulseaudio", "pacat", "pactl"})
            if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty())
                QSKIP("no sound server programs (pulseaudio, pacat, pactl) to test with");
        QVERIFY(soundserver::prepare(server, dir));
        QVERIFY2(soundserver::start(server, dir,
                                    {"module-null-sink sink_name=hall rate=48000",
                                     "module-remap-source source_name=voice master=hall.monitor"}),
                 server.readAll().constData());
        qputenv("PULSE_SERVER",
                QFile::encodeName(QStringLiteral("unix:") + soundserver::socket(dir)));
        QVERIFY(pactl({"set-default-source", "voice"}) != QStringList{"pactl failed"});

        // A minute of 196 Hz with harmonics 1, 0.5, 0.25 played into the sink.
        const std::vector<double> x = realsound::render(
            realsound::Tone{196.0, {1.0, 0.5, 0.25}, {0.3, 1.1, 2.0}}, 48000, 60.0);
        QFile raw(dir.filePath(QStringLiteral("tone.raw")));
        QVERIFY(raw.open(QIODevice::WriteOnly));
        for (const std::int16_t v : realsound::pcm(x))
            raw.write(reinterpret_cast<const char *>(&v), 2);
        raw.close();
        player.start(QStringLiteral("pacat"),
                     {"--playback", "--device=hall", "--raw", "--format=s16le", "--rate=48000",
                      "--channels=1", raw.fileName()});
        QVERIFY(player.waitForStarted(5000));
    }

    void cleanupTestCase()
    {
        player.kill();
        player.waitForFinished(5000);
        server.terminate();
        server.waitForFinished(5000);
    }

    // The readout finds the tone, "Заморозить" takes its period, another source or a closed
    // window closes the input.
    void liveTone()
    {
        auto window = std::make_unique<signalWorkshop>();
        auto *combo = window->findChild<QComboBox *>("preset");
        auto *mark = window->soundPanel().findChild<QLabel *>("recordMark");
        auto *freeze = window->soundPanel().findChild<QPushButton *>("freeze");
        QVERIFY(window->soundPanel().microphone().unavailableReason().isEmpty());
        QVERIFY(window->startMicrophone());
        QCOMPARE(combo->currentText(), QStringLiteral("Микрофон"));
        QVERIFY(!mark->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(window->fundamental() / 196.0 - 1.0) < 0.005, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(recordings(), 1, 10000);

        freeze->click();
        QVERIFY(!window->soundPanel().isLive() && mark->isHidden());
        const Samples taken = window->signal();
        QTest::qWait(200);
        QCOMPARE(window->signal(), taken);
        QVERIFY(std::abs(window->fundamental() / 196.0 - 1.0) < 0.005);
        QTRY_COMPARE_WITH_TIMEOUT(recordings(), 0, 10000);

        QVERIFY(window->startMicrophone());
        QTRY_COMPARE_WITH_TIMEOUT(recordings(), 1, 10000);
        window->chooseSource(2);
        QVERIFY(!window->soundPanel().isLive());
        QCOMPARE(window->fundamental(), 220.0);
        QTRY_COMPARE_WITH_TIMEOUT(recordings(), 0, 10000);

        QVERIFY(window->startMicrophone());
        QTRY_COMPARE_WITH_TIMEOUT(recordings(), 1, 10000);
        window.reset();
        QTRY_COMPARE_WITH_TIMEOUT(recordings(), 0, 10000);
    }

    // The input going away while live: the signal before it comes back, with a notice.
    void inputLost()
    {
        signalWorkshop window;
        window.chooseSource(3);
        const Samples before = window.signal();
        QVERIFY(window.startMicrophone());
        QTRY_VERIFY_WITH_TIMEOUT(window.signal() != before, 20000);
        const QStringList modules = pactl({"list", "short", "modules"});
        const auto remap = std::find_if(modules.begin(), modules.end(), [](const QString &m) {
            return m.contains(QLatin1String("module-remap-source"));
        });
        QVERIFY(remap != modules.end());
        pactl({"unload-module", remap->section('\t', 0, 0)});
        QTRY_VERIFY_WITH_TIMEOUT(!window.soundPanel().isLive(), 20000);
        QCOMPARE(window.signal(), before);
        QCOMPARE(window.findChild<QComboBox *>("preset")->currentIndex(), 3);
        const auto *notice = window.findChild<QLabel *>(veltarn::noticeName);
        QVERIFY(notice && notice->text().startsWith(QStringLiteral("Микрофон")));
    }
};

QTEST_MAIN(TestMicrophone)
#include "test_microphone.moc"
