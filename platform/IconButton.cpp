#include "IconButton.h"

#include <QIcon>

QPushButton *makeIconButton(QWidget *parent, const QString &name, const QString &tooltip, const QString &icon,
                            const QRect &geometry)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setToolTip(tooltip);
    button->setAccessibleName(tooltip);
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    button->setIconSize(QSize(iconButtonIconPixels, iconButtonIconPixels));
    button->setGeometry(geometry);
    return button;
}
