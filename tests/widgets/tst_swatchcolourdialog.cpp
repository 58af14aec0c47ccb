#include "widgets/ColourSwatch.h"
#include "widgets/SwatchColourDialog.h"

#include <QAbstractSpinBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

class SwatchColourDialogTest : public QObject {
    Q_OBJECT
private slots:
    void offersManyDistinctLargeSwatches();
    void offersNoWayToMixColours();
    void lastTapIsTheOneChosen();
};

namespace {

ColourSwatch *swatchNamed(const SwatchColourDialog &dialog, const QString &name)
{
    for (ColourSwatch *swatch : dialog.findChildren<ColourSwatch *>())
        if (swatch->accessibleName() == name)
            return swatch;
    return nullptr;
}

QPushButton *okButton(const SwatchColourDialog &dialog)
{
    return dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
}

} // namespace

void SwatchColourDialogTest::offersManyDistinctLargeSwatches()
{
    SwatchColourDialog dialog;
    dialog.show();
    const auto swatches = dialog.findChildren<ColourSwatch *>();
    QVERIFY(swatches.size() >= 48);
    QSet<QRgb> colours;
    QSet<QString> names;
    for (const ColourSwatch *swatch : swatches) {
        QVERIFY2(swatch->colour().isValid(), qPrintable(swatch->accessibleName()));
        colours.insert(swatch->colour().rgb());
        names.insert(swatch->accessibleName());
        QVERIFY(swatch->width() >= 48 && swatch->height() >= 48);
    }
    QCOMPARE(colours.size(), swatches.size());
    QCOMPARE(names.size(), swatches.size());
    QVERIFY(colours.contains(qRgb(255, 255, 255)));
    QVERIFY(colours.contains(qRgb(0, 0, 0)));
}

void SwatchColourDialogTest::offersNoWayToMixColours()
{
    SwatchColourDialog dialog;
    QVERIFY(dialog.findChildren<QLineEdit *>().isEmpty());
    QVERIFY(dialog.findChildren<QAbstractSpinBox *>().isEmpty());
    QCOMPARE(dialog.findChildren<QPushButton *>().size(), 2);  // OK and Cancel
}

// Nothing is chosen at first; the last swatch tapped is the one chosen, and
// the only one shown so.
void SwatchColourDialogTest::lastTapIsTheOneChosen()
{
    SwatchColourDialog dialog;
    dialog.show();
    QVERIFY(!okButton(dialog)->isEnabled());
    QCOMPARE(dialog.chosenColour(), std::nullopt);
    QTest::mouseClick(swatchNamed(dialog, "Red"), Qt::LeftButton);
    QVERIFY(okButton(dialog)->isEnabled());
    QTest::mouseClick(swatchNamed(dialog, "Navy"), Qt::LeftButton);
    QTest::mouseClick(swatchNamed(dialog, "Navy"), Qt::LeftButton);  // a second tap keeps it chosen
    int checked = 0;
    for (const ColourSwatch *swatch : dialog.findChildren<ColourSwatch *>())
        checked += swatch->isChecked();
    QCOMPARE(checked, 1);
    QVERIFY(swatchNamed(dialog, "Navy")->isChecked());
    QCOMPARE(dialog.chosenColour(), QColor(0, 0, 128));
}

QTEST_MAIN(SwatchColourDialogTest)
#include "tst_swatchcolourdialog.moc"
