// Where the program finds the files it ships. The names come from the command
// line and the settings, so nothing that is not a language code leads out of
// the data folder.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "DataFiles.h"

using namespace kadenzo;

class DataFilesTest : public QObject {
    Q_OBJECT

private slots:
    void installedLayoutFirstThenTheBuildTreeAndOnlyLanguageCodes() {
        QTemporaryDir root;
        const QString bin = root.filePath("bin");
        auto share = [&](const QString& name) { return root.filePath("share/kadenzo/" + name); };
        auto touch = [](const QString& path) {
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        };
        for (const QString& path : {bin + "/both.dat", share("both.dat"), bin + "/beside.dat",
                                    share("library-de.dat"), share("library-en.dat")})
            touch(path);
        QDir().mkpath(share("folder.dat"));
        QCOMPARE(FindDataFile(bin, "both.dat"), share("both.dat"));
        QCOMPARE(FindDataFile(bin, "beside.dat"), bin + "/beside.dat");
        QCOMPARE(FindDataFile(bin, "folder.dat"), QString());

        QCOMPARE(LanguageStarterLibrary(share(QString()), "de"), share("library-de.dat"));
        for (const char* language : {"en", "fr", "../de", ""})
            QCOMPARE(LanguageStarterLibrary(share(QString()), language), QString());

        QCOMPARE(ManualFileName("../../etc/x"), QString("kadenzo.pdf"));
        QCOMPARE(FindManual(bin, "de"), QString());
        touch(share("kadenzo.pdf"));
        QCOMPARE(FindManual(bin, "de"), share("kadenzo.pdf"));
        touch(bin + "/kadenzo-de.pdf");
        QCOMPARE(FindManual(bin, "de"), bin + "/kadenzo-de.pdf");
    }
};

QTEST_MAIN(DataFilesTest)
#include "DataFilesTest.moc"
