#pragma once

// The run loop's view of the windows: the main window's counters and run
// buttons, the event pump, the pause dialogs, the list and graph windows and
// the count board.

#include "engine/CountModel.h"
#include "engine/RunView.h"
#include "platform/EventPump.h"
#include "windows/WindowMemory.h"
#include "windows/main/MainWindow.h"
#include "windows/pause/PauseDialog.h"

#include <QPointer>

#include <functional>

class ClassAnswers;
class Clock;
class CountBoards;

class WindowView : public RunView {
public:
    WindowView(MainWindow &mainWindow, CountingSession &session, CountModel &model, WindowMemory &memory, Clock &clock,
               EventPump &pump);
    ~WindowView() override;

    void setListAction(std::function<void()> action) { m_showList = std::move(action); }
    void setGraphAction(std::function<void()> action) { m_showGraph = std::move(action); }

    void showCounters(const QString &counter1, const QString *counter2) override;
    void setRunning(bool running) override;
    void waitForEvents(double deadline) override;
    void holdInputUntil(double deadline, HeldWait kind) override;
    void handlePendingEvents() override;
    void showPauseTaken() override;
    void showPauseDialog(int counterCount) override;
    void showList() override;
    void showGraph() override;
    bool showClassAnswers() override;
    // The pages of Class Answers follow the run's pauses through this view.
    void setClassAnswers(ClassAnswers *answers) { m_classAnswers = answers; }
    // So does the count board.
    void setCountBoards(CountBoards *boards) { m_countBoards = boards; }

    // The pause dialog of the given kind, created on first use.
    PauseDialog *pauseDialog(int counterCount);

private:
    void placePauseDialog(PauseDialog &dialog);
    template <typename Dialog>
    Dialog *wired(Dialog *dialog);

    MainWindow &m_main;
    CountingSession &m_session;
    CountModel &m_model;
    WindowMemory &m_memory;
    Clock &m_clock;
    EventPump &m_pump;
    QPointer<OneCounterPauseDialog> m_paused;
    QPointer<TwoCounterPauseDialog> m_paused2;
    std::function<void()> m_showList;
    std::function<void()> m_showGraph;
    ClassAnswers *m_classAnswers = nullptr;
    CountBoards *m_countBoards = nullptr;
};
