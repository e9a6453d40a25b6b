#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "style/linkspecs.h"
#include "style/styletables.h"
#include "style/stylespecs.h"

namespace sw {

class ValueReader;
class ValueWriter;

// The style set of the published site: sixteen style elements, three link
// states, the page colours, default font and page margin, and the row tables
// the elements are built from. A plain value: copies are independent.
class TStylePrefs {
public:
    // Every row table entry and link colour index not set, then SetDefaults
    // (which builds the elements from UnitDefaults).
    TStylePrefs();

    // Resets the page-level fields and rebuilds the elements and link states;
    // row table entries already set stay as they are.
    void SetDefaults();
    // Replaces the sixteen elements by new ones built from the row tables.
    void BuildElements();
    // Rebuilds the three link states from linkColorIndexes.
    void SetLinkDefaults();
    // The start-up step of the editor: the application's element table goes
    // into rows 0..13, then the elements and link states are rebuilt.
    void ApplyAppStyleTable();

    // The three link states as nine fields, each followed by ";".
    std::string LinksToText() const;
    // Reads the link states back; throws sw::Error on a colour value that is
    // not an integer, keeping the fields assigned before it.
    void LinksFromText(std::string_view text);

    // elements[to] takes every field of elements[from] through the text form.
    void CopyElement(int from, int to);

    // The CSS text of the style set.
    std::string BuildStyleSheet() const;

    // Style file (".sprf", section "STYLEPREFS", Windows-1252 text); other
    // sections and keys of an existing file are kept. Throws sw::Error with
    // CharacterOutsideCp1252Message when a text holds a character the file
    // cannot, before anything is written, or "Unable to write to <file>".
    void SaveToIni(const std::filesystem::path& file) const;
    // Reads a style file; missing keys take their defaults. A bad number in
    // an element stops the load with sw::Error, keeping what was read before.
    void LoadFromIni(const std::filesystem::path& file);

    // The style block of the project file: 30 values.
    void SaveToWriter(ValueWriter& writer) const;
    void LoadFromReader(ValueReader& reader);

    // Equal when both write the same style block: the row tables, the
    // descriptions and prefsDir are not in the block and are left out.
    bool operator==(const TStylePrefs& other) const;

    std::string PMargin;  // at most 255 characters
    std::string BGColor, BodyColor, LinkColor, ALinkColor, VLinkColor;
    std::int32_t BGSysCol = 0, BodySysCol = 0, LinkSysColor = 0, ALinkSysColor = 0, VLinkSysColor = 0;
    std::array<TStyleSpecs, kStyleElementCount> elements;
    std::array<std::string, kStyleElementCount> descriptions;
    std::array<std::string, kStyleElementCount> selectors;
    std::array<std::string, kStyleElementCount> shortNames;
    std::array<int, kStyleElementCount> alignIndexes{};
    std::array<int, kStyleElementCount> fontSizes{};
    std::array<int, kStyleElementCount> colorIndexes{};
    std::array<int, kStyleElementCount> backgroundIndexes{};
    std::array<TLinkSpecs, kLinkStateCount> links;
    std::array<int, kLinkStateCount> linkColorIndexes{};
    std::string DefFontFace;
    std::string sFileName;
    std::string prefsDir;  // where the export and import dialogs open

private:
    std::string BoxLines(int index) const;
    std::string AlignLine(int index) const;
};

// A page margin is cut to its first 255 characters.
inline constexpr std::size_t kMaxPageMarginLength = 255;

} // namespace sw
