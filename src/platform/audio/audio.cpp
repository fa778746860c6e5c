// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/audio.h"

#include <SDL.h>
#include <dirent.h>
#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <new>
#include <thread>

#include "platform/audio/decode.h"
#include "platform/audio/mixer.h"
#include "platform/fs/fs.h"

namespace audio {
namespace {

using detail::Mixer;
using detail::Pcm;
using detail::PcmPtr;
using detail::Voice;

constexpr int kDefaultRate = 48000;
constexpr int kDeviceFrames = 512;       // 10.7 ms at 48 kHz
// Decoded length cap: every sound of the game, and every clip a question
// brings, is a short one; a longer file plays its first minute.
constexpr double kMaxSeconds = 60;
constexpr size_t kMaxFileBytes = size_t(64) << 20;

// Samples of a sound that could not be decoded; made up front, so that
// running out of memory cannot stop us from handing them out.
PcmPtr EmptyPcm() {
  static const PcmPtr empty = std::make_shared<Pcm>();
  return empty;
}

// Sounds of this layer know how to give their samples at a mixing rate.
class SoundBase : public Sound {
 public:
  virtual PcmPtr PcmFor(int rate) = 0;
  virtual bool HasPcmFor(int rate) = 0;
  virtual void Drop() {}
  virtual size_t Bytes() = 0;
};

class VorbisSound : public SoundBase {
 public:
  VorbisSound(std::string bytes, const detail::StreamInfo& info) : bytes_(std::move(bytes)), info_(info) {}
  double Seconds() const override {
    std::lock_guard<std::mutex> lk(m_);
    if (pcm_ && pcmRate_ > 0) return static_cast<double>(pcm_->Frames()) / pcmRate_;
    return info_.seconds;
  }
  int Rate() const override { return info_.rate; }
  int ChannelCount() const override { return info_.channels; }

  bool HasPcmFor(int rate) override {
    std::lock_guard<std::mutex> lk(m_);
    return pcm_ && pcmRate_ == rate;
  }
  void Drop() override {
    std::lock_guard<std::mutex> lk(m_);
    if (!busy_) {
      pcm_.reset();
      pcmRate_ = 0;
    }
  }
  size_t Bytes() override {
    std::lock_guard<std::mutex> lk(m_);
    return pcm_ ? pcm_->samples.size() * sizeof(int16_t) : 0;
  }

  PcmPtr PcmFor(int rate) override {
    std::unique_lock<std::mutex> lk(m_);
    for (;;) {
      if (pcm_ && pcmRate_ == rate) return pcm_;
      if (!busy_) break;
      cv_.wait(lk);
    }
    busy_ = true;
    lk.unlock();
    int fileRate = 0;
    auto maxFrames = static_cast<size_t>(kMaxSeconds * info_.rate);
    PcmPtr pcm;
    try {
      auto fresh = std::make_shared<Pcm>();
      fresh->samples = detail::DecodeVorbisToPcm(bytes_, maxFrames, rate, fileRate);
      pcm = std::move(fresh);
    } catch (const std::bad_alloc&) {
      pcm = EmptyPcm();  // no memory for the samples: the sound plays nothing
    }
    lk.lock();
    pcm_ = pcm;
    pcmRate_ = rate;
    busy_ = false;
    cv_.notify_all();
    return pcm_;
  }

 private:
  const std::string bytes_;
  const detail::StreamInfo info_;
  mutable std::mutex m_;
  std::condition_variable cv_;
  bool busy_ = false;
  PcmPtr pcm_;
  int pcmRate_ = 0;
};

class SampleSound : public SoundBase {
 public:
  SampleSound(std::vector<float> stereo, int rate) : rate_(rate) {
    stereo.resize(stereo.size() / 2 * 2);
    auto p = std::make_shared<Pcm>();
    p->samples = detail::ResampleToPcm(stereo, rate, rate);
    native_ = p;
    source_ = std::move(stereo);
  }
  double Seconds() const override { return rate_ > 0 ? static_cast<double>(native_->Frames()) / rate_ : 0; }
  int Rate() const override { return rate_; }
  int ChannelCount() const override { return 2; }
  bool HasPcmFor(int) override { return true; }
  size_t Bytes() override {
    std::lock_guard<std::mutex> lk(m_);
    return (native_->samples.size() + (converted_ ? converted_->samples.size() : 0)) * sizeof(int16_t);
  }
  PcmPtr PcmFor(int rate) override {
    if (rate == rate_ || rate_ <= 0) return native_;
    std::lock_guard<std::mutex> lk(m_);
    if (!converted_ || convertedRate_ != rate) {
      auto p = std::make_shared<Pcm>();
      p->samples = detail::ResampleToPcm(source_, rate_, rate);
      converted_ = p;
      convertedRate_ = rate;
    }
    return converted_;
  }

