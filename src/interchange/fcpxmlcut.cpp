#include <map>

#include "interchange/cutfile.h"
#include "interchange/xmlcut.h"
#include "model/error.h"

namespace sw {

namespace {

bool IsClipOfTheStoryline(QStringView name)
{
    return name == u"asset-clip" || name == u"clip" || name == u"video" || name == u"ref-clip" ||
           name == u"sync-clip" || name == u"mc-clip" || name == u"title";
}

} // namespace

// The clips are the primary storyline's: the elements right inside the
// first sequence's spine. Connected clips, gaps, transitions and audio are
// left out. The shot id is the clip's own metadata "com.shotweave.shot-id".
std::vector<CutClip> ReadFcpxmlCut(std::string_view bytes)
{
    TimelineXml xml(bytes);
    QXmlStreamReader& reader = xml.Reader();
    std::vector<CutClip> clips;
    bool sawRoot = false;
    bool inSpine = false;
    bool doneSpine = false;
    int depth = 0;
    int spineDepth = 0;
    int clipDepth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.ReadNext();
        if (token == QXmlStreamReader::EndElement) {
            if (inSpine && depth == spineDepth) {
                inSpine = false;
                doneSpine = true;
            }
            if (clipDepth == depth)
                clipDepth = 0;
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const QStringView name = reader.name();
        if (depth == 1) {
            if (name != u"fcpxml")
                throw Error("pas de document Final Cut Pro XML");
            sawRoot = true;
        }
        if (!inSpine && !doneSpine && name == u"spine") {
            inSpine = true;
            spineDepth = depth;
            continue;
        }
        if (inSpine && depth == spineDepth + 1 && IsClipOfTheStoryline(name)) {
            const QXmlStreamAttributes attributes = reader.attributes();
            const auto length = ParseRationalSeconds(attributes.value(QLatin1String("duration")).toString());
            if (!length || length->numerator == 0)
                continue;
            CutClip clip;
            clip.name = attributes.value(QLatin1String("name")).toString().toStdString();
            clip.lengthNumerator = length->numerator;
            clip.lengthDenominator = length->denominator;
            clips.push_back(std::move(clip));
            clipDepth = depth;
        } else if (clipDepth != 0 && depth == clipDepth + 2 && name == u"md" &&
                   reader.attributes().value(QLatin1String("key")) == u"com.shotweave.shot-id") {
            clips.back().id = reader.attributes().value(QLatin1String("value")).toString().toStdString();
        }
    }
    xml.CheckWellFormed();
    if (!sawRoot)
        throw Error("pas de document Final Cut Pro XML");
    return clips;
}

} // namespace sw
