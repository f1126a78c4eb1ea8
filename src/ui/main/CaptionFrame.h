#pragma once
// A frame whose caption has a font and colour of its own. The controls inside keep the window's font and text
// colour: setting them on the frame itself would pass them on to every child. The caption colours are meant for a
// light face; where the palette makes the frame's face dark, the caption stands on a light patch of its own.

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QStyleOptionGroupBox>

class CaptionFrame : public QGroupBox {
public:
    CaptionFrame(const QString& caption, const QFont& captionFont, QWidget* parent);

    QColor CaptionColor() const { return captionColor; }
    void SetCaptionColor(const QColor& color);
    QFont CaptionFont() const { return captionFont; }
    // Where the caption is drawn, in the frame's pixels.
    QRect CaptionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStyleOptionGroupBox CaptionOption() const;

    QFont captionFont;
    QColor captionColor = Qt::black;
};
