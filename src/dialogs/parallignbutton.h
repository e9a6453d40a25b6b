#pragma once
// Use: auto* b = new sw::TParAlignButton(parent); b->setParIndex(2); ... b->parIndex().
// The glyph strip "PARBTNIMG" lives in resources/styledlg.qrc, which the button
// registers itself.

#include <array>

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace sw {

enum class TParAlignType { pAlLeft, pAlRight, pAlCenter, pAlJustify };

// Shows a caption and the glyph of the current paragraph alignment; pressing it
// opens the strip of the four glyphs, releasing over one of them picks it.
class TParAlignButton : public QWidget {
    Q_OBJECT
public:
    static constexpr int glyphSize = 16;

    explicit TParAlignButton(QWidget* parent = nullptr);

    int parIndex() const { return parIndex_; }
    void setParIndex(int index);
    TParAlignType parAlignType() const { return parAlignType_; }
    void setParAlignType(TParAlignType type);
    bool shortType() const { return shortType_; }
    void setShortType(bool value) { shortType_ = value; }
    QString caption() const { return caption_; }
    // Takes effect at the next repaint.
    void setCaption(const QString& caption) { caption_ = caption; }

    bool expanded() const { return expanded_; }
    int captionWidth() const { return captionWidth_; }
    const QPixmap& glyph(int index) const { return glyphs_.at(static_cast<size_t>(index)); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void BuildGlyphs();
    QFont CaptionFont() const;
    // The caption width and the control width follow the caption and the
    // expanded state; painting and the mouse handlers both rely on them.
    void UpdateGeometry();

    int parIndex_ = 0;
    TParAlignType parAlignType_ = TParAlignType::pAlLeft;
    bool shortType_ = false;
    QString caption_;
    QImage glyphStrip_;
    std::array<QPixmap, 4> glyphs_;
    int captionWidth_ = 0;
    bool expanded_ = false;
};

} // namespace sw
