// The browser control's preferences: setters that flag only real changes, every preference
// written into the stand-in's request context in order once the browser exists and on demand,
// the proxy dictionary, the custom header and referrer of each request, proxy challenges, and
// the saved preferences file with its line format.

#include <windows.h>

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/refs/cef_auth_callback_ref.h"
#include "engine/refs/cef_binary_value_ref.h"
#include "engine/refs/cef_list_value_ref.h"
#include "engine/refs/cef_request_ref.h"
#include "engine/refs/cef_value_ref.h"
#include "tests/unit/chromium_test_support.h"
#include "tests/unit/fake_engine_object.h"
#include "tests/unit/loaded_engine.h"

namespace {

using chromium_test::ChromiumWithBrowser;
using chromium_test::Command;
using chromium_test::PumpUntil;

std::string ReadFile(const std::wstring& path) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::wstring TempPath(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + name;
}

// ---- Setters (no engine needed) ----

TEST(ChromiumPreferenceSetters, OnlyRealChangesAreFlagged) {
  TChromium chromium;
  EXPECT_FALSE(chromium.PreferencesChanged());
  chromium.SetDoNotTrack(true);  // the default
  chromium.SetProxyServer(L"");
  chromium.SetWebRTCMultipleRoutes(STATE_DEFAULT);
  EXPECT_FALSE(chromium.PreferencesChanged());
  chromium.SetProxyServer(L"proxy.lan");
  EXPECT_TRUE(chromium.PreferencesChanged());
  EXPECT_EQ(chromium.ProxyServer(), L"proxy.lan");
}

TEST(ChromiumPreferenceSetters, ConnectionLimitStaysWithinSevenToNinetyNine) {
  TChromium chromium;
  chromium.SetMaxConnectionsPerProxy(6);
  chromium.SetMaxConnectionsPerProxy(100);
  EXPECT_EQ(chromium.MaxConnectionsPerProxy(), 32);
  EXPECT_FALSE(chromium.PreferencesChanged());
  chromium.SetMaxConnectionsPerProxy(7);
  EXPECT_EQ(chromium.MaxConnectionsPerProxy(), 7);
  chromium.SetMaxConnectionsPerProxy(99);
  EXPECT_EQ(chromium.MaxConnectionsPerProxy(), 99);
}

TEST(ChromiumPreferenceSetters, CustomHeaderNeedsNameAndValueAndFlagsNothing) {
  TChromium chromium;
  chromium.SetCustomHeaderName(L"X-Ostrel");
  EXPECT_FALSE(chromium.AddCustomHeader());
  chromium.SetCustomHeaderValue(L"1");
  EXPECT_TRUE(chromium.AddCustomHeader());
  chromium.SetCustomHeaderName(L"");
  EXPECT_FALSE(chromium.AddCustomHeader());
  EXPECT_FALSE(chromium.PreferencesChanged());
}

// ---- Proxy challenges ----

std::wstring gAuthAnswer;

TEST(ChromiumProxyChallenge, FixedServersAnswerWithTheStoredCredentialsOthersRefuse) {
  FakeEngineObject<cef_auth_callback_t> auth;
  auth.data.cont = [](cef_auth_callback_t*, const cef_string_t* user, const cef_string_t* pass) {
    gAuthAnswer =
        std::wstring(user->str, user->length) + L"/" + std::wstring(pass->str, pass->length);
  };
  TChromium chromium;
  IChromiumEvents& events = chromium;
  bool pageAsked = false;
  chromium.OnGetAuthCredentials = [&](TChromium&, const CefRefPtr<ICefBrowser>&, const ustring&,
                                      bool, const ustring&, int, const ustring&, const ustring&,
                                      const CefRefPtr<ICefAuthCallback>&,
                                      bool&) { pageAsked = true; };
  auto ask = [&](bool isProxy) {
    auth.refs = 1;
    const CefRefPtr<ICefAuthCallback> callback = TCefAuthCallbackRef::UnWrap(auth.Get());
    return events.HandleGetAuthCredentials(nullptr, L"http://a/", isProxy, L"proxy.lan", 8080,
                                           L"realm", L"basic", callback);
  };
  chromium.SetProxyUsername(L"user");
  chromium.SetProxyPassword(L"secret");
  EXPECT_FALSE(ask(true));  // direct: no credentials for a proxy
  EXPECT_EQ(gAuthAnswer, L"");
  chromium.SetProxyType(3);
  EXPECT_TRUE(ask(true));
  EXPECT_EQ(gAuthAnswer, L"user/secret");
  EXPECT_FALSE(pageAsked);
  ask(false);
  EXPECT_TRUE(pageAsked);
}

// ---- Printing the engine's dictionaries ----

class ChromiumPreferenceLines : public LoadedEngine {};

TEST_F(ChromiumPreferenceLines, EveryValueTypeInTheEnginesKeyOrder) {
  TChromium chromium;
  const CefRefPtr<ICefDictionaryValue> all = TCefDictionaryValueRef::New();
  ASSERT_TRUE(all);
  all->SetNull(L"a_null");
  all->SetBool(L"b_bool", true);
  all->SetInt(L"c_int", -7);
  all->SetDouble(L"d_double", 1.5);
  all->SetString(L"e_string", L"text with blanks");
  const char bytes[] = "xy";
  all->SetBinary(L"f_binary", TCefBinaryValueRef::New(bytes, 2));
  const CefRefPtr<ICefDictionaryValue> k = TCefDictionaryValueRef::New();
  k->SetInt(L"m", 16);
  const CefRefPtr<ICefListValue> n = TCefListValueRef::New();
  n->SetInt(0, 1);
  n->SetString(1, L"x");
  k->SetList(L"n", n);
  all->SetDictionary(L"k", k);
  const CefRefPtr<ICefListValue> mixed = TCefListValueRef::New();
  mixed->SetNull(0);
  mixed->SetBool(1, false);
  mixed->SetDictionary(2, k);
  mixed->SetList(3, n);
  mixed->SetList(4, TCefListValueRef::New());
  all->SetList(L"l", mixed);
  all->SetList(L"z_empty", TCefListValueRef::New());

  wchar_t separator[4] = L".";
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
  std::vector<ustring> lines;
  chromium.HandleDictionary(all, lines, L"");
  EXPECT_EQ(lines, (std::vector<ustring>{
                       L"a_null : -null-",
                       L"b_bool : True",
                       L"c_int : -7",
                       L"d_double : 1" + std::wstring(1, separator[0]) + L"5",
                       L"e_string : text with blanks",
                       L"f_binary : -binary-",
                       L"k.m : 16",
                       L"k.n : (2){1,x}",
                       L"l : (5){-null-,False,\"m : 16\",\"n : (2){1,x}\",\"(2){1,x}\",(0){}}",
                       L"z_empty : (0){}",
                   }));

  std::vector<ustring> nested;
  chromium.HandleDictionary(k, nested, L"prefix");
  EXPECT_EQ(nested, (std::vector<ustring>{L"prefix.m : 16", L"prefix.n : (2){1,x}"}));
  std::vector<ustring> none;
  chromium.HandleDictionary(nullptr, none, L"");
  EXPECT_TRUE(none.empty());
}

// ---- Against the stand-in's request context ----

class ChromiumPreferences : public ChromiumWithBrowser {
 protected:
  void BeforeCreate() override {
    chromium->SetDoNotTrack(false);
    chromium->SetSpellCheckerDicts(L"en-US,de-DE");
    chromium->SetRunAllFlashInAllowMode(true);
    chromium->SetWebRTCIPHandlingPolicy(hpDisableNonProxiedUDP);
    chromium->SetWebRTCMultipleRoutes(STATE_DISABLED);
    chromium->OnPrefsAvailable = [this](TChromium&, bool ok) {
      log.Add(std::string("prefs-available ") + (ok ? "1" : "0"));
    };
  }

