#include "cli/commandline.h"

#include "language/language.h"
#include "lecture/windowkeys.h"
#include "windowing/placement.h"
#include "workshop/signalsources.h"
#include "workshop/signalworkshop.h"
#include "workshop/soundfile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace veltarn::cli
{

namespace
{

// The largest side, in device pixels, of a picture written by --export.
constexpr int largestSide = 16384;
constexpr double largestScale = 8.0;
constexpr double longestSound = 600.0;

const char *const valueOptions[] = {"language", "demo",   "set",  "formula", "signal",
                                    "screen",   "export", "size", "scale",   "seconds"};
const char *const workshopId = "workshop";

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "cli", "Вельтарн: лекционные демонстрации спектров периодических сигналов."));
    parser.addOptions({
        {{QStringLiteral("h"), QStringLiteral("help")},
         QCoreApplication::translate("cli", "Показать эту справку.")},
        {{QStringLiteral("v"), QStringLiteral("version")},
         QCoreApplication::translate("cli", "Показать версию программы.")},
        {QStringLiteral("language"),
         QCoreApplication::translate("cli", "Язык программы: %1 (по умолчанию %2).")
             .arg(language::codes().join(QStringLiteral(", ")), language::codes().constFirst()),
         QStringLiteral("code")},
        {QStringLiteral("list"),
         QCoreApplication::translate("cli", "Перечислить демонстрации: идентификатор и название.")},
        {QStringLiteral("demo"),
         QCoreApplication::translate(
             "cli",
             "Сразу открыть демонстрацию поверх главного меню (идентификаторы: veltarn --list)."),
         QStringLiteral("id")},
        {QStringLiteral("set"),
         QCoreApplication::translate(
             "cli", "Начальные значения демонстрации в единицах её показаний, через запятую: "
                    "harmonics (rectangle, triangle, trapezoid); T, tau (pulse-train); T, tau1, "
                    "tau2 (shape); m, omega, Omega (modulation); preset, harmonics (workshop)."),
         QStringLiteral("name=value,...")},
        {QStringLiteral("formula"),
         QCoreApplication::translate(
             "cli", "С --demo workshop: сигнал по формуле F(t) на периоде, t от 0 до 1, "
                    "например sin(2*pi*t)."),
         QStringLiteral("expr")},
        {QStringLiteral("signal"),
         QCoreApplication::translate(
             "cli", "С --demo workshop: сигнал из таблицы CSV (заголовок t,f; один период) или "
                    "период звукового файла (WAV, FLAC, OGG, MP3) в самую ровную его секунду."),
         QStringLiteral("file")},
        {QStringLiteral("windowed"),
         QCoreApplication::translate("cli",
                                     "Показывать окна обычными окнами, а не во весь экран.")},
        {QStringLiteral("screen"),
         QCoreApplication::translate(
             "cli", "Показывать окна на экране с этим номером (0 - первый экран)."),
         QStringLiteral("N")},
        {QStringLiteral("export"),
         QCoreApplication::translate(
             "cli",
             "Ничего не показывая, записать демонстрацию (--demo) в файл и завершиться; формат по "
             "расширению: .png или .svg (всё окно), .wav (звук окна), .csv (линии спектра). Можно "
             "повторять."),
         QStringLiteral("file")},
        {QStringLiteral("size"),
         QCoreApplication::translate(
             "cli", "Размер окна для --export в пикселях (по умолчанию 1920x1080)."),
         QStringLiteral("WxH")},
        {QStringLiteral("scale"),
         QCoreApplication::translate(
             "cli", "Отношение пикселей устройства для --export (по умолчанию 1)."),
         QStringLiteral("F")},
        {QStringLiteral("seconds"),
         QCoreApplication::translate(
             "cli", "Длительность звука для --export в секундах (по умолчанию 3)."),
         QStringLiteral("S")},
    });
}

Options failure(const QString &error)
{
    Options o;
    o.action = Action::Error;
    o.error = error;
    return o;
}

// A number written the plain way ("1.5"), which QString::toDouble would also take as "1e3",
// "inf" or "nan".
bool plainNumber(const QString &text, double *value)
{
    static const QRegularExpression plain(QStringLiteral("^\\d{1,6}(\\.\\d{1,6})?$"));
    if (!plain.match(text).hasMatch())
        return false;
    *value = text.toDouble();
    return true;
}

