#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>

#include "animatic/avsupport.h"

namespace sw::animatic {

// A sound file (WAV, MP3, OGG…) decoded as it goes and encoded as the
// video's AAC stream, cut or padded with silence to an exact number of
// samples. Memory stays flat whatever the file's length.
class Soundtrack {
public:
    // Opens and checks the file and decodes its start, before any output
    // exists. Throws sw::Error « Le fichier « <name> » n'est pas un son
    // lisible. » when it holds no sound libav can decode.
    explicit Soundtrack(const std::filesystem::path& file);
    Soundtrack(const Soundtrack&) = delete;
    Soundtrack& operator=(const Soundtrack&) = delete;

    int SampleRate() const { return sampleRate_; }

    // Adds the AAC stream to the output and opens its encoder; before the
    // output's header is written.
    void AddStream(AVFormatContext& output);
    AVStream* Stream() const { return stream_; }

    using PacketSink = std::function<void(AVPacket&)>;
    // Encodes the sound up to sample `until` (the film's time in samples of
    // SampleRate()), silence once the file has ended; each packet goes to sink
    // in the encoder's time base.
    void EncodeUntil(std::int64_t until, const PacketSink& sink);
    // Encodes up to total, then flushes the encoder.
    void Finish(std::int64_t total, const PacketSink& sink);
    const AVCodecContext& Encoder() const { return *encoder_; }

private:
    void DecodeMore();
    void ConvertIntoFifo(const AVFrame* decoded);
    void SendFrame(int samples, const PacketSink& sink);
    void Drain(const PacketSink& sink);

    std::filesystem::path file_;
    av::Input input_;
    int streamIndex_ = -1;
    av::CodecContext decoder_;
    av::CodecContext encoder_;
    av::Resampler resampler_;
    av::SampleFifo fifo_;
    av::Packet packet_;
    av::Frame decoded_;
    AVStream* stream_ = nullptr;
    int sampleRate_ = 48000;
    int channels_ = 2;
    bool ended_ = false;
    std::int64_t encoded_ = 0;
};

} // namespace sw::animatic
