#include "model/textform.h"

#include "model/error.h"
#include "model/textconv.h"

namespace sw {

std::string NextField(std::string_view& remaining)
{
    const std::size_t position = remaining.find(FieldSep);
    if (position == std::string_view::npos)
        return std::string();
    std::string field(remaining.substr(0, position));
    remaining.remove_prefix(position + FieldSep.size());
    return field;
}

void AppendField(std::string& form, std::string_view field, std::string_view label, std::string_view context)
{
    if (field.find(FieldSep) != std::string_view::npos || (!field.empty() && field.back() == '|'))
        throw Error("Le champ « " + std::string(label) + std::string(context)
                    + " » ne peut pas être enregistré : il contient « |||| » ou se termine par « | ».");
    form.append(field);
    form.append(FieldSep);
}

std::string BoolToText(bool flag)
{
    return flag ? "1" : "0";
}

bool TextToBool(std::string_view text)
{
    return Trim(text) != "0";
}

std::string CutItem(std::string& text)
{
    const auto separator = text.find(';');
    if (separator == std::string::npos)
        return {};
    std::string item = text.substr(0, separator);
    text.erase(0, separator + 1);
    return item;
}

std::string ReplaceText(std::string_view text, std::string_view from, std::string_view to)
{
    if (from.empty())
        return std::string(text);
    std::string result;
    std::size_t start = 0;
    for (std::size_t found = text.find(from); found != std::string_view::npos; found = text.find(from, start)) {
        result.append(text.substr(start, found - start));
        result.append(to);
        start = found + from.size();
    }
    result.append(text.substr(start));
    return result;
}

std::string JoinItems(std::initializer_list<std::string_view> items)
{
    std::string text;
    for (const std::string_view item : items) {
        text += item;
        text += ';';
    }
    return text;
}

} // namespace sw
