// Where the program finds the files it ships.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "DataFiles.h"

using namespace kadenzo;

namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
}

}  // namespace

class DataFilesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> root_;
    QString Bin() const { return root_->filePath("bin"); }
    QString Share(const QString& name) const { return root_->filePath("share/kadenzo/" + name); }

private slots:
    void init() {
        root_ = std::make_unique<QTemporaryDir>();
        QDir().mkpath(Bin());
    }

    void installedLayoutBeforeTheBuildTree() {
        Touch(Bin() + "/both.dat");
        Touch(Share("both.dat"));
        Touch(Bin() + "/beside.dat");
        QDir().mkpath(Share("folder.dat"));
        QCOMPARE(FindDataFile(Bin(), "both.dat"), Share("both.dat"));
        QCOMPARE(FindDataFile(Bin(), "beside.dat"), Bin() + "/beside.dat");
        QCOMPARE(FindDataFile(Bin(), "folder.dat"), QString());
        QCOMPARE(FindDataFile(Bin(), QString()), QString());
    }

    void manualOfTheLanguageElseEnglish() {
        QCOMPARE(ManualFileName("../../etc/x"), QString("kadenzo.pdf"));
        QCOMPARE(FindManual(Bin(), "de"), QString());
        Touch(Share("kadenzo.pdf"));
        QCOMPARE(FindManual(Bin(), "de"), Share("kadenzo.pdf"));
        Touch(Bin() + "/kadenzo-de.pdf");
        QCOMPARE(FindManual(Bin(), "de"), Bin() + "/kadenzo-de.pdf");
    }

    void starterLibraryOfTheLanguage() {
        const QString data = Share(QString());
        Touch(Share("library-de.dat"));
        Touch(Share("library-en.dat"));
        QCOMPARE(LanguageStarterLibrary(data, "de"), Share("library-de.dat"));
        QCOMPARE(LanguageStarterLibrary(data, "en"), QString());
        QCOMPARE(LanguageStarterLibrary(data, "fr"), QString());
        QCOMPARE(LanguageStarterLibrary(data, "../de"), QString());
    }
};

QTEST_MAIN(DataFilesTest)
#include "DataFilesTest.moc"
