#pragma once

// One device's connection to the class-answers server, as bytes: the HTTP
// requests for the page and then the WebSocket's frames, read by our own
// code so that every byte a device sends is seen and counted. No socket
// here: the server hands over what came and writes out what is to be sent.
//
// bytes in ──take()──> requests answered, upgrade, frames ──> messages()
//                                          replies, frames ──> takeOutput()
//
// A request beyond the limits, and a frame that breaks the protocol or the
// budget, ends the connection with a clear refusal; the link then reads
// nothing more and asks to be closed once its last reply is written.

#include "answers/AnswerLimits.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <utility>

class PupilLink {
public:
    struct File {
        QByteArray type;
        QByteArray body;
    };
    // What is served: the files by path, and the Host values that name this
    // computer with the server's port (as "192.168.1.23:8080").
    struct Site {
        QHash<QByteArray, File> files;
        std::function<bool(QByteArrayView host)> isOurHost;
    };

    explicit PupilLink(const Site &site) : m_site(site) {}

    // Takes what the device sent, at the time now in seconds.
    void take(QByteArrayView bytes, double now);
    // What is to be written to the device since the last call.
    QByteArray takeOutput() { return std::exchange(m_output, {}); }
    // The page's text messages since the last call, each within the rate;
    // a binary message is an empty text.
    QList<QString> takeMessages() { return std::exchange(m_messages, {}); }
    // True once, after a text message was dropped for the rate.
    bool takeRateRefusal() { return std::exchange(m_rateRefused, false); }

    bool isWebSocket() const { return m_state == State::WebSocket; }
    // Nothing more is read: close once the output is written.
    bool isClosing() const { return m_state == State::Closing; }

    void sendText(QByteArrayView utf8);
    // Sends a close frame (or nothing, before the upgrade) and stops reading.
    void close(quint16 code, QByteArrayView reason);

private:
    enum class State { Http, WebSocket, Closing };

    void readRequests();
    void answer(QByteArrayView head);
    void reply(QByteArrayView status, const QByteArray &type, const QByteArray &body, bool withBody);
    void refuse(QByteArrayView status, const QString &text);
    void readFrames(double now);
    bool withinRate(double now);
    bool withinBudget(double now, qsizetype bytes);
    void frame(char opcode, QByteArrayView payload);

    const Site &m_site;
    State m_state = State::Http;
    QByteArray m_input;
    QByteArray m_output;
    QList<QString> m_messages;
    QList<double> m_recent;  // times of the frames taken in the last second
    double m_budget = 2.0 * AnswerLimits::maxBytesPerSecond;
    double m_budgetAt = -1;
    int m_requests = 0;
    bool m_rateRefused = false;
    bool m_toldRate = false;
};