 private:
  int rate_;
  std::vector<float> source_;  // kept for other mixing rates
  PcmPtr native_;
  std::mutex m_;
  PcmPtr converted_;
  int convertedRate_ = 0;
};

enum class Mode { None, Sdl, Capture };

// Everything the game side shares; guarded by `mu` except where noted.
struct State {
  std::mutex mu;
  Mode mode = Mode::None;
  bool initDone = false;
  bool sdlAudio = false;
  SDL_AudioDeviceID device = 0;
  std::string driver;
  int bufferFrames = 0;
  int rate = kDefaultRate;
  std::unique_ptr<Mixer> mixer = std::make_unique<Mixer>(kDefaultRate);
  std::vector<std::shared_ptr<Voice>> inMixer;  // the mixer's references
  std::atomic<MixTap> tap{nullptr};

  // background decoder
  std::mutex workMu;
  std::condition_variable workCv;
  std::deque<std::pair<std::weak_ptr<SoundBase>, int>> work;
  bool working = false;
  bool stop = false;
  std::thread worker;

  ~State() {
    CloseDevice();
    {
      std::lock_guard<std::mutex> lk(workMu);
      stop = true;
      work.clear();
    }
    workCv.notify_all();
    if (worker.joinable()) worker.join();
  }

  void CloseDevice() {
    if (device) SDL_CloseAudioDevice(device);  // waits for the callback to return
    device = 0;
    if (sdlAudio) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    sdlAudio = false;
  }

  // Hands back the voices the mixer is done with (game side, under mu).
  void Collect() {
    Voice* v = nullptr;
    while (mixer->Retired(v)) {
      auto it = std::find_if(inMixer.begin(), inMixer.end(), [v](const auto& p) { return p.get() == v; });
      if (it != inMixer.end()) {
        *it = std::move(inMixer.back());
        inMixer.pop_back();
      }
    }
  }

  // Forgets every started voice and starts over with a fresh mixer.
  void ResetMixer(int newRate) {
    for (auto& v : inMixer) v->state.store(detail::kFinished);
    inMixer.clear();
    rate = newRate > 0 ? newRate : kDefaultRate;
    mixer = std::make_unique<Mixer>(rate);
  }

  void RunWorker() {
    // Decoding ahead gives way to the game thread when cores are scarce.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
    std::unique_lock<std::mutex> lk(workMu);
    for (;;) {
      workCv.wait(lk, [this] { return stop || !work.empty(); });
      if (stop) return;
      auto job = work.front();
      work.pop_front();
      working = true;
      lk.unlock();
      if (auto s = job.first.lock()) s->PcmFor(job.second);
      lk.lock();
      working = false;
      workCv.notify_all();
    }
  }

  void QueueDecode(const std::shared_ptr<SoundBase>& s, int forRate) {
    std::lock_guard<std::mutex> lk(workMu);
    if (stop) return;
    work.emplace_back(s, forRate);
    if (!worker.joinable()) worker = std::thread([this] { RunWorker(); });
    workCv.notify_all();
  }
};

State& S() {
  static State state;
  return state;
}

// Runs on SDL's audio thread. The mixer is only replaced while the device is
// closed, so reading the pointer here needs no lock.
void AudioCallback(void* user, Uint8* stream, int len) {
  Mixer* mixer = static_cast<State*>(user)->mixer.get();
  int frames = len / static_cast<int>(2 * sizeof(float));
  auto* out = reinterpret_cast<float*>(stream);
  mixer->Mix(out, frames);
  if (MixTap tap = static_cast<State*>(user)->tap.load(std::memory_order_acquire)) tap(out, frames, mixer->Rate());
}

class ChannelImpl : public Channel {
 public:
  explicit ChannelImpl(std::shared_ptr<Voice> v) : voice_(std::move(v)) {}
  void SetVolume(float volume) override {
    if (!(volume >= 0.0f)) volume = 0.0f;  // NaN too
    voice_->volume.store(std::min(volume, 1.0f), std::memory_order_relaxed);
  }
  void Resume() override {
    State& s = S();
    std::lock_guard<std::mutex> lk(s.mu);
    s.Collect();
    if (voice_->state.load() != detail::kCued) return;
    if (s.mode == Mode::None || !voice_->pcm || voice_->pcm->Frames() == 0) {
      voice_->state.store(detail::kFinished);
      return;
    }
    voice_->state.store(detail::kPlaying);
    s.inMixer.push_back(voice_);
    if (!s.mixer->Start(voice_.get())) {  // queue full: this one never sounds
      s.inMixer.pop_back();
      voice_->state.store(detail::kFinished);
    }
  }
  bool Playing() const override { return voice_->state.load() == detail::kPlaying; }
  bool Finished() const override { return voice_->state.load() == detail::kFinished; }

