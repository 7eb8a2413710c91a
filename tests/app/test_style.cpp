#include "app/sharedpalettestyle.h"
#include "testsupport.h"

#include <QGroupBox>
#include <QPushButton>
#include <QSlider>
#include <QStyleFactory>

#include <functional>
#include <memory>

using Maker = std::function<std::unique_ptr<QWidget>()>;
Q_DECLARE_METATYPE(Maker)

namespace
{

// The controls of the program on the grounds its windows give them.
std::unique_ptr<QWidget> onGround(std::unique_ptr<QWidget> control, const QColor &ground,
                                  bool enabled)
{
    control->setPalette(QPalette(ground));
    control->setEnabled(enabled);
    return control;
}

} // namespace

class TestStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { veltarn::SharedPaletteStyle::install(); }

    // Lent the shared palette, a control looks exactly as the toolkit's own style draws it,
    // enabled or not, in every window's colours, and twice in a row (the second time from the
    // picture cache).
    void drawsAsTheToolkitDoes_data()
    {
        QTest::addColumn<Maker>("make");
        const QColor menu(200, 200, 255), window(245, 245, 255);
        for (const bool enabled : {true, false}) {
            const char *state = enabled ? "" : ", disabled";
            QTest::addRow("button, menu%s", state) << Maker([=] {
                return onGround(std::make_unique<QPushButton>(QStringLiteral("Выход")), menu,
                                enabled);
            });
            QTest::addRow("slider, window%s", state) << Maker([=] {
                auto slider = std::make_unique<QSlider>(Qt::Horizontal);
                slider->setTickPosition(QSlider::TicksBelow);
                slider->setValue(40);
                return onGround(std::move(slider), window, enabled);
            });
            QTest::addRow("group box, window%s", state) << Maker([=] {
                return onGround(std::make_unique<QGroupBox>(QStringLiteral("Гармоники")), window,
                                enabled);
            });
        }
    }
    void drawsAsTheToolkitDoes()
    {
        QFETCH(Maker, make);
        const QSize size(300, 60);
        const std::unique_ptr<QStyle> plain(QStyleFactory::create(QApplication::style()->name()));
        const std::unique_ptr<QWidget> reference = make();
        reference->setStyle(plain.get());
        // A slider's first paint under a style set on it alone differs in its ticks from every
        // later one, which all agree.
        testsupport::grab(*reference, size);
        const QImage expected = testsupport::grab(*reference, size);
        for (int pass = 0; pass < 2; ++pass) {
            const std::unique_ptr<QWidget> control = make();
            QCOMPARE(testsupport::grab(*control, size), expected);
        }
    }
};

VELTARN_TEST_MAIN(TestStyle)
#include "test_style.moc"
