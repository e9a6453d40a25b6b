#pragma once

#include <string>
#include <string_view>

namespace sw {

class ValueReader;
class ValueWriter;

// Each record below has a one-line text form: its fields in order, each
// followed by ";", flags written "1"/"0". Reading takes the fields back with
// CutItem; a missing text field reads empty and a missing flag reads true.
// Their equality is defaulted: every member is written to the text form.

// Frameset of the entry page.
struct TFrameSpecs {
    std::string menuHeight = "20";
    bool borderVisible = false;
    std::string borderWidth = "1";
    bool spareFlag = false;     // carried in the text form only
    std::string spareText;      // carried in the text form only

    std::string ToText() const;
    void SetDefaults();
    void FromText(std::string_view text);

    bool operator==(const TFrameSpecs&) const = default;
};

// Entries of the site's menu.
struct TMenuSpecs {
    bool showShots = true;
    bool showStoryboard = true;
    bool showReport = true;
    bool returnLink = false;
    std::string returnUrl = "../index.html";

    std::string ToText() const;
    void SetDefaults();
    void FromText(std::string_view text);

    bool operator==(const TMenuSpecs&) const = default;
};

// The entry (cover) page.
struct TCoverSpecs {
    bool separateCover = false;
    std::string coverFile = "cover.htm";
    bool separator = true;
    std::string separatorWidth = "400";

    std::string ToText() const;
    void SetDefaults();
    void FromText(std::string_view text);

    bool operator==(const TCoverSpecs&) const = default;
};

// Data tables, and the plain shots page instead of the script-driven viewer.
struct TPageSpecs {
    std::string tableWidth = "90%";
    std::string tableMargin = "7";
    bool noJSPlan = false;

    std::string ToText() const;
    // noJSPlanDefault is the application setting "noJSPlan".
    void SetDefaults(bool noJSPlanDefault);
    void FromText(std::string_view text);

    bool operator==(const TPageSpecs&) const = default;
};

// Page-layout preferences of the published site. A plain value: copies are
// independent.
class THTMPrefs {
public:
    explicit THTMPrefs(bool noJSPlanDefault = false);

    // Defaults of the four records; noJSPlanDefault is the application
    // setting "noJSPlan".
    void SetDefaults(bool noJSPlanDefault);

    // The layout block of the project file: the four text forms as strings.
    void SaveToWriter(ValueWriter& writer) const;
    void LoadFromReader(ValueReader& reader);

    // Defaulted: the block is the four text forms and nothing else.
    bool operator==(const THTMPrefs&) const = default;

    TFrameSpecs frameSpecs;
    TMenuSpecs menuSpecs;
    TCoverSpecs coverSpecs;
    TPageSpecs pageSpecs;
};

} // namespace sw
