#pragma once

#include <QAbstractButton>
#include <QColor>

// One large, checkable patch of colour; a checked swatch wears a ring and a
// tick in whichever of black or white stands out on it.
class ColourSwatch : public QAbstractButton {
    Q_OBJECT
public:
    ColourSwatch(const QColor &colour, const QString &name, QWidget *parent = nullptr);

    QColor colour() const { return m_colour; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};
