#include "SwatchColourDialog.h"

#include "ColourSwatch.h"
#include "TouchSizing.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace {

// One column per family, light to dark; each name is also the colour's SVG
// name once its blanks are taken out.
constexpr std::array<const char *, 54> swatchNames = {
    "Pink", "Light Coral", "Red", "Crimson", "Firebrick", "Dark Red",
    "Peach Puff", "Light Salmon", "Orange", "Dark Orange", "Orange Red", "Chocolate",
    "Light Yellow", "Khaki", "Yellow", "Gold", "Goldenrod", "Olive",
    "Pale Green", "Light Green", "Lime", "Lime Green", "Green", "Dark Green",
    "Light Cyan", "Aquamarine", "Cyan", "Turquoise", "Light Sea Green", "Teal",
    "Light Blue", "Sky Blue", "Deep Sky Blue", "Royal Blue", "Blue", "Navy",
    "Lavender", "Plum", "Violet", "Magenta", "Purple", "Indigo",
    "Wheat", "Tan", "Peru", "Sienna", "Saddle Brown", "Maroon",
    "White", "Light Grey", "Silver", "Grey", "Dim Grey", "Black",
};
constexpr int rows = int(swatchNames.size()) / SwatchColourDialog::columns;

} // namespace

SwatchColourDialog::SwatchColourDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("colourDialog"));
    setWindowTitle(QStringLiteral("Colour"));

    auto *grid = new QGridLayout;
    grid->setSpacing(8);
    for (int i = 0; i < int(swatchNames.size()); ++i) {
        const QString name = QString::fromLatin1(swatchNames[i]);
        const QColor colour(name.toLower().remove(QChar(' ')));
        auto *swatch = new ColourSwatch(colour, name, this);
        m_swatches.addButton(swatch);
        grid->addWidget(swatch, i % rows, i / rows);
    }
    m_swatches.setExclusive(true);
    connect(&m_swatches, &QButtonGroup::buttonClicked, this, &SwatchColourDialog::choose);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(16);
    layout->addLayout(grid);
    layout->addWidget(m_buttons);
    Touch::enlargeForTouch(this);
}

std::optional<QColor> SwatchColourDialog::chosenColour() const
{
    if (auto *swatch = qobject_cast<ColourSwatch *>(m_swatches.checkedButton()))
        return swatch->colour();
    return std::nullopt;
}

void SwatchColourDialog::choose(QAbstractButton *swatch)
{
    swatch->setChecked(true);
    QPushButton *ok = m_buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(true);
    ok->setDefault(true);
}
