#include "widgets/IconButton.h"

#include "platform/Twips.h"
#include "widgets/Icons.h"

#include <QCoreApplication>
#include <QIcon>
#include <QStyleOptionButton>
#include <QStylePainter>

void IconButton::setCaptionShown(bool shown)
{
    m_captionShown = shown;
    update();
}

int IconButton::captionHeight() const
{
    return 2 * fontMetrics().lineSpacing();
}

void IconButton::paintEvent(QPaintEvent *event)
{
    if (!m_captionShown) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.icon = QIcon();
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect inside = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const QRect caption(inside.left(), inside.bottom() + 1 - captionHeight(), inside.width(), captionHeight());
    QRect picture(QPoint(), iconSize());
    picture.moveCenter(QPoint(inside.center().x(), (inside.top() + caption.top()) / 2));
    icon().paint(&painter, picture, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, accessibleName());
}

QPushButton *makeIconButton(QWidget *parent, const QString &name, const QString &tooltip, const QString &icon,
                            const QRect &geometry)
{
    auto *button = new IconButton(parent);
    button->setObjectName(name);
    // The tables of buttons mark their tooltips with QT_TRANSLATE_NOOP("IconButton", …).
    const QString translated = QCoreApplication::translate("IconButton", tooltip.toUtf8().constData());
    button->setToolTip(translated);
    button->setAccessibleName(translated);
    button->setIcon(sharedIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
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
