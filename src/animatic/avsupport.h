#pragma once

#include <memory>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
#include <libavutil/audio_fifo.h>
}

// Owners of libav's objects, each freed by its own function, so that an
// error thrown halfway through leaks nothing.
namespace sw::animatic::av {

struct CodecContextFree {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameFree {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct InputClose {
    void operator()(AVFormatContext* input) const { avformat_close_input(&input); }
};
// An output's file is closed before the output is freed.
struct OutputClose {
    void operator()(AVFormatContext* output) const
    {
        avio_closep(&output->pb);
        avformat_free_context(output);
    }
};
struct SwsFree {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};
struct SwrFree {
    void operator()(SwrContext* context) const { swr_free(&context); }
};

struct FifoFree {
    void operator()(AVAudioFifo* fifo) const { av_audio_fifo_free(fifo); }
};

using CodecContext = std::unique_ptr<AVCodecContext, CodecContextFree>;
using Frame = std::unique_ptr<AVFrame, FrameFree>;
using Packet = std::unique_ptr<AVPacket, PacketFree>;
using Input = std::unique_ptr<AVFormatContext, InputClose>;
using Output = std::unique_ptr<AVFormatContext, OutputClose>;
using Scaler = std::unique_ptr<SwsContext, SwsFree>;
using Resampler = std::unique_ptr<SwrContext, SwrFree>;
using SampleFifo = std::unique_ptr<AVAudioFifo, FifoFree>;

// The reason of a libav error code: a system error in French, libav's own
// words otherwise.
std::string Reason(int code);

// The address libav opens a local file by: "file:" first, so that a name
// with a colon is never read as another protocol.
std::string FileUrl(const std::string& path);

} // namespace sw::animatic::av
