#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>

// The sum of the numbers on the lines of a /proc/self file that start with
// prefix: "VmRSS:" or "Threads:" of status, "Private_" of smaps_rollup (kB).
inline long processFigure(const char *file, const char *prefix)
{
    QFile figures(QString::fromLatin1(file));
    if (!figures.open(QIODevice::ReadOnly))
        return -1;
    long total = 0;
    for (const QByteArray &line : figures.readAll().split('\n'))
        if (line.startsWith(prefix))
            total += line.mid(line.indexOf(':') + 1).trimmed().split(' ').first().toLong();
    return total;
}

inline long openFiles()
{
    return long(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::System).size());
}
