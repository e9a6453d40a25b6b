#pragma once

#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

#include <QImage>
#include <QSize>

namespace sw::printout {

// A picture the plan draws: its file and the box, in pixels, it is decoded for.
struct PictureRequest {
    std::filesystem::path file;
    QSize box;
    friend bool operator==(const PictureRequest&, const PictureRequest&) = default;
};

// Decodes the plan's pictures ahead of the drawing, on threads of its own, in
// the order the counting pass met them: decoding is most of the work of a
// plan with photographs, and it then runs beside the drawing, on every core.
// At most window pictures are decoded ahead of the drawing, so memory stays
// bounded.
//
// A picture that recurs (the same file, unchanged, for the same box) is
// decoded once and the same image given each time, until its last use: a
// PDF then holds it once, however many shots show it.
class PictureQueue {
public:
    explicit PictureQueue(std::vector<PictureRequest> requests, std::size_t window = 8);
    PictureQueue(const PictureQueue&) = delete;
    PictureQueue& operator=(const PictureQueue&) = delete;
    ~PictureQueue();

    // The picture for the request, null when it cannot be read. A request out
    // of the counted order is decoded on the spot.
    QImage Take(const PictureRequest& request);

private:
    void DecodeAhead();

    const std::vector<PictureRequest> requests_;
    const std::size_t window_;
    // The distinct pictures, in the order of their first use: the request
    // each was first met as, and the last request that uses it.
    std::vector<std::size_t> firstRequest_;
    std::vector<std::size_t> lastRequest_;
    std::vector<std::size_t> pictureOf_;  // for each request, its distinct picture
    std::vector<QImage> decoded_;
    std::vector<bool> ready_;
    std::size_t taken_ = 0;
    std::size_t frontier_ = 0;  // the distinct pictures the drawing has reached
    std::size_t claimed_ = 0;
    bool stopping_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::thread> workers_;
};

} // namespace sw::printout
