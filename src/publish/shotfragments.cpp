#include "publish/shotfragments.h"

#include <string_view>

#include "model/camerawords.h"
#include "model/event.h"
#include "model/eventlist.h"
#include "publish/ghtml.h"
#include "publish/pagetext.h"
#include "publish/uconvert.h"

namespace sw {

namespace {

template <typename Out, typename... Pieces>
void Append(Out& out, const Pieces&... pieces)
{
    (out.append(pieces), ...);
}

template <typename Out>
void AppendNumber(Out& out, std::size_t number)
{
    out.append(std::to_string(number));
}

} // namespace

template <typename Out>
void AppendContinuityCells(Out& out, const TEvent& shot, CellLayout layout)
{
    std::string soundPart;
    if (!shot.sound.empty())
        Append(soundPart, "<b>son: </b>", shot.sound, "<br>");
    std::string dialoguePart;
    if (!shot.dialogue.empty())
        Append(dialoguePart, "<b>dialogue: </b>", shot.dialogue);

    if (layout == CellLayout::ContinuityTable)
        Append(out, "<TD vAlign=top>", shot.action, "</TD>", kCrLf, "<TD vAlign=top>", soundPart, kCrLf,
               dialoguePart, "</TD>");
    else
        Append(out, "<TD vAlign=top>\r\n<b>action:</b> ", shot.action, "<br>", kCrLf, soundPart, kCrLf,
               dialoguePart, kCrLf, "</TD>");
}

template <typename Out>
void AppendImageBlock(Out& out, const TEvent& shot, std::uint16_t scale)
{
    out.append("<P class=center>\r\n");
    std::string size;
    if (scale > 0)
        Append(size, "width=", std::to_string(40UL * scale), " height=", std::to_string(30UL * scale));
    if (!shot.cam.startImage.empty())
        Append(out, "<IMG SRC=\"", "img/", QuoteAttribute(shot.cam.startImage), "\" BORDER=0 ", size, ">", kCrLf,
               "<BR>", kCrLf);
    else if (scale > 0)
        out.append("<DIV class=smallFrame></DIV>");
    if (scale > 0)
        Append(out, "<P class=note>", shot.action, kCrLf, "<BR>", kCrLf);
}

template <typename Out>
void AppendShotCell(Out& out, const TEvent& shot, std::size_t index, std::uint16_t scale)
{
    out.append("<TD vAlign=top  width=20%>\r\n<span class=num><b>");
    AppendNumber(out, index + 1);
    Append(out, ". </b></span>", shot.name, "<br>", kCrLf);
    AppendImageBlock(out, shot, scale);
    out.append("</TD>");
}

template <typename Out>
void AppendCamText(Out& out, const TEvent& shot, CamTextForm form)
{
    if (form == CamTextForm::TableCell)
        out.append("<TD vAlign=top width=65%>\r\n");
    Append(out, "<b>C:</b> ", FramingWord(shot.cam.framing), "<br>", kCrLf, "<b>A:</b> ", AngleWord(shot.cam.angle),
           "<br>", kCrLf, "<b>M:</b> ");
    if (shot.cam.pan > 0)
        Append(out, PanWord(shot.cam.pan), "<br>", kCrLf);
    if (shot.cam.travel > 0)
        Append(out, "trav. ", TravelWord(shot.cam.travel), "<br>", kCrLf);
    if (shot.cam.zoom > 0)
        Append(out, ZoomWord(shot.cam.zoom), "<br>", kCrLf);
    Append(out, "<br>", kCrLf);
    if (form == CamTextForm::TableCell)
        Append(out, "</TD>", kCrLf);
}

template <typename Out>
void AppendTimeText(Out& out, const TEvent& shot, const std::string& cumulText, TimeTextForm form)
{
    if (form == TimeTextForm::Bare)
        Append(out, "<span class=sTime>", shot.cam.duration, "s.</span><br>", kCrLf, "<b>cumul:</b><br>", kCrLf,
               "<span class=sTime>", cumulText, "</span>", kCrLf);
    else
        Append(out, "<TD vAlign=top>\r\n<div class=sTime>", shot.cam.duration, "s.</div>", kCrLf,
               "<br><b>Tot:</b><br> ", cumulText, kCrLf, "</TD>", kCrLf);
}

template <typename Out>
void AppendEffectCell(Out& out, const TEvent& shot)
{
    if (shot.cam.effect.empty())
        return;
    Append(out, "           <TD colSpan=2>\r\n           <div class=note><b>effet: </b>", shot.cam.effect,
           "</div><br>", kCrLf, "           </TD>", kCrLf);
}

void CumulativeDuration::Add(const TEvent& shot)
{
    seconds_ = static_cast<std::uint16_t>(seconds_ + DurationSeconds(shot.cam.duration));
}

std::string CumulativeDuration::Text() const
{
    return CumulTextOf(seconds_);
}

std::string ContinuityCells(const TEventList& events, std::size_t index, CellLayout layout)
{
    std::string out;
    AppendContinuityCells(out, events.Event(index), layout);
    return out;
}

std::string ImageBlock(const TEventList& events, std::size_t index, std::uint16_t scale)
{
    std::string out;
    AppendImageBlock(out, events.Event(index), scale);
    return out;
}

std::string ShotCell(const TEventList& events, std::size_t index, std::uint16_t scale)
{
    std::string out;
    AppendShotCell(out, events.Event(index), index, scale);
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

template <typename Out>
void AppendShotLinks(Out& out, const TEventList& events, bool noJSPlan)
{
    const std::size_t count = events.Count();
    for (std::size_t index = 0; index < count; ++index) {
        if (noJSPlan) {
            out.append("<a href=\"plans.htm#p");
            AppendNumber(out, index);
            out.append("\" TARGET=\"pMain\">");
        } else {
            out.append("<a href=\"javaScript:getPlan(");
            AppendNumber(out, index);
            out.append(")\">");
        }
        Append(out, events.Event(index).name, "</a><br>", "\n");
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
    const std::size_t count = events.Count();
    std::string picture;
    CumulativeDuration total;
    for (std::size_t index = 0; index < count; ++index) {
        const TEvent& shot = events.Event(index);
        total.Add(shot);
        picture.clear();
        if (!shot.cam.startImage.empty())
            Append(picture, "<P class=center> <IMG SRC=\"img/", QuoteAttribute(shot.cam.startImage),
                   "\" BORDER=1 WIDTH=160 ",
                   "HEIGHT=120 HSPACE=20 vSpace=10> <BR CLEAR=ALL>");

        out.append("<A NAME=\"p");
        AppendNumber(out, index);
        Append(out, "\">", kCrLf, "<H4>");
        AppendEncodedEntities(out, shot.name);
        Append(out, "</H4>", kCrLf);
        Append(out, "<DIV class=topLeft> ", kCrLf, picture, kCrLf, "</DIV>", kCrLf);
        Append(out, "<DIV class=topMenu> ", kCrLf, "<TABLE WIDTH=100%><TR><TD vAlign=top width=40%> ", kCrLf,
               "<H5>CAM</H5>", kCrLf);
        AppendCamText(out, shot, CamTextForm::Bare);
        Append(out, "</TD>", kCrLf);
        Append(out, "<TD vAlign=top> ", kCrLf, "<H5>Temps</H5>", kCrLf);
        AppendTimeText(out, shot, total.Text(), TimeTextForm::Bare);
        Append(out, "</TD>", kCrLf, "</TR></TABLE>", kCrLf, "</DIV><br clear=all>", kCrLf);
        Append(out, "<DIV class=topLeft>", kCrLf, "<H5>Action</H5>", kCrLf);
        AppendEncodedEntities(out, shot.action);
        Append(out, "</DIV>", kCrLf, "<DIV class=topMenu>", kCrLf, "<H5>Son</H5>", kCrLf);
        AppendEncodedEntities(out, shot.sound);
        Append(out, kCrLf, "<H5>Dialogue</H5>", kCrLf);
        AppendEncodedEntities(out, shot.dialogue);
        Append(out, "</DIV>", kCrLf);
        Append(out, "</A><br clear=all>", kCrLf, "<P class=vSpace1><HR WIDTH=400><P class=vSpace1>", kCrLf, kCrLf);
    }
}

std::string ShotsPageBlocks(const TEventList& events)
{
    std::string out;
    out.reserve(events.Count() * 1024);
    AppendShotsPageBlocks(out, events);
    return out;
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

    CumulativeDuration total;
    std::string record;
    std::string generated;
    for (std::size_t index = 0; index < count; ++index) {
        const TEvent& shot = events.Event(index);
        total.Add(shot);
        const std::string number = std::to_string(index);
        record.assign("p[").append(number).append("]");
        Append(out, record, "= new pData();", kCrLf);
        Append(out, record, ".index= \"", number, "\"", kCrLf);
        Append(out, record, ".name= \"");
        AppendJsEscaped(out, shot.name);
        Append(out, "\"", kCrLf);
        // Picture names are the user's file names: escaped so that a quote or
        // backslash in one cannot break the attribute or the script.
        Append(out, record, ".pict= \"");
        if (shot.cam.startImage.empty())
            out.append("blank");
        else
            AppendScriptFileName(out, shot.cam.startImage);
        Append(out, "\"", kCrLf);
        Append(out, record, ".action= \"");
        AppendJsEscaped(out, shot.action);
        Append(out, "\"", kCrLf, record, ".snd= \"");
        AppendJsEscaped(out, shot.sound);
        Append(out, "\"", kCrLf, record, ".dlg= \"");
        AppendJsEscaped(out, shot.dialogue);
        Append(out, "\"", kCrLf, record, ".CAM= \"");
        generated.clear();
        AppendCamText(generated, shot, CamTextForm::Bare);
        AppendJsEscaped(out, generated);
        Append(out, "\"", kCrLf, record, ".time= \"");
        generated.clear();
        AppendTimeText(generated, shot, total.Text(), TimeTextForm::Bare);
        AppendJsEscaped(out, generated);
        Append(out, "\"", ";", kCrLf, "\n");
    }
}

std::string JSData(const TEventList& events)
{
    std::string out;
    out.reserve(128 + events.Count() * 1024);
    AppendJSData(out, events);
    return out;
}

// The page writers fill a PageText, the string forms above a std::string.
#define SHOTWEAVE_INSTANTIATE_FRAGMENTS(Out)                                                                     \
    template void AppendContinuityCells<Out>(Out&, const TEvent&, CellLayout);                                 \
    template void AppendImageBlock<Out>(Out&, const TEvent&, std::uint16_t);                                   \
    template void AppendShotCell<Out>(Out&, const TEvent&, std::size_t, std::uint16_t);                        \
    template void AppendCamText<Out>(Out&, const TEvent&, CamTextForm);                                        \
    template void AppendTimeText<Out>(Out&, const TEvent&, const std::string&, TimeTextForm);                  \
    template void AppendEffectCell<Out>(Out&, const TEvent&);                                                  \
    template void AppendShotLinks<Out>(Out&, const TEventList&, bool);                                         \
    template void AppendShotsPageBlocks<Out>(Out&, const TEventList&);                                         \
    template void AppendJSData<Out>(Out&, const TEventList&);

SHOTWEAVE_INSTANTIATE_FRAGMENTS(std::string)
SHOTWEAVE_INSTANTIATE_FRAGMENTS(PageText)

} // namespace sw
