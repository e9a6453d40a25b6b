// Any project the loader accepts gives a whole PDF, and reads no picture but
// those of its image folder. The file is checked with a reader written apart:
// it starts and ends as a PDF, its cross-reference table points at each of its
// objects, the page tree counts its pages, and every picture drawn has the
// proportions of the one picture in the image folder, never those of a
// picture beside the folder, named by a path or through a link.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include <QGuiApplication>
#include <QtGlobal>
#include <QImage>

#include <unistd.h>

#include "fuzzsupport.h"
#include "document/projectdocument.h"
#include "document/projectfile.h"
#include "export/planoptions.h"
#include "model/error.h"
#include "printout/printout.h"

namespace {

namespace fs = std::filesystem;

// A fixed place for the picture beside the image folder, so that seeds can
// name it by its full path; it is made once and never removed.
const fs::path kBeside = "/tmp/shotweave-pdf-plan-fuzz";

// This run's own folder (runs side by side do not meet): its image folder
// with the one picture of the project and a link to the picture beside it,
// a copy of that picture beside the image folder, and the plan.
const fs::path& Scratch()
{
    static const fs::path folder = fuzzsupport::MakeScratchFolder("shotweave-pdf-plan-fuzz-run");
    return folder;
}

fs::path ImgDir()
{
    return Scratch() / "img";
}

void Require(bool holds)
{
    if (!holds)
        std::abort();
}

// The number written after key in the bytes from at, or -1.
long long NumberAfter(std::string_view pdf, std::size_t at, std::string_view key)
{
    const std::size_t found = pdf.find(key, at);
    if (found == std::string_view::npos)
        return -1;
    std::size_t digit = found + key.size();
    while (digit < pdf.size() && pdf[digit] == ' ')
        ++digit;
    long long value = 0;
    bool any = false;
    while (digit < pdf.size() && pdf[digit] >= '0' && pdf[digit] <= '9') {
        value = value * 10 + (pdf[digit++] - '0');
        any = true;
    }
    return any ? value : -1;
}

// The offsets of the objects, from the cross-reference table, which must
// point at each of them.
std::vector<std::size_t> ObjectOffsets(std::string_view pdf)
{
    const std::size_t start = pdf.rfind("startxref");
    Require(start != std::string_view::npos);
    const long long table = NumberAfter(pdf, start, "startxref\n");
    Require(table > 0 && static_cast<std::size_t>(table) < start);
    std::size_t at = static_cast<std::size_t>(table);
    Require(pdf.substr(at, 7) == "xref\n0 ");
    const long long objects = NumberAfter(pdf, at, "xref\n0");
    Require(objects > 1);
    at = pdf.find('\n', at + 7) + 1;
    std::vector<std::size_t> offsets;
    // Twenty bytes an entry: ten digits of offset, five of generation, n or f.
    for (long long object = 0; object < objects; ++object, at += 20) {
        Require(at + 20 <= pdf.size());
        const std::string_view entry = pdf.substr(at, 20);
        if (object == 0) {
            Require(entry.substr(10, 8) == " 65535 f");
            continue;
        }
        Require(entry.substr(10, 8) == " 00000 n");
        const std::size_t offset = std::stoull(std::string(entry.substr(0, 10)));
        const std::string header = std::to_string(object) + " 0 obj";
        Require(pdf.substr(offset, header.size()) == header);
        offsets.push_back(offset);
    }
    return offsets;
}

// The dictionary of the object at offset: what the writer wrote before its
// stream or its end, never the project's text, which streams and strings hold.
std::string_view ObjectHead(std::string_view pdf, std::size_t offset)
{
    const std::size_t end = std::min(pdf.find("stream", offset), pdf.find("endobj", offset));
    Require(end != std::string_view::npos);
    return pdf.substr(offset, end - offset);
}

void CheckPages(std::string_view pdf, const std::vector<std::size_t>& offsets)
{
    long long pages = 0;
    long long count = -1;
    for (const std::size_t offset : offsets) {
        const std::string_view head = ObjectHead(pdf, offset);
        if (head.find("/Type /Pages\n") != std::string_view::npos)
            count = NumberAfter(head, 0, "/Count");
        else if (head.find("/Type /Page\n") != std::string_view::npos)
            ++pages;
    }
    Require(count >= 1 && count == pages);
}

// The picture in the image folder is 4:3, the one beside it 1:4.
void CheckPictures(std::string_view pdf, const std::vector<std::size_t>& offsets)
{
    for (const std::size_t offset : offsets) {
        const std::string_view head = ObjectHead(pdf, offset);
        if (head.find("/Subtype /Image") == std::string_view::npos)
            continue;
        const long long width = NumberAfter(head, 0, "/Width");
        const long long height = NumberAfter(head, 0, "/Height");
        Require(width > 0 && height > 0);
        Require(std::llabs(width * 3 - height * 4) <= 7);
    }
}

} // namespace

// Fontconfig keeps what it reads of the fonts' configuration for the
// process, without a pointer the leak checker follows.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Fonts and pictures without a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*argc, *argv);
    // The image readers' complaints about broken files are expected here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    fs::create_directories(kBeside);
    fs::create_directories(ImgDir());
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(Scratch(), ignored);
    });
    QImage inside(64, 48, QImage::Format_RGB32);
    inside.fill(Qt::darkBlue);
    QImage beside(12, 48, QImage::Format_RGB32);
    beside.fill(Qt::red);
    const auto save = [](const QImage& picture, const fs::path& file, const char* format) {
        if (!picture.save(QString::fromStdString(file.string()), format))
            std::abort();
    };
    save(inside, ImgDir() / "a.jpg", "JPEG");
    save(beside, Scratch() / "secret.png", "PNG");
    if (!fs::exists(kBeside / "secret.png"))
        save(beside, kBeside / "secret.png", "PNG");
    fs::create_symlink("../secret.png", ImgDir() / "lien.png");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sw::ProjectDocument project;
    try {
        sw::LoadProjectBytes(project, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const sw::Error&) {
        return 0;
    }
    // The input's length picks the grid, the paper and the parts.
    sw::PlanOptions options;
    options.grid = sw::kPanelGrids[size % 4];
    options.paper = (size / 4) % 2 ? sw::PlanPaper::Letter : sw::PlanPaper::A4;
    options.continuity = (size / 8) % 2 == 0;
    options.firstPage = (size / 16) % 2 == 0;
    const fs::path pdfFile = Scratch() / "plan.pdf";
    fs::remove(pdfFile);
    Require(sw::printout::WritePlanPdf(pdfFile, project, ImgDir(), options));
    // Nothing beside the plan but what was there.
    for (const auto& entry : fs::directory_iterator(Scratch())) {
        const std::string name = entry.path().filename().string();
        Require(name == "img" || name == "secret.png" || name == "plan.pdf");
    }
    const std::string pdf = fuzzsupport::ReadAll(pdfFile);
    Require(pdf.starts_with("%PDF-1.") && pdf.ends_with("%%EOF\n"));
    const std::vector<std::size_t> offsets = ObjectOffsets(pdf);
    CheckPages(pdf, offsets);
    CheckPictures(pdf, offsets);
    return 0;
}
