#pragma once
// Placeholder until the training log lands.
namespace kadenzo {
class CDatabase {
public:
    virtual ~CDatabase() = default;
};
}  // namespace kadenzo
