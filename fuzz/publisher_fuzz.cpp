// Any project the loader accepts is published into a site folder of its own
// and nowhere else, and no page, parsed again by gumbo, holds a construct that
// runs code other than the site's own: no handler attribute, no script
// address but the viewer's "javaScript:getPlan(N)", no script element but the
// viewer's, no style that runs code.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <string_view>

#include <gumbo.h>
#include <unistd.h>

#include "fuzzsupport.h"
#include "document/projectdocument.h"
#include "document/projectfile.h"
#include "model/error.h"
#include "publish/htmpublish.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Scratch()
{
    static const fs::path folder = fuzzsupport::MakeScratchFolder("shotweave-publisher-fuzz");
    return folder;
}

std::string Lowered(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Blanks and control characters removed, as a browser reads a scheme.
std::string Squeezed(std::string_view text)
{
    std::string squeezed;
    for (const char c : text)
        if (static_cast<unsigned char>(c) > 0x20)
            squeezed += c;
    return Lowered(squeezed);
}

// The viewer's own scripts: its file, its writers of the shown shot.
bool IsSitesOwnScript(const GumboElement& element)
{
    if (const GumboAttribute* source = gumbo_get_attribute(&element.attributes, "src"))
        return std::string_view(source->value) == "vScript.js";
    if (element.children.length != 1)
        return element.children.length == 0;
    const auto* text = static_cast<const GumboNode*>(element.children.data[0]);
    static const std::regex own(R"(document\.write\(get(Name\(\)|Section\(\d\)|Pict\(\))\))");
    return text->type == GUMBO_NODE_TEXT && std::regex_match(text->v.text.text, own);
}

void Check(const GumboNode* node)
{
    if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_DOCUMENT)
        return;
    const GumboVector& children =
        node->type == GUMBO_NODE_ELEMENT ? node->v.element.children : node->v.document.children;
    if (node->type == GUMBO_NODE_ELEMENT) {
        const GumboElement& element = node->v.element;
        if (element.tag == GUMBO_TAG_SCRIPT && !IsSitesOwnScript(element))
            std::abort();
        for (const GumboTag active : {GUMBO_TAG_IFRAME, GUMBO_TAG_OBJECT, GUMBO_TAG_EMBED, GUMBO_TAG_BASE,
                                      GUMBO_TAG_APPLET, GUMBO_TAG_SVG, GUMBO_TAG_MATH})
            if (element.tag == active)
                std::abort();
        for (unsigned i = 0; i < element.attributes.length; ++i) {
            const auto* attribute = static_cast<const GumboAttribute*>(element.attributes.data[i]);
            const std::string name = Lowered(attribute->name);
            const std::string value = Squeezed(attribute->value);
            if (name.rfind("on", 0) == 0)
                std::abort();
            if ((name == "href" || name == "src") && !std::regex_match(attribute->value, std::regex(R"(javaScript:getPlan\(\d+\))"))
                && (value.rfind("javascript:", 0) == 0 || value.rfind("vbscript:", 0) == 0
                    || (value.rfind("data:", 0) == 0 && value.rfind("data:image/", 0) != 0)))
                std::abort();
            if (name == "style" && (value.find("expression(") != std::string::npos
                                    || value.find("javascript:") != std::string::npos))
                std::abort();
        }
    }
    for (unsigned i = 0; i < children.length; ++i)
        Check(static_cast<const GumboNode*>(children.data[i]));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sw::ProjectDocument project;
    try {
        sw::LoadProjectBytes(project, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const sw::Error&) {
        return 0;
    }
    const fs::path site = Scratch() / "site";
    fs::remove_all(site);
    fs::create_directories(site);
    sw::THTMPublish publisher(project, site);
    try {
        publisher.Publish();
    } catch (const sw::Error&) {
        return 0;  // a cover name that is not a plain file name, refused
    }
    // Nothing beside the site folder, nothing but the pages in it.
    for (const auto& entry : fs::directory_iterator(Scratch()))
        if (entry.path() != site)
            std::abort();
    for (const auto& entry : fs::directory_iterator(site)) {
        if (!entry.is_regular_file())
            std::abort();
        const std::string name = entry.path().filename().string();
        if (name.ends_with(".css") || name.ends_with(".js"))
            continue;
        const std::string page = fuzzsupport::ReadAll(entry.path());
        GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, page.data(), page.size());
        Check(output->document);
        gumbo_destroy_output(&kGumboDefaultOptions, output);
    }
    return 0;
}
