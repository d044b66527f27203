// RAII owners for COM references and VARIANTs.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <utility>

namespace vantrel::win32 {

// Owns one reference to a COM interface.
template <typename T>
class ComRef {
 public:
  ComRef() = default;
  // Takes over a reference the caller already holds.
  static ComRef Adopt(T* p) {
    ComRef r;
    r.p_ = p;
    return r;
  }
  // Adds a reference of its own.
  static ComRef Share(T* p) {
    if (p) p->AddRef();
    return Adopt(p);
  }
  ComRef(const ComRef& o) : p_(o.p_) {
    if (p_) p_->AddRef();
  }
  ComRef(ComRef&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComRef& operator=(ComRef o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }
  ~ComRef() {
    if (p_) p_->Release();
  }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For out-parameters: releases what is held and gives the slot.
  T** Receive() {
    *this = ComRef();
    return &p_;
  }

 private:
  T* p_ = nullptr;
};

// Owns a VARIANT: initialised on construction, cleared on destruction.
class ComVariant {
 public:
  ComVariant() { VariantInit(&v_); }
  ~ComVariant() { VariantClear(&v_); }
  ComVariant(const ComVariant&) = delete;
  ComVariant& operator=(const ComVariant&) = delete;
  ComVariant(ComVariant&& o) noexcept {
    v_ = o.v_;
    VariantInit(&o.v_);
  }

  VARIANT* get() { return &v_; }
  const VARIANT* get() const { return &v_; }

 private:
  VARIANT v_;
};

}  // namespace vantrel::win32
