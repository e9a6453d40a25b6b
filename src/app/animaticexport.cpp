#include "app/animaticexport.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <exception>
#include <thread>

#include <QCoreApplication>
#include <QEventLoop>

#include "animatic/animaticencoder.h"
#include "document/projectdocument.h"
#include "model/filebytes.h"
#include "timeline/animaticsettings.h"

namespace sw {

VideoOptions EditorVideoOptions(const ProjectDocument& project, std::string* missingSound)
{
    const AnimaticSettings settings = ReadAnimaticSettings(project);
    VideoOptions options;
    options.fps = settings.fps;
    if (!settings.soundtrack.empty()) {
        const std::filesystem::path soundtrack(settings.soundtrack);
        if (IsRegularFile(soundtrack))
            options.audio = soundtrack;
        else if (missingSound)
            *missingSound = settings.soundtrack;
    }
    return options;
}

bool EncodeAnimaticWithProgress(const std::filesystem::path& videoFile, const ProjectDocument& project,
                                const std::filesystem::path& imgDir, const VideoOptions& options,
                                const ProgressStep& step)
{
    std::atomic<std::int64_t> done{0};
    std::atomic<std::int64_t> total{0};
    std::atomic<bool> cancel{false};
    std::atomic<bool> finished{false};
    std::exception_ptr failure;
    bool written = false;
    // The worker has its own copy: nothing it reads changes under it.
    std::thread worker([&, copy = project] {
        try {
            written = animatic::EncodeAnimatic(
                videoFile, copy, imgDir, options,
                [&](std::int64_t framesDone, std::int64_t frames) {
                    total = frames;
                    done = framesDone;
                },
                &cancel);
        } catch (...) {
            failure = std::current_exception();
        }
        finished = true;
    });
    while (!finished) {
        const auto frames = static_cast<int>(std::max<std::int64_t>(total, 1));
        if (!cancel && !step(static_cast<int>(done.load()), frames))
            cancel = true;
        // The progress box takes the user's clicks between steps too, should
        // a frame take long (a large picture being decoded).
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
    }
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
    // A video finished before the stop reached the encoder is there: it is told.
    return written;
}

} // namespace sw
