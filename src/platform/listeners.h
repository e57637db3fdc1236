#pragma once
// Who wants to be told that something changed (a view of a running poll or check). A
// listener may add or forget listeners while they are told: the ones forgotten meanwhile
// are not told, the ones added are told from the next time on.

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace platform {

class Listeners {
 public:
  // The number forgets the listener again.
  int Listen(std::function<void()> listener) {
    listeners_.emplace_back(next_, std::make_shared<std::function<void()>>(std::move(listener)));
    return next_++;
  }
  void Forget(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
  }
  void Notify() const {
    const auto told = listeners_;  // kept whole while a listener changes the list
    for (const auto& [id, listener] : told) {
      bool still_listening = false;
      for (const auto& entry : listeners_) still_listening = still_listening || entry.first == id;
      if (still_listening) (*listener)();
    }
  }

 private:
  std::vector<std::pair<int, std::shared_ptr<std::function<void()>>>> listeners_;
  int next_ = 0;
};

}  // namespace platform
