// Reference wrappers of the network, download and certificate engine types: who owns which
// engine reference and string, checked against fake engine structures and against the requests
// and responses of the stand-in engine.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "engine/core/cef_string_collections.h"
#include "engine/refs/cef_auth_callback_ref.h"
#include "engine/refs/cef_before_download_callback_ref.h"
#include "engine/refs/cef_callback_ref.h"
#include "engine/refs/cef_cookie_manager_ref.h"
#include "engine/refs/cef_download_item_callback_ref.h"
#include "engine/refs/cef_download_item_ref.h"
#include "engine/refs/cef_post_data_ref.h"
#include "engine/refs/cef_request_callback_ref.h"
#include "engine/refs/cef_request_context_ref.h"
#include "engine/refs/cef_request_ref.h"
#include "engine/refs/cef_response_ref.h"
#include "engine/refs/cef_select_client_certificate_callback_ref.h"
#include "engine/refs/cef_sslinfo_ref.h"
#include "engine/refs/cef_sslstatus_ref.h"
#include "engine/refs/cef_x509certificate_ref.h"
#include "standin/standin_hooks.h"
#include "tests/unit/fake_engine_object.h"
#include "tests/unit/loaded_engine.h"

namespace {

using FakeRequest = FakeEngineObject<cef_request_t>;
using FakePostData = FakeEngineObject<cef_post_data_t>;
using FakeDownloadItem = FakeEngineObject<cef_download_item_t>;
using FakeCertificate = FakeEngineObject<cef_x509certificate_t>;
using FakeBinary = FakeEngineObject<cef_binary_value_t>;

// The fakes' engine functions are plain functions: they find the test's objects here.
FakePostData* g_post_data = nullptr;
int g_refs_at_handover = 0;

size_t LiveEngineObjects() {
  void* address = reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"libcef.dll"), "standin_live_object_count"));
  return address != nullptr ? reinterpret_cast<standin_live_object_count_func>(address)() : 0;
}

std::vector<std::wstring> HeaderLines(const CefRefPtr<ICefStringMultimap>& map) {
  std::vector<std::wstring> lines;
  for (size_t i = 0; i < map->GetSize(); ++i) {
    lines.push_back(map->GetKeyAt(i) + L"=" + map->GetValueAt(i));
  }
  return lines;
}

TEST(NetworkRefs, UnWrapOfNullGivesNullForEveryType) {
  EXPECT_TRUE(TCefRequestRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefResponseRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefPostDataRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefPostDataElementRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefDownLoadItemRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefBeforeDownloadCallbackRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefDownloadItemCallbackRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefRequestContextRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefCookieManagerRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefRequestCallbackRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefAuthCallbackRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefCallbackRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefSslInfoRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefSSLStatusRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCEFX509CertificateRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefX509CertPrincipalRef::UnWrap(nullptr) == nullptr);
  EXPECT_TRUE(TCefSelectClientCertificateCallbackRef::UnWrap(nullptr) == nullptr);
}

TEST(NetworkRefs, CreatorsGiveNullBeforeTheLibraryIsLoaded) {
  ASSERT_FALSE(EngineLibraryLoaded());
  EXPECT_TRUE(TCefRequestRef::New() == nullptr);
  EXPECT_TRUE(TCefResponseRef::New() == nullptr);
  EXPECT_TRUE(TCefPostDataRef::New() == nullptr);
  EXPECT_TRUE(TCefPostDataElementRef::New() == nullptr);
  EXPECT_TRUE(TCefCookieManagerRef::Global(nullptr) == nullptr);
  EXPECT_TRUE(TCefRequestContextRef::Global() == nullptr);
  cef_request_context_settings_t settings{};
  settings.size = sizeof(settings);
  EXPECT_TRUE(TCefRequestContextRef::New(settings, nullptr) == nullptr);
}

TEST(NetworkRefs, ObjectResultIsReleasedExactlyOnce) {
  FakeRequest request;
  FakePostData post_data;
  g_post_data = &post_data;
  request.data.get_post_data = [](cef_request_t*) { return g_post_data->Get(); };
  {
    CefRefPtr<ICefRequest> wrapper = TCefRequestRef::UnWrap(request.Get());
    CefRefPtr<ICefPostData> result = wrapper->GetPostData();
    ASSERT_TRUE(result);
    EXPECT_EQ(post_data.refs, 1);  // the result's reference, taken over, not added to
  }
  EXPECT_EQ(post_data.release_calls, 1);
  EXPECT_EQ(post_data.add_ref_calls, 0);
  EXPECT_EQ(post_data.refs, 0);
  EXPECT_EQ(request.refs, 0);
}

