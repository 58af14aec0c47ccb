#include "help/ChmFile.h"

#include <QFile>

#include <chm_lib.h>

namespace {

// Larger objects are not help pages or pictures; refusing them keeps a
// damaged file from asking for absurd amounts of memory.
constexpr LONGUINT64 largestObject = 64 * 1024 * 1024;

enum SystemRecord : quint16 { ContentsFile = 0, DefaultTopic = 2, Title = 3 };

QString absolutePath(const QString &path)
{
    return path.isEmpty() || path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path;
}

} // namespace

std::unique_ptr<ChmFile> ChmFile::open(const QString &path)
{
    if (path.isEmpty())
        return nullptr;
    chmFile *handle = chm_open(QFile::encodeName(path).constData());
    if (!handle)
        return nullptr;
    std::unique_ptr<ChmFile> file(new ChmFile(handle));
    file->readSystemRecords();
    return file;
}

ChmFile::ChmFile(chmFile *handle) : m_handle(handle) {}

ChmFile::~ChmFile()
{
    chm_close(m_handle);
}

std::optional<QByteArray> ChmFile::read(const QString &path) const
{
    chmUnitInfo unit{};
    const QByteArray name = absolutePath(path).toUtf8();
    if (name.isEmpty() || chm_resolve_object(m_handle, name.constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (unit.length > largestObject)
        return std::nullopt;
    QByteArray data(qsizetype(unit.length), Qt::Uninitialized);
    const LONGINT64 got = chm_retrieve_object(m_handle, &unit, reinterpret_cast<unsigned char *>(data.data()), 0,
                                              LONGINT64(unit.length));
    if (got != LONGINT64(unit.length))
        return std::nullopt;
    return data;
}

// The system records: a version word, then records of a code word, a length
// word and that many bytes; texts end in a zero byte.
void ChmFile::readSystemRecords()
{
    const std::optional<QByteArray> system = read(QStringLiteral("/#SYSTEM"));
    if (!system)
        return;
    const QByteArray &bytes = *system;
    const auto word = [&bytes](qsizetype at) {
        return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
    };
    for (qsizetype at = 4; at + 4 <= bytes.size();) {
        const quint16 code = word(at);
        const qsizetype length = word(at + 2);
        if (at + 4 + length > bytes.size())
            break;
        QByteArray text = bytes.mid(at + 4, length);
        if (const qsizetype end = text.indexOf('\0'); end >= 0)
            text.truncate(end);
        switch (code) {
        case ContentsFile: m_contentsFile = absolutePath(QString::fromLatin1(text)); break;
        case DefaultTopic: m_defaultTopic = absolutePath(QString::fromLatin1(text)); break;
        case Title: m_title = QString::fromLatin1(text); break;
        default: break;
        }
        at += 4 + length;
    }
}
