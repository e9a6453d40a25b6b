#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

#include <benchmark/benchmark.h>

#include "model/filebytes.h"
#include "pictures/picturefiles.h"

namespace sw {
namespace {

constexpr int kPhotoWidth = 4000;
constexpr int kPhotoHeight = 3000;
constexpr int kMaxSide = 1600;
const QSize kShotBox(152, 113);

// A scratch folder of the benchmark's own, removed with its content.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "shotweave-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("no temporary folder: " + pattern);
        path_ = pattern;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A 12-megapixel photo as a phone gives it: gradients under fine noise, so
// that the JPEG is as large and as slow to decode as a real one.
QImage PhotoLikePicture()
{
    QImage picture(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
    std::uint32_t noise = 12345;
    for (int y = 0; y < kPhotoHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < kPhotoWidth; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = static_cast<int>(noise >> 27) - 16;
            const int red = 255 * x / kPhotoWidth + grain;
            const int green = 255 * y / kPhotoHeight + grain;
            const int blue = 128 + grain;
            line[x] = qRgb(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
        }
    }
    return picture;
}

std::string PhotoJpeg()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(92);
    if (!writer.write(PhotoLikePicture()))
        throw std::runtime_error("the photo cannot be encoded");
    return bytes.toStdString();
}

// The photo, written once for all the benchmarks of the run.
const std::filesystem::path& PhotoFile(const ScratchFolder& folder)
{
    static const std::filesystem::path file = [&] {
        const std::filesystem::path photo = folder.Path() / "IMG_20240501_183012.jpg";
        WriteFileAtomically(photo, PhotoJpeg(), LinkPolicy::WriteThroughLink);
        return photo;
    }();
    return file;
}

ScratchFolder& Scratch()
{
    static ScratchFolder folder;
    return folder;
}

void ImportTwelveMegapixelPhoto(benchmark::State& state)
{
    const std::filesystem::path& photo = PhotoFile(Scratch());
    const std::filesystem::path imgDir = Scratch().Path() / "img";
    for (auto _ : state) {
        const std::string name = ImportPicture(photo, imgDir, kMaxSide);
        state.PauseTiming();
        std::filesystem::remove(imgDir / name);
        state.ResumeTiming();
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(photo));
}
BENCHMARK(ImportTwelveMegapixelPhoto)->Unit(benchmark::kMillisecond);

void LoadTwelveMegapixelPhotoForShotBox(benchmark::State& state)
{
    const std::filesystem::path& photo = PhotoFile(Scratch());
    for (auto _ : state) {
        QImage shown = LoadPictureForBox(photo, kShotBox);
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(LoadTwelveMegapixelPhotoForShotBox)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace sw
