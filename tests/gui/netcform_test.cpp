#include <functional>

#include <QApplication>
#include <QTimer>
#include <QtTest>

#include "dialogs/netcform.h"
#include "style/netcolorlist.h"
#include "style/netcolors.h"
#include "editortestkit.h"

using sw::TNetCForm;
using sw::TNetColors;

namespace {

// Runs action on the picker as soon as ExecuteNetColors has shown it.
void OnPicker(std::function<void(TNetCForm&)> action)
{
    QTimer::singleShot(0, [action] {
        auto* form = qobject_cast<TNetCForm*>(QApplication::activeModalWidget());
        QVERIFY(form != nullptr);
        action(*form);
        // A failed check returns early; never leave the picker open.
        if (form->isVisible())
            form->reject();
    });
}

QPoint PaletteCell(int column, int row)
{
    return {column * 15 + 7, row * 15 + 7};
}

} // namespace

class NetCFormTest : public QObject {
    Q_OBJECT
private slots:
    void acceptingWithoutPickGivesBlack()
    {
        TNetColors colors;
        colors.NetColStr = "unchanged";
        OnPicker([](TNetCForm& form) { form.okBtn->click(); });
        QVERIFY(sw::ExecuteNetColors(colors, nullptr));
        QCOMPARE(colors.NetColStr, std::string("black"));
        QCOMPARE(colors.SysColor, 0);
        QCOMPARE(colors.SysColStr, sw::ColorToText(0));
        QCOMPARE(sw::TextToColor(colors.SysColStr), 0);
        QVERIFY(!colors.HexOption());
    }

