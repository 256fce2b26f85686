#pragma once
// Placeholder until the library classes land.
namespace kadenzo {
class CLibrary {
public:
    virtual ~CLibrary() = default;
};
}  // namespace kadenzo
