#include "help/HelpContents.h"

#include <QRegularExpression>

#include <optional>

namespace {

QString decodeEntities(QString text)
{
    static const QRegularExpression numeric(QStringLiteral("&#(x?)([0-9a-fA-F]+);"));
    QString decoded;
    qsizetype from = 0;
    for (auto it = numeric.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        decoded += QStringView(text).mid(from, match.capturedStart() - from);
        bool ok = false;
        const uint code = match.captured(2).toUInt(&ok, match.captured(1).isEmpty() ? 10 : 16);
        decoded += ok && code > 0 && code <= 0x10FFFF ? QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1)
                                                     : match.captured(0);
        from = match.capturedEnd();
    }
    decoded += QStringView(text).mid(from);
    return decoded.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&apos;"), QLatin1String("'"))
        .replace(QLatin1String("&nbsp;"), QString(QChar(0xA0)))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

QString attribute(const QString &attributes, const QString &name)
{
    static const QRegularExpression pair(
        QStringLiteral(R"re(([\w-]+)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))re"));
    for (auto it = pair.globalMatch(attributes); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(1).compare(name, Qt::CaseInsensitive) == 0) {
            for (int group = 2; group <= 4; ++group)
                if (match.capturedStart(group) >= 0)
                    return decodeEntities(match.captured(group));
            return {};
        }
    }
    return {};
}

} // namespace

bool operator==(const HelpTopic &a, const HelpTopic &b)
{
    return a.name == b.name && a.page == b.page && a.children == b.children;
}

// Sitemaps are loose HTML (unclosed <LI>, upper-case tags), so only the tags
// that carry the tree are read: <UL> opens a level under the last topic,
// </UL> closes it, and each text/sitemap <OBJECT> adds a topic.
QList<HelpTopic> readHelpContents(const QByteArray &sitemap)
{
    static const QRegularExpression tag(QStringLiteral(R"re(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)re"),
                                        QRegularExpression::CaseInsensitiveOption);
    QList<HelpTopic> top;
    QList<QList<HelpTopic> *> levels;  // the list each open <UL> adds to
    const auto current = [&] { return levels.isEmpty() ? &top : levels.back(); };
    std::optional<HelpTopic> topic;

    const QString text = QString::fromUtf8(sitemap);
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const QString name = match.captured(2).toLower();
        const QString attributes = match.captured(3);
        if (name == QLatin1String("ul")) {
            if (!closing) {
                QList<HelpTopic> *list = current();
                levels.append(levels.isEmpty() || list->isEmpty() ? list : &list->back().children);
            } else if (!levels.isEmpty()) {
                levels.removeLast();
            }
        } else if (name == QLatin1String("object")) {
            if (!closing) {
                if (attribute(attributes, QStringLiteral("type")).compare(QLatin1String("text/sitemap"),
                                                                          Qt::CaseInsensitive) == 0)
                    topic.emplace();
            } else if (topic) {
                if (!topic->name.isEmpty() || !topic->page.isEmpty())
                    current()->append(*topic);
                topic.reset();
            }
        } else if (topic) {
            const QString param = attribute(attributes, QStringLiteral("name"));
            if (param.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0)
                topic->name = attribute(attributes, QStringLiteral("value"));
            else if (param.compare(QLatin1String("Local"), Qt::CaseInsensitive) == 0)
                topic->page = attribute(attributes, QStringLiteral("value"));
        }
    }
    return top;
}
