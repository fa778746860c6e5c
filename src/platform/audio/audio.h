// SPDX-License-Identifier: GPL-3.0-or-later
// Audio layer: OGG Vorbis sounds decoded through libvorbis, channels mixed by
// our own mixer, SDL2's audio as the output device. Without a usable device
// the game runs silently. A capture device renders the mix into memory.
//
// Sounds stay compressed until they are first cued (then they are decoded at
// once) or handed to Prefetch (then the background thread decodes them) to
// stereo floats at the output rate; DropDecoded returns them to the
// compressed state. The mixer sums
// every playing channel in float with short ramps at the start, on volume
// changes and at the end, and a peak limiter keeps the sum inside [-1, 1].
// A channel keeps playing to its end when the game drops it; finished
// channels are released automatically.
#pragma once
#include <memory>
#include <string>
#include <vector>

namespace audio {

using u16 = std::u16string;

class Sound {
 public:
  virtual ~Sound() = default;
  virtual double Seconds() const = 0;
  virtual int Rate() const = 0;
  virtual int ChannelCount() const = 0;
};
using SoundPtr = std::shared_ptr<Sound>;

// Loads a sound from any path of the file layer (archive entry or file);
// nullptr when it is missing or no decodable OGG Vorbis (or its sample rate
// lies outside 8000..192000 Hz). A damaged stream plays what could be
// decoded before the damage; a long one its first minute. A sound whose
// samples find no memory plays nothing.
SoundPtr LoadSound(const u16& path, int flags = 0);

// A sound made from stereo interleaved samples at `rate` (tests, tones).
SoundPtr SoundFromSamples(std::vector<float> stereo, int rate);

class Channel {
 public:
  virtual ~Channel() = default;
  virtual void SetVolume(float volume) = 0;  // 0..1
  virtual void Resume() = 0;                 // starts (or continues) playing once to the end
  virtual bool Playing() const = 0;
  virtual bool Finished() const = 0;
};
using ChannelPtr = std::shared_ptr<Channel>;

// A new, paused channel for the sound; nullptr for an empty sound.
ChannelPtr CueSound(const SoundPtr& sound);
// A channel that never sounds (Finished() is true at once); for callers that
// want a channel object for an empty sound.
ChannelPtr SilentChannel();

// Opens the output device (SDL2 audio, the driver named by SDL_AUDIODRIVER or
// SDL's default, else the "dummy" driver); quietly runs without sound when no
// device can be opened. Safe to call more than once.
void Init();
void Shutdown();
bool HasDevice();  // a device (real or "dummy", or the capture) is mixing

// Test device: replaces the output device by a capture that renders the mix
// into memory when Render is called (stereo interleaved floats at `rate`).
// Every channel started before is dropped.
void UseCaptureDevice(int rate = 44100);
std::vector<float> Render(int frames);
int ActiveChannels();

// What the output is: driver name ("capture" for the test device, "" for
// none), mixing rate and the device's buffer in frames.
struct DeviceInfo {
  std::string driver;
  int rate = 0;
  int bufferFrames = 0;
};
DeviceInfo CurrentDevice();

// Has the sound decoded on the background thread, so that cueing it later
// does not wait; nothing for a sound already decoded or empty.
void Prefetch(const SoundPtr& sound);
// Frees the decoded samples of a sound loaded from a file (channels playing
// it keep theirs); the next cue or prefetch decodes it again.
void DropDecoded(const SoundPtr& sound);
// Decoded samples held by a sound, in bytes.
size_t DecodedBytes(const SoundPtr& sound);

// Blocks until the background decoder has nothing left to do.
void WaitForDecoding();

// Observer of the mixed output, called on the mixing thread right after each
// block has been mixed (measurements). nullptr removes it.
using MixTap = void (*)(const float* stereo, int frames, int rate);
void SetMixTap(MixTap tap);

}  // namespace audio
