#include "app/titlefont.h"

#include <QFont>
#include <QStringList>

namespace veltarn
{

void addTitleFontSubstitute()
{
    const QString family = QStringLiteral("MS PMincho");
    const QString standIn = QStringLiteral("IPAPMincho");
    if (!QFont::substitutes(family).contains(standIn))
        QFont::insertSubstitution(family, standIn);
}

} // namespace veltarn
