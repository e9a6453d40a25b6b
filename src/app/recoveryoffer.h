#pragma once

#include <optional>
#include <string>

#include <QString>

#include "recovery/recoverystore.h"

class QWidget;

namespace sw {

class TUserPrompts;

// The offer, at start-up and before any project is opened, of the recovery
// copies a run that stopped without saving left behind. The user answers for
// each: "Récupérer" (at most one, since the window holds one project; the
// others are then kept for a later start without asking), "Ignorer" (kept
// for later) or "Supprimer". A copy that cannot be read is reported with the
// reason and kept.
class TRecoveryOffer {
public:
    TRecoveryOffer(const RecoveryStore& store, TUserPrompts& prompts, QWidget* parent);

    // Asks for every copy in the store; the one to recover, if any.
    std::optional<RecoveryEntry> Ask() const;

    // « Shotweave s'est arrêté sans enregistrer. Récupérer le travail du
    // 9 décembre 2026 à 14:05 sur « court.vid » ? », « Sans titre » for a
    // project never saved.
    static QString Question(const RecoveryEntry& entry);
    // An ISO 8601 time ("2026-12-09T14:05:12+01:00") as a French local date
    // and time: "9 décembre 2026 à 14:05"; the text itself when it is not one.
    static QString FrenchDateTime(const std::string& isoTime);

private:
    // Removes the copy; a copy that cannot be removed is reported.
    void Delete(const RecoveryEntry& entry) const;

    const RecoveryStore& store_;
    TUserPrompts& prompts_;
    QWidget* parent_;
};

} // namespace sw
