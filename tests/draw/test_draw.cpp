#include "draw/pixelframe.h"
#include "draw/plotpainting.h"
#include "testsupport.h"

#include <limits>

using draw::PixelFrame;

class TestDraw : public QObject
{
    Q_OBJECT

private slots:
    void toPixelTruncatesTowardZero_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("positive") << 61.99 << 61;
        QTest::newRow("negative") << -61.99 << -61;
        QTest::newRow("just below zero") << -0.5 << 0;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
        QTest::newRow("+inf") << std::numeric_limits<double>::infinity() << 1000000;
        QTest::newRow("-inf") << -std::numeric_limits<double>::infinity() << -1000000;
        QTest::newRow("huge") << 1e300 << 1000000;
    }
    void toPixelTruncatesTowardZero()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(draw::toPixel(value), expected);
    }

    void framesPlaceTheOrigin()
    {
        const PixelFrame c = PixelFrame::centred(QSize(1001, 451), 50, 20);
        QCOMPARE(c.originX, 500);
        QCOMPARE(c.originY, 225);
        QCOMPARE(c.extentX, 1000);
        QCOMPARE(c.extentY, 450);
        QCOMPARE(c.x(1.25), 562);
        QCOMPARE(c.mirrorX(1.25), 437);
        QCOMPARE(c.y(3.0), 165);
        QCOMPARE(c.y(-0.01), 225);

        const PixelFrame low = PixelFrame::withAxisRow(QSize(800, 500), 4 * 500 / 5, 50, 20);
        QCOMPARE(low.originY, 400);
        QCOMPARE(low.extentY, 800);

        const PixelFrame s = PixelFrame::spectrum(QSize(700, 300), 10, 200, 20, 15);
        QCOMPARE(s.originX, 10);
        QCOMPARE(s.extentX, 700);
        QCOMPARE(s.extentY, 400);
    }

    // Grid, axes and a spectral line painted on a white image land on the rows and columns the
    // frame gives, and nowhere else.
    void primitivesLandOnTheirPixels()
    {
        QImage img(400, 200, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::white);
        const PixelFrame f = PixelFrame::centred(img.size(), 50, 20);
        {
            QPainter p(&img);
            p.setPen(draw::makePen(draw::gridColour, 1, Qt::FlatCap));
            draw::drawMirroredGrid(p, f, 50, 20);
            p.setPen(draw::makePen(Qt::black, 1, Qt::SquareCap));
            draw::drawVerticalAxis(p, f.originX, f.extentY);
            draw::drawHorizontalAxis(p, f.originY, f.extentX);
            draw::drawSpectralLine(p, 30, f.originY, f.y(2.0),
                                   draw::makePen(Qt::red, 6, Qt::FlatCap),
                                   draw::makePen(Qt::blue, 16, Qt::RoundCap));
        }
        const QColor grid = draw::gridColour;
        VERIFY_PIXEL(img, 150, 10, grid);  // column cx − 50
        VERIFY_PIXEL(img, 250, 10, grid);  // column cx + 50
        VERIFY_PIXEL(img, 120, 60, grid);  // row cy − 40
        VERIFY_PIXEL(img, 120, 140, grid); // row cy + 40
        VERIFY_PIXEL(img, 120, 61, Qt::white);
        VERIFY_PIXEL(img, 200, 150, Qt::black); // vertical axis
        VERIFY_PIXEL(img, 120, 100, Qt::black); // time axis
        VERIFY_PIXEL(img, 203, 6, Qt::black);   // right stroke of the upward arrowhead
        QVERIFY(testsupport::columnHas(img, 393, 95, 98, Qt::black)); // right arrowhead
        VERIFY_PIXEL(img, 30, 80, Qt::red);  // the line between axis and tip
        VERIFY_PIXEL(img, 30, 60, Qt::blue); // the disc at the tip, 40 pixels up
        VERIFY_PIXEL(img, 37, 60, Qt::blue);
        VERIFY_PIXEL(img, 30, 50, Qt::white);
    }

    void spectrumGridStartsOneStepRightOfTheAxis()
    {
        QImage img(200, 100, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            p.setPen(draw::makePen(Qt::black, 1, Qt::FlatCap));
            draw::drawSpectrumGrid(p, PixelFrame::spectrum(img.size(), 10, 60, 50, 20), 50, 20);
        }
        VERIFY_PIXEL(img, 10, 5, Qt::white);
        VERIFY_PIXEL(img, 60, 5, Qt::black);
        VERIFY_PIXEL(img, 160, 5, Qt::black);
        VERIFY_PIXEL(img, 5, 60, Qt::black);
        VERIFY_PIXEL(img, 5, 40, Qt::black);
        VERIFY_PIXEL(img, 5, 80, Qt::black);
        VERIFY_PIXEL(img, 5, 50, Qt::white);
    }

    void mirroredCurveIsSymmetric()
    {
        QImage img(300, 100, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::white);
        const PixelFrame f = PixelFrame::centred(img.size(), 50, 20);
        {
            QPainter p(&img);
            p.setPen(draw::makePen(Qt::red, 3, Qt::FlatCap));
            draw::drawMirroredCurve(p, f, {0.0, 1.0, 2.0}, {1.0, 1.0, -1.0});
        }
        VERIFY_PIXEL(img, 175, 30, Qt::red);
        VERIFY_PIXEL(img, 125, 30, Qt::red);
        VERIFY_PIXEL(img, 150, 30, Qt::red);
        VERIFY_PIXEL(img, 175, 70, Qt::white);
        QCOMPARE(img.copy(0, 0, 150, 100).mirrored(true, false).pixelColor(10, 50),
                 img.copy(151, 0, 149, 100).pixelColor(9, 50));
    }
};

VELTARN_TEST_MAIN(TestDraw)
#include "test_draw.moc"
