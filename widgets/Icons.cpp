#include "widgets/Icons.h"

#include <QHash>

QIcon sharedIcon(const QString &path)
{
    static QHash<QString, QIcon> made;
    auto found = made.find(path);
    if (found == made.end())
        found = made.insert(path, QIcon(path));
    return *found;
}
