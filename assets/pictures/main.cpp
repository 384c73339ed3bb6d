// hovla-assets OUTDIR      writes every numbered bitmap as OUTDIR/<id>.bmp,
//                          the rooms and the yard, the buttons and the icon
// hovla-assets --pack FILE writes the same pictures as the pack the game carries
#include "art.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <map>

namespace {

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Every picture by its file name, in a fixed order.
std::map<std::string, QByteArray> allPictures()
{
    std::map<std::string, QByteArray> files;
    for (const art::Bitmap& b : art::spritePictures())
        files[b.name + ".bmp"] = art::encodeBmp(b.image, b.depth);
    files["room1.bmp"] = art::encodeBmp(art::roomPicture(0), 24);
    files["room2.bmp"] = art::encodeBmp(art::roomPicture(1), 24);
    files["yard.bmp"] = art::encodeBmp(art::yardPicture(), 24);
    files["start_button.png"] = png(art::startButton());
    files["quit_button.png"] = png(art::quitButton());
    files["icon.png"] = png(art::iconPicture(32));
    files["icon48.png"] = png(art::iconPicture(48));
    files["icon128.png"] = png(art::iconPicture(128));
    return files;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "hovla-assets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray pack(const std::map<std::string, QByteArray>& files)
{
    QByteArray out("HVPK");
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.append(char((v >> (8 * i)) & 0xFF));
    };
    put32(uint32_t(files.size()));
    for (const auto& [file, bytes] : files) {
        const std::string name = file.substr(0, file.rfind('.'));  // "101", "room1", "icon"
        out.append(char(name.size() & 0xFF));
        out.append(char(name.size() >> 8));
        out.append(name.data(), qsizetype(name.size()));
        put32(uint32_t(bytes.size()));
        out.append(bytes);
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // text on the buttons needs the fonts

    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "--pack") {
        return writeFile(args[2], pack(allPictures())) ? 0 : 1;
    }
    if (args.size() == 2 && !args[1].startsWith("-")) {
        QDir dir(args[1]);
        if (!dir.mkpath(".")) {
            std::fprintf(stderr, "hovla-assets: cannot make %s\n", qPrintable(args[1]));
            return 1;
        }
        for (const auto& [file, bytes] : allPictures()) {
            if (!writeFile(dir.filePath(QString::fromStdString(file)), bytes))
                return 1;
        }
        return 0;
    }
    std::fprintf(stderr, "usage: hovla-assets OUTDIR | --pack FILE\n");
    return 2;
}