  std::vector<std::string> Written() {
    std::vector<std::string> names;
    for (const std::string& line : trace->Lines("preference ")) names.push_back(line.substr(11));
    return names;
  }
  // Waits for the `count`-th write of the preference `name`; its line.
  std::string WaitForWrite(const std::string& name, size_t count = 1) {
    std::vector<std::string> found;
    PumpUntil([&] {
      found = trace->Lines("preference " + name + " ");
      return found.size() >= count;
    });
    return found.size() >= count ? found[count - 1] : std::string();
  }
  // Saves the engine's preferences and waits for the result; the file's text.
  std::string Save(const std::wstring& path, bool expectOk = true) {
    const size_t results = log.Of("prefs-available").size();
    chromium->SavePreferences(path);
    EXPECT_TRUE(log.WaitFor("prefs-available", results + 1));
    EXPECT_EQ(log.Of("prefs-available").back(),
              expectOk ? "prefs-available 1" : "prefs-available 0");
    EXPECT_EQ(log.ThreadOf("prefs-available"), GetCurrentThreadId()) << "on the main thread";
    return ReadFile(path);
  }
};

TEST_F(ChromiumPreferences, AfterCreationEveryPreferenceIsWrittenInOrder) {
  EXPECT_EQ(Written(), (std::vector<std::string>{
                           "proxy value={mode:direct}",
                           "enable_do_not_track value=false",
                           "enable_referrers value=true",
                           "enable_a_ping value=false",
                           "plugins.run_all_flash_in_allow_mode value=true",
                           "plugins.allow_outdated value=false",
                           "plugins.always_authorize value=false",
                           "browser.enable_spellchecking value=true",
                           "spellcheck.dictionaries value=[en-US,de-DE]",
                           "settings.force_google_safesearch value=false",
                           "settings.force_youtube_restrict value=0",
                           "printing.enabled value=true",
                           "profile.default_content_setting_values.plugins value=1",
                           "webrtc.ip_handling_policy value=disable_non_proxied_udp",
                           "webrtc.multiple_routes_enabled value=false",
                       }))
      << "the connection limit 32 and the default non-proxied UDP state are never written";
  EXPECT_FALSE(chromium->PreferencesChanged());
}

TEST_F(ChromiumPreferences, ProxyModesAndAPreferenceTheEngineKeepsToItself) {
  Command("lock-preference name=enable_a_ping");
  chromium->SetProxyType(3);
  chromium->SetProxyScheme(psSOCKS5);
  chromium->SetProxyServer(L"proxy.lan");
  chromium->SetProxyPort(1080);
  chromium->SetMaxConnectionsPerProxy(8);
  chromium->UpdatePreferences();
  EXPECT_EQ(WaitForWrite("proxy", 2),
            "preference proxy value={mode:fixed_servers,server:socks5://proxy.lan:1080}");
  EXPECT_NE(WaitForWrite("net.max_connections_per_proxy"), "");
  EXPECT_EQ(trace->Lines("preference enable_a_ping ").size(), 1u) << "skipped, the rest written";

  chromium->SetProxyScheme(psHTTP);
  chromium->SetProxyPort(8080);
  chromium->SetProxyByPassList(L"<local>");
  chromium->UpdatePreferences();
  EXPECT_EQ(WaitForWrite("proxy", 3),
            "preference proxy value={bypass_list:<local>,mode:"
            "fixed_servers,server:proxy.lan:8080}");
  chromium->SetProxyType(4);
  chromium->SetProxyScriptURL(L"http://127.0.0.1/p.pac");
  chromium->UpdatePreferences();
  EXPECT_EQ(WaitForWrite("proxy", 4),
            "preference proxy value={mode:pac_script,pac_url:http://127.0.0.1/p.pac}");
  chromium->SetProxyType(7);
  chromium->UpdatePreferences();
  EXPECT_EQ(WaitForWrite("proxy", 5), "preference proxy value={mode:direct}");
}

TEST_F(ChromiumPreferences, SavedFileHoldsTheEnginesPreferencesAndDefaultStatesStay) {
  const std::wstring path = TempPath(L"ostrel-prefs-test.txt");
  const std::string text = Save(path);
  EXPECT_NE(text.find("enable_do_not_track : False\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("spellcheck.dictionaries : (2){en-US,de-DE}\r\n"), std::string::npos);
  EXPECT_NE(text.find("proxy.mode : direct\r\n"), std::string::npos);
  EXPECT_NE(text.find("webrtc.ip_handling_policy : disable_non_proxied_udp\r\n"),
            std::string::npos);

  // Back to the default state: nothing is written, so the engine keeps false.
  chromium->SetWebRTCMultipleRoutes(STATE_DEFAULT);
  chromium->UpdatePreferences();
  EXPECT_NE(WaitForWrite("proxy", 2), "");
  EXPECT_NE(Save(path).find("webrtc.multiple_routes_enabled : False\r\n"), std::string::npos);
  EXPECT_EQ(trace->Lines("preference webrtc.multiple_routes_enabled ").size(), 1u);

  Command("clear-preferences");
  EXPECT_EQ(Save(path), "") << "no preferences: an empty file, reported written";

  Save(TempPath(L"no-such-folder\\prefs.txt"), false);

  // Asked for twice before the first ran: each writes its own file.
  const std::wstring first = TempPath(L"ostrel-prefs-first.txt");
  DeleteFileW(first.c_str());
  DeleteFileW(path.c_str());
  const size_t before = log.Of("prefs-available").size();
  chromium->SavePreferences(first);
  chromium->SavePreferences(path);
  ASSERT_TRUE(log.WaitFor("prefs-available", before + 2));
  EXPECT_EQ(log.Of("prefs-available")[before], "prefs-available 1");
  EXPECT_EQ(log.Of("prefs-available")[before + 1], "prefs-available 1");
  EXPECT_TRUE(std::filesystem::exists(first)) << "the first save went to the second's file";
  EXPECT_TRUE(std::filesystem::exists(path));
  DeleteFileW(first.c_str());

  const size_t results = log.Of("prefs-available").size();
  chromium->SavePreferences(L"");
  Save(path);  // runs after a save task of the empty name would have
  DeleteFileW(path.c_str());
  EXPECT_EQ(log.Of("prefs-available").size(), results + 1) << "an empty name saves nothing";
}

// The resource-request handler comes with the client: its event is assigned before creation.
class ChromiumRequests : public ChromiumWithBrowser {
 protected:
  void BeforeCreate() override {
    chromium->OnBeforeResourceLoad =
        [this](TChromium&, const CefRefPtr<ICefBrowser>&, const CefRefPtr<ICefFrame>&,
               const CefRefPtr<ICefRequest>& request, const CefRefPtr<ICefRequestCallback>&,
               cef_return_value_t&) {
          log.Add("referrer " + std::to_string(request->GetReferrerPolicy()) + " " +
                  standin_test::Narrow(request->GetReferrerUrl()));
        };
    chromium->SetCustomHeaderName(L"X-Ostrel");
    chromium->SetDefaultUrl(server.Url("/"));
  }

  standin_test::LoopbackServer server{{{"/", {200, "text/html", "<title>t</title>", ""}}}};
};

TEST_F(ChromiumRequests, CustomHeaderWithAValueAndNoReferrerWhenAsked) {
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0].find("X-Ostrel"), std::string::npos) << "empty value: no header";
  chromium->SetCustomHeaderValue(L"mini 1");
  chromium->SetSendReferrer(false);
  ASSERT_TRUE(Load(server.Url("/")));
  ASSERT_EQ(server.Requests().size(), 2u);
  EXPECT_NE(server.Requests()[1].find("X-Ostrel: mini 1\r\n"), std::string::npos)
      << server.Requests()[1];
  EXPECT_EQ(log.Of("referrer ").back(),
            "referrer " + std::to_string(REFERRER_POLICY_NO_REFERRER) + " ");
}

}  // namespace
