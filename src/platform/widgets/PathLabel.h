#pragma once
// A one-line label for a file's path. When the path does not fit, its folders give way in their middle, so
// where the path starts and the file's name stay in view; only a name too long on its own is shortened itself.
// text() stays the whole path, and so does what screen readers announce; the shortened form follows every resize.

#include <QLabel>

namespace platform {

class PathLabel : public QLabel {
    Q_OBJECT
public:
    explicit PathLabel(QWidget* parent = nullptr);

    // What the label shows at its present width.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect TextArea() const;
};

} // namespace platform
