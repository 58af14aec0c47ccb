#include "output/lists/ListText.h"

#include "engine/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// Blanks between the columns on a line of the two-counter list, never fewer
// than two: the gap takes two blanks per digit width that counter 2 has
// gained since the first count, so counter 1's column keeps its right edge.
constexpr int startingColumnGap = 16;
constexpr int narrowestColumnGap = 2;

int lineCount(const CountingSession &session)
{
    return session.countIndex + 1;
}

// The number text with a leading blank for 0 and positive values, and no 0
// before the decimal point between -1 and 1.
qsizetype shortTextLength(double x, QLatin1StringView text)
{
    qsizetype length = text.size() + (x >= 0 ? 1 : 0);
    const bool fractionBelowOne = x > -1 && x < 1;
    const qsizetype digitStart = x < 0 ? 1 : 0;
    const bool exponent = text.contains(QLatin1Char('E'));
    if (fractionBelowOne && !exponent && text.size() > digitStart + 1 && text[digitStart] == '0'
        && !QChar::isDigit(text[digitStart + 1].unicode()))
        --length;
    return length;
}

} // namespace

double displayWidth(double x)
{
    char text[Decimal::longestText];
    return displayWidth(x, QLatin1StringView(text, Decimal::shown(x).write(text)));
}

double displayWidth(double x, QLatin1StringView text)
{
    double width = double(shortTextLength(x, text));
    const bool whole = std::trunc(x) == x;
    if (x > 0) {
        if (x < 1)
            width += 1;
        if (!whole)
            width -= 0.5;
    } else if (x < 0) {
        if (whole)
            width += 0.5;
        else if (x > -1)
            width += 1;
    }
    return width;
}

ListTable listLines(const CountingSession &session, ListKind kind)
{
    const CountHistory &history1 = *session.history1;
    const CountHistory &history2 = *session.history2;
    const QChar separator = decimalSeparator();
    ListTable lines;
    lines.text.reserve(qsizetype(lineCount(session)) * (kind == ListKind::OneCounter ? 12 : 40));
    lines.cellEnds.reserve(lineCount(session));
    const auto blanks = [&lines](int count) { lines.text.resize(lines.text.size() + count, QChar(' ')); };
    if (kind == ListKind::OneCounter) {
        for (int k = 0; k < lineCount(session); ++k) {
            history1.shown(std::size_t(k)).appendText(lines.text, separator);
            blanks(4);
            lines.endCell();
        }
        return lines;
    }
    int columnGap = startingColumnGap;
    char first2[Decimal::longestText];
    double previousWidth = displayWidth(history2[0], QLatin1StringView(first2, history2.shown(0).write(first2)));
    for (int k = 0; k < lineCount(session); ++k) {
        const Decimal number2 = history2.shown(std::size_t(k));
        char text2[Decimal::longestText];
        const double width = displayWidth(history2[k], QLatin1StringView(text2, number2.write(text2)));
        if (k > 0 && width != previousWidth)
            columnGap -= int(std::nearbyint(2 * (width - previousWidth)));
        previousWidth = width;
        history1.shown(std::size_t(k)).appendText(lines.text, separator);
        blanks(std::max(columnGap, narrowestColumnGap));
        number2.appendText(lines.text, separator);
        blanks(3);
        lines.endCell();
    }
    return lines;
}

QStringView ListTable::cell(int index) const
{
    const int start = index == 0 ? 0 : cellEnds[index - 1];
    return QStringView(text).sliced(start, cellEnds[index] - start);
}

QStringList ListTable::row(int index) const
{
    QStringList cells;
    for (int column = 0; column < columns; ++column)
        cells.append(cell(index, column).toString());
    return cells;
}

QStringList stepHeading()
{
    return {QCoreApplication::translate("ListText", "Number"), QCoreApplication::translate("ListText", "Step"),
            QCoreApplication::translate("ListText", "Step change")};
}

ListTable listTable(const CountingSession &session, ListKind kind, Steps steps)
{
    const bool withSteps = steps == Steps::Shown;
    const int counters = int(kind);
    ListTable table;
    const QStringList heading = stepHeading();
    table.columnsPerCounter = withSteps ? int(heading.size()) : 1;
    table.termColumns = withSteps ? 1 : 0;
    table.columns = table.termColumns + counters * table.columnsPerCounter;
    const CountHistory *histories[] = {session.history1.get(), session.history2.get()};
    struct Written {
        Decimal number;
        Decimal step;
    } previous[2];
    const QChar separator = decimalSeparator();
    table.text.reserve(qsizetype(lineCount(session)) * table.columns * 8);
    table.cellEnds.reserve(qsizetype(lineCount(session)) * table.columns);
    for (int k = 0; k < lineCount(session); ++k) {
        if (withSteps) {
            table.text += QString::number(k + 1);
            table.endCell();
        }
        for (int c = 0; c < counters; ++c) {
            const Decimal number = histories[c]->shown(std::size_t(k));
            number.appendText(table.text, separator);
            table.endCell();
            if (!withSteps)
                continue;
            const Decimal step = shownDifference(number, previous[c].number);
            if (k >= 1)
                step.appendText(table.text, separator);
            table.endCell();
            if (k >= 2)
                shownDifference(step, previous[c].step).appendText(table.text, separator);
            table.endCell();
            previous[c] = {number, step};
        }
    }
    if (withSteps) {
        table.heading += QStringLiteral("n");
        for (int c = 0; c < counters; ++c)
            table.heading += heading;
    }
    return table;
}

QStringList tabSeparatedLines(const ListTable &table)
{
    const QString tab = QStringLiteral("\t");
    const auto line = [&tab](const QStringList &cells) { return tab + cells.join(tab); };
    QStringList lines;
    lines.reserve(table.rowCount() + 1);
    if (!table.heading.isEmpty())
        lines.append(line(table.heading));
    for (int r = 0; r < table.rowCount(); ++r)
        lines.append(line(table.row(r)));
    return lines;
}

QByteArray listFileBytes(const ListTable &table)
{
    QByteArray bytes;
    for (const QString &line : tabSeparatedLines(table)) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}
