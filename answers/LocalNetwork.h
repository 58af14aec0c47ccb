#pragma once

#include <QHostAddress>

// True for the addresses of a classroom's own network: loopback, the private
// IPv4 ranges 10/8, 172.16/12 and 192.168/16, link-local 169.254/16, and the
// IPv6 unique-local fc00::/7 and link-local fe80::/10 (also when an IPv4
// address comes mapped into IPv6). Every other address is refused.
bool isLocalNetworkAddress(const QHostAddress &address);
