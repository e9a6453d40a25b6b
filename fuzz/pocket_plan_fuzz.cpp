// Any project the loader accepts makes a pocket plan that is valid UTF-8 and
// that, parsed again by gumbo, neither runs nor loads anything but its own:
// one script and one style sheet, the plan's; no handler attribute; no
// picture but a data: one; no link but to the plan's own anchors or a web or
// mail address; no frame, object, embed, base, link, svg or math; no style
// attribute that names a url().
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include <gumbo.h>

#include "document/projectdocument.h"
#include "document/projectfile.h"
#include "model/error.h"
#include "model/utf8.h"
#include "publish/pocketplan.h"
#include "publish/pocketstyle.h"

namespace {

std::string Squeezed(std::string_view text)
{
    std::string squeezed;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) <= 0x20)
            continue;
        squeezed += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return squeezed;
}

std::string TextOf(const GumboElement& element)
{
    std::string text;
    for (unsigned i = 0; i < element.children.length; ++i) {
        const auto* child = static_cast<const GumboNode*>(element.children.data[i]);
        if (child->type == GUMBO_NODE_TEXT || child->type == GUMBO_NODE_WHITESPACE)
            text += child->v.text.text;
    }
    return text;
}

struct Counts {
    int scripts = 0;
    int styles = 0;
};

void Check(const GumboNode* node, Counts& counts)
{
    if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_DOCUMENT)
        return;
    const GumboVector& children =
        node->type == GUMBO_NODE_ELEMENT ? node->v.element.children : node->v.document.children;
    if (node->type == GUMBO_NODE_ELEMENT) {
        const GumboElement& element = node->v.element;
        if (element.tag == GUMBO_TAG_SCRIPT) {
            ++counts.scripts;
            if (TextOf(element) != "\n" + std::string(sw::PocketScript()))
                std::abort();
        }
        if (element.tag == GUMBO_TAG_STYLE)
            ++counts.styles;
        for (const GumboTag active : {GUMBO_TAG_IFRAME, GUMBO_TAG_FRAME, GUMBO_TAG_OBJECT, GUMBO_TAG_EMBED,
                                      GUMBO_TAG_BASE, GUMBO_TAG_APPLET, GUMBO_TAG_SVG, GUMBO_TAG_MATH, GUMBO_TAG_LINK})
            if (element.tag == active)
                std::abort();
        for (unsigned i = 0; i < element.attributes.length; ++i) {
            const auto* attribute = static_cast<const GumboAttribute*>(element.attributes.data[i]);
            const std::string name = Squeezed(attribute->name);
            const std::string value = Squeezed(attribute->value);
            if (name.rfind("on", 0) == 0)
                std::abort();
            if (name == "src" && value.rfind("data:image/", 0) != 0)
                std::abort();
            if (name == "href" && value.rfind("#", 0) != 0 && value.rfind("http:", 0) != 0
                && value.rfind("https:", 0) != 0 && value.rfind("mailto:", 0) != 0)
                std::abort();
            if (name == "style" && (value.find("url(") != std::string::npos || value.find("expression(") != std::string::npos))
                std::abort();
        }
    }
    for (unsigned i = 0; i < children.length; ++i)
        Check(static_cast<const GumboNode*>(children.data[i]), counts);
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
    const std::optional<sw::PocketPlan> plan = sw::MakePocketPlan(project, {});
    if (!plan || !sw::IsValidUtf8(plan->html))
        std::abort();
    GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, plan->html.data(), plan->html.size());
    Counts counts;
    Check(output->document, counts);
    gumbo_destroy_output(&kGumboDefaultOptions, output);
    if (counts.scripts != 1 || counts.styles != 1)
        std::abort();
    return 0;
}
