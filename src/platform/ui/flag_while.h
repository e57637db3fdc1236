#pragma once
// Sets a flag for the lifetime of a scope and clears it on the way out, also when a
// handler run inside the scope throws.

namespace ui {

class FlagWhile {
 public:
  explicit FlagWhile(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagWhile() { flag_ = false; }
  FlagWhile(const FlagWhile&) = delete;
  FlagWhile& operator=(const FlagWhile&) = delete;

 private:
  bool& flag_;
};

}  // namespace ui
