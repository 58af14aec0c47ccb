#pragma once

// The window that shows a number list: a strip of picture buttons (save,
// print, larger and smaller font, show steps, show the rule, copy) above a
// read-only, right-aligned view of the list. It opens with the remembered
// place, size, font size and steps, and hands them back to the session.
// frmList and frmList2 differ only in their names and in which list they
// show, print and save.

#include "ListServices.h"
#include "ListText.h"
#include "ListView.h"

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

    QPushButton *button(const QString &name) const;
    QWidget *strip;
    ListView *listText;

public slots:
    void cmdFontInc_Click();
    void cmdFontDec_Click();
    void cmdPrint_Click();
    void cmdSave_Click();
    void cmdSteps_Click();
    void cmdRule_Click();
    // The selected lines, or the whole list when none is selected; Ctrl+C too.
    void copyList();

protected:
    ListWindow(const char *name, ListKind kind, ListServices &services);
    void resizeEvent(QResizeEvent *event) override;
    // Every way of closing the window ends here.
    void done(int result) override;

private:
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void setFontPoints(double points);
    // Fills the view with the list, with or without its steps.
    void showList();

    QPushButton *m_stepsButton;
    ListKind m_kind;
    ListServices &m_services;
};

class frmList : public ListWindow {
    Q_OBJECT
public:
    explicit frmList(ListServices &services);

    QPushButton *cmdList1Save;
    QPushButton *cmdList1Print;
    QPushButton *cmdList1FontInc;
    QPushButton *cmdList1FontDec;
};

class frmList2 : public ListWindow {
    Q_OBJECT
public:
    explicit frmList2(ListServices &services);

    QPushButton *cmdList2Save;
    QPushButton *cmdList2Print;
    QPushButton *cmdList2FontInc;
    QPushButton *cmdList2FontDec;
};