 private:
  std::shared_ptr<Voice> voice_;
};

// ALSA prints its errors to stderr when there is no sound card; SDL loads
// the library at run time, so its error handler is switched off up front.
extern "C" void NoAlsaMessages(const char*, int, const char*, int, const char*, ...) {}

void QuietAlsa() {
  using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
  using SetHandler = int (*)(Handler);
  void* lib = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
  if (!lib) return;  // stays loaded: SDL gets the same instance
  if (auto set = reinterpret_cast<SetHandler>(dlsym(lib, "snd_lib_error_set_handler"))) set(NoAlsaMessages);
}

// Whether SDL's default drivers have anything to talk to. Without a sound
// card and without a sound server they all fail, and giving up on ALSA costs
// SDL a tenth of a second (it joins its device-watching thread); then the
// "dummy" driver is taken at once.
bool MayHaveSoundOutput() {
#ifdef __linux__
  if (getenv("PULSE_SERVER") || getenv("PIPEWIRE_REMOTE")) return true;
  if (const char* run = getenv("XDG_RUNTIME_DIR")) {
    for (const char* socket : {"/pulse/native", "/pipewire-0"}) {
      std::string p = std::string(run) + socket;
      if (access(p.c_str(), F_OK) == 0) return true;
    }
  }
  if (access("/run/pulse/native", F_OK) == 0) return true;  // system-wide server
  if (DIR* d = opendir("/dev/snd")) {
    bool pcm = false;
    while (dirent* e = readdir(d))
      if (std::strncmp(e->d_name, "pcmC", 4) == 0) pcm = true;
    closedir(d);
    return pcm;
  }
  return false;
#else
  return true;
#endif
}

bool OpenSdlDevice(State& s) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  s.sdlAudio = true;
  SDL_AudioSpec want{}, have{};
  want.freq = kDefaultRate;
  want.format = AUDIO_F32SYS;
  want.channels = 2;
  want.samples = kDeviceFrames;
  want.callback = AudioCallback;
  want.userdata = &s;
  // The device opens paused: the mixer is made for the rate it really runs
  // at before the callback first runs.
  SDL_AudioDeviceID dev = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
  if (dev == 0) {
    s.CloseDevice();
    return false;
  }
  s.device = dev;
  s.ResetMixer(have.freq);
  const char* name = SDL_GetCurrentAudioDriver();
  s.driver = name ? name : "sdl";
  s.bufferFrames = have.samples;
  s.mode = Mode::Sdl;
  SDL_PauseAudioDevice(dev, 0);
  return true;
}

}  // namespace

