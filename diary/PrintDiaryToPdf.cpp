#include "PrintDiaryToPdf.h"

#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryFile>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "AppContext.h"
#include "AppSettings.h"
#include "DataFiles.h"
#include "CalendarDays.h"
#include "DiaryPrint.h"
#include "DocumentFile.h"
#include "KadenzoDoc.h"
#include "LanguageModule.h"
#include "Library.h"

namespace kadenzo {
namespace {

std::vector<std::string> ArgumentsOf(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    return arguments;
}

}  // namespace

int PrintDiaryToPdf(const PrintPdfRequest& request, const StringTable& strings, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return 1;
    };
    const QString output = QString::fromStdString(request.outputPath);
    const QFileInfo outputInfo(output);

    // The diary is printed with the library stored in its file, asking nothing.
    AppContext context;
    context.strings = &strings;
    context.units = request.units;
    CKadenzoDoc document(context);
    std::string readError;
    try {
        DocumentContents contents = ReadDocumentFile(request.documentPath);
        contents.log->RemoveInvalid(contents.library.get());
        document.SetContents(std::move(contents));
    } catch (const ArchiveError& e) {
        readError = e.what();
    }
    if (!readError.empty())
        return fail(QStringLiteral("cannot read %1: %2")
                        .arg(QString::fromStdString(request.documentPath),
                             QString::fromStdString(readError)));

    CDiaryPrintJob job(document);
    DiaryPrintRange range;
    ResolvePrintDays(request, context.Today(), &range.firstDay, &range.lastDay);
    range.rangeMode = DiaryPrintRange::kFixed;
    job.SetRange(range);

    // Written beside the target and renamed over it when complete, so a failed
    // print leaves no half-written file.
    QTemporaryFile temporary(
        outputInfo.absoluteDir().filePath(QStringLiteral(".kadenzo-XXXXXX.pdf")));
    if (!temporary.open())
        return fail(QStringLiteral("cannot write into %1").arg(outputInfo.absolutePath()));
    temporary.close();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temporary.fileName());
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    printer.setDocName(QStringLiteral("Kadenzo"));
    if (!RunPrintJob(printer, job, document))
        return fail(QStringLiteral("cannot write %1").arg(output));

    // The temporary file is private to its owner; the PDF gets the usual
    // permissions of a new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(temporary.fileName()).constData(), 0666 & ~mask);
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(output).constData()) != 0)
        return fail(QStringLiteral("cannot write %1").arg(output));
    temporary.setAutoRemove(false);
    return 0;
}

bool IsPrintPdfCommand(int argc, char** argv) { return IsPrintPdfCommand(ArgumentsOf(argc, argv)); }

int PrintPdfMain(int argc, char** argv) {
    std::string parseError;
    const std::optional<PrintPdfRequest> request =
        ParsePrintPdfArguments(ArgumentsOf(argc, argv), &parseError);
    if (!request) {
        std::fprintf(stderr,
                     "kadenzo: %s\nusage: kadenzo --print-pdf OUT.pdf "
                     "[--from YYYY-MM-DD --to YYYY-MM-DD] [--metric|--imperial] FILE.kdz\n",
                     parseError.c_str());
        return 2;
    }
    // Printing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    std::unique_ptr<LanguageModule> module = LoadLanguageModule(
        QDir::currentPath(), DataDirectory(QCoreApplication::applicationDirPath()));
    if (!module) {
        std::fprintf(stderr, "kadenzo: no language module (rcus.rcc or rcge.rcc) found\n");
        return 1;
    }
    PrintPdfRequest resolved = *request;
    resolved.units = ReadUnitSettings(*OpenSettings());
    if (resolved.distanceUnit) resolved.units.distance = *resolved.distanceUnit;
    QString error;
    const int status = PrintDiaryToPdf(resolved, *module, &error);
    if (status != 0) std::fprintf(stderr, "kadenzo: %s\n", error.toLocal8Bit().constData());
    return status;
}

}  // namespace kadenzo
