// The GUI thread's share of one autosave of a 10,000-shot project, measured
// in the editor's own window on the offscreen platform: the document's
// project copied and handed to the worker thread, no step made. That is
// how long typing waits; writing and syncing the copy (recovery_bench) runs
// on the worker, outside the timing.
#include <chrono>
#include <filesystem>
#include <memory>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <benchmark/benchmark.h>

#include "app/autosaver.h"
#include "bench/benchproject.h"
#include "document/projectfile.h"
#include "editortestkit.h"

namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kShots = 10000;

// The editor with a modified project of kShots shots open, its timer off:
// the benchmarks start each autosave themselves.
struct LargeProjectEditor {
    QTemporaryDir folder;
    swtest::FakePrompts prompts;
    std::unique_ptr<sw::TEditorApp> app;
    std::unique_ptr<sw::TmainForm> form;
    QLineEdit* title = nullptr;

    LargeProjectEditor()
    {
        const fs::path base = folder.path().toStdString();
        sw::ProjectDocument project = sw::bench::MakeProject(kShots);
        sw::SaveProject(project, base / "grand.vid");
        app = std::make_unique<sw::TEditorApp>(base / "bin" / "shotweave", base / "shotweave.ini", base / "recovery");
        form = std::make_unique<sw::TmainForm>(*app, prompts);
        form->show();
        form->FormShow({QString::fromStdString((base / "grand.vid").string())});
        AutoSaver().SetInterval(std::chrono::milliseconds(0));
        title = form->findChild<QLineEdit*>(QStringLiteral("titleEd"));
        QTest::keyClick(title, Qt::Key_X);
    }
    sw::TAutoSaver& AutoSaver() const { return form->Document().AutoSaver(); }
    // The write on its way done and its result taken by the GUI thread.
    void FinishWrite() const
    {
        AutoSaver().WaitForWrite();
        QCoreApplication::processEvents();
    }
};

LargeProjectEditor& Editor()
{
    static LargeProjectEditor editor;
    return editor;
}

void GuiThreadBlockedByOneAutoSave(benchmark::State& state)
{
    LargeProjectEditor& editor = Editor();
    double longest = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        editor.AutoSaver().SaveNow();
        const std::chrono::duration<double, std::milli> blocked = std::chrono::steady_clock::now() - start;
        longest = std::max(longest, blocked.count());
        state.PauseTiming();
        if (!editor.AutoSaver().IsWriting())
            state.SkipWithError("no copy was started");
        editor.FinishWrite();
        state.ResumeTiming();
    }
    state.counters["longest_ms"] = longest;
}
BENCHMARK(GuiThreadBlockedByOneAutoSave)->Unit(benchmark::kMillisecond)->Iterations(50);

// A key typed into the title while the copy is written and synced.
void KeystrokeWhileTheCopyIsWritten(benchmark::State& state)
{
    LargeProjectEditor& editor = Editor();
    int duringWrite = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.AutoSaver().SaveNow();
        state.ResumeTiming();
        QTest::keyClick(editor.title, Qt::Key_Y);
        state.PauseTiming();
        duringWrite += editor.AutoSaver().IsWriting() ? 1 : 0;
        editor.FinishWrite();
        state.ResumeTiming();
    }
    state.counters["keys_during_write"] = duringWrite;
}
BENCHMARK(KeystrokeWhileTheCopyIsWritten)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(editor);
    Q_INIT_RESOURCE(dialogs);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
