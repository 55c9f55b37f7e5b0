#pragma once
// The tone through Web Audio: a sine of the frequency for the duration; the handler waits for
// it, as the desktop's does, so a message that follows comes after the tone.

#include "platform/tone.h"

namespace velantra {

class WebTone : public Tone {
  public:
    void play(int frequency_hz, std::int32_t duration_ms) override;
};

}  // namespace velantra
