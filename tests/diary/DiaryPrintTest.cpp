#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "DiaryFixture.h"
#include "DiaryPrint.h"
#include "KadenzoView.h"
#include "PrintDiaryToPdf.h"

using namespace kadenzo;
using namespace kadenzo::test;

class DiaryPrintTest : public QObject {
    Q_OBJECT

private:
    static void PrintToPdf(CDiaryPrintJob& job, const CKadenzoDoc& doc, const QString& path) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QVERIFY(RunPrintJob(printer, job, doc));
    }
    static QByteArray Head(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.read(5) : QByteArray();
    }

private slots:
    // Fourteen workouts on one day make the second week taller than the rest of
    // the first page.
    void aCrowdedWeekStartsANewPage() {
        for (int crowd : {1, 14}) {
            DiaryWorld world;
            for (int i = 0; i < crowd; ++i) world.Add(kMonday + 8, 30 + i, 30);
            QTemporaryDir dir;
            CDiaryPrintJob job(*world.doc);
            job.SetRange({kMonday, kMonday + 27, DiaryPrintRange::kFollowDisplay, 0});
            PrintToPdf(job, *world.doc, dir.filePath("diary.pdf"));
            QCOMPARE(Head(dir.filePath("diary.pdf")), QByteArray("%PDF-"));
            QVERIFY2(crowd == 1 ? job.PageCount() == 1 : job.PageCount() >= 2,
                     qPrintable(QString::number(job.PageCount())));
            QVERIFY(!job.LabelPointSize().has_value());  // forgotten at the end of the job
        }
    }

    void headlessPdfOfADocumentFileOrAClearFailure() {
        QTemporaryDir dir;
        const std::string diary = QDir(dir.path()).filePath("diary.kdz").toStdString();
        {
            DiaryWorld world;
            world.Add(kToday, 60, 45);
            edit::SetLogName(*world.doc, "Saison 2024");
            std::string error;
            QVERIFY2(world.doc->OnSaveDocument(diary, &error), error.c_str());
        }
        PrintPdfRequest request;
        request.documentPath = diary;
        request.outputPath = dir.filePath("out.pdf").toStdString();
        QString error;
        const mode_t mask = ::umask(022);
        const DiaryTexts texts;
        QCOMPARE(PrintDiaryToPdf(request, texts, &error), 0);
        ::umask(mask);
        QCOMPARE(Head(dir.filePath("out.pdf")), QByteArray("%PDF-"));
        // An ordinary new file, not the private temporary one it was written as.
        QVERIFY(QFileInfo(dir.filePath("out.pdf")).permissions().testFlag(QFile::ReadOther));
        // No temporary file stays behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

        // A damaged or missing diary fails cleanly: a message and no file at all.
        QFile junk(dir.filePath("junk.kdz"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("KADENZO2002\x00\x00\x00\x00\x01", 16);
        junk.close();
        request.documentPath = junk.fileName().toStdString();
        request.outputPath = dir.filePath("bad.pdf").toStdString();
        QCOMPARE(PrintDiaryToPdf(request, texts, &error), 1);
        QVERIFY(!error.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
        request.documentPath = "/nonexistent/diary.kdz";
        QCOMPARE(PrintDiaryToPdf(request, texts, &error), 1);
    }
};

QTEST_MAIN(DiaryPrintTest)
#include "DiaryPrintTest.moc"
