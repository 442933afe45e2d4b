// Reference wrappers of the engine's value types and the request context's preference calls:
// binary values against the stand-in engine, the rest against fake engine structures.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "engine/refs/cef_binary_value_ref.h"
#include "engine/refs/cef_dictionary_value_ref.h"
#include "engine/refs/cef_list_value_ref.h"
#include "engine/refs/cef_request_context_ref.h"
#include "engine/refs/cef_value_ref.h"
#include "standin/standin_hooks.h"
#include "tests/unit/fake_engine_object.h"
#include "tests/unit/loaded_engine.h"

namespace {

using FakeValue = FakeEngineObject<cef_value_t>;
using FakeDictionary = FakeEngineObject<cef_dictionary_value_t>;
using FakeList = FakeEngineObject<cef_list_value_t>;
using FakeContext = FakeEngineObject<cef_request_context_t>;

// The fakes' engine functions are plain functions: they find the test's objects here.
FakeDictionary* g_dictionary = nullptr;
FakeValue* g_value = nullptr;
int g_refs_at_handover = 0;

size_t LiveEngineObjects() {
  void* address = reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"libcef.dll"), "standin_live_object_count"));
  return address != nullptr ? reinterpret_cast<standin_live_object_count_func>(address)() : 0;
}

TEST(ValuesRefs, UnWrapOfNullAndCreatorsBeforeLoadingGiveNull) {
  EXPECT_TRUE(TCefValueRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefBinaryValueRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefDictionaryValueRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefListValueRef::UnWrap(nullptr) == nullptr);
  ASSERT_FALSE(EngineLibraryLoaded());
  const char bytes[] = "abc";
  EXPECT_TRUE(TCefBinaryValueRef::New(bytes, 3) == nullptr);
  EXPECT_TRUE(TCefValueRef::New() == nullptr);
  EXPECT_TRUE(TCefDictionaryValueRef::New() == nullptr);
  EXPECT_TRUE(TCefListValueRef::New() == nullptr);
}

TEST(ValuesRefs, NestedResultIsReleasedOnceAndArgumentHandedOverOnce) {
  FakeValue value;
  FakeDictionary dictionary;
  g_dictionary = &dictionary;
  value.data.get_dictionary = [](cef_value_t*) { return g_dictionary->Get(); };
  value.data.set_dictionary = [](cef_value_t*, cef_dictionary_value_t* given) {
    g_refs_at_handover = g_dictionary->refs;
    given->base.release(&given->base);
    return 1;
  };
  {
    CefRefPtr<ICefValue> wrapper = TCefValueRef::UnWrap(value.Get());
    CefRefPtr<ICefDictionaryValue> nested = wrapper->GetDictionary();
    ASSERT_TRUE(nested);
    EXPECT_EQ(dictionary.refs, 1);
    EXPECT_TRUE(wrapper->SetDictionary(nested));
    EXPECT_EQ(g_refs_at_handover, 2);
    EXPECT_EQ(dictionary.refs, 1);
    EXPECT_FALSE(wrapper->SetList(nullptr));  // absent function: false
  }
  EXPECT_EQ(dictionary.refs, 0);
  EXPECT_EQ(dictionary.release_calls, 2);  // the engine's consumption and the wrapper's one
  EXPECT_EQ(value.refs, 0);
}

using ValuesRefsLoaded = LoadedEngine;

TEST_F(ValuesRefsLoaded, DictionaryKeysComeInTheEnginesOrder) {
  FakeDictionary dictionary;
  dictionary.data.get_keys = [](cef_dictionary_value_t*, cef_string_list_t keys) {
    for (const wchar_t* key : {L"proxy", L"enable_do_not_track", L"proxy"}) {
      cef_string_t record{const_cast<wchar_t*>(key), wcslen(key), nullptr};
      cef_string_list_append(keys, &record);
    }
    return 1;
  };
  CefRefPtr<ICefDictionaryValue> wrapper = TCefDictionaryValueRef::UnWrap(dictionary.Get());
  std::vector<ustring> keys = {L"kept"};
  EXPECT_TRUE(wrapper->GetKeys(keys));
  EXPECT_EQ(keys, (std::vector<ustring>{L"kept", L"proxy", L"enable_do_not_track", L"proxy"}));
}

TEST_F(ValuesRefsLoaded, RefusedPreferenceReportsTheEnginesReason) {
  FakeContext context;
  FakeValue value;
  g_value = &value;
  context.data.set_preference = [](cef_request_context_t*, const cef_string_t* name,
                                   cef_value_t* given, cef_string_t* error) {
    g_refs_at_handover = g_value->refs;
    given->base.release(&given->base);
    const std::wstring reason = L"Trying to modify a preference that is not writable: " +
                                std::wstring(name->str, name->length);
    cef_string_utf16_set(reason.c_str(), reason.length(), error, 1);
    return 0;
  };
  CefRefPtr<ICefRequestContext> wrapper = TCefRequestContextRef::UnWrap(context.Get());
  CefRefPtr<ICefValue> argument = TCefValueRef::UnWrap(value.Get());
  ustring error = L"stale";
  EXPECT_FALSE(wrapper->SetPreference(L"proxy", argument, error));
  EXPECT_EQ(error, L"Trying to modify a preference that is not writable: proxy");
  EXPECT_EQ(g_refs_at_handover, 2);
  EXPECT_EQ(value.refs, 1);
}

TEST_F(ValuesRefsLoaded, BinaryValueCopiesAndComparesThroughTheEngine) {
  const size_t before = LiveEngineObjects();
  {
    const char bytes[] = {'o', 's', 't', 'r', 'e', 'l'};
    CefRefPtr<ICefBinaryValue> value = TCefBinaryValueRef::New(bytes, sizeof(bytes));
    ASSERT_TRUE(value);
    EXPECT_TRUE(value->IsValid());
    EXPECT_EQ(value->GetSize(), sizeof(bytes));
    char tail[8] = {};
    EXPECT_EQ(value->GetData(tail, sizeof(tail), 4), 2u);
    EXPECT_EQ(std::string(tail), "el");
    EXPECT_EQ(value->GetData(nullptr, 4, 0), 0u);

    CefRefPtr<ICefBinaryValue> copy = value->Copy();
    ASSERT_TRUE(copy);
    EXPECT_TRUE(value->IsEqual(copy));
    EXPECT_FALSE(value->IsSame(copy));
    EXPECT_TRUE(value->IsSame(value));
    EXPECT_EQ(LiveEngineObjects(), before + 2);
  }
  EXPECT_EQ(LiveEngineObjects(), before);
}

}  // namespace
