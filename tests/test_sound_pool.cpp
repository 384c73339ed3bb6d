// The sound pool on a recording sound service: which slot each play takes,
// what volume and pan reach the buffers, and what happens when a file or the
// device is missing.
#include "fakes.h"
#include "sound/dx7sound.h"
#include "sound/recording_service.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace hovla {
namespace {

struct CountingSettings : PlainSoundSettings {
    int volume() override { ++reads; return Volume; }
    int reads = 0;
};

class SoundPoolTest : public ::testing::Test {
protected:
    SoundPoolTest()
    {
        pool.onPlay([this](const std::string& file, int16_t slot) { plays.emplace_back(file, slot); });
    }

    // The main window's load: device, folder, eleven slots, and the welcome.
    void startUp()
    {
        pool.InitDirectSound(42);
        pool.SetSoundFolder("/game/Audio");
        pool.LoadSoundPool(10, "WELCOME.wav");
        pool.PlaySoundFile("WELCOME.wav");
    }
    // Buffers play until the test stops them; every call lands in one log.
    RecordingSoundService::Buffer& buffer(int slot)
    {
        return static_cast<RecordingSoundService::Buffer&>(*pool.SoundPool.at(slot).Buffer);
    }
    int16_t play(const std::string& file)
    {
        pool.PlaySoundFile(file);
        return pool.CurrentSlot;
    }

