#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>

// True for the addresses of a classroom's own network: loopback, the private
// IPv4 ranges 10/8, 172.16/12 and 192.168/16, link-local 169.254/16, and the
// IPv6 unique-local fc00::/7 and link-local fe80::/10 (also when an IPv4
// address comes mapped into IPv6). Every other address is refused.
bool isLocalNetworkAddress(const QHostAddress &address);

// One network interface as the system lists it.
struct NetworkInterfaceInfo {
    QString name;
    bool up = false;
    bool loopback = false;
    QList<QHostAddress> addresses;
};

// Where Class Answers listens, and the addresses its card shows.
struct SchoolNetwork {
    // Loopback, and the addresses in shown.
    QList<QHostAddress> listen;
    // The private addresses of the interface that carries the default route
    // (the school's network), IPv4 first; empty when there is none. Never a
    // docker or virtual-machine bridge, never an IPv6 link-local address,
    // which no pupil could type.
    QList<QHostAddress> shown;
};

// The choice, from the interfaces and the names of those that carry a
// default route, the IPv4 one first.
SchoolNetwork chooseSchoolNetwork(const QList<NetworkInterfaceInfo> &interfaces, const QStringList &defaultRoutes);
// The same from this computer's own interfaces and routing tables.
SchoolNetwork schoolNetwork();
