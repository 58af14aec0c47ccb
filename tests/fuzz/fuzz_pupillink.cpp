// libFuzzer target for what a pupil's device sends the class-answers
// server: raw bytes, in pieces and at moments the input chooses, through one
// connection's HTTP and WebSocket handling. Whatever comes, the link passes
// on no message over the size limit and no more than the rate allows, its
// replies stay within what its requests and frames can call for, and
// nothing is read or written once it is closing. A broken property aborts.

#include "answers/AnswerLimits.h"
#include "answers/PupilLink.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char *property)
{
    if (holds)
        return;
    std::fprintf(stderr, "%s\n", property);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const PupilLink::Site site{
        {{"/", {"text/html; charset=utf-8", QByteArray(2000, 'p')}}},
        [](QByteArrayView host) { return host == "127.0.0.1:8080"; },
    };
    PupilLink link(site);
    double now = 0;
    qsizetype output = 0;
    int messages = 0;
    // Each piece: a byte whose top bit moves time on half a second and whose
    // rest is the length of the piece that follows.
    for (size_t at = 0; at < size;) {
        const uint8_t control = data[at++];
        now += (control >> 7) * 0.5;
        const size_t piece = std::min(size - at, size_t(control & 0x7F) + 1);
        const bool wasClosing = link.isClosing();
        link.take(QByteArrayView(reinterpret_cast<const char *>(data + at), qsizetype(piece)), now);
        at += piece;
        const QByteArray written = link.takeOutput();
        require(!wasClosing || written.isEmpty(), "written after closing");
        output += written.size();
        for (const QString &message : link.takeMessages()) {
            require(message.toUtf8().size() <= AnswerLimits::maxMessageBytes, "a message over the size limit");
            ++messages;
        }
        require(messages <= AnswerLimits::maxMessagesPerSecond * (int(now) + 2), "more messages than the rate");
    }
    // At most 20 replies of the page, and a pong or a refusal for each frame
    // within the rate.
    require(output <= 20 * 2600 + AnswerLimits::maxMessagesPerSecond * (qsizetype(now) + 2) * 300 + 400,
            "more written than asked for");
    return 0;
}
