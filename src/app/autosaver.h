#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include "document/projectdocument.h"
#include "recovery/recoverystore.h"

namespace sw {

// What one autosave writes: a copy of the project, and the file it belongs
// to (empty for a project never saved).
struct TRecoverySnapshot {
    ProjectDocument project;
    std::filesystem::path originalFile;
    // StableHash of the original's bytes as last read or written, which the
    // record keeps; nothing when unknown.
    std::optional<std::uint64_t> originalHash;
};

// Writes a recovery copy of the project every interval while it has unsaved
// changes, never to the user's file. The project is copied on the GUI
// thread, which is quick (a few milliseconds for 10,000 shots, where making
// its file's bytes takes ten times as long); the bytes are made, written and
// synced on a worker thread, one write at a time, so that typing is held up
// neither by the encoding nor by the disk. Bytes equal to the copy already
// written are not written again. A failed copy is reported once
// (problemChanged) and tried again at the next tick.
//
// The copies this run wrote, or took over at start-up, are removed together
// when the work is saved or discarded (DiscardCopies); the others in the
// folder are left for a later start.
class TAutoSaver : public QObject {
    Q_OBJECT
public:
    // The project's snapshot, or nothing when it has no unsaved changes. It
    // runs on the GUI thread.
    using SnapshotSource = std::function<std::optional<TRecoverySnapshot>()>;

    TAutoSaver(RecoveryStore store, SnapshotSource source, QObject* parent = nullptr);
    // Waits for the write on its way.
    ~TAutoSaver() override;

    const RecoveryStore& Store() const { return store_; }
    // Writes go through this store from now on: tests give one whose writes
    // fail as a full disk does.
    void UseStore(RecoveryStore store);

    // Seconds between two copies (the setting AutoSaveSeconds); 0 turns them off.
    void SetIntervalSeconds(int seconds);
    void SetInterval(std::chrono::milliseconds interval);
    std::chrono::milliseconds Interval() const;

    // One autosave, as the timer makes it: nothing when there is nothing to
    // save or while the previous write is still on its way (the next tick
    // takes the newer bytes).
    void SaveNow();
    bool IsWriting() const;
    void WaitForWrite();

    // The copy read back at start-up belongs to this run: it is rewritten
    // under this editor's name (RecoveryStore::Claim). Throws sw::Error when
    // it cannot be; the copy is then still removed with this run's.
    void Adopt(const RecoveryEntry& entry);
    // Once the write on its way is done, removes every copy of this run: its
    // work was saved or discarded. Throws sw::Error when one cannot be removed.
    void DiscardCopies();
    // No copy after this: the timer stops, the write on its way ends.
    void Stop();

signals:
    // The message of a failed autosave, sent once until one succeeds; an
    // empty message when one succeeded after a failure.
    void problemChanged(const QString& message);
    // Every autosave looked at the project: writing tells whether a copy is
    // on its way.
    void saveChecked(bool writing);

private:
    // The copy the worker wrote last, which only the worker touches while a
    // write is on its way.
    struct TWrittenCopy {
        std::filesystem::path originalFile;
        std::string bytes;
    };
    // On the worker: the snapshot's bytes written unless they are those of
    // the copy already there. The failure's message; empty when written.
    static std::string WriteCopy(const RecoveryStore& store, const TRecoverySnapshot& snapshot,
                                 TWrittenCopy& written);

    void WriteFinished();
    void ReportProblem(const std::string& problem);

    RecoveryStore store_;
    SnapshotSource source_;
    QTimer timer_;
    // The write on its way; its result is the failure's message, empty when
    // the copy was written.
    QFutureWatcher<std::string> write_;
    std::shared_ptr<TWrittenCopy> written_ = std::make_shared<TWrittenCopy>();
    std::set<std::filesystem::path> copies_;  // the originals of this run's copies
    std::vector<RecoveryEntry> adopted_;      // copies of another run not yet made this run's
    bool problemShown_ = false;
};

} // namespace sw
