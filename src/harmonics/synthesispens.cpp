#include "harmonics/synthesispens.h"

#include "draw/plotpainting.h"

const synthesisPens &synthesisPens::get()
{
    using draw::makePen;
    static const synthesisPens table{
        makePen(draw::gridColour, 1, Qt::FlatCap), makePen(Qt::black, 1, Qt::SquareCap),
        makePen(Qt::black, 3, Qt::SquareCap),      makePen(Qt::darkBlue, 3, Qt::FlatCap),
        makePen(Qt::green, 3, Qt::FlatCap),        makePen(Qt::red, 3, Qt::FlatCap),
        makePen(Qt::black, 6, Qt::FlatCap),        makePen(Qt::black, 16, Qt::RoundCap),
        makePen(Qt::magenta, 6, Qt::FlatCap),      makePen(Qt::red, 16, Qt::RoundCap)};
    return table;
}
