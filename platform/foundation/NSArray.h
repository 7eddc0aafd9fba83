#pragma once

#include "objc/NSObject.h"

#include <cstddef>
#include <memory>
#include <vector>

// An immutable, ordered list of objects.
class NSArray : public NSObject {
    OBJC_CLASS(NSArray, NSObject)
public:
    using Objects = std::vector<std::shared_ptr<NSObject>>;

    NSArray() = default;
    explicit NSArray(Objects objects)
        : m_objects(std::move(objects))
    { }

    std::size_t count() const { return m_objects.size(); }
    // Throws std::out_of_range past the end, as the platform raises a range exception.
    const std::shared_ptr<NSObject>& objectAtIndex(std::size_t index) const { return m_objects.at(index); }
    const Objects& objects() const { return m_objects; }
    Objects::const_iterator begin() const { return m_objects.begin(); }
    Objects::const_iterator end() const { return m_objects.end(); }

private:
    Objects m_objects;
};
