#include "app/defaultfont.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace veltarn
{

void setDefaultFont()
{
    QFont font = QApplication::font();
    // The forms' buttons are exactly as wide as their texts in an Arial-metric face; a wider
    // system face (DejaVu Sans on Debian) cuts "Добавить гармонику" at both ends.
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Arimo")});
    QApplication::setFont(font);
}

} // namespace veltarn
