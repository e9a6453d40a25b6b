#pragma once
// Use: TStyleBoxHost host{pickColour, showMessage}; host.Run([&] { ... });
// What the style dialog's boxes share: what the dialog lends them (the colour
// picker and the message box) and the way their buttons and swatches look.

#include <exception>
#include <functional>
#include <optional>

#include <QPushButton>
#include <QString>

#include "dialogs/colorswatch.h"

#include "qtshared/uitext.h"
#include "style/netcolors.h"

namespace sw {

struct TStyleBoxHost {
    // The colour the user picked, or nothing when the picker was cancelled.
    std::function<std::optional<TNetColors>()> pickColour;
    std::function<void(const QString& message)> showMessage;

    // Runs a command of a box; an error stops it and is shown once.
    void Run(const std::function<void()>& action) const
    {
        try {
            action();
        } catch (const std::exception& error) {
            showMessage(uitext::FromUtf8(error.what()));
        }
    }
};

// A button of the dialog: Enter in an edit must not press it.
inline QPushButton* StyleButton(QWidget* parent, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    return button;
}

// A swatch the user clicks for a colour: a small fixed box.
inline TColorSwatch* ColourBox(QWidget* parent)
{
    auto* swatch = new TColorSwatch(parent);
    swatch->setFixedSize(30, 20);
    swatch->setCursor(Qt::PointingHandCursor);
    return swatch;
}

} // namespace sw
