#pragma once
// A list box; the game keeps a hidden one as the computer's hand list.
#include <string>
#include <vector>

#include "app_failure.h"
#include "control.h"

namespace plat {

class ListBox : public Control {
  public:
    explicit ListBox(std::string name) : Control(Kind::ListBox, Layer::Windowed, std::move(name)) {}

    void addItem(std::string item) { items_.push_back(std::move(item)); }
    void clear() { items_.clear(); }
    int listCount() const { return static_cast<int>(items_.size()); }
    // Item i, counted from 0; an index outside the list is a failure of the caller.
    const std::string& list(int i, Where where = Where::current()) const;
    const std::vector<std::string>& items() const { return items_; }

  private:
    std::vector<std::string> items_;
};

}  // namespace plat
