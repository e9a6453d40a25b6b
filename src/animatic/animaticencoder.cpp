#include "animatic/animaticencoder.h"

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

#include <QImage>
#include <QSize>

extern "C" {
#include <libavutil/opt.h>
}

#include "animatic/animaticframes.h"
#include "animatic/avsupport.h"
#include "animatic/soundtrack.h"
#include "document/projectdocument.h"
#include "model/error.h"
#include "model/filebytes.h"
#include "model/systemtext.h"

namespace sw::animatic {

namespace {

// Frames drawn ahead of the encoder: enough to even out a slow shot change.
constexpr std::size_t kFramesAhead = 4;

[[noreturn]] void ThrowCannotWrite(const std::filesystem::path& file, const std::string& reason)
{
    throw Error("Le fichier « " + file.filename().string() + " » ne peut pas être écrit : " + reason);
}

// A name beside the target that no other write uses; hidden, so that a
// listing of the folder does not show a half-written video.
std::filesystem::path TemporaryFileBeside(const std::filesystem::path& target)
{
    static std::atomic<unsigned> counter{0};
    std::string name = ".";
    name += target.filename().string();
    name += '.';
    name += std::to_string(getpid());
    name += '-';
    name += std::to_string(counter++);
    name += ".part";
    return target.parent_path() / name;
}

// The MP4 being written under its temporary name; removed unless it was
// renamed over the target.
class OutputFile {
public:
    OutputFile(const std::filesystem::path& videoFile, const std::filesystem::path& target)
        : videoFile_(videoFile), target_(target), temporary_(TemporaryFileBeside(target))
    {
        const std::string url = av::FileUrl(temporary_.string());
        AVFormatContext* context = nullptr;
        int result = avformat_alloc_output_context2(&context, nullptr, "mp4", url.c_str());
        context_.reset(context);
        if (result < 0 || !context_)
            throw Error("Cette installation de libavformat n'écrit pas de MP4 (" + av::Reason(result) + ").");
        result = avio_open(&context_->pb, url.c_str(), AVIO_FLAG_WRITE);
        if (result < 0)
            ThrowCannotWrite(videoFile_, av::Reason(result));
        opened_ = true;
    }
    ~OutputFile()
    {
        context_.reset();
        if (opened_ && !committed_) {
            std::error_code ignored;
            std::filesystem::remove(temporary_, ignored);
        }
    }
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    AVFormatContext& Context() { return *context_; }

    // Throws when a write has failed so far (a full disk).
    void CheckWrites() const
    {
        if (context_->pb && context_->pb->error < 0)
            ThrowCannotWrite(videoFile_, av::Reason(context_->pb->error));
    }

    // Closes the file, syncs it to the disk and puts it in the target's place.
    void Commit()
    {
        CheckWrites();
        const int closed = avio_closep(&context_->pb);
        if (closed < 0)
            ThrowCannotWrite(videoFile_, av::Reason(closed));
        const int descriptor = open(temporary_.c_str(), O_RDONLY | O_CLOEXEC);
        if (descriptor < 0 || fsync(descriptor) != 0) {
            const int error = errno;
            if (descriptor >= 0)
                close(descriptor);
            ThrowCannotWrite(videoFile_, FrenchReason(error));
        }
        close(descriptor);
        std::error_code error;
        std::filesystem::rename(temporary_, target_, error);
        if (error)
            ThrowCannotWrite(videoFile_, FrenchReason(error));
        committed_ = true;
        // The rename itself reaches the disk with the folder.
        const int folder = open(target_.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            fsync(folder);
            close(folder);
        }
    }

private:
    std::filesystem::path videoFile_;
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    av::Output context_;
    bool opened_ = false;
    bool committed_ = false;
};

// The frames handed from the drawing thread to the encoding one, a few at a time.
class FrameQueue {
public:
    // Waits for room; false once the encoder has stopped taking frames.
    bool Push(av::Frame frame)
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return closed_ || frames_.size() < kFramesAhead; });
        if (closed_)
            return false;
        frames_.push_back(std::move(frame));
        changed_.notify_all();
        return true;
    }
    // The next frame; null once the drawing has finished and all were taken.
    av::Frame Pop()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return finished_ || !frames_.empty(); });
        if (frames_.empty())
            return nullptr;
        av::Frame frame = std::move(frames_.front());
        frames_.pop_front();
        changed_.notify_all();
        return frame;
    }
    void Finish()
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
        changed_.notify_all();
    }
    void Close()
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<av::Frame> frames_;
    bool finished_ = false;
    bool closed_ = false;
};

