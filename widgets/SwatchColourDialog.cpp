#include "widgets/SwatchColourDialog.h"

#include "widgets/ColourSwatch.h"
#include "widgets/TouchSizing.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

SwatchColourDialog::SwatchColourDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("colourDialog"));
    setWindowTitle(tr("Colour"));

    // One column per family, light to dark; each English name is also the
    // colour's SVG name once its blanks are taken out.
    static constexpr std::array<const char *, 54> swatchNames = {
        QT_TR_NOOP("Pink"), QT_TR_NOOP("Light Coral"), QT_TR_NOOP("Red"), QT_TR_NOOP("Crimson"), QT_TR_NOOP("Firebrick"), QT_TR_NOOP("Dark Red"),
        QT_TR_NOOP("Peach Puff"), QT_TR_NOOP("Light Salmon"), QT_TR_NOOP("Orange"), QT_TR_NOOP("Dark Orange"), QT_TR_NOOP("Orange Red"), QT_TR_NOOP("Chocolate"),
        QT_TR_NOOP("Light Yellow"), QT_TR_NOOP("Khaki"), QT_TR_NOOP("Yellow"), QT_TR_NOOP("Gold"), QT_TR_NOOP("Goldenrod"), QT_TR_NOOP("Olive"),
        QT_TR_NOOP("Pale Green"), QT_TR_NOOP("Light Green"), QT_TR_NOOP("Lime"), QT_TR_NOOP("Lime Green"), QT_TR_NOOP("Green"), QT_TR_NOOP("Dark Green"),
        QT_TR_NOOP("Light Cyan"), QT_TR_NOOP("Aquamarine"), QT_TR_NOOP("Cyan"), QT_TR_NOOP("Turquoise"), QT_TR_NOOP("Light Sea Green"), QT_TR_NOOP("Teal"),
        QT_TR_NOOP("Light Blue"), QT_TR_NOOP("Sky Blue"), QT_TR_NOOP("Deep Sky Blue"), QT_TR_NOOP("Royal Blue"), QT_TR_NOOP("Blue"), QT_TR_NOOP("Navy"),
        QT_TR_NOOP("Lavender"), QT_TR_NOOP("Plum"), QT_TR_NOOP("Violet"), QT_TR_NOOP("Magenta"), QT_TR_NOOP("Purple"), QT_TR_NOOP("Indigo"),
        QT_TR_NOOP("Wheat"), QT_TR_NOOP("Tan"), QT_TR_NOOP("Peru"), QT_TR_NOOP("Sienna"), QT_TR_NOOP("Saddle Brown"), QT_TR_NOOP("Maroon"),
        QT_TR_NOOP("White"), QT_TR_NOOP("Light Grey"), QT_TR_NOOP("Silver"), QT_TR_NOOP("Grey"), QT_TR_NOOP("Dim Grey"), QT_TR_NOOP("Black"),
    };
    constexpr int rows = int(swatchNames.size()) / columns;

    auto *grid = new QGridLayout;
    grid->setSpacing(8);
    for (int i = 0; i < int(swatchNames.size()); ++i) {
        const QString name = QString::fromLatin1(swatchNames[i]);
        const QColor colour(name.toLower().remove(QChar(' ')));
        auto *swatch = new ColourSwatch(colour, tr(swatchNames[i]), this);
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
