#include "AppContext.h"

#include "Database.h"
#include "Library.h"

namespace kadenzo {

AppContext::AppContext() : now([] { return std::time(nullptr); }) {}
AppContext::~AppContext() = default;

std::string AppContext::Text(std::uint32_t id) const { return strings ? strings->Text(id) : std::string(); }

std::time_t AppContext::Now() const { return now ? now() : std::time(nullptr); }

AppContext& App() {
    static AppContext context;
    return context;
}

void ResetApp() {
    AppContext& app = App();
    app.library.reset();
    app.log = nullptr;
    app.document = nullptr;
    app.units = UnitSettings{};
    app.strings = nullptr;
    app.now = [] { return std::time(nullptr); };
    app.programDirectory.clear();
}

}  // namespace kadenzo
