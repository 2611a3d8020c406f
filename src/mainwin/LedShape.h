#pragma once
#include <QColor>
#include <QWidget>

// A round LED of the display window: a filled circle whose fill colour is
// its state (the window's background colour when it is off).
class LedShape : public QWidget {
    Q_OBJECT
public:
    LedShape(const QString& name, QWidget* parent);

    QColor FillColor() const { return fill_; }
    void SetFillColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
};