    void closingWithoutAcceptChangesNothing_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Annuler") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("system menu") << 2;
    }

    void closingWithoutAcceptChangesNothing()
    {
        QFETCH(int, way);
        TNetColors colors;
        colors.NetColStr = "teal";
        colors.SysColor = 0x808000;
        OnPicker([way](TNetCForm& form) {
            form.PrimCBoxMouseMove(5 * 12 + 1, 3);
            form.PrimCBoxMouseDown();
            form.hexCheck->click();
            if (way == 0)
                QTest::mouseClick(form.cancelBtn, Qt::LeftButton);
            else if (way == 1)
                QTest::keyClick(&form, Qt::Key_Escape);
            else
                form.reject();
        });
        QVERIFY(!sw::ExecuteNetColors(colors, nullptr));
        QCOMPARE(colors.NetColStr, std::string("teal"));
        QCOMPARE(colors.SysColor, 0x808000);
        QVERIFY(!colors.HexOption());
    }

    void hexToggleBeforeAnyPickEmptiesTheChosenText()
    {
        TNetCForm form(0, false);
        QCOMPARE(form.NetColLabel->text(), QString("black"));
        form.hexCheck->click();
        QCOMPARE(form.ChosenText(), std::string());
        QCOMPARE(form.NetColLabel->text(), QString());
        form.hexCheck->click();
        QCOMPARE(form.ChosenText(), std::string());
    }

    void primaryLightgreyKeepsThePaletteValueButShowsTheWebHex()
    {
        TNetColors colors;
        OnPicker([](TNetCForm& form) {
            QTest::mouseClick(form.PrimCBox, Qt::LeftButton, {}, QPoint(1 * 12 + 5, 6));
            QCOMPARE(form.NameLabel->text(), QString("lightgrey"));
            QCOMPARE(form.IndexLabel->text(), QString("69"));
            QCOMPARE(form.HexLabel->text(), QString("#d3d3d3"));
            QCOMPARE(form.Shape1->Color(), 0xC0C0C0);
            QCOMPARE(form.windowTitle(), QString("lightgrey"));
            form.okBtn->click();
        });
        QVERIFY(sw::ExecuteNetColors(colors, nullptr));
        QCOMPARE(colors.NetColStr, std::string("lightgrey"));
        QCOMPARE(colors.SysColor, 0xC0C0C0);
        QCOMPARE(colors.HexcolStr, std::string("#d3d3d3"));
    }

    void hexOptionGivesTheHexTextAndIsRememberedForTheNextRun()
    {
        TNetColors colors;
        OnPicker([](TNetCForm& form) {
            form.hexCheck->click();
            form.PrimCBoxMouseMove(17 * 12 + 2, 2);  // teal
            form.PrimCBoxMouseDown();
            QCOMPARE(form.NetColLabel->text(), QString("#008080"));
            form.hexCheck->click();
            QCOMPARE(form.NetColLabel->text(), QString("teal"));
            form.hexCheck->click();
            form.okBtn->click();
        });
        QVERIFY(sw::ExecuteNetColors(colors, nullptr));
        QCOMPARE(colors.NetColStr, std::string("#008080"));
        QCOMPARE(colors.SysColor, 0x808000);
        QVERIFY(colors.HexOption());
        OnPicker([](TNetCForm& form) {
            QVERIFY(form.hexCheck->isChecked());
            form.okBtn->click();
        });
        QVERIFY(sw::ExecuteNetColors(colors, nullptr));
    }

    void hoveringRightOfTheStripChangesOnlyTheSwatch()
    {
        TNetCForm form(0, false);
        form.PrimCBoxMouseMove(7 * 12 + 3, 3);
        QCOMPARE(form.NameLabel->text(), QString("blue"));
        form.PrimCBoxMouseMove(18 * 12 + 2, 3);
        QCOMPARE(form.NameLabel->text(), QString("blue"));
        QCOMPARE(form.IndexLabel->text(), QString("10"));
        form.PrimCBoxMouseDown();
        QCOMPARE(form.ChosenValue(), 0xFF0000);
    }

    void topLeftPaletteCellDependsOnTheOrder()
    {
        TNetCForm form(0, false);
        QCOMPARE(form.ColorBox->Picture().size(), QSize(210, 150));
        QCOMPARE(form.PrimCBox->Picture().size(), QSize(216, 12));
        QTest::mouseMove(form.ColorBox, PaletteCell(0, 0));
        form.ColorBoxMouseMove(3, 4);
        QCOMPARE(form.NameLabel->text(), QString("white"));
        QCOMPARE(form.IndexLabel->text(), QString("137"));
        QCOMPARE(form.HexLabel->text(), QString("#ffffff"));
        form.ColorBoxMouseMove(14 * 15 - 2, 10 * 15 - 2);
        QCOMPARE(form.NameLabel->text(), QString("black"));

        form.alphaChk->click();
        form.ColorBoxMouseMove(3, 4);
        QCOMPARE(form.NameLabel->text(), QString("yellowgreen"));
        QCOMPARE(form.IndexLabel->text(), QString("140"));
        QCOMPARE(form.ColorBox->Picture().pixelColor(3, 4), QColor(0x9a, 0xcd, 0x32));
        form.ColorBoxMouseMove(14 * 15 - 2, 10 * 15 - 2);
        QCOMPARE(form.NameLabel->text(), QString("aliceblue"));
    }

    void decimalOrderStartsWithBlackThenPalegreen()
    {
        TNetCForm form(1, false);
        form.ColorBoxMouseMove(14 * 15 - 2, 10 * 15 - 2);
        QCOMPARE(form.NameLabel->text(), QString("black"));
        form.ColorBoxMouseMove(14 * 15 - 17, 10 * 15 - 2);
        QCOMPARE(form.NameLabel->text(), QString("palegreen"));
        form.ColorBoxMouseMove(1, 1);
        QCOMPARE(form.NameLabel->text(), QString("palevioletred"));
    }

    void pickingInThePaletteSetsCaptionAndChosenColour()
    {
        TNetColors colors;
        colors.sortType = 5;
        OnPicker([](TNetCForm& form) {
            form.alphaChk->click();
            // position 139 - 4 = 135, "wheat"
            QTest::mouseClick(form.ColorBox, Qt::LeftButton, {}, PaletteCell(4, 0));
            QCOMPARE(form.windowTitle(), QString("index: 136 wheat"));
            QCOMPARE(form.NetColLabel->text(), QString("wheat"));
            QCOMPARE(form.ChosenColor->Color(), 0xB3DEF5);
            QTest::mouseDClick(form.ColorBox, Qt::LeftButton, {}, PaletteCell(0, 0));
        });
        QVERIFY(sw::ExecuteNetColors(colors, nullptr));
        QCOMPARE(colors.sortType, std::uint16_t(0));
        QCOMPARE(colors.NetColStr, std::string("yellowgreen"));
        QCOMPARE(colors.SysColor, 0x32CD9A);
        QCOMPARE(colors.HexcolStr, std::string("#9acd32"));
    }

    void draggingOutOfThePaletteNamesNoColour()
    {
        TNetCForm form(0, false);
        form.ColorBoxMouseMove(3, 4);
        form.ColorBoxMouseMove(-5, 200);
        form.ColorBoxMouseMove(400, 20);
        form.ColorBoxMouseDown();
        QCOMPARE(form.ChosenText(), std::string("white"));
        form.ShowInfo(-1);
        form.ShowInfo(140);
        QCOMPARE(form.NameLabel->text(), QString("white"));
    }

    void theLongestColourNameAndItsHexTextAreShownWhole()
    {
        TNetCForm form(0, false);
        form.show();
        form.ColorBoxMouseMove(40, 40);
        form.ColorBoxMouseDown();
        // The longest name and the hex text are shown whole.
        form.ShowInfo(66);
        QCOMPARE(form.NameLabel->text(), QString("lightgoldenrodyellow"));
        QVERIFY(form.NameLabel->fontMetrics().horizontalAdvance(form.NameLabel->text()) <= form.NameLabel->width());
        QVERIFY(form.HexLabel->fontMetrics().horizontalAdvance(QStringLiteral("#fafad2")) <= form.HexLabel->width());
        swtest::Screenshot(&form, QStringLiteral("netcform"));
    }
};

QTEST_MAIN(NetCFormTest)
#include "netcform_test.moc"
