#pragma once

// The window that shows a number list: a strip of picture buttons (save,
// print, larger and smaller font, show steps, show the rule, copy) above a
// read-only, right-aligned view of the list. It opens with the remembered
// place, size, font size and steps, and hands them back to the session.
// OneCounterListWindow and TwoCounterListWindow differ only in their names and in which list they
// show, print and save.

#include "output/lists/ListServices.h"
#include "output/lists/ListText.h"
#include "output/lists/ListView.h"

#include <QDialog>
#include <QPushButton>

class ListWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr double stripHeight = 655;     // twips
    static constexpr double buttonSize = 600;      // twips
    static constexpr double textTop = 680;         // twips
    static constexpr double textHeightLoss = 650;  // twips: the text box is the inner height less this
    static constexpr double fontStep = 4;          // points
    static constexpr double largestGrowable = 80;  // points
    static constexpr double smallestShrinkable = 10;  // points
    // A list window opens at least this wide and high, whatever size it was
    // given or left at: its buttons and a few lines stay in reach.
    static constexpr double smallestOpening = 4800;  // twips

    QWidget *strip;
    ListView *listText;

public slots:
    void enlargeFont();
    void shrinkFont();
    void printList();
    void saveList();
    void toggleSteps();
    void showRule();
    // The selected lines, or the whole list when none is selected; Ctrl+C too.
    void copyList();

protected:
    ListWindow(const char *name, ListKind kind, ListServices &services);
    void resizeEvent(QResizeEvent *event) override;
    // Every way of closing the window ends here.
    void done(int result) override;

private:
    void restoreLook();
    void fitListToWindow();
    void rememberLook();
    void setFontPoints(double points);
    // Fills the view with the list, with or without its steps.
    void showList();

    QPushButton *m_stepsButton;
    ListKind m_kind;
    ListServices &m_services;
};

class OneCounterListWindow : public ListWindow {
    Q_OBJECT
public:
    explicit OneCounterListWindow(ListServices &services);
};

class TwoCounterListWindow : public ListWindow {
    Q_OBJECT
public:
    explicit TwoCounterListWindow(ListServices &services);
};
