#include "model/textform.h"

#include "model/error.h"

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

} // namespace sw
