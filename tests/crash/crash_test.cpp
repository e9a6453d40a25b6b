// The real program killed while it works on a project: its recovery copy
// brings the change back at the next start, and the project file is as it
// was before the crash.
#include <filesystem>
#include <string>

#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

#include "app/editorstart.h"
#include "editortestkit.h"
#include "qtshared/uitext.h"
#include "recovery/recoverystore.h"

namespace {

namespace fs = std::filesystem;
using swtest::ReadBytes;

// Typed into the title by the typing editor (typingeditor.cpp).
const QString kTyped = QStringLiteral(" après la panne");

} // namespace

class CrashTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;

    fs::path Path(const char* name) const { return fs::path(folder_.path().toStdString()) / name; }

    // The folders of both runs: settings with a copy every second, state,
    // desktop files and home, all in the temporary folder.
    QProcessEnvironment Environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(Path("config").string()));
        environment.insert(QStringLiteral("XDG_STATE_HOME"), QString::fromStdString(Path("state").string()));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(Path("data").string()));
        environment.insert(QStringLiteral("HOME"), folder_.path());
        return environment;
    }

    // The title held by the recovery copy of file; empty while there is none.
    static std::string RecoveredTitle(const sw::RecoveryStore& store, const fs::path& file)
    {
        for (const sw::RecoveryEntry& entry : store.List())
            if (entry.IsReadable() && entry.originalFile == file) {
                sw::ProjectDocument document;
                store.Read(entry, document);
                return document.GenInfo.title;
            }
        return {};
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(editor);
        Q_INIT_RESOURCE(dialogs);
        QVERIFY(folder_.isValid());
    }

    void aKilledEditorsWorkComesBackAndItsFileIsUntouched()
    {
        fs::copy(fs::path(SHOTWEAVE_SOURCE_DIR) / "examples" / "court-metrage", Path("film"),
                 fs::copy_options::recursive);
        const fs::path court = Path("film") / "court.vid";
        const std::string before = ReadBytes(court);
        sw::ProjectDocument original;
        sw::LoadProject(original, court);
        fs::create_directories(Path("config") / "shotweave");
        {
            std::ofstream ini(Path("config") / "shotweave" / "shotweave.ini", std::ios::binary);
            ini << "[PREFS]\r\nAutoSaveSeconds=1\r\n";
        }
        const sw::RecoveryStore store(Path("state") / "shotweave" / "recovery");
        const std::string changed = original.GenInfo.title + " après la panne";

        QProcess editor;
        editor.setProcessEnvironment(Environment());
        editor.setProcessChannelMode(QProcess::ForwardedChannels);
        editor.start(QStringLiteral(SHOTWEAVE_EXECUTABLE), {kTyped, QString::fromStdString(court.string())});
        QVERIFY(editor.waitForStarted());
        // The About box stays about seven seconds before the window opens.
        QTRY_COMPARE_WITH_TIMEOUT(RecoveredTitle(store, court), changed, 60000);
        editor.kill();  // SIGKILL: nothing of the program runs after it
        QVERIFY(editor.waitForFinished());
        QCOMPARE(editor.exitStatus(), QProcess::CrashExit);
        QCOMPARE(ReadBytes(court), before);
        QVERIFY(!fs::exists(sw::BackupFileOf(court)));

        // The next start, in this process with the same folders, answered
        // "Récupérer".
        const QProcessEnvironment again = Environment();
        for (const QString& name : {QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("XDG_STATE_HOME"),
                                    QStringLiteral("XDG_DATA_HOME"), QStringLiteral("HOME")})
            qputenv(name.toUtf8().constData(), again.value(name).toUtf8());
        swtest::FakePrompts prompts;
        prompts.recoveryAnswers = {sw::RecoveryAnswer::Recover};
        const std::unique_ptr<sw::TEditorApp> app = sw::MakeEditorApp(SHOTWEAVE_EXECUTABLE);
        QCOMPARE(app->RecoveryFolder(), store.Folder());
        sw::TmainForm form(*app, prompts);
        sw::StartEditorWindow(form, {QString::fromStdString(court.string())});

        QCOMPARE(prompts.recoveryQuestions.size(), 1);
        QVERIFY2(prompts.recoveryQuestions[0].startsWith(
                     QStringLiteral("Shotweave s'est arrêté sans enregistrer. Récupérer le travail du ")),
                 qPrintable(prompts.recoveryQuestions[0]));
        QVERIFY(prompts.recoveryQuestions[0].endsWith(QStringLiteral(" sur « court.vid » ?")));
        auto* title = form.findChild<QLineEdit*>(QStringLiteral("titleEd"));
        QVERIFY(title);
        QCOMPARE(title->text(), sw::uitext::ToQString(original.GenInfo.title) + kTyped);
        QVERIFY(form.Document().IsModified());
        QCOMPARE(app->Paths().CurrentFile, court);
        QCOMPARE(app->Project().EventList.Count(), original.EventList.Count());
        QCOMPARE(ReadBytes(court), before);
        swtest::Screenshot(&form, QStringLiteral("crash-recovered"));
    }
};

QTEST_MAIN(CrashTest)
#include "crash_test.moc"