SoundPtr LoadSound(const u16& path, int) {
  EmptyPcm();
  auto bytes = fs::ReadAll(path, kMaxFileBytes);
  if (!bytes) return nullptr;
  detail::StreamInfo info;
  std::shared_ptr<VorbisSound> sound;
  try {
    if (!detail::ProbeVorbis(*bytes, info)) return nullptr;
    sound = std::make_shared<VorbisSound>(std::move(*bytes), info);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  return sound;
}

void Prefetch(const SoundPtr& sound) {
  auto base = std::dynamic_pointer_cast<SoundBase>(sound);
  if (!base) return;
  State& s = S();
  int rate;
  {
    std::lock_guard<std::mutex> lk(s.mu);
    s.Collect();
    rate = s.rate;
  }
  if (!base->HasPcmFor(rate)) s.QueueDecode(base, rate);
}

void DropDecoded(const SoundPtr& sound) {
  if (auto base = std::dynamic_pointer_cast<SoundBase>(sound)) base->Drop();
}

size_t DecodedBytes(const SoundPtr& sound) {
  auto base = std::dynamic_pointer_cast<SoundBase>(sound);
  return base ? base->Bytes() : 0;
}

SoundPtr SoundFromSamples(std::vector<float> stereo, int rate) {
  return std::make_shared<SampleSound>(std::move(stereo), rate);
}

ChannelPtr CueSound(const SoundPtr& sound) {
  auto base = std::dynamic_pointer_cast<SoundBase>(sound);
  if (!base) return nullptr;
  State& s = S();
  int rate;
  {
    std::lock_guard<std::mutex> lk(s.mu);
    s.Collect();
    rate = s.rate;
  }
  auto voice = std::make_shared<Voice>();
  voice->pcm = base->PcmFor(rate);  // waits for (or does) the decoding
  return std::make_shared<ChannelImpl>(std::move(voice));
}

ChannelPtr SilentChannel() {
  auto voice = std::make_shared<Voice>();
  voice->state.store(detail::kFinished);
  return std::make_shared<ChannelImpl>(std::move(voice));
}

void Init() {
  State& s = S();
  std::lock_guard<std::mutex> lk(s.mu);
  if (s.initDone) return;
  s.initDone = true;
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Parlavinto");
  QuietAlsa();
  const char* chosen = getenv("SDL_AUDIODRIVER");
  if (((chosen && *chosen) || MayHaveSoundOutput()) && OpenSdlDevice(s)) return;
  // No device with the chosen driver: the "dummy" driver keeps the channels
  // running in real time without output.
  SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
  bool dummy = OpenSdlDevice(s);
  SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  if (dummy) return;
  SDL_ClearError();
  s.mode = Mode::None;
  s.driver.clear();
}

void Shutdown() {
  State& s = S();
  std::lock_guard<std::mutex> lk(s.mu);
  s.CloseDevice();
  s.ResetMixer(s.rate);
  s.mode = Mode::None;
  s.driver.clear();
  s.bufferFrames = 0;
  s.initDone = false;
}

bool HasDevice() {
  State& s = S();
  std::lock_guard<std::mutex> lk(s.mu);
  return s.mode != Mode::None;
}

void UseCaptureDevice(int rate) {
  State& s = S();
  std::lock_guard<std::mutex> lk(s.mu);
  s.CloseDevice();
  s.ResetMixer(rate);
  s.mode = Mode::Capture;
  s.driver = "capture";
  s.bufferFrames = 0;
  s.initDone = true;
}

std::vector<float> Render(int frames) {
  std::vector<float> out(static_cast<size_t>(std::max(frames, 0)) * 2, 0.0f);
  State& s = S();
  std::lock_guard<std::mutex> lk(s.mu);
  if (s.mode != Mode::Capture) return out;
  constexpr int kBlock = 512;
  for (int done = 0; done < frames; done += kBlock) {
    int n = std::min(kBlock, frames - done);
    float* block = out.data() + 2 * static_cast<size_t>(done);
    s.mixer->Mix(block, n);
    if (MixTap tap = s.tap.load(std::memory_order_acquire)) tap(block, n, s.rate);
    s.Collect();
  }
  return out;
}

int ActiveChannels() {
  State& s = S();
  std::lock_guard<std::mutex> lk(s.mu);
  s.Collect();
  return static_cast<int>(s.inMixer.size());
}

DeviceInfo CurrentDevice() {
  State& s = S();
  std::lock_guard<std::mutex> lk(s.mu);
  DeviceInfo d;
  d.driver = s.driver;
  d.rate = s.mode == Mode::None ? 0 : s.rate;
  d.bufferFrames = s.bufferFrames;
  return d;
}

void WaitForDecoding() {
  State& s = S();
  std::unique_lock<std::mutex> lk(s.workMu);
  s.workCv.wait(lk, [&s] { return s.stop || (s.work.empty() && !s.working); });
}

void SetMixTap(MixTap tap) { S().tap.store(tap, std::memory_order_release); }

}  // namespace audio
