#include "TouchSizing.h"

#include <QWidget>

void Touch::enlargeForTouch(QWidget *dialog)
{
    QFont font = dialog->font();
    if (font.pointSizeF() < fontPointSize) {
        font.setPointSizeF(fontPointSize);
        dialog->setFont(font);
    }
    // A style sheet also reaches the buttons some dialogs build only when shown,
    // and the questions they ask in boxes of their own (a file dialog's
    // "already exists"), which do not take the dialog's font; buttons it
    // styles no longer take the dialog's font either, so it sets theirs.
    dialog->setStyleSheet(QStringLiteral("QPushButton { min-width: %1px; min-height: %2px; font-size: %3pt; }"
                                         " QMessageBox, QMessageBox QLabel { font-size: %3pt; }")
                              .arg(buttonWidth)
                              .arg(targetHeight)
                              .arg(font.pointSizeF()));
}
