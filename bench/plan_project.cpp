// Writes a project for the printed-plan benchmark: FOLDER/plan.vid with SHOTS
// shots (the benchmarks' several-line texts), each with its own start picture
// of 1600 x 1200 in the image folder of its site; with SHARED, the shots name
// SHARED pictures in turn instead, as a plan that reuses its pictures does.
//   plan_project SHOTS FOLDER [SHARED]
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "bench/benchproject.h"
#include "document/projectfile.h"
#include "publish/varutil.h"

namespace {

// A photograph-like picture: gradients and bands, which JPEG cannot squeeze
// to nothing.
QImage Photo(int seed)
{
    QImage picture(1600, 1200, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 1600, 1200);
    sky.setColorAt(0, QColor::fromHsv(seed * 37 % 360, 160, 230));
    sky.setColorAt(1, QColor::fromHsv((seed * 37 + 120) % 360, 200, 90));
    painter.fillRect(picture.rect(), sky);
    for (int band = 0; band < 40; ++band)
        painter.fillRect((band * 97 + seed) % 1500, band * 30, 60 + band * 7, 18,
                         QColor::fromHsv((band * 23 + seed) % 360, 180, 200));
    painter.end();
    return picture;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: plan_project SHOTS FOLDER [SHARED]\n";
        return 2;
    }
    const int shared = argc == 4 ? std::atoi(argv[3]) : 0;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const int shots = std::atoi(argv[1]);
    const std::filesystem::path folder = argv[2];
    const std::filesystem::path file = folder / "plan.vid";
    const std::filesystem::path imgDir = sw::ImageFolderOf(sw::SiteFolderOf(file));
    std::filesystem::create_directories(imgDir);

    sw::ProjectDocument project = sw::bench::MakeProject(shots);
    // A few different pictures, copied under every shot's own name: the
    // drawing reads and embeds each file on its own.
    const int distinct = shared > 0 ? shared : 8;
    for (int seed = 0; seed < distinct; ++seed)
        Photo(seed).save(QString::fromStdString((imgDir / ("photo" + std::to_string(seed) + ".jpg")).string()),
                         "JPG", 85);
    for (int i = 0; i < shots; ++i) {
        const std::string photo = "photo" + std::to_string(i % distinct) + ".jpg";
        if (shared > 0) {
            project.EventList.Event(i).cam.startImage = photo;
            continue;
        }
        const std::string name = "plan" + std::to_string(i) + ".jpg";
        std::filesystem::copy_file(imgDir / photo, imgDir / name, std::filesystem::copy_options::overwrite_existing);
        project.EventList.Event(i).cam.startImage = name;
    }
    sw::SaveProject(project, file);
    std::cout << file.string() << "\n";
    return 0;
}
