#include "FormRaceMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>
#include <memory>
#include <vector>

#include "CoreText.h"
#include "DocumentController.h"
#include "FormRaces.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "MainFrame.h"
#include "ResourceIds.h"

namespace kadenzo {
namespace {

const QString kRaceCategoryKey = QStringLiteral("Form/RaceCategory");

QMenu* MenuHolding(QAction* action) {
    for (QObject* object : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(object)) return menu;
    return nullptr;
}

}  // namespace

std::optional<std::uint32_t> RaceCategoryFromSettings(QSettings* settings,
                                                      const CLibrary& library) {
    const std::string choice =
        settings ? settings->value(kRaceCategoryKey).toString().toStdString() : std::string();
    return ChosenRaceCategory(library, choice);
}

void StoreRaceCategory(QSettings& settings, std::optional<std::uint32_t> category) {
    settings.setValue(kRaceCategoryKey, QString::fromStdString(RaceCategoryText(category)));
}

void InstallRaceCategoryMenu(CMainFrame& frame, QSettings& settings, std::function<void()> chosen) {
    CMainFrame* frameRef = &frame;
    QSettings* settingsRef = &settings;
    auto current = [frameRef, settingsRef] {
        return RaceCategoryFromSettings(settingsRef, frameRef->Document().Doc().Library());
    };
    auto choose = [settingsRef, chosen](std::optional<std::uint32_t> category) {
        StoreRaceCategory(*settingsRef, category);
        if (chosen) chosen();
    };
    frame.SetCommand(ID_FORM_NO_RACES,
                     {[choose] { choose(std::nullopt); }, {}, [current] { return !current(); }});

    QAction* none = frame.Action(ID_FORM_NO_RACES);
    QMenu* menu = MenuHolding(none);
    if (!menu) return;
    menu->setObjectName(QStringLiteral("RaceCategoryMenu"));
    auto* group = new QActionGroup(menu);
    group->addAction(none);
    // The categories as the library has them each time the menu opens: the
    // library editor may have added or renamed one meanwhile.
    auto added = std::make_shared<std::vector<QAction*>>();
    QObject::connect(menu, &QMenu::aboutToShow, menu, [=] {
        for (QAction* action : *added) delete action;
        added->clear();
        const std::optional<std::uint32_t> category = current();
        for (const auto& item : frameRef->Document().Doc().Library().categories) {
            // An ampersand in a name is shown, not taken for an Alt key.
            QString name = FromBytes(item->name);
            name.replace(QLatin1Char('&'), QStringLiteral("&&"));
            QAction* action = menu->addAction(name);
            action->setCheckable(true);
            action->setChecked(category == item->id);
            group->addAction(action);
            const std::uint32_t id = item->id;
            QObject::connect(action, &QAction::triggered, menu, [choose, id] { choose(id); });
            added->push_back(action);
        }
        none->setChecked(!category);
    });
}

}  // namespace kadenzo
