#include "output/lists/RuleWindow.h"

#include "engine/SequenceRule.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QLabel *addLabel(QVBoxLayout *layout, const QString &name, const QString &text, double points, bool bold)
{
    auto *label = new QLabel(text);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    layout->addWidget(label);
    return label;
}

} // namespace

RuleWindow::RuleWindow(const CountingSession &session, ListKind kind, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmRule"));
    setWindowTitle(tr("The Rule"));
    setModal(true);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(wordsPoints);
    setFont(font);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const int margin = QFontMetrics(font).height();
    layout->setContentsMargins(margin, margin / 2, margin, margin / 2);
    const CounterSettings *settings[] = {&session.counter1, &session.counter2};
    const CountHistory *histories[] = {session.history1.get(), session.history2.get()};
    QList<QLabel *> words;
    int width = 0;
    for (int c = 0; c < int(kind); ++c) {
        const QString number = QString::number(c + 1);
        if (kind == ListKind::TwoCounters)
            addLabel(layout, "lblCounter" + number, tr("Counter %1").arg(c + 1), wordsPoints, true);
        words << addLabel(layout, "lblSteps" + number, stepRuleInWords(*settings[c]), wordsPoints, false);
        const NthNumberRule rule(*settings[c]);
        const bool exact = rule.gives(*histories[c], session.countIndex);
        const QLabel *formula =
            addLabel(layout, "lblNth" + number,
                     (exact ? tr("The nth number is %1") : tr("The nth number is about %1")).arg(rule.text()),
                     formulaPoints, true);
        width = std::max(width, formula->sizeHint().width());
        layout->addSpacing(QFontMetrics(font).height() / 2);
    }
    // A formula is never broken; the words wrap where they would be wider
    // than the screen.
    const int available = (parent ? parent->screen() : screen())->availableGeometry().width() * 9 / 10;
    for (QLabel *label : std::as_const(words)) {
        width = std::max(width, std::min(label->sizeHint().width(), available));
        label->setWordWrap(true);
    }
    for (QLabel *label : std::as_const(words))
        label->setMinimumWidth(width);

    auto *close = new QPushButton(tr("Close"));
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
}
