// The general information and the report: the idea and report tabs,
// sent to the document as the user types, showing what it announces.
#include "app/infoview.h"

#include <string>
#include <utility>

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "editing/document.h"
#include "model/srprt.h"
#include "qtshared/fillguard.h"
#include "qtshared/tabkeys.h"
#include "qtshared/uitext.h"
#include "qtshared/widgetbuilders.h"

namespace sw {

using uitext::ToQString;
using namespace widgets;

namespace {

// A label in the left column of a form, level with the top of its field.
void AddRowLabel(QGridLayout* grid, int row, const QString& text, QWidget* field)
{
    auto* label = new QLabel(text);
    label->setBuddy(field);
    grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(field, row, 1);
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

TInfoView::TInfoView(TDocument& document, TUserPrompts& prompts, QWidget* ideaPage, QWidget* reportPage)
    : QObject(ideaPage), document_(document), prompts_(prompts), dialogParent_(ideaPage->window())
{
    BuildIdeaTab(ideaPage);
    BuildReportTab(reportPage);
    MoveFocusOnTabInGeneralInformation();
    ConnectEditors();
    ShowLoadedProject();
}

void TInfoView::ShowReportCaption()
{
    if (!document_.Project().Report.caption.empty())
        RapLabel->setText(ToQString(document_.Project().Report.caption));
}

void TInfoView::BuildIdeaTab(QWidget* page)
{
    titleEd = AddEdit(page, "titleEd");
    CreatorMemo = AddMemo(page, "CreatorMemo", 2);
    CommentMemo = AddMemo(page, "CommentMemo", 2);
    IdeaMemo = AddMemo(page, "IdeaMemo", 2);
    SynopsMemo = AddMemo(page, "SynopsMemo", 4, true);

    auto* grid = new QGridLayout(page);
    AddRowLabel(grid, 0, QStringLiteral("Titre:"), titleEd);
    AddRowLabel(grid, 1, QStringLiteral("Réalisé par:"), CreatorMemo);
    AddRowLabel(grid, 2, QStringLiteral("Notes:"), CommentMemo);
    AddRowLabel(grid, 3, QStringLiteral("Idée:"), IdeaMemo);
    AddRowLabel(grid, 4, QStringLiteral("Synopsis:"), SynopsMemo);
    // The synopsis, the longest text, takes most of the height.
    for (const auto& [row, stretch] : {std::pair{1, 2}, {2, 2}, {3, 2}, {4, 7}})
        grid->setRowStretch(row, stretch);
    grid->setColumnStretch(1, 1);

    SetHintTag(titleEd, 4);
    SetHintTag(CreatorMemo, 5);
    SetHintTag(CommentMemo, 6);
    SetHintTag(IdeaMemo, 7);
    SetHintTag(SynopsMemo, 8);
}

void TInfoView::MoveFocusOnTabInGeneralInformation()
{
    // The idea tab is a form: Tab goes from the title through the memos.
    for (QPlainTextEdit* memo : {CreatorMemo, CommentMemo, IdeaMemo, SynopsMemo})
        TTabKeys::MoveFocusOnTab(memo);
}

void TInfoView::BuildReportTab(QWidget* page)
{
    RapLabel = new QLabel(uitext::ToQString(kEditorReportCaption), page);
    RapLabel->setObjectName(QStringLiteral("RapLabel"));
    extRapChck = new QCheckBox(QStringLiteral("Utiliser fichier distinct"), page);
    extRapChck->setObjectName(QStringLiteral("extRapChck"));
    rapMemo = AddMemo(page, "rapMemo", 4, true);
    // A separate report file hides the text; the file name stays below.
    QSizePolicy keepPlace = rapMemo->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    rapMemo->setSizePolicy(keepPlace);
    auto* nameLabel = AddLabel(page, QStringLiteral("Nom du fichier (.htm):"));
    extRapNameEd = AddEdit(page, "extRapNameEd");
    nameLabel->setBuddy(extRapNameEd);
    extRapNameEd->setText(ToQString(kDefaultReportFileName));

    auto* column = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    top->addWidget(RapLabel, 1);
    top->addWidget(extRapChck);
    column->addLayout(top);
    column->addWidget(rapMemo, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(nameLabel);
    bottom->addWidget(extRapNameEd, 1);
    bottom->addStretch(2);
    column->addLayout(bottom);
    SetHintTag(rapMemo, 16);
}

QWidget* TInfoView::InfoFieldControl(InfoField field) const
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

void TInfoView::ConnectEditors()
{
    TDocument& document = document_;
    for (const InfoField field :
         {InfoField::Title, InfoField::Creator, InfoField::Comment, InfoField::Idea, InfoField::Synopsis}) {
        QWidget* control = InfoFieldControl(field);
        const auto send = [this, &document, field, control] {
            if (!filling_)
                Run( [&document, field, control] { document.SetInfoField(field, FieldValue(control)); });
        };
        if (auto* line = qobject_cast<QLineEdit*>(control))
            connect(line, &QLineEdit::textChanged, this, send);
        else
            connect(static_cast<QPlainTextEdit*>(control), &QPlainTextEdit::textChanged, this, send);
    }
    connect(rapMemo, &QPlainTextEdit::textChanged, this, [this, &document] {
        if (!filling_)
            Run( [this, &document] { document.SetReportText(FieldValue(rapMemo)); });
    });
    connect(extRapNameEd, &QLineEdit::textChanged, this, [this, &document] {
        if (!filling_)
            Run( [this, &document] { document.SetReportFileName(FieldValue(extRapNameEd)); });
    });
    connect(extRapChck, &QCheckBox::clicked, this,
            [this, &document](bool checked) { Run( [&document, checked] { document.SetReportExternal(checked); }); });

    connect(&document, &TDocument::infoChanged, this, [this](InfoField field) {
        TFillGuard guard(filling_);
        ShowValue(InfoFieldControl(field), InfoString(document_.Project(), field));
    });
    connect(&document, &TDocument::reportChanged, this, [this] { ShowReport(); });
    connect(&document, &TDocument::projectReset, this, [this] { ShowLoadedProject(); });
}

void TInfoView::ShowLoadedProject()
{
    const ProjectDocument& project = document_.Project();
    {
        TFillGuard guard(filling_);
        for (const InfoField field :
             {InfoField::Title, InfoField::Creator, InfoField::Comment, InfoField::Idea, InfoField::Synopsis})
            ShowValue(InfoFieldControl(field), InfoString(project, field));
    }
    ShowReport();
}

void TInfoView::ShowReport()
{
    TFillGuard guard(filling_);
    const TsRprt& report = document_.Project().Report;
    extRapChck->setChecked(report.isExternal);
    rapMemo->setVisible(!report.isExternal);
    if (report.fileName != kInlineReportPage)
        ShowValue(extRapNameEd, report.fileName);
    RapLabel->setText(report.caption.empty() ? ToQString(kEditorReportCaption) : ToQString(report.caption));
    ShowValue(rapMemo, report.text);
}

} // namespace sw
