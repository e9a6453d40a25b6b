#include "animatic/soundtrack.h"

#include <algorithm>
#include <string>

extern "C" {
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
}

#include "model/error.h"
#include "model/filebytes.h"

namespace sw::animatic {

namespace {

constexpr AVSampleFormat kAacSampleFormat = AV_SAMPLE_FMT_FLTP;

[[noreturn]] void ThrowUnreadable(const std::filesystem::path& file)
{
    throw Error("Le fichier « " + file.filename().string() + " » n'est pas un son lisible.");
}

// The AAC encoder's rate nearest above the file's (48 kHz past the top), so
// that the sound is never resampled down when it need not be.
int AacSampleRate(const AVCodec& codec, int fileRate)
{
    int best = 0;
    for (const int* rate = codec.supported_samplerates; rate && *rate; ++rate) {
        if (*rate == fileRate)
            return fileRate;
        if (*rate > fileRate && (best == 0 || *rate < best))
            best = *rate;
    }
    return best != 0 ? best : 48000;
}

} // namespace

Soundtrack::Soundtrack(const std::filesystem::path& file)
    : file_(file), packet_(av_packet_alloc()), decoded_(av_frame_alloc())
{
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        throw Error("Le fichier son « " + file.filename().string() + " » est introuvable.");
    // A pipe or a device would be waited for or read without end.
    if (!IsRegularFile(file))
        ThrowUnreadable(file);
    if (!packet_ || !decoded_)
        throw std::bad_alloc();
    AVFormatContext* opened = nullptr;
    if (avformat_open_input(&opened, av::FileUrl(file.string()).c_str(), nullptr, nullptr) < 0)
        ThrowUnreadable(file);
    input_.reset(opened);
    if (avformat_find_stream_info(input_.get(), nullptr) < 0)
        ThrowUnreadable(file);
    const AVCodec* decoderCodec = nullptr;
    streamIndex_ = av_find_best_stream(input_.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &decoderCodec, 0);
    if (streamIndex_ < 0 || !decoderCodec)
        ThrowUnreadable(file);
    decoder_.reset(avcodec_alloc_context3(decoderCodec));
    if (!decoder_ || avcodec_parameters_to_context(decoder_.get(), input_->streams[streamIndex_]->codecpar) < 0 ||
        avcodec_open2(decoder_.get(), decoderCodec, nullptr) < 0)
        ThrowUnreadable(file);
    if (decoder_->sample_rate <= 0 || decoder_->ch_layout.nb_channels <= 0)
        ThrowUnreadable(file);

    const AVCodec* aac = avcodec_find_encoder_by_name("aac");
    if (!aac)
        throw Error("Cette installation de libavcodec n'a pas d'encodeur AAC.");
    sampleRate_ = AacSampleRate(*aac, decoder_->sample_rate);
    channels_ = std::min(decoder_->ch_layout.nb_channels, 2);

    // A file that does not say how its channels lie gets the usual layout.
    AVChannelLayout fileLayout;
    if (decoder_->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&fileLayout, decoder_->ch_layout.nb_channels);
    else if (av_channel_layout_copy(&fileLayout, &decoder_->ch_layout) < 0)
        throw std::bad_alloc();
    AVChannelLayout outLayout;
    av_channel_layout_default(&outLayout, channels_);
    SwrContext* resampler = nullptr;
    const int made = swr_alloc_set_opts2(&resampler, &outLayout, kAacSampleFormat, sampleRate_, &fileLayout,
                                         decoder_->sample_fmt, decoder_->sample_rate, 0, nullptr);
    av_channel_layout_uninit(&fileLayout);
    resampler_.reset(resampler);
    if (made < 0 || swr_init(resampler_.get()) < 0)
        ThrowUnreadable(file);
    fifo_.reset(av_audio_fifo_alloc(kAacSampleFormat, channels_, 4096));
    if (!fifo_)
        throw std::bad_alloc();
    // The file must give sound now, before the video's file exists.
    while (!ended_ && av_audio_fifo_size(fifo_.get()) == 0)
        DecodeMore();
    if (av_audio_fifo_size(fifo_.get()) == 0)
        ThrowUnreadable(file);
}

void Soundtrack::AddStream(AVFormatContext& output)
{
    const AVCodec* aac = avcodec_find_encoder_by_name("aac");
    encoder_.reset(avcodec_alloc_context3(aac));
    if (!encoder_)
        throw std::bad_alloc();
    encoder_->sample_fmt = kAacSampleFormat;
    encoder_->sample_rate = sampleRate_;
    av_channel_layout_default(&encoder_->ch_layout, channels_);
    encoder_->bit_rate = channels_ == 1 ? 96000 : 160000;
    encoder_->time_base = AVRational{1, sampleRate_};
    if (output.oformat->flags & AVFMT_GLOBALHEADER)
        encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int result = avcodec_open2(encoder_.get(), aac, nullptr);
    if (result < 0)
        throw Error("L'encodeur AAC ne s'ouvre pas (" + av::Reason(result) + ").");
    stream_ = avformat_new_stream(&output, nullptr);
    if (!stream_)
        throw std::bad_alloc();
    stream_->time_base = encoder_->time_base;
    result = avcodec_parameters_from_context(stream_->codecpar, encoder_.get());
    if (result < 0)
        throw Error("L'encodeur AAC ne s'ouvre pas (" + av::Reason(result) + ").");
}

void Soundtrack::DecodeMore()
{
    bool draining = false;
    while (true) {
        const int received = avcodec_receive_frame(decoder_.get(), decoded_.get());
        if (received == 0) {
            ConvertIntoFifo(decoded_.get());
            av_frame_unref(decoded_.get());
            return;
        }
        if (received != AVERROR(EAGAIN) || draining) {
            // The end of the file, or a decoder that gives up: what the
            // resampler still holds comes out, then silence.
            ConvertIntoFifo(nullptr);
            ended_ = true;
            return;
        }
        if (av_read_frame(input_.get(), packet_.get()) < 0) {
            avcodec_send_packet(decoder_.get(), nullptr);
            draining = true;
            continue;
        }
        // A damaged packet is skipped: the sound goes on after it.
        if (packet_->stream_index == streamIndex_)
            avcodec_send_packet(decoder_.get(), packet_.get());
        av_packet_unref(packet_.get());
    }
}

void Soundtrack::ConvertIntoFifo(const AVFrame* decoded)
{
    const int inSamples = decoded ? decoded->nb_samples : 0;
    const int outSamples = swr_get_out_samples(resampler_.get(), inSamples);
    if (outSamples <= 0)
        return;
    av::Frame converted(av_frame_alloc());
    if (!converted)
        throw std::bad_alloc();
    converted->format = kAacSampleFormat;
    av_channel_layout_default(&converted->ch_layout, channels_);
    converted->sample_rate = sampleRate_;
    converted->nb_samples = outSamples;
    if (av_frame_get_buffer(converted.get(), 0) < 0)
        throw std::bad_alloc();
    const int got = swr_convert(resampler_.get(), converted->data, outSamples,
                                decoded ? const_cast<const std::uint8_t**>(decoded->extended_data) : nullptr,
                                inSamples);
    if (got > 0 && av_audio_fifo_write(fifo_.get(), reinterpret_cast<void**>(converted->data), got) < got)
        throw std::bad_alloc();
}

void Soundtrack::SendFrame(int samples, const PacketSink& sink)
{
    av::Frame frame(av_frame_alloc());
    if (!frame)
        throw std::bad_alloc();
    frame->format = kAacSampleFormat;
    av_channel_layout_default(&frame->ch_layout, channels_);
    frame->sample_rate = sampleRate_;
    frame->nb_samples = samples;
    if (av_frame_get_buffer(frame.get(), 0) < 0)
        throw std::bad_alloc();
    const int read = std::max(0, av_audio_fifo_read(fifo_.get(), reinterpret_cast<void**>(frame->data), samples));
    if (read < samples)
        av_samples_set_silence(frame->data, read, samples - read, channels_, kAacSampleFormat);
    frame->pts = encoded_;
    encoded_ += samples;
    const int sent = avcodec_send_frame(encoder_.get(), frame.get());
    if (sent < 0)
        throw Error("L'encodage du son a échoué (" + av::Reason(sent) + ").");
    Drain(sink);
}

void Soundtrack::Drain(const PacketSink& sink)
{
    while (avcodec_receive_packet(encoder_.get(), packet_.get()) == 0) {
        sink(*packet_);
        av_packet_unref(packet_.get());
    }
}

void Soundtrack::EncodeUntil(std::int64_t until, const PacketSink& sink)
{
    const int frameSize = encoder_->frame_size > 0 ? encoder_->frame_size : 1024;
    while (encoded_ + frameSize <= until) {
        while (!ended_ && av_audio_fifo_size(fifo_.get()) < frameSize)
            DecodeMore();
        SendFrame(frameSize, sink);
    }
}

void Soundtrack::Finish(std::int64_t total, const PacketSink& sink)
{
    EncodeUntil(total, sink);
    if (total > encoded_) {
        const int rest = static_cast<int>(total - encoded_);
        while (!ended_ && av_audio_fifo_size(fifo_.get()) < rest)
            DecodeMore();
        SendFrame(rest, sink);
    }
    avcodec_send_frame(encoder_.get(), nullptr);
    Drain(sink);
}

} // namespace sw::animatic
