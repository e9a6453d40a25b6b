#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sw {

// The bytes of one published page as they reach the disk, built as the page
// is written: every line break appended, CR LF, lone CR or lone LF (also a CR
// and an LF that arrive in two appends), goes in as CR LF. One object serves
// page after page and keeps its memory.
class PageText {
public:
    // Empties the page, keeping the memory for the next one.
    void Clear();

    // Appends text, its line breaks written CR LF. Named as std::string's
    // member so that the fragment writers fill a page and a plain text alike.
    void append(std::string_view text);

    // The page's bytes, its last line ended by CR LF as every page ends.
    // Nothing may be appended afterwards but after a Clear.
    std::string_view FinishedBytes();

    std::size_t size() const { return bytes_.size(); }
    void reserve(std::size_t size) { bytes_.reserve(size); }

private:
    std::string bytes_;
    // The last text appended ended with a CR, so an LF that starts the next
    // one belongs to the same line break.
    bool afterCr_ = false;
};

} // namespace sw
