#include "qtshared/codepageguard.h"

#include <algorithm>
#include <optional>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolTip>

#include "model/cp1252.h"
#include "qtshared/uitext.h"

namespace sw {

namespace {

const char* const kWhere = "un fichier de styles";

} // namespace

TCodePageGuard::TCodePageGuard(QWidget* field)
    : QObject(field)
{
}

TCodePageGuard* TCodePageGuard::Guard(QLineEdit* edit)
{
    auto* guard = new TCodePageGuard(edit);
    // textEdited comes from the user only: a text the program sets is kept.
    connect(edit, &QLineEdit::textEdited, guard, [guard, edit](const QString& text) {
        const QString kept = guard->Kept(text);
        if (kept.size() == text.size())
            return;
        const int cursor = edit->cursorPosition() - static_cast<int>(text.size() - kept.size());
        edit->setText(kept);
        edit->setCursorPosition(std::max(0, cursor));
        guard->Tell(edit);
    });
    return guard;
}

TCodePageGuard* TCodePageGuard::Guard(QPlainTextEdit* memo)
{
    auto* guard = new TCodePageGuard(memo);
    // The change is noted while the document makes it and looked at once it
    // is made, when the document may be changed again.
    connect(memo->document(), &QTextDocument::contentsChange, guard, [guard, memo](int position, int, int added) {
        // Only what the user types or pastes: the program fills the memo
        // while it does not have the focus.
        if (!guard->changing_ && added > 0 && memo->hasFocus())
            guard->added_ = {position, position + added};
    });
    connect(memo, &QPlainTextEdit::textChanged, guard, [guard, memo] {
        const auto [start, end] = guard->added_;
        guard->added_ = {0, 0};
        if (end <= start)
            return;
        QTextCursor cursor(memo->document());
        cursor.setPosition(std::min(start, cursor.document()->characterCount() - 1));
        cursor.setPosition(std::min(end, cursor.document()->characterCount() - 1), QTextCursor::KeepAnchor);
        const QString text = cursor.selectedText();
        const QString kept = guard->Kept(text);
        if (kept.size() == text.size())
            return;
        guard->changing_ = true;
        cursor.insertText(kept);
        guard->changing_ = false;
        guard->Tell(memo);
    });
    return guard;
}

QString TCodePageGuard::Kept(const QString& text)
{
    const std::string utf8 = uitext::ToUtf8(text);
    const std::optional<char32_t> first = FirstCharacterOutsideCp1252(utf8);
    if (!first)
        return text;
    lastRefusal_ = uitext::FromUtf8(CharacterOutsideCp1252Message(*first, kWhere));
    std::string kept;
    kept.reserve(utf8.size());
    AppendAsCp1252(kept, utf8, [](std::string&, char32_t) {});
    return uitext::ToQString(Cp1252ToUtf8(kept));
}

void TCodePageGuard::Tell(QWidget* field)
{
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), lastRefusal_, field);
    emit refused(lastRefusal_);
}

} // namespace sw
