#include "platform/QtSpeaker.h"

#include <QLocale>
#include <QTextToSpeech>

#include <optional>
#include <vector>

namespace {

// Flite first: offline, and the voice CI hears English with.
const QStringList preferredEngines = {QStringLiteral("flite"), QStringLiteral("speechd")};
const QStringList programLanguages = {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"),
                                      QStringLiteral("es")};
// A voice that never says it has finished is taken as finished after this.
constexpr qint64 longestNumberMs = 10'000;

QStringList enginesHere()
{
    QStringList engines;
    const QStringList available = QTextToSpeech::availableEngines();
    for (const QString &engine : preferredEngines)
        if (available.contains(engine))
            engines << engine;
    return engines;
}

std::optional<QLocale> localeFor(const QTextToSpeech &engine, QLocale::Language language)
{
    if (engine.state() == QTextToSpeech::Error)
        return std::nullopt;
    for (const QLocale &locale : engine.availableLocales())
        if (locale.language() == language)
            return locale;
    return std::nullopt;
}

} // namespace

QtSpeaker::QtSpeaker(const QString &language, QObject *parent)
    : QObject(parent), m_language(language.isEmpty() ? QStringLiteral("en") : language)
{
}

QtSpeaker::~QtSpeaker() = default;

void QtSpeaker::open() const
{
    if (m_opened)
        return;
    m_opened = true;
    const QLocale::Language language = QLocale(m_language).language();
    for (const QString &name : enginesHere()) {
        auto engine = std::make_unique<QTextToSpeech>(name);
        if (const auto locale = localeFor(*engine, language)) {
            engine->setLocale(*locale);
            auto *self = const_cast<QtSpeaker *>(this);
            connect(engine.get(), &QTextToSpeech::stateChanged, self, [self](QTextToSpeech::State state) {
                if (state != QTextToSpeech::Speaking)
                    self->m_busy = false;
            });
            m_engine = std::move(engine);
            return;
        }
    }
}

bool QtSpeaker::hasVoice() const
{
    open();
    return m_engine != nullptr;
}

bool QtSpeaker::isSpeaking() const
{
    return m_busy && m_sinceSaid.isValid() && m_sinceSaid.elapsed() < longestNumberMs;
}

void QtSpeaker::say(const QString &words)
{
    if (!hasVoice())
        return;
    m_busy = true;
    m_sinceSaid.start();
    m_engine->say(words);
}

QTextToSpeech *QtSpeaker::engine() const
{
    open();
    return m_engine.get();
}

QStringList QtSpeaker::voicedLanguages() const
{
    if (m_voicedLanguages)
        return *m_voicedLanguages;
    QStringList voiced;
    std::vector<std::unique_ptr<QTextToSpeech>> engines;
    for (const QString &name : enginesHere())
        engines.push_back(std::make_unique<QTextToSpeech>(name));
    for (const QString &code : programLanguages) {
        const QLocale language(code);
        for (const auto &engine : engines) {
            if (localeFor(*engine, language.language())) {
                voiced << language.nativeLanguageName();
                break;
            }
        }
    }
    m_voicedLanguages = voiced;
    return voiced;
}
