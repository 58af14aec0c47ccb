#include "answers/JoinScreen.h"

#include "answers/ClassAnswers.h"
#include "answers/QrCode.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

#include <algorithm>

namespace {

QLabel *screenLabel(const char *name, QWidget *parent, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    return label;
}

void setPixelHeight(QLabel *label, int pixels, bool bold)
{
    QFont font = label->font();
    font.setPixelSize(std::max(1, pixels));
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

JoinScreen::JoinScreen(ClassAnswers &answers, QWidget *parent) : QWidget(parent), m_answers(answers)
{
    setObjectName(QStringLiteral("joinScreen"));
    setAccessibleName(tr("Join Class Answers"));
    setToolTip(tr("Tap to see the board"));
    setAutoFillBackground(true);
    // White, whatever the counters' colours: a camera reads a QR code best on white.
    QPalette screen = palette();
    screen.setColor(QPalette::Window, Qt::white);
    screen.setColor(QPalette::WindowText, Qt::black);
    setPalette(screen);

    m_qrCode = screenLabel("joinScreenQrCode", this, Qt::AlignCenter);
    m_address = screenLabel("joinScreenAddress", this);
    m_codeCaption = screenLabel("joinScreenCodeCaption", this);
    m_codeCaption->setText(tr("Code:"));
    m_code = screenLabel("joinScreenCode", this);
    m_devices = screenLabel("joinScreenDevices", this);
    // The QR code beside the texts, the whole centred on the board.
    auto *texts = new QGridLayout;
    texts->addWidget(m_address, 1, 0, 1, 2);
    texts->addWidget(m_codeCaption, 2, 0);
    texts->addWidget(m_code, 2, 1);
    texts->addWidget(m_devices, 3, 0, 1, 2);
    texts->setRowStretch(0, 1);
    texts->setRowStretch(4, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(m_qrCode);
    layout->addSpacing(m_qrCode->fontMetrics().height() * 2);
    layout->addLayout(texts);
    layout->addStretch(1);

    connect(&answers, &ClassAnswers::switched, this, &JoinScreen::follow);
    connect(&answers, &ClassAnswers::codeChanged, this, &JoinScreen::showCode);
    connect(&answers, &ClassAnswers::devicesChanged, this, &JoinScreen::showDevices);
    connect(&answers, &ClassAnswers::countStarted, this, &QWidget::hide);
    hide();
}

void JoinScreen::follow(bool on)
{
    if (on) {
        const QString address = m_answers.pageAddress();
        m_address->setText(address.isEmpty() ? tr("No school network found: pupils cannot join") : address);
        m_address->setWordWrap(address.isEmpty());
        showCode();
        showDevices(m_answers.deviceCount());
    }
    setVisible(on);
}

void JoinScreen::showCode()
{
    m_code->setText(m_answers.joinCode());
    fitToHeight();
}

void JoinScreen::showDevices(int devices)
{
    m_devices->setText(tr("Devices joined: %1").arg(devices));
}

// Sized by the screen's height in full screen, by the window's otherwise;
// the address shrinks to fit beside the QR code on a narrow board.
void JoinScreen::fitToHeight()
{
    const int tall = window()->isFullScreen() && screen() ? screen()->geometry().height() : window()->height();
    const QString address = m_answers.joinAddress();
    const QImage code = address.isEmpty() ? QImage() : qrCodeImage(address);
    const int qrSide = std::min(int(tall * qrShare), height() - 2 * layout()->contentsMargins().top());
    m_qrCode->setPixmap(code.isNull() ? QPixmap()
                                      : QPixmap::fromImage(code.scaled(qrSide, qrSide, Qt::KeepAspectRatio, Qt::FastTransformation)));
    m_qrCode->setVisible(!code.isNull());
    setPixelHeight(m_code, int(tall * codeShare), true);
    setPixelHeight(m_codeCaption, int(tall * addressShare), false);
    setPixelHeight(m_devices, int(tall * devicesShare), false);
    int addressPixels = int(tall * addressShare);
    setPixelHeight(m_address, addressPixels, true);
    const int room = width() - (code.isNull() ? 0 : qrSide) - 2 * m_qrCode->fontMetrics().height()
        - 4 * layout()->spacing() - 2 * layout()->contentsMargins().left();
    const int wide = m_address->fontMetrics().horizontalAdvance(m_address->text());
    if (!m_address->wordWrap() && wide > room && room > 0)
        setPixelHeight(m_address, addressPixels * room / wide, true);
}

void JoinScreen::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitToHeight();
}

void JoinScreen::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        hide();
    QWidget::mouseReleaseEvent(event);
}
