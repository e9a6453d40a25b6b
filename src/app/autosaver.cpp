#include "app/autosaver.h"

#include <exception>
#include <system_error>
#include <utility>

#include <QtConcurrent/QtConcurrentRun>

#include "document/projectfile.h"
#include "qtshared/uitext.h"

namespace sw {

std::string TAutoSaver::WriteCopy(const RecoveryStore& store, const TRecoverySnapshot& snapshot,
                                  TWrittenCopy& written)
{
    try {
        std::string bytes = ProjectFileBytes(snapshot.project);
        std::error_code ignored;
        // Nothing changed since the last copy, which is still there: no
        // need to write and sync it again.
        if (snapshot.originalFile == written.originalFile && bytes == written.bytes
            && std::filesystem::exists(store.RecoveryFileFor(snapshot.originalFile), ignored))
            return {};
        written = {};
        store.WriteBytes(bytes, snapshot.originalFile, std::chrono::system_clock::now(), snapshot.originalHash);
        written = {snapshot.originalFile, std::move(bytes)};
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

TAutoSaver::TAutoSaver(RecoveryStore store, SnapshotSource source, QObject* parent)
    : QObject(parent), store_(std::move(store)), source_(std::move(source))
{
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &TAutoSaver::SaveNow);
    connect(&write_, &QFutureWatcher<std::string>::finished, this, &TAutoSaver::WriteFinished);
}

TAutoSaver::~TAutoSaver()
{
    Stop();
}

void TAutoSaver::UseStore(RecoveryStore store)
{
    WaitForWrite();
    store_ = std::move(store);
    *written_ = {};
}

void TAutoSaver::SetIntervalSeconds(int seconds)
{
    SetInterval(std::chrono::seconds(seconds > 0 ? seconds : 0));
}

void TAutoSaver::SetInterval(std::chrono::milliseconds interval)
{
    if (interval.count() <= 0) {
        timer_.stop();
        return;
    }
    timer_.start(interval);
}

std::chrono::milliseconds TAutoSaver::Interval() const
{
    return timer_.isActive() ? timer_.intervalAsDuration() : std::chrono::milliseconds(0);
}

void TAutoSaver::SaveNow()
{
    if (IsWriting())
        return;
    std::optional<TRecoverySnapshot> snapshot = source_();
    if (!snapshot) {
        emit saveChecked(false);
        return;
    }
    // Noted before the write: a copy half made is removed with the others.
    copies_.insert(snapshot->originalFile);
    // The worker gets its own store and project; what it wrote last is
    // touched by one write at a time, the GUI thread waiting for it first.
    write_.setFuture(QtConcurrent::run([store = store_, snapshot = std::move(*snapshot), written = written_] {
        return WriteCopy(store, snapshot, *written);
    }));
    emit saveChecked(true);
}

bool TAutoSaver::IsWriting() const
{
    return write_.isRunning();
}

void TAutoSaver::WaitForWrite()
{
    write_.waitForFinished();
}

void TAutoSaver::WriteFinished()
{
    const std::string problem = write_.result();
    if (!problem.empty()) {
        ReportProblem(problem);
        return;
    }
    if (std::exchange(problemShown_, false))
        emit problemChanged(QString());
}

void TAutoSaver::ReportProblem(const std::string& problem)
{
    if (std::exchange(problemShown_, true))
        return;
    emit problemChanged(QStringLiteral("Enregistrement de secours impossible : ") + uitext::FromUtf8(problem));
}

void TAutoSaver::Adopt(const RecoveryEntry& entry)
{
    WaitForWrite();
    copies_.insert(entry.originalFile);
    try {
        store_.Claim(entry);
    } catch (...) {
        adopted_.push_back(entry);
        throw;
    }
}

void TAutoSaver::DiscardCopies()
{
    WaitForWrite();
    *written_ = {};
    while (!copies_.empty()) {
        store_.RemoveFor(*copies_.begin());
        copies_.erase(copies_.begin());
    }
    while (!adopted_.empty()) {
        store_.Remove(adopted_.back());
        adopted_.pop_back();
    }
}

void TAutoSaver::Stop()
{
    timer_.stop();
    WaitForWrite();
}

} // namespace sw
