#include "catalog/catalog.h"
#include "lecture/windowkeys.h"
#include "testsupport.h"
#include "windowing/placement.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QSlider>

using veltarn::catalog::Demonstration;

// The table of demonstrations on its own, with no main menu: each row opens its window over a
// plain widget, and the window holds the parameters the row names.
class TestCatalog : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<QString>("id");
        for (const Demonstration &d : veltarn::catalog::demonstrations())
            QTest::newRow(d.id) << QString::fromLatin1(d.id);
    }
    void rows()
    {
        QFETCH(QString, id);
        const Demonstration *row = veltarn::catalog::find(id);
        QVERIFY(row);

        QWidget parent;
        QScreen *side = QGuiApplication::screens().at(1);
        veltarn::showFullScreen(parent, side);
        QTRY_COMPARE(parent.screen(), side);

        QPointer<QWidget> window = &lecture::openWindow(row->make(), parent);
        QVERIFY(window->isWindow() && window->isVisible());
        QTRY_COMPARE(window->screen(), side);
        QTRY_COMPARE(window->geometry(), side->geometry());
        QCOMPARE(window->metaObject(), row->window);
        QCOMPARE(window->windowTitle(), row->shownTitle());
        QCOMPARE(veltarn::catalog::of(*window), row);
        QVERIFY(lecture::WindowKeys::of(*window));

        // Every parameter the row names is held by the window, and the state it reads back is
        // taken again unchanged.
        const QString state = veltarn::catalog::describeState(*window, *row);
        QStringList names;
        std::vector<veltarn::catalog::Setting> settings;
        for (const QString &pair : state.split(QLatin1Char('_'))) {
            const QStringList nameValue = pair.split(QLatin1Char('='));
            QCOMPARE(nameValue.size(), 2);
            names << nameValue.at(0);
            settings.push_back({nameValue.at(0), nameValue.at(1)});
        }
        QCOMPARE(names, row->parameterNames());
        for (const veltarn::catalog::Parameter &p : row->parameters) {
            if (p.slider)
                QVERIFY2(window->findChild<QSlider *>(QLatin1String(p.slider)), p.slider);
            else
                for (const char *name : {"addHarmonic", "sum", "reper"})
                    QVERIFY2(window->findChild<QAbstractButton *>(QLatin1String(name)), name);
        }
        QCOMPARE(veltarn::catalog::apply(*window, *row, settings), QString());
        QCOMPARE(veltarn::catalog::describeState(*window, *row), state);

        // Closed, the window is gone for good; the parent stays.
        window->close();
        QTRY_VERIFY(window.isNull());
        QVERIFY(parent.isVisible());
    }

    // Ids are unique and found again; a window the table does not know has no row.
    void lookup()
    {
        QSet<QString> ids;
        for (const Demonstration &d : veltarn::catalog::demonstrations()) {
            ids.insert(QLatin1String(d.id));
            QCOMPARE(veltarn::catalog::find(QLatin1String(d.id)), &d);
            QCOMPARE(veltarn::catalog::of(*d.make()), &d);
        }
        QCOMPARE(ids.size(), int(veltarn::catalog::demonstrations().size()));
        QVERIFY(!veltarn::catalog::find(QStringLiteral("Rectangle")));
        QLabel plain;
        QVERIFY(!veltarn::catalog::of(plain));
    }
};

VELTARN_TEST_MAIN(TestCatalog)
#include "test_catalog.moc"
