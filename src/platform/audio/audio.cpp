#include "platform/audio/audio.h"

// Placeholder until the audio layer lands: silence.
namespace audio {
SoundPtr LoadSound(const u16&, int) { return nullptr; }
ChannelPtr CueSound(const SoundPtr&) { return nullptr; }
void Init() {}
void Shutdown() {}
bool HasDevice() { return false; }
void UseCaptureDevice(int) {}
std::vector<float> Render(int frames) { return std::vector<float>(static_cast<size_t>(frames) * 2, 0.0f); }
int ActiveChannels() { return 0; }
}  // namespace audio
