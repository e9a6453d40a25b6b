#include "app/autosaver.h"

#include <exception>
#include <utility>

#include <QtConcurrent/QtConcurrentRun>

#include "qtshared/uitext.h"

namespace sw {

namespace {

std::string WriteCopy(const RecoveryStore& store, const TRecoverySnapshot& snapshot)
{
    try {
        store.WriteBytes(snapshot.bytes, snapshot.originalFile);
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

} // namespace

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
    std::optional<TRecoverySnapshot> snapshot;
    try {
        snapshot = source_();
    } catch (const std::exception& error) {
        ReportProblem(error.what());
    }
    if (!snapshot) {
        emit saveChecked(false);
        return;
    }
    // Noted before the write: a copy half made is removed with the others.
    copies_.insert(snapshot->originalFile);
    // The worker gets its own store and the bytes; nothing it touches is
    // shared with the GUI thread.
    write_.setFuture(QtConcurrent::run(
        [store = store_, snapshot = std::move(*snapshot)] { return WriteCopy(store, snapshot); }));
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

void TAutoSaver::Adopt(const std::filesystem::path& originalFile)
{
    copies_.insert(originalFile);
}

void TAutoSaver::DiscardCopies()
{
    WaitForWrite();
    while (!copies_.empty()) {
        store_.RemoveFor(*copies_.begin());
        copies_.erase(copies_.begin());
    }
}

void TAutoSaver::Stop()
{
    timer_.stop();
    WaitForWrite();
}

} // namespace sw
