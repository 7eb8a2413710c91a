#pragma once

#include "catalog/catalog.h"
#include "figures/figures.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QWidget;

namespace veltarn::cli
{

enum class Action { Run, Help, Version, List, Export, Error };

// What the command line asks for, checked as far as it can be without any window.
struct Options {
    Action action = Action::Run;
    QString error; // one line in the chosen language, when action is Error
    const catalog::Demonstration *demo = nullptr;
    std::vector<catalog::Setting> settings;
    // The workshop's signal from a formula or a CSV table, taken before the settings.
    QString formula;
    QString signalFile;
    bool windowed = false;
    int screen = -1; // -1: wherever the system puts the windows
    QStringList exports;
    figures::ExportOptions exportOptions;
};

// The code --language gives in `arguments` (the last one given), the default language's without
// one; whether it is known is for language::use() to say.
QString languageCode(const QStringList &arguments);

// `arguments` as QCoreApplication::arguments() gives them: the program first, the toolkit's own
// options already taken out. Makes the language --language names the program's first, so the
// help and the errors come in it; an unknown code is an Error.
Options parse(const QStringList &arguments);
QString helpText();
QString versionText();
QString listText();

// True when the command line asks for something that needs no screen (help, the version, the
// list, export), so the program can run on the offscreen platform. Read before the application
// object exists, from the raw arguments.
bool needsNoScreen(int argc, char *argv[]);

// Writes the files of an Export; an empty string or one line in the chosen language.
QString exportFiles(const Options &options);

// Shows the main menu and, over it, the demonstration asked for, in its starting state, as the
// menu's button opens it. Returns an empty string, or one line in the chosen language when the
// screen or a starting value is refused (nothing is shown then).
QString show(const Options &options, QWidget &menu);

// Everything main() does once the application object exists, with `makeMenu` making the main
// menu; the process's exit status.
int run(const Options &options, bool hasDisplay, std::unique_ptr<QWidget> (*makeMenu)());

} // namespace veltarn::cli
