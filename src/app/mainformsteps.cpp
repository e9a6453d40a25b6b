// The main window's part in the undo history: the "Édition" menu, the
// general information and the report as steps, and what a step's undo
// stores first.
#include "app/mainform.h"

#include <string>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "app/documentcontroller.h"
#include "app/editorapp.h"
#include "app/fieldsteps.h"
#include "app/fieldundofirst.h"
#include "app/shoteditor.h"
#include "app/undohistory.h"
#include "app/usercommand.h"
#include "qtshared/fillguard.h"
#include "qtshared/uitext.h"
#include "qtshared/widgetbuilders.h"

namespace sw {

using uitext::ToQString;

void TmainForm::BuildEditMenu(QAction* before)
{
    TUndoHistory& history = document_->History();
    auto* menu = new QMenu(QStringLiteral("&Édition"), this);
    menu->setObjectName(QStringLiteral("menuEdition"));
    menuBar()->insertMenu(before, menu);
    const auto run = [this](std::function<void()> command) { RunUserCommand(prompts_, this, command); };
    menu->addAction(history.CreateUndoAction(menu, run));
    menu->addAction(history.CreateRedoAction(menu, run));
    // What is being typed becomes a step before the captions are read.
    connect(menu, &QMenu::aboutToShow, this, [this, &history] { RunUserCommand(prompts_, this, [&history] { history.Flush(); }); });
}

void TmainForm::WatchSteps()
{
    TUndoHistory& history = document_->History();
    fieldSteps_ = new TFieldSteps(history, this);
    ProjectDocument& project = app_.Project();
    const auto watchLine = [this](QLineEdit* edit, std::string& field, const QString& text) {
        fieldSteps_->Watch<std::string>({edit}, text, [&field] { return field; }, [this, edit, &field](const std::string& value) {
            TFillGuard guard(filling_);
            field = value;
            edit->setText(ToQString(value));
        });
    };
    const auto watchMemo = [this](QPlainTextEdit* memo, std::string& field, const QString& text) {
        fieldSteps_->Watch<std::string>({memo}, text, [&field] { return field; }, [this, memo, &field](const std::string& value) {
            TFillGuard guard(filling_);
            field = value;
            widgets::SetEditorText(memo, value);
        });
    };
    watchLine(titleEd, project.GenInfo.title, QStringLiteral("Modifier le titre"));
    watchMemo(CreatorMemo, project.GenInfo.creator, QStringLiteral("Modifier les auteurs"));
    watchMemo(CommentMemo, project.GenInfo.comment, QStringLiteral("Modifier les notes"));
    watchMemo(IdeaMemo, project.GenInfo.idea, QStringLiteral("Modifier l'idée"));
    watchMemo(SynopsMemo, project.GenInfo.synopsis, QStringLiteral("Modifier le synopsis"));
    fieldSteps_->Watch<TsRprt>({rapMemo, extRapNameEd, extRapChck}, QStringLiteral("Modifier le rapport"),
                               [&project] { return project.Report; },
                               [this, &project](const TsRprt& report) {
                                   project.Report = report;
                                   ShowReport();
                               });

    // A step undone or redone starts from the project with every edit in it.
    history.SetFlush([this] {
        shots_->StoreCurrentShot();
        fieldSteps_->CommitAll();
    });
    auto* undoFirst = new TFieldUndoFirst(this);
    undoFirst->WatchFieldsOf(this);
}

} // namespace sw
