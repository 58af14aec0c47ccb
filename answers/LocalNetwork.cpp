#include "answers/LocalNetwork.h"

#include <array>
#include <utility>

bool isLocalNetworkAddress(const QHostAddress &address)
{
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    if (isIPv4) {
        static const std::array<std::pair<QHostAddress, int>, 5> ranges = {{
            {QHostAddress(QStringLiteral("127.0.0.0")), 8},
            {QHostAddress(QStringLiteral("10.0.0.0")), 8},
            {QHostAddress(QStringLiteral("172.16.0.0")), 12},
            {QHostAddress(QStringLiteral("192.168.0.0")), 16},
            {QHostAddress(QStringLiteral("169.254.0.0")), 16},
        }};
        const QHostAddress plain(ipv4);
        for (const auto &[network, prefix] : ranges)
            if (plain.isInSubnet(network, prefix))
                return true;
        return false;
    }
    if (address.protocol() != QAbstractSocket::IPv6Protocol)
        return false;
    return address == QHostAddress::LocalHostIPv6
        || address.isInSubnet(QHostAddress(QStringLiteral("fc00::")), 7)
        || address.isInSubnet(QHostAddress(QStringLiteral("fe80::")), 10);
}
