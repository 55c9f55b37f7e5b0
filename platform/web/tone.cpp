#include "platform/web/tone.h"

#include <emscripten.h>

EM_ASYNC_JS(void, velantra_tone, (int frequency_hz, int duration_ms),
            { await Module.page.tone(frequency_hz, duration_ms); });

namespace velantra {

void WebTone::play(int frequency_hz, std::int32_t duration_ms) {
    if (duration_ms <= 0 || frequency_hz <= 0) return;
    velantra_tone(frequency_hz, duration_ms);
}

}  // namespace velantra
