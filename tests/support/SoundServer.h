#pragma once

// A PulseAudio of a test's own, with one null sink, that the test may stop
// and start again on the same socket, as a sound server that goes away and
// comes back; and a recording of a sink's monitor with the time on the test's
// clock at which each of its samples was played.

#include "engine/Clock.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

class SoundServer {
public:
    static constexpr const char *sink = "tallyvane_own";

    SoundServer() { QDir(m_dir.path()).mkpath(QStringLiteral("state")); }
    ~SoundServer() { stop(); }

    static bool installed() { return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty(); }
    // For the processes started after this.
    QByteArray address() const { return "unix:" + QFile::encodeName(m_dir.filePath(QStringLiteral("native"))); }

    bool start()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_dir.path());
        environment.insert(QStringLiteral("PULSE_STATE_PATH"), m_dir.filePath(QStringLiteral("state")));
        m_server.setProcessEnvironment(environment);
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start(QStringLiteral("pulseaudio"),
                       {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                        QStringLiteral("--use-pid-file=no"),
                        QStringLiteral("-Lmodule-native-protocol-unix socket=%1 auth-anonymous=1")
                            .arg(m_dir.filePath(QStringLiteral("native"))),
                        QStringLiteral("-Lmodule-null-sink sink_name=%1").arg(QLatin1String(sink))});
        if (!m_server.waitForStarted())
            return false;
        return QTest::qWaitFor([this] { return QFile::exists(m_dir.filePath(QStringLiteral("native"))); }, 30000);
    }
    void stop()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.terminate();
        m_server.waitForFinished(10000);
        QFile::remove(m_dir.filePath(QStringLiteral("native")));
    }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
};

// Records 16-bit mono sound at 16 kHz from a sink's monitor. Each chunk's
// arrival gives a latest time for its samples; the earliest over all chunks
// gives when the first sample was played, on the clock.
class SoundRecording {
public:
    static constexpr int rate = 16000;

    SoundRecording(Clock &clock, const QString &sink, const QByteArray &server = {}) : m_clock(clock)
    {
        if (!server.isEmpty()) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("PULSE_SERVER"), QString::fromLocal8Bit(server));
            m_parec.setProcessEnvironment(environment);
        }
        QObject::connect(&m_parec, &QProcess::readyReadStandardOutput, [this] {
            m_sound += m_parec.readAllStandardOutput();
            const double samples = double(m_sound.size() / 2);
            m_firstSampleAt = std::min(m_firstSampleAt, m_clock.now() - samples / rate);
        });
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("--device=%1.monitor").arg(sink), QStringLiteral("--raw"),
                       QStringLiteral("--latency-msec=10"), QStringLiteral("--format=s16le"),
                       QStringLiteral("--channels=1"), QStringLiteral("--rate=%1").arg(rate)});
    }
    ~SoundRecording() { finish(); }

    bool started() { return m_parec.waitForStarted() && QTest::qWaitFor([this] { return !m_sound.isEmpty(); }, 10000); }
    void finish()
    {
        if (m_parec.state() == QProcess::NotRunning)
            return;
        QTest::qWait(300);  // what was played last reaches the recording
        m_parec.terminate();
        m_parec.waitForFinished(5000);
    }

    // The clock's time at which each utterance began: sound after at least
    // `quiet` seconds of silence, measured in 10 ms windows.
    QList<double> utterancesStarting(double quiet = 0.25) const
    {
        QList<double> starts;
        constexpr int window = rate / 100;
        const int quietWindows = int(quiet * 100);
        int silent = quietWindows;
        for (qsizetype start = 0; 2 * (start + window) <= m_sound.size(); start += window) {
            int peak = 0;
            for (qsizetype i = start; i < start + window; ++i) {
                const auto sample = qint16(quint16(uchar(m_sound[2 * i])) | quint16(uchar(m_sound[2 * i + 1])) << 8);
                peak = std::max(peak, std::abs(int(sample)));
            }
            if (peak > loud) {
                if (silent >= quietWindows)
                    starts << m_firstSampleAt + double(start) / rate;
                silent = 0;
            } else {
                ++silent;
            }
        }
        return starts;
    }

private:
    static constexpr int loud = 1000;
    Clock &m_clock;
    QProcess m_parec;
    QByteArray m_sound;
    double m_firstSampleAt = std::numeric_limits<double>::infinity();
};
