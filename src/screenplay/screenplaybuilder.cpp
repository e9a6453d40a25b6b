#include "screenplay/screenplaybuilder.h"

#include "model/textconv.h"

namespace sw {

namespace {

constexpr std::string_view kBreak = "\r\n";

void AppendParagraph(std::string& field, const std::string& paragraph)
{
    if (paragraph.empty())
        return;
    if (!field.empty())
        field += std::string(kBreak) + std::string(kBreak);
    field += paragraph;
}

} // namespace

void ScreenplayBuilder::Heading(std::string_view heading, std::string_view number)
{
    Close();
    ++place_;
    scene_ = ScriptScene{};
    scene_->number = number.empty() ? std::to_string(place_) : std::string(number);
    scene_->heading = Trim(heading);
}

void ScreenplayBuilder::Plan(std::string_view name)
{
    Open();
    if (hasPlans_) {
        scene_->shots.push_back(std::move(shot_));
        shot_ = ScriptShot{};
    }
    // The text before the first plan note belongs to the first shot.
    hasPlans_ = true;
    shot_.name = Trim(name);
}

void ScreenplayBuilder::Synopsis(std::string_view text)
{
    Open();
    if (!scene_->synopsis.empty())
        scene_->synopsis += kBreak;
    scene_->synopsis += Trim(text);
}

void ScreenplayBuilder::Action(const std::vector<std::string>& lines)
{
    Open();
    std::string paragraph;
    for (const std::string& line : lines) {
        if (!paragraph.empty())
            paragraph += kBreak;
        paragraph += line;
    }
    AppendParagraph(shot_.action, paragraph);
}

void ScreenplayBuilder::Dialogue(std::string_view speakerHtml, const std::vector<std::string>& parts, bool dual)
{
    Open();
    std::string speech = Trim(speakerHtml) + (dual ? " (en même temps)" : "") + " :";
    for (const std::string& part : parts) {
        if (part.empty()) {
            speech += kBreak;
            continue;
        }
        if (!speech.ends_with(kBreak))
            speech += ' ';
        speech += part;
    }
    if (!shot_.dialogue.empty())
        shot_.dialogue += kBreak;
    shot_.dialogue += speech;
}

void ScreenplayBuilder::Close()
{
    if (!scene_)
        return;
    if (!hasPlans_)
        shot_.name = scene_->heading.empty() ? std::string("Avant la première scène") : scene_->heading;
    const bool empty = scene_->heading.empty() && shot_.action.empty() && shot_.dialogue.empty() && !hasPlans_;
    scene_->shots.push_back(std::move(shot_));
    if (!empty)
        screenplay_.scenes.push_back(std::move(*scene_));
    scene_.reset();
    shot_ = ScriptShot{};
    hasPlans_ = false;
}

// Text before the first heading opens a scene without one.
void ScreenplayBuilder::Open()
{
    if (!scene_)
        scene_ = ScriptScene{};
}

} // namespace sw
