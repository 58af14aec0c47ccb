#pragma once

// What the class-answers server allows a pupil's device, in one place.

#include <QtGlobal>

namespace AnswerLimits {
inline constexpr quint16 firstPort = 8080;
inline constexpr quint16 lastPort = 8099;
inline constexpr int maxDevices = 200;
inline constexpr int maxMessageBytes = 256;
inline constexpr int maxAnswerCharacters = 32;
inline constexpr int maxNameCharacters = 20;
// Every frame counts, pings, pongs and closes included.
inline constexpr int maxMessagesPerSecond = 5;
// What a device may send in a second, framing included, and twice that at once.
inline constexpr int maxBytesPerSecond = maxMessagesPerSecond * (maxMessageBytes + 14);
inline constexpr int maxHeaderBytes = 8 * 1024;
// A joined page says it is still there every 20 seconds; one silent for a
// minute is gone.
inline constexpr int idleSeconds = 60;
inline constexpr int heartbeatSeconds = 20;
// A connection that has not joined by then is closed, page or not.
inline constexpr int joinSeconds = 10;
inline constexpr int wrongCodesAllowed = 5;
inline constexpr int wrongCodeWaitSeconds = 30;
// Wrong codes from all devices together within a minute that change the code.
inline constexpr int wrongCodesPerMinute = 30;
// A device that lets this much of what it is sent pile up unread is dropped.
inline constexpr qint64 maxUnreadBytes = 64 * 1024;
inline constexpr int sendBufferBytes = 32 * 1024;
// Connections not yet joined count too, so that a flood of them cannot crowd
// out the class; one address, a class behind one router among them, holds
// at most 40.
inline constexpr int maxConnections = maxDevices + 50;
inline constexpr int maxPerAddress = 40;
inline constexpr int boardsPerSecond = 10;
} // namespace AnswerLimits
