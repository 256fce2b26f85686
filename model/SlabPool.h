#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

namespace kadenzo {

// Memory for objects of one size that come and go by the hundred thousand (a
// diary's workouts and their list nodes, with every load, undo and redo): cut
// from slabs and kept on a free list, instead of one allocation each. Each
// thread has its own pool; memory given back is reused, not returned to the
// system. Under AddressSanitizer every object is allocated on its own, so that
// use after free is still caught.
template <std::size_t Size, std::size_t Align>
class SlabPool {
public:
    static void* Allocate() {
#if KADENZO_SLAB_POOL_OFF
        return ::operator new (Size, std::align_val_t{Align});
#else
        Pool& pool = Local();
        if (!pool.free) pool.Grow();
        Node* node = pool.free;
        pool.free = node->next;
        return node;
#endif
    }
    static void Release(void* object) noexcept {
#if KADENZO_SLAB_POOL_OFF
        ::operator delete (object, std::align_val_t{Align});
#else
        Pool& pool = Local();
        Node* node = static_cast<Node*>(object);
        node->next = pool.free;
        pool.free = node;
#endif
    }

private:
    union Node {
        Node* next;
        alignas(Align) unsigned char storage[Size];
    };
    struct Pool {
        static constexpr std::size_t kSlabObjects = 1024;
        Node* free = nullptr;
        std::vector<std::unique_ptr<Node[]>> slabs;
        void Grow() {
            slabs.push_back(std::make_unique<Node[]>(kSlabObjects));
            Node* slab = slabs.back().get();
            for (std::size_t i = 0; i < kSlabObjects; ++i) {
                slab[i].next = free;
                free = &slab[i];
            }
        }
    };
    static Pool& Local() {
        thread_local Pool pool;
        return pool;
    }
};

// A standard allocator over SlabPool for containers that allocate one element
// at a time (list nodes); larger requests go to the heap.
template <class T>
class SlabAllocator {
public:
    using value_type = T;
    SlabAllocator() = default;
    template <class U>
    SlabAllocator(const SlabAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        if (n == 1) return static_cast<T*>(SlabPool<sizeof(T), alignof(T)>::Allocate());
        return std::allocator<T>().allocate(n);
    }
    void deallocate(T* p, std::size_t n) noexcept {
        if (n == 1)
            SlabPool<sizeof(T), alignof(T)>::Release(p);
        else
            std::allocator<T>().deallocate(p, n);
    }
    template <class U>
    bool operator==(const SlabAllocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace kadenzo
