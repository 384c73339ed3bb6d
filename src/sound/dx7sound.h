// The sound pool: a fixed set of voice slots, so that several effects can
// sound at once. Every play takes a slot that is not playing, loads the file
// into it afresh and plays it once with the menu's volume and pan.
#pragma once

#include "match/seams.h"
#include "sound/sound_service.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace hovla {

// The menu's two sliders (0..100, start 80 and 50) and its mute box
// "Vaienna". Read on every play; the first read brings the menu into being.
class SoundSettings {
public:
    virtual ~SoundSettings() = default;
    virtual int volume() = 0;
    virtual int pan() = 0;
    virtual bool muted() = 0;
};

// Settings that are plain values, for tools and tests.
struct PlainSoundSettings : SoundSettings {
    int Volume = 80;
    int Pan = 50;
    bool Muted = false;
    int volume() override { return Volume; }
    int pan() override { return Pan; }
    bool muted() override { return Muted; }
};

struct SoundSlot {
    int16_t Loaded = 0;  // -1 once a buffer has been made for the slot; never cleared
    std::unique_ptr<SoundBuffer> Buffer;
    uint64_t startedAs = 0;  // which play of the run last started its sound
};

class DX7Sound : public Sound {
public:
    using PlayListener = std::function<void(const std::string& fileName, int16_t slot)>;

    DX7Sound(SoundService& service, SoundSettings& settings, Messages& messages);

    void InitDirectSound(WindowHandle window);
    void SetSoundFolder(const std::string& folder);
    void LoadSoundPool(int16_t count, const std::string& fileName);
    // False when the file could not be made into a buffer; the slot keeps
    // what it had.
    bool LoadBuffer(int16_t slot, const std::string& fileName);
    void PlayPooled(const std::string& fileName, uint8_t volume, uint8_t pan, uint8_t flags);
    void SetBufferPan(int16_t slot, uint8_t pan);
    void SetBufferVolume(int16_t slot, uint8_t volume);
    void PlaySoundFile(const std::string& fileName) override;

    // Told of every play that sounds: the file asked for and the slot.
    void onPlay(PlayListener listener) { onPlay_ = std::move(listener); }

    // True once the device could not be made: the game goes on without sound.
    bool silent() const { return silent_; }

    // The module's state, under the game's own names.
    std::string SoundFolder;
    std::vector<SoundSlot> SoundPool;
    int16_t CurrentSlot = 0;

private:
    SoundSlot& slot(int16_t index);
    void findFreeSlot();

    SoundService& service_;
    SoundSettings& settings_;
    Messages& messages_;
    PlayListener onPlay_;
    bool rootCreated_ = false;
    bool silent_ = false;
    std::set<std::string> failedPaths_;  // each told of once
    uint64_t plays_ = 0;
};

} // namespace hovla
