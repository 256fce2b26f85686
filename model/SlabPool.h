#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

namespace kadenzo {

// Asks the system to back [memory, memory + size) with huge pages where it
// offers them: a slab then costs one page fault instead of five hundred. Only
// a hint; nothing changes when it is refused.
void AdviseHugePages(void* memory, std::size_t size) noexcept;

// Memory for objects of one size that come and go by the hundred thousand (a
// diary's workouts and their list nodes, with every load, undo and redo): cut
// from 2 MB slabs and kept on a free list, instead of one allocation each. A
// slab is handed out front to back, so its pages are touched only as they are
// needed. Each thread has its own pool; memory given back is reused, not
// returned to the system. Under AddressSanitizer every object is allocated on
// its own, so that use after free is still caught.
template <std::size_t Size, std::size_t Align>
class SlabPool {
public:
    static void* Allocate() {
#if KADENZO_SLAB_POOL_OFF
        return ::operator new (Size, std::align_val_t{Align});
#else
        Pool& pool = Local();
        if (Node* node = pool.free) {
            pool.free = node->next;
            return node;
        }
        if (pool.unused == pool.end) pool.Grow();
        return pool.unused++;
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
        static constexpr std::size_t kSlabBytes = std::size_t{2} << 20;
        static constexpr std::size_t kSlabObjects = kSlabBytes / sizeof(Node);
        static_assert(kSlabObjects > 0);
        static constexpr std::align_val_t kSlabAlign{kSlabBytes};

        Node* free = nullptr;
        Node* unused = nullptr;  // the first node of the newest slab not handed out yet
        Node* end = nullptr;
        std::vector<Node*> slabs;

        Pool() = default;
        Pool(const Pool&) = delete;
        Pool& operator=(const Pool&) = delete;
        ~Pool() {
            for (Node* slab : slabs) ::operator delete(slab, kSlabAlign);
        }
        void Grow() {
            slabs.reserve(slabs.size() + 1);
            void* memory = ::operator new(kSlabBytes, kSlabAlign);
            AdviseHugePages(memory, kSlabBytes);
            slabs.push_back(static_cast<Node*>(memory));
            unused = slabs.back();
            end = unused + kSlabObjects;
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
