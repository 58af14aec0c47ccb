#pragma once

#include "platform/Dialogs.h"
#include "platform/SaveFilters.h"

#include <QWidget>

#include <functional>

class QDialog;
class QFileDialog;

// The real dialogs: Qt's own message box, input box and file dialog, enlarged
// for touch, and the swatch colour dialog. Each stands over the window the
// teacher is working in: the open modal window, else the parent given.
// Over a full-screen window the number questions and messages are read from
// the back of the room: large, and standing where the board puts them.
class QtDialogs : public Dialogs {
public:
    static constexpr double boardPoints = 28;  // on a board of 1080 lines

    // Stands a dialog over the full-screen board, clear of the digits.
    void setBoardPlacement(std::function<void(QWidget &dialog)> standAtFoot) { m_standAtFoot = std::move(standAtFoot); }

    MessageAnswer showMessage(const Message &message, QWidget *parent) override;
    QString askText(const Question &question, QWidget *parent) override;
    std::optional<QColor> pickColour(QWidget *parent) override;
    std::optional<QString> askSaveFileName(const QString &suggestedName, const QString &filter,
                                           QWidget *parent) override;
    std::optional<QString> askOpenFileName(const QString &filter, QWidget *parent) override;
    void fileSaved(const QString &path) override;

private:
    QString askNumber(const Question &question, QWidget *over);
    QString askName(const Question &question, QWidget *over);
    // Large and standing at the board's foot when over a full-screen window.
    int execOver(QDialog &dialog, QWidget *over);
    QString saveFolder() const;
    void prepareFileDialog(QFileDialog &dialog, const QString &name, const QList<SaveFilter> &filters) const;

    QString m_lastSaveFolder;  // for this run only
    std::function<void(QWidget &)> m_standAtFoot;
};
