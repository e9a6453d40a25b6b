#include "app/recoveryoffer.h"

#include <exception>
#include <system_error>

#include <QDateTime>
#include <QLocale>

#include "app/userprompts.h"
#include "document/projectfile.h"
#include "qtshared/uitext.h"

namespace sw {

TRecoveryOffer::TRecoveryOffer(const RecoveryStore& store, TUserPrompts& prompts, QWidget* parent)
    : store_(store), prompts_(prompts), parent_(parent)
{
}

std::optional<RecoveryEntry> TRecoveryOffer::Ask() const
{
    for (const RecoveryEntry& entry : store_.List()) {
        // Another editor's copy of work still open there is not this run's
        // to offer.
        if (entry.editorRunning)
            continue;
        if (!entry.IsReadable()) {
            prompts_.Inform(parent_, uitext::FromUtf8(entry.problem));
            continue;
        }
        switch (prompts_.AskRecovery(parent_, Question(entry))) {
        case RecoveryAnswer::Recover:
            return entry;
        case RecoveryAnswer::Delete:
            Delete(entry);
            break;
        case RecoveryAnswer::Ignore:
            break;
        }
    }
    return std::nullopt;
}

void TRecoveryOffer::Delete(const RecoveryEntry& entry) const
{
    try {
        store_.Remove(entry);
    } catch (const std::exception& error) {
        prompts_.Inform(parent_, uitext::FromUtf8(error.what()));
    }
}

QString TRecoveryOffer::Question(const RecoveryEntry& entry)
{
    const QString name = entry.originalFile.empty() ? QStringLiteral("Sans titre")
                                                    : uitext::PathToQString(entry.originalFile.filename());
    QString question = QStringLiteral("Shotweave s'est arrêté sans enregistrer. Récupérer le travail du ")
                       + FrenchDateTime(entry.savedAt) + QStringLiteral(" sur « ") + name + QStringLiteral(" » ?");
    std::error_code ignored;
    if (entry.originalHash && std::filesystem::exists(entry.originalFile, ignored)
        && FileChangedSince(entry.originalFile, *entry.originalHash))
        question += QStringLiteral(" Le fichier a changé sur le disque depuis : son enregistrement vous demandera "
                                   "quelle version garder.");
    return question;
}

QString TRecoveryOffer::FrenchDateTime(const std::string& isoTime)
{
    const QString text = QString::fromStdString(isoTime);
    const QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    if (!time.isValid())
        return text;
    const QLocale french(QLocale::French, QLocale::France);
    return french.toString(time.toLocalTime(), QStringLiteral("d MMMM yyyy 'à' HH:mm"));
}

} // namespace sw
