#pragma once

#include <QButtonGroup>
#include <QColor>
#include <QDialog>

#include <optional>

class QDialogButtonBox;

// The colour picker made for a finger: a grid of large swatches, light to dark
// down each column, with OK and Cancel. Nothing is chosen at first, and there
// is no way to mix a colour of one's own.
class SwatchColourDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int columns = 9;

    explicit SwatchColourDialog(QWidget *parent = nullptr);

    std::optional<QColor> chosenColour() const;

private:
    void choose(QAbstractButton *swatch);

    QButtonGroup m_swatches;
    QDialogButtonBox *m_buttons;
};
