// A project in a folder its user cannot write to, as one received on a
// read-only share: it opens, and saving or publishing asks for a place to
// write. Root writes in any folder, so ctest starts this suite as an
// ordinary user when it runs as root (asuser.sh).
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include <QLineEdit>
#include <QtTest>

#include "editortestkit.h"

namespace fs = std::filesystem;

namespace {

std::string Bytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QString Q(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

// The example's project file alone, without its site folder, in a folder
// made read-only.
struct ReadOnlyProject {
    QTemporaryDir dir;
    fs::path folder;
    fs::path file;

    ReadOnlyProject()
    {
        folder = fs::path(dir.path().toStdString()) / "partage";
        fs::create_directory(folder);
        file = folder / "court.vid";
        fs::copy_file(fs::path(SHOTWEAVE_SOURCE_DIR) / "examples" / "court-metrage" / "court.vid", file);
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    }
    ~ReadOnlyProject() { fs::permissions(folder, fs::perms::owner_all); }
};

} // namespace

class ReadOnlyTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

private slots:
    void initTestCase()
    {
        swtest::StartEditorSuite(home_);
        if (::geteuid() == 0)
            QSKIP("root writes in any folder: run through asuser.sh");
    }

    void aProjectInAReadOnlyFolderOpensAndIsSavedElsewhere()
    {
        ReadOnlyProject shared;
        const std::string before = Bytes(shared.file);
        swtest::Editor editor;
        editor.prompts.fileToOpen = Q(shared.file);
        editor.Trigger("mOuvrir");
        QVERIFY2(editor.prompts.messages.isEmpty(), qPrintable(editor.prompts.messages.join(QLatin1Char('\n'))));
        QCOMPARE(editor.form->windowTitle(), swtest::WindowTitleFor(Q(shared.file)));
        QVERIFY(editor.ShotNames().size() > 1);
        QVERIFY2(editor.Note().contains(QStringLiteral("est en lecture seule")), qPrintable(editor.Note()));
        QVERIFY(!fs::exists(shared.folder / "court"));

        // A change, then Enregistrer: the project cannot be saved there,
        // and the user is offered another place; "Non" keeps it modified.
        auto* title = editor.Find<QLineEdit>("titleEd");
        title->setFocus();
        QTest::keyClicks(title, QStringLiteral(" bis"));
        editor.Trigger("mSave");
        QCOMPARE(editor.prompts.messages.size(), 1);
        QVERIFY(editor.prompts.messages.first().startsWith(QStringLiteral("Le projet « court.vid » ne peut pas être "
                                                                          "enregistré dans le dossier « ")
                                                           + Q(shared.folder) + QStringLiteral(" »")));
        QVERIFY(!editor.prompts.messages.first().contains(QStringLiteral("version précédente")));
        QCOMPARE(editor.prompts.questions, QStringList{QStringLiteral("L'enregistrer ailleurs (Enregistrer sous...) ?")});
        QVERIFY(editor.form->isWindowModified());
        QCOMPARE(Bytes(shared.file), before);

        // "Oui": saved where the user chose, which the window shows.
        const fs::path elsewhere = fs::path(editor.folder.path().toStdString()) / "copie.vid";
        editor.prompts.yesNoAnswers = {true};
        editor.prompts.fileToSave = Q(elsewhere);
        editor.Trigger("mSave");
        QVERIFY(fs::is_regular_file(elsewhere));
        QVERIFY(!editor.form->isWindowModified());
        QCOMPARE(editor.form->windowTitle(), swtest::WindowTitleFor(Q(elsewhere)));
        QCOMPARE(editor.form->statusTip(), Q(elsewhere));
        QCOMPARE(Bytes(shared.file), before);
    }

    void publishingAReadOnlyProjectAsksForAPlaceToWrite()
    {
        ReadOnlyProject shared;
        swtest::Editor editor;
        editor.prompts.fileToOpen = Q(shared.file);
        editor.Trigger("mOuvrir");
        const fs::path elsewhere = fs::path(editor.folder.path().toStdString()) / "plan.vid";
        editor.prompts.yesNoAnswers = {true};
        editor.prompts.fileToSave = Q(elsewhere);
        editor.Trigger("publier1");
        QCOMPARE(editor.prompts.questions, QStringList{QStringLiteral("L'enregistrer ailleurs (Enregistrer sous...) ?")});
        // The site is where the project now is.
        QVERIFY(fs::is_regular_file(elsewhere.parent_path() / "plan" / "index.html"));
        QVERIFY(!fs::exists(shared.folder / "court"));
        QVERIFY(editor.prompts.messages.last().startsWith(QStringLiteral("Le film plan.vid est maintenant publié")));
    }
};

QTEST_MAIN(ReadOnlyTest)
#include "readonly_test.moc"
