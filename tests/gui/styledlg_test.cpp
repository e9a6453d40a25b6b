#include <filesystem>
#include <fstream>

#include <QFontDatabase>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

#include "qtshared/codepageguard.h"
#include "qtshared/uitext.h"
#include "dialogs/fontcombo.h"
#include "dialogs/parallignbutton.h"
#include "dialogs/styledlg.h"
#include "style/netcolorlist.h"
#include "style/styleprefs.h"
#include "editortestkit.h"

using sw::TParAlignButton;
using sw::TParAlignType;
using sw::TStyleDlg;
using sw::TStylePrefs;

namespace {

// The style set as the editor holds it after start-up.
TStylePrefs StartUpSet()
{
    TStylePrefs prefs;
    prefs.ApplyAppStyleTable();
    return prefs;
}

// A picker that accepts the given name without showing anything.
std::function<bool(sw::TNetColors&)> PickerChoosing(const std::string& name)
{
    return [name](sw::TNetColors& colors) {
        const std::int32_t value = sw::TNetColors::ColorOfName(name);
        colors.Accept(name, value, "#", false);
        return true;
    };
}

// An alignment button on a window of its own, shown.
struct ButtonHost {
    ButtonHost()
    {
        window.resize(200, 30);
        button = new TParAlignButton(&window);
        button->move(40, 5);
        window.show();
    }
    QWidget window;
    TParAlignButton* button;
};

QColor TextColour(const QWidget* widget)
{
    return widget->palette().color(QPalette::WindowText);
}

// Types text as an input method commits it, which is how letters that no key
// of the keyboard bears reach a field.
void Type(QWidget* widget, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at = {3, 3})
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Every field of the set that a style file carries.
std::string StyleFileFields(const TStylePrefs& prefs)
{
    std::string text = prefs.BGColor + "|" + prefs.BodyColor + "|" + prefs.LinkColor + "|" + prefs.ALinkColor
                       + "|" + prefs.VLinkColor + "|" + std::to_string(prefs.BGSysCol) + "|"
                       + std::to_string(prefs.BodySysCol) + "|" + std::to_string(prefs.LinkSysColor) + "|"
                       + std::to_string(prefs.ALinkSysColor) + "|" + std::to_string(prefs.VLinkSysColor) + "|"
                       + prefs.DefFontFace + "|" + prefs.sFileName + "|" + prefs.PMargin + "\n";
    for (const auto& element : prefs.elements)
        text += element.ToText() + std::to_string(element.backgroundValue) + "\n";
    return text;
}

} // namespace

class StyleDlgTest : public QObject {
    Q_OBJECT
private slots:
    // --- the alignment button ---

    void alignButtonLoadsTheGlyphStrip()
    {
        TParAlignButton button;
        QCOMPARE(button.parIndex(), 0);
        QCOMPARE(button.caption(), QString("Alignement: "));
        QCOMPARE(button.height(), 16);
        const QImage left = button.glyph(0).toImage();
        const QImage right = button.glyph(1).toImage();
        const QImage justify = button.glyph(3).toImage();
        QCOMPARE(left.size(), QSize(16, 16));
        QCOMPARE(left.pixelColor(2, 3), QColor(Qt::black));
        QCOMPARE(left.pixelColor(11, 3).alpha(), 255);
        QCOMPARE(left.pixelColor(12, 3).alpha(), 0);  // white is transparent
        QCOMPARE(right.pixelColor(13, 5), QColor(Qt::black));
        QCOMPARE(right.pixelColor(7, 5).alpha(), 0);
        QCOMPARE(justify.pixelColor(2, 9), QColor(Qt::black));
        QCOMPARE(justify.pixelColor(13, 9), QColor(Qt::black));
        QCOMPARE(justify.pixelColor(2, 4).alpha(), 0);
    }

