#pragma once

// What the class has been shown, for every view that follows the count: the
// number on each counter at the newest count ("?" where hushed), and whether
// each counter is hidden. The run appends each count; the main window says
// when a counter is hidden or shown again. The board, the pupils' pages and
// whatever else follows the count connect to its signals once, and read the
// numbers before the newest from the run's history.

#include <QObject>
#include <QString>

#include <array>
#include <optional>

class CountModel : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Count countIndex is on the counters: counter2 only when in use.
    void append(int countIndex, const QString &counter1, const std::optional<QString> &counter2);
    int countIndex() const { return m_countIndex; }
    // As the counter shows it at the newest count; empty for counter 2 unused.
    QString shown(int counter) const { return m_shown[std::size_t(counter - 1)].value_or(QString()); }
    bool twoCounters() const { return m_shown[1].has_value(); }

    // counter: 1 or 2.
    void setHidden(int counter, bool hidden);
    bool isHidden(int counter) const { return m_hidden[std::size_t(counter - 1)]; }

signals:
    // Count countIndex has been appended; it is 0 at the start of a run.
    void countsAppended(int countIndex);
    void counterHiddenChanged(int counter, bool hidden);

private:
    int m_countIndex = 0;
    std::array<std::optional<QString>, 2> m_shown{QStringLiteral("0"), std::nullopt};
    std::array<bool, 2> m_hidden{false, false};
};
