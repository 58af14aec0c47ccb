#include "answers/LocalNetwork.h"

#include <QFile>
#include <QNetworkInterface>

#include <algorithm>
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

namespace {

bool isTypable(const QHostAddress &address)
{
    return isLocalNetworkAddress(address) && !address.isLoopback()
        && !address.isInSubnet(QHostAddress(QStringLiteral("fe80::")), 10);
}

// The interfaces of the default routes in the system's routing tables, as
// Linux lists them: IPv4's first, then IPv6's.
QStringList systemDefaultRoutes()
{
    QStringList names;
    QFile ipv4(QStringLiteral("/proc/net/route"));
    if (ipv4.open(QIODevice::ReadOnly))
        for (const QByteArray &line : ipv4.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() > 7 && fields[1] == "00000000" && fields[7] == "00000000")
                names << QString::fromLatin1(fields[0]);
        }
    QFile ipv6(QStringLiteral("/proc/net/ipv6_route"));
    if (ipv6.open(QIODevice::ReadOnly))
        for (const QByteArray &line : ipv6.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() > 9 && fields[0] == QByteArray(32, '0') && fields[1] == "00" && fields[9] != "lo")
                names << QString::fromLatin1(fields[9]);
        }
    return names;
}

} // namespace

SchoolNetwork chooseSchoolNetwork(const QList<NetworkInterfaceInfo> &interfaces, const QStringList &defaultRoutes)
{
    SchoolNetwork network{{QHostAddress(QHostAddress::LocalHost)}, {}};
    for (const QString &route : defaultRoutes) {
        for (const NetworkInterfaceInfo &interface : interfaces) {
            if (interface.name != route || !interface.up || interface.loopback)
                continue;
            for (const QHostAddress &address : interface.addresses)
                if (isTypable(address))
                    network.shown << address;
        }
        if (!network.shown.isEmpty())
            break;
    }
    std::stable_sort(network.shown.begin(), network.shown.end(), [](const QHostAddress &a, const QHostAddress &b) {
        return a.protocol() == QAbstractSocket::IPv4Protocol && b.protocol() != QAbstractSocket::IPv4Protocol;
    });
    network.listen << network.shown;
    return network;
}

SchoolNetwork schoolNetwork()
{
    QList<NetworkInterfaceInfo> interfaces;
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        NetworkInterfaceInfo info{interface.name(), flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning),
                                  flags.testFlag(QNetworkInterface::IsLoopBack), {}};
        for (const QNetworkAddressEntry &entry : interface.addressEntries())
            info.addresses << entry.ip();
        interfaces << info;
    }
    return chooseSchoolNetwork(interfaces, systemDefaultRoutes());
}
