#include "sound/dx7sound.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace hovla {

namespace {

constexpr int32_t kPriorityLevel = 2;
constexpr uint8_t kCentre = 50;
constexpr uint8_t kFullVolume = 100;

} // namespace

DX7Sound::DX7Sound(SoundService& service, SoundSettings& settings, Messages& messages)
    : service_(service), settings_(settings), messages_(messages)
{
}

void DX7Sound::InitDirectSound(WindowHandle window)
{
    std::optional<std::string> failure;
    try {
        if (!rootCreated_) {
            service_.CreateRoot();
            rootCreated_ = true;
        }
        service_.CreateDevice("");
    } catch (const SoundError& e) {
        failure = e.what();
    }
    if (failure) {
        // No speaker is no reason to refuse to start: say so, then stay silent.
        silent_ = true;
        messages_.show(*failure);
        return;
    }
    service_.SetCooperativeLevel(window, kPriorityLevel);
}

void DX7Sound::SetSoundFolder(const std::string& folder)
{
    SoundFolder = folder + static_cast<char>(std::filesystem::path::preferred_separator);
}

void DX7Sound::LoadSoundPool(int16_t count, const std::string& fileName)
{
    if (count < 0)
        raiseSubscript("SoundPool upper bound", count, INT16_MAX);
    SoundPool = std::vector<SoundSlot>(count + 1);
    for (int s = 0; s <= count; ++s) {
        LoadBuffer(static_cast<int16_t>(s), fileName);
        SetBufferVolume(static_cast<int16_t>(s), 50);
    }
}

bool DX7Sound::LoadBuffer(int16_t index, const std::string& fileName)
{
    SoundSlot& target = slot(index);
    if (silent_)
        return false;  // without a device nothing loads, so no slot ever plays
    const std::string path = SoundFolder + fileName;
    std::optional<std::string> failure;
    try {
        target.Buffer = service_.CreateBufferFromFile(path);
        target.Loaded = -1;
    } catch (const SoundError& e) {
        failure = e.what();
    }
    // The slot keeps what it had. A file is told of once: a box on every
    // throw would stop both players each time. Timer ticks run while it is open.
    if (failure && failedPaths_.insert(path).second)
        messages_.show(*failure + " | " + path);
    return !failure;
}

void DX7Sound::PlayPooled(const std::string& fileName, uint8_t volume, uint8_t pan, uint8_t flags)
{
    findFreeSlot();
    if (!LoadBuffer(CurrentSlot, fileName))
        return;  // never the slot's earlier sound in place of this one
    if (pan != kCentre)
        SetBufferPan(CurrentSlot, pan);
    if (volume < kFullVolume)
        SetBufferVolume(CurrentSlot, volume);
    SoundSlot& chosen = slot(CurrentSlot);
    if (chosen.Loaded) {
        chosen.Buffer->Play(flags);
        chosen.startedAs = ++plays_;
        if (onPlay_)
            onPlay_(fileName, CurrentSlot);
    }
}

// The two ends jump to one speaker only; the positions between cover
// -4900..+4900.
void DX7Sound::SetBufferPan(int16_t index, uint8_t pan)
{
    int16_t value = 0;
    if (pan == 0)
        value = -10000;
    else if (pan == 100)
        value = 10000;
    else
        value = add16(mul16(pan, 100, "pan * 100"), -5000, "pan * 100 - 5000");
    if (SoundSlot& target = slot(index); target.Buffer)
        target.Buffer->SetPan(value);
}

// 60 dB of range: volume 0 is very quiet, not silent.
void DX7Sound::SetBufferVolume(int16_t index, uint8_t volume)
{
    const int16_t value = add16(mul16(volume, 60, "volume * 60"), -6000, "volume * 60 - 6000");
    if (SoundSlot& target = slot(index); target.Buffer)
        target.Buffer->SetVolume(value);
}

void DX7Sound::PlaySoundFile(const std::string& fileName)
{
    // Read on every play, muted or not: the first read brings the menu into being.
    const uint8_t volume = toByte(settings_.volume(), "volume");
    const uint8_t pan = toByte(settings_.pan(), "pan");
    if (settings_.muted())
        return;
    PlayPooled(fileName, volume, pan, 0);
}

SoundSlot& DX7Sound::slot(int16_t index)
{
    const long upper = static_cast<long>(SoundPool.size()) - 1;
    if (index < 0 || index > upper)
        raiseSubscript("SoundPool", index, upper);
    return SoundPool[static_cast<std::size_t>(index)];
}

// Starts at CurrentSlot and stays on the slot it finds, so the next play tries
// that slot first. When every voice is busy the game does not wait for one:
// the voice that has sounded longest gives way.
void DX7Sound::findFreeSlot()
{
    const auto playing = [this](int16_t index) {
        const SoundSlot& s = slot(index);
        return s.Buffer && s.Buffer->GetStatus() == SoundBuffer::kPlaying;
    };
    const int16_t count = to16(long(SoundPool.size()), "SoundPool size");
    int16_t oldest = CurrentSlot;
    for (int16_t tried = 0; tried < count; ++tried) {
        if (!playing(CurrentSlot))
            return;
        if (slot(CurrentSlot).startedAs < slot(oldest).startedAs)
            oldest = CurrentSlot;
        CurrentSlot = add16(CurrentSlot, 1, "CurrentSlot + 1");
        if (CurrentSlot >= count)
            CurrentSlot = 0;
    }
    CurrentSlot = oldest;
}

} // namespace hovla
