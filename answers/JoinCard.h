#pragma once

// The card on the main window while Class Answers is on: the address to
// type, the join code, a QR code that carries both and the number of devices
// joined. A tap on it asks for the join screen again; a tap on the address
// lists this computer's other addresses on the school's network, if it has
// any.

#include <QFrame>

class ClassAnswers;
class QLabel;

class JoinCard : public QFrame {
    Q_OBJECT
public:
    JoinCard(ClassAnswers &answers, QWidget *parent);

signals:
    void tapped();

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
};
