#include "platform/speech/SoundOut.h"

#include <pulse/simple.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int bufferMs = 50;
constexpr int quiet = 200;  // of 32767: below it a voice is not yet heard
constexpr int keptBeforeMs = 10;

// A voice's sound starts with a moment of silence; the number is heard that
// much sooner without it.
std::size_t firstHeard(const Sound &sound)
{
    const auto loud = std::find_if(sound.samples.begin(), sound.samples.end(), [](short s) { return std::abs(s) > quiet; });
    const auto kept = std::size_t(sound.rate * keptBeforeMs / 1000);
    const auto at = std::size_t(loud - sound.samples.begin());
    return at > kept ? at - kept : 0;
}

} // namespace

SoundOut::~SoundOut()
{
    if (m_stream)
        pa_simple_free(m_stream);
}

bool SoundOut::play(const Sound &sound)
{
    if (m_stream && m_rate != sound.rate) {
        pa_simple_free(m_stream);
        m_stream = nullptr;
    }
    if (!m_stream) {
        const pa_sample_spec format{PA_SAMPLE_S16LE, uint32_t(sound.rate), 1};
        const auto bytes = uint32_t(sound.rate * 2 * bufferMs / 1000);
        const pa_buffer_attr buffer{uint32_t(-1), bytes, uint32_t(-1), uint32_t(-1), uint32_t(-1)};
        int error = 0;
        m_stream = pa_simple_new(nullptr, "Tallyvane", PA_STREAM_PLAYBACK, nullptr, "Counting aloud", &format, nullptr,
                                 &buffer, &error);
        if (!m_stream)
            return false;
        m_rate = sound.rate;
    }
    int error = 0;
    const std::size_t first = firstHeard(sound);
    if (first < sound.samples.size()
        && pa_simple_write(m_stream, sound.samples.data() + first, (sound.samples.size() - first) * sizeof(short), &error)
            < 0)
        return false;
    return pa_simple_drain(m_stream, &error) >= 0;
}
