#include <cmath>
#include <map>
#include <set>

#include "interchange/cutfile.h"
#include "interchange/xmlcut.h"
#include "model/error.h"

namespace sw {

namespace {

struct Entry {
    QString producer;
    QString in;
    QString out;
};

struct Service {
    std::map<QString, QString> properties;
    QString hide;
    // A playlist's entries; a tractor's tracks (as entries without times).
    std::vector<Entry> entries;

    QString Property(const char* name) const
    {
        const auto found = properties.find(QString::fromLatin1(name));
        return found == properties.end() ? QString() : found->second;
    }
};

struct Document {
    std::int64_t rateNumerator = 25;
    std::int64_t rateDenominator = 1;
    QString root;
    QString lastTractor;
    std::map<QString, Service> producers;  // producers and chains
    std::map<QString, Service> playlists;
    std::map<QString, Service> tractors;
};

// No film lasts a thousand days: a position beyond is no position.
constexpr std::int64_t kMaxFrames = std::int64_t{1} << 32;

// A position as frames, "HH:MM:SS.mmm" or "HH:MM:SS:FF"; nothing when it is
// none of them.
std::optional<std::int64_t> Frames(const QString& text, const Document& document)
{
    bool ok = false;
    const std::int64_t frames = text.toLongLong(&ok);
    if (ok)
        return frames >= 0 && frames <= kMaxFrames ? std::optional<std::int64_t>(frames) : std::nullopt;
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3 && parts.size() != 4)
        return std::nullopt;
    const double fps = static_cast<double>(document.rateNumerator) / static_cast<double>(document.rateDenominator);
    const std::int64_t hours = parts[0].toLongLong(&ok);
    if (!ok || hours < 0 || hours > 24000)
        return std::nullopt;
    const std::int64_t minutes = parts[1].toLongLong(&ok);
    if (!ok || minutes < 0 || minutes > 1000000)
        return std::nullopt;
    const double seconds = parts[2].toDouble(&ok);
    if (!ok)
        return std::nullopt;
    double total = static_cast<double>(hours * 3600 + minutes * 60) + seconds;
    if (parts.size() == 4) {
        const std::int64_t frame = parts[3].toLongLong(&ok);
        if (!ok || frame < 0 || frame > 1000000)
            return std::nullopt;
        total += static_cast<double>(frame) / fps;
    }
    if (!(total >= 0) || total * fps > static_cast<double>(kMaxFrames))
        return std::nullopt;
    return std::llround(total * fps);
}

Document ReadDocument(std::string_view bytes)
{
    TimelineXml xml(bytes);
    QXmlStreamReader& reader = xml.Reader();
    Document document;
    Service* service = nullptr;
    QString propertyName;
    bool sawRoot = false;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.ReadNext();
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = reader.name();
        const QXmlStreamAttributes attributes = reader.attributes();
        const QString id = attributes.value(QLatin1String("id")).toString();
        if (!sawRoot) {
            if (name != u"mlt")
                throw Error("pas de document MLT");
            sawRoot = true;
            document.root = attributes.value(QLatin1String("producer")).toString();
        } else if (name == u"profile") {
            bool numberOk = false;
            bool denominatorOk = false;
            const std::int64_t number = attributes.value(QLatin1String("frame_rate_num")).toLongLong(&numberOk);
            const std::int64_t denominator = attributes.value(QLatin1String("frame_rate_den")).toLongLong(&denominatorOk);
            if (numberOk && denominatorOk && number > 0 && denominator > 0 && number < 1000000 && denominator < 1000000) {
                document.rateNumerator = number;
                document.rateDenominator = denominator;
            }
        } else if (name == u"producer" || name == u"chain") {
            service = &document.producers[id];
        } else if (name == u"playlist") {
            service = &document.playlists[id];
        } else if (name == u"tractor" || name == u"multitrack") {
            if (name == u"tractor") {
                service = &document.tractors[id];
                document.lastTractor = id;
            }
        } else if (name == u"entry" && service != nullptr) {
            service->entries.push_back({attributes.value(QLatin1String("producer")).toString(), attributes.value(QLatin1String("in")).toString(),
                                        attributes.value(QLatin1String("out")).toString()});
        } else if (name == u"track" && service != nullptr) {
            service->entries.push_back({attributes.value(QLatin1String("producer")).toString(), {}, {}});
            if (attributes.value(QLatin1String("hide")) == u"video" || attributes.value(QLatin1String("hide")) == u"both")
                service->entries.back().in = QStringLiteral("hidden");
        } else if (name == u"property" && service != nullptr) {
            propertyName = attributes.value(QLatin1String("name")).toString();
            service->properties[propertyName] = reader.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    xml.CheckWellFormed();
    if (!sawRoot)
        throw Error("pas de document MLT");
    return document;
}

bool IsBackground(const Service& producer)
{
    const QString kind = producer.Property("mlt_service");
    return kind == u"color" || kind == u"colour";
}

bool IsAudioTrack(const Service& service)
{
    return service.Property("kdenlive:audio_track") == u"1" || service.Property("shotcut:audio") == u"1";
}

// The first playlist under the tractor, in track order, that is a video
// track and plays something other than a background colour.
const Service* FirstVideoPlaylist(const Document& document, const QString& tractorId, std::set<QString>& seen)
{
    const auto tractor = document.tractors.find(tractorId);
    if (tractor == document.tractors.end() || !seen.insert(tractorId).second)
        return nullptr;
    for (const Entry& track : tractor->second.entries) {
        if (track.in == u"hidden")
            continue;
        if (const auto playlist = document.playlists.find(track.producer); playlist != document.playlists.end()) {
            if (IsAudioTrack(playlist->second))
                continue;
            for (const Entry& entry : playlist->second.entries) {
                const auto producer = document.producers.find(entry.producer);
                if (producer != document.producers.end() && !IsBackground(producer->second))
                    return &playlist->second;
            }
        } else if (const auto inner = document.tractors.find(track.producer); inner != document.tractors.end()) {
            if (IsAudioTrack(inner->second))
                continue;
            if (const Service* found = FirstVideoPlaylist(document, track.producer, seen))
                return found;
        }
    }
    return nullptr;
}

QString FileName(const QString& path)
{
    return path.section(QLatin1Char('/'), -1);
}

} // namespace

// The clips are the entries of the first video track of the document's
// tractor; each one's name is Shotcut's or Kdenlive's caption of its
// producer, else its file's name.
std::vector<CutClip> ReadMltCut(std::string_view bytes)
{
    const Document document = ReadDocument(bytes);
    std::set<QString> seen;
    const QString root = document.tractors.count(document.root) ? document.root : document.lastTractor;
    const Service* playlist = FirstVideoPlaylist(document, root, seen);
    if (playlist == nullptr)
        throw Error("aucune piste vidéo");
    std::vector<CutClip> clips;
    for (const Entry& entry : playlist->entries) {
        const auto producer = document.producers.find(entry.producer);
        if (producer == document.producers.end() || IsBackground(producer->second))
            continue;
        const auto in = Frames(entry.in.isEmpty() ? QStringLiteral("0") : entry.in, document);
        const auto out = Frames(entry.out, document);
        if (!in || !out || *out < *in)
            continue;
        const Service& source = producer->second;
        CutClip clip;
        QString name = source.Property("shotcut:caption");
        if (name.isEmpty())
            name = source.Property("kdenlive:clipname");
        if (name.isEmpty())
            name = FileName(source.Property("resource"));
        clip.name = name.toStdString();
        clip.id = source.Property("shotweave:shot-id").toStdString();
        clip.lengthNumerator = (*out - *in + 1) * document.rateDenominator;
        clip.lengthDenominator = document.rateNumerator;
        clips.push_back(std::move(clip));
    }
    return clips;
}

} // namespace sw
