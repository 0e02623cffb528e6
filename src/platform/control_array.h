#pragma once
// A control array. Design arrays (the slots) have all their elements from the start. Run-time
// arrays (the tile halves) have only the template element 0; further elements are created as
// copies of it and destroyed again. A destroyed element keeps its object (and its drawing in
// the backend) for the next creation, so a handler that still holds it further down the stack
// never touches freed memory; reaching it through the array is a failure.
#include <memory>
#include <string>
#include <vector>

#include "app_failure.h"
#include "container.h"

namespace plat {

enum class Elements { DesignTime, RunTime };

template <typename T>
class ControlArray {
  public:
    template <typename Make>
    ControlArray(Container& parent, int lastIndex, Elements kind, Make make) : parent_(parent) {
        for (int i = 0; i <= lastIndex; ++i) {
            elements_.push_back(make(i));
            const bool loaded = i == 0 || kind == Elements::DesignTime;
            elements_.back()->setLoadedState(loaded);
            if (loaded) parent_.add(*elements_.back());
        }
    }

    T& operator()(int k, Where where = Where::current()) {
        if (!isLoaded(k)) fail(k, where);
        return *elements_[static_cast<std::size_t>(k)];
    }
    const T& operator()(int k, Where where = Where::current()) const {
        if (!isLoaded(k)) fail(k, where);
        return *elements_[static_cast<std::size_t>(k)];
    }

    bool isLoaded(int k) const { return k >= 0 && k < size() && elements_[index(k)]->loaded(); }
    int size() const { return static_cast<int>(elements_.size()); }

    // Creates element k as a hidden copy of element 0, on top of its layer.
    void load(int k, Where where = Where::current()) {
        if (k <= 0 || k >= size()) fail(k, where);
        if (isLoaded(k)) throw AppFailure("Object already loaded", where);
        T& e = *elements_[index(k)];
        parent_.add(e);  // first, so that the backend hears of every property it takes
        e.copyFrom(*elements_[0]);
        e.setVisible(false);
        e.setLoadedState(true);
    }

    void unload(int k, Where where = Where::current()) {
        if (k <= 0 || !isLoaded(k)) fail(k, where);
        T& e = *elements_[index(k)];
        e.setVisible(false);
        e.setLoadedState(false);
        parent_.remove(e);
    }

    // Any element, loaded or not, for backends that draw them.
    T& element(int k) { return *elements_[index(k)]; }

  private:
    static std::size_t index(int k) { return static_cast<std::size_t>(k); }
    [[noreturn]] static void fail(int k, Where where) {
        throw AppFailure("Control array element '" + std::to_string(k) + "' doesn't exist", where);
    }
    Container& parent_;
    std::vector<std::unique_ptr<T>> elements_;
};

}  // namespace plat
