#pragma once

// The helper's way to the speakers: one PulseAudio stream, opened at the
// first number and kept, with a short buffer so a number is heard about
// 50 ms after it is handed over. play() returns once the number has been
// heard in full; false when the sound server is not there or has gone.

#include "platform/speech/Synthesis.h"

struct pa_simple;

class SoundOut {
public:
    SoundOut() = default;
    ~SoundOut();
    SoundOut(const SoundOut &) = delete;
    SoundOut &operator=(const SoundOut &) = delete;

    bool play(const Sound &sound);

private:
    pa_simple *m_stream = nullptr;
    int m_rate = 0;
};
