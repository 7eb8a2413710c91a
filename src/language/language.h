#pragma once

#include <QString>
#include <QStringList>

// The language of every text the program shows: its own translations, compiled in from
// translations/*.ts, and the toolkit's own texts from the system's Qt translations.
namespace veltarn::language
{

// The codes --language takes, the source language (Russian, the default) first, then the
// translations compiled in, in alphabetical order.
QStringList codes();

// Makes `code` the language of every text translated from now on, the toolkit's own included,
// in place of the one before. False, changing nothing, for a code not in codes().
bool use(const QString &code);

// The code last used; the source language before any.
QString current();

// `text` of `context` translated into the language `code`, for the time before the application
// object exists, when no translation can be installed yet.
QString translatedEarly(const QString &code, const char *context, const char *text);

// The program's name as the chosen language writes it: title bars, the folders of saved pictures
// and sounds, the figures' description.
QString programName();

} // namespace veltarn::language
