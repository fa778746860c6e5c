// Audio layer: OGG Vorbis sounds decoded through libvorbis, channels mixed by
// our own mixer, SDL2's audio as the output device. Without a usable device
// the game runs silently. A capture device renders the mix into memory.
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
// nullptr when it is missing or no decodable OGG Vorbis.
SoundPtr LoadSound(const u16& path, int flags = 0);

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

// Opens the output device (SDL2 audio); quietly runs without sound when no
// device can be opened. Safe to call more than once.
void Init();
void Shutdown();
bool HasDevice();

// Test device: replaces the output device by a capture that renders the mix
// into memory when Render is called (stereo interleaved floats at `rate`).
void UseCaptureDevice(int rate = 44100);
std::vector<float> Render(int frames);
int ActiveChannels();

}  // namespace audio
