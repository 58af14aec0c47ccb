#pragma once

// The count board's own window in window mode: resizable, owned by the main
// window, and left open beside it while the class counts. It remembers where
// it was left.

#include "windows/WindowMemory.h"

#include <QWidget>

class CountBoardWindow : public QWidget {
    Q_OBJECT
public:
    CountBoardWindow(WindowMemory &memory, QWidget &mainWindow);

    // Puts the panel in the window, out of wherever it stood.
    void takePanel(QWidget *panel);
    // Shows the window where it was left; the first time, beside the main window.
    void showBeside();

signals:
    // The teacher closed the window.
    void closed();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    WindowMemory &m_memory;
    QWidget &m_mainWindow;
};
