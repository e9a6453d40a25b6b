#pragma once

#include <QDialog>
#include <QFont>
#include <QGuiApplication>
#include <QScreen>
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

// The Arial of the dialogs: 13 pixels in the style and page-layout dialogs,
// 12 in the small prompts.
inline QFont DialogFont(int pixelSize = 13)
{
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(pixelSize);
    return arial;
}

// Gives a dialog whose layout sizes it the frame of the editor's dialogs: a
// caption, close by the system menu only.
inline void SetUpDialog(QDialog& dialog, const QString& caption)
{
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
}

// Puts a dialog about to be shown in the middle of the primary screen.
inline void CenterOnPrimaryScreen(QDialog& dialog)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
}

} // namespace sw
