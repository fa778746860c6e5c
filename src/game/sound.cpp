// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/sound.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

#include "app/startup.h"
#include "catalogue/questions.h"
#include "game/gameflow.h"

namespace {

// A channel for the slot's sound; a slot without a sound gets a channel that
// never sounds, so the table holds a usable channel after every call.
audio::ChannelPtr Cue(int slot) {
  audio::ChannelPtr k = audio::CueSound(Ton[slot]);
  return k ? k : audio::SilentChannel();
}

// ---------------------------------------------------------------------------
// Question clips are read and decoded on a thread of their own: a long clip
// or a slow file must not hold up the game. Until its sound is ready the
// clip's channel is a stand-in that remembers the volume and whether it was
// started, and hands both to the real channel once there is one.

class SpaeterKanal : public audio::Channel {
 public:
  void SetVolume(float volume) override {
    std::lock_guard<std::mutex> lk(m_);
    volume_ = volume;
    if (echt_) echt_->SetVolume(volume);
  }
  void Resume() override {
    std::lock_guard<std::mutex> lk(m_);
    gestartet_ = true;
    if (echt_) echt_->Resume();
  }
  bool Playing() const override {
    std::lock_guard<std::mutex> lk(m_);
    return echt_ && echt_->Playing();
  }
  bool Finished() const override {
    std::lock_guard<std::mutex> lk(m_);
    return echt_ && echt_->Finished();
  }
  // The real channel (a silent one when the clip could not be loaded).
  void Bereit(audio::ChannelPtr k) {
    std::lock_guard<std::mutex> lk(m_);
    echt_ = k ? std::move(k) : audio::SilentChannel();
    echt_->SetVolume(volume_);
    if (gestartet_) echt_->Resume();
  }

 private:
  mutable std::mutex m_;
  audio::ChannelPtr echt_;
  float volume_ = 1.0f;
  bool gestartet_ = false;
};

// One clip being loaded, with the channels waiting for it.
struct Clip {
  u16 pfad;
  bool fertig = false;  // guarded by the loader's lock
  audio::SoundPtr ton;
  std::vector<std::shared_ptr<SpaeterKanal>> wartend;
};

class ClipLader {
 public:
  ~ClipLader() {
    {
      std::lock_guard<std::mutex> lk(m_);
      stop_ = true;
    }
    cv_.notify_all();
    if (thread_.joinable()) thread_.join();
  }

  std::shared_ptr<Clip> Lade(const u16& pfad) {
    auto clip = std::make_shared<Clip>();
    clip->pfad = pfad;
    std::lock_guard<std::mutex> lk(m_);
    auftraege_.push_back(clip);
    if (!thread_.joinable()) thread_ = std::thread([this] { Arbeite(); });
    cv_.notify_all();
    return clip;
  }

  // A channel of the clip: the real one when the clip is ready, else a
  // stand-in that becomes it.
  audio::ChannelPtr Kanal(const std::shared_ptr<Clip>& clip) {
    {
      std::lock_guard<std::mutex> lk(m_);
      if (!clip->fertig) {
        auto k = std::make_shared<SpaeterKanal>();
        clip->wartend.push_back(k);
        return k;
      }
    }
    audio::ChannelPtr k = audio::CueSound(clip->ton);  // decoded already: no wait
    return k ? k : audio::SilentChannel();
  }

  bool Fertig(const std::shared_ptr<Clip>& clip) {
    std::lock_guard<std::mutex> lk(m_);
    return clip->fertig;
  }
  // The clip's sound once it is ready (nullptr when it could not be loaded).
  audio::SoundPtr Ton(const std::shared_ptr<Clip>& clip) {
    std::lock_guard<std::mutex> lk(m_);
    return clip->fertig ? clip->ton : nullptr;
  }

  void WarteAufAlle() {
    std::unique_lock<std::mutex> lk(m_);
    cv_.wait(lk, [this] { return auftraege_.empty() && !arbeitet_; });
  }

 private:
  void Arbeite() {
    std::unique_lock<std::mutex> lk(m_);
    for (;;) {
      cv_.wait(lk, [this] { return stop_ || !auftraege_.empty(); });
      if (stop_) return;
      auto clip = auftraege_.front();
      auftraege_.pop_front();
      arbeitet_ = true;
      lk.unlock();
      audio::SoundPtr ton;
      try {
        ton = audio::LoadSound(clip->pfad);
      } catch (const std::bad_alloc&) {
        ton = nullptr;
      }
      lk.lock();
      clip->ton = ton;
      // Channels asked for meanwhile get theirs; cueing waits for the decoding.
      while (!clip->wartend.empty()) {
        auto wartend = std::move(clip->wartend);
        clip->wartend.clear();
        lk.unlock();
        for (auto& k : wartend) {
          audio::ChannelPtr echt;
          try {
            echt = ton ? audio::CueSound(ton) : nullptr;
          } catch (const std::bad_alloc&) {
            echt = nullptr;
          }
          k->Bereit(echt);
        }
        lk.lock();
      }
      clip->fertig = true;
      arbeitet_ = false;
      cv_.notify_all();
    }
  }

  std::mutex m_;
  std::condition_variable cv_;
  std::deque<std::shared_ptr<Clip>> auftraege_;
  bool arbeitet_ = false;
  bool stop_ = false;
  std::thread thread_;
};

ClipLader& Lader() {
  static ClipLader lader;
  return lader;
}

// The clip of slot 0 while it is loading.
std::shared_ptr<Clip> g_clip;

// Once the clip is loaded its sound takes its place in the slot table.
void UebernimmClip() {
  if (!g_clip || !Lader().Fertig(g_clip)) return;
  Ton[0] = Lader().Ton(g_clip);
  g_clip = nullptr;
}

// A slot's previous channel falls silent before a new one takes its place:
// replaying a clip restarts it instead of adding a second copy that no answer
// could silence any more. The clip's slot takes the loader's channel while
// the clip is still loading.
void NeuerKanal(int slot) {
  if (Kanal[slot]) Kanal[slot]->SetVolume(0.0f);
  Kanal[slot] = slot == 0 && g_clip ? Lader().Kanal(g_clip) : Cue(slot);
}

}  // namespace

int SpielTon(int slot, float lautstaerke, const u16& datei) {
  if (slot < 0 || slot >= static_cast<int>(Ton.size())) return 0;
  if (!datei.empty()) {
    // The file is read and decoded on the loader's thread; the slot holds
    // no sound until then.
    g_clip = Lader().Lade(MedienPfad(TonPfad + MedienKlangName(datei)));
    Ton[0] = nullptr;
    AudioGeladen = 1;
  } else if (slot == 0) {
    return 0;
  } else if (slot == 1) {
    slot = 0;
  }
  UebernimmClip();
  TonLautstaerke[slot] = lautstaerke;
  NeuerKanal(slot);
  Kanal[slot]->SetVolume(lautstaerke);
  Kanal[slot]->Resume();
  KanalAktiv[slot] = 1;
  return 0;
}

void WarteAufFragenTon() {
  Lader().WarteAufAlle();
  UebernimmClip();
}
