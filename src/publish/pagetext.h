#pragma once

#include <cstddef>
#include <memory>
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

    std::size_t size() const { return size_; }
    // Makes room for size bytes in all.
    void reserve(std::size_t size);

private:
    // The bytes are kept in a buffer of their own rather than a std::string:
    // the page is filled through many short appends, each of which makes room
    // once for the worst case and then copies without further checks.
    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    // The last text appended ended with a CR, so an LF that starts the next
    // one belongs to the same line break.
    bool afterCr_ = false;
};

} // namespace sw
