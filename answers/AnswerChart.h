#pragma once

// The spread of the class's answers for one counter: one bar per distinct
// answer, smallest number first, as tall as the number of pupils who gave
// it. The right answer's bar is drawn in green, named in the legend and
// ticked under its bar; a wrong one that fits a common mistake is named
// above its bar.

#include "answers/ClassQuestion.h"

#include <QChartView>

class QAbstractBarSeries;
class QGraphicsTextItem;

class AnswerChart : public QChartView {
    Q_OBJECT
public:
    explicit AnswerChart(QWidget *parent = nullptr);
    void showSpread(const QString &title, const QList<ClassQuestion::Bar> &bars);
    // The mistake named above the bar, counted from the left; empty for none.
    QString mistakeShownAt(int bar) const;

private:
    void nameMistakes(const QList<ClassQuestion::Bar> &bars, QAbstractBarSeries *series);

    struct MistakeLabel {
        int bar;
        int pupils;
        QGraphicsTextItem *label;  // the chart's
    };
    QList<MistakeLabel> m_mistakes;
};
