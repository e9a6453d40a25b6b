#pragma once
// Use: sw::TNetColors colors; if (sw::ExecuteNetColors(colors, parent)) use colors.NetColStr ...

#include <cstdint>
#include <functional>
#include <string>

#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "dialogs/colorswatch.h"
#include "style/netcolorlist.h"
#include "style/netcolors.h"

namespace sw {

// Runs the colour picker modally on colors' sort type and hex option; on
// acceptance copies the choice into colors and returns true. Closing the
// picker by its window frame changes nothing and returns false.
bool ExecuteNetColors(TNetColors& colors, QWidget* parent);

// A picture box: shows an image and reports the pointer over it.
class TPictureBox : public QLabel {
public:
    explicit TPictureBox(QWidget* parent = nullptr);

    std::function<void(int x, int y)> onMouseMove;
    std::function<void(int x, int y)> onMouseDown;
    std::function<void()> onDoubleClick;

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};

// The colour picker: a strip of 18 primary colours and a palette of the 140 web
// colours, with the hovered colour's number, name and hex value.
class TNetCForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int primarySize = 12;
    static constexpr int primaryCount = 18;
    static constexpr int paletteColumns = 14;
    static constexpr int paletteRows = 10;

    TNetCForm(int sortType, bool hexOption, QWidget* parent = nullptr);

    // The primary strip's names and values (0x00BBGGRR), by strip position.
    static const char* PrimaryName(int position);
    static std::int32_t PrimaryColor(int position);

    void DrawPrimaryColours();
    void DrawPalette();
    void PrimCBoxMouseMove(int x, int y);
    void PrimCBoxMouseDown();
    void ColorBoxMouseMove(int x, int y);
    void ColorBoxMouseDown();
    void ColorBoxDblClick();
    void alphaChkClick();
    void hexCheckClick();
    // Shows the entry's number, name and hex text and paints the hover swatch;
    // nothing for an index outside the table.
    void ShowInfo(int index);

    const std::string& ChosenText() const { return chosenText_; }
    std::int32_t ChosenValue() const { return chosenValue_; }

    QLabel* IndexLabel;
    QLabel* NameLabel;
    QLabel* HexLabel;
    TColorSwatch* Shape1;
    QLabel* Label1;
    TPictureBox* PrimCBox;
    QLabel* Label2;
    TPictureBox* ColorBox;
    QCheckBox* alphaChk;
    QCheckBox* hexCheck;
    TColorSwatch* ChosenColor;
    QLabel* NetColLabel;
    QPushButton* okBtn;
    QPushButton* cancelBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The controls in their layout, which sizes the dialog.
    void LayOutControls();
    void SetChosenText(const std::string& text);
    void PaintChosen(std::int32_t value);

    TNetColorList colorList_;
    int cellSize_ = 15;
    int highIndex_ = 139;
    int sortType_ = 0;
    int primaryPosition_ = 0;
    int paletteIndex_ = -1;
    std::string rememberedName_;
    std::string rememberedHex_;
    std::string chosenText_ = "black";
    std::int32_t chosenValue_ = 0;
};

} // namespace sw