    void pressOpensTheStripAndReleasePicks()
    {
        ButtonHost host;
        TParAlignButton& button = *host.button;
        QVERIFY(QTest::qWaitForWindowExposed(&host.window));
        const int cw = button.captionWidth();
        QVERIFY(cw > 32);
        QCOMPARE(button.width(), cw + 16 + 4);
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(cw + 5, 8));
        QVERIFY(button.expanded());
        QCOMPARE(button.width(), 2 * 16 + cw + 2);
        swtest::Screenshot(&host.window, QStringLiteral("parallign"));
        const int b = cw - 32;
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(b + 32 + 5, 8));
        QVERIFY(!button.expanded());
        QCOMPARE(button.parIndex(), 2);
        QCOMPARE(button.width(), cw + 16 + 4);
        // The right button does not open the strip but its release still picks.
        QTest::mousePress(&button, Qt::RightButton, {}, QPoint(b + 20, 8));
        QVERIFY(!button.expanded());
        QTest::mouseRelease(&button, Qt::RightButton, {}, QPoint(b + 20, 8));
        QCOMPARE(button.parIndex(), 1);
    }

    void releaseLeftOfTheStripKeepsTheIndex_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("expected");
        QTest::newRow("left of the strip") << -10 << 1;
        QTest::newRow("on the strip's left edge") << 0 << 1;
        QTest::newRow("first glyph") << 1 << 0;
        QTest::newRow("second glyph") << 17 << 1;
        QTest::newRow("fourth glyph") << 49 << 3;
        QTest::newRow("right of the last glyph") << 200 << 3;
    }

    void releaseLeftOfTheStripKeepsTheIndex()
    {
        QFETCH(int, offset);
        QFETCH(int, expected);
        ButtonHost host;
        TParAlignButton& button = *host.button;
        button.setParIndex(1);
        const int b = button.captionWidth() - 32;
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(b + 5, 8));
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(b + offset, 8));
        QCOMPARE(button.parIndex(), expected);
    }

    void typeSetsIndexButIndexLeavesType()
    {
        TParAlignButton button;
        button.setParAlignType(TParAlignType::pAlJustify);
        QCOMPARE(button.parIndex(), 3);
        button.setParIndex(1);
        QCOMPARE(button.parIndex(), 1);
        QVERIFY(button.parAlignType() == TParAlignType::pAlJustify);
        // Setting the same type again does not touch the index.
        button.setParAlignType(TParAlignType::pAlJustify);
        QCOMPARE(button.parIndex(), 1);
    }

    void fontListHoldsTheInstalledFonts()
    {
        sw::TFontCombo box;
        QVERIFY(!box.isEditable());
        box.addItem(QStringLiteral("Police d'un formulaire"));
        box.show();
        QStringList items;
        for (int i = 0; i < box.count(); ++i)
            items << box.itemText(i);
        QCOMPARE(items, QFontDatabase::families());
        QVERIFY(box.count() > 0);
        QCOMPARE(box.FindFont(box.itemText(0).toUpper()), 0);
    }

    // --- the style dialog ---

    void listsTheFourteenElements()
    {
        TStylePrefs prefs = StartUpSet();
        TStyleDlg dialog(prefs);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("Propriétés de style ... "));
        QCOMPARE(dialog.FontGBox->ElemListBox->count(), 14);
        // Each element says where the site shows it; its own name and its
        // CSS selector are its tip.
        QCOMPARE(dialog.FontGBox->ElemListBox->item(0)->text(), QString("Texte des pages"));
        QCOMPARE(dialog.FontGBox->ElemListBox->item(0)->toolTip(), QString("Style « Normal », CSS : Body"));
        QCOMPARE(dialog.FontGBox->ElemListBox->item(4)->text(), QString("Noms des plans, « Réalisation »"));
        QCOMPARE(dialog.FontGBox->ElemListBox->item(9)->text(), QString("Têtes des cellules"));
        QCOMPARE(dialog.FontGBox->ElemListBox->item(9)->toolTip(), QString("Style « Tête cell. », CSS : TH"));
        QCOMPARE(dialog.FontGBox->ElemListBox->item(13)->text(), QString("Numéros des plans"));
        QCOMPARE(dialog.FontGBox->textPanel->text(), QString("Texte des pages\nArial"));
        QCOMPARE(dialog.FontGBox->ElemListBox->currentRow(), 0);
        QCOMPARE(dialog.FontGBox->sNameLabel->text(), QString("Body"));
        QCOMPARE(dialog.FontGBox->SizeEdit->currentText(), QString("10"));
        QCOMPARE(dialog.FontGBox->SizeEdit->count(), 9);
        QCOMPARE(dialog.FontGBox->SizeEdit->itemText(8), QString("24"));
        QCOMPARE(dialog.FontGBox->ParAlign->parIndex(), 3);
        QCOMPARE(dialog.FontGBox->sMargin->text(), QString("2%,7%"));
        QCOMPARE(dialog.FontGBox->FNameCBo->currentText(), QString("Arial"));
        QCOMPARE(dialog.LinkGroupBox->LnkStateList->count(), 3);
        QCOMPARE(dialog.LinkGroupBox->LnkStateList->item(2)->text(), QString("parcouru"));
        QCOMPARE(dialog.LinkGroupBox->LinkColShape->ColorName(), QString("yellow"));
        QVERIFY(dialog.GroupBox1->isHidden());
        swtest::Screenshot(&dialog, QStringLiteral("styledlg-body"));
        dialog.FontGBox->ElemListBox->setCurrentRow(9);
        QCOMPARE(dialog.FontGBox->sNameLabel->text(), QString("TH"));
        swtest::Screenshot(&dialog, QStringLiteral("styledlg"));
    }

    void descriptionsComeFromTheBuiltInTable()
    {
        TStylePrefs prefs = StartUpSet();
        TStyleDlg dialog(prefs);
        dialog.show();
        QCOMPARE(dialog.FontGBox->styleInfoLab->text(), QString("Texte courant, utilisé partout, couleur générale"));
        dialog.FontGBox->ElemListBox->setCurrentRow(2);
        QCOMPARE(dialog.FontGBox->styleInfoLab->text(), QString("Sous-titre principal"));
        QCOMPARE(prefs.descriptions[2], std::string("Sous-titre principal"));
        dialog.FontGBox->ElemListBox->setCurrentRow(12);
        QCOMPARE(dialog.FontGBox->sNameLabel->text(), QString(".note"));
        QCOMPARE(dialog.FontGBox->styleInfoLab->text(), QString());
    }

    void transparentBackgroundIsOffForTheBody()
    {
        TStylePrefs prefs = StartUpSet();
        TStyleDlg dialog(prefs);
        dialog.show();
        QVERIFY(!dialog.FontGBox->bgColChk->isEnabled());
        dialog.FontGBox->ElemListBox->setCurrentRow(1);
        QVERIFY(dialog.FontGBox->bgColChk->isEnabled());
        QVERIFY(dialog.FontGBox->bgColChk->isChecked());
        dialog.FontGBox->ElemListBox->setCurrentRow(9);
        QVERIFY(!dialog.FontGBox->bgColChk->isChecked());
        QCOMPARE(dialog.FontGBox->textPanel->ColorName(), QString("black"));
    }

    void pickingTheSampleColourChangesThePageBackground()
    {
        TStylePrefs prefs = StartUpSet();
        TStyleDlg dialog(prefs);
        dialog.executePicker = PickerChoosing("teal");
        dialog.show();
        QTest::mouseClick(dialog.FontGBox->textPanel, Qt::LeftButton);
        QCOMPARE(prefs.BGColor, std::string("teal"));
        QCOMPARE(prefs.BGSysCol, 0x808000);
        QCOMPARE(prefs.elements[0].background, std::string("teal"));
        QCOMPARE(dialog.LinkGroupBox->lnkExPanel->Color(), 0x808000);
        QCOMPARE(dialog.FontGBox->textPanel->ColorName(), QString("teal"));

        // A cancelled pick on an element with a background of its own keeps
        // the page background.
        dialog.FontGBox->ElemListBox->setCurrentRow(9);
        dialog.executePicker = [](sw::TNetColors&) { return false; };
        QTest::mouseClick(dialog.FontGBox->textPanel, Qt::LeftButton);
        QCOMPARE(prefs.BGColor, std::string("teal"));
        QCOMPARE(prefs.elements[9].background, std::string("black"));
    }

    void textColourPickIsStored()
    {
        TStylePrefs prefs = StartUpSet();
        TStyleDlg dialog(prefs);
        dialog.executePicker = PickerChoosing("maroon");
        dialog.show();
        dialog.FontGBox->ElemListBox->setCurrentRow(4);
        QTest::mouseClick(dialog.FontGBox->FntColShape, Qt::LeftButton);
        QCOMPARE(prefs.elements[4].colorName, std::string("maroon"));
        QCOMPARE(prefs.elements[4].colorValue, 0x000080);
        QCOMPARE(dialog.FontGBox->textPanel->FontColor(), 0x000080);
    }

    void linkExampleShowsTheThreeStates()
    {
        TStylePrefs prefs = StartUpSet();
        prefs.links[2].colorName = "lime";
        prefs.links[2].colorValue = 0x00FF00;
        prefs.links[1].underline = true;
        TStyleDlg dialog(prefs);
        dialog.show();
        SendMouse(dialog.LinkGroupBox->LnkExLab, QEvent::MouseButtonPress);
        QCOMPARE(TextColour(dialog.LinkGroupBox->LnkExLab), QColor(Qt::red));
        QVERIFY(dialog.LinkGroupBox->LnkExLab->font().underline());
        SendMouse(dialog.LinkGroupBox->LnkExLab, QEvent::MouseButtonRelease);
        QCOMPARE(TextColour(dialog.LinkGroupBox->LnkExLab), QColor(Qt::green));
        QVERIFY(!dialog.LinkGroupBox->LnkExLab->font().underline());
        SendMouse(dialog.LinkGroupBox, QEvent::MouseMove);
        QCOMPARE(TextColour(dialog.LinkGroupBox->LnkExLab), QColor(Qt::yellow));
        QCOMPARE(dialog.LinkGroupBox->lnkExPanel->Color(), 0xFFFFFF);
    }

    void linkStatesAreStoredWhenLeftAndReset()
    {
        TStylePrefs prefs = StartUpSet();
        TStyleDlg dialog(prefs);
        dialog.executePicker = PickerChoosing("navy");
        dialog.show();
        dialog.LinkGroupBox->LnkStateList->setCurrentRow(1);
        QCOMPARE(dialog.LinkGroupBox->LinkColShape->ColorName(), QString("red"));
        QTest::mouseClick(dialog.LinkGroupBox->LinkColShape, Qt::LeftButton);
        dialog.LinkGroupBox->lnkDecCheck->click();
        QCOMPARE(prefs.links[1].colorName, std::string("navy"));
        QCOMPARE(prefs.links[1].colorValue, 0x800000);
        QVERIFY(prefs.links[1].underline);
        dialog.LinkGroupBox->LnkDefBtn->click();
        QCOMPARE(prefs.links[1].colorName, std::string("red"));
        QVERIFY(!prefs.links[1].underline);
        QCOMPARE(dialog.LinkGroupBox->curLink(), 0);
        QCOMPARE(dialog.LinkGroupBox->LnkStateList->currentRow(), 0);
        // The controls show the reset link state: accepting keeps it.
        QCOMPARE(dialog.LinkGroupBox->LinkColShape->ColorName(), QString("yellow"));
        QVERIFY(!dialog.LinkGroupBox->lnkDecCheck->isChecked());
        dialog.okBtn->click();
        QCOMPARE(prefs.links[0].colorName, std::string("yellow"));
        QCOMPARE(prefs.links[0].colorValue, 0x00FFFF);
        QVERIFY(!prefs.links[0].underline);
    }

    void pasteFromNormalOntoTitre1KeepsTheSelector()
    {
        TStylePrefs prefs = StartUpSet();
        TStyleDlg dialog(prefs);
        dialog.show();
        dialog.FontGBox->OptionMemo->setPlainText(QStringLiteral("font-weight:bold;\nletter-spacing:1px;\n"));
        dialog.FontGBox->ElemListBox->setCurrentRow(0);
        dialog.FontGBox->mLCopy->trigger();
        dialog.FontGBox->ElemListBox->setCurrentRow(1);  // stores the Body, shows H1
        QCOMPARE(prefs.elements[0].options, std::string("font-weight:bold;\r\nletter-spacing:1px;\r\n"));
        QCOMPARE(dialog.FontGBox->SizeEdit->currentText(), QString("22"));
        dialog.FontGBox->mLPaste->trigger();
        const sw::TStyleSpecs& h1 = prefs.elements[1];
        QCOMPARE(h1.selector, std::string("H1"));
        QCOMPARE(h1.fontFace, prefs.elements[0].fontFace);
        QCOMPARE(h1.fontSizeText, std::string("10"));
        QCOMPARE(h1.fontSize, 10);
        QCOMPARE(h1.alignIndex, 3);
        QCOMPARE(h1.colorName, std::string("black"));
        QCOMPARE(h1.margin, std::string("2%,7%"));
        QCOMPARE(h1.options, std::string("font-weight:bold;\r\nletter-spacing:1px;\r\n"));
        QCOMPARE(dialog.FontGBox->sNameLabel->text(), QString("H1"));
        QCOMPARE(dialog.FontGBox->SizeEdit->currentText(), QString("10"));
        QCOMPARE(dialog.FontGBox->ParAlign->parIndex(), 3);
        QCOMPARE(prefs.elements[0].selector, std::string("Body"));
        // "Effacer" empties the options, which the element takes when left.
        dialog.FontGBox->Button1->click();
        QCOMPARE(dialog.FontGBox->OptionMemo->toPlainText(), QString());
        dialog.FontGBox->ElemListBox->setCurrentRow(2);
        QCOMPARE(prefs.elements[1].options, std::string());
    }

    void resetNamesRestoresTheTableSelectors()
    {
        TStylePrefs prefs = StartUpSet();
        prefs.elements[3].selector = "P";
        TStyleDlg dialog(prefs);
        dialog.show();
        dialog.mresetNames->trigger();
        QCOMPARE(prefs.elements[3].selector, std::string("H3"));
    }

    void defaultsRestoreTheApplicationTable()
    {
        TStylePrefs prefs = StartUpSet();
        const std::string original = StyleFileFields(prefs);
        TStyleDlg dialog(prefs);
        dialog.executePicker = PickerChoosing("teal");
        dialog.show();
        dialog.FontGBox->sMargin->setText(QStringLiteral("1%"));
        dialog.FontGBox->ElemListBox->setCurrentRow(1);
        QTest::keyClicks(dialog.FontGBox->SizeEdit->lineEdit(), QStringLiteral("4"));
        QCOMPARE(prefs.elements[1].fontSizeText, std::string("224"));
        QTest::mouseClick(dialog.FontGBox->FntColShape, Qt::LeftButton);
        dialog.LinkGroupBox->LnkStateList->setCurrentRow(2);
        QTest::mouseClick(dialog.LinkGroupBox->LinkColShape, Qt::LeftButton);
        QCOMPARE(prefs.PMargin, std::string("1%"));
        QVERIFY(StyleFileFields(prefs) != original);

        dialog.FontGBox->btnDefVal->click();
        QCOMPARE(StyleFileFields(prefs), original);
        QCOMPARE(prefs.PMargin, std::string("2%,7%"));
        QCOMPARE(prefs.elements[1].fontSizeText, std::string("22"));
        QCOMPARE(prefs.elements[1].colorName, std::string("navy"));
        QCOMPARE(prefs.links[0].colorName, std::string("yellow"));
        QCOMPARE(prefs.links[1].colorName, std::string("red"));
        QCOMPARE(prefs.links[2].colorName, std::string("yellow"));
        QCOMPARE(dialog.FontGBox->ElemListBox->currentRow(), 0);
        QCOMPARE(dialog.FontGBox->sMargin->text(), QString("2%,7%"));
        QCOMPARE(dialog.LinkGroupBox->LinkColShape->ColorName(), QString("yellow"));
    }

    void exportThenImportGivesBackTheSet()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString file = folder.filePath(QStringLiteral("rév.sprf"));
        TStylePrefs prefs = StartUpSet();
        prefs.prefsDir = folder.path().toStdString();
        TStyleDlg dialog(prefs);
        QString exportFolder;
        dialog.chooseExportFile = [&](const QString& start) {
            exportFolder = start;
            return file;
        };
        dialog.chooseImportFile = [&](const QString&) { return file; };
        dialog.show();
        dialog.FontGBox->ElemListBox->setCurrentRow(5);
        dialog.FontGBox->sPadding->setText(QStringLiteral("3px"));
        dialog.FontGBox->ElemListBox->setCurrentRow(0);
        dialog.FontGBox->btnSavePrefs->click();
        QCOMPARE(exportFolder, folder.path());
        const std::string exported = StyleFileFields(prefs);
        const auto links = prefs.LinksToText();

        dialog.FontGBox->btnDefVal->click();
        prefs.DefFontFace = "Verdana";
        prefs.elements[7].margin = "9px";
        QVERIFY(StyleFileFields(prefs) != exported);
        dialog.FontGBox->btnGetPrefs->click();
        QCOMPARE(StyleFileFields(prefs), exported);
        QCOMPARE(prefs.elements[5].padding, std::string("3px"));
        QCOMPARE(prefs.LinksToText(), links);
    }

    void sizeThatIsNoNumberIsRefused()
    {
        TStylePrefs prefs = StartUpSet();
        TStyleDlg dialog(prefs);
        QStringList messages;
        dialog.showMessage = [&](const QString& message) { messages << message; };
        dialog.show();
        dialog.FontGBox->ElemListBox->setCurrentRow(2);
        dialog.FontGBox->SizeEdit->lineEdit()->selectAll();
        QTest::keyClicks(dialog.FontGBox->SizeEdit->lineEdit(), QStringLiteral("1x"));
        QCOMPARE(prefs.elements[2].fontSizeText, std::string("1"));
        QVERIFY(messages.isEmpty());
        QTest::keyClick(dialog.FontGBox->SizeEdit->lineEdit(), Qt::Key_Return);
        QCOMPARE(messages, QStringList{QStringLiteral("'1x' is not a valid integer value")});
        QCOMPARE(dialog.FontGBox->SizeEdit->currentText(), QString("1"));
        QVERIFY(dialog.isVisible());

        // Stored with another element's change, a bad size keeps the element's own.
        messages.clear();
        dialog.FontGBox->SizeEdit->lineEdit()->setText(QStringLiteral("douze"));
        dialog.FontGBox->sMargin->setText(QStringLiteral("4px"));
        dialog.FontGBox->ElemListBox->setCurrentRow(3);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(prefs.elements[2].fontSizeText, std::string("1"));
        QCOMPARE(prefs.elements[2].fontSize, 1);
        QCOMPARE(prefs.elements[2].margin, std::string("4px"));
        QCOMPARE(dialog.FontGBox->SizeEdit->currentText(), QString("16"));
    }

    void styleFileWithABadNumberIsReported()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("bad.sprf"));
        {
            std::ofstream out(std::filesystem::path(file.toStdU16String()), std::ios::binary);
            out << "[STYLEPREFS]\r\nBGColor=navy\r\nBGSysCol=8388608\r\n"
                   "StyleSpecs0=Body;navy;Verdana;12;1;black;0;1;5%;;;\r\n"
                   "StyleSpecs1=H1;white;Arial;22;centre;navy;8388608;1;;;;\r\n";
        }
        TStylePrefs prefs = StartUpSet();
        TStyleDlg dialog(prefs);
        QStringList messages;
        dialog.showMessage = [&](const QString& message) { messages << message; };
        dialog.chooseImportFile = [&](const QString&) { return file; };
        dialog.show();
        dialog.FontGBox->btnGetPrefs->click();
        // The French sentence names the file; the system's text follows.
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().startsWith(QStringLiteral("Le fichier « bad.sprf » ne peut pas être ouvert")),
                 qPrintable(messages.first()));
        QVERIFY(messages.first().endsWith(QStringLiteral("('centre' is not a valid integer value)")));
        QCOMPARE(prefs.BGColor, std::string("navy"));
        QCOMPARE(prefs.elements[0].fontFace, std::string("Verdana"));
        QCOMPARE(prefs.elements[0].fontSizeText, std::string("12"));
        QCOMPARE(prefs.elements[1].alignIndex, 2);
        QCOMPARE(prefs.elements[2].fontSizeText, std::string("18"));
        // The controls show the set as it now stands.
        QCOMPARE(dialog.FontGBox->SizeEdit->currentText(), QString("12"));
        QCOMPARE(dialog.FontGBox->textPanel->ColorName(), QString("navy"));

        messages.clear();
        dialog.chooseImportFile = [&](const QString&) { return folder.path(); };
        dialog.FontGBox->btnGetPrefs->click();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(prefs.BGColor, std::string("navy"));

        dialog.chooseImportFile = [&](const QString&) { return QString(); };
        dialog.FontGBox->btnGetPrefs->click();
        QCOMPARE(messages.size(), 1);
    }

    void typedFontNamesAreKept()
    {
        TStylePrefs prefs = StartUpSet();
        TStyleDlg dialog(prefs);
        dialog.show();
        dialog.FontGBox->ElemListBox->setCurrentRow(3);
        QLineEdit* edit = dialog.FontGBox->FNameCBo->lineEdit();
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("Police absente"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(prefs.elements[3].fontFace, std::string("Police absente"));
        QVERIFY(dialog.FontGBox->textPanel->text().endsWith(QString("\nPolice absente")));

        const QString installed = dialog.FontGBox->FNameCBo->itemText(0);
        edit->setText(installed.toUpper());
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(prefs.elements[3].fontFace, sw::uitext::ToUtf8(installed));

        dialog.FontGBox->FNameCBo->setCurrentIndex(1);
        emit dialog.FontGBox->FNameCBo->activated(1);
        QCOMPARE(prefs.elements[3].fontFace, sw::uitext::ToUtf8(dialog.FontGBox->FNameCBo->itemText(1)));
        // Shown again, an element whose font is not installed keeps its name.
        dialog.FontGBox->ElemListBox->setCurrentRow(0);
        prefs.elements[3].fontFace = "Police absente";
        dialog.FontGBox->ElemListBox->setCurrentRow(3);
        QCOMPARE(dialog.FontGBox->FNameCBo->currentText(), QString("Police absente"));
    }

    // A style file holds Windows-1252 only: a character beyond it is taken out
    // of the field as it is typed, and the field says why.
    void charactersAStyleFileCannotHoldAreRefusedWhereTheyAreTyped()
    {
        QTemporaryDir folder;
        TStylePrefs prefs = StartUpSet();
        TStyleDlg dialog(prefs);
        QStringList messages;
        dialog.showMessage = [&](const QString& message) { messages << message; };
        dialog.chooseExportFile = [&](const QString&) { return folder.filePath(QStringLiteral("monde.sprf")); };
        dialog.show();
        dialog.FontGBox->ElemListBox->setCurrentRow(3);
        QLineEdit* font = dialog.FontGBox->FNameCBo->lineEdit();
        font->clear();
        Type(font, QStringLiteral("Łato Sé"));
        QCOMPARE(font->text(), QStringLiteral("ato Sé"));
        auto* guard = font->findChild<sw::TCodePageGuard*>();
        QVERIFY(guard);
        QCOMPARE(guard->LastRefusal(), QStringLiteral("Le caractère « Ł » (U+0141) ne peut pas être enregistré dans un "
                                                      "fichier de styles, qui n'accepte que les caractères d'Europe "
                                                      "occidentale."));
        QTest::keyClick(font, Qt::Key_Return);
        QCOMPARE(prefs.elements[3].fontFace, std::string("ato Sé"));

        // Pasted into the options, a whole text loses only what cannot be kept.
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.FontGBox->OptionMemo->setFocus();
        QTest::keyClicks(dialog.FontGBox->OptionMemo, QStringLiteral("x"));
        dialog.FontGBox->OptionMemo->insertPlainText(QStringLiteral("content: \"→ Дом €\";"));
        QCOMPARE(dialog.FontGBox->OptionMemo->toPlainText(), QStringLiteral("xcontent: \"  €\";"));
        QVERIFY(dialog.FontGBox->OptionMemo->findChild<sw::TCodePageGuard*>()->LastRefusal().contains(QStringLiteral("« → »")));
        dialog.FontGBox->sMargin->setFocus();
        Type(dialog.FontGBox->sMargin, QStringLiteral("2✓px"));
        QCOMPARE(dialog.FontGBox->sMargin->text(), QStringLiteral("2px"));

        // A set that came with such a character from a project is not lost
        // in a half-written file: the export says why and writes nothing.
        prefs.elements[5].fontFace = "Дом";
        dialog.FontGBox->btnSavePrefs->click();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(QStringLiteral("« Д » (U+0414)")), qPrintable(messages.first()));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("monde.sprf"))));
    }

    void acceptStoresThePageValues()
    {
        TStylePrefs prefs = StartUpSet();
        TStyleDlg dialog(prefs);
        dialog.executePicker = PickerChoosing("olive");
        dialog.show();
        dialog.FontGBox->ElemListBox->setCurrentRow(6);
        // A line break pasted into a one-line box would split the element's
        // line in a style file.
        dialog.FontGBox->sMargin->setText(QStringLiteral("1em\r\n2em\n"));
        dialog.LinkGroupBox->LnkStateList->setCurrentRow(1);
        QTest::mouseClick(dialog.LinkGroupBox->LinkColShape, Qt::LeftButton);
        dialog.StyleNameEd->setText(QStringLiteral("autre.css"));
        dialog.okBtn->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(prefs.elements[6].margin, std::string("1em 2em "));
        QCOMPARE(prefs.sFileName, std::string("autre.css"));
        QCOMPARE(prefs.DefFontFace, std::string("Arial"));
        QCOMPARE(prefs.LinkColor, std::string("olive"));
        QCOMPARE(prefs.LinkSysColor, 0x008080);
        QCOMPARE(prefs.links[1].colorName, std::string("olive"));
        QCOMPARE(prefs.BGColor, std::string("WHITE"));
        QCOMPARE(dialog.FontGBox->curElement(), 0);
    }
};

QTEST_MAIN(StyleDlgTest)
#include "styledlg_test.moc"
