#include "answers/ClassAnswersWindow.h"

#include "answers/AnswerChart.h"
#include "answers/ClassAnswers.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int touchPoints = 14;
constexpr int touchHeight = 56;  // pixels

QPushButton *touchButton(const char *name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setMinimumHeight(touchHeight);
    button->setAutoDefault(false);
    return button;
}

} // namespace

ClassAnswersWindow::ClassAnswersWindow(ClassAnswers &answers, QWidget *parent)
    : QDialog(parent), m_answers(answers)
{
    setObjectName(QStringLiteral("frmClassAnswers"));
    setWindowTitle(tr("Class Answers"));
    QFont touchFont = font();
    touchFont.setPointSize(touchPoints);
    setFont(touchFont);

    m_answered = new QLabel(this);
    m_answered->setObjectName(QStringLiteral("lblAnswered"));
    QFont large = touchFont;
    large.setPointSize(2 * touchPoints);
    large.setBold(true);
    m_answered->setFont(large);
    m_asksForNames = new QCheckBox(tr("Ask for First Names"), this);
    m_asksForNames->setObjectName(QStringLiteral("chkNames"));
    m_asksForNames->setChecked(answers.asksForNames());
    // Names come from the pupils' devices: they are shown as plain text only.
    m_names = new QLabel(this);
    m_names->setObjectName(QStringLiteral("lblNames"));
    m_names->setTextFormat(Qt::PlainText);
    m_names->setWordWrap(true);

    auto *charts = new QHBoxLayout;
    for (int counter = 0; counter < 2; ++counter) {
        auto *chart = new AnswerChart(this);
        chart->setObjectName(QStringLiteral("chartAnswers%1").arg(counter + 1));
        chart->hide();
        charts->addWidget(chart);
        m_charts << chart;
    }

    m_showAnswers = touchButton("cmdShowAnswers", tr("Show Answers"), this);
    QPushButton *typeAnswer = touchButton("cmdTypeAnswer", tr("Type an Answer"), this);
    QPushButton *close = touchButton("cmdClose", tr("Close"), this);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_showAnswers, typeAnswer, close})
        buttons->addWidget(button);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_answered);
    layout->addWidget(m_asksForNames);
    layout->addWidget(m_names);
    layout->addLayout(charts, 1);
    layout->addLayout(buttons);

    connect(m_showAnswers, &QPushButton::clicked, &answers, &ClassAnswers::reveal);
    connect(typeAnswer, &QPushButton::clicked, this, &ClassAnswersWindow::typeAnswerRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_asksForNames, &QCheckBox::toggled, &answers, &ClassAnswers::setAsksForNames);
    connect(&answers, &ClassAnswers::questionChanged, this, &ClassAnswersWindow::showQuestion);
    showQuestion();
}

void ClassAnswersWindow::showQuestion()
{
    const ClassQuestion &question = m_answers.question();
    m_answered->setText(tr("Answered: %1").arg(question.answeredCount()));
    const QStringList names = m_answers.namesAnswered();
    m_names->setText(names.join(QStringLiteral(", ")));
    m_names->setVisible(!names.isEmpty());
    m_showAnswers->setEnabled(!question.isRevealed());
    for (int counter = 0; counter < m_charts.size(); ++counter) {
        const bool shown = question.isRevealed() && counter < question.counters();
        if (shown) {
            const QString title = question.counters() == 1 ? QString() : tr("Counter %1").arg(counter + 1);
            m_charts[counter]->showSpread(title, question.spread(counter));
        }
        m_charts[counter]->setVisible(shown);
    }
    if (question.isRevealed())
        resize(sizeHint().expandedTo(size()));
}

bool showAnswersWindow(ClassAnswers &answers, QWidget *parent)
{
    if (!answers.isOn())
        return false;
    ClassAnswersWindow window(answers, parent);
    QObject::connect(&window, &ClassAnswersWindow::typeAnswerRequested, &answers, &ClassAnswers::typeAnswer);
    window.exec();
    return true;
}