TEST(NetworkRefs, ObjectArgumentIsHandedOverWithOneReference) {
  FakeRequest request;
  FakePostData post_data;
  g_post_data = &post_data;
  request.data.set_post_data = [](cef_request_t*, cef_post_data_t* given) {
    g_refs_at_handover = g_post_data->refs;
    given->base.release(&given->base);  // the engine consumes what it was given
  };
  CefRefPtr<ICefRequest> wrapper = TCefRequestRef::UnWrap(request.Get());
  CefRefPtr<ICefPostData> argument = TCefPostDataRef::UnWrap(post_data.Get());
  wrapper->SetPostData(argument);
  EXPECT_EQ(g_refs_at_handover, 2);
  EXPECT_EQ(post_data.refs, 1);  // the program's wrapper still holds its own
  argument.reset();
  EXPECT_EQ(post_data.refs, 0);
}

TEST(NetworkRefs, AbsentEngineFunctionGivesNeutralResultsAndKeepsCounts) {
  FakeRequest request;  // no type functions at all
  FakePostData post_data;
  CefRefPtr<ICefRequest> wrapper = TCefRequestRef::UnWrap(request.Get());
  EXPECT_FALSE(wrapper->IsReadOnly());
  EXPECT_EQ(wrapper->GetUrl(), L"");
  EXPECT_TRUE(wrapper->GetPostData() == nullptr);
  EXPECT_EQ(wrapper->GetIdentifier(), 0u);
  CefRefPtr<ICefPostData> argument = TCefPostDataRef::UnWrap(post_data.Get());
  wrapper->SetPostData(argument);  // nobody consumes the handed reference: it comes back
  EXPECT_EQ(post_data.refs, 1);
}

using NetworkRefsLoaded = LoadedEngine;

int g_dtor_calls = 0;
wchar_t g_path_buffer[] = L"C:\\Users\\me\\Documents\\report.pdf";

void CEF_CALLBACK CountingDtor(char16*) { ++g_dtor_calls; }

TEST_F(NetworkRefsLoaded, DownloadItemStringResultIsFreedOnce) {
  FakeDownloadItem item;
  item.data.get_full_path = [](cef_download_item_t*) {
    cef_string_userfree_t result = cef_string_userfree_utf16_alloc();
    result->str = g_path_buffer;
    result->length = wcslen(g_path_buffer);
    result->dtor = CountingDtor;
    return result;
  };
  item.data.get_percent_complete = [](cef_download_item_t*) { return -1; };
  item.data.get_start_time = [](cef_download_item_t*) {
    cef_time_t time{};
    time.year = 2026;
    time.second = 59;
    return time;
  };
  g_dtor_calls = 0;
  CefRefPtr<ICefDownloadItem> wrapper = TCefDownLoadItemRef::UnWrap(item.Get());
  EXPECT_EQ(wrapper->GetFullPath(), g_path_buffer);
  EXPECT_EQ(g_dtor_calls, 1);
  EXPECT_EQ(wrapper->GetPercentComplete(), -1);
  EXPECT_EQ(wrapper->GetStartTime().year, 2026);
  EXPECT_EQ(wrapper->GetStartTime().second, 59);
  EXPECT_EQ(wrapper->GetSuggestedFileName(), L"");  // absent: empty, nothing freed
  EXPECT_EQ(g_dtor_calls, 1);
}

FakeBinary* g_chain[2] = {nullptr, nullptr};

