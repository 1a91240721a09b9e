#pragma once

#include <memory>
#include <string>
#include <utility>

namespace zorv {

// An element (a fuzzy set, a unary or a binary degree operation) with a short and a long name, as kept in the
// term, hedge and connective arrays of a vocabulary. Owns its element. Copying clones the element through
// T::clone() (available where T has one).
template <class T>
struct CNamedElement {
    std::string shortName;
    std::string longName;
    std::unique_ptr<T> element;

    CNamedElement() = default;
    CNamedElement(std::string shortName_, std::string longName_, std::unique_ptr<T> element_)
        : shortName(std::move(shortName_)), longName(std::move(longName_)), element(std::move(element_)) {}

    CNamedElement(CNamedElement&&) noexcept = default;
    CNamedElement& operator=(CNamedElement&&) noexcept = default;
    CNamedElement(const CNamedElement& other)
        : shortName(other.shortName), longName(other.longName), element(cloneOf(other.element.get())) {}
    CNamedElement& operator=(const CNamedElement& other) {
        if (this != &other) *this = CNamedElement(other);
        return *this;
    }

private:
    static std::unique_ptr<T> cloneOf(const T* e) {
        if (e == nullptr) return nullptr;
        return std::unique_ptr<T>(static_cast<T*>(e->clone().release()));
    }
};

}  // namespace zorv
