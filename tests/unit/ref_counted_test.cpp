// Reference counting across the engine boundary, checked against fake engine structures built
// here (no engine library needed).

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "engine/application/cef_app_own.h"
#include "engine/core/cef_base_ref_counted.h"
#include "engine/refs/cef_command_line_ref.h"
#include "tests/unit/fake_engine_object.h"

namespace {

using FakeBase = FakeEngineObject<cef_base_ref_counted_t>;
using FakeCommandLine = FakeEngineObject<cef_command_line_t>;

// An owned object of the completion-callback size that records its destruction.
class TestOwn final : public TCefBaseRefCountedOwn {
 public:
  explicit TestOwn(bool* destroyed) : FDestroyed(destroyed) { CreateData(48, false); }
  cef_base_ref_counted_t* Structure() { return Data<cef_base_ref_counted_t>(); }

 private:
  ~TestOwn() override { *FDestroyed = true; }
  bool* FDestroyed;
};

class CountingBrowserProcessHandler final : public TCefBrowserProcessHandlerOwn {
 public:
  void OnContextInitialized() override { ++context_initialized; }
  void OnBeforeChildProcessLaunch(const CefRefPtr<ICefCommandLine>&) override { ++child_launches; }
  cef_browser_process_handler_t* Structure() { return Data<cef_browser_process_handler_t>(); }

