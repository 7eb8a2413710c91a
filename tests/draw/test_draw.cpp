#include "draw/pixelframe.h"
#include "draw/plotpainting.h"
#include "testsupport.h"

#include <limits>

using draw::PixelFrame;

class TestDraw : public QObject
{
    Q_OBJECT

private slots:
    // Truncation toward zero, defined for every double a slot can make.
    void toPixel_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("positive") << 61.99 << 61;
        QTest::newRow("negative") << -61.99 << -61;
        QTest::newRow("just below zero") << -0.5 << 0;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
        QTest::newRow("+inf") << std::numeric_limits<double>::infinity() << 1000000;
        QTest::newRow("-inf") << -std::numeric_limits<double>::infinity() << -1000000;
    }
    void toPixel()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(draw::toPixel(value), expected);
    }

    // Grids, axes, a spectral line and a mirrored curve painted on white land on the rows and
    // columns their frames give, and nowhere else.
    void primitivesLandOnTheirPixels()
    {
        QImage img(400, 200, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::white);
        const PixelFrame f = PixelFrame::centred(img.size(), 50, 20); // origin (200, 100)
        {
            QPainter p(&img);
            p.setPen(draw::makePen(draw::gridColour, 1, Qt::FlatCap));
            draw::drawMirroredGrid(p, f, 50, 20);
            draw::drawSpectrumGrid(p, PixelFrame::spectrum(QSize(400, 40), 10, 10, 50, 20), 50, 20);
            p.setPen(draw::makePen(Qt::black, 1, Qt::SquareCap));
            draw::drawVerticalAxis(p, f.originX, f.extentY);
            draw::drawHorizontalAxis(p, f.originY, f.extentX);
            draw::drawSpectralLine(p, 30, f.originY, f.y(2.0),
                                   draw::makePen(Qt::red, 6, Qt::FlatCap),
                                   draw::makePen(Qt::blue, 16, Qt::RoundCap));
            p.setPen(draw::makePen(Qt::green, 3, Qt::FlatCap));
            draw::drawMirroredCurve(p, f, {0.0, 1.0, 2.0}, {-3.0, -3.0, -4.0});
        }
        const QColor grid = draw::gridColour;
        VERIFY_PIXEL(img, 150, 50, grid);  // column cx − 50
        VERIFY_PIXEL(img, 250, 50, grid);  // column cx + 50
        VERIFY_PIXEL(img, 120, 60, grid);  // row cy − 40
        VERIFY_PIXEL(img, 120, 140, grid); // row cy + 40
        VERIFY_PIXEL(img, 120, 61, Qt::white);
        VERIFY_PIXEL(img, 10, 5, Qt::white); // the spectrum grid starts one step right of its axis
        VERIFY_PIXEL(img, 60, 5, grid);
        VERIFY_PIXEL(img, 200, 150, Qt::black);                       // vertical axis
        VERIFY_PIXEL(img, 120, 100, Qt::black);                       // time axis
        VERIFY_PIXEL(img, 203, 6, Qt::black);                         // upward arrowhead
        QVERIFY(testsupport::columnHas(img, 393, 95, 98, Qt::black)); // right arrowhead
        VERIFY_PIXEL(img, 30, 80, Qt::red);  // the spectral line between axis and tip
        VERIFY_PIXEL(img, 37, 60, Qt::blue); // the disc at the tip, 40 pixels up
        VERIFY_PIXEL(img, 30, 50, Qt::white);
        VERIFY_PIXEL(img, 225, 160, Qt::green); // the curve at t = 0.5 and its mirror image
        VERIFY_PIXEL(img, 175, 160, Qt::green);
        VERIFY_PIXEL(img, 225, 145, Qt::white);
    }
};

VELTARN_TEST_MAIN(TestDraw)
#include "test_draw.moc"
