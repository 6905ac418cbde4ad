#pragma once
// An owner of one Windows handle or COM pointer: not copyable, movable, released when it goes
// out of scope. The traits say what an empty value is and how to release a held one.

#include <windows.h>

#include <objbase.h>

namespace os {

template <typename Traits>
class Owned {
  public:
    using Value = typename Traits::Value;

    Owned() = default;
    explicit Owned(Value value) : value_(value) {}
    ~Owned() { reset(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : value_(other.release()) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Value get() const { return value_; }
    Value operator->() const { return value_; }
    explicit operator bool() const { return value_ != Traits::Empty(); }

    Value release() {
        Value value = value_;
        value_ = Traits::Empty();
        return value;
    }
    void reset(Value value = Traits::Empty()) {
        if (value_ != Traits::Empty()) Traits::Release(value_);
        value_ = value;
    }
    // For out-parameters: releases what is held and hands out the slot to fill.
    Value* receive() {
        reset();
        return &value_;
    }

  private:
    Value value_ = Traits::Empty();
};

struct FindHandleTraits {
    using Value = HANDLE;
    static Value Empty() { return INVALID_HANDLE_VALUE; }
    static void Release(Value handle) { FindClose(handle); }
};
using FindHandle = Owned<FindHandleTraits>;

template <typename Interface>
struct ComTraits {
    using Value = Interface*;
    static Value Empty() { return nullptr; }
    static void Release(Value pointer) { pointer->Release(); }
};
template <typename Interface>
using ComPtr = Owned<ComTraits<Interface>>;

}  // namespace os
