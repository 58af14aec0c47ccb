#include "widgets/TouchSizing.h"

#include <QWidget>

void Touch::enlargeForTouch(QWidget *dialog, double points)
{
    QFont font = dialog->font();
    if (font.pointSizeF() < points) {
        font.setPointSizeF(points);
        dialog->setFont(font);
    }
    // A style sheet also reaches the buttons some dialogs build only when shown,
    // and the questions they ask in boxes of their own (a file dialog's
    // "already exists"); buttons it styles no longer take the dialog's font,
    // so it sets theirs. It reaches the dialogs opened over this one too,
    // whose widgets then take their font from the sheet rather than from
    // their own dialog: it gives every widget the size.
    dialog->setStyleSheet(QStringLiteral("QWidget { font-size: %3pt; }"
                                         " QPushButton { min-width: %1px; min-height: %2px; }")
                              .arg(buttonWidth)
                              .arg(targetHeight)
                              .arg(font.pointSizeF()));
}
