#include "app/mainwindow.h"
#include "catalog/catalog.h"
#include "cli/commandline.h"
#include "figures/figures.h"
#include "harmonics/harmoniccount.h"
#include "language/language.h"
#include "lecture/overlays.h"
#include "testsupport.h"
#include "windowing/notice.h"
#include "windowing/placement.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QLabel>
#include <QMap>
#include <QRegularExpression>
#include <QScreen>
#include <QSlider>

#include <memory>

// The program in each of its languages: the plural forms of the harmonic count, every text of
// every window (widgets, the plots' captions as painted, the help, the notices) and of the
// command line in English without a Cyrillic letter, the Russian texts kept, and the windows laid
// out alike in both.

namespace
{

// What the lecturer reads in `window` as it stands: its title, every widget's text and tooltip,
// and every text its picture paints (the plots' captions included), the help shown over it with
// F1, and the notice of a copied picture.
QStringList textsOf(QWidget &window)
{
    QStringList texts{window.windowTitle()};
    for (const QLabel *l : window.findChildren<QLabel *>())
        texts << l->text() << l->toolTip();
    for (const QAbstractButton *b : window.findChildren<QAbstractButton *>())
        texts << b->text() << b->toolTip();
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    veltarn::figures::writeSvg(window, svg, window.windowTitle());
    texts << testsupport::svgTexts(svg.data());
    QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_F1);
    if (const auto *cover = window.findChild<lecture::Cover *>())
        texts << cover->shownText();
    QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_Escape);
    if (window.isVisible() && veltarn::catalog::of(window)) {
        veltarn::figures::copyPicture(window);
        texts << window.findChild<QLabel *>(QLatin1String(veltarn::noticeName))->text();
    }
    texts.removeAll(QString());
    return texts;
}

// Opens the window of a menu button and waits until it fills its screen.
std::unique_ptr<QWidget> openFullScreen(QWidget &menu, const char *button)
{
    std::unique_ptr<QWidget> w(testsupport::openFromMenu(menu, button));
    if (!QTest::qWaitFor([&] { return w->geometry() == w->screen()->geometry(); }))
        return nullptr;
    return w;
}

// The menu and every window it opens, full screen, each with its texts.
QMap<QString, QStringList> walk()
{
    QMap<QString, QStringList> texts;
    MainWindow menu;
    veltarn::showFullScreen(menu);
    for (const auto &[button, window] : testsupport::menuWindows)
        if (const std::unique_ptr<QWidget> w = openFullScreen(menu, button))
            texts[QLatin1String(window)] = textsOf(*w);
    texts[QStringLiteral("MainWindow")] = textsOf(menu);
    return texts;
}

