#pragma once
// A frame whose caption has a font and colour of its own. The controls inside keep the window's font and text
// colour: setting them on the frame itself would pass them on to every child.

#include <QColor>
#include <QFont>
#include <QGroupBox>

class CaptionFrame : public QGroupBox {
public:
    CaptionFrame(const QString& caption, const QFont& captionFont, QWidget* parent);

    QColor CaptionColor() const { return captionColor; }
    void SetCaptionColor(const QColor& color);
    QFont CaptionFont() const { return captionFont; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont captionFont;
    QColor captionColor = Qt::black;
};
