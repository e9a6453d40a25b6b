// The main window and the project's document: the "Édition" menu, the
// general information and the report sent to the document as the user
// types, and what the window shows of what the document announces.
#include "app/mainform.h"

#include <string>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "app/documentcontroller.h"
#include "app/editorapp.h"
#include "app/fieldkeys.h"
#include "app/shoteditor.h"
#include "app/usercommand.h"
#include "editing/document.h"
#include "qtshared/fillguard.h"
#include "qtshared/uitext.h"
#include "qtshared/widgetbuilders.h"

namespace sw {

using uitext::ToQString;

namespace {

const QString kUndoCaption = QStringLiteral("&Annuler");
const QString kRedoCaption = QStringLiteral("&Rétablir");

// "Annuler" alone, or followed by the step's text, whose "&" (a shot named
// "Pierre & Marie") shows as typed rather than as a key.
QString CaptionFor(const QString& verb, const QString& step)
{
    return step.isEmpty() ? verb : verb + QLatin1Char(' ') + QString(step).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// The text of a one-line field or a memo, as the model holds it.
std::string FieldValue(const QWidget* field)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(field))
        return uitext::FromLineText(line->text());
    return uitext::FromEditorText(static_cast<const QPlainTextEdit*>(field)->toPlainText());
}

// Puts value into the field unless it shows it already, so that the
// field's own edits keep their cursor.
void ShowValue(QWidget* field, const std::string& value)
{
    if (FieldValue(field) == value)
        return;
    if (auto* line = qobject_cast<QLineEdit*>(field))
        line->setText(ToQString(value));
    else
        widgets::SetEditorText(static_cast<QPlainTextEdit*>(field), value);
}

} // namespace

void TmainForm::BuildEditMenu(QAction* before)
{
    TDocument& document = app_.Document();
    auto* menu = new QMenu(QStringLiteral("&Édition"), this);
    menu->setObjectName(QStringLiteral("menuEdition"));
    menuBar()->insertMenu(before, menu);
    auto* undo = menu->addAction(kUndoCaption);
    undo->setObjectName(QStringLiteral("mUndo"));
    undo->setShortcut(QKeySequence::Undo);
    auto* redo = menu->addAction(kRedoCaption);
    redo->setObjectName(QStringLiteral("mRedo"));
    // Ctrl+Maj+Z as the desktop has it, and Ctrl+Y as many programs do.
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    const auto showHistory = [undo, redo, &document] {
        undo->setEnabled(document.CanUndo());
        undo->setText(CaptionFor(kUndoCaption, document.UndoText()));
        redo->setEnabled(document.CanRedo());
        redo->setText(CaptionFor(kRedoCaption, document.RedoText()));
    };
    showHistory();
    connect(&document, &TDocument::historyChanged, this, showHistory);
    connect(undo, &QAction::triggered, this, [this, &document] { RunUserCommand(prompts_, this, [&document] { document.Undo(); }); });
    connect(redo, &QAction::triggered, this, [this, &document] { RunUserCommand(prompts_, this, [&document] { document.Redo(); }); });
}

QWidget* TmainForm::InfoFieldControl(InfoField field) const
{
    switch (field) {
    case InfoField::Title: return titleEd;
    case InfoField::Creator: return CreatorMemo;
    case InfoField::Comment: return CommentMemo;
    case InfoField::Idea: return IdeaMemo;
    case InfoField::Synopsis: return SynopsMemo;
    }
    return titleEd;
}

void TmainForm::ConnectEditors()
{
    connect(PageControl, &QTabWidget::currentChanged, this, [this](int index) {
        if (!filling_)
            RunUserCommand(prompts_, this, [this, index] { PageControlChange(index); });
    });
    TDocument& document = app_.Document();
    for (const InfoField field :
         {InfoField::Title, InfoField::Creator, InfoField::Comment, InfoField::Idea, InfoField::Synopsis}) {
        QWidget* control = InfoFieldControl(field);
        const auto send = [this, &document, field, control] {
            if (!filling_)
                RunUserCommand(prompts_, this, [&document, field, control] { document.SetInfoField(field, FieldValue(control)); });
        };
        if (auto* line = qobject_cast<QLineEdit*>(control))
            connect(line, &QLineEdit::textChanged, this, send);
        else
            connect(static_cast<QPlainTextEdit*>(control), &QPlainTextEdit::textChanged, this, send);
    }
    connect(rapMemo, &QPlainTextEdit::textChanged, this, [this, &document] {
        if (!filling_)
            RunUserCommand(prompts_, this, [this, &document] { document.SetReportText(FieldValue(rapMemo)); });
    });
    connect(extRapNameEd, &QLineEdit::textChanged, this, [this, &document] {
        if (!filling_)
            RunUserCommand(prompts_, this, [this, &document] { document.SetReportFileName(FieldValue(extRapNameEd)); });
    });
    connect(extRapChck, &QCheckBox::clicked, this,
            [this, &document](bool checked) { RunUserCommand(prompts_, this, [&document, checked] { document.SetReportExternal(checked); }); });

    connect(&document, &TDocument::infoChanged, this, [this](InfoField field) {
        TFillGuard guard(filling_);
        ShowValue(InfoFieldControl(field), InfoString(app_.Project(), field));
    });
    connect(&document, &TDocument::reportChanged, this, [this] { ShowReport(); });
    connect(&document, &TDocument::projectReset, this, [this] { ShowLoadedProject(); });

    // Ctrl+Z and Ctrl+Y in a field go to the document; leaving a field ends
    // its typing step.
    auto* keys = new TFieldKeys(document, this);
    keys->WatchFieldsOf(this);
}

void TmainForm::ShowLoadedProject()
{
    const ProjectDocument& project = app_.Project();
    {
        TFillGuard guard(filling_);
        for (const InfoField field :
             {InfoField::Title, InfoField::Creator, InfoField::Comment, InfoField::Idea, InfoField::Synopsis})
            ShowValue(InfoFieldControl(field), InfoString(project, field));
    }
    ShowReport();
}

void TmainForm::ShowReport()
{
    TFillGuard guard(filling_);
    const TsRprt& report = app_.Project().Report;
    extRapChck->setChecked(report.isExternal);
    rapMemo->setVisible(!report.isExternal);
    if (report.fileName != kInlineReportPage)
        ShowValue(extRapNameEd, report.fileName);
    RapLabel->setText(report.caption.empty() ? ToQString(kEditorReportCaption) : ToQString(report.caption));
    ShowValue(rapMemo, report.text);
}

} // namespace sw
