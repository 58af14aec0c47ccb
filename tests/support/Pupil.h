#pragma once

// A pupil's device as the class-answers server sees it: a WebSocket that
// joins, answers and keeps every message it is sent.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QTest>
#include <QWebSocket>

#include <memory>

struct Pupil {
    std::unique_ptr<QWebSocket> socket;
    QList<QJsonObject> received;

    // Joins with the code as soon as it is connected, when one is given. The
    // page's own origin, as a browser gives it, unless another is given.
    explicit Pupil(quint16 port, const QString &code = QString(), const QString &origin = QString())
        : socket(std::make_unique<QWebSocket>(origin.isNull() ? QStringLiteral("http://127.0.0.1:%1").arg(port) : origin))
    {
        if (!code.isEmpty())
            QObject::connect(socket.get(), &QWebSocket::connected, socket.get(), [this, code] {
                send({{QStringLiteral("join"), code}});
            });
        QObject::connect(socket.get(), &QWebSocket::textMessageReceived, socket.get(), [this](const QString &text) {
            received << QJsonDocument::fromJson(text.toUtf8()).object();
        });
        socket->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/answers").arg(port)));
    }
    bool waitConnected() { return QTest::qWaitFor([this] { return socket->state() == QAbstractSocket::ConnectedState; }); }
    void send(const QJsonObject &message)
    {
        socket->sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
    }
    bool join(const QString &code)
    {
        send({{QStringLiteral("join"), code}});
        return QTest::qWaitFor([this] { return !last(QStringLiteral("joined")).isEmpty(); });
    }
    void answer(const QStringList &answers)
    {
        send({{QStringLiteral("answer"), QJsonArray::fromStringList(answers)}});
    }
    // The last message carrying the key, or an empty object.
    QJsonObject last(const QString &key) const
    {
        for (auto it = received.crbegin(); it != received.crend(); ++it)
            if (it->contains(key))
                return *it;
        return {};
    }
    QString lastRefusal() const { return last(QStringLiteral("refused")).value(QStringLiteral("refused")).toString(); }
    QJsonObject board() const { return last(QStringLiteral("board")).value(QStringLiteral("board")).toObject(); }
};
