#include "IconButton.h"

#include "Twips.h"

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

QPushButton *addStripButton(QWidget *strip, const QString &name, const QString &tooltip, const QString &icon,
                            double left)
{
    QPushButton *button = makeIconButton(strip, name, tooltip, icon,
                                         QRect(twipsPoint(left, 0), twipsSize(stripButtonSize, stripButtonSize)));
    button->setAutoDefault(false);
    return button;
}
