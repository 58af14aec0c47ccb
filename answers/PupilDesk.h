#pragma once

// What the class-answers server asks of the lesson for a joined device.

#include <QJsonObject>
#include <QString>
#include <QStringList>

class PupilDesk {
public:
    virtual ~PupilDesk() = default;
    // Everything the device's page shows now.
    virtual QJsonObject boardFor(const QString &device) const = 0;
    // True while every device is shown the same board, as while counting.
    virtual bool boardIsShared() const = 0;
    // Takes the device's answer, one text per counter: empty when taken,
    // otherwise the refusal to show on the page.
    virtual QString takeAnswer(const QString &device, const QStringList &answers) = 0;
    virtual void takeName(const QString &device, const QString &name) = 0;
    // The device's connection is gone: its answer no longer counts, until
    // it comes back with its token.
    virtual void deviceLeft(const QString &device) = 0;
    virtual void deviceBack(const QString &device) = 0;
};
