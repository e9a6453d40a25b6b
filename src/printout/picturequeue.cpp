#include "printout/picturequeue.h"

#include <algorithm>

#include "pictures/picturefiles.h"

namespace sw::printout {

PictureQueue::PictureQueue(std::vector<PictureRequest> requests, std::size_t window)
    : requests_(std::move(requests)), window_(std::max<std::size_t>(1, window)), decoded_(requests_.size()),
      ready_(requests_.size(), false)
{
    const std::size_t threads =
        std::min<std::size_t>(requests_.size(), std::max(1u, std::thread::hardware_concurrency()));
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
    changed_.wait(lock, [this] { return ready_[taken_]; });
    QImage picture = std::move(decoded_[taken_]);
    ++taken_;
    lock.unlock();
    changed_.notify_all();
    return picture;
}

void PictureQueue::DecodeAhead()
{
    for (;;) {
        std::size_t index = 0;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return stopping_ || claimed_ < taken_ + window_; });
            if (stopping_ || claimed_ == requests_.size())
                return;
            index = claimed_++;
        }
        const PictureRequest& request = requests_[index];
        QImage picture = request.file.empty() ? QImage() : LoadPictureForBox(request.file, request.box);
        {
            std::lock_guard lock(mutex_);
            decoded_[index] = std::move(picture);
            ready_[index] = true;
        }
        changed_.notify_all();
    }
}

} // namespace sw::printout