    RecordingSoundService service;
    CountingSettings settings;
    test::RecordingMessages messages;
    DX7Sound pool{service, settings, messages};
    std::vector<std::pair<std::string, int16_t>> plays;
    const std::string folder = "/game/Audio" + std::string(1, std::filesystem::path::preferred_separator);
};

TEST_F(SoundPoolTest, StartUpFillsElevenSlotsAtMinus3000AndWelcomesOnSlot0)
{
    startUp();
    std::vector<std::string> expected = {"CreateRoot", "CreateDevice ''", "SetCooperativeLevel 42 2"};
    for (int n = 1; n <= 11; ++n)
        expected.insert(expected.end(), {"#" + std::to_string(n) + " from " + folder + "WELCOME.wav",
                                         "#" + std::to_string(n) + " SetVolume -3000"});
    // The welcome: a fresh buffer on slot 0 at volume 80, centre pan.
    expected.insert(expected.end(),
                    {"#12 from " + folder + "WELCOME.wav", "#12 SetVolume -1200", "#12 Play 0"});
    EXPECT_EQ(service.log, expected);
    EXPECT_EQ(pool.SoundPool.size(), 11u);
    EXPECT_EQ(plays, (decltype(plays){{"WELCOME.wav", 0}}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SoundPoolTest, SearchStartsAtCurrentSlotStaysThereAndWrapsToZero)
{
    startUp();
    buffer(0).playing = false;
    EXPECT_EQ(play("kiuas.wav"), 0);  // the welcome has finished: slot 0 again
    EXPECT_EQ(play("ulos1.wav"), 1);  // slot 0 still hisses
    buffer(0).playing = buffer(1).playing = false;
    EXPECT_EQ(play("kiuas.wav"), 1);  // tried first, not skipped
    for (int n = 2; n <= 10; ++n)
        EXPECT_EQ(play("kiuas.wav"), n);
    buffer(0).playing = false;
    EXPECT_EQ(play("ulos1.wav"), 0);  // from 10 on to 0
}

TEST_F(SoundPoolTest, WithEveryVoiceBusyTheOldestGivesWayAtOnce)
{
    startUp();
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(play("kiuas.wav"), n);
    // Eleven voices sound; the welcome on slot 0 started first.
    service.polls = 0;
    EXPECT_EQ(play("ulos1.wav"), 0);
    EXPECT_LE(service.polls, 11);
    EXPECT_EQ(buffer(0).file, "ulos1.wav");
    EXPECT_TRUE(buffer(0).playing);
    EXPECT_EQ(play("ulos1.wav"), 1);  // now slot 1 has sounded longest
    // A free voice is still found from CurrentSlot on, before any gives way.
    buffer(5).playing = false;
    EXPECT_EQ(play("kiuas.wav"), 5);
}

TEST_F(SoundPoolTest, AFloodOfSoundsNeverWaits)
{
    startUp();
    service.polls = 0;
    for (int n = 1; n <= 40; ++n)
        pool.PlaySoundFile(n % 2 ? "kiuas.wav" : "ulos1.wav");
    EXPECT_LE(service.polls, 40 * 11);
    EXPECT_EQ(plays.size(), 41u);
    // Round and round the pool, each voice taken over in turn.
    for (int n = 1; n <= 40; ++n)
        EXPECT_EQ(plays[n].second, n % 11) << "play " << n;
}

TEST_F(SoundPoolTest, SettingsBecomeDevicePanAndVolume)
{
    startUp();
    // The calls on the fresh buffer between its creation and its Play.
    const auto callsOnPlay = [this](int volume, int pan) {
        settings.Volume = volume;
        settings.Pan = pan;
        buffer(pool.CurrentSlot).playing = false;
        const std::size_t from = service.log.size() + 1;
        pool.PlaySoundFile("kiuas.wav");
        EXPECT_EQ(service.log.back(), "#" + std::to_string(service.made) + " Play 0");
        std::string calls;
        for (std::size_t i = from; i + 1 < service.log.size(); ++i)
            calls += service.log[i].substr(service.log[i].find(' ') + 1) + "; ";
        return calls;
    };
    const std::pair<int, const char*> pans[] = {{0, "SetPan -10000; "}, {1, "SetPan -4900; "},
                                                {25, "SetPan -2500; "}, {50, ""}, {75, "SetPan 2500; "},
                                                {99, "SetPan 4900; "}, {100, "SetPan 10000; "}};
    for (auto [pan, calls] : pans)
        EXPECT_EQ(callsOnPlay(100, pan), calls) << "pan " << pan;
    const std::pair<int, const char*> volumes[] = {{0, "SetVolume -6000; "}, {1, "SetVolume -5940; "},
                                                   {50, "SetVolume -3000; "}, {80, "SetVolume -1200; "},
                                                   {99, "SetVolume -60; "}, {100, ""}};
    for (auto [volume, calls] : volumes)
        EXPECT_EQ(callsOnPlay(volume, 50), calls) << "volume " << volume;
    EXPECT_EQ(callsOnPlay(80, 0), "SetPan -10000; SetVolume -1200; ");  // pan first
}

TEST_F(SoundPoolTest, MissingFileIsToldOnceAndNothingPlaysInItsPlace)
{
    service.missing = "kiuas.wav";
    startUp();
    const auto* welcome = &buffer(0);
    for (int throwNo = 1; throwNo <= 3; ++throwNo) {
        buffer(0).playing = false;
        EXPECT_EQ(play("kiuas.wav"), 0);
        EXPECT_EQ(&buffer(0), welcome);  // the slot keeps what it had
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "File not found | " + folder + "kiuas.wav");
    EXPECT_EQ(messages.shown[0].caption, "Hovla");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(service.log.back(), "#12 Play 0");  // the welcome, and nothing since
    EXPECT_EQ(plays, (decltype(plays){{"WELCOME.wav", 0}}));
    EXPECT_EQ(play("ulos1.wav"), 0);  // other files still play
    EXPECT_EQ(plays.back(), std::make_pair(std::string("ulos1.wav"), int16_t(0)));
}

TEST_F(SoundPoolTest, SlotThatNeverLoadedIsNeverPlayed)
{
    service.missing = "WELCOME.wav";
    startUp();
    EXPECT_EQ(messages.shown.size(), 1u);  // eleven slots and the welcome, told once
    EXPECT_TRUE(plays.empty());
    EXPECT_EQ(play("kiuas.wav"), 0);
    EXPECT_EQ(plays, (decltype(plays){{"kiuas.wav", 0}}));
}

TEST_F(SoundPoolTest, MutedPlaysNothingButStillReadsTheSettings)
{
    startUp();
    settings.Muted = true;
    const auto calls = service.log.size();
    pool.PlaySoundFile("kiuas.wav");
    EXPECT_EQ(service.log.size(), calls);
    EXPECT_EQ(settings.reads, 2);
    settings.Muted = false;
    EXPECT_EQ(play("kiuas.wav"), 1);
}

TEST_F(SoundPoolTest, WithoutADeviceTheGameSaysSoOnceAndGoesOnSilent)
{
    service.noDevice = "Couldn't open audio device";
    startUp();
    pool.PlaySoundFile("kiuas.wav");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Couldn't open audio device");
    EXPECT_EQ(messages.shown[0].caption, "Hovla");
    EXPECT_EQ(service.log, (std::vector<std::string>{"CreateRoot", "CreateDevice ''"}));
    EXPECT_EQ(settings.reads, 2);
    EXPECT_TRUE(pool.silent());
    EXPECT_TRUE(plays.empty());
}

TEST_F(SoundPoolTest, OtherFailuresAreFatalErrors)
{
    startUp();
    buffer(0).playing = false;
    service.playFails = "Play failed";
    try {
        pool.PlaySoundFile("kiuas.wav");
        ADD_FAILURE() << "a failed play went unnoticed";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Play failed");
    }
    EXPECT_TRUE(messages.shown.empty());  // not the pool's to show
    service.playFails.clear();
    settings.Volume = 300;
    EXPECT_THROW(pool.PlaySoundFile("kiuas.wav"), Error);
    EXPECT_THROW(pool.LoadBuffer(11, "kiuas.wav"), Error);
}

} // namespace
} // namespace hovla
