#include "sanitize/htmltext.h"

#include <gumbo.h>

#include "sanitize/htmllines.h"

namespace sw {

namespace {

bool StartsLine(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_BR:
    case GUMBO_TAG_P:
    case GUMBO_TAG_DIV:
    case GUMBO_TAG_LI:
    case GUMBO_TAG_TR:
    case GUMBO_TAG_H1:
    case GUMBO_TAG_H2:
    case GUMBO_TAG_H3:
    case GUMBO_TAG_H4:
    case GUMBO_TAG_H5:
    case GUMBO_TAG_H6:
    case GUMBO_TAG_PRE:
    case GUMBO_TAG_BLOCKQUOTE:
    case GUMBO_TAG_UL:
    case GUMBO_TAG_OL:
    case GUMBO_TAG_TABLE:
    case GUMBO_TAG_DT:
    case GUMBO_TAG_DD:
    case GUMBO_TAG_HR:
        return true;
    default:
        return false;
    }
}

class PlainTextWriter {
public:
    void Walk(const GumboNode* node)
    {
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE || node->type == GUMBO_NODE_CDATA) {
            Append(node->v.text.text);
            return;
        }
        if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_DOCUMENT && node->type != GUMBO_NODE_TEMPLATE)
            return;
        const GumboTag tag = node->type == GUMBO_NODE_DOCUMENT ? GUMBO_TAG_UNKNOWN : node->v.element.tag;
        if (tag == GUMBO_TAG_SCRIPT || tag == GUMBO_TAG_STYLE || tag == GUMBO_TAG_HEAD)
            return;
        if (StartsLine(tag))
            NewLine();
        if (tag == GUMBO_TAG_LI)
            text_ += "• ";
        if (tag == GUMBO_TAG_TD || tag == GUMBO_TAG_TH)
            Space();
        const GumboVector& children =
            node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
        for (unsigned int i = 0; i < children.length; ++i)
            Walk(static_cast<const GumboNode*>(children.data[i]));
        if (StartsLine(tag))
            NewLine();
    }

    std::string Text()
    {
        while (!text_.empty() && (text_.back() == ' ' || text_.back() == '\n'))
            text_.pop_back();
        return std::move(text_);
    }

private:
    void Append(const char* text)
    {
        for (const char* c = text; *c != '\0'; ++c) {
            if (*c == ' ' || *c == '\t' || *c == '\r' || *c == '\n' || *c == '\f')
                Space();
            else
                text_ += *c;
        }
    }

    void Space()
    {
        if (!text_.empty() && text_.back() != ' ' && text_.back() != '\n')
            text_ += ' ';
    }

    void NewLine()
    {
        while (!text_.empty() && text_.back() == ' ')
            text_.pop_back();
        if (!text_.empty() && text_.back() != '\n')
            text_ += '\n';
    }

    std::string text_;
};

} // namespace

std::string HtmlPlainText(std::string_view html)
{
    const std::string field = WithTypedLineBreaks(html);
    GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, field.data(), field.size());
    PlainTextWriter writer;
    writer.Walk(output->document);
    gumbo_destroy_output(&kGumboDefaultOptions, output);
    return writer.Text();
}

} // namespace sw
