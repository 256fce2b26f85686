#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kadenzo {

// What a change of the program's settings touched.
struct SettingsChange {
    enum What : std::uint32_t {
        kUnits = 1u << 0,     // the distance or weight unit
    };
    std::uint32_t what = 0;
    bool Has(std::uint32_t flags) const { return (what & flags) != 0; }
};

// Views whose figures or texts follow the settings learn of a change through
// this interface and rebuild what depends on it then, never while painting.
class SettingsObserver {
public:
    virtual ~SettingsObserver() = default;
    virtual void OnSettingsChanged(const SettingsChange& change) = 0;
};

// The observers of one program's settings. The application object owns it
// in its context; whoever changes a setting tells it once afterwards.
class SettingsSubject {
public:
    void AddObserver(SettingsObserver* observer) { observers_.push_back(observer); }
    void RemoveObserver(SettingsObserver* observer) {
        observers_.erase(std::remove(observers_.begin(), observers_.end(), observer),
                         observers_.end());
    }
    void Notify(const SettingsChange& change) const {
        // An observer may leave (a view closes) while others are told.
        const std::vector<SettingsObserver*> observers = observers_;
        for (SettingsObserver* observer : observers)
            if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end())
                observer->OnSettingsChanged(change);
    }

private:
    std::vector<SettingsObserver*> observers_;
};

}  // namespace kadenzo