  int context_initialized = 0;
  int child_launches = 0;
};

// A block laid out like an owned structure (back-pointer first), whose back-pointer names an
// object of the caller's choice.
template <class S>
struct ForeignBlock {
  ICefBaseRefCounted* back_pointer;
  S data;
};

TEST(RefPtr, AdoptTakesOverShareAdds) {
  bool destroyed = false;
  auto* raw = new TestOwn(&destroyed);
  raw->AddRef();  // the reference Adopt takes over
  {
    CefRefPtr<TestOwn> adopted = CefRefPtr<TestOwn>::Adopt(raw);
    EXPECT_EQ(raw->RefCount(), 1);
    CefRefPtr<TestOwn> shared = CefRefPtr<TestOwn>::Share(raw);
    EXPECT_EQ(raw->RefCount(), 2);
    CefRefPtr<ICefBaseRefCounted> upcast = shared;
    EXPECT_EQ(raw->RefCount(), 3);
    CefRefPtr<ICefBaseRefCounted> moved = std::move(upcast);
    EXPECT_EQ(raw->RefCount(), 3);
    EXPECT_TRUE(moved == shared);
  }
  EXPECT_TRUE(destroyed);
}

TEST(RefPtr, DetachHandsTheReferenceOver) {
  bool destroyed = false;
  CefRefPtr<TestOwn> object = MakeRefCounted<TestOwn>(&destroyed);
  TestOwn* raw = object.Detach();
  EXPECT_TRUE(object == nullptr);
  EXPECT_EQ(raw->RefCount(), 1);
  EXPECT_EQ(raw->Release(), 0);
  EXPECT_TRUE(destroyed);
}

TEST(ReferenceWrapper, UnWrapOfNullIsNull) {
  EXPECT_TRUE(TCefBaseRefCountedRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefCommandLineRef::UnWrap(nullptr) == nullptr);
}

TEST(ReferenceWrapper, TakesOverTheReferenceAndReleasesItOnce) {
  FakeBase fake;
  CefRefPtr<ICefBaseRefCounted> wrapper = TCefBaseRefCountedRef::UnWrap(fake.Base());
  ASSERT_TRUE(wrapper);
  EXPECT_EQ(fake.refs, 1);
  EXPECT_EQ(fake.add_ref_calls, 0);
  wrapper.reset();
  EXPECT_EQ(fake.refs, 0);
  EXPECT_EQ(fake.release_calls, 1);
}

TEST(ReferenceWrapper, WrapAddsOneEngineReference) {
  FakeBase fake;
  CefRefPtr<ICefBaseRefCounted> wrapper = TCefBaseRefCountedRef::UnWrap(fake.Base());
  EXPECT_EQ(EngineDataFromInterface(wrapper), fake.Base());
  EXPECT_EQ(fake.refs, 2);
  EXPECT_EQ(EngineDataFromInterface(static_cast<ICefBaseRefCounted*>(nullptr)), nullptr);
}

TEST(ReferenceWrapper, SameAsAcrossTwoWrappersLeavesTheCountAlone) {
  FakeBase fake;
  fake.refs = 2;  // one reference for each wrapper
  CefRefPtr<ICefBaseRefCounted> first = TCefBaseRefCountedRef::UnWrap(fake.Base());
  CefRefPtr<ICefBaseRefCounted> second = TCefBaseRefCountedRef::UnWrap(fake.Base());
  EXPECT_FALSE(first == second);
  EXPECT_TRUE(first->SameAs(second.get()));
  EXPECT_TRUE(first->SameAs(static_cast<void*>(fake.Base())));
  EXPECT_EQ(fake.refs, 2);
  EXPECT_FALSE(first->SameAs(static_cast<ICefBaseRefCounted*>(nullptr)));
  EXPECT_FALSE(first->SameAs(static_cast<void*>(nullptr)));

  FakeBase other;
  CefRefPtr<ICefBaseRefCounted> third = TCefBaseRefCountedRef::UnWrap(other.Base());
  EXPECT_FALSE(first->SameAs(third.get()));
  EXPECT_EQ(other.refs, 1);
}

TEST(ReferenceWrapper, HasReferenceQuestionsAskTheEngine) {
  FakeBase fake;
  CefRefPtr<ICefBaseRefCounted> wrapper = TCefBaseRefCountedRef::UnWrap(fake.Base());
  EXPECT_TRUE(wrapper->HasOneReference());
  EXPECT_TRUE(wrapper->HasAtLeastOneReference());
  fake.refs = 3;
  EXPECT_FALSE(wrapper->HasOneReference());
  fake.refs = 1;
}

TEST(OwnedWrapper, LayoutHasBackPointerBeforeTheHeader) {
  bool destroyed = false;
  CefRefPtr<TestOwn> object = MakeRefCounted<TestOwn>(&destroyed);
  cef_base_ref_counted_t* base = object->Structure();
  EXPECT_EQ(base->size, 48u);
  EXPECT_NE(base->add_ref, nullptr);
  EXPECT_NE(base->release, nullptr);
  ICefBaseRefCounted* back;
  std::memcpy(&back, reinterpret_cast<unsigned char*>(base) - 8, sizeof(back));
  EXPECT_EQ(back, static_cast<ICefBaseRefCounted*>(object.get()));
  EXPECT_EQ(ObjectFromEngineData(base), back);
  EXPECT_EQ(ObjectFromEngineData(nullptr), nullptr);
  // The type's own functions start zeroed (absent for the engine).
  const unsigned char* rest = reinterpret_cast<unsigned char*>(base) + 40;
  for (int i = 0; i < 8; ++i) EXPECT_EQ(rest[i], 0) << i;
}

TEST(OwnedWrapper, FreshObjectHeldOnceHasOneReference) {
  bool destroyed = false;
  CefRefPtr<TestOwn> object = MakeRefCounted<TestOwn>(&destroyed);
  cef_base_ref_counted_t* base = object->Structure();
  EXPECT_EQ(base->has_one_ref(base), 1);
  EXPECT_EQ(base->has_at_least_one_ref(base), 1);
  EXPECT_TRUE(object->HasOneReference());
  void* handed = EngineDataFromInterface(object);
  EXPECT_EQ(base->has_one_ref(base), 0);
  EXPECT_EQ(base->release(static_cast<cef_base_ref_counted_t*>(handed)), 1);
}

TEST(OwnedWrapper, EngineReleasesDestroyExactlyAtTheLastOne) {
  bool destroyed = false;
  CefRefPtr<TestOwn> object = MakeRefCounted<TestOwn>(&destroyed);
  auto* first = static_cast<cef_base_ref_counted_t*>(EngineDataFromInterface(object));
  auto* second = static_cast<cef_base_ref_counted_t*>(EngineDataFromInterface(object));
  ASSERT_EQ(first, second);
  auto* release = first->release;  // the structure is gone after the last release
  object.reset();
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(release(first), 1);
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(release(second), 0);
  EXPECT_TRUE(destroyed);
}

TEST(OwnedWrapper, SameAsComparesStructuresAndGivesBackTheReference) {
  bool destroyed = false;
  CefRefPtr<TestOwn> object = MakeRefCounted<TestOwn>(&destroyed);
  CefRefPtr<ICefBaseRefCounted> same = object;
  EXPECT_TRUE(object->SameAs(same.get()));
  EXPECT_TRUE(object->SameAs(static_cast<void*>(object->Structure())));
  EXPECT_EQ(object->RefCount(), 2);

  FakeBase fake;
  CefRefPtr<ICefBaseRefCounted> wrapper = TCefBaseRefCountedRef::UnWrap(fake.Base());
  EXPECT_FALSE(object->SameAs(wrapper.get()));
  EXPECT_FALSE(wrapper->SameAs(object.get()));
  EXPECT_EQ(fake.refs, 1);
  EXPECT_EQ(object->RefCount(), 2);
}

TEST(OwnedWrapper, CallbacksIgnoreAStructureOfAnotherClass) {
  CefRefPtr<CountingBrowserProcessHandler> handler =
      MakeRefCounted<CountingBrowserProcessHandler>();
  FakeBase fake;
  CefRefPtr<ICefBaseRefCounted> stranger = TCefBaseRefCountedRef::UnWrap(fake.Base());

  ForeignBlock<cef_browser_process_handler_t> block{};
  block.back_pointer = stranger.get();
  block.data = *handler->Structure();  // the real callback functions
  cef_browser_process_handler_t* foreign = &block.data;
  cef_base_ref_counted_t* foreign_base = &foreign->base;

  foreign->on_context_initialized(foreign);
  EXPECT_EQ(handler->context_initialized, 0);
  foreign_base->add_ref(foreign_base);
  EXPECT_EQ(foreign_base->release(foreign_base), 0);
  EXPECT_EQ(foreign_base->has_one_ref(foreign_base), 0);
  EXPECT_EQ(foreign_base->has_at_least_one_ref(foreign_base), 0);
  EXPECT_EQ(stranger->RefCount(), 1);
  EXPECT_EQ(handler->RefCount(), 1);
  EXPECT_EQ(fake.refs, 1);

  block.back_pointer = nullptr;
  foreign->on_context_initialized(foreign);
  EXPECT_EQ(foreign_base->release(foreign_base), 0);
  EXPECT_EQ(handler->context_initialized, 0);

  // The same functions on the handler's own structure do reach it.
  handler->Structure()->on_context_initialized(handler->Structure());
  EXPECT_EQ(handler->context_initialized, 1);
}

TEST(OwnedWrapper, ArgumentReferenceIsReleasedEvenWithoutAnOwner) {
  CefRefPtr<CountingBrowserProcessHandler> handler =
      MakeRefCounted<CountingBrowserProcessHandler>();
  FakeCommandLine line;  // refs 1: the reference that comes with the argument

  cef_browser_process_handler_t* own = handler->Structure();
  own->on_before_child_process_launch(own, line.Get());
  EXPECT_EQ(handler->child_launches, 1);
  EXPECT_EQ(line.refs, 0);

  line.refs = 1;
  ForeignBlock<cef_browser_process_handler_t> block{};
  block.back_pointer = nullptr;
  block.data = *own;
  block.data.on_before_child_process_launch(&block.data, line.Get());
  EXPECT_EQ(handler->child_launches, 1);
  EXPECT_EQ(line.refs, 0);
}

TEST(OwnedWrapper, ApplicationHandsOutItsHandlerWithOneReference) {
  class TestApp final : public TCefAppOwn {
   public:
    TestApp() : FHandler(MakeRefCounted<CountingBrowserProcessHandler>()) {}
    CefRefPtr<TCefBrowserProcessHandlerOwn> GetBrowserProcessHandler() override { return FHandler; }
    cef_app_t* Structure() { return Data<cef_app_t>(); }
    CefRefPtr<CountingBrowserProcessHandler> FHandler;
  };
  CefRefPtr<TestApp> app = MakeRefCounted<TestApp>();
  cef_app_t* data = app->Structure();
  EXPECT_EQ(data->base.size, 80u);
  data->on_register_custom_schemes(data, nullptr);  // neutral by default
  EXPECT_EQ(data->get_render_process_handler(data), nullptr);

  cef_browser_process_handler_t* handler = data->get_browser_process_handler(data);
  ASSERT_EQ(handler, app->FHandler->Structure());
  EXPECT_EQ(app->FHandler->RefCount(), 2);
  EXPECT_EQ(handler->base.release(&handler->base), 1);

  ForeignBlock<cef_app_t> block{};
  block.back_pointer = app->FHandler.get();  // a handler where an application should be
  block.data = *data;
  EXPECT_EQ(block.data.get_browser_process_handler(&block.data), nullptr);
  EXPECT_EQ(app->FHandler->RefCount(), 1);
}

TEST(OwnedWrapper, ConcurrentEngineCountingStaysExact) {
  bool destroyed = false;
  CefRefPtr<TestOwn> object = MakeRefCounted<TestOwn>(&destroyed);
  cef_base_ref_counted_t* base = object->Structure();
  constexpr int kThreads = 4;
  constexpr int kRounds = 20000;

  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([base] {
      for (int i = 0; i < kRounds; ++i) base->add_ref(base);
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(object->RefCount(), 1 + kThreads * kRounds);

  threads.clear();
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([base] {
      for (int i = 0; i < kRounds; ++i) {
        base->add_ref(base);
        base->release(base);
        base->release(base);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(base->has_one_ref(base), 1);
  object.reset();
  EXPECT_TRUE(destroyed);
}

TEST(ProgramCount, ConcurrentAddRefReleaseStaysExact) {
  FakeBase fake;
  CefRefPtr<ICefBaseRefCounted> wrapper = TCefBaseRefCountedRef::UnWrap(fake.Base());
  ICefBaseRefCounted* raw = wrapper.get();
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([raw] {
      for (int i = 0; i < 20000; ++i) {
        CefRefPtr<ICefBaseRefCounted> copy = CefRefPtr<ICefBaseRefCounted>::Share(raw);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(raw->RefCount(), 1);
  EXPECT_EQ(fake.release_calls, 0);
  wrapper.reset();
  EXPECT_EQ(fake.release_calls, 1);
}

}  // namespace
