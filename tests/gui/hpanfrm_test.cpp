#include <QSignalSpy>
#include <QtTest>

#include "dialogs/checkstring.h"
#include "dialogs/hpanfrm.h"
#include "layout/htmprefs.h"
#include "editortestkit.h"

using sw::TCheckString;
using sw::THPanFrm;
using sw::THTMPrefs;

namespace {

QColor EditBase(const TCheckString& control)
{
    return control.edit()->palette().color(QPalette::Active, QPalette::Base);
}

} // namespace

class HPanFrmTest : public QObject {
    Q_OBJECT
private slots:
    void checkStringStartsUncheckedAndDisabled()
    {
        TCheckString control;
        QCOMPARE(control.size(), QSize(170, 40));
        QCOMPARE(control.EditWidth(), 100);
        QVERIFY(!control.Checked());
        QVERIFY(!control.label()->isEnabled());
        QVERIFY(!control.edit()->isEnabled());
        QCOMPARE(control.edit()->geometry().topLeft(), QPoint(20, 22));
        QCOMPARE(control.edit()->width(), 140);
        QCOMPARE(EditBase(control), control.palette().color(QPalette::Active, QPalette::Button));
    }

    void uncheckingKeepsTheText()
    {
        TCheckString control;
        control.setChecked(true);
        QVERIFY(control.label()->isEnabled());
        QVERIFY(control.edit()->isEnabled());
        QCOMPARE(EditBase(control), control.palette().color(QPalette::Active, QPalette::Base));
        control.edit()->setText(QStringLiteral("typed"));
        control.checkBox()->click();
        QVERIFY(!control.Checked());
        QVERIFY(!control.edit()->isEnabled());
        QVERIFY(!control.label()->isEnabled());
        QCOMPARE(EditBase(control), control.palette().color(QPalette::Active, QPalette::Button));
        QCOMPARE(control.Text(), QString("typed"));
        control.checkBox()->click();
        QVERIFY(control.Checked());
        QVERIFY(control.edit()->isEnabled());
        QCOMPARE(control.edit()->text(), QString("typed"));
    }

    void settingTheSameValueRefreshesOnlyTheEdit()
    {
        TCheckString control;
        QSignalSpy toggled(control.checkBox(), &QCheckBox::toggled);
        control.edit()->setEnabled(true);
        control.label()->setEnabled(true);
        control.setChecked(false);
        QCOMPARE(toggled.count(), 0);
        QVERIFY(!control.edit()->isEnabled());
        QVERIFY(!control.label()->isEnabled());
        control.setChecked(true);
        QCOMPARE(toggled.count(), 1);
        QVERIFY(control.checkBox()->isChecked());
    }

    void theEditFollowsItsLabel()
    {
        TCheckString control;
        control.resize(220, 44);
        control.setCaption(QStringLiteral("Séparateur"));
        QCOMPARE(control.checkBox()->text(), QString("Séparateur"));
        control.setEdCaption(QStringLiteral("nom:"));
        const int shortEnd = control.label()->geometry().right() + 1;
        QCOMPARE(control.edit()->x(), shortEnd + 10);
        QCOMPARE(control.edit()->y(), control.label()->y());
        QCOMPARE(control.edit()->width(), 100);
        control.setEdCaption(QStringLiteral("une légende plus longue:"));
        QVERIFY(control.label()->width() > 0);
        QCOMPARE(control.edit()->x(), control.label()->x() + control.label()->width() + 10);
        QVERIFY(control.edit()->x() > shortEnd + 10);
        control.setEditWidth(40);
        QCOMPARE(control.edit()->width(), 40);
    }

