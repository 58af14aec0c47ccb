#pragma once

// A key that acts in every window of the program, modal ones included, as
// long as it lives: F1 asks for help wherever the teacher is.

#include <QObject>

#include <functional>

class ApplicationKey : public QObject {
    Q_OBJECT
public:
    ApplicationKey(Qt::Key key, std::function<void()> action);
    ~ApplicationKey() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Qt::Key m_key;
    std::function<void()> m_action;
};
