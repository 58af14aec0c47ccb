#include "answers/PupilServer.h"

#include "answers/AnswerLimits.h"
#include "answers/LocalNetwork.h"
#include "answers/PupilTexts.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkInterface>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>

#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <utility>

namespace {

// What the server reads of a socket at a time.
constexpr qint64 readBytes = 4096;
// A connection being closed that does not take its last bytes is cut.
constexpr int closingMilliseconds = 2000;

QByteArray resource(const QString &name)
{
    QFile file(QStringLiteral(":/pupils/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How much of the bytes the system took at once, or -1 when the connection
// has failed. Qt's own write turns the socket's write notifier on and off
// again for every message, each time waking the thread's event loop, which
// then polls every pupil's socket: a board to 60 pupils cost 180 system
// calls and 60 polls instead of 60 sends.
qint64 sendNow(QTcpSocket &socket, const QByteArray &bytes)
{
    if (socket.bytesToWrite() > 0 || socket.state() != QAbstractSocket::ConnectedState)
        return 0;
    const ssize_t sent = ::send(int(socket.socketDescriptor()), bytes.constData(), size_t(bytes.size()),
                                MSG_DONTWAIT | MSG_NOSIGNAL);
    if (sent >= 0)
        return sent;
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? 0 : -1;
}

// The page with its texts in the program's language. The texts go in as a
// JSON data block, which the page's own script reads: with '<' written as
// an escape, no text can end the block.
QByteArray pageHtml()
{
    QByteArray texts = QJsonDocument(PupilTexts::page()).toJson(QJsonDocument::Compact);
    texts.replace('<', "\\u003c");
    QByteArray html = resource(QStringLiteral("index.html"));
    html.replace("{{lang}}", PupilTexts::language().toHtmlEscaped().toUtf8());
    html.replace("{{title}}", PupilTexts::page().value(QStringLiteral("title")).toString().toHtmlEscaped().toUtf8());
    html.replace("{{texts}}", texts);
    return html;
}

QString newDeviceToken()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    QString token;
    for (quint32 word : words)
        token += QStringLiteral("%1").arg(word, 8, 16, QLatin1Char('0'));
    return token;
}

QByteArray json(const QJsonObject &message)
{
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

// A refusal written on a connection that is not taken at all.
void turnAway(QTcpSocket *socket, QByteArrayView status, const QString &text)
{
    const QByteArray body = text.toUtf8();
    socket->write("HTTP/1.1 " + status.toByteArray() + "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: "
                  + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(closingMilliseconds, socket, &QTcpSocket::abort);
    socket->disconnectFromHost();
}

} // namespace

// One device's connection: its socket, its link and what the limits need
// to remember of it. The deadline is the join deadline until the device
// joins, then the idle one, which only the page's own messages restart.
class PupilServer::Pupil : public QObject {
public:
    Pupil(QTcpSocket *tcp, const PupilLink::Site &site, QObject *parent)
        : QObject(parent), socket(tcp), link(site), address(tcp->peerAddress().toString())
    {
        socket->setParent(this);
        socket->setReadBufferSize(readBytes);
        // What a device leaves unread piles up in bytesToWrite, where the
        // limit sees it, not in a system buffer that grows to megabytes.
        socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, AnswerLimits::sendBufferBytes);
        // Small messages go out at once, not held back for an acknowledgement.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, socket, &QTcpSocket::abort);
        deadline.start(AnswerLimits::joinSeconds * 1000);
    }

    QTcpSocket *socket;
    PupilLink link;
    QString address;
    QString device;  // empty until joined
    QTimer deadline;
    int wrongCodes = 0;
};

PupilServer::PupilServer() : m_gate(m_clock), m_addressCheck(isLocalNetworkAddress)
{
    m_site.isOurHost = [this](QByteArrayView host) { return isOurHost(host); };
    m_boardTimer.setSingleShot(true);
    connect(&m_boardTimer, &QTimer::timeout, this, &PupilServer::writeBoards);
}

PupilServer::~PupilServer()
{
    stop();
}

bool PupilServer::start(const QList<QHostAddress> &addresses)
{
    stop();
    for (quint16 port = AnswerLimits::firstPort; port <= AnswerLimits::lastPort && m_listeners.isEmpty(); ++port) {
        for (const QHostAddress &address : addresses) {
            auto *listener = new QTcpServer(this);
            m_listeners << listener;
            if (!listener->listen(address, port)) {
                qDeleteAll(std::exchange(m_listeners, {}));
                break;
            }
            connect(listener, &QTcpServer::newConnection, this, [this, listener] { accept(listener); });
        }
    }
    if (m_listeners.isEmpty())
        return false;
    m_port = m_listeners.first()->serverPort();
    m_hosts.clear();
    for (const QHostAddress &address : addresses)
        m_hosts << (address == QHostAddress::Any || address == QHostAddress::AnyIPv4 || address == QHostAddress::AnyIPv6
                        ? QNetworkInterface::allAddresses()
                        : QList<QHostAddress>{address});
    m_site.files = {
        {"/", {"text/html; charset=utf-8", pageHtml()}},
        {"/page.js", {"text/javascript; charset=utf-8", resource(QStringLiteral("page.js"))}},
        {"/page.css", {"text/css; charset=utf-8", resource(QStringLiteral("page.css"))}},
    };
    m_gate.renew();
    return true;
}

void PupilServer::stop()
{
    m_boardTimer.stop();
    const bool hadDevices = deviceCount() > 0;
    qDeleteAll(std::exchange(m_listeners, {}));
    for (Pupil *pupil : std::exchange(m_pupils, {})) {
        pupil->link.close(1001, PupilTexts::turnedOff().toUtf8());
        pupil->socket->write(pupil->link.takeOutput());
        pupil->socket->flush();
        delete pupil;
    }
    m_connections = 0;
    m_perAddress.clear();
    m_devices.clear();
    m_boards = {};
    m_port = 0;
    if (hadDevices)
        emit devicesChanged(0);
}

int PupilServer::deviceCount() const
{
    return int(std::count_if(m_devices.cbegin(), m_devices.cend(), [](const Pupil *pupil) { return pupil; }));
}

// The Host a request names: one of this computer's addresses with our port.
bool PupilServer::isOurHost(QByteArrayView hostView) const
{
    const QByteArray host = hostView.toByteArray();
    const qsizetype colon = host.lastIndexOf(':');
    if (colon < 0 || host.mid(colon + 1) != QByteArray::number(m_port))
        return false;
    QByteArray name = host.left(colon);
    if (name.startsWith('[') && name.endsWith(']'))
        name = name.mid(1, name.size() - 2);
    const QHostAddress address(QString::fromLatin1(name));
    return !address.isNull() && m_hosts.contains(address);
}

void PupilServer::accept(QTcpServer *listener)
{
    while (QTcpSocket *socket = listener->nextPendingConnection()) {
        const QString address = socket->peerAddress().toString();
        if (!m_addressCheck(socket->peerAddress())) {
            turnAway(socket, "403 Forbidden", PupilTexts::outsideNetwork());
            continue;
        }
        if (m_pupils.size() >= AnswerLimits::maxConnections || m_perAddress.value(address) >= m_maxPerAddress) {
            turnAway(socket, "503 Service Unavailable", PupilTexts::classFull());
            continue;
        }
        auto *pupil = new Pupil(socket, m_site, this);
        m_pupils << pupil;
        m_connections = int(m_pupils.size());
        ++m_perAddress[address];
        connect(socket, &QTcpSocket::readyRead, pupil, [this, pupil] { read(pupil); });
        // Later, so that no list of pupils changes while it is gone through.
        connect(socket, &QTcpSocket::disconnected, pupil, [this, pupil] { drop(pupil); }, Qt::QueuedConnection);
        connect(socket, &QTcpSocket::errorOccurred, pupil, [this, pupil] { drop(pupil); }, Qt::QueuedConnection);
        read(pupil);
    }
}

void PupilServer::read(Pupil *pupil)
{
    while (pupil->socket->bytesAvailable() > 0 && !pupil->link.isClosing())
        pupil->link.take(pupil->socket->read(readBytes), m_clock.now());
    // What comes after the close is not read at all.
    if (pupil->link.isClosing())
        pupil->socket->readAll();
    if (pupil->link.takeRateRefusal())
        refuse(pupil, PupilTexts::tooManyMessages());
    for (const QString &text : pupil->link.takeMessages())
        onMessage(pupil, text);
    write(pupil);
}

// A device that has let what it was sent pile up unread is dropped: its
// backlog would otherwise grow without end.
void PupilServer::write(Pupil *pupil)
{
    const QByteArray output = pupil->link.takeOutput();
    // A connection already cut takes nothing more.
    if (!pupil->socket->isOpen())
        return;
    // Written now, without another turn of the loop: the system takes it or
    // it stays queued, where the limit below sees it.
    const qint64 sent = output.isEmpty() ? 0 : sendNow(*pupil->socket, output);
    if (sent < 0)
        return pupil->socket->abort();
    if (sent < output.size() && pupil->socket->write(output.sliced(sent)) > 0)
        pupil->socket->flush();
    if (pupil->socket->bytesToWrite() > AnswerLimits::maxUnreadBytes)
        return pupil->socket->abort();
    if (pupil->link.isClosing() && pupil->socket->state() == QAbstractSocket::ConnectedState) {
        pupil->deadline.start(closingMilliseconds);
        pupil->socket->disconnectFromHost();
    }
}

void PupilServer::onMessage(Pupil *pupil, const QString &text)
{
    const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
    if (message.contains(QLatin1String("join")) || message.contains(QLatin1String("rejoin")))
        return join(pupil, message);
    if (pupil->device.isEmpty())
        return refuse(pupil, PupilTexts::joinFirst(), "code");
    // Only what the page itself says keeps it joined.
    pupil->deadline.start(AnswerLimits::idleSeconds * 1000);
    if (message.value(QLatin1String("answer")).isArray()) {
        QStringList answers;
        for (const QJsonValue &value : message.value(QLatin1String("answer")).toArray())
            answers << value.toString();
        return emit answerGiven(pupil->device, answers);
    }
    if (message.value(QLatin1String("name")).isString())
        return emit nameGiven(pupil->device, message.value(QLatin1String("name")).toString());
    if (message.value(QLatin1String("here")).toBool())
        return;
    refuse(pupil, PupilTexts::unreadable());
}

// A page that has joined before rejoins with its token alone, whatever the
// code is now. An unknown token (as after Tallyvane was restarted) is asked
// for the code, with nothing checked and nothing counted: a rejoin tells no
// one whether a code is right.
void PupilServer::join(Pupil *pupil, const QJsonObject &message)
{
    if (!pupil->device.isEmpty())
        return;
    const QString token = message.value(message.contains(QLatin1String("rejoin")) ? QLatin1String("rejoin")
                                                                                  : QLatin1String("device")).toString();
    if (m_devices.contains(token))
        return admit(pupil, token);
    if (message.contains(QLatin1String("rejoin")))
        return refuse(pupil, PupilTexts::joinFirst(), "code");

    const JoinGate::Verdict verdict = m_gate.check(message.value(QLatin1String("join")).toString());
    if (verdict == JoinGate::Verdict::Joined)
        return admit(pupil, newDeviceToken());
    if (verdict == JoinGate::Verdict::CodeChanged)
        emit codeChanged(m_gate.code());
    if (++pupil->wrongCodes < AnswerLimits::wrongCodesAllowed)
        return refuse(pupil, PupilTexts::wrongCode(), "code");
    refuse(pupil, PupilTexts::waitAfterWrongCodes(), "code");
    pupil->link.close(1008, {});
}

void PupilServer::admit(Pupil *pupil, const QString &device)
{
    // The same device coming back: its old connection has had its day.
    Pupil *old = m_devices.value(device);
    if (old) {
        old->device.clear();
        old->socket->abort();
    } else if (deviceCount() >= AnswerLimits::maxDevices) {
        refuse(pupil, PupilTexts::classFull());
        pupil->link.close(1008, {});
        return;
    }
    // Tokens of devices long gone are forgotten before they pile up.
    if (!m_devices.contains(device) && m_devices.size() >= 5 * AnswerLimits::maxDevices)
        m_devices.removeIf([](const auto &entry) { return entry.value() == nullptr; });
    const bool returning = m_devices.contains(device) && !old;
    pupil->device = device;
    m_devices.insert(device, pupil);
    pupil->deadline.start(AnswerLimits::idleSeconds * 1000);
    send(pupil, {{QStringLiteral("joined"), device}});
    if (const QByteArray board = m_boards.of(device); !board.isEmpty())
        pupil->link.sendText(board);
    write(pupil);
    emit joined(device, returning);
    emit devicesChanged(deviceCount());
}

void PupilServer::refuse(Pupil *pupil, const QString &text, const char *about)
{
    send(pupil, {{QStringLiteral("refused"), text}, {QStringLiteral("about"), QLatin1String(about)}});
}

void PupilServer::send(Pupil *pupil, const QJsonObject &message)
{
    pupil->link.sendText(json(message));
    write(pupil);
}

void PupilServer::sendTo(const QString &device, const QByteArray &text)
{
    if (Pupil *pupil = m_devices.value(device)) {
        pupil->link.sendText(text);
        write(pupil);
    }
}

void PupilServer::refuseTo(const QString &device, const QString &text, const char *about)
{
    if (Pupil *pupil = m_devices.value(device))
        refuse(pupil, text, about);
}

void PupilServer::setBoards(const PupilBoards &boards, bool atOnce)
{
    m_boards = boards;
    const double now = m_clock.now();
    const double wait = m_boardsSentAt < 0 ? 0 : m_boardsSentAt + 1.0 / AnswerLimits::boardsPerSecond - now;
    if (atOnce || wait <= 0)
        return writeBoards();
    if (!m_boardTimer.isActive())
        m_boardTimer.start(int(std::ceil(wait * 1000)));
}

void PupilServer::writeBoards()
{
    m_boardTimer.stop();
    m_boardsSentAt = m_clock.now();
    for (Pupil *pupil : QList<Pupil *>(m_pupils)) {
        if (pupil->device.isEmpty())
            continue;
        pupil->link.sendText(m_boards.of(pupil->device));
        write(pupil);
    }
}

// A device that leaves takes its answer with it until it comes back.
void PupilServer::drop(Pupil *pupil)
{
    if (!m_pupils.removeOne(pupil))
        return;
    m_connections = int(m_pupils.size());
    if (--m_perAddress[pupil->address] == 0)
        m_perAddress.remove(pupil->address);
    const bool joined = !pupil->device.isEmpty();
    if (joined) {
        m_devices.insert(pupil->device, nullptr);
        emit left(pupil->device);
    }
    pupil->deleteLater();
    if (joined)
        emit devicesChanged(deviceCount());
}
