#include "platform/desktop/tone.h"

#include <alsa/asoundlib.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace velantra {

namespace {

// ALSA reports a missing device on stderr on every open; a tone that cannot sound is ignored.
void quiet(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void AlsaTone::play(int frequency_hz, std::int32_t duration_ms) {
    if (duration_ms <= 0 || frequency_hz <= 0) return;
    snd_lib_error_set_handler(quiet);
    snd_pcm_t* pcm = nullptr;
    // Non-blocking open: a device held by another program must not stall the window.
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return;
    snd_pcm_nonblock(pcm, 0);
    constexpr unsigned rate = 44100;
    if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 1, rate, 1,
                           100000) < 0) {
        snd_pcm_close(pcm);
        return;
    }
    const auto frames =
        static_cast<std::size_t>(rate) * static_cast<std::size_t>(duration_ms) / 1000;
    std::vector<std::int16_t> samples(frames);
    const double step = 2.0 * std::numbers::pi * frequency_hz / rate;
    for (std::size_t i = 0; i < frames; ++i)
        samples[i] = static_cast<std::int16_t>(12000.0 * std::sin(step * static_cast<double>(i)));
    std::size_t done = 0;
    while (done < frames) {
        const snd_pcm_sframes_t n = snd_pcm_writei(pcm, samples.data() + done, frames - done);
        if (n < 0) {
            if (snd_pcm_recover(pcm, static_cast<int>(n), 1) < 0) break;
            continue;
        }
        done += static_cast<std::size_t>(n);
    }
    snd_pcm_drain(pcm);
    snd_pcm_close(pcm);
}

}  // namespace velantra