// Where every widget of the menu and of each window stands, full screen, apart from the labels
// and buttons with words: the plots, sliders, readouts and images.
QMap<QString, QRect> layout()
{
    QMap<QString, QRect> places;
    const auto note = [&](QWidget &window) {
        for (const QWidget *w : window.findChildren<QWidget *>()) {
            const auto *label = qobject_cast<const QLabel *>(w);
            const auto *button = qobject_cast<const QAbstractButton *>(w);
            const QString text = label ? label->text() : button ? button->text() : QString();
            if (w->objectName().isEmpty() ||
                text.contains(QRegularExpression(QStringLiteral("\\p{L}"))))
                continue;
            places[window.objectName() + '/' + w->objectName()] =
                QRect(w->mapTo(&window, QPoint()), w->size());
        }
    };
    MainWindow menu;
    veltarn::showFullScreen(menu);
    note(menu);
    for (const auto &[button, window] : testsupport::menuWindows)
        if (const std::unique_ptr<QWidget> w = openFullScreen(menu, button))
            note(*w);
    return places;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(veltarn::language::use(QStringLiteral("ru"))); }

    // The languages --language takes, Russian first; an unknown one changes nothing.
    void codes()
    {
        QCOMPARE(veltarn::language::codes(), (QStringList{"ru", "en"}));
        QVERIFY(veltarn::language::use(QStringLiteral("en")));
        QVERIFY(!veltarn::language::use(QStringLiteral("xx")));
        QCOMPARE(veltarn::language::current(), QStringLiteral("en"));
        QCOMPARE(veltarn::language::programName(), QStringLiteral("Veltarn"));
        QVERIFY(veltarn::language::use(QStringLiteral("ru")));
        QCOMPARE(veltarn::language::programName(), QStringLiteral("Вельтарн"));
    }

    // The word after the count agrees with it, in the window as in the refusal of too many.
    void plurals_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("word");
        const std::pair<int, const char *> russian[] = {
            {0, "гармоник"},  {1, "гармоника"},  {2, "гармоники"}, {5, "гармоник"},
            {11, "гармоник"}, {21, "гармоника"}, {22, "гармоники"}};
        const std::pair<int, const char *> english[] = {
            {0, "harmonics"},  {1, "harmonic"},   {2, "harmonics"}, {5, "harmonics"},
            {11, "harmonics"}, {21, "harmonics"}, {22, "harmonics"}};
        for (const auto &[n, word] : russian)
            QTest::addRow("ru-%d", n) << "ru" << n << QString::fromUtf8(word);
        for (const auto &[n, word] : english)
            QTest::addRow("en-%d", n) << "en" << n << QString::fromUtf8(word);
    }
    void plurals()
    {
        QFETCH(QString, code);
        QFETCH(int, count);
        QFETCH(QString, word);
        QVERIFY(veltarn::language::use(code));
        QCOMPARE(harmonicsWord(count), word);
        const veltarn::catalog::Demonstration &rectangle = *veltarn::catalog::find("rectangle");
        const std::unique_ptr<QWidget> window = rectangle.make();
        const QString error = veltarn::catalog::apply(
            *window, rectangle, {{QStringLiteral("harmonics"), QString::number(count)}});
        const QString shown = window->findChild<QLabel *>(QStringLiteral("label_6"))->text() + ' ' +
                              window->findChild<QLabel *>(QStringLiteral("label_3"))->text();
        if (count <= 20) {
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(shown, QStringLiteral("%1 %2").arg(count).arg(word));
        } else {
            QCOMPARE(shown, QStringLiteral("20 ") + harmonicsWord(20));
            QVERIFY2(error.endsWith(code == "ru"
                                        ? QStringLiteral("не больше 20 гармоник")
                                        : QStringLiteral("at most 20 harmonics can be summed")),
                     qPrintable(error));
        }
    }

    // In English no window, help, notice or command-line text holds a Cyrillic letter; in
    // Russian the same walk finds the Russian texts, and none of the English ones.
    void walkEnglish()
    {
        QVERIFY(veltarn::language::use(QStringLiteral("en")));
        const QMap<QString, QStringList> texts = walk();
        QCOMPARE(texts.size(), int(std::size(testsupport::menuWindows)) + 1); // and the menu
        for (auto it = texts.begin(); it != texts.end(); ++it)
            for (const QString &text : it.value())
                QVERIFY2(!testsupport::hasCyrillic(text), qPrintable(it.key() + ": " + text));
        for (const auto &[window, text] :
             {std::pair{"harmonic", "Signal spectrum"},
              {"harmonic", "Add a harmonic"},
              {"harmonic", "harmonics"},
              {"harmonicTriangle", "Keys of this window"},
              {"periodicSignalDependences", "Reference spectrum"},
              {"signalDependence", "Reference signal"},
              {"amplitudeModulatedSignal", "Spectrum"},
              {"amplitudeModulatedSignal", "Picture of the window copied to the clipboard"},
              {"author", "Lecturers: Rovel, Stamin"},
              {"MainWindow", "Exit"}})
            QVERIFY2(texts[window].join('\n').contains(text),
                     qPrintable(QString::fromUtf8(text) + " in " + texts[window].join(" | ")));

        // The help as --help prints it, Qt's own words too, and the errors.
        const QString help = veltarn::cli::helpText();
        QVERIFY2(help.startsWith("Usage: veltarn [options]") && !testsupport::hasCyrillic(help),
                 qPrintable(help));
        const veltarn::cli::Options bad = veltarn::cli::parse(
            {"veltarn", "--language", "en", "--demo", "shape", "--screen", "x"});
        QCOMPARE(bad.error, QStringLiteral("--screen x: a screen number is a whole number from 0"));
    }
    void walkRussian()
    {
        const QMap<QString, QStringList> texts = walk();
        for (const auto &[window, text] :
             {std::pair{"harmonic", "Спектр сигнала"},
              {"harmonic", "Добавить гармонику"},
              {"harmonic", "гармоник"},
              {"harmonicTriangle", "Клавиши этого окна"},
              {"periodicSignalDependences", "Реперный спектр"},
              {"signalDependence", "Реперный сигнал"},
              {"amplitudeModulatedSignal", "Спектр"},
              {"amplitudeModulatedSignal", "Рисунок окна скопирован в буфер обмена"},
              {"author", "Лекторы: Ровель, Стамин"},
              {"MainWindow", "Выход"},
              {"amplitudeModulatedSignal", "Амплитудно-модулированный сигнал"}})
            QVERIFY2(texts[window].join('\n').contains(QString::fromUtf8(text)),
                     qPrintable(QString::fromUtf8(text) + " in " + texts[window].join(" | ")));
        for (auto it = texts.begin(); it != texts.end(); ++it)
            for (const char *english : {"Signal", "Spectrum", "Reset", "Sound", "Main menu"})
                QVERIFY2(!it.value().join('\n').contains(english), qPrintable(it.key()));
        QVERIFY(veltarn::cli::helpText().startsWith(QString::fromUtf8("Использование: veltarn")));
    }

    // Translated words take the places of the Russian ones: nothing else moves.
    void sameLayout()
    {
        const QMap<QString, QRect> russian = layout();
        QVERIFY(veltarn::language::use(QStringLiteral("en")));
        const QMap<QString, QRect> english = layout();
        for (auto it = russian.begin(); it != russian.end(); ++it)
            QVERIFY2(english.contains(it.key()) && english[it.key()] == it.value(),
                     qPrintable(QStringLiteral("%1: %2,%3 %4x%5 in Russian, %6,%7 %8x%9 in English")
                                    .arg(it.key())
                                    .arg(it->x())
                                    .arg(it->y())
                                    .arg(it->width())
                                    .arg(it->height())
                                    .arg(english[it.key()].x())
                                    .arg(english[it.key()].y())
                                    .arg(english[it.key()].width())
                                    .arg(english[it.key()].height())));
    }
};

VELTARN_TEST_MAIN(TestLanguage)
#include "test_language.moc"
