#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "model/sceneplan.h"

namespace sw {

struct ProjectDocument;
class TShotListBox;

// The rows of the shot list: one per shot, and in a project with scenes each
// run of shots under its scene's header (number, heading, running time),
// which folds its shots away and back. A header is no entry the user
// selects: the arrow keys pass over it.
class TShotListGroups {
public:
    // Draws list's scene headers.
    explicit TShotListGroups(TShotListBox* list);

    // Fills the list with the project's rows.
    void Fill(const ProjectDocument& project);
    bool Grouped() const { return !rows_.empty(); }

    // The row of shot, and the shot at row (-1 for a header or none).
    int RowOf(std::size_t shot) const;
    int ShotAt(int row) const;
    // The header at row, or none.
    const ShotListRow* HeaderAt(int row) const;

    // Hides the shots the filter leaves out (a shot is seen when its texts
    // or its scene's number or heading hold the filter) and, without a
    // filter, those of folded scenes; a header is seen while its scene
    // matches or one of its shots is seen. Says whether a shot is seen.
    bool Show(const ProjectDocument& project, const std::string& filter);
    bool ShotSeen(std::size_t shot) const;

    // The running time of shot's scene shown again in its header.
    void ShowHeaderOf(std::size_t shot, const ProjectDocument& project);
    // Folds the header's scene, or unfolds it.
    void ToggleFolded(int row, const ProjectDocument& project, const std::string& filter);
    // Folds or unfolds the scene of shot (Left and Right in the list).
    void SetFolded(std::size_t shot, bool fold, const ProjectDocument& project, const std::string& filter);
    // Unfolds the scene of shot, so that the shot is seen.
    void UnfoldSceneOf(std::size_t shot, const ProjectDocument& project, const std::string& filter);

private:
    std::string HeaderKey(const ShotListRow& row, const ProjectDocument& project) const;
    void ShowHeader(int row, const ProjectDocument& project);

    TShotListBox* list_;
    std::vector<ShotListRow> rows_;
    std::vector<int> rowOfShot_;
    // The folded headers: their scene's id, or "#N" for the shots of none
    // from shot N.
    std::set<std::string> folded_;
};

} // namespace sw
