#pragma once

#include "platform/tone.h"

namespace velantra {

// Through ALSA's default playback device.
class AlsaTone : public Tone {
  public:
    void play(int frequency_hz, std::int32_t duration_ms) override;
};

}  // namespace velantra
