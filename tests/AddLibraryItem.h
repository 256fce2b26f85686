#pragma once
// Library items for hand-built test libraries: the id and name set, the rest
// left for the test to fill in.

#include <cstdint>
#include <memory>
#include <string>

#include "Library.h"

namespace kadenzo::test {

template <class T>
T& AddItem(CLibItemList<T>& list, std::uint32_t id, const std::string& name) {
    auto item = std::make_unique<T>();
    item->id = id;
    item->name = name;
    return list.Add(std::move(item));
}

}  // namespace kadenzo::test
