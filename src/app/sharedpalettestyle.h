#pragma once

#include <QPalette>
#include <QProxyStyle>

#include <vector>

namespace veltarn
{

// The program's style: the toolkit's own, drawing every control with one shared palette per set
// of colours. The style keeps pictures of buttons and sliders in the toolkit's pixmap cache under
// names that include the identity of the palette they were drawn with, and every window opened
// brings palettes of its own, the same colours under a new identity. The cache forgets a
// picture when full, but not its name, so a lecture that opens windows hundreds of times would
// grow the table of names without end. Drawn with the shared palette, a control of a window
// opened again finds the picture its predecessor left, and the names stay as many as the
// controls' looks.
class SharedPaletteStyle : public QProxyStyle
{
    Q_OBJECT

public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;

    // Installs the style program-wide unless it already is.
    static void install();

private:
    template <class Draw> void withSharedPalette(const QStyleOption *option, Draw draw) const;
    const QPalette &shared(const QPalette &palette) const;

    mutable std::vector<QPalette> palettes;
};

} // namespace veltarn
