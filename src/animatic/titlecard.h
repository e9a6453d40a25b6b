#pragma once

#include <cstddef>
#include <filesystem>

#include <QSize>
#include <QString>

class QPainter;

namespace sw {
class TEvent;
struct ShotTime;
}

namespace sw::animatic {

// What the card of a shot without a picture says.
struct TitleCardText {
    QString heading;   // "3. Escalier": the shot's number and name
    QString action;    // the first line of its action, without markup
    QString notes;     // small lines: the default duration, a missing picture
};

// The card's texts for the shot numbered number (from 1); a defaulted shot
// gets "durée par défaut : N s".
TitleCardText MakeTitleCardText(const TEvent& shot, std::size_t number, const ShotTime& time, int defaultSeconds);

// Draws the card over the whole of a size-sized area at the painter's
// origin: the texts centred on a neutral dark background, sized after the
// area's height so that the card reads the same at any size.
void DrawTitleCard(QPainter& painter, QSize size, const TitleCardText& text);

// The text a reader sees in a field that is HTML by design: the markup
// gone, the entities decoded, its lines kept (a typed line break counts as
// one where the field lays out no lines of its own). Nothing is loaded.
QString VisibleText(const std::string& htmlField);

// Writes the card of one shot as a PNG file of the given size, atomically:
// for the timeline exports' media folder. Throws sw::Error
// "Le fichier « <name> » ne peut pas être écrit : …" when it cannot.
void WriteTitleCardPng(const std::filesystem::path& png, const TEvent& shot, std::size_t number,
                       const ShotTime& time, int defaultSeconds, QSize size);

} // namespace sw::animatic
