#include "printout/picturequeue.h"

#include <algorithm>
#include <compare>
#include <cstdint>
#include <map>
#include <system_error>

#include "pictures/picturefiles.h"

namespace sw::printout {

namespace {

// What makes two requests the same picture: the file, its time and size (an
// unchanged file), and the box it is decoded for.
struct PictureKey {
    std::filesystem::path file;
    std::filesystem::file_time_type time;
    std::uintmax_t size = 0;
    int width = 0;
    int height = 0;
    friend auto operator<=>(const PictureKey&, const PictureKey&) = default;
};

PictureKey KeyOf(const PictureRequest& request)
{
    std::error_code error;
    PictureKey key{request.file, std::filesystem::last_write_time(request.file, error), 0, request.box.width(),
                   request.box.height()};
    key.size = std::filesystem::file_size(request.file, error);
    if (error)
        key.size = 0;
    return key;
}

} // namespace

PictureQueue::PictureQueue(std::vector<PictureRequest> requests, std::size_t window)
    : requests_(std::move(requests)), window_(std::max<std::size_t>(1, window)), pictureOf_(requests_.size())
{
    std::map<PictureKey, std::size_t> pictures;
    for (std::size_t index = 0; index < requests_.size(); ++index) {
        const auto [found, added] = pictures.try_emplace(KeyOf(requests_[index]), firstRequest_.size());
        if (added) {
            firstRequest_.push_back(index);
            lastRequest_.push_back(index);
        }
        pictureOf_[index] = found->second;
        lastRequest_[found->second] = index;
    }
    decoded_.resize(firstRequest_.size());
    ready_.assign(firstRequest_.size(), false);
    const std::size_t threads =
        std::min<std::size_t>(firstRequest_.size(), std::max(1u, std::thread::hardware_concurrency()));
    for (std::size_t n = 0; n < threads; ++n)
        workers_.emplace_back([this] { DecodeAhead(); });
}

PictureQueue::~PictureQueue()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
}

QImage PictureQueue::Take(const PictureRequest& request)
{
    std::unique_lock lock(mutex_);
    if (taken_ >= requests_.size() || !(requests_[taken_] == request)) {
        lock.unlock();
        return LoadPictureForBox(request.file, request.box);
    }
    const std::size_t picture = pictureOf_[taken_];
    frontier_ = std::max(frontier_, picture + 1);
    changed_.notify_all();
    changed_.wait(lock, [this, picture] { return ready_[picture]; });
    // The same image each time, so that a PDF embeds it once; let go after
    // its last use.
    QImage image = decoded_[picture];
    if (lastRequest_[picture] == taken_)
        decoded_[picture] = QImage();
    ++taken_;
    lock.unlock();
    changed_.notify_all();
    return image;
}

void PictureQueue::DecodeAhead()
{
    for (;;) {
        std::size_t picture = 0;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return stopping_ || claimed_ < frontier_ + window_; });
            if (stopping_ || claimed_ == firstRequest_.size())
                return;
            picture = claimed_++;
        }
        const PictureRequest& request = requests_[firstRequest_[picture]];
        QImage image = request.file.empty() ? QImage() : LoadPictureForBox(request.file, request.box);
        {
            std::lock_guard lock(mutex_);
            decoded_[picture] = std::move(image);
            ready_[picture] = true;
        }
        changed_.notify_all();
    }
}

} // namespace sw::printout
