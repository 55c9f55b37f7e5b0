#pragma once
// A tone of a frequency and a duration, blocking for the duration. Where no sound
// device exists it returns at once and silently.

#include <cstdint>

namespace velantra {

class Tone {
  public:
    virtual ~Tone() = default;
    virtual void play(int frequency_hz, std::int32_t duration_ms) = 0;
};

}  // namespace velantra