QString parseSize(const QString &text, QSize *size)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return QCoreApplication::translate(
                   "cli", "--size %1: размер пишется как ШИРИНАxВЫСОТА, например 1920x1080")
            .arg(text);
    *size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    if (size->isEmpty())
        return QCoreApplication::translate("cli",
                                           "--size %1: ширина и высота должны быть больше нуля")
            .arg(text);
    return {};
}

QString parseSettings(const QStringList &values, const catalog::Demonstration &demo,
                      std::vector<catalog::Setting> *settings)
{
    static const QRegularExpression pair(QStringLiteral("^([^=]+)=(.+)$"));
    for (const QString &value : values)
        for (const QString &item : value.split(QLatin1Char(','))) {
            const QRegularExpressionMatch m = pair.match(item.trimmed());
            if (!m.hasMatch())
                return QCoreApplication::translate("cli", "--set %1: ожидается ИМЯ=ЗНАЧЕНИЕ")
                    .arg(item);
            const catalog::Setting setting{m.captured(1), m.captured(2)};
            const catalog::Parameter *p = demo.parameter(setting.name);
            if (!p)
                return QCoreApplication::translate(
                           "cli", "--set: у демонстрации %1 нет параметра %2 (есть: %3)")
                    .arg(QLatin1String(demo.id), setting.name,
                         demo.parameterNames().join(QStringLiteral(", ")));
            if (QString error = catalog::checkValue(*p, setting); !error.isEmpty())
                return QStringLiteral("--set ") + error;
            settings->push_back(setting);
        }
    return {};
}

// --formula and --signal, each with --demo workshop and neither with the other nor a preset.
QString parseSignal(const QCommandLineParser &parser, Options *o)
{
    const bool formula = parser.isSet(QStringLiteral("formula"));
    const bool file = parser.isSet(QStringLiteral("signal"));
    if (!formula && !file)
        return {};
    const QString option = formula ? QStringLiteral("--formula") : QStringLiteral("--signal");
    if (!o->demo || o->demo->id != QLatin1String(workshopId))
        return QCoreApplication::translate(
                   "cli", "%1 задаёт сигнал демонстрации workshop, нужен --demo workshop")
            .arg(option);
    const bool preset = std::any_of(o->settings.begin(), o->settings.end(), [](const auto &s) {
        return s.name == QLatin1String("preset");
    });
    if ((formula && file) || preset)
        return QCoreApplication::translate(
            "cli", "сигнал задаётся одним из --formula, --signal и preset=");
    if (formula) {
        o->formula = parser.value(QStringLiteral("formula"));
        if (QString error = workshop::parseFormula(o->formula).error; !error.isEmpty())
            return QStringLiteral("--formula ") + error;
    } else {
        o->signalFile = parser.value(QStringLiteral("signal"));
        // A sound file is read once the window is there to take its period.
        if (QString error = workshop::isSoundFile(o->signalFile)
                                ? QString()
                                : workshop::readCsv(o->signalFile).error;
            !error.isEmpty())
            return QStringLiteral("--signal %1: %2").arg(o->signalFile, error);
    }
    return {};
}

// Whether `argument` names an option that takes a value.
bool takesValue(const QString &argument)
{
    for (const char *name : valueOptions)
        if (argument == QLatin1String("--") + QLatin1String(name))
            return true;
    return false;
}

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

