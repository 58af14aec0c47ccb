#include "answers/PupilLink.h"

#include "answers/PupilTexts.h"

#include <QCryptographicHash>
#include <QStringDecoder>

#include <algorithm>

namespace {

enum Opcode : char { Continuation = 0, Text = 1, Binary = 2, Close = 8, Ping = 9, Pong = 10 };

// A connection serves a page and its two files, and then becomes a
// WebSocket or is closed by the join deadline: more requests than this
// are no page's.
constexpr int maxRequests = 20;

bool hasToken(QByteArrayView list, QByteArrayView token)
{
    for (QByteArrayView part : QByteArray(list.toByteArray()).split(','))
        if (part.trimmed().compare(token, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QByteArray closePayload(quint16 code, QByteArrayView reason)
{
    QByteArray payload;
    payload += char(code >> 8);
    payload += char(code & 0xFF);
    return payload + reason.first(std::min(reason.size(), qsizetype(123))).toByteArray();
}

} // namespace

void PupilLink::take(QByteArrayView bytes, double now)
{
    if (m_state == State::Closing)
        return;
    m_input += bytes;
    if (m_state == State::Http)
        readRequests();
    if (m_state == State::WebSocket)
        readFrames(now);
    if (m_state == State::Closing)
        m_input.clear();
}

// Every request of the connection meets the header limit, the first or a
// pipelined hundredth.
void PupilLink::readRequests()
{
    while (m_state == State::Http) {
        const qsizetype end = m_input.indexOf("\r\n\r\n");
        if ((end < 0 && m_input.size() >= AnswerLimits::maxHeaderBytes) || end + 4 > AnswerLimits::maxHeaderBytes)
            return refuse("431 Request Header Fields Too Large", PupilTexts::headersTooLarge());
        if (end < 0)
            return;
        const QByteArray head = m_input.left(end + 2);  // every line with its CR LF
        m_input.remove(0, end + 4);
        if (++m_requests > maxRequests)
            return refuse("429 Too Many Requests", PupilTexts::tooManyMessages());
        answer(head);
    }
}

void PupilLink::answer(QByteArrayView head)
{
    QList<QByteArray> lines = head.toByteArray().split('\n');
    lines.removeLast();  // what follows the last LF
    const QList<QByteArray> request = lines.first().chopped(lines.first().endsWith('\r') ? 1 : 0).split(' ');
    if (!lines.first().endsWith('\r') || request.size() != 3 || (request[2] != "HTTP/1.1" && request[2] != "HTTP/1.0"))
        return refuse("400 Bad Request", PupilTexts::unreadable());
    QHash<QByteArray, QByteArray> headers;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        const qsizetype colon = line.indexOf(':');
        // No folded lines, no blank before the colon, no second Host.
        if (!line.endsWith('\r') || colon <= 0 || line.left(colon) != line.left(colon).trimmed())
            return refuse("400 Bad Request", PupilTexts::unreadable());
        const QByteArray name = line.left(colon).toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (headers.contains(name) && (name == "host" || name == "content-length" || name == "origin"))
            return refuse("400 Bad Request", PupilTexts::unreadable());
        headers[name] = headers.contains(name) ? headers[name] + ", " + value : value;
    }
    const QByteArray &method = request[0];
    if (method != "GET" && method != "HEAD")
        return refuse("405 Method Not Allowed", PupilTexts::unreadable());
    // No request of the page has a body: one that says it has is refused
    // rather than guessed at, above all one that says it twice.
    if (headers.contains("transfer-encoding") || headers.value("content-length", "0") != "0")
        return refuse("400 Bad Request", PupilTexts::unreadable());
    const QByteArray host = headers.value("host");
    if (host.isEmpty() || !m_site.isOurHost(host))
        return refuse("403 Forbidden", PupilTexts::outsideNetwork());

    const QByteArray path = request[1].split('?').first();
    const bool keepOpen = request[2] == "HTTP/1.1" && !hasToken(headers.value("connection"), "close");
    if (path == "/answers") {
        if (!hasToken(headers.value("upgrade"), "websocket"))
            return refuse("426 Upgrade Required", PupilTexts::unreadable());
        // Only the page this server gave can open the socket: a page from
        // elsewhere that a pupil has open cannot drive it.
        if (headers.value("origin") != "http://" + host.toLower() || method != "GET"
            || !hasToken(headers.value("connection"), "upgrade"))
            return refuse("403 Forbidden", PupilTexts::outsideNetwork());
        const QByteArray key = headers.value("sec-websocket-key");
        const auto decoded = QByteArray::fromBase64Encoding(key, QByteArray::AbortOnBase64DecodingErrors);
        if (headers.value("sec-websocket-version") != "13" || !decoded || decoded.decoded.size() != 16)
            return refuse("400 Bad Request", PupilTexts::unreadable());
        const QByteArray accept =
            QCryptographicHash::hash(key + "258EAFA5-E914-47DA-95CA-C5AB0DC85B11", QCryptographicHash::Sha1).toBase64();
        m_output += "HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                    "Sec-WebSocket-Accept: " + accept + "\r\n\r\n";
        m_state = State::WebSocket;
        return;
    }
    const auto file = m_site.files.constFind(path);
    if (file == m_site.files.cend())
        return refuse("404 Not Found", PupilTexts::unreadable());
    if (!keepOpen)
        m_state = State::Closing;
    reply("200 OK", file->type, file->body, method == "GET");
}

void PupilLink::reply(QByteArrayView status, const QByteArray &type, const QByteArray &body, bool withBody)
{
    m_output += "HTTP/1.1 " + status.toByteArray() + "\r\nContent-Type: " + type
                + "\r\nContent-Length: " + QByteArray::number(body.size())
                + "\r\nContent-Security-Policy: default-src 'self'\r\nX-Content-Type-Options: nosniff"
                  "\r\nReferrer-Policy: no-referrer\r\nCache-Control: no-store\r\n";
    if (m_state == State::Closing)
        m_output += "Connection: close\r\n";
    m_output += "\r\n";
    if (withBody)
        m_output += body;
}

void PupilLink::refuse(QByteArrayView status, const QString &text)
{
    m_state = State::Closing;
    reply(status, "text/plain; charset=utf-8", text.toUtf8(), true);
}

void PupilLink::readFrames(double now)
{
    while (m_state == State::WebSocket && m_input.size() >= 2) {
        const auto first = uchar(m_input[0]);
        const auto second = uchar(m_input[1]);
        const char opcode = char(first & 0x0F);
        const bool final = first & 0x80;
        const bool control = opcode & 0x08;
        if ((first & 0x70) || !(second & 0x80)
            || (opcode != Continuation && opcode != Text && opcode != Binary && opcode != Close && opcode != Ping
                && opcode != Pong))
            return close(1002, {});  // extensions, unmasked frames, unknown kinds
        qsizetype at = 2;
        quint64 length = second & 0x7F;
        const int extra = length == 126 ? 2 : length == 127 ? 8 : 0;
        if (m_input.size() < at + extra)
            return;
        if (extra > 0) {
            length = 0;
            for (int i = 0; i < extra; ++i)
                length = (length << 8) | uchar(m_input[at + i]);
            at += extra;
        }
        if (length > quint64(control ? 125 : AnswerLimits::maxMessageBytes))
            return close(control ? 1002 : 1009, {});
        if (control ? !final : (opcode == Continuation || !final))
            return close(1003, {});  // no page sends a message in pieces
        const qsizetype size = at + 4 + qsizetype(length);
        if (m_input.size() < size)
            return;
        QByteArray payload = m_input.mid(at + 4, qsizetype(length));
        for (qsizetype i = 0; i < payload.size(); ++i)
            payload[i] = char(payload[i] ^ m_input[at + i % 4]);
        m_input.remove(0, size);
        if (!withinBudget(now, size))
            return close(1008, {});
        const bool inRate = withinRate(now);
        switch (opcode) {
        case Close:
            return close(payload.size() >= 2 ? quint16(uchar(payload[0]) << 8 | uchar(payload[1])) : 1000, {});
        case Ping:
            // Answered only within the rate: a pong is never queued for a
            // device faster than it may send.
            if (inRate)
                frame(Pong, payload);
            break;
        case Text:
        case Binary: {
            QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
            const QString text = opcode == Text ? QString(utf8(payload)) : QString();
            if (utf8.hasError())
                return close(1007, {});
            if (inRate) {
                m_messages << text;
                m_toldRate = false;
            } else if (!std::exchange(m_toldRate, true)) {
                m_rateRefused = true;
            }
            break;
        }
        default:
            break;
        }
    }
}

bool PupilLink::withinRate(double now)
{
    while (!m_recent.isEmpty() && now - m_recent.first() >= 1.0)
        m_recent.removeFirst();
    if (m_recent.size() >= AnswerLimits::maxMessagesPerSecond)
        return false;
    m_recent << now;
    return true;
}

// A bucket that fills at the allowed bytes a second up to two seconds' worth:
// a device that empties it is gone, whatever its frames were.
bool PupilLink::withinBudget(double now, qsizetype bytes)
{
    constexpr double rate = AnswerLimits::maxBytesPerSecond;
    if (m_budgetAt >= 0)
        m_budget = std::min(2 * rate, m_budget + std::max(0.0, now - m_budgetAt) * rate);
    m_budgetAt = now;
    m_budget -= double(bytes);
    return m_budget >= 0;
}

void PupilLink::frame(char opcode, QByteArrayView payload)
{
    m_output += char(0x80 | opcode);
    const qsizetype size = payload.size();
    if (size < 126) {
        m_output += char(size);
    } else if (size < 65536) {
        m_output += char(126);
        m_output += char(size >> 8);
        m_output += char(size & 0xFF);
    } else {
        m_output += char(127);
        for (int shift = 56; shift >= 0; shift -= 8)
            m_output += char((quint64(size) >> shift) & 0xFF);
    }
    m_output += payload;
}

void PupilLink::sendText(QByteArrayView utf8)
{
    if (m_state == State::WebSocket)
        frame(Text, utf8);
}

void PupilLink::close(quint16 code, QByteArrayView reason)
{
    if (m_state == State::WebSocket)
        frame(Close, closePayload(code, reason));
    m_state = State::Closing;
    m_input.clear();
}