// Draws every frame and turns it into YUV on a thread of its own, so that
// drawing the next frame overlaps encoding this one. Stops and joins when
// destroyed, whatever stopped the encoder.
class DrawingThread {
public:
    DrawingThread(AnimaticFrames& frames, QSize size) : frames_(frames), size_(size)
    {
        scaler_.reset(sws_getContext(size.width(), size.height(), AV_PIX_FMT_RGB32, size.width(), size.height(),
                                     AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr));
        if (!scaler_)
            throw std::bad_alloc();
        // BT.709 in the video range, as the stream says.
        sws_setColorspaceDetails(scaler_.get(), sws_getCoefficients(SWS_CS_DEFAULT), 1,
                                 sws_getCoefficients(SWS_CS_ITU709), 0, 0, 1 << 16, 1 << 16);
        thread_ = std::thread([this] { Run(); });
    }
    ~DrawingThread()
    {
        queue_.Close();
        thread_.join();
    }
    DrawingThread(const DrawingThread&) = delete;
    DrawingThread& operator=(const DrawingThread&) = delete;

    // The next frame, null after the last; rethrows what stopped the drawing.
    av::Frame Next()
    {
        av::Frame frame = queue_.Pop();
        if (!frame && failure_)
            std::rethrow_exception(failure_);
        return frame;
    }

private:
    void Run()
    {
        try {
            QImage image(size_, QImage::Format_RGB32);
            av::Frame previous;
            for (std::int64_t index = 0; index < frames_.FrameCount(); ++index) {
                // A still shot's frames are all alike: the previous frame's
                // pictures are handed again, never written to, so they can
                // be shared.
                av::Frame frame(previous && frames_.SameAsPrevious(index, size_) ? av_frame_clone(previous.get())
                                                                                  : Drawn(image, index).release());
                if (!frame)
                    throw std::bad_alloc();
                frame->pts = index;
                previous.reset(av_frame_clone(frame.get()));
                if (!queue_.Push(std::move(frame)))
                    break;
            }
        } catch (...) {
            failure_ = std::current_exception();
        }
        queue_.Finish();
    }

    // The frame drawn into image, then turned into YUV.
    av::Frame Drawn(QImage& image, std::int64_t index)
    {
        frames_.PaintInto(image, index);
        av::Frame frame(av_frame_alloc());
        if (!frame)
            throw std::bad_alloc();
        frame->format = AV_PIX_FMT_YUV420P;
        frame->width = size_.width();
        frame->height = size_.height();
        if (av_frame_get_buffer(frame.get(), 0) < 0)
            throw std::bad_alloc();
        const std::uint8_t* const source[] = {image.constBits()};
        const int stride[] = {static_cast<int>(image.bytesPerLine())};
        sws_scale(scaler_.get(), source, stride, 0, size_.height(), frame->data, frame->linesize);
        return frame;
    }

    AnimaticFrames& frames_;
    QSize size_;
    av::Scaler scaler_;
    FrameQueue queue_;
    std::exception_ptr failure_;
    std::thread thread_;
};

av::CodecContext OpenVideoEncoder(const VideoOptions& options, const AVFormatContext& output)
{
    const AVCodec* x264 = avcodec_find_encoder_by_name("libx264");
    if (!x264)
        throw Error("Cette installation de libavcodec n'a pas d'encodeur H.264 (libx264).");
    av::CodecContext encoder(avcodec_alloc_context3(x264));
    if (!encoder)
        throw std::bad_alloc();
    encoder->width = options.width;
    encoder->height = options.height;
    encoder->pix_fmt = AV_PIX_FMT_YUV420P;
    encoder->time_base = AVRational{1, options.fps};
    encoder->framerate = AVRational{options.fps, 1};
    // A key frame every two seconds, so that a player seeks quickly.
    encoder->gop_size = 2 * options.fps;
    encoder->color_range = AVCOL_RANGE_MPEG;
    encoder->colorspace = AVCOL_SPC_BT709;
    encoder->color_primaries = AVCOL_PRI_BT709;
    encoder->color_trc = AVCOL_TRC_BT709;
    encoder->thread_count = 0;
    if (output.oformat->flags & AVFMT_GLOBALHEADER)
        encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* settings = nullptr;
    av_dict_set(&settings, "preset", "veryfast", 0);
    const int opened = avcodec_open2(encoder.get(), x264, &settings);
    av_dict_free(&settings);
    if (opened < 0)
        throw Error("L'encodeur H.264 ne s'ouvre pas (" + av::Reason(opened) + ").");
    return encoder;
}

