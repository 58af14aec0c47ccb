#pragma once

// The program's data folder, where lessons.json lives, in a temporary folder
// of the test's own for as long as the object lives: the user's lessons are
// never read or touched.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

class DataFolder {
public:
    DataFolder() { qputenv("XDG_DATA_HOME", QFile::encodeName(m_folder.path())); }
    ~DataFolder() { qunsetenv("XDG_DATA_HOME"); }
    DataFolder(const DataFolder &) = delete;
    DataFolder &operator=(const DataFolder &) = delete;

    QString path(const QString &name) const { return m_folder.filePath(name); }
    static bool write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_folder;
};
