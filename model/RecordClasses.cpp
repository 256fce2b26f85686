#include "Archive.h"
#include "BodyInfo.h"
#include "Database.h"
#include "Event.h"
#include "Library.h"
#include "LibraryItems.h"
#include "WorkOut.h"

namespace kadenzo {
namespace {

template <class T>
std::pair<const std::string, ClassRegistry::Factory> ClassOf(const char* name) {
    return {name, [] { return std::make_unique<T>(); }};
}

}  // namespace

const ClassRegistry& RecordClasses() {
    static const ClassRegistry classes = {
        ClassOf<CLibraryBaseItem>(CLibraryBaseItem::kClassName),
        ClassOf<CLibCategory>(CLibCategory::kClassName),
        ClassOf<CLibIntensity>(CLibIntensity::kClassName),
        ClassOf<CLibSport>(CLibSport::kClassName),
        ClassOf<CLibSubSport>(CLibSubSport::kClassName),
        ClassOf<CLibTrack>(CLibTrack::kClassName),
        ClassOf<CLibWorkout>(CLibWorkout::kClassName),
        ClassOf<CLibEvent>(CLibEvent::kClassName),
        ClassOf<CLibrary>(CLibrary::kClassName),
        ClassOf<CDatabase>("CDatabase"),
        ClassOf<CWorkOut>("CWorkOut"),
        ClassOf<CBodyInfo>("CBodyInfo"),
        ClassOf<CEvent>("CEvent"),
    };
    return classes;
}

}  // namespace kadenzo
