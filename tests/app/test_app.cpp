#include "app/author.h"
#include "app/fullscreen.h"
#include "app/mainwindow.h"
#include "testsupport.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSpacerItem>
#include <QtEndian>

#include <cstdlib>
#include <memory>

namespace
{

const QColor lavender(200, 200, 255);
const QRect screenRect(0, 0, 1920, 1080);

std::unique_ptr<QWidget> makeWindow(const QString &which)
{
    if (which == QLatin1String("menu"))
        return std::make_unique<MainWindow>();
    return std::make_unique<author>();
}

QList<author *> authorWindows()
{
    QList<author *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *a = qobject_cast<author *>(w))
            found << a;
    return found;
}

QList<int> stretches(const QWidget &window, const char *layoutName)
{
    auto *box = window.findChild<QBoxLayout *>(QLatin1String(layoutName));
    QList<int> result;
    if (box)
        for (int i = 0; i < box->count(); ++i)
            result << box->stretch(i);
    return result;
}

QStringList screenArguments()
{
    return {QStringLiteral("-platform"),
            QStringLiteral("offscreen:configfile=") + QStringLiteral(VELTARN_TEST_SCREEN)};
}

const QString twoLineTitle =
    QStringLiteral("Арвелин\n Компьютерные демонстрации\nпо курсу лекций\nВЕЛЛОРАН");

} // namespace

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(authorWindows()); }

    void formTexts_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("text");
        const QString m = QStringLiteral("menu");
        QTest::newRow("menu label_2") << m << "label_2"
                                      << "Факультет ТЕРН";
        QTest::newRow("menu label") << m << "label" << twoLineTitle;
        QTest::newRow("menu label_3") << m << "label_3"
                                      << "Физический факультет";
        QTest::newRow("menu label_5") << m << "label_5"
                                      << "Вельтарн";
        QTest::newRow("menu rectangle")
            << m << "startHarmonicRectangle"
            << "Формирование прямоугольного сигнала.\nОсцилляции Гиббса";
        QTest::newRow("menu periodic") << m << "startPeriodicSpectres"
                                       << "Спектр периодического сигнала";
        QTest::newRow("menu triangle") << m << "startHarmonicTriangle"
                                       << "Формирование треугольного сигнала \nиз гармоник спектра";
        QTest::newRow("menu dependence") << m << "startSignalDependence"
                                         << "Влияние формы периодического\nсигнала его спектр";
        QTest::newRow("menu trapeze")
            << m << "startHarmonicTrapeze"
            << "Формирование трапециевидного \nсигнала из гармоник спектра";
        QTest::newRow("menu modulated") << m << "startAmplitudeModSignal"
                                        << "Амплитудно-модулированный сигнал";
        QTest::newRow("menu Author") << m << "Author"
                                     << "Автор";
        QTest::newRow("menu close") << m << "close"
                                    << "Выход";
        QTest::newRow("menu label_4") << m << "label_4"
                                      << "2012 г.";
        const QString a = QStringLiteral("author");
        QTest::newRow("author label_2") << a << "label_2"
                                        << "Факультет ТЕРН";
        QTest::newRow("author label_3") << a << "label_3" << twoLineTitle;
        QTest::newRow("author label_4") << a << "label_4"
                                        << "Физический факультет";
        QTest::newRow("author label_6") << a << "label_6"
                                        << "Вельтарн";
        QTest::newRow("author label_9") << a << "label_9"
                                        << "Автор";
        QTest::newRow("author label_5") << a << "label_5"
                                        << "Дарест";
        QTest::newRow("author label_10") << a << "label_10"
                                         << "Лекторы: Ровель, Стамин";
        QTest::newRow("author pushButton") << a << "pushButton"
                                           << "Главное меню";
    }
    void formTexts()
    {
        QFETCH(QString, window);
        QFETCH(QString, object);
        QFETCH(QString, text);
        const auto w = makeWindow(window);
        QWidget *child = w->findChild<QWidget *>(object);
        QVERIFY2(child, qPrintable(object));
        QCOMPARE(child->property("text").toString(), text);
    }

    void windowsAsBuilt_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("size");
        QTest::newRow("menu") << "menu"
                              << "MainWindow"
                              << "MainWindow" << QSize(1418, 1203);
        QTest::newRow("author") << "author"
                                << "author"
                                << "Form" << QSize(891, 687);
    }
    void windowsAsBuilt()
    {
        QFETCH(QString, window);
        QFETCH(QString, objectName);
        QFETCH(QString, title);
        QFETCH(QSize, size);
        const auto w = makeWindow(window);
        QCOMPARE(w->objectName(), objectName);
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(w->size(), size);
        QCOMPARE(w->palette().color(QPalette::Window), lavender);
        QCOMPARE(w->palette().color(QPalette::Button), lavender);
        QVERIFY(w->autoFillBackground());
        // The margin of the form shows the window's own background.
        const QImage img = testsupport::grab(*w, size);
        VERIFY_PIXEL(img, 3, size.height() - 4, lavender);
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("object");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<bool>("italic");
        const QString m = QStringLiteral("menu");
        const QString a = QStringLiteral("author");
        QTest::newRow("menu label_2") << m << "label_2" << 14 << false;
        QTest::newRow("menu label") << m << "label" << 14 << true;
        QTest::newRow("menu label_3") << m << "label_3" << 14 << false;
        QTest::newRow("menu label_4") << m << "label_4" << 14 << false;
        for (const char *name :
             {"startHarmonicRectangle", "startPeriodicSpectres", "startHarmonicTriangle",
              "startSignalDependence", "startHarmonicTrapeze", "startAmplitudeModSignal"})
            QTest::newRow(name) << m << name << 16 << true;
        QTest::newRow("menu Author") << m << "Author" << 14 << true;
        QTest::newRow("menu close") << m << "close" << 14 << true;
        QTest::newRow("author label_2") << a << "label_2" << 14 << false;
        QTest::newRow("author label_3") << a << "label_3" << 14 << true;
        QTest::newRow("author label_4") << a << "label_4" << 14 << false;
        QTest::newRow("author label_9") << a << "label_9" << 16 << true;
        QTest::newRow("author label_5") << a << "label_5" << 16 << true;
        QTest::newRow("author label_10") << a << "label_10" << 16 << true;
        QTest::newRow("author pushButton") << a << "pushButton" << 14 << true;
    }
    void fonts()
    {
        QFETCH(QString, window);
        QFETCH(QString, object);
        QFETCH(int, pointSize);
        QFETCH(bool, italic);
        const auto w = makeWindow(window);
        QWidget *child = w->findChild<QWidget *>(object);
        QVERIFY2(child, qPrintable(object));
        QCOMPARE(child->font().pointSize(), pointSize);
        QVERIFY(child->font().bold());
        QCOMPARE(child->font().italic(), italic);
    }

    void titleWord_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("object");
        QTest::newRow("menu") << "menu"
                              << "label_5";
        QTest::newRow("author") << "author"
                                << "label_6";
    }
    void titleWord()
    {
        QFETCH(QString, window);
        QFETCH(QString, object);
        const auto w = makeWindow(window);
        auto *label = w->findChild<QLabel *>(object);
        QVERIFY(label);
        QCOMPARE(label->font().family(), QStringLiteral("MS PMincho"));
        QCOMPARE(label->font().pointSize(), 48);
        QVERIFY(label->font().bold());
        QVERIFY(!label->font().italic());
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        // Where the requested family is missing, the installed Mincho stands in for it.
        const QString shown = QFontInfo(label->font()).family();
        if (!QFontDatabase::families().contains(QStringLiteral("MS PMincho")))
            QCOMPARE(shown, QStringLiteral("IPAPMincho"));
    }

    void menuButtons()
    {
        MainWindow menu;
        const QList<QPushButton *> buttons = menu.findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 8);
        for (QPushButton *b : buttons) {
            QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
            const QSizePolicy p = b->sizePolicy();
            QSizePolicy::Policy horizontal = QSizePolicy::Preferred;
            QSizePolicy::Policy vertical = QSizePolicy::Preferred;
            if (b->objectName() == QLatin1String("startPeriodicSpectres"))
                horizontal = QSizePolicy::Minimum;
            if (b->objectName() == QLatin1String("Author") ||
                b->objectName() == QLatin1String("close")) {
                horizontal = QPushButton().sizePolicy().horizontalPolicy();
                vertical = QPushButton().sizePolicy().verticalPolicy();
            }
            QCOMPARE(p.horizontalPolicy(), horizontal);
            QCOMPARE(p.verticalPolicy(), vertical);
        }
        QCOMPARE(menu.menuBar()->objectName(), QStringLiteral("menuBar"));
        QVERIFY(menu.menuBar()->actions().isEmpty());
    }

    void layouts()
    {
        MainWindow menu;
        QCOMPARE(stretches(menu, "verticalLayout_2"), QList<int>(7, 0));
        QCOMPARE(stretches(menu, "horizontalLayout"), QList<int>({10, 5, 10}));
        auto *outer = menu.findChild<QLayout *>(QStringLiteral("verticalLayout_2"));
        QCOMPARE(outer->contentsMargins(), QMargins(11, 11, 11, 11));
        for (QLayout *l : menu.findChildren<QLayout *>())
            if (!l->objectName().isEmpty())
                QCOMPARE(l->spacing(), 6);

        author credits;
        QCOMPARE(stretches(credits, "verticalLayout_2"), QList<int>({0, 0, 1, 1, 1}));
        QCOMPARE(stretches(credits, "horizontalLayout_2"), QList<int>({1, 1, 1}));
        auto *bottom = credits.findChild<QBoxLayout *>(QStringLiteral("horizontalLayout"));
        QCOMPARE(bottom->count(), 2);
        QSpacerItem *spacer = bottom->itemAt(0)->spacerItem();
        QVERIFY(spacer);
        QCOMPARE(spacer->sizeHint(), QSize(40, 20));
        QCOMPARE(spacer->expandingDirections(), Qt::Horizontal);
        QCOMPARE(bottom->itemAt(1)->widget()->objectName(), QStringLiteral("pushButton"));
    }

    void images_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("colourType"); // of the PNG header: 4 grey + alpha, 6 RGBA
        QTest::addColumn<bool>("emblem");
        QTest::newRow("tern") << ":/tern.png" << QSize(120, 120) << 4 << true;
        QTest::newRow("phys") << ":/phys.png" << QSize(120, 120) << 6 << true;
        QTest::newRow("author") << ":/author.png" << QSize(201, 304) << 6 << false;
    }
    void images()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(int, colourType);
        QFETCH(bool, emblem);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(26);
        QCOMPARE(head.size(), 26);
        QCOMPARE(head.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
        QCOMPARE(head.mid(12, 4), QByteArray("IHDR"));
        QCOMPARE(int(qFromBigEndian<quint32>(head.constData() + 16)), size.width());
        QCOMPARE(int(qFromBigEndian<quint32>(head.constData() + 20)), size.height());
        QCOMPARE(int(uchar(head.at(24))), 8);
        QCOMPARE(int(uchar(head.at(25))), colourType);

        const QImage img(path);
        QCOMPARE(img.size(), size);
        QCOMPARE(img.format(), QImage::Format_ARGB32);
        QCOMPARE(img.isGrayscale(), colourType == 4);
        // An emblem is round on a transparent ground; the portrait fills its frame.
        QCOMPARE(img.pixelColor(0, 0).alpha(), emblem ? 0 : 255);
        QCOMPARE(img.pixelColor(size.width() / 2, 4).alpha(), 255);
    }

    void imagesShownUnscaled_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("object");
        QTest::addColumn<QSize>("size");
        QTest::newRow("menu label_7") << "menu"
                                      << "label_7" << QSize(120, 120);
        QTest::newRow("menu label_8") << "menu"
                                      << "label_8" << QSize(120, 120);
        QTest::newRow("author label_7") << "author"
                                        << "label_7" << QSize(120, 120);
        QTest::newRow("author label_8") << "author"
                                        << "label_8" << QSize(120, 120);
        QTest::newRow("author label") << "author"
                                      << "label" << QSize(201, 304);
    }
    void imagesShownUnscaled()
    {
        QFETCH(QString, window);
        QFETCH(QString, object);
        QFETCH(QSize, size);
        const auto w = makeWindow(window);
        auto *label = w->findChild<QLabel *>(object);
        QVERIFY(label);
        QCOMPARE(label->pixmap().size(), size);
        QVERIFY(label->text().isEmpty());
        QVERIFY(!label->hasScaledContents());
        QCOMPARE(label->alignment(), Qt::AlignCenter);
    }

    void menuFillsTheScreen()
    {
        MainWindow menu;
        veltarn::showFullScreen(menu);
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTRY_COMPARE(menu.geometry(), screenRect);
        // The small buttons sit in the middle fifth of the width.
        auto *exitButton = menu.findChild<QPushButton *>(QStringLiteral("close"));
        const QRect r(exitButton->mapTo(&menu, QPoint(0, 0)), exitButton->size());
        const int content = screenRect.width() - 2 * 11 - 2 * 6;
        QVERIFY2(std::abs(r.center().x() - screenRect.center().x()) <= 2,
                 qPrintable(QString::number(r.center().x())));
        QVERIFY2(std::abs(r.width() - content / 5) <= 3, qPrintable(QString::number(r.width())));
    }

    void authorOpensFullScreenAboveTheMenu()
    {
        MainWindow menu;
        veltarn::showFullScreen(menu);
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        auto *button = menu.findChild<QPushButton *>(QStringLiteral("Author"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(authorWindows().size(), 1);
        const QPointer<author> first = authorWindows().first();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(authorWindows().size(), 2);

        for (author *w : authorWindows()) {
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QCOMPARE(w->parentWidget(), nullptr);
            QVERIFY(w->isFullScreen());
            QTRY_COMPARE(w->geometry(), screenRect);
            QVERIFY(!w->isModal());
            QCOMPARE(w->findChild<QLabel *>(QStringLiteral("label_9"))->text(),
                     QStringLiteral("Автор"));
        }
        QVERIFY(authorWindows().contains(first.data()));
        QVERIFY(menu.isVisible());
        QVERIFY(menu.isEnabled());
        QVERIFY(menu.isFullScreen());
    }

    void mainMenuButtonClosesOnlyItsWindow()
    {
        MainWindow menu;
        veltarn::showFullScreen(menu);
        auto *button = menu.findChild<QPushButton *>(QStringLiteral("Author"));
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        QPointer<author> closing = authorWindows().first();
        QPointer<author> staying = authorWindows().last();
        QVERIFY(QTest::qWaitForWindowExposed(closing));

        QTest::mouseClick(closing->findChild<QPushButton *>(QStringLiteral("pushButton")),
                          Qt::LeftButton);
        QTRY_VERIFY(closing.isNull());
        QVERIFY(!staying.isNull());
        QVERIFY(staying->isVisible());
        QVERIFY(menu.isVisible());
        QCOMPARE(authorWindows().size(), 1);
    }

    // "Выход" ends the process at once with status 0, however many windows are open; closing
    // the main menu through the window system ends the event loop, whose result is the status.
    void theProgramEnds_data()
    {
        QTest::addColumn<QStringList>("mode");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("exit button")
            << QStringList() << QByteArray("every window open, pressing the exit button\n");
        QTest::newRow("menu closed")
            << QStringList{QStringLiteral("close-menu")} << QByteArray("event loop ended with 0\n");
    }
    void theProgramEnds()
    {
        QFETCH(QStringList, mode);
        QFETCH(QByteArray, output);
        QProcess helper;
        helper.start(QStringLiteral(VELTARN_EXIT_HELPER), screenArguments() + mode);
        QVERIFY(helper.waitForFinished(120000));
        QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
        QVERIFY2(helper.exitCode() == 0, qPrintable(helper.readAllStandardError()));
        QCOMPARE(helper.readAllStandardOutput(), output);
    }

    void startWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM, unset when empty
        QTest::addColumn<bool>("emptyDisplay");
        QTest::addColumn<bool>("starts");
        const QString offscreen =
            QStringLiteral("offscreen:configfile=") + QStringLiteral(VELTARN_TEST_SCREEN);
        QTest::newRow("nothing") << QStringList() << QString() << false << false;
        QTest::newRow("empty DISPLAY") << QStringList() << QString() << true << false;
        QTest::newRow("-platform") << screenArguments() << QString() << false << true;
        QTest::newRow("QT_QPA_PLATFORM") << QStringList() << offscreen << false << true;
    }
    void startWithoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, platform);
        QFETCH(bool, emptyDisplay);
        QFETCH(bool, starts);
#if !defined(Q_OS_UNIX) || defined(Q_OS_DARWIN) || defined(Q_OS_ANDROID)
        if (!starts)
            QSKIP("Only X11 and Wayland systems are told their display by the environment");
#endif
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        if (emptyDisplay)
            env.insert(QStringLiteral("DISPLAY"), QString());
        if (!platform.isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);

        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VELTARN_EXECUTABLE), arguments);
        QVERIFY(program.waitForStarted());
        if (starts) {
            // Up and waiting for the lecturer: still running a while later, not refused.
            const bool ended = program.waitForFinished(3000);
            const QByteArray err = program.readAllStandardError();
            if (!ended) {
                program.kill();
                program.waitForFinished();
            }
            QVERIFY2(!ended, err.constData());
            return;
        }
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY(program.exitCode() != 0);
        const QByteArray err = program.readAllStandardError();
        QVERIFY2(err.endsWith('\n') && err.count('\n') == 1, err.constData());
        QVERIFY2(err.contains("DISPLAY") && err.contains("WAYLAND_DISPLAY"), err.constData());
        QVERIFY(program.readAllStandardOutput().isEmpty());
    }
};

VELTARN_TEST_MAIN(TestApp)
#include "test_app.moc"
