#pragma once

// The spread of the class's answers for one counter: one bar per distinct
// answer, smallest number first, as tall as the number of pupils who gave
// it. The right answer's bar is drawn in green, named in the legend and
// ticked under its bar.

#include "answers/ClassQuestion.h"

#include <QChartView>

class AnswerChart : public QChartView {
    Q_OBJECT
public:
    explicit AnswerChart(QWidget *parent = nullptr);
    void showSpread(const QString &title, const QList<ClassQuestion::Bar> &bars);
};
