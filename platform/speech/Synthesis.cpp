#include "platform/speech/Synthesis.h"

#include <espeak-ng/speak_lib.h>

extern "C" {
#include <flite/flite.h>
cst_voice *register_cmu_us_slt(const char *voxdir);
}


namespace {

class FliteSynthesis : public Synthesis {
public:
    FliteSynthesis()
    {
        flite_init();
        m_voice = register_cmu_us_slt(nullptr);
    }
    Sound say(const QString &words) override
    {
        Sound sound;
        cst_wave *wave = flite_text_to_wave(words.toUtf8().constData(), m_voice);
        if (!wave)
            return sound;
        sound.rate = wave->sample_rate;
        sound.samples.assign(wave->samples, wave->samples + wave->num_samples * wave->num_channels);
        delete_wave(wave);
        return sound;
    }

private:
    cst_voice *m_voice = nullptr;
};

std::vector<short> *collecting = nullptr;

int collect(short *samples, int count, espeak_EVENT *)
{
    if (samples && collecting)
        collecting->insert(collecting->end(), samples, samples + count);
    return 0;
}

// espeak-ng keeps one state for the process: it is set up once.
int espeakRate()
{
    static const int rate = [] {
        const int r = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
        if (r > 0)
            espeak_SetSynthCallback(collect);
        return r;
    }();
    return rate;
}

bool espeakSpeaks(const QString &language)
{
    if (espeakRate() <= 0)
        return false;
    const QByteArray code = language.toLatin1();
    espeak_VOICE wanted{};
    wanted.languages = code.constData();
    const espeak_VOICE **voices = espeak_ListVoices(&wanted);
    return voices && voices[0];
}

class EspeakSynthesis : public Synthesis {
public:
    explicit EspeakSynthesis(const QString &language)
    {
        espeak_SetVoiceByName(language.toLatin1().constData());
    }
    Sound say(const QString &words) override
    {
        Sound sound;
        sound.rate = espeakRate();
        const QByteArray text = words.toUtf8();
        collecting = &sound.samples;
        espeak_Synth(text.constData(), size_t(text.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
        collecting = nullptr;
        return sound;
    }
};

} // namespace

std::unique_ptr<Synthesis> synthesisFor(const QString &language)
{
    if (language == QLatin1String("en"))
        return std::make_unique<FliteSynthesis>();
    if (espeakSpeaks(language))
        return std::make_unique<EspeakSynthesis>(language);
    return nullptr;
}

QStringList languagesSpoken(const QStringList &languages)
{
    QStringList spoken;
    for (const QString &language : languages)
        if (language == QLatin1String("en") || espeakSpeaks(language))
            spoken << language;
    return spoken;
}
