#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sw {

class PageText;
class TEvent;
class TEventList;
struct SceneGroup;
struct TScene;

// The pieces of HTML and JavaScript that the published pages make of the
// shots. Every fragment reads the shots and changes nothing; texts are
// UTF-8. Shot indexes are 0-based; an index outside the list fails
// with the list's index error.

// Which page's table the continuity cells are laid out for.
enum class CellLayout {
    ContinuityTable,  // the action, then sound and dialogue, in two cells
    BreakdownTable,   // all three in one cell
};

// How the framing, angle and movements are given.
enum class CamTextForm {
    TableCell,  // wrapped in a cell of the breakdown table
    Bare,       // bare, for the shots page and the viewer script
};

// How the duration and running total are given.
enum class TimeTextForm {
    Bare,       // bare, for the shots page and the viewer script
    TableCell,  // as a cell of the breakdown table
};

// Table cells of the continuity page or of the breakdown page.
std::string ContinuityCells(const TEventList& events, std::size_t index, CellLayout layout);

// Whether a picture of the image folder is wider than a shot page shows it
// whole (kWidestWholePicture pixels).
using WidePictureTest = std::function<bool(const std::string& name)>;
inline constexpr int kWidestWholePicture = 320;

// The shot's start picture, and its end picture beside it when it has one:
// at its own size for scale 0, where a wide picture (isWide) and each of two
// pictures is scaled to its share of the column with a link to the picture
// itself; for a scale above 0 at 40 x 30 times the scale, with an empty frame
// when there is no picture and the action as a note.
std::string ImageBlock(const TEventList& events, std::size_t index, std::uint16_t scale,
                       const WidePictureTest& isWide = {});

// The title cell of a shot: its number, its name and its ImageBlock.
std::string ShotCell(const TEventList& events, std::size_t index, std::uint16_t scale,
                     const WidePictureTest& isWide = {});

// Framing, angle and movements.
std::string CamText(const TEventList& events, std::size_t index, CamTextForm form);

// Duration and running total.
std::string TimeText(const TEventList& events, std::size_t index, TimeTextForm form);

// The effect notes as a table cell spanning two columns; empty without notes.
std::string EffectCell(const TEventList& events, std::size_t index);

// One link per shot for the shot menu: to the anchors of the plain shots page
// when noJSPlan is set, else to the viewer script's getPlan.
std::string ShotLinks(const TEventList& events, bool noJSPlan);

// All shots one after the other, each under the anchor "p" + index.
std::string ShotsPageBlocks(const TEventList& events);

// The data part of the viewer script: the array "p" of shot records.
std::string JSData(const TEventList& events);

// The appending forms used by the page writers. They work on one shot and
// take what depends on the rest of the list (its index, the running total of
// durations as CumulText writes it) from the caller, so that a page over the
// whole list is built in one pass. Out is std::string or PageText (which
// writes the line breaks as the pages have them); the shots are only read.
template <typename Out>
void AppendContinuityCells(Out& out, const TEvent& shot, CellLayout layout);
template <typename Out>
void AppendImageBlock(Out& out, const TEvent& shot, std::uint16_t scale, const WidePictureTest& isWide);
template <typename Out>
void AppendShotCell(Out& out, const TEvent& shot, std::size_t index, std::uint16_t scale,
                    const WidePictureTest& isWide);
template <typename Out>
void AppendCamText(Out& out, const TEvent& shot, CamTextForm form);
template <typename Out>
void AppendTimeText(Out& out, const TEvent& shot, const std::string& cumulText, TimeTextForm form);
template <typename Out>
void AppendEffectCell(Out& out, const TEvent& shot);

// The appending forms of ShotLinks, ShotsPageBlocks and JSData.
template <typename Out>
void AppendShotLinks(Out& out, const TEventList& events, bool noJSPlan);
template <typename Out>
void AppendShotsPageBlocks(Out& out, const TEventList& events);
template <typename Out>
void AppendJSData(Out& out, const TEventList& events);

// The shots grouped by scene (SceneGroups), for a project that has scenes;
// with no scenes, exactly the forms above. Every scene's texts are plain
// text, escaped for their place.
//
// The shot menu's links with the scene's title (SceneTitle) in italics
// before each group's first link.
template <typename Out>
void AppendShotLinks(Out& out, const TEventList& events, bool noJSPlan, const std::vector<TScene>& scenes);
// The shots page's blocks with a SceneHeading before each group's first
// shot.
template <typename Out>
void AppendShotsPageBlocks(Out& out, const TEventList& events, const std::vector<TScene>& scenes);

// How a scene's heading is given.
enum class SceneHeadingForm {
    Block,            // a heading, its running time and its synopsis, on the shots page
    ContinuityRow,    // a row spanning the continuity table's three columns
    BreakdownRow,     // a row spanning the breakdown table's four columns
};
// "<H3>12. INT. CUISINE - JOUR</H3>", "Durée : 1m. 15s." and the synopsis
// when it has one, as form lays them out.
template <typename Out>
void AppendSceneHeading(Out& out, const SceneGroup& group, SceneHeadingForm form);
std::string SceneHeading(const SceneGroup& group, SceneHeadingForm form);

// The viewer script's scene records, after JSData: the array "scenes", one
// record per group (title, time, synopsis), and each shot's "scene". Nothing
// for a project without scenes.
template <typename Out>
void AppendJSSceneData(Out& out, const TEventList& events, const std::vector<TScene>& scenes);

} // namespace sw
