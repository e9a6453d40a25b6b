#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include <QString>
#include <QXmlStreamReader>

namespace sw {

// A reader of the XML timelines that refuses a document type with entities,
// which no timeline needs and which could expand without end.
class TimelineXml {
public:
    explicit TimelineXml(std::string_view bytes);
    QXmlStreamReader& Reader() { return reader_; }
    // The next token; throws sw::Error at a document type that declares
    // entities.
    QXmlStreamReader::TokenType ReadNext();
    // Throws sw::Error naming the line when the document is not well formed.
    void CheckWellFormed() const;

private:
    QByteArray bytes_;
    QXmlStreamReader reader_;
};

// A time as a fraction of seconds: "125/25s", "5s", "2.5s".
struct Fraction {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
};
std::optional<Fraction> ParseRationalSeconds(const QString& text);

} // namespace sw
