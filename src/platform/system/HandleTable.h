// A checked table from opaque handle values to the objects behind them.
// A handle packs a slot index, the slot's generation and the table's tag, so a handle whose object is gone
// (stale) or that belongs to another table (foreign) is simply not found: callers fail cleanly, never crash.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace win {

// One tag per table, so that for example a window handle given where a device context is expected is
// rejected.
enum class HandleTag : std::uintptr_t {
    GdiObject = 1,
    DeviceContext = 2,
    Window = 3,
    ImageList = 4,
    Icon = 5,
    Monitor = 6,
    Menu = 7,
    InputContext = 8,
    Metafile = 9,
    KeyboardLayout = 10,
    File = 11,
    FindFile = 12,
    Cursor = 13,
    GlobalMemory = 14,
};

template <class Object> class HandleTable {
public:
    explicit HandleTable(HandleTag tag) : m_tag(static_cast<std::uintptr_t>(tag)) {}

    std::uintptr_t Add(std::unique_ptr<Object> object) {
        std::uint32_t index;
        if (!m_free.empty()) {
            index = m_free.back();
            m_free.pop_back();
        } else {
            index = static_cast<std::uint32_t>(m_slots.size());
            m_slots.emplace_back();
        }
        Slot& slot = m_slots[index];
        slot.object = std::move(object);
        ++m_count;
        return Encode(index, slot.generation);
    }

    // The object behind a handle, or null for a null, stale or foreign handle.
    Object* Find(std::uintptr_t handle) const {
        if ((handle & kTagMask) != m_tag) return nullptr;
        const std::uintptr_t index = (handle >> kIndexShift) - 1;
        if (index >= m_slots.size()) return nullptr;
        const Slot& slot = m_slots[index];
        if (((handle >> kGenerationShift) & kGenerationMask) != slot.generation) return nullptr;
        return slot.object.get();
    }

    template <class H> Object* Find(H* handle) const {
        return Find(reinterpret_cast<std::uintptr_t>(handle));
    }

    // Takes the object out of the table; the handle becomes stale. Null when the handle is not valid.
    std::unique_ptr<Object> Remove(std::uintptr_t handle) {
        if (!Find(handle)) return nullptr;
        const std::uint32_t index = static_cast<std::uint32_t>((handle >> kIndexShift) - 1);
        Slot& slot = m_slots[index];
        std::unique_ptr<Object> object = std::move(slot.object);
        slot.generation = (slot.generation + 1) & kGenerationMask;
        m_free.push_back(index);
        --m_count;
        return object;
    }
    template <class H> std::unique_ptr<Object> Remove(H* handle) {
        return Remove(reinterpret_cast<std::uintptr_t>(handle));
    }

    std::size_t Count() const { return m_count; }

    // Calls f(handle, object&) for every live object, in slot order. f must not add or remove entries.
    template <class F> void ForEach(F&& f) const {
        for (std::uint32_t i = 0; i < m_slots.size(); ++i)
            if (m_slots[i].object) f(Encode(i, m_slots[i].generation), *m_slots[i].object);
    }

private:
    static constexpr std::uintptr_t kTagMask = 0xF;
    static constexpr unsigned kGenerationShift = 4;
    static constexpr std::uintptr_t kGenerationMask = 0xFFFFF;
    static constexpr unsigned kIndexShift = 24;

    struct Slot {
        std::unique_ptr<Object> object;
        std::uintptr_t generation = 0;
    };

    std::uintptr_t Encode(std::uint32_t index, std::uintptr_t generation) const {
        return ((static_cast<std::uintptr_t>(index) + 1) << kIndexShift) | (generation << kGenerationShift) |
               m_tag;
    }

    std::uintptr_t m_tag;
    std::vector<Slot> m_slots;
    std::vector<std::uint32_t> m_free;
    std::size_t m_count = 0;
};

template <class H> H HandleCast(std::uintptr_t value) {
    return reinterpret_cast<H>(value);
}

} // namespace win
