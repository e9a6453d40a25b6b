#include "printout/picturequeue.h"

#include <gtest/gtest.h>

#include "printouttestkit.h"

namespace sw::printout::test {
namespace {

class PictureQueueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int n = 0; n < 5; ++n) {
            files_.push_back(scratch_.Path() / ("p" + std::to_string(n) + ".jpg"));
            // Each picture its own proportions, so that a mix-up shows.
            WritePicture(files_.back(), 400 + 100 * n, 300, n);
        }
    }

    ScratchFolder scratch_;
    std::vector<fs::path> files_;
};

TEST_F(PictureQueueTest, PicturesComeInTheCountedOrderEachItsOwn)
{
    std::vector<PictureRequest> requests;
    for (int round = 0; round < 3; ++round)
        for (const fs::path& file : files_)
            requests.push_back({file, QSize(200, 200)});
    PictureQueue queue(requests, 2);
    for (const PictureRequest& request : requests) {
        const QImage picture = queue.Take(request);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.width(), 200);
        EXPECT_EQ(picture.height(), 200 * 300 / QImage(QString::fromStdString(request.file.string())).width())
            << request.file;
    }
}

TEST_F(PictureQueueTest, ARequestOutOfOrderIsDecodedOnTheSpotAndAMissingFileGivesNothing)
{
    PictureQueue queue({{files_[0], QSize(100, 100)}, {files_[1], QSize(100, 100)}});
    const QImage other = queue.Take({files_[4], QSize(80, 80)});
    EXPECT_EQ(other.size(), QSize(80, 30));
    EXPECT_TRUE(queue.Take({scratch_.Path() / "absente.jpg", QSize(80, 80)}).isNull());
    EXPECT_EQ(queue.Take({files_[0], QSize(100, 100)}).size(), QSize(100, 75));
}

TEST_F(PictureQueueTest, AQueueLeftUntakenStopsCleanly)
{
    std::vector<PictureRequest> requests(50, PictureRequest{files_[2], QSize(300, 300)});
    PictureQueue queue(requests, 3);
    EXPECT_FALSE(queue.Take(requests.front()).isNull());
}

} // namespace
} // namespace sw::printout::test
