#pragma once

#include <QDialog>
#include <QFont>
#include <QString>

namespace sw {

// Gives a dialog the frame of the editor's fixed-size windows: a caption,
// close by the system menu only, and an unchangeable client size.
inline void SetUpFixedDialog(QDialog& dialog, const QString& caption, int width, int height)
{
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    dialog.setFixedSize(width, height);
}

// The 13-pixel Arial of the style and page-layout dialogs.
inline QFont DialogFont()
{
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(13);
    return arial;
}

} // namespace sw
