#include "widgets/IconButton.h"

#include "platform/Twips.h"

#include <QCoreApplication>
#include <QIcon>

QPushButton *makeIconButton(QWidget *parent, const QString &name, const QString &tooltip, const QString &icon,
                            const QRect &geometry)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    // The tables of buttons mark their tooltips with QT_TRANSLATE_NOOP("IconButton", …).
    const QString translated = QCoreApplication::translate("IconButton", tooltip.toUtf8().constData());
    button->setToolTip(translated);
    button->setAccessibleName(translated);
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
