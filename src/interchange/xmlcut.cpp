#include "interchange/xmlcut.h"

#include "model/error.h"

namespace sw {

TimelineXml::TimelineXml(std::string_view bytes)
    : bytes_(bytes.data(), static_cast<qsizetype>(bytes.size())), reader_(bytes_)
{
}

QXmlStreamReader::TokenType TimelineXml::ReadNext()
{
    const QXmlStreamReader::TokenType token = reader_.readNext();
    if (token == QXmlStreamReader::DTD && !reader_.entityDeclarations().isEmpty())
        throw Error("déclarations d'entités refusées");
    return token;
}

void TimelineXml::CheckWellFormed() const
{
    if (reader_.hasError())
        throw Error("XML mal formé à la ligne " + std::to_string(reader_.lineNumber()));
}

std::optional<Fraction> ParseRationalSeconds(const QString& text)
{
    if (!text.endsWith(QLatin1Char('s')))
        return std::nullopt;
    const QString value = text.chopped(1);
    Fraction fraction;
    bool numberOk = false;
    bool denominatorOk = true;
    const qsizetype slash = value.indexOf(QLatin1Char('/'));
    const qsizetype dot = value.indexOf(QLatin1Char('.'));
    if (slash >= 0) {
        fraction.numerator = value.left(slash).toLongLong(&numberOk);
        fraction.denominator = value.mid(slash + 1).toLongLong(&denominatorOk);
    } else if (dot >= 0) {
        const QString decimals = value.mid(dot + 1).left(6);
        fraction.numerator = (value.left(dot) + decimals).toLongLong(&numberOk);
        fraction.denominator = 1;
        for (qsizetype i = 0; i < decimals.size(); ++i)
            fraction.denominator *= 10;
    } else {
        fraction.numerator = value.toLongLong(&numberOk);
    }
    if (!numberOk || !denominatorOk || fraction.numerator < 0 || fraction.denominator <= 0 ||
        fraction.numerator > (std::int64_t{1} << 40) || fraction.denominator > (std::int64_t{1} << 32))
        return std::nullopt;
    return fraction;
}

} // namespace sw
