#pragma once

#include "output/graphs/GraphWindow.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QQueue>
#include <QTimer>

#include <algorithm>
#include <functional>

// Graph windows are modal: a test acts inside them through steps, one run
// each time a graph window comes up. Whatever window a step leaves open is
// closed after it, so a failed check never leaves a modal window waiting.
class GraphSteps : public QObject {
public:
    using Step = std::function<void(GraphWindow &)>;

    GraphSteps() { qApp->installEventFilter(this); }
    ~GraphSteps() override { qApp->removeEventFilter(this); }

    void then(Step step) { m_steps.enqueue(std::move(step)); }

    static QList<GraphWindow *> visibleWindows()
    {
        QList<GraphWindow *> windows;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *window = qobject_cast<GraphWindow *>(widget); window && window->isVisible())
                windows.append(window);
        return windows;
    }
    static int existingWindows()
    {
        const QWidgetList all = QApplication::topLevelWidgets();
        return int(std::count_if(all.begin(), all.end(), [](QWidget *w) { return qobject_cast<GraphWindow *>(w); }));
    }

    int shown = 0;
    int unplanned = 0;
    int mostVisibleAtOnce = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<GraphWindow *>(watched);
        if (window && event->type() == QEvent::Show && !event->spontaneous()) {
            ++shown;
            mostVisibleAtOnce = std::max(mostVisibleAtOnce, int(visibleWindows().size()));
            QTimer::singleShot(0, window, [this, window] { run(window); });
        }
        return false;
    }

private:
    void run(QPointer<GraphWindow> window)
    {
        if (m_steps.isEmpty())
            ++unplanned;
        else
            m_steps.dequeue()(*window);
        if (window && window->isVisible())
            window->close();
    }

    QQueue<Step> m_steps;
};
