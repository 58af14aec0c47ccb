#pragma once

// A compiled help file, read through chmlib: the pages and pictures inside
// it, and the records that name its title, contents file and default topic.

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

struct chmFile;

class ChmFile {
public:
    // Nothing when the file is missing or is not a compiled help file.
    static std::unique_ptr<ChmFile> open(const QString &path);
    ~ChmFile();
    ChmFile(const ChmFile &) = delete;
    ChmFile &operator=(const ChmFile &) = delete;

    // The object at a path inside the file ("/index.html"); nothing when it
    // is not there or cannot be read whole.
    std::optional<QByteArray> read(const QString &path) const;

    // Paths are absolute inside the file; empty when the file names none.
    QString title() const { return m_title; }
    QString defaultTopic() const { return m_defaultTopic; }
    QString contentsFile() const { return m_contentsFile; }

private:
    explicit ChmFile(chmFile *handle);
    void readSystemRecords();

    chmFile *m_handle;
    QString m_title;
    QString m_defaultTopic;
    QString m_contentsFile;
};
