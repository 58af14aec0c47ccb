#include "answers/AnswerServer.h"

#include "answers/AnswerLimits.h"
#include "answers/LocalNetwork.h"
#include "answers/PupilDesk.h"
#include "answers/PupilTexts.h"

#include <QFile>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QWebSocket>

#include <algorithm>
#include <utility>

namespace {

constexpr int pingMilliseconds = 20 * 1000;

QByteArray resource(const QString &name)
{
    QFile file(QStringLiteral(":/pupils/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

QString newDeviceId()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    QString id;
    for (quint32 word : words)
        id += QStringLiteral("%1").arg(word, 8, 16, QLatin1Char('0'));
    return id;
}

QString text(const QJsonObject &message)
{
    return QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact));
}

bool isDeviceId(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[0-9a-f]{32}$"));
    return form.match(text).hasMatch();
}

} // namespace

// One device's WebSocket, with what the limits need to remember of it.
class AnswerServer::Pupil : public QObject {
public:
    Pupil(std::unique_ptr<QWebSocket> webSocket, QObject *parent) : QObject(parent), socket(webSocket.release())
    {
        socket->setParent(this);
        socket->setMaxAllowedIncomingFrameSize(AnswerLimits::maxMessageBytes);
        socket->setMaxAllowedIncomingMessageSize(AnswerLimits::maxMessageBytes);
        idle.setSingleShot(true);
        idle.setInterval(AnswerLimits::idleSeconds * 1000);
        idle.start();
        connect(&idle, &QTimer::timeout, socket, &QWebSocket::abort);
        connect(socket, &QWebSocket::pong, &idle, qOverload<>(&QTimer::start));
    }

    // True when the message is within the rate; the first refused message
    // of a burst is told so, the rest are dropped unanswered.
    bool withinRate(double now, bool &tell)
    {
        while (!recent.isEmpty() && now - recent.first() >= 1.0)
            recent.removeFirst();
        if (recent.size() < AnswerLimits::maxMessagesPerSecond) {
            recent << now;
            told = false;
            return true;
        }
        tell = !std::exchange(told, true);
        return false;
    }

    QWebSocket *socket;
    QHostAddress address;
    QString device;  // empty until joined
    QTimer idle;
    QList<double> recent;  // times of the messages taken in the last second
    bool told = false;
};

AnswerServer::AnswerServer(Clock &clock, PupilDesk &desk, QObject *parent)
    : QObject(parent), m_clock(clock), m_desk(desk), m_gate(clock), m_addressCheck(isLocalNetworkAddress)
{
    m_pings.setInterval(pingMilliseconds);
    connect(&m_pings, &QTimer::timeout, this, [this] {
        for (Pupil *pupil : std::as_const(m_pupils))
            pupil->socket->ping();
    });
}

AnswerServer::~AnswerServer()
{
    stop();
}

bool AnswerServer::start(const QHostAddress &address)
{
    stop();
    m_http = std::make_unique<QHttpServer>();
    for (quint16 port = AnswerLimits::firstPort; port <= AnswerLimits::lastPort && !m_listener; ++port) {
        auto listener = std::make_unique<GuardedTcpServer>(m_addressCheck);
        if (listener->listen(address, port)) {
            m_http->bind(listener.get());
            m_listener = listener.release();
        }
    }
    if (!m_listener) {
        m_http.reset();
        return false;
    }
    m_gate.renew();
    routePage();
    acceptWebSockets();
    m_pings.start();
    return true;
}

void AnswerServer::stop()
{
    m_pings.stop();
    const bool hadDevices = deviceCount() > 0;
    for (Pupil *pupil : std::exchange(m_pupils, {})) {
        pupil->socket->close(QWebSocketProtocol::CloseCodeGoingAway, PupilTexts::turnedOff());
        pupil->socket->flush();
        delete pupil;
    }
    m_listener = nullptr;
    m_http.reset();
    if (hadDevices)
        emit devicesChanged(0);
}

quint16 AnswerServer::port() const
{
    return m_listener ? m_listener->serverPort() : 0;
}

int AnswerServer::deviceCount() const
{
    return int(std::count_if(m_pupils.cbegin(), m_pupils.cend(), [](const Pupil *p) { return !p->device.isEmpty(); }));
}

void AnswerServer::routePage()
{
    const auto file = [](QByteArray mimeType, QByteArray body) {
        return [mimeType, body] { return QHttpServerResponse(mimeType, body); };
    };
    m_http->route(QStringLiteral("/"), file("text/html; charset=utf-8", pageHtml()));
    m_http->route(QStringLiteral("/page.js"), file("text/javascript; charset=utf-8", resource(QStringLiteral("page.js"))));
    m_http->route(QStringLiteral("/page.css"), file("text/css; charset=utf-8", resource(QStringLiteral("page.css"))));
    // The WebSocket's own address: the upgrade is taken over by the server,
    // so only a plain request gets an answer here.
    m_http->route(QStringLiteral("/answers"), [](const QHttpServerRequest &request, QHttpServerResponder &&responder) {
        if (request.value("upgrade").compare("websocket", Qt::CaseInsensitive) != 0)
            responder.write(QHttpServerResponder::StatusCode::UpgradeRequired);
    });
    m_http->afterRequest([](QHttpServerResponse &&response) {
        response.setHeader("Content-Security-Policy", "default-src 'self'");
        response.setHeader("X-Content-Type-Options", "nosniff");
        response.setHeader("Referrer-Policy", "no-referrer");
        response.setHeader("Cache-Control", "no-store");
        return std::move(response);
    });
}