Options parseChecked(const QCommandLineParser &parser)
{
    Options o;
    for (const char *name : valueOptions)
        if (name != QLatin1String("set") && name != QLatin1String("export") &&
            parser.values(QLatin1String(name)).size() > 1)
            return failure(
                QCoreApplication::translate("cli", "--%1 можно указать только один раз").arg(name));
    if (!parser.positionalArguments().isEmpty())
        return failure(
            QCoreApplication::translate("cli", "лишний аргумент «%1»; справка: veltarn --help")
                .arg(parser.positionalArguments().constFirst()));

    if (parser.isSet(QStringLiteral("demo"))) {
        const QString id = parser.value(QStringLiteral("demo"));
        o.demo = catalog::find(id);
        if (!o.demo)
            return failure(
                QCoreApplication::translate("cli", "нет демонстрации «%1»; список: veltarn --list")
                    .arg(id));
    }
    if (parser.isSet(QStringLiteral("set"))) {
        if (!o.demo)
            return failure(QCoreApplication::translate(
                "cli", "--set задаёт значения демонстрации, нужен и --demo"));
        if (QString error =
                parseSettings(parser.values(QStringLiteral("set")), *o.demo, &o.settings);
            !error.isEmpty())
            return failure(error);
    }
    if (QString error = parseSignal(parser, &o); !error.isEmpty())
        return failure(error);
    o.windowed = parser.isSet(QStringLiteral("windowed"));
    if (parser.isSet(QStringLiteral("screen"))) {
        const QString text = parser.value(QStringLiteral("screen"));
        static const QRegularExpression index(QStringLiteral("^\\d{1,3}$"));
        if (!index.match(text).hasMatch())
            return failure(
                QCoreApplication::translate("cli", "--screen %1: номер экрана - целое число от 0")
                    .arg(text));
        o.screen = text.toInt();
    }

    o.exports = parser.values(QStringLiteral("export"));
    for (const QString &path : std::as_const(o.exports)) {
        if (path.isEmpty())
            return failure(QCoreApplication::translate("cli", "--export: не указано имя файла"));
        if (QString error = figures::checkSuffix(path); !error.isEmpty())
            return failure(QStringLiteral("--export ") + error);
    }
    if (!o.exports.isEmpty() && !o.demo)
        return failure(
            QCoreApplication::translate("cli", "--export записывает демонстрацию, нужен и --demo"));
    for (const char *name : {"size", "scale", "seconds"})
        if (o.exports.isEmpty() && parser.isSet(QLatin1String(name)))
            return failure(
                QCoreApplication::translate("cli", "--%1 относится только к --export").arg(name));

    figures::ExportOptions &e = o.exportOptions;
    if (parser.isSet(QStringLiteral("size")))
        if (QString error = parseSize(parser.value(QStringLiteral("size")), &e.size);
            !error.isEmpty())
            return failure(error);
    if (parser.isSet(QStringLiteral("scale"))) {
        const QString text = parser.value(QStringLiteral("scale"));
        if (!plainNumber(text, &e.scale) || e.scale <= 0.0 || e.scale > largestScale)
            return failure(
                QCoreApplication::translate(
                    "cli",
                    "--scale %1: ожидается число больше 0 и не больше %2, например 2 или 1.5")
                    .arg(text)
                    .arg(largestScale));
    }
    const QSize pixels(static_cast<int>(std::ceil(e.size.width() * e.scale)),
                       static_cast<int>(std::ceil(e.size.height() * e.scale)));
    if (pixels.width() > largestSide || pixels.height() > largestSide)
        return failure(
            QCoreApplication::translate(
                "cli", "рисунок %1x%2 пикселей слишком велик: каждая сторона не больше %3")
                .arg(pixels.width())
                .arg(pixels.height())
                .arg(largestSide));
    if (parser.isSet(QStringLiteral("seconds"))) {
        const QString text = parser.value(QStringLiteral("seconds"));
        if (!plainNumber(text, &e.seconds) || e.seconds <= 0.0 || e.seconds > longestSound)
            return failure(
                QCoreApplication::translate(
                    "cli", "--seconds %1: ожидается число секунд больше 0 и не больше %2")
                    .arg(text)
                    .arg(longestSound));
    }

    if (parser.isSet(QStringLiteral("help")))
        o.action = Action::Help;
    else if (parser.isSet(QStringLiteral("version")))
        o.action = Action::Version;
    else if (parser.isSet(QStringLiteral("list")))
        o.action = Action::List;
    else if (!o.exports.isEmpty())
        o.action = Action::Export;
    return o;
}

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
    std::fflush(stream);
}

// Brings a new window of the demonstration to the starting state: the workshop's signal first,
// then the settings in their order.
QString start(QWidget &window, const Options &options)
{
    if (auto *workshop = qobject_cast<signalWorkshop *>(&window)) {
        if (!options.formula.isEmpty() && !workshop->setFormula(options.formula))
            return QStringLiteral("--formula ") + workshop->message();
        if (!options.signalFile.isEmpty() && !workshop->openFile(options.signalFile))
            return QStringLiteral("--signal ") + workshop->message();
    }
    return catalog::apply(window, *options.demo, options.settings);
}

// Values the window refuses are found on a window nobody sees, before anything is shown.
QString checkStart(const Options &options)
{
    if (!options.demo)
        return {};
    const std::unique_ptr<QWidget> trial = options.demo->make();
    return start(*trial, options);
}

} // namespace

QString languageCode(const QStringList &arguments)
{
    QString code = language::codes().constFirst();
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (arg == QLatin1String("--language") && i + 1 < arguments.size())
            code = arguments[++i];
        else if (arg.startsWith(QLatin1String("--language=")))
            code = arg.mid(11);
    }
    return code;
}

