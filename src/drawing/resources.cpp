#include "drawing/resources.h"

#include "match/checked.h"

#include <cstring>
#include <map>

extern "C" const unsigned char hovla_pack_begin[];
extern "C" const unsigned char hovla_pack_end[];

namespace hovla {

namespace {

// Pack layout: "HVPK", u32 count, then per entry u16 name length, name,
// u32 size, bytes (little endian).
const std::map<std::string, QByteArray>& pack()
{
    static const std::map<std::string, QByteArray> entries = [] {
        std::map<std::string, QByteArray> out;
        const unsigned char* p = hovla_pack_begin;
        const unsigned char* end = hovla_pack_end;
        auto u32 = [&](const unsigned char* q) {
            return uint32_t(q[0]) | uint32_t(q[1]) << 8 | uint32_t(q[2]) << 16 | uint32_t(q[3]) << 24;
        };
        if (end - p < 8 || std::memcmp(p, "HVPK", 4) != 0)
            throw Error("The picture pack is damaged");
        const uint32_t count = u32(p + 4);
        p += 8;
        for (uint32_t i = 0; i < count; ++i) {
            if (end - p < 2)
                throw Error("The picture pack is damaged");
            const int nameLen = p[0] | p[1] << 8;
            p += 2;
            if (end - p < nameLen + 4)
                throw Error("The picture pack is damaged");
            std::string name(reinterpret_cast<const char*>(p), nameLen);
            p += nameLen;
            const uint32_t size = u32(p);
            p += 4;
            if (static_cast<uint32_t>(end - p) < size)
                throw Error("The picture pack is damaged");
            out.emplace(std::move(name),
                        QByteArray::fromRawData(reinterpret_cast<const char*>(p), int(size)));
            p += size;
        }
        return out;
    }();
    return entries;
}

QImage decode(const std::string& name, const char* what)
{
    const QByteArray bytes = packEntry(name);
    QImage image;
    if (bytes.isEmpty() || !image.loadFromData(bytes))
        throw Error(std::string(what) + " not found: " + name);
    return image;
}

} // namespace

QByteArray packEntry(const std::string& name)
{
    const auto& entries = pack();
    const auto it = entries.find(name);
    return it == entries.end() ? QByteArray() : it->second;
}

std::vector<std::string> packEntryNames()
{
    std::vector<std::string> names;
    for (const auto& [name, bytes] : pack())
        names.push_back(name);
    return names;
}

QImage LoadResPicture(int16_t id)
{
    return decode(std::to_string(id), "Resource");
}

QImage LoadBackground(Background which)
{
    static const char* const names[] = {"room1", "room2", "yard"};
    return decode(names[static_cast<int>(which)], "Picture");
}

QImage LoadNamedPicture(const std::string& name)
{
    return decode(name, "Picture");
}

} // namespace hovla
