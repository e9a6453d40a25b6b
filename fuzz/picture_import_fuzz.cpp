// Whatever bytes a file holds, importing it either refuses it with a message
// and writes nothing, or writes one plain-named picture in the image folder
// that reads back within the size asked; a JPEG kept byte for byte is whole.
// Shown in a box, the file gives nothing or a picture that fits the box.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <QGuiApplication>
#include <QtGlobal>
#include <QImageReader>

#include "fuzzsupport.h"
#include "model/error.h"
#include "model/pictureimport.h"
#include "model/picturename.h"
#include "pictures/picturefiles.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Scratch()
{
    static const fs::path folder = fuzzsupport::MakeScratchFolder("shotweave-picture-import-fuzz");
    return folder;
}

void Require(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    // The image readers' complaints about broken files are expected here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const fs::path source = Scratch() / "Photo du décor.png";
    const fs::path img = Scratch() / "img";
    fs::remove_all(img);
    {
        std::ofstream out(source, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const int maxSide = 40 + static_cast<int>(size % 3) * 60;

    std::string name;
    try {
        name = sw::ImportPicture(source, img, maxSide);
    } catch (const sw::Error& error) {
        // Refused: told, and nothing written.
        Require(std::string_view(error.what()).find("Photo du décor.png") != std::string_view::npos);
        Require(!fs::exists(img) || fs::is_empty(img));
        return 0;
    }
    Require(sw::IsPlainPictureName(name) && sw::IsPictureFileName(name));
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(img)) {
        Require(entry.is_regular_file() && entry.path().filename() == name);
        ++files;
    }
    Require(files == 1);
    const std::string copy = fuzzsupport::ReadAll(img / name);
    QImageReader reader(QString::fromStdString((img / name).string()));
    const QSize stored = reader.size();
    Require(stored.isValid() && static_cast<std::int64_t>(stored.width()) * stored.height() <= sw::kMaxPicturePixels);
    if (copy == bytes) {
        // Kept as it was: a whole JPEG that needed no change.
        Require(sw::JpegIsComplete(copy));
        Require(std::max(stored.width(), stored.height()) <= maxSide);
    } else {
        // Made again: a JPEG read back within the size asked.
        Require(reader.format() == "jpeg");
        Require(std::max(stored.width(), stored.height()) <= maxSide);
        Require(!reader.read().isNull());
    }

    const QImage shown = sw::LoadPictureForBox(source, QSize(50, 40));
    Require(shown.isNull() || (shown.width() <= 50 && shown.height() <= 40));
    return 0;
}
