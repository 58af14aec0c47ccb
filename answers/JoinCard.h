#pragma once

// The card on the main window while Class Answers is on: the address to
// type, the join code, the address as a QR code and the number of devices
// joined. A tap folds it to a small tab showing only the number of devices,
// and the next tap brings it back; a tap on the address lists this
// computer's other addresses on the school's network, if it has any.

#include <QFrame>

class ClassAnswers;
class QLabel;

class JoinCard : public QFrame {
    Q_OBJECT
public:
    JoinCard(ClassAnswers &answers, QWidget *parent);

    bool isFolded() const { return m_folded; }
    void setFolded(bool folded);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showDevices(int devices);
    // The code, and the QR code that carries it.
    void showCode();
    void follow(bool on);

    ClassAnswers &m_answers;
    QLabel *m_address;
    QLabel *m_code;
    QLabel *m_qrCode;
    QLabel *m_devices;
    QLabel *m_others;
    QWidget *m_details;
    bool m_folded = false;
};
