// Wrapper objects that FromHandle makes for handles that no object owns.
// They are deleted together at the message pump's idle time, without
// touching the handles they wrap.
#pragma once

#include <unordered_map>

template <class Handle, class Object>
class TemporaryObjects {
public:
    // `member` is the wrapper's handle field: cleared before deletion so
    // that the wrapper's destructor leaves the handle alone.
    explicit TemporaryObjects(Handle Object::*member) : m_member(member) {}
    ~TemporaryObjects() { DeleteAll(); }

    Object* Get(Handle handle)
    {
        Object*& slot = m_objects[handle];
        if (slot == nullptr) {
            slot = new Object;
            slot->*m_member = handle;
        }
        return slot;
    }

    void DeleteAll()
    {
        for (auto& entry : m_objects) {
            entry.second->*m_member = nullptr;
            delete entry.second;
        }
        m_objects.clear();
    }

private:
    Handle Object::*m_member;
    std::unordered_map<Handle, Object*> m_objects;
};
