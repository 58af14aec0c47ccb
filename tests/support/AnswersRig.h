#pragma once

// Class Answers on, on the loopback address only, on real time (the
// sockets are real), with no windows: the ground for the server's tests.

#include "answers/ClassAnswers.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <QTest>

struct AnswersRig {
    CountingSession session;
    CountModel model;
    ClassAnswers answers{session, model};

    AnswersRig()
    {
        answers.setListenAddress(QHostAddress::LocalHost);
        if (!answers.turnOn())
            qFatal("Class Answers found no free port");
    }
    quint16 port() { return answers.server().port(); }
    // The Host and Origin a browser gives for the page.
    QByteArray host() { return "127.0.0.1:" + QByteArray::number(port()); }
    // The count paused with the given number on the board and the step to the next.
    void pauseAt(double current, double step)
    {
        session.currentValue1 = ExactDecimal::fromShown(current);
        session.currentStep1 = ExactDecimal::fromShown(step);
        answers.runningChanged(true);
        answers.pauseShown();
    }
};

// One raw request to the server on loopback, and its reply: all the server
// sent until it closed, or (unless told to wait for the close) until the
// body its first Content-Length names.
inline QByteArray rawRequest(quint16 port, const QByteArray &request, bool untilClosed = false)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000))
        return {};
    socket.write(request);
    QByteArray reply;
    const auto whole = [&] {
        const qsizetype end = reply.indexOf("\r\n\r\n");
        static const QRegularExpression length(QStringLiteral("content-length: *(\\d+)"),
                                               QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = length.match(QString::fromLatin1(reply.left(end)));
        return end >= 0 && match.hasMatch() && reply.size() >= end + 4 + match.captured(1).toInt();
    };
    (void)QTest::qWaitFor([&] {
        reply += socket.readAll();
        return socket.state() == QAbstractSocket::UnconnectedState || (!untilClosed && whole());
    });
    return reply;
}
