#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kadenzo {

class CLibrary;

// The library's workout templates grouped by category, as the template tree
// shows them.
struct TemplateGroup {
    struct Entry {
        std::uint32_t templateId = 0;
        std::string name;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    std::uint32_t categoryId = 0;
    std::string categoryName;  // "???" for a category the library lacks
    std::vector<Entry> templates;
    friend bool operator==(const TemplateGroup&, const TemplateGroup&) = default;
};

// One group per category in the order the categories first occur in the
// template list; within a group the templates keep their list order.
std::vector<TemplateGroup> GroupTemplates(const CLibrary& library);

}  // namespace kadenzo
