#include "language/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace veltarn::language
{

namespace
{

const QString sourceCode = QStringLiteral("ru");
// Where the build puts the compiled translations: veltarn_<code>.qm. The source language's own
// file holds only its plural forms, which its source texts cannot spell.
const QString compiledIn = QStringLiteral(":/i18n");
const QString ownName = QStringLiteral("veltarn-language");

QString &chosen()
{
    static QString code = sourceCode;
    return code;
}

void removeInstalled()
{
    for (QTranslator *t : QCoreApplication::instance()->findChildren<QTranslator *>(
             ownName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

// Installs the translation `name` found in `folder` when there is one: Qt has no file of its own
// texts in English, which is what they are written in.
void install(const QString &name, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder))
        return;
    translator->setObjectName(ownName);
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator.release());
}

} // namespace

QStringList codes()
{
    QStringList list{sourceCode};
    for (const QString &file :
         QDir(compiledIn).entryList({QStringLiteral("veltarn_*.qm")}, QDir::Files, QDir::Name)) {
        const QString code = file.mid(8).chopped(3);
        if (code != sourceCode)
            list << code;
    }
    return list;
}

bool use(const QString &code)
{
    if (!codes().contains(code))
        return false;
    removeInstalled();
    install(QStringLiteral("veltarn_") + code, compiledIn);
    install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    chosen() = code;
    return true;
}

QString current()
{
    return chosen();
}

QString translatedEarly(const QString &code, const char *context, const char *text)
{
    QTranslator translator;
    QString translated;
    if (code != sourceCode && translator.load(QStringLiteral("veltarn_") + code, compiledIn))
        translated = translator.translate(context, text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

QString programName()
{
    return QCoreApplication::translate("veltarn", "Вельтарн");
}

} // namespace veltarn::language