void AnswerServer::acceptWebSockets()
{
    connect(m_http.get(), &QHttpServer::newWebSocketConnection, this, [this] {
        while (m_http && m_http->hasPendingWebSocketConnections()) {
            auto *pupil = new Pupil(m_http->nextPendingWebSocketConnection(), this);
            pupil->address = pupil->socket->peerAddress();
            m_listener->releaseWebSocket(pupil->address, pupil->socket->peerPort());
            m_pupils << pupil;
            connect(pupil->socket, &QWebSocket::textMessageReceived, pupil, [this, pupil](const QString &text) {
                onMessage(pupil, text);
            });
            connect(pupil->socket, &QWebSocket::binaryMessageReceived, pupil, [this, pupil] {
                onMessage(pupil, QString());
            });
            // Later, so that no list of pupils changes while it is gone through.
            connect(pupil->socket, &QWebSocket::disconnected, pupil, [this, pupil] { drop(pupil); },
                    Qt::QueuedConnection);
        }
    });
}

void AnswerServer::onMessage(Pupil *pupil, const QString &text)
{
    pupil->idle.start();
    bool tell = false;
    if (!pupil->withinRate(m_clock.now(), tell)) {
        if (tell)
            refuse(pupil, PupilTexts::tooManyMessages());
        return;
    }
    const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
    if (message.contains(QLatin1String("join")))
        return join(pupil, message);
    if (pupil->device.isEmpty())
        return refuse(pupil, PupilTexts::joinFirst(), "code");
    if (message.value(QLatin1String("answer")).isArray()) {
        QStringList answers;
        for (const QJsonValue &value : message.value(QLatin1String("answer")).toArray())
            answers << value.toString();
        const QString refusal = m_desk.takeAnswer(pupil->device, answers);
        if (!refusal.isEmpty())
            return refuse(pupil, refusal, "answer");
        return sendBoard(pupil);
    }
    if (message.value(QLatin1String("name")).isString()) {
        m_desk.takeName(pupil->device, message.value(QLatin1String("name")).toString().simplified());
        return sendBoard(pupil);
    }
    refuse(pupil, PupilTexts::unreadable());
}

void AnswerServer::join(Pupil *pupil, const QJsonObject &message)
{
    switch (m_gate.check(pupil->address, message.value(QLatin1String("join")).toString())) {
    case JoinGate::Verdict::WrongCode:
        return refuse(pupil, PupilTexts::wrongCode(), "code");
    case JoinGate::Verdict::Waiting:
        return refuse(pupil, PupilTexts::waitAfterWrongCodes(), "code");
    case JoinGate::Verdict::Joined:
        break;
    }
    QString device = message.value(QLatin1String("device")).toString();
    if (!isDeviceId(device))
        device = newDeviceId();
    // The same device coming back: its old connection has had its day.
    for (Pupil *other : QList<Pupil *>(m_pupils))
        if (other != pupil && other->device == device) {
            other->device.clear();
            other->socket->abort();
        }
    if (pupil->device.isEmpty() && deviceCount() >= AnswerLimits::maxDevices) {
        refuse(pupil, PupilTexts::classFull());
        pupil->socket->close(QWebSocketProtocol::CloseCodePolicyViolated, QStringLiteral("full"));
        return;
    }
    pupil->device = device;
    send(pupil, {{QStringLiteral("joined"), device}});
    sendBoard(pupil);
    emit devicesChanged(deviceCount());
}

void AnswerServer::refuse(Pupil *pupil, const QString &text, const char *about)
{
    send(pupil, {{QStringLiteral("refused"), text}, {QStringLiteral("about"), QLatin1String(about)}});
}

void AnswerServer::sendBoard(Pupil *pupil)
{
    send(pupil, {{QStringLiteral("board"), m_desk.boardFor(pupil->device)}});
}

// At every count: the board is then the same for all, and written once.
void AnswerServer::sendBoards()
{
    const QString shared = m_desk.boardIsShared() ? text({{QStringLiteral("board"), m_desk.boardFor({})}}) : QString();
    for (Pupil *pupil : QList<Pupil *>(m_pupils)) {
        if (pupil->device.isEmpty())
            continue;
        if (shared.isEmpty())
            sendBoard(pupil);
        else
            sendText(pupil, shared);
    }
}

void AnswerServer::send(Pupil *pupil, const QJsonObject &message)
{
    sendText(pupil, text(message));
}

// A device that has let what it was sent pile up unread is dropped: its
// backlog would otherwise grow without end.
void AnswerServer::sendText(Pupil *pupil, const QString &text)
{
    if (pupil->socket->bytesToWrite() > AnswerLimits::maxUnreadBytes) {
        pupil->socket->abort();
        return;
    }
    pupil->socket->sendTextMessage(text);
    // Written now, without waiting: the system takes it or it stays queued.
    pupil->socket->flush();
}

void AnswerServer::drop(Pupil *pupil)
{
    if (!m_pupils.removeOne(pupil))
        return;
    const bool joined = !pupil->device.isEmpty();
    pupil->deleteLater();
    if (joined)
        emit devicesChanged(deviceCount());
}