    void dialogShowsTheDefaults()
    {
        THTMPrefs prefs(true);
        THPanFrm dialog(prefs, true);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("Paramètres de mise en page HTML ... "));
        QCOMPARE(dialog.FMWidth->text(), QString("20"));
        QVERIFY(!dialog.fBorderChk->Checked());
        QCOMPARE(dialog.fBorderChk->Text(), QString("1"));
        QVERIFY(dialog.mChk1->isChecked());
        QVERIFY(dialog.mChk2->isChecked());
        QVERIFY(dialog.mChk3->isChecked());
        QVERIFY(!dialog.mLnkChk->Checked());
        QCOMPARE(dialog.mLnkChk->Text(), QString("../index.html"));
        QVERIFY(!dialog.fCoverChk->Checked());
        QCOMPARE(dialog.fCoverChk->Text(), QString("cover.htm"));
        QVERIFY(dialog.CSepChkStr->Checked());
        QCOMPARE(dialog.CSepChkStr->Text(), QString("400"));
        QVERIFY(dialog.CSepChkStr->edit()->isEnabled());
        QCOMPARE(dialog.pTableWidth->text(), QString("90%"));
        QCOMPARE(dialog.pTableMargin->text(), QString("7"));
        QVERIFY(dialog.noJScriptChk->isChecked());
        QCOMPARE(dialog.fBorderChk->EditWidth(), 20);
        QCOMPARE(dialog.CSepChkStr->EditWidth(), 40);
        QCOMPARE(dialog.fCoverChk->Caption().remove(QLatin1Char('&')), QString(" Page couverture distincte:"));
        swtest::Screenshot(&dialog, QStringLiteral("hpanfrm"));
    }

    void readDialogTakesEveryControl()
    {
        THTMPrefs prefs(false);
        THPanFrm dialog(prefs, false);
        dialog.show();
        dialog.FMWidth->setText(QStringLiteral("35"));
        dialog.fBorderChk->checkBox()->click();
        dialog.fBorderChk->edit()->setText(QStringLiteral("3"));
        dialog.mChk2->click();
        dialog.mLnkChk->checkBox()->click();
        dialog.mLnkChk->edit()->setText(QStringLiteral("../accueil.html"));
        dialog.fCoverChk->checkBox()->click();
        dialog.fCoverChk->edit()->setText(QStringLiteral("été.htm"));
        dialog.CSepChkStr->checkBox()->click();
        dialog.pTableWidth->setText(QStringLiteral("80%"));
        dialog.pTableMargin->setText(QStringLiteral("2"));
        dialog.noJScriptChk->click();
        dialog.ReadDialog();
        QCOMPARE(prefs.frameSpecs.ToText(), std::string("35;1;3;0;;"));
        QCOMPARE(prefs.menuSpecs.ToText(), std::string("1;0;1;1;../accueil.html;"));
        QCOMPARE(prefs.coverSpecs.ToText(), std::string("1;été.htm;0;400;"));
        QCOMPARE(prefs.pageSpecs.ToText(), std::string("80%;2;1;"));
        // A pasted line break stays out of the one-line fields.
        dialog.mLnkChk->edit()->setText(QStringLiteral("../a\r\nb.html\n"));
        dialog.ReadDialog();
        QCOMPARE(prefs.menuSpecs.returnUrl, std::string("../a b.html "));
    }

    void showingForgetsEditsNotAccepted()
    {
        THTMPrefs prefs(false);
        THPanFrm dialog(prefs, false);
        dialog.show();
        dialog.FMWidth->setText(QStringLiteral("99"));
        dialog.reject();
        QCOMPARE(prefs.frameSpecs.menuHeight, std::string("20"));
        dialog.show();
        QCOMPARE(dialog.FMWidth->text(), QString("20"));
    }

    void resetActsAtOnceOnThePreferences()
    {
        THTMPrefs prefs(false);
        prefs.frameSpecs.menuHeight = "50";
        prefs.menuSpecs.showReport = false;
        prefs.coverSpecs.separator = false;
        prefs.pageSpecs.noJSPlan = false;
        THPanFrm dialog(prefs, true);
        dialog.show();
        QCOMPARE(dialog.FMWidth->text(), QString("50"));
        QVERIFY(!dialog.CSepChkStr->edit()->isEnabled());
        dialog.pTableWidth->setText(QStringLiteral("10%"));
        dialog.btnDefVal->click();
        QCOMPARE(dialog.FMWidth->text(), QString("20"));
        QVERIFY(dialog.mChk3->isChecked());
        QVERIFY(dialog.CSepChkStr->Checked());
        QVERIFY(dialog.CSepChkStr->edit()->isEnabled());
        QCOMPARE(dialog.pTableWidth->text(), QString("90%"));
        QVERIFY(dialog.noJScriptChk->isChecked());
        QCOMPARE(prefs.frameSpecs.ToText(), std::string("20;0;1;0;;"));
        QCOMPARE(prefs.menuSpecs.ToText(), std::string("1;1;1;0;../index.html;"));
        QCOMPARE(prefs.coverSpecs.ToText(), std::string("0;cover.htm;1;400;"));
        QCOMPARE(prefs.pageSpecs.ToText(), std::string("90%;7;1;"));
        // "Annuler" undoes the reset too.
        dialog.reject();
        QCOMPARE(prefs.frameSpecs.menuHeight, std::string("50"));
        QVERIFY(!prefs.menuSpecs.showReport);
        QVERIFY(!prefs.coverSpecs.separator);
        QVERIFY(!prefs.pageSpecs.noJSPlan);
    }
};

QTEST_MAIN(HPanFrmTest)
#include "hpanfrm_test.moc"
