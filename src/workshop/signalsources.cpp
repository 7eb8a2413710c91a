#include "workshop/signalsources.h"

#include "harmonics/synthesismodel.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QStringList>

#include <muParser.h>

#include <cmath>

namespace workshop
{

namespace
{

double floorOf(double v)
{
    return std::floor(v);
}

double signOf(double v)
{
    return v > 0.0 ? 1.0 : v < 0.0 ? -1.0 : 0.0;
}

Loaded refused(const QString &error)
{
    return {{}, error};
}

QString formulaError(const mu::ParserError &e)
{
    const QString token = QString::fromStdString(e.GetToken());
    const int column = e.GetPos() + 1;
    switch (e.GetCode()) {
    case mu::ecUNASSIGNABLE_TOKEN:
        return QCoreApplication::translate("workshop", "F(t): неизвестное имя «%1» в позиции %2")
            .arg(token)
            .arg(column);
    case mu::ecUNEXPECTED_EOF:
        return QCoreApplication::translate("workshop", "F(t): формула обрывается в позиции %1")
            .arg(column);
    case mu::ecMISSING_PARENS:
        return QCoreApplication::translate("workshop",
                                           "F(t): не хватает закрывающей скобки (позиция %1)")
            .arg(column);
    case mu::ecTOO_MANY_PARAMS:
    case mu::ecTOO_FEW_PARAMS:
        return QCoreApplication::translate(
                   "workshop", "F(t): у функции «%1» в позиции %2 не то число аргументов")
            .arg(token)
            .arg(column);
    default:
        return token.isEmpty()
                   ? QCoreApplication::translate("workshop",
                                                 "F(t): ошибка в записи формулы в позиции %1")
                         .arg(column)
                   : QCoreApplication::translate("workshop",
                                                 "F(t): ошибка в записи формулы: «%1» в позиции %2")
                         .arg(token)
                         .arg(column);
    }
}

// A plain decimal number: what QString::toDouble would also take as "inf", "nan" or "0x1p3" is
// refused.
bool plainNumber(QStringView text, double *value)
{
    for (const QChar c : text)
        if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') ||
              c == QLatin1Char('+') || c == QLatin1Char('e') || c == QLatin1Char('E')))
            return false;
    bool ok = false;
    *value = text.toDouble(&ok);
    return ok && std::isfinite(*value);
}

struct Row {
    double t;
    double f;
};

// The samples of the closed polyline through the rows, the first row repeated one period on.
Samples resample(const std::vector<Row> &rows)
{
    Samples s(sampleCount);
    std::size_t next = 0; // the first row at or after the sample's time
    for (int n = 0; n < sampleCount; ++n) {
        const double t = double(n) / sampleCount;
        while (next < rows.size() && rows[next].t < t)
            ++next;
        const Row before = next == 0 ? Row{rows.back().t - 1.0, rows.back().f} : rows[next - 1];
        const Row after =
            next == rows.size() ? Row{rows.front().t + 1.0, rows.front().f} : rows[next];
        s[std::size_t(n)] =
            after.t == t ? after.f
                         : before.f + (after.f - before.f) * (t - before.t) / (after.t - before.t);
    }
    return s;
}

} // namespace

Loaded parseFormula(const QString &text)
{
    if (text.trimmed().isEmpty())
        return refused(QCoreApplication::translate("workshop", "F(t): формула пуста"));
    double t = 0.0;
    mu::Parser parser;
    try {
        parser.DefineConst("pi", synthesis::pi);
        parser.DefineConst("e", std::exp(1.0));
        parser.DefineFun("floor", floorOf);
        parser.DefineFun("sign", signOf);
        parser.DefineVar("t", &t);
        parser.SetExpr(text.toStdString());
        Samples s(sampleCount);
        for (int n = 0; n < sampleCount; ++n) {
            t = double(n) / sampleCount;
            const double v = parser.Eval();
            if (!std::isfinite(v))
                return refused(QCoreApplication::translate(
                                   "workshop", "F(t): значение не определено при t = %1")
                                   .arg(t, 0, 'g', 6));
            s[std::size_t(n)] = v;
        }
        return {s, {}};
    } catch (const mu::ParserError &e) {
        return refused(formulaError(e));
    }
}

Loaded readCsv(QIODevice &in)
{
    if (in.size() > largestFile)
        return refused(QCoreApplication::translate("workshop", "файл больше 10 МБ"));
    const QByteArray bytes = in.read(largestFile + 1);
    if (bytes.size() > largestFile)
        return refused(QCoreApplication::translate("workshop", "файл больше 10 МБ"));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return refused(QCoreApplication::translate("workshop", "файл не в кодировке UTF-8"));
    QStringList lines = text.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.constLast().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty() || lines.constFirst().trimmed() != QLatin1String("t,f"))
        return refused(
            QCoreApplication::translate("workshop", "строка 1: ожидается заголовок t,f"));
    std::vector<Row> rows;
    for (int i = 1; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const QString where = QCoreApplication::translate("workshop", "строка %1: ").arg(i + 1);
        const QStringList cells = line.split(QLatin1Char(','));
        if (cells.size() != 2)
            return refused(where + QCoreApplication::translate(
                                       "workshop", "ожидается два числа через запятую, t и f"));
        Row r{};
        if (!plainNumber(cells[0].trimmed(), &r.t))
            return refused(where + QCoreApplication::translate("workshop", "t «%1» - не число")
                                       .arg(cells[0].trimmed()));
        if (!plainNumber(cells[1].trimmed(), &r.f))
            return refused(where + QCoreApplication::translate("workshop", "f «%1» - не число")
                                       .arg(cells[1].trimmed()));
        if (r.t < 0.0 || r.t > 1.0)
            return refused(
                where +
                QCoreApplication::translate("workshop", "t = %1 вне периода от 0 до 1").arg(r.t));
        if (!rows.empty() && !(r.t > rows.back().t))
            return refused(
                where +
                QCoreApplication::translate("workshop", "t = %1 не больше предыдущего").arg(r.t));
        rows.push_back(r);
    }
    if (rows.size() < 2)
        return refused(QCoreApplication::translate(
                           "workshop", "строка %1: нужно не меньше двух строк с числами")
                           .arg(lines.size() + 1));
    return {resample(rows), {}};
}

Loaded readCsv(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(
            QCoreApplication::translate("workshop", "%1: не удаётся открыть файл").arg(path));
    return readCsv(file);
}

QByteArray csvOf(const Samples &samples)
{
    QByteArray out = "t,f\n";
    for (std::size_t n = 0; n < samples.size(); ++n)
        out += QByteArray::number(double(n) / double(samples.size()), 'g', 17) + ',' +
               QByteArray::number(samples[n], 'g', 17) + '\n';
    return out;
}

} // namespace workshop
