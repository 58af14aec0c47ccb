#pragma once

// The join screen for the room: over the whole board, as large as the board
// allows, the page's address, the code and a QR code that carries both, and
// how many devices have joined, live. It comes up when Class Answers is
// turned on, and goes when the count starts or the teacher taps it; the
// join card in the corner brings it back.

#include <QWidget>

class ClassAnswers;
class QLabel;

class JoinScreen : public QWidget {
    Q_OBJECT
public:
    // Shares of the screen's height, so that the back row reads them.
    static constexpr double addressShare = 0.065;
    static constexpr double codeShare = 0.18;
    static constexpr double qrShare = 0.45;
    static constexpr double devicesShare = 0.05;

    JoinScreen(ClassAnswers &answers, QWidget *parent);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void follow(bool on);
    void showCode();
    void showDevices(int devices);
    void fitToHeight();

    ClassAnswers &m_answers;
    QLabel *m_address;
    QLabel *m_codeCaption;
    QLabel *m_code;
    QLabel *m_qrCode;
    QLabel *m_devices;
};
