#include "app/sharedpalettestyle.h"

#include <QApplication>
#include <QStyleOption>

namespace veltarn
{

namespace
{
// More sets of colours than the program has; past it a palette is drawn with as it comes.
constexpr std::size_t paletteLimit = 64;
} // namespace

void SharedPaletteStyle::install()
{
    if (!qobject_cast<SharedPaletteStyle *>(QApplication::style()))
        QApplication::setStyle(new SharedPaletteStyle);
}

const QPalette &SharedPaletteStyle::shared(const QPalette &palette) const
{
    for (const QPalette &known : palettes)
        if (known == palette)
            return known;
    if (palettes.size() >= paletteLimit)
        return palette;
    return palettes.emplace_back(palette);
}

template <class Draw>
void SharedPaletteStyle::withSharedPalette(const QStyleOption *option, Draw draw) const
{
    if (!option) {
        draw(option);
        return;
    }
    // Every widget fills in a fresh option for each paint, so lending it the shared palette for
    // the drawing and handing it back unchanged disturbs nobody.
    auto *lent = const_cast<QStyleOption *>(option);
    const QPalette own = lent->palette;
    lent->palette = shared(own);
    lent->palette.setCurrentColorGroup(own.currentColorGroup());
    draw(lent);
    lent->palette = own;
}

void SharedPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                       QPainter *painter, const QWidget *widget) const
{
    withSharedPalette(option, [&](const QStyleOption *o) {
        QProxyStyle::drawPrimitive(element, o, painter, widget);
    });
}

void SharedPaletteStyle::drawControl(ControlElement element, const QStyleOption *option,
                                     QPainter *painter, const QWidget *widget) const
{
    withSharedPalette(option, [&](const QStyleOption *o) {
        QProxyStyle::drawControl(element, o, painter, widget);
    });
}

void SharedPaletteStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex *option, QPainter *painter,
                                            const QWidget *widget) const
{
    withSharedPalette(option, [&](const QStyleOption *o) {
        QProxyStyle::drawComplexControl(control, static_cast<const QStyleOptionComplex *>(o),
                                        painter, widget);
    });
}

} // namespace veltarn
