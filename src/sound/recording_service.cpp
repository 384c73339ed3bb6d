#include "sound/recording_service.h"

#include <filesystem>
#include <fstream>

namespace hovla {

namespace {

// The length of a PCM wave file from its header: the data size over the byte rate.
double waveSeconds(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw SoundError("No such file or directory");
    char header[44];
    if (!in.read(header, sizeof header) || std::string(header, 4) != "RIFF")
        throw SoundError("Not a wave file");
    auto u32 = [&](int at) {
        return uint32_t(uint8_t(header[at])) | uint32_t(uint8_t(header[at + 1])) << 8
               | uint32_t(uint8_t(header[at + 2])) << 16 | uint32_t(uint8_t(header[at + 3])) << 24;
    };
    const uint32_t byteRate = u32(28);
    return byteRate ? double(u32(40)) / byteRate : 0.0;
}

// "#1", "#2", ...
std::string numbered(int n)
{
    std::string id = "#";
    id += std::to_string(n);
    return id;
}

struct SilentBuffer : SoundBuffer {
    int32_t GetStatus() override { return 0; }
    void SetPan(int32_t) override {}
    void SetVolume(int32_t) override {}
    void Play(uint8_t) override {}
    double Seconds() const override { return 0; }
};

} // namespace

RecordingSoundService::Buffer::Buffer(RecordingSoundService& service, std::string f, double seconds)
    : id(numbered(++service.made)), file(std::move(f)), service_(service), seconds_(seconds)
{
}

int32_t RecordingSoundService::Buffer::GetStatus()
{
    ++service_.polls;
    if (service_.onStatus)
        service_.onStatus();
    if (playing && service_.clock && service_.clock() >= startedAt_ + seconds_)
        playing = false;
    return playing ? kPlaying : 0;
}

void RecordingSoundService::Buffer::SetPan(int32_t pan)
{
    service_.log.push_back(id + " SetPan " + std::to_string(pan));
}

void RecordingSoundService::Buffer::SetVolume(int32_t volume)
{
    service_.log.push_back(id + " SetVolume " + std::to_string(volume));
}

void RecordingSoundService::Buffer::Play(uint8_t flags)
{
    service_.log.push_back(id + " Play " + std::to_string(flags));
    if (!service_.playFails.empty())
        throw SoundError(service_.playFails);
    playing = true;
    if (service_.clock)
        startedAt_ = service_.clock();
}

void RecordingSoundService::CreateRoot()
{
    log.push_back("CreateRoot");
}

void RecordingSoundService::CreateDevice(const std::string& device)
{
    log.push_back("CreateDevice '" + device + "'");
    if (!noDevice.empty())
        throw SoundError(noDevice);
}

void RecordingSoundService::SetCooperativeLevel(WindowHandle window, int32_t level)
{
    log.push_back("SetCooperativeLevel " + std::to_string(window) + " " + std::to_string(level));
}

std::unique_ptr<SoundBuffer> RecordingSoundService::CreateBufferFromFile(const std::string& path)
{
    const std::string file = std::filesystem::path(path).filename().string();
    if (file == missing)
        throw SoundError("File not found");
    const double seconds = readFiles ? waveSeconds(path) : 1.0;
    auto buffer = std::make_unique<Buffer>(*this, file, seconds);
    log.push_back(buffer->id + " from " + path);
    return buffer;
}

std::unique_ptr<SoundBuffer> NullSoundService::CreateBufferFromFile(const std::string&)
{
    return std::make_unique<SilentBuffer>();
}

} // namespace hovla
