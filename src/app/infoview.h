#pragma once

#include <utility>

#include <QObject>

#include "app/usercommand.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace sw {

class TDocument;
class TUserPrompts;
enum class InfoField;

// The general information and the report, a view of the document: the idea
// tab (title, authors, notes, idea, synopsis) and the report tab (its text,
// or the name of a report file of its own). What the user types goes to the
// document as it is typed; the fields show what the document announces.
class TInfoView : public QObject {
    Q_OBJECT
public:
    // The controls go into the two tab pages.
    TInfoView(TDocument& document, TUserPrompts& prompts, QWidget* ideaPage, QWidget* reportPage);

    // The report's caption, shown when its tab comes up.
    void ShowReportCaption();

private:
    void BuildIdeaTab(QWidget* page);
    void BuildReportTab(QWidget* page);
    void MoveFocusOnTabInGeneralInformation();
    void ConnectEditors();
    QWidget* InfoFieldControl(InfoField field) const;
    void ShowLoadedProject();
    void ShowReport();
    template <typename Command>
    void Run(Command&& command)
    {
        RunUserCommand(prompts_, dialogParent_, std::forward<Command>(command));
    }

    TDocument& document_;
    TUserPrompts& prompts_;
    QWidget* dialogParent_;
    int filling_ = 0;

    // Idea tab.
    QLineEdit* titleEd = nullptr;
    QPlainTextEdit* CreatorMemo = nullptr;
    QPlainTextEdit* CommentMemo = nullptr;
    QPlainTextEdit* IdeaMemo = nullptr;
    QPlainTextEdit* SynopsMemo = nullptr;
    // Report tab.
    QLabel* RapLabel = nullptr;
    QCheckBox* extRapChck = nullptr;
    QPlainTextEdit* rapMemo = nullptr;
    QLineEdit* extRapNameEd = nullptr;
};

} // namespace sw
