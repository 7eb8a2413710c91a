#pragma once

// Finding the application's plots the way every whole-application check needs them.

#include "testsupport.h"

namespace session
{

inline QWidgetList plotsOf(QWidget *window)
{
    QWidgetList plots;
    for (QWidget *w : window->findChildren<QWidget *>())
        if (QString::fromLatin1(w->metaObject()->className())
                .startsWith(QLatin1String("field"), Qt::CaseInsensitive))
            plots.append(w);
    return plots;
}

inline bool isReference(const QObject *plot)
{
    return QString::fromLatin1(plot->metaObject()->className()).contains(QLatin1String("Reper"));
}

// Paints a plot at its current size; an empty plot paints nothing.
inline QImage paint(QWidget *plot)
{
    return plot->width() > 0 && plot->height() > 0 ? testsupport::grab(*plot, plot->size())
                                                   : QImage();
}

} // namespace session
