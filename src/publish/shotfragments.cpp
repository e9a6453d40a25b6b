#include "publish/shotfragments.h"

#include <charconv>
#include <string_view>

#include "model/camerawords.h"
#include "model/event.h"
#include "model/eventlist.h"
#include "model/scene.h"
#include "model/shotfields.h"
#include "publish/ghtml.h"
#include "publish/pagetext.h"
#include "publish/uconvert.h"

namespace sw {

namespace {

// A piece of a fragment known to hold no line break (digits, the fixed words
// of the camera): a page copies it without looking for breaks.
struct Unbroken {
    std::string_view text;
};

template <typename Out>
void AppendPiece(Out& out, Unbroken piece)
{
    AppendWithoutBreaks(out, piece.text);
}

template <typename Out, typename Piece>
void AppendPiece(Out& out, const Piece& piece)
{
    out.append(piece);
}

template <typename Out, typename... Pieces>
void Append(Out& out, const Pieces&... pieces)
{
    (AppendPiece(out, pieces), ...);
}

// The largest number of decimal digits of a std::size_t.
constexpr std::size_t kMaxDigits = 20;

// Decimal digits written straight into out: no string.
template <typename Out>
void AppendNumber(Out& out, std::size_t number)
{
    AppendBreakFree(out, kMaxDigits, [number](char* to) { return std::to_chars(to, to + kMaxDigits, number).ptr; });
}

} // namespace

template <typename Out>
void AppendContinuityCells(Out& out, const TEvent& shot, CellLayout layout)
{
    // The sound and dialogue parts go straight into out, each left out
    // when its text is empty.
    const auto appendSoundAndDialogue = [&](CrLfText between) {
        if (!shot.sound.empty())
            Append(out, "<b>son: </b>"_crlf, shot.sound, "<br>"_crlf);
        out.append(between);
        if (!shot.dialogue.empty())
            Append(out, "<b>dialogue: </b>"_crlf, shot.dialogue);
    };
    if (layout == CellLayout::ContinuityTable) {
        Append(out, "<TD vAlign=top>"_crlf, shot.action, "</TD>\r\n<TD vAlign=top>"_crlf);
        appendSoundAndDialogue(kCrLf);
        out.append("</TD>"_crlf);
    } else {
        Append(out, "<TD vAlign=top>\r\n<b>action:</b> "_crlf, shot.action, "<br>\r\n"_crlf);
        appendSoundAndDialogue(kCrLf);
        out.append("\r\n</TD>"_crlf);
    }
}

// One picture of a shot page at its own size. A picture wider than a page
// shows whole, or one of two side by side, is scaled to its share of the
// column and links to the picture itself.
template <typename Out>
void AppendFullSizePicture(Out& out, const std::string& name, bool scaled, bool twoPictures)
{
    if (!scaled) {
        out.append("<IMG SRC=\"img/"_crlf);
        AppendQuotedAttribute(out, name);
        out.append("\" BORDER=0 >\r\n"_crlf);
        return;
    }
    out.append("<A HREF=\"img/"_crlf);
    AppendQuotedAttribute(out, name);
    out.append("\" TARGET=\"_blank\"><IMG SRC=\"img/"_crlf);
    AppendQuotedAttribute(out, name);
    out.append(twoPictures ? "\" BORDER=0 style=\"max-width:48%;height:auto\"></A>\r\n"_crlf
                           : "\" BORDER=0 style=\"max-width:100%;height:auto\"></A>\r\n"_crlf);
}

template <typename Out>
void AppendImageBlock(Out& out, const TEvent& shot, std::uint16_t scale, const WidePictureTest& isWide)
{
    out.append("<P class=center>\r\n"_crlf);
    const bool twoPictures = !shot.cam.startImage.empty() && !shot.cam.endImage.empty();
    bool any = false;
    for (const std::string* name : {&shot.cam.startImage, &shot.cam.endImage}) {
        if (name->empty())
            continue;
        any = true;
        if (scale > 0) {
            out.append("<IMG SRC=\"img/"_crlf);
            AppendQuotedAttribute(out, *name);
            out.append("\" BORDER=0 width="_crlf);
            AppendNumber(out, 40UL * scale);
            out.append(" height="_crlf);
            AppendNumber(out, 30UL * scale);
            out.append(">\r\n"_crlf);
        } else {
            AppendFullSizePicture(out, *name, twoPictures || (isWide && isWide(*name)), twoPictures);
        }
    }
    if (any)
        out.append("<BR>\r\n"_crlf);
    else if (scale > 0)
        out.append("<DIV class=smallFrame></DIV>"_crlf);
    if (scale > 0)
        Append(out, "<P class=note>"_crlf, shot.action, "\r\n<BR>\r\n"_crlf);
}

template <typename Out>
void AppendShotCell(Out& out, const TEvent& shot, std::size_t index, std::uint16_t scale, const WidePictureTest& isWide)
{
    out.append("<TD vAlign=top  width=20%>\r\n<span class=num><b>"_crlf);
    AppendNumber(out, index + 1);
    out.append(". </b></span>"_crlf);
    AppendEscapedHtmlText(out, shot.name);
    out.append("<br>\r\n"_crlf);
    AppendImageBlock(out, shot, scale, isWide);
    out.append("</TD>"_crlf);
}

template <typename Out>
void AppendCamText(Out& out, const TEvent& shot, CamTextForm form)
{
    if (form == CamTextForm::TableCell)
        out.append("<TD vAlign=top width=65%>\r\n"_crlf);
    Append(out, "<b>C:</b> "_crlf, Unbroken{FramingWord(shot.cam.framing)}, "<br>\r\n<b>A:</b> "_crlf,
           Unbroken{AngleWord(shot.cam.angle)}, "<br>\r\n<b>M:</b> "_crlf);
    if (shot.cam.pan > 0)
        Append(out, Unbroken{PanWord(shot.cam.pan)}, "<br>\r\n"_crlf);
    if (shot.cam.travel > 0)
        Append(out, "trav. "_crlf, Unbroken{TravelWord(shot.cam.travel)}, "<br>\r\n"_crlf);
    if (shot.cam.zoom > 0)
        Append(out, Unbroken{ZoomWord(shot.cam.zoom)}, "<br>\r\n"_crlf);
    out.append("<br>\r\n"_crlf);
    if (form == CamTextForm::TableCell)
        out.append("</TD>\r\n"_crlf);
}

template <typename Out>
void AppendTimeText(Out& out, const TEvent& shot, const std::string& cumulText, TimeTextForm form)
{
    if (form == TimeTextForm::Bare) {
        out.append("<span class=sTime>"_crlf);
        AppendEscapedHtmlText(out, shot.cam.duration);
        Append(out, "s.</span><br>\r\n<b>cumul:</b><br>\r\n<span class=sTime>"_crlf, cumulText, "</span>\r\n"_crlf);
    } else {
        out.append("<TD vAlign=top>\r\n<div class=sTime>"_crlf);
        AppendEscapedHtmlText(out, shot.cam.duration);
        Append(out, "s.</div>\r\n<br><b>Tot:</b><br> "_crlf, cumulText, "\r\n</TD>\r\n"_crlf);
    }
}

template <typename Out>
void AppendEffectCell(Out& out, const TEvent& shot)
{
    if (shot.cam.effect.empty())
        return;
    Append(out, "           <TD colSpan=2>\r\n           <div class=note><b>effet: </b>"_crlf, shot.cam.effect,
           "</div><br>\r\n           </TD>\r\n"_crlf);
}

std::string ContinuityCells(const TEventList& events, std::size_t index, CellLayout layout)
{
    std::string out;
    AppendContinuityCells(out, events.Event(index), layout);
    return out;
}

std::string ImageBlock(const TEventList& events, std::size_t index, std::uint16_t scale, const WidePictureTest& isWide)
{
    std::string out;
    AppendImageBlock(out, events.Event(index), scale, isWide);
    return out;
}

std::string ShotCell(const TEventList& events, std::size_t index, std::uint16_t scale, const WidePictureTest& isWide)
{
    std::string out;
    AppendShotCell(out, events.Event(index), index, scale, isWide);
    return out;
}

std::string CamText(const TEventList& events, std::size_t index, CamTextForm form)
{
    std::string out;
    AppendCamText(out, events.Event(index), form);
    return out;
}

std::string TimeText(const TEventList& events, std::size_t index, TimeTextForm form)
{
    std::string out;
    AppendTimeText(out, events.Event(index), events.CumulText(index), form);
    return out;
}

std::string EffectCell(const TEventList& events, std::size_t index)
{
    std::string out;
    AppendEffectCell(out, events.Event(index));
    return out;
}

namespace {

template <typename Out>
void AppendShotLink(Out& out, const TEventList& events, std::size_t index, bool noJSPlan)
{
    if (noJSPlan) {
        out.append("<a href=\"plans.htm#p"_crlf);
        AppendNumber(out, index);
        out.append("\" TARGET=\"pMain\">"_crlf);
    } else {
        out.append("<a href=\"javaScript:getPlan("_crlf);
        AppendNumber(out, index);
        out.append(")\">"_crlf);
    }
    // The link's line ends with a lone LF, which a page writes CR LF.
    AppendEscapedHtmlText(out, events.Event(index).name);
    Append(out, "</a><br>"_crlf, "\n");
}

} // namespace

template <typename Out>
void AppendShotLinks(Out& out, const TEventList& events, bool noJSPlan)
{
    const std::size_t count = events.Count();
    for (std::size_t index = 0; index < count; ++index)
        AppendShotLink(out, events, index, noJSPlan);
}

template <typename Out>
void AppendShotLinks(Out& out, const TEventList& events, bool noJSPlan, const std::vector<TScene>& scenes)
{
    if (scenes.empty()) {
        AppendShotLinks(out, events, noJSPlan);
        return;
    }
    bool first = true;
    for (const SceneGroup& group : SceneGroups(events, scenes)) {
        out.append(first ? "<i>"_crlf : "<br><i>"_crlf);
        AppendEncodedEntities(out, EscapeHtmlText(SceneTitle(group.scene)));
        Append(out, "</i><br>"_crlf, "\n");
        first = false;
        for (std::size_t index = group.first; index < group.first + group.count; ++index)
            AppendShotLink(out, events, index, noJSPlan);
    }
}

std::string ShotLinks(const TEventList& events, bool noJSPlan)
{
    std::string out;
    out.reserve(events.Count() * 64);
    AppendShotLinks(out, events, noJSPlan);
    return out;
}

template <typename Out>
void AppendShotsPageBlocks(Out& out, const TEventList& events)
{
    AppendShotsPageBlocks(out, events, {});
}

template <typename Out>
void AppendShotsPageBlocks(Out& out, const TEventList& events, const std::vector<TScene>& scenes)
{
    const std::vector<SceneGroup> groups = scenes.empty() ? std::vector<SceneGroup>() : SceneGroups(events, scenes);
    auto nextGroup = groups.begin();
    const std::size_t count = events.Count();
    RunningTime total;
    for (std::size_t index = 0; index < count; ++index) {
        const TEvent& shot = events.Event(index);
        total.Add(shot.cam.duration);
        if (nextGroup != groups.end() && nextGroup->first == index)
            AppendSceneHeading(out, *nextGroup++, SceneHeadingForm::Block);

        out.append("<A NAME=\"p"_crlf);
        AppendNumber(out, index);
        out.append("\">\r\n<H4>"_crlf);
        AppendEncodedEntities(out, NeedsHtmlEscape(shot.name) ? EscapeHtmlText(shot.name) : shot.name);
        out.append("</H4>\r\n<DIV class=topLeft> \r\n"_crlf);
        if (!shot.cam.startImage.empty() || !shot.cam.endImage.empty()) {
            out.append("<P class=center>"_crlf);
            for (const std::string* name : {&shot.cam.startImage, &shot.cam.endImage}) {
                if (name->empty())
                    continue;
                out.append(" <IMG SRC=\"img/"_crlf);
                AppendQuotedAttribute(out, *name);
                out.append("\" BORDER=1 WIDTH=160 HEIGHT=120 HSPACE=20 vSpace=10>"_crlf);
            }
            out.append(" <BR CLEAR=ALL>"_crlf);
        }
        out.append("\r\n</DIV>\r\n<DIV class=topMenu> \r\n<TABLE WIDTH=100%><TR><TD vAlign=top width=40%> \r\n"
                   "<H5>CAM</H5>\r\n"_crlf);
        AppendCamText(out, shot, CamTextForm::Bare);
        out.append("</TD>\r\n<TD vAlign=top> \r\n<H5>Temps</H5>\r\n"_crlf);
        AppendTimeText(out, shot, total.PublishedText(), TimeTextForm::Bare);
        out.append("</TD>\r\n</TR></TABLE>\r\n</DIV><br clear=all>\r\n<DIV class=topLeft>\r\n<H5>Action</H5>\r\n"_crlf);
        AppendEncodedEntities(out, shot.action);
        out.append("</DIV>\r\n<DIV class=topMenu>\r\n<H5>Son</H5>\r\n"_crlf);
        AppendEncodedEntities(out, shot.sound);
        out.append("\r\n<H5>Dialogue</H5>\r\n"_crlf);
        AppendEncodedEntities(out, shot.dialogue);
        out.append("</DIV>\r\n</A><br clear=all>\r\n<P class=vSpace1><HR WIDTH=400><P class=vSpace1>\r\n\r\n"_crlf);
    }
}

std::string ShotsPageBlocks(const TEventList& events)
{
    std::string out;
    out.reserve(events.Count() * 1024);
    AppendShotsPageBlocks(out, events);
    return out;
}

// A picture's name in the viewer's data: "blank" for none.
template <typename Out>
void AppendScriptPictureName(Out& out, const std::string& name)
{
    if (name.empty())
        out.append("blank"_crlf);
    else
        AppendScriptFileName(out, NeedsAttributeEscape(name) ? EscapeHtmlAttribute(name) : name);
}

template <typename Out>
void AppendJSData(Out& out, const TEventList& events)
{
    const std::size_t count = events.Count();
    // The array is declared one short and grows with its last element; an
    // empty project declares an empty array, as a negative length is refused.
    if (count == 0)
        out.append("var p = new Array();");
    else
        Append(out, "var p = new Array(", std::to_string(count - 1), ");");
    Append(out, "\n", "function pData(index, name, pict, action, snd, dlg, CAM, time){}", "\n", "\n");

    RunningTime total;
    // The texts made for the record, kept between shots for their memory.
    std::string generated;
    for (std::size_t index = 0; index < count; ++index) {
        const TEvent& shot = events.Event(index);
        total.Add(shot.cam.duration);
        // "p[index]", written before every member of the record.
        char recordBytes[kMaxDigits + 3] = "p[";
        const auto numberEnd = std::to_chars(recordBytes + 2, recordBytes + kMaxDigits + 2, index).ptr;
        *numberEnd = ']';
        const std::string_view record(recordBytes, static_cast<std::size_t>(numberEnd + 1 - recordBytes));
        const std::string_view number = record.substr(2, record.size() - 3);

        Append(out, Unbroken{record}, "= new pData();\r\n"_crlf, Unbroken{record}, ".index= \""_crlf,
               Unbroken{number}, "\"\r\n"_crlf, Unbroken{record}, ".name= \""_crlf);
        // The viewer pastes the name and the picture into the page: they are
        // made plain text and an attribute's value before the script's escapes.
        AppendJsEscaped(out, NeedsHtmlEscape(shot.name) ? EscapeHtmlText(shot.name) : shot.name);
        // Picture names are the user's file names: escaped so that a quote or
        // backslash in one cannot break the attribute or the script.
        Append(out, "\"\r\n"_crlf, Unbroken{record}, ".pict= \""_crlf);
        AppendScriptPictureName(out, shot.cam.startImage);
        Append(out, "\"\r\n"_crlf, Unbroken{record}, ".pictEnd= \""_crlf);
        AppendScriptPictureName(out, shot.cam.endImage);
        Append(out, "\"\r\n"_crlf, Unbroken{record}, ".action= \""_crlf);
        AppendJsEscaped(out, shot.action);
        Append(out, "\"\r\n"_crlf, Unbroken{record}, ".snd= \""_crlf);
        AppendJsEscaped(out, shot.sound);
        Append(out, "\"\r\n"_crlf, Unbroken{record}, ".dlg= \""_crlf);
        AppendJsEscaped(out, shot.dialogue);
        Append(out, "\"\r\n"_crlf, Unbroken{record}, ".CAM= \""_crlf);
        generated.clear();
        AppendCamText(generated, shot, CamTextForm::Bare);
        AppendJsEscaped(out, generated);
        Append(out, "\"\r\n"_crlf, Unbroken{record}, ".time= \""_crlf);
        generated.clear();
        AppendTimeText(generated, shot, total.PublishedText(), TimeTextForm::Bare);
        AppendJsEscaped(out, generated);
        // The record's blank line ends with a lone LF, which a page writes CR LF.
        Append(out, "\";\r\n"_crlf, "\n");
    }
}

std::string JSData(const TEventList& events)
{
    std::string out;
    out.reserve(128 + events.Count() * 1024);
    AppendJSData(out, events);
    return out;
}

template <typename Out>
void AppendSceneHeading(Out& out, const SceneGroup& group, SceneHeadingForm form)
{
    const std::string title = EncodeEntities(EscapeHtmlText(SceneTitle(group.scene)));
    const std::string time = ElapsedTextOf(static_cast<long long>(group.seconds));
    const std::string synopsis =
        group.scene && !group.scene->synopsis.empty() ? TextToHtml(EscapeHtmlText(group.scene->synopsis)) : "";
    if (form == SceneHeadingForm::Block) {
        Append(out, "<H3>"_crlf, title, "</H3>\r\n<P>Dur&eacute;e : "_crlf, time, "\r\n"_crlf);
        if (!synopsis.empty())
            Append(out, "<div class=indent1>"_crlf, synopsis, "</div>\r\n"_crlf);
        out.append("<P>\r\n"_crlf);
        return;
    }
    out.append(form == SceneHeadingForm::ContinuityRow ? "<TR><TD colspan=3><b>"_crlf : "<TR><TD colspan=4><b>"_crlf);
    Append(out, title, "</b> &nbsp; Dur&eacute;e : "_crlf, time);
    if (!synopsis.empty())
        Append(out, "<br>\r\n<i>"_crlf, synopsis, "</i>"_crlf);
    out.append("</TD></TR>\r\n"_crlf);
}

std::string SceneHeading(const SceneGroup& group, SceneHeadingForm form)
{
    std::string out;
    AppendSceneHeading(out, group, form);
    return out;
}

template <typename Out>
void AppendJSSceneData(Out& out, const TEventList& events, const std::vector<TScene>& scenes)
{
    if (scenes.empty())
        return;
    out.append("\r\nvar scenes = new Array();\r\n"_crlf);
    std::size_t number = 0;
    for (const SceneGroup& group : SceneGroups(events, scenes)) {
        const std::string record = "scenes[" + std::to_string(number++) + "]";
        const std::string time = ElapsedTextOf(static_cast<long long>(group.seconds));
        // Pasted into the page by the viewer: plain text made HTML, then
        // escaped for the script's string.
        Append(out, record, "= new Object();\r\n"_crlf, record, ".title= \""_crlf);
        AppendJsEscaped(out, EscapeHtmlText(SceneTitle(group.scene)));
        Append(out, "\"\r\n"_crlf, record, ".time= \""_crlf, time, "\"\r\n"_crlf, record, ".synopsis= \""_crlf);
        if (group.scene && !group.scene->synopsis.empty())
            AppendJsEscaped(out, TextToHtml(EscapeHtmlText(group.scene->synopsis)));
        out.append("\"\r\n"_crlf);
        for (std::size_t index = group.first; index < group.first + group.count; ++index) {
            out.append("p["_crlf);
            AppendNumber(out, index);
            Append(out, "].scene= "_crlf, record, "\r\n"_crlf);
        }
    }
}

// The page writers fill a PageText, the string forms above a std::string.
#define SHOTWEAVE_INSTANTIATE_FRAGMENTS(Out)                                                                     \
    template void AppendContinuityCells<Out>(Out&, const TEvent&, CellLayout);                                 \
    template void AppendImageBlock<Out>(Out&, const TEvent&, std::uint16_t, const WidePictureTest&);           \
    template void AppendShotCell<Out>(Out&, const TEvent&, std::size_t, std::uint16_t, const WidePictureTest&); \
    template void AppendCamText<Out>(Out&, const TEvent&, CamTextForm);                                        \
    template void AppendTimeText<Out>(Out&, const TEvent&, const std::string&, TimeTextForm);                  \
    template void AppendEffectCell<Out>(Out&, const TEvent&);                                                  \
    template void AppendShotLinks<Out>(Out&, const TEventList&, bool);                                         \
    template void AppendShotsPageBlocks<Out>(Out&, const TEventList&);                                         \
    template void AppendJSData<Out>(Out&, const TEventList&);                                                   \
    template void AppendShotLinks<Out>(Out&, const TEventList&, bool, const std::vector<TScene>&);             \
    template void AppendShotsPageBlocks<Out>(Out&, const TEventList&, const std::vector<TScene>&);             \
    template void AppendSceneHeading<Out>(Out&, const SceneGroup&, SceneHeadingForm);                         \
    template void AppendJSSceneData<Out>(Out&, const TEventList&, const std::vector<TScene>&);

SHOTWEAVE_INSTANTIATE_FRAGMENTS(std::string)
SHOTWEAVE_INSTANTIATE_FRAGMENTS(PageText)

} // namespace sw
