#include "platform/speech/HelperSpeaker.h"

#include "platform/speech/VoiceLines.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace {

// A voice that never says it has finished is taken as finished after this.
constexpr double longestNumber = 10;  // seconds
constexpr double firstRetry = 1;
constexpr double longestRetry = 8;
// The voices open in well under a second; far longer, the helper is stuck.
constexpr int longestOpeningMs = 30'000;

} // namespace

HelperSpeaker::HelperSpeaker(const QString &helper, const QString &language, Clock &clock, QObject *parent)
    : VoiceCatalog(parent), m_helper(helper), m_language(language.isEmpty() ? QStringLiteral("en") : language),
      m_clock(clock), m_retryAfter(firstRetry)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_unanswered.setSingleShot(true);
    connect(&m_unanswered, &QTimer::timeout, &m_process, &QProcess::kill);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &HelperSpeaker::readHelper);
    connect(&m_process, &QProcess::finished, this, &HelperSpeaker::helperEnded);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        // Not installed: there is no voice, rather than a lost sound.
        if (error == QProcess::FailedToStart && !m_known) {
            m_known = Voices{};
            emit voicesChanged();
        }
    });
}

HelperSpeaker::~HelperSpeaker()
{
    m_stopping = true;
    m_process.disconnect(this);
    if (m_process.state() != QProcess::NotRunning) {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(200))
            m_process.kill();
        m_process.waitForFinished(1000);
    }
}

QString HelperSpeaker::installedHelper()
{
    const QString here = QCoreApplication::applicationDirPath();
    const QString beside = here + QStringLiteral("/tallyvane-voice");
    if (QFileInfo(beside).isExecutable())
        return beside;
    return here + QStringLiteral("/../libexec/tallyvane/tallyvane-voice");
}

void HelperSpeaker::setWanted(bool wanted)
{
    m_wanted = wanted;
    if (wanted)
        startHelper();
    else if (m_known && m_process.state() != QProcess::NotRunning) {
        m_stopping = true;
        m_process.closeWriteChannel();
    }
}

bool HelperSpeaker::hasVoice() const
{
    // Not known yet: the number is sent, and said once the helper is ready.
    return !m_known || m_known->speaksProgramLanguage;
}

bool HelperSpeaker::isSpeaking() const
{
    return m_busySince >= 0 && m_clock.now() - m_busySince < longestNumber;
}

void HelperSpeaker::say(const QString &words)
{
    if (m_process.state() == QProcess::NotRunning) {
        // After a loss, at most one try in each wait, each wait longer.
        if (m_clock.now() - m_startedAt < m_retryAfter)
            return;
        m_retryAfter = std::min(m_retryAfter * 2, longestRetry);
        startHelper();
    }
    m_busySince = m_clock.now();
    if (!m_unanswered.isActive())
        m_unanswered.start(int(longestNumber * 1000));
    m_process.write(VoiceLines::say(words));
}

// While not known, a lost sound is told with a voice taken to be there.
std::optional<Voices> HelperSpeaker::voices() const
{
    if (!m_known && !m_soundLost)
        return std::nullopt;
    Voices voices = m_known.value_or(Voices{true, {}, false});
    voices.soundLost = m_soundLost;
    return voices;
}

void HelperSpeaker::lookForVoices()
{
    if (!m_known)
        startHelper();
}

void HelperSpeaker::startHelper()
{
    if (m_process.state() != QProcess::NotRunning)
        return;
    m_stopping = false;
    m_buffer.clear();
    m_startedAt = m_clock.now();
    // Once the voices are known, the helper only opens the one that speaks.
    m_process.start(m_helper, m_known ? QStringList{m_language} : QStringList{m_language, QStringLiteral("--list")});
    m_unanswered.start(longestOpeningMs);
}

void HelperSpeaker::readHelper()
{
    m_buffer += m_process.readAllStandardOutput();
    for (const QByteArray &line : VoiceLines::takeLines(m_buffer)) {
        const VoiceLines::Line parsed = VoiceLines::parse(line);
        switch (parsed.kind) {
        case VoiceLines::Kind::Voices: {
            m_unanswered.stop();
            if (!m_known) {
                m_known = Voices{parsed.fields.value(0) == QLatin1String("1"), parsed.fields.mid(1), false};
                emit voicesChanged();
            }
            if (!m_wanted)
                setWanted(false);
            break;
        }
        case VoiceLines::Kind::Done:
            m_unanswered.stop();
            m_busySince = -1;
            m_retryAfter = firstRetry;
            if (std::exchange(m_soundLost, false))
                emit voicesChanged();
            break;
        case VoiceLines::Kind::Say:
        case VoiceLines::Kind::Unknown:
            break;
        }
    }
}

// Asked to end, or ended by itself: a crash, or the sound gone.
void HelperSpeaker::helperEnded()
{
    m_unanswered.stop();
    m_busySince = -1;
    const bool asked = m_stopping;
    m_stopping = false;
    if (asked)
        return;
    m_soundLost = true;
    emit voicesChanged();
}
