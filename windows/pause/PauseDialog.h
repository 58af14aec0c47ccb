#pragma once

// The strip of large picture buttons shown at a pause. A choice button leaves
// its code in pauseChoice, remembers where the dialog stands and takes the
// dialog away, which ends its modal show; the hide/show buttons only ask the
// main window to hide or show a counter, and the dialog stays.

#include "engine/CountingSession.h"
#include "platform/ScreenPlacement.h"

#include <QDialog>
#include <QPushButton>

class PauseDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr double clientHeight = 585;  // twips

    struct ButtonPlace {
        const char *name;
        double left;        // twips
        const char *tooltip;
        const char *icon;
    };

    QPushButton *button(const char *name) const;

signals:
    void maskCounter1();
    void maskCounter2();
    void choiceMade();

public slots:
    void reject() override;

protected:
    // buttons in tab order; the first is the default button.
    PauseDialog(const char *name, double clientWidth, CountingSession &session, WindowPlacement &placement,
                const QList<ButtonPlace> &buttons, QWidget *parent);
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void choose(PauseChoice choice);

    CountingSession &m_session;
    WindowPlacement &m_placement;  // shared by both pause dialogs
};

class OneCounterPauseDialog : public PauseDialog {
    Q_OBJECT
public:
    OneCounterPauseDialog(CountingSession &session, WindowPlacement &placement, QWidget *parent);
};

class TwoCounterPauseDialog : public PauseDialog {
    Q_OBJECT
public:
    TwoCounterPauseDialog(CountingSession &session, WindowPlacement &placement, QWidget *parent);
signals:
    void maskBoth();
};
