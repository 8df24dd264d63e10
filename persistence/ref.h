// ref.h: intrusive reference counting for every object of the object model.
//
// Objects are handled through interfaces. Every interface derives (virtually)
// from IObject, which carries the two counting operations; TAbstractObject
// implements them once. A Ref<T> holds one reference: copying it adds one,
// destroying it drops one, and the object deletes itself when the last goes.
//
// Reference cycles (an owner holding its children, a child holding its owner)
// are broken by hand: owners call Cleanup() before they let go.
//
//   Ref<IWidget> w = MakeRef<TImageWidget>();     // count 1
//   Ref<INamedObject> n = QueryInterface<INamedObject>(w);  // count 2
//   n = nullptr;                                  // count 1
#pragma once

#include <cstddef>
#include <utility>

namespace corvellane {

struct IObject {
  virtual void AddRef() = 0;
  virtual void Release() = 0;

 protected:
  virtual ~IObject() = default;
};

template <class T>
class Ref {
 public:
  Ref() = default;
  Ref(std::nullptr_t) {}
  // Adopts a plain pointer by adding a reference (the count starts at zero).
  explicit Ref(T* p) : p_(p) { Acquire(); }
  Ref(const Ref& o) : p_(o.p_) { Acquire(); }
  Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  template <class U>
  Ref(const Ref<U>& o) : p_(o.get()) { Acquire(); }
  template <class U>
  Ref(Ref<U>&& o) noexcept : p_(o.Detach()) {}
  ~Ref() { Drop(); }

  Ref& operator=(const Ref& o) {
    Ref(o).swap(*this);
    return *this;
  }
  Ref& operator=(Ref&& o) noexcept {
    Ref(std::move(o)).swap(*this);
    return *this;
  }
  Ref& operator=(std::nullptr_t) {
    Drop();
    return *this;
  }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  T& operator*() const { return *p_; }
  explicit operator bool() const { return p_ != nullptr; }
  void swap(Ref& o) noexcept { std::swap(p_, o.p_); }
  // Gives up the reference without dropping it (used by converting moves).
  T* Detach() { return std::exchange(p_, nullptr); }

  friend bool operator==(const Ref& a, const Ref& b) { return a.p_ == b.p_; }
  friend bool operator==(const Ref& a, std::nullptr_t) { return a.p_ == nullptr; }

 private:
  void Acquire() {
    if (p_) p_->AddRef();
  }
  void Drop() {
    if (T* p = std::exchange(p_, nullptr)) p->Release();
  }
  T* p_ = nullptr;
};

// Creates an object and hands back the first reference. Construction only;
// use CreateObject (object.h) for objects that need Init and parameters.
template <class T, class... Args>
Ref<T> MakeRef(Args&&... args) {
  return Ref<T>(new T(std::forward<Args>(args)...));
}

// The interface query: the same object seen through another interface, or
// none when the object does not implement it.
template <class To, class From>
Ref<To> QueryInterface(const Ref<From>& from) {
  return Ref<To>(dynamic_cast<To*>(from.get()));
}
template <class To, class From>
Ref<To> QueryInterface(From* from) {
  return Ref<To>(dynamic_cast<To*>(from));
}

}  // namespace corvellane