void CheckOptions(const VideoOptions& options)
{
    if (!IsAnimaticFps(options.fps))
        throw Error("La vidéo se fait à 24, 25 ou 30 images par seconde, pas à " + std::to_string(options.fps) + ".");
    for (const int side : {options.width, options.height})
        if (side < 64 || side > 4096 || side % 2 != 0)
            throw Error("La taille de la vidéo, " + std::to_string(options.width) + "x" +
                        std::to_string(options.height) + ", doit être de deux nombres pairs de 64 à 4096.");
}

} // namespace

bool EncodeAnimatic(const std::filesystem::path& videoFile, const ProjectDocument& project,
                    const std::filesystem::path& imgDir, const VideoOptions& options, const EncodeProgress& progress,
                    const std::atomic<bool>* cancel)
{
    CheckOptions(options);
    // libav's own log would repeat on stderr what the errors below say in
    // French, and tell the encoder's statistics: the program keeps it quiet.
    av_log_set_level(AV_LOG_QUIET);
    if (project.EventList.Count() == 0)
        throw Error("Le projet n'a aucun plan : il n'y a pas d'animatique à écrire.");
    // The sound is checked before anything is written.
    std::optional<Soundtrack> sound;
    if (!options.audio.empty())
        sound.emplace(options.audio);
    const auto cancelled = [cancel] { return cancel && cancel->load(); };

    AnimaticFrames frames(project.EventList, imgDir, ReadAnimaticSettings(project), options.fps,
                          AnimaticLook{options.captions, false, false});
    const std::int64_t total = frames.FrameCount();
    // A link to the video is followed: the file it names is replaced.
    const std::filesystem::path target = FinalTarget(videoFile);
    std::error_code error;
    if (std::filesystem::is_directory(target, error))
        ThrowCannotWrite(videoFile, FrenchReason(EISDIR));

    OutputFile output(videoFile, target);
    AVFormatContext& muxer = output.Context();
    av::CodecContext video = OpenVideoEncoder(options, muxer);
    AVStream* videoStream = avformat_new_stream(&muxer, nullptr);
    if (!videoStream)
        throw std::bad_alloc();
    videoStream->time_base = video->time_base;
    videoStream->avg_frame_rate = AVRational{options.fps, 1};
    videoStream->r_frame_rate = AVRational{options.fps, 1};
    if (avcodec_parameters_from_context(videoStream->codecpar, video.get()) < 0)
        throw std::bad_alloc();
    if (sound)
        sound->AddStream(muxer);
    AVDictionary* muxing = nullptr;
    // The index goes to the front, so that the video plays while it downloads.
    av_dict_set(&muxing, "movflags", "+faststart", 0);
    const int header = avformat_write_header(&muxer, &muxing);
    av_dict_free(&muxing);
    if (header < 0)
        ThrowCannotWrite(videoFile, av::Reason(header));

    const auto write = [&](AVPacket& packet, const AVCodecContext& encoder, const AVStream& stream) {
        av_packet_rescale_ts(&packet, encoder.time_base, stream.time_base);
        packet.stream_index = stream.index;
        const int written = av_interleaved_write_frame(&muxer, &packet);
        if (written < 0)
            ThrowCannotWrite(videoFile, av::Reason(written));
    };
    const auto writeSound = [&](AVPacket& packet) { write(packet, sound->Encoder(), *sound->Stream()); };
    av::Packet packet(av_packet_alloc());
    if (!packet)
        throw std::bad_alloc();
    const auto drainVideo = [&] {
        while (avcodec_receive_packet(video.get(), packet.get()) == 0) {
            write(*packet, *video, *videoStream);
            av_packet_unref(packet.get());
        }
    };
    const auto soundSamples = [&](std::int64_t frame) {
        return (frame * sound->SampleRate() + options.fps / 2) / options.fps;
    };

    {
        DrawingThread drawing(frames, QSize(options.width, options.height));
        std::int64_t done = 0;
        while (av::Frame frame = drawing.Next()) {
            if (cancelled())
                return false;
            const int sent = avcodec_send_frame(video.get(), frame.get());
            if (sent < 0)
                throw Error("L'encodage de la vidéo a échoué (" + av::Reason(sent) + ").");
            drainVideo();
            ++done;
            if (sound)
                sound->EncodeUntil(soundSamples(done), writeSound);
            output.CheckWrites();
            if (progress)
                progress(done, total);
        }
        if (cancelled())
            return false;
    }
    avcodec_send_frame(video.get(), nullptr);
    drainVideo();
    if (sound)
        sound->Finish(soundSamples(total), writeSound);
    const int trailer = av_write_trailer(&muxer);
    if (trailer < 0)
        ThrowCannotWrite(videoFile, av::Reason(trailer));
    output.Commit();
    return true;
}

} // namespace sw::animatic
