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
inline constexpr int maxMessagesPerSecond = 5;
inline constexpr int maxHeaderBytes = 8 * 1024;
inline constexpr int idleSeconds = 60;
inline constexpr int wrongCodesAllowed = 5;
inline constexpr int wrongCodeWaitSeconds = 30;
// A device that lets this much of what it is sent pile up unread is dropped.
inline constexpr qint64 maxUnreadBytes = 64 * 1024;
inline constexpr int sendBufferBytes = 32 * 1024;
// Connections not yet joined count too, so that a flood of them cannot crowd
// out the class.
inline constexpr int maxConnections = maxDevices + 50;
} // namespace AnswerLimits
