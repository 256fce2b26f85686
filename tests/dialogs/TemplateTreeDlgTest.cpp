// The template tree as chooser and as library browser: grouping, the
// preselected template, OK and double clicks, drags, and a browser that
// follows the library. Planning from the browser with Enter is driven end to
// end by the plan-a-week journey.
#include <QDrag>
#include <QTest>
#include <QTreeWidget>

#include "AddLibraryItem.h"
#include "DocumentEdits.h"
#include "TemplateTreeDlg.h"
#include "TestSupport.h"
#include "WorkoutDrag.h"

using namespace kadenzo;

namespace {

// Categories A (1) and B (2); templates a1, b1, a2 and one whose category is gone.
std::unique_ptr<CLibrary> GroupedLibrary() {
    auto library = std::make_unique<CLibrary>();
    test::AddItem(library->categories, 1, "A");
    test::AddItem(library->categories, 2, "B");
    for (const auto& [id, name, categoryId] :
         {std::tuple{10u, "a1", 1u}, std::tuple{11u, "b1", 2u}, std::tuple{12u, "a2", 1u},
          std::tuple{13u, "lost", 7u}})
        test::AddItem(library->workoutTemplates, id, name).categoryId = categoryId;
    return library;
}

QStringList Shape(const QTreeWidget& tree) {
    QStringList shape;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* root = tree.topLevelItem(i);
        QStringList children;
        for (int j = 0; j < root->childCount(); ++j) children << root->child(j)->text(0);
        shape << root->text(0) + QStringLiteral(": ") + children.join(QLatin1Char(','));
    }
    return shape;
}

QTreeWidgetItem* ItemNamed(QTreeWidget& tree, const QString& name) {
    const QList<QTreeWidgetItem*> found =
        tree.findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.size() != 1) qFatal("no single item %s", qPrintable(name));
    return found.front();
}

}  // namespace

class TemplateTreeDlgTest : public QObject {
    Q_OBJECT

private slots:
    void init() { app_ = std::make_unique<AppFixture>(GroupedLibrary()); }
    void cleanup() { app_.reset(); }

    void chooserPreselectsAndReturnsTheTemplate() {
        CTemplateTreeDlg chooser(app_->Doc());
        chooser.SetChosenTemplateId(12);
        chooser.show();
        QCOMPARE(Shape(*chooser.Tree()),
                 (QStringList{QStringLiteral("A: a1,a2"), QStringLiteral("B: b1"),
                              QStringLiteral("???: lost")}));
        QCOMPARE(chooser.Tree()->selectedItems().at(0)->text(0), QStringLiteral("a2"));

        // Double clicks: a category does nothing, a template closes with it.
        QTreeWidget* tree = chooser.Tree();
        emit tree->itemDoubleClicked(ItemNamed(*tree, QStringLiteral("B")), 0);
        QVERIFY(chooser.isVisible());
        QCOMPARE(chooser.ChosenTemplateId(), 12u);
        emit tree->itemDoubleClicked(ItemNamed(*tree, QStringLiteral("b1")), 0);
        QCOMPARE(chooser.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(chooser.ChosenTemplateId(), 11u);
    }

    void dragsOfferTemplatesAsCopiesOnly() {
        CTemplateTreeDlg browser(app_->Doc());
        browser.CreateBrowser();
        browser.setAttribute(Qt::WA_DeleteOnClose, false);
        browser.show();
        CTemplateTree* tree = browser.Tree();
        std::vector<std::uint32_t> started;
        Qt::DropActions offered;
        tree->SetDragStarter([&](QWidget* source, std::uint32_t id, const QString& label) {
            started.push_back(id);
            // The real drag (which ends at once without a window system), to
            // see what it offered.
            const Qt::DropAction result = BeginTemplateDrag(source, id, label);
            if (auto* drag = source->findChild<QDrag*>()) offered = drag->supportedActions();
            return result;
        });
        tree->setCurrentItem(ItemNamed(*tree, QStringLiteral("A")));
        tree->startDrag(Qt::CopyAction);
        QVERIFY(started.empty());
        tree->setCurrentItem(ItemNamed(*tree, QStringLiteral("a2")));
        tree->startDrag(Qt::CopyAction);
        QCOMPARE(started, std::vector<std::uint32_t>{12});
        QCOMPARE(offered, Qt::DropActions(Qt::CopyAction));
    }

    void browserFollowsTheLibraryAndClosesOnEscape() {
        CKadenzoDoc& doc = app_->Doc();
        QPointer<CTemplateTreeDlg> browser = new CTemplateTreeDlg(doc);
        browser->CreateBrowser();
        browser->show();
        QVERIFY(!browser->isModal());
        auto library = doc.Library().Clone();
        library->workoutTemplates.RemoveAt(0);  // a1
        QVERIFY(edit::ReplaceLibrary(doc, std::move(library)));
        QCOMPARE(Shape(*browser->Tree()).front(), QStringLiteral("B: b1"));
        doc.Undo();
        QCOMPARE(Shape(*browser->Tree()).front(), QStringLiteral("A: a1,a2"));

        QTest::keyClick(browser, Qt::Key_Escape);
        QTRY_VERIFY(browser.isNull());
        // Gone with its window, it no longer listens to the document.
        QVERIFY(edit::ReplaceLibrary(doc, std::make_unique<CLibrary>()));
    }

private:
    std::unique_ptr<AppFixture> app_;
};

QTEST_MAIN(TemplateTreeDlgTest)
#include "TemplateTreeDlgTest.moc"
