#include "engine/core/cef_base_ref_counted.h"

#include <cassert>
#include <cstdlib>
#include <cstring>

#include "engine/core/engine_callback.h"

namespace {

// The block of an owned structure: the back-pointer sits in the 8 bytes right before the
// structure the engine holds.
constexpr size_t kBackPointerSize = sizeof(ICefBaseRefCounted*);
static_assert(kBackPointerSize == 8, "the block layout assumes 64-bit pointers");
// Back-pointer and header: what destruction wipes so that a late call finds no object.
constexpr size_t kWipedBytes = kBackPointerSize + sizeof(cef_base_ref_counted_t);
static_assert(kWipedBytes == 48, "back-pointer plus the engine's 40-byte header");

unsigned char* BlockOf(void* data) noexcept {
  return static_cast<unsigned char*>(data) - kBackPointerSize;
}

// The counting functions placed in every owned structure. They act only on a
// TCefBaseRefCountedOwn; any other object behind the structure gets nothing and 0.
using Own = TCefBaseRefCountedOwn;

void CEF_CALLBACK OwnAddRef(cef_base_ref_counted_t* self) {
  WithOwner<Own>(L"TCefBaseRefCountedOwn.AddRef", self, [](Own& owner) { owner.AddRef(); });
}

int CEF_CALLBACK OwnRelease(cef_base_ref_counted_t* self) {
  return WithOwner<Own>(L"TCefBaseRefCountedOwn.Release", self, 0,
                        [](Own& owner) { return owner.Release(); });
}

int CEF_CALLBACK OwnHasOneRef(cef_base_ref_counted_t* self) {
  return WithOwner<Own>(L"TCefBaseRefCountedOwn.HasOneRef", self, 0,
                        [](Own& owner) { return EngineBool(owner.RefCount() == 1); });
}

int CEF_CALLBACK OwnHasAtLeastOneRef(cef_base_ref_counted_t* self) {
  return WithOwner<Own>(L"TCefBaseRefCountedOwn.HasAtLeastOneRef", self, 0,
                        [](Own& owner) { return EngineBool(owner.RefCount() >= 1); });
}

// Compares `data` with the structure of `other`, giving back the reference that Wrap added.
bool SameStructure(void* data, ICefBaseRefCounted* other) {
  if (other == nullptr || data == nullptr) return false;
  void* theirs = other->Wrap();
  if (theirs == nullptr) return false;
  auto* base = static_cast<cef_base_ref_counted_t*>(theirs);
  if (base->release != nullptr) base->release(base);
  return theirs == data;
}

using RefQuestion = int(CEF_CALLBACK*)(cef_base_ref_counted_t*);

bool AskStructure(cef_base_ref_counted_t* base, RefQuestion cef_base_ref_counted_t::*question) {
  if (base == nullptr || base->*question == nullptr) return false;
  return (base->*question)(base) != 0;
}

}  // namespace

ICefBaseRefCounted* ObjectFromEngineData(void* data) noexcept {
  if (data == nullptr) return nullptr;
  ICefBaseRefCounted* object;
  std::memcpy(&object, BlockOf(data), sizeof(object));
  return object;
}

void* EngineDataFromInterface(ICefBaseRefCounted* object) {
  return object != nullptr ? object->Wrap() : nullptr;
}

// ---- Reference wrapper ----

TCefBaseRefCountedRef::TCefBaseRefCountedRef(void* data) : FData(data) {
  // A wrapper on null is a programming error (UnWrap never builds one). Release builds keep
  // going: the base operations below tolerate it.
  assert(data != nullptr && "Assertion failure");
}

TCefBaseRefCountedRef::~TCefBaseRefCountedRef() {
  cef_base_ref_counted_t* base = Base();
  FData = nullptr;
  if (base != nullptr && base->release != nullptr) base->release(base);
}

CefRefPtr<ICefBaseRefCounted> TCefBaseRefCountedRef::UnWrap(void* data) {
  if (data == nullptr) return nullptr;
  return MakeRefCounted<TCefBaseRefCountedRef>(data);
}

void* TCefBaseRefCountedRef::Wrap() {
  cef_base_ref_counted_t* base = Base();
  if (base == nullptr) return nullptr;
  if (base->add_ref != nullptr) base->add_ref(base);
  return FData;
}

bool TCefBaseRefCountedRef::SameAs(void* data) { return data != nullptr && data == FData; }

bool TCefBaseRefCountedRef::SameAs(ICefBaseRefCounted* other) {
  return SameStructure(FData, other);
}

bool TCefBaseRefCountedRef::HasOneReference() {
  return AskStructure(Base(), &cef_base_ref_counted_t::has_one_ref);
}

bool TCefBaseRefCountedRef::HasAtLeastOneReference() {
  return AskStructure(Base(), &cef_base_ref_counted_t::has_at_least_one_ref);
}

// ---- Owned wrapper ----

void TCefBaseRefCountedOwn::CreateData(uint32_t size, bool owned) {
  assert(FData == nullptr && size >= sizeof(cef_base_ref_counted_t));
  auto* block = static_cast<unsigned char*>(std::calloc(1, size + kBackPointerSize));
  if (block == nullptr) std::abort();  // as operator new would fail, without throwing here
  ICefBaseRefCounted* self = this;
  std::memcpy(block, &self, sizeof(self));
  FData = block + kBackPointerSize;
  cef_base_ref_counted_t* base = Base();
  base->size = size;
  if (!owned) {
    base->add_ref = OwnAddRef;
    base->release = OwnRelease;
    base->has_one_ref = OwnHasOneRef;
    base->has_at_least_one_ref = OwnHasAtLeastOneRef;
  }
}

TCefBaseRefCountedOwn::~TCefBaseRefCountedOwn() {
  if (FData == nullptr) return;
  unsigned char* block = BlockOf(FData);
  FData = nullptr;
  std::memset(block, 0, kWipedBytes);
  std::free(block);
}

void* TCefBaseRefCountedOwn::Wrap() {
  cef_base_ref_counted_t* base = Base();
  if (base == nullptr) return nullptr;
  if (base->add_ref != nullptr) base->add_ref(base);
  return FData;
}

bool TCefBaseRefCountedOwn::SameAs(void* data) { return data != nullptr && data == FData; }

bool TCefBaseRefCountedOwn::SameAs(ICefBaseRefCounted* other) {
  return SameStructure(FData, other);
}

bool TCefBaseRefCountedOwn::HasOneReference() {
  return AskStructure(Base(), &cef_base_ref_counted_t::has_one_ref);
}

bool TCefBaseRefCountedOwn::HasAtLeastOneReference() {
  return AskStructure(Base(), &cef_base_ref_counted_t::has_at_least_one_ref);
}
