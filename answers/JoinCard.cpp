#include "answers/JoinCard.h"

#include "answers/ClassAnswers.h"
#include "answers/QrCode.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

constexpr int qrModulePixels = 4;

QLabel *cardLabel(const char *name, int points, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPointSizeF(points);
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

JoinCard::JoinCard(ClassAnswers &answers, QWidget *parent) : QFrame(parent), m_answers(answers)
{
    setObjectName(QStringLiteral("joinCard"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    // White, whatever background the teacher gives the counters: a phone's
    // camera reads the QR code best on white.
    QPalette card = palette();
    card.setColor(QPalette::Window, Qt::white);
    card.setColor(QPalette::WindowText, Qt::black);
    setPalette(card);

    m_details = new QWidget(this);
    auto *details = new QGridLayout(m_details);
    details->setContentsMargins(0, 0, 0, 0);
    m_qrCode = new QLabel(m_details);
    m_qrCode->setObjectName(QStringLiteral("joinQrCode"));
    m_address = cardLabel("joinAddress", 16, m_details);
    m_code = cardLabel("joinCode", 28, m_details);
    auto *codeCaption = new QLabel(tr("Code:"), m_details);
    details->addWidget(m_qrCode, 0, 0, 3, 1);
    details->addWidget(m_address, 0, 1, 1, 2);
    details->addWidget(codeCaption, 1, 1, Qt::AlignRight | Qt::AlignVCenter);
    details->addWidget(m_code, 1, 2);
    details->setRowStretch(2, 1);

    // The computer's other addresses on the school's network, shown on a
    // tap on the address.
    m_others = new QLabel(m_details);
    m_others->setObjectName(QStringLiteral("joinOtherAddresses"));
    m_others->setTextFormat(Qt::PlainText);
    m_others->hide();
    details->addWidget(m_others, 3, 1, 1, 2);

    m_devices = cardLabel("joinDevices", 12, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_details);
    layout->addWidget(m_devices);

    setAccessibleName(tr("Class Answers"));
    setToolTip(tr("Tap to fold or unfold"));
    connect(&answers, &ClassAnswers::devicesChanged, this, &JoinCard::showDevices);
    connect(&answers, &ClassAnswers::switched, this, &JoinCard::follow);
    connect(&answers, &ClassAnswers::codeChanged, this, &JoinCard::showCode);
    follow(answers.isOn());
}

void JoinCard::follow(bool on)
{
    if (on) {
        const QString address = m_answers.pageAddress();
        // Never 127.0.0.1 and its QR code as if pupils could use them.
        m_address->setText(address.isEmpty() ? tr("No school network found: pupils cannot join") : address);
        m_address->setWordWrap(address.isEmpty());
        showCode();
        m_others->setText(m_answers.otherPageAddresses().join(QLatin1Char('\n')));
        m_others->hide();
    }
    showDevices(m_answers.deviceCount());
    setVisible(on);
    raise();
}

void JoinCard::showCode()
{
    m_code->setText(m_answers.joinCode());
    const QString address = m_answers.joinAddress();
    const QImage code = address.isEmpty() ? QImage() : qrCodeImage(address);
    m_qrCode->setPixmap(QPixmap::fromImage(code.scaled(code.size() * qrModulePixels)));
    m_qrCode->setVisible(!address.isEmpty());
}

void JoinCard::showDevices(int devices)
{
    m_devices->setText(tr("Devices joined: %1").arg(devices));
    adjustSize();
}

void JoinCard::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && childAt(at) == m_address && !m_others->text().isEmpty()) {
        m_others->setVisible(!m_others->isVisible());
        adjustSize();
    } else if (event->button() == Qt::LeftButton && rect().contains(at)) {
        emit tapped();
    }
    QFrame::mouseReleaseEvent(event);
}
