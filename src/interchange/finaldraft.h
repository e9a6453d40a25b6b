#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "screenplay/fountain.h"

namespace sw {

// A Final Draft file larger than this is refused before it is read.
inline constexpr std::uintmax_t kMaxFinalDraftFileBytes = 50ull * 1024 * 1024;

// Reads a Final Draft screenplay (".fdx", XML): the paragraphs of its
// content as the Fountain reader reads the same screenplay, through
// ScreenplayBuilder, one shot per scene named after its heading (the format
// has no plan notes). Scene headings keep their Number; action, general and
// shot paragraphs are action; characters, parentheticals and dialogue make
// speeches, the second speaker of a DualDialogue marked as such;
// transitions are dropped. A run's Style (Bold, Italic, Underline) becomes
// tags. The title is the first non-empty paragraph of the title page, the
// author the first one after a paragraph that ends in "by" or "par".
// Throws sw::Error with a French reason for a document that is not
// well-formed XML, declares entities or is not a Final Draft document.
Screenplay ReadFinalDraft(std::string_view bytes);

// ReadFinalDraft on a file's bytes; a missing file, a special file, one over
// kMaxFinalDraftFileBytes or a broken one is refused with a French sentence
// naming the file.
Screenplay ReadFinalDraftFile(const std::filesystem::path& file);

} // namespace sw