TEST(NetworkRefs, IssuerChainWrapsEveryEntryOnceInOrder) {
  FakeCertificate certificate;
  FakeBinary first, second;
  g_chain[0] = &first;
  g_chain[1] = &second;
  certificate.data.get_issuer_chain_size = [](cef_x509certificate_t*) { return size_t{2}; };
  certificate.data.get_derencoded_issuer_chain = [](cef_x509certificate_t*, size_t* count,
                                                    cef_binary_value_t** chain) {
    ASSERT_EQ(*count, 2u);
    chain[0] = g_chain[0]->Get();
    chain[1] = g_chain[1]->Get();
  };
  CefRefPtr<ICefX509Certificate> wrapper = TCEFX509CertificateRef::UnWrap(certificate.Get());
  std::vector<CefRefPtr<ICefBinaryValue>> chain;
  wrapper->GetDerencodedIssuerChain(chain);
  ASSERT_EQ(chain.size(), 2u);
  EXPECT_TRUE(chain[0]->SameAs(first.Get()));
  EXPECT_TRUE(chain[1]->SameAs(second.Get()));
  chain.clear();
  EXPECT_EQ(first.refs, 0);
  EXPECT_EQ(second.refs, 0);
  EXPECT_EQ(first.release_calls, 1);
  wrapper->GetPemencodedIssuerChain(chain);  // absent: nothing appended
  EXPECT_TRUE(chain.empty());
}

TEST_F(NetworkRefsLoaded, HeaderMapKeepsRepeatedNamesInTheEnginesOrder) {
  const size_t before = LiveEngineObjects();
  {
    CefRefPtr<ICefResponse> response = TCefResponseRef::New();
    ASSERT_TRUE(response);
    CefRefPtr<ICefStringMultimap> written = MakeRefCounted<TCefStringMultimapOwn>();
    written->AppendPair(L"Content-Type", L"text/html");
    written->AppendPair(L"Set-Cookie", L"a=1");
    written->AppendPair(L"Set-Cookie", L"b=2");
    response->SetHeaderMap(written);

    CefRefPtr<ICefStringMultimap> read = MakeRefCounted<TCefStringMultimapOwn>();
    response->GetHeaderMap(read);
    EXPECT_EQ(HeaderLines(read), (std::vector<std::wstring>{L"Content-Type=text/html",
                                                            L"Set-Cookie=a=1", L"Set-Cookie=b=2"}));
    response->GetHeaderMap(nullptr);  // no map: nothing to fill
  }
  EXPECT_EQ(LiveEngineObjects(), before);
}

TEST_F(NetworkRefsLoaded, RequestRoundTripsThroughTheEngine) {
  const size_t before = LiveEngineObjects();
  {
    CefRefPtr<ICefRequest> request = TCefRequestRef::New();
    ASSERT_TRUE(request);
    CefRefPtr<ICefStringMultimap> headers = MakeRefCounted<TCefStringMultimapOwn>();
    headers->AppendPair(L"Accept", L"*/*");
    headers->AppendPair(L"X-Trace", L"1");
    headers->AppendPair(L"X-Trace", L"2");
    request->Set(L"http://127.0.0.1:8765/page", L"POST", nullptr, headers);
    request->SetHeaderByName(L"Accept", L"text/html", true);
    EXPECT_EQ(request->GetUrl(), L"http://127.0.0.1:8765/page");
    EXPECT_EQ(request->GetMethod(), L"POST");
    EXPECT_EQ(request->GetHeaderByName(L"accept"), L"text/html");

    CefRefPtr<ICefStringMultimap> read = MakeRefCounted<TCefStringMultimapOwn>();
    request->GetHeaderMap(read);
    EXPECT_EQ(HeaderLines(read),
              (std::vector<std::wstring>{L"Accept=text/html", L"X-Trace=1", L"X-Trace=2"}));
  }
  EXPECT_EQ(LiveEngineObjects(), before);
}

bool g_map_given = false;
size_t g_map_size = 99;

TEST_F(NetworkRefsLoaded, RequestSetWithoutHeaderMapHandsTheEngineAnEmptyOne) {
  FakeRequest request;  // the real engine ignores the whole call when the map is null
  request.data.set = [](cef_request_t*, const cef_string_t*, const cef_string_t*,
                        cef_post_data_t* post, cef_string_multimap_t map) {
    g_map_given = map != nullptr;
    g_map_size = map != nullptr ? cef_string_multimap_size(map) : 99;
    EXPECT_EQ(post, nullptr);
  };
  CefRefPtr<ICefRequest> wrapper = TCefRequestRef::UnWrap(request.Get());
  wrapper->Set(L"http://127.0.0.1:8765/", L"GET", nullptr, nullptr);
  EXPECT_TRUE(g_map_given);
  EXPECT_EQ(g_map_size, 0u);
}

}  // namespace
