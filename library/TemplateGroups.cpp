#include "TemplateGroups.h"

#include <algorithm>

#include "Library.h"

namespace kadenzo {

std::vector<TemplateGroup> GroupTemplates(const CLibrary& library) {
    std::vector<TemplateGroup> groups;
    for (const auto& workoutTemplate : library.workoutTemplates) {
        auto group = std::find_if(groups.begin(), groups.end(), [&](const TemplateGroup& g) {
            return g.categoryId == workoutTemplate->categoryId;
        });
        if (group == groups.end()) {
            groups.push_back({workoutTemplate->categoryId,
                              library.GetCategoryName(workoutTemplate->categoryId),
                              {}});
            group = groups.end() - 1;
        }
        group->templates.push_back({workoutTemplate->id, workoutTemplate->name});
    }
    return groups;
}

}  // namespace kadenzo