Options parse(const QStringList &arguments)
{
    // The language first: the help and every error line are written in it.
    const QString code = languageCode(arguments);
    if (!language::use(code))
        return failure(
            QCoreApplication::translate("cli", "--language %1: нет такого языка; есть: %2")
                .arg(code, language::codes().join(QStringLiteral(", "))));
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return failure(QCoreApplication::translate(
                               "cli", "неизвестный параметр %1; справка: veltarn --help")
                               .arg(dashed(parser.unknownOptionNames().constFirst())));
        // The toolkit fails on an option without its value only when it ends the command line.
        if (takesValue(arguments.constLast()))
            return failure(QCoreApplication::translate("cli", "после %1 нужно значение")
                               .arg(arguments.constLast()));
        return failure(parser.errorText());
    }
    return parseChecked(parser);
}

QString helpText()
{
    QCommandLineParser parser;
    describe(parser);
    // The toolkit names the program by the path it was started as.
    QString text = parser.helpText();
    const QString program = QCoreApplication::arguments().value(0);
    if (const qsizetype at = program.isEmpty() ? -1 : text.indexOf(program); at >= 0)
        text.replace(at, program.size(), QStringLiteral("veltarn"));
    return text;
}

QString versionText()
{
    return QStringLiteral("veltarn %1\n").arg(QStringLiteral(VELTARN_VERSION));
}

QString listText()
{
    QString text;
    for (const catalog::Demonstration &d : catalog::demonstrations())
        text += QStringLiteral("%1\t%2\n").arg(QLatin1String(d.id), d.shownTitle());
    return text;
}

bool needsNoScreen(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        for (const char *name : {"-h", "--help", "-v", "--version", "--list"})
            if (std::strcmp(arg, name) == 0)
                return true;
        if (std::strcmp(arg, "--export") == 0 || std::strncmp(arg, "--export=", 9) == 0)
            return true;
    }
    return false;
}

QString exportFiles(const Options &options)
{
    const std::unique_ptr<QWidget> window = options.demo->make();
    if (QString error = start(*window, options); !error.isEmpty())
        return error;
    return figures::exportFiles(*window, options.exports, options.exportOptions);
}

QString show(const Options &options, QWidget &menu)
{
    if (QString error = checkStart(options); !error.isEmpty())
        return error;
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (options.screen >= screens.size())
        return QCoreApplication::translate(
                   "cli", "--screen %1: нет такого экрана, их %2 (номера от 0 до %3)")
            .arg(options.screen)
            .arg(screens.size())
            .arg(screens.size() - 1);
    veltarn::showWindowsOn(options.screen >= 0 ? screens.at(options.screen) : nullptr,
                           options.windowed);
    veltarn::showFullScreen(menu);
    if (options.demo) // the starting values were accepted by a trial window
        start(lecture::openWindow(options.demo->make(), menu), options);
    return {};
}

int run(const Options &options, bool hasDisplay, std::unique_ptr<QWidget> (*makeMenu)())
{
    switch (options.action) {
    case Action::Error:
        print(stderr, QStringLiteral("veltarn: %1\n").arg(options.error));
        return 2;
    case Action::Help:
        print(stdout, helpText());
        return 0;
    case Action::Version:
        print(stdout, versionText());
        return 0;
    case Action::List:
        print(stdout, listText());
        return 0;
    case Action::Export:
        if (QString error = exportFiles(options); !error.isEmpty()) {
            print(stderr, QStringLiteral("veltarn: %1\n").arg(error));
            return 2;
        }
        return 0;
    case Action::Run:
        break;
    }
    if (!hasDisplay) {
        // A refused starting value is reported as such, display or not.
        if (QString error = checkStart(options); !error.isEmpty()) {
            print(stderr, QStringLiteral("veltarn: %1\n").arg(error));
            return 2;
        }
        print(stderr,
              QCoreApplication::translate(
                  "cli",
                  "veltarn: нет дисплея, на котором показать окна: задайте DISPLAY или "
                  "WAYLAND_DISPLAY (или QT_QPA_PLATFORM=offscreen, чтобы работать без экрана)\n"));
        return 1;
    }
    const std::unique_ptr<QWidget> menu = makeMenu();
    if (QString error = show(options, *menu); !error.isEmpty()) {
        print(stderr, QStringLiteral("veltarn: %1\n").arg(error));
        return 2;
    }
    return QApplication::exec();
}

} // namespace veltarn::cli
