#include <cmath>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include "interchange/cutfile.h"
#include "model/error.h"

namespace sw {

namespace {

bool IsSchema(const QJsonObject& object, const char* name)
{
    return object.value(QStringLiteral("OTIO_SCHEMA")).toString().section(QLatin1Char('.'), 0, 0) ==
           QLatin1String(name);
}

// A RationalTime's value / rate as a fraction: whole values and rates as
// they are, others (23.976) in thousandths.
bool LengthOf(const QJsonObject& range, CutClip& clip)
{
    const QJsonObject duration = range.value(QStringLiteral("duration")).toObject();
    const double value = duration.value(QStringLiteral("value")).toDouble();
    const double rate = duration.value(QStringLiteral("rate")).toDouble();
    if (!(value > 0) || !(rate > 0) || value > 1e12 || rate > 1e6)
        return false;
    const double scale = (value == std::floor(value) && rate == std::floor(rate)) ? 1 : 1000;
    clip.lengthNumerator = static_cast<std::int64_t>(std::llround(value * scale));
    clip.lengthDenominator = static_cast<std::int64_t>(std::llround(rate * scale));
    return clip.lengthNumerator > 0 && clip.lengthDenominator > 0;
}

// The media's available range stands for a clip without a source range.
bool ClipLength(const QJsonObject& item, CutClip& clip)
{
    if (LengthOf(item.value(QStringLiteral("source_range")).toObject(), clip))
        return true;
    const QJsonObject references = item.value(QStringLiteral("media_references")).toObject();
    const QString key = item.value(QStringLiteral("active_media_reference_key")).toString(QStringLiteral("DEFAULT_MEDIA"));
    QJsonObject reference = references.value(key).toObject();
    if (reference.isEmpty())
        reference = item.value(QStringLiteral("media_reference")).toObject();
    return LengthOf(reference.value(QStringLiteral("available_range")).toObject(), clip);
}

} // namespace

std::vector<CutClip> ReadOtioCut(std::string_view bytes)
{
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
    if (error.error != QJsonParseError::NoError)
        throw Error("JSON invalide à l'octet " + std::to_string(error.offset));
    const QJsonObject timeline = document.object();
    if (!IsSchema(timeline, "Timeline"))
        throw Error("pas de timeline OpenTimelineIO");
    const QJsonArray tracks = timeline.value(QStringLiteral("tracks")).toObject().value(QStringLiteral("children")).toArray();
    for (const QJsonValue& trackValue : tracks) {
        const QJsonObject track = trackValue.toObject();
        if (!IsSchema(track, "Track") || track.value(QStringLiteral("kind")).toString() != QLatin1String("Video"))
            continue;
        std::vector<CutClip> clips;
        for (const QJsonValue& itemValue : track.value(QStringLiteral("children")).toArray()) {
            const QJsonObject item = itemValue.toObject();
            if (!IsSchema(item, "Clip"))
                continue;
            CutClip clip;
            clip.name = item.value(QStringLiteral("name")).toString().toStdString();
            clip.id = item.value(QStringLiteral("metadata"))
                          .toObject()
                          .value(QStringLiteral("shotweave"))
                          .toObject()
                          .value(QStringLiteral("shot_id"))
                          .toString()
                          .toStdString();
            if (ClipLength(item, clip))
                clips.push_back(std::move(clip));
        }
        return clips;
    }
    throw Error("aucune piste vidéo");
}

} // namespace sw
